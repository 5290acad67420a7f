#include "documents/widgets/JournalExportBox.h"

#include "core/Dialogs.h"
#include "core/PickLists.h"
#include "documents/SalesJournal.h"
#include "store/FileReplace.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QPushButton>

JournalExportBox::JournalExportBox(Database& database, Dialogs& dialogs, QWidget* parent)
    : QGroupBox(tr("Sales journal (CSV for the accountant)"), parent),
      m_database(database),
      m_dialogs(dialogs),
      m_from(new QDateEdit(this)),
      m_to(new QDateEdit(this)),
      m_type(new QComboBox(this))
{
    setObjectName(QStringLiteral("FrameJournal"));
    const QDate today = QDate::currentDate();
    m_from->setObjectName(QStringLiteral("DTPJournalFrom"));
    m_from->setCalendarPopup(true);
    m_from->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_from->setDate(QDate(today.year(), today.month(), 1));
    m_to->setObjectName(QStringLiteral("DTPJournalTo"));
    m_to->setCalendarPopup(true);
    m_to->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_to->setDate(today);
    m_type->setObjectName(QStringLiteral("cboJournalType"));
    m_type->addItem(tr("All types"), QString());
    for (const QString& type : PickLists::documentTypes())
        m_type->addItem(type, type);

    auto* exportButton = new QPushButton(tr("Export…"), this);
    exportButton->setObjectName(QStringLiteral("cmdExportJournal"));
    connect(exportButton, &QPushButton::clicked, this, &JournalExportBox::exportJournal);

    auto* form = new QFormLayout(this);
    form->addRow(tr("From"), m_from);
    form->addRow(tr("To"), m_to);
    form->addRow(tr("Type"), m_type);
    form->addRow(QString(), exportButton);
    form->setAlignment(exportButton, Qt::AlignLeft);
}

void JournalExportBox::exportJournal()
{
    const QDate from = m_from->date();
    const QDate to = m_to->date();
    if (from > to) {
        m_dialogs.warn(tr("The period ends before it begins."));
        return;
    }
    const QString proposed = QStringLiteral("sales-journal-%1-%2.csv")
                                 .arg(from.toString(Qt::ISODate), to.toString(Qt::ISODate));
    const QString path = m_dialogs.chooseSaveFile(tr("Export Sales Journal"), tr("CSV files (*.csv)|*.csv"), proposed);
    if (path.isEmpty())
        return;
    const SalesJournal::Result journal = SalesJournal(m_database).build(from, to, m_type->currentData().toString());
    QString error;
    if (!journal.ok || !FileReplace::writeWhole(path, journal.csv, &error)) {
        m_dialogs.critical(journal.ok ? error : journal.error);
        return;
    }
    m_dialogs.inform(tr("Sales journal written: %n document(s).", nullptr, journal.documents));
}
