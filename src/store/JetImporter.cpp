#include "store/JetImporter.h"

#include "store/Database.h"
#include "store/JetFile.h"
#include "store/SqlText.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

namespace {

enum class Kind
{
    Text,
    Date,
    Number
};

struct Column
{
    QString name;
    Kind kind;
};

const QList<Column>& documentColumns()
{
    static const QList<Column> columns{
        {QStringLiteral("CompanyName"), Kind::Text},     {QStringLiteral("Address"), Kind::Text},
        {QStringLiteral("Docnumber"), Kind::Text},       {QStringLiteral("DocDate"), Kind::Date},
        {QStringLiteral("PaymentTerm"), Kind::Text},     {QStringLiteral("Serial"), Kind::Number},
        {QStringLiteral("ProductID"), Kind::Text},       {QStringLiteral("Description"), Kind::Text},
        {QStringLiteral("Qty"), Kind::Number},           {QStringLiteral("Price"), Kind::Number},
        {QStringLiteral("Discount"), Kind::Number},      {QStringLiteral("Amount"), Kind::Number},
        {QStringLiteral("SaveDate"), Kind::Date},        {QStringLiteral("Notes"), Kind::Text},
        {QStringLiteral("Paid"), Kind::Number},          {QStringLiteral("Total"), Kind::Number},
        {QStringLiteral("HideTax"), Kind::Text},         {QStringLiteral("SalePerson"), Kind::Text},
        {QStringLiteral("HidePaid"), Kind::Text},        {QStringLiteral("NoDisc"), Kind::Text},
        {QStringLiteral("GoodsRcvd"), Kind::Text},       {QStringLiteral("DocType"), Kind::Text},
        {QStringLiteral("Delivery"), Kind::Number},      {QStringLiteral("DeliveryName"), Kind::Text},
        {QStringLiteral("DeliveryTaxable"), Kind::Text}, {QStringLiteral("PrintBarcode"), Kind::Text},
        {QStringLiteral("ShipTo"), Kind::Text},          {QStringLiteral("ShipToCus"), Kind::Text},
        {QStringLiteral("ShipToAddress"), Kind::Text},   {QStringLiteral("BillTo"), Kind::Text},
    };
    return columns;
}

const QList<Column>& companyColumns()
{
    static const QList<Column> columns{
        {QStringLiteral("CompanyName"), Kind::Text},    {QStringLiteral("CompanyAddress"), Kind::Text},
        {QStringLiteral("CurrencySymbol"), Kind::Text}, {QStringLiteral("TaxName"), Kind::Text},
        {QStringLiteral("TaxPercent"), Kind::Number},   {QStringLiteral("Default"), Kind::Text},
    };
    return columns;
}

QString quoted(const QString& text)
{
    return QLatin1Char('\'') + SqlText::EscapeQuotes(text) + QLatin1Char('\'');
}

QString numberText(const QVariant& value)
{
    if (value.typeId() == QMetaType::LongLong)
        return QString::number(value.toLongLong());
    return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
}

// The value as it stands in a statement: dates as 'yyyy-MM-dd' text like every saved document,
// Yes/No columns of the old file as the texts "Yes"/"No". A text that does not fit its column's
// kind is kept as text rather than lost.
QString literal(const QVariant& value, Kind kind)
{
    if (!value.isValid())
        return QStringLiteral("NULL");
    switch (value.typeId()) {
    case QMetaType::Bool:
        if (kind == Kind::Number)
            return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
        return quoted(value.toBool() ? QStringLiteral("Yes") : QStringLiteral("No"));
    case QMetaType::QDate:
        return quoted(value.toDate().toString(Qt::ISODate));
    case QMetaType::LongLong:
    case QMetaType::Double:
        if (value.typeId() == QMetaType::Double && !std::isfinite(value.toDouble()))
            return QStringLiteral("NULL");
        return kind == Kind::Number ? numberText(value) : quoted(numberText(value));
    default:
        break;
    }
    const QString text = value.toString();
    if (kind == Kind::Date) {
        const QDate date = SqlText::ReadDate(text);
        if (date.isValid())
            return quoted(date.toString(Qt::ISODate));
    }
    return quoted(text);
}

// Source column of each program column, -1 where the file lacks it.
QList<int> sourceIndexes(const JetTable& table, const QList<Column>& columns, QStringList* missing)
{
    QList<int> indexes;
    for (const Column& column : columns) {
        indexes.append(table.columnIndex(column.name));
        if (indexes.last() < 0 && missing)
            missing->append(column.name);
    }
    return indexes;
}

QString insertStatement(const QString& table, const QList<Column>& columns, const QList<int>& indexes,
                        const QVariantList& row, const QVariant& id)
{
    QStringList names;
    QStringList values;
    if (id.isValid()) {
        names.append(QStringLiteral("ID"));
        values.append(numberText(id));
    }
    for (qsizetype i = 0; i < columns.size(); ++i) {
        names.append(columns[i].name);
        values.append(literal(indexes[i] < 0 ? QVariant() : row[indexes[i]], columns[i].kind));
    }
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(table, names.join(QLatin1Char(',')), values.join(QStringLiteral(", ")));
}

// Rows in ascending ID, the order in which they were saved; a file without IDs keeps its own order.
QList<QVariantList> rowsInIdOrder(const JetTable& table)
{
    QList<QVariantList> rows = table.rows;
    const int id = table.columnIndex(QStringLiteral("ID"));
    if (id >= 0) {
        std::stable_sort(rows.begin(), rows.end(), [id](const QVariantList& a, const QVariantList& b) {
            if (a[id].isValid() != b[id].isValid())
                return a[id].isValid();
            return a[id].toLongLong() < b[id].toLongLong();
        });
    }
    return rows;
}

bool isDefaultRow(const JetTable& companies, const QVariantList& row)
{
    const int column = companies.columnIndex(QStringLiteral("Default"));
    if (column < 0 || !row[column].isValid())
        return false;
    if (row[column].typeId() == QMetaType::Bool)
        return row[column].toBool();
    return row[column].toString().compare(QLatin1String("Yes"), Qt::CaseInsensitive) == 0;
}

} // namespace

