#include "documents/widgets/NumberingPage.h"

#include "core/Dialogs.h"
#include "core/PickLists.h"
#include "documents/NumberSeries.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column { TypeColumn, PatternColumn, RestartColumn };

} // namespace

NumberingPage::NumberingPage(Database& database, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), m_database(database), m_dialogs(dialogs), m_table(new QTableWidget(this))
{
    setObjectName(QStringLiteral("NumberingPage"));
    auto* layout = new QVBoxLayout(this);
    auto* hint = new QLabel(tr("Pattern tokens: {YYYY} year, {YY} short year, {MM} month, {####} counter "
                               "(as many digits as \"#\"). Example: INV-{YYYY}-{####}"),
                            this);
    hint->setWordWrap(true);
    layout->addWidget(hint);

    m_table->setObjectName(QStringLiteral("tblNumbering"));
    m_table->setColumnCount(3);
    m_table->setHorizontalHeaderLabels({tr("Document type"), tr("Pattern"), tr("Restart each year")});
    m_table->horizontalHeader()->setSectionResizeMode(PatternColumn, QHeaderView::Stretch);
    m_table->horizontalHeader()->setSectionResizeMode(RestartColumn, QHeaderView::ResizeToContents);
    m_table->verticalHeader()->hide();
    layout->addWidget(m_table, 1);

    auto* saveButton = new QPushButton(tr("Save Numbering"), this);
    saveButton->setObjectName(QStringLiteral("cmdSaveNumbering"));
    layout->addWidget(saveButton, 0, Qt::AlignRight);
    connect(saveButton, &QPushButton::clicked, this, &NumberingPage::save);
}

void NumberingPage::reload()
{
    QString error;
    const QList<SeriesDefinition> stored = NumberSeries(m_database).all(&error);
    QStringList types = PickLists::documentTypes();
    for (const SeriesDefinition& series : stored) {
        if (!types.contains(series.docType, Qt::CaseInsensitive))
            types.append(series.docType);
    }
    m_table->setRowCount(int(types.size()));
    for (int row = 0; row < types.size(); ++row) {
        SeriesDefinition series;
        for (const SeriesDefinition& candidate : stored) {
            if (candidate.docType.compare(types.at(row), Qt::CaseInsensitive) == 0)
                series = candidate;
        }
        auto* type = new QTableWidgetItem(types.at(row));
        type->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        m_table->setItem(row, TypeColumn, type);
        m_table->setItem(row, PatternColumn, new QTableWidgetItem(series.pattern));
        auto* restart = new QTableWidgetItem;
        restart->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        restart->setCheckState(series.yearlyRestart ? Qt::Checked : Qt::Unchecked);
        m_table->setItem(row, RestartColumn, restart);
    }
    m_table->resizeColumnToContents(TypeColumn);
}

void NumberingPage::showEvent(QShowEvent* event)
{
    reload();
    QWidget::showEvent(event);
}

void NumberingPage::save()
{
    QList<SeriesDefinition> wanted;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        SeriesDefinition series;
        series.docType = m_table->item(row, TypeColumn)->text();
        series.pattern = m_table->item(row, PatternColumn)->text().trimmed();
        series.yearlyRestart = m_table->item(row, RestartColumn)->checkState() == Qt::Checked;
        if (!series.pattern.isEmpty())
            wanted.append(series);
    }
    QString error;
    if (!NumberSeries(m_database).saveAll(wanted, &error)) {
        m_dialogs.critical(error);
        return;
    }
    m_dialogs.inform(tr("Numbering saved."));
    reload();
}
