#include "store/widgets/MaintenancePanel.h"

#include "core/AppPaths.h"
#include "core/Dialogs.h"
#include "core/ShortDateFormat.h"
#include "store/CompactCommand.h"
#include "store/Database.h"
#include "store/PurgeCommand.h"

#include <QApplication>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

MaintenancePanel::MaintenancePanel(QWidget* parent)
    : QWidget(parent),
      m_compact(new QPushButton(tr("Compact && Backup Database"), this)),
      m_purge(new QPushButton(tr("Delete Documents Issued from"), this)),
      m_purgeHelp(new QPushButton(QStringLiteral("?"), this)),
      m_from(new QDateEdit(QDate::currentDate(), this)),
      m_to(new QDateEdit(QDate::currentDate(), this)),
      m_progress(new QLabel(tr("Please wait. Compacting in progress ..."), this))
{
    setObjectName(QStringLiteral("MaintenancePanel"));
    buildLayout();
    connect(m_compact, &QPushButton::clicked, this, &MaintenancePanel::compact);
    connect(m_purge, &QPushButton::clicked, this, &MaintenancePanel::purge);
    connect(m_purgeHelp, &QPushButton::clicked, this, &MaintenancePanel::explainPurge);
}

void MaintenancePanel::buildLayout()
{
    m_compact->setObjectName(QStringLiteral("cmdcompact"));
    m_purge->setObjectName(QStringLiteral("cmdDeleteDocs"));
    m_purgeHelp->setObjectName(QStringLiteral("cmdDeleteDocsHelp"));
    m_from->setObjectName(QStringLiteral("DTPfrom"));
    m_to->setObjectName(QStringLiteral("DTPto"));
    m_progress->setObjectName(QStringLiteral("lblprocess"));
    // Its room stays when it is hidden, so the page does not jump while compacting.
    QSizePolicy keepRoom = m_progress->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    m_progress->setSizePolicy(keepRoom);
    m_progress->hide();
    for (QDateEdit* picker : {m_from, m_to})
        picker->setCalendarPopup(true);
    setDateFormat(QString());

    auto* purgeFrame = new QGroupBox(tr(" Delete Old Records"), this);
    auto* grid = new QGridLayout(purgeFrame);
    grid->addWidget(m_purge, 0, 0);
    grid->addWidget(m_from, 0, 1);
    grid->addWidget(new QLabel(tr("to"), purgeFrame), 0, 2);
    grid->addWidget(m_to, 0, 3);
    grid->addWidget(m_purgeHelp, 0, 4);
    // The row keeps its natural widths; the spare room stays empty at its end.
    m_purgeHelp->setFixedWidth(m_purgeHelp->sizeHint().height() + 6);
    grid->setColumnStretch(5, 1);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(m_compact);
    column->addWidget(m_progress);
    column->addWidget(purgeFrame);
}

void MaintenancePanel::attach(Database& database, Dialogs& dialogs)
{
    m_database = &database;
    m_dialogs = &dialogs;
}

void MaintenancePanel::showEvent(QShowEvent* event)
{
    showDatabaseKind();
    QWidget::showEvent(event);
}

void MaintenancePanel::showDatabaseKind()
{
    // Compaction copies a file: a server keeps its own files (pg_dump backs them up).
    m_compact->setVisible(!m_database || !m_database->isServer());
}

void MaintenancePanel::setDateFormat(const QString& setting)
{
    m_dateFormat = setting;
    for (QDateEdit* picker : {m_from, m_to})
        picker->setDisplayFormat(ShortDateFormat::pattern(picker->locale(), setting));
}

void MaintenancePanel::showProgress(bool visible, const QString& text)
{
    m_progress->setText(text);
    m_progress->setVisible(visible);
    // The label must be seen before the long work starts on this same thread.
    if (visible)
        m_progress->repaint();
}

void MaintenancePanel::compact()
{
    if (!m_database || !m_dialogs)
        return;
    const QString folder = m_tempFolder.isEmpty() ? AppPaths::dataFolder() : m_tempFolder;
    CompactCommand command(*m_database, *m_dialogs, folder);
    command.setProgress([this](bool visible, const QString& text) { showProgress(visible, text); });
    command.run(m_sourcePath ? m_sourcePath() : QString());
}

void MaintenancePanel::purge()
{
    if (!m_database || !m_dialogs)
        return;
    PurgeCommand command(*m_database, *m_dialogs);
    command.setHooks({[this] { compact(); }, [this] { emit documentsChanged(); },
                      [this](const QString& numbersQuery) { emit documentsChanging(numbersQuery); }});
    command.setDateFormat(m_dateFormat);
    command.run(m_from->date(), m_to->date());
}

void MaintenancePanel::explainPurge()
{
    if (m_dialogs)
        m_dialogs->inform(PurgeCommand::helpText(m_purge->text()));
}