std::optional<JetImportSummary> JetImporter::importFile(const QString& jetPath, QString* error)
{
    auto fail = [&](const QString& message) -> std::optional<JetImportSummary> {
        if (error)
            *error = message;
        return std::nullopt;
    };
    JetFile file;
    QString detail;
    if (!file.open(jetPath, &detail))
        return fail(detail);
    for (const QString& name : {QStringLiteral("tbldoc"), QStringLiteral("tblcompany")}) {
        if (!file.hasTable(name))
            return fail(
                tr("%1 lacks the table %2; it holds no documents of this program.").arg(jetPath, name));
    }
    const auto documents = file.readTable(QStringLiteral("tbldoc"), &detail);
    if (!documents)
        return fail(detail);
    const auto companies = file.readTable(QStringLiteral("tblcompany"), &detail);
    if (!companies)
        return fail(detail);
    if (documents->columnIndex(QStringLiteral("Docnumber")) < 0)
        return fail(tr("The table tbldoc of %1 has no column Docnumber.").arg(jetPath));

    if (!m_database.beginTransaction())
        return fail(tr("The database cannot start the import."));
    const SqlResult count = m_database.query(QStringLiteral("SELECT count(*) FROM tbldoc"));
    const bool emptyBefore =
        count.ok && !count.records.isEmpty() && count.records.first().value(0).toLongLong() == 0;
    JetImportSummary summary;
    if (!count.ok || !importDocuments(*documents, emptyBefore, summary, &detail) ||
        !importCompany(*companies, emptyBefore, summary, &detail) || !m_database.commit()) {
        m_database.rollback();
        return fail(tr("Nothing was imported: %1").arg(count.ok ? detail : count.error));
    }
    return summary;
}

std::optional<bool> JetImporter::isStored(const QVariant& number, QString* error)
{
    const QString condition = number.isValid() ? QStringLiteral("Docnumber = ") + literal(number, Kind::Text)
                                               : QStringLiteral("Docnumber IS NULL");
    const SqlResult found =
        m_database.query(QStringLiteral("SELECT count(*) FROM tbldoc WHERE ") + condition);
    if (!found.ok || found.records.isEmpty()) {
        if (error)
            *error = found.error;
        return std::nullopt;
    }
    return found.records.first().value(0).toLongLong() > 0;
}

bool JetImporter::importDocuments(const JetTable& documents, bool emptyBefore, JetImportSummary& summary,
                                  QString* error)
{
    const QList<int> indexes = sourceIndexes(documents, documentColumns(), &summary.missingColumns);
    const int numberColumn = documents.columnIndex(QStringLiteral("Docnumber"));
    const int idColumn = documents.columnIndex(QStringLiteral("ID"));
    const QList<QVariantList> rows = rowsInIdOrder(documents);

    // Decided before the first insert, which would otherwise make every document look stored.
    QList<QVariant> numbers;
    QList<bool> skip;
    for (const QVariantList& row : rows) {
        if (numbers.contains(row[numberColumn]))
            continue;
        const std::optional<bool> stored = isStored(row[numberColumn], error);
        if (!stored)
            return false;
        numbers.append(row[numberColumn]);
        skip.append(*stored);
        if (*stored)
            summary.skipped.append(row[numberColumn].toString());
        else
            ++summary.documents;
    }
    for (const QVariantList& row : rows) {
        if (skip[numbers.indexOf(row[numberColumn])])
            continue;
        // Into an empty table the old IDs carry over; otherwise new ones follow, in the same order.
        const QVariant id = emptyBefore && idColumn >= 0 ? row[idColumn] : QVariant();
        const SqlResult inserted = m_database.execute(
            insertStatement(QStringLiteral("tbldoc"), documentColumns(), indexes, row, id));
        if (!inserted.ok) {
            if (error)
                *error = inserted.error;
            return false;
        }
        ++summary.rows;
    }
    return true;
}

bool JetImporter::importCompany(const JetTable& companies, bool emptyBefore, JetImportSummary& summary,
                                QString* error)
{
    const auto defaultRow =
        std::find_if(companies.rows.cbegin(), companies.rows.cend(),
                     [&](const QVariantList& row) { return isDefaultRow(companies, row); });
    if (defaultRow == companies.rows.cend()) {
        summary.company = JetImportSummary::Company::KeptNoDefaultRow;
        return true;
    }
    if (!emptyBefore) {
        summary.company = JetImportSummary::Company::KeptHasDocuments;
        return true;
    }
    QStringList statements{QStringLiteral("DELETE FROM tblcompany")};
    const QList<int> indexes = sourceIndexes(companies, companyColumns(), nullptr);
    const int idColumn = companies.columnIndex(QStringLiteral("ID"));
    for (const QVariantList& row : rowsInIdOrder(companies)) {
        const QVariant id = idColumn >= 0 ? row[idColumn] : QVariant();
        statements.append(insertStatement(QStringLiteral("tblcompany"), companyColumns(), indexes, row, id));
    }
    for (const QString& statement : statements) {
        const SqlResult result = m_database.execute(statement);
        if (!result.ok) {
            if (error)
                *error = result.error;
            return false;
        }
    }
    const int nameColumn = companies.columnIndex(QStringLiteral("CompanyName"));
    summary.company = JetImportSummary::Company::Imported;
    summary.companyName = nameColumn >= 0 ? (*defaultRow)[nameColumn].toString() : QString();
    return true;
}

QStringList JetImporter::describe(const JetImportSummary& summary)
{
    QStringList lines{tr("Documents imported: %1 (%2 rows)").arg(summary.documents).arg(summary.rows)};
    if (!summary.skipped.isEmpty())
        lines.append(
            tr("Documents already stored, left out: %1").arg(summary.skipped.join(QStringLiteral(", "))));
    switch (summary.company) {
    case JetImportSummary::Company::Imported:
        lines.append(tr("Company profile: imported (%1)").arg(summary.companyName));
        break;
    case JetImportSummary::Company::KeptHasDocuments:
        lines.append(tr("Company profile: kept, the database already holds documents"));
        break;
    case JetImportSummary::Company::KeptNoDefaultRow:
        lines.append(tr("Company profile: kept, the file has no default company row"));
        break;
    }
    if (!summary.missingColumns.isEmpty())
        lines.append(tr("Columns missing in the file, left empty: %1")
                         .arg(summary.missingColumns.join(QStringLiteral(", "))));
    return lines;
}
