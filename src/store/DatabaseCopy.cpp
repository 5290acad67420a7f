#include "store/DatabaseCopy.h"

#include "store/Database.h"
#include "store/SqlText.h"

#include <QDate>
#include <algorithm>
#include <QSqlQuery>

qint64 DatabaseCopy::documentRows(Database& database)
{
    const SqlResult count = database.query(QStringLiteral("SELECT COUNT(*) FROM tbldoc"));
    if (!count.ok || count.records.isEmpty())
        return -1;
    return count.records.first().value(0).toLongLong();
}

QString DatabaseCopy::literal(const QVariant& value)
{
    if (value.isNull())
        return QStringLiteral("NULL");
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return QString::number(value.toLongLong());
    case QMetaType::Double:
        return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    case QMetaType::QDate:
        // Dates travel as the ISO text the local file keeps them in; the server reads it as a date.
        return QLatin1Char('\'') + value.toDate().toString(Qt::ISODate) + QLatin1Char('\'');
    default:
        return QLatin1Char('\'') + SqlText::EscapeQuotes(value.toString()) + QLatin1Char('\'');
    }
}

bool DatabaseCopy::copyTable(Database& from, Database& to, const QString& table, const QString& order, qint64& rows,
                             QString& error)
{
    // Row numbers are the target's own; the order of the rows is kept.
    QStringList columns;
    const QStringList targetColumns = to.columnNames(table);
    for (const QString& name : from.columnNames(table)) {
        if (name.compare(QLatin1String("ID"), Qt::CaseInsensitive) == 0)
            continue;
        const bool known = std::any_of(targetColumns.begin(), targetColumns.end(), [&](const QString& target) {
            return target.compare(name, Qt::CaseInsensitive) == 0;
        });
        if (known)
            columns << name;
    }
    if (columns.isEmpty()) {
        error = tr("The table %1 has no columns to copy.").arg(table);
        return false;
    }
    const QString head = QStringLiteral("INSERT INTO %1 (%2) VALUES (").arg(table, columns.join(QStringLiteral(", ")));
    QString failure;
    const SqlResult read = from.forEachRow(
        QStringLiteral("SELECT %1 FROM %2 ORDER BY %3").arg(columns.join(QStringLiteral(", ")), table, order),
        [&](const QSqlQuery& row) {
            QStringList values;
            for (int i = 0; i < columns.size(); ++i)
                values << literal(row.value(i));
            const SqlResult done = to.execute(head + values.join(QStringLiteral(", ")) + QLatin1Char(')'));
            if (!done.ok) {
                failure = done.error;
                return false;
            }
            ++rows;
            return true;
        });
    error = !read.ok ? read.error : failure;
    return error.isEmpty();
}

DatabaseCopy::Result DatabaseCopy::run(Database& from, Database& to)
{
    Result result;
    if (!to.beginTransaction()) {
        result.error = tr("The target database cannot start a transaction.");
        return result;
    }
    qint64 companyRows = 0;
    qint64 seriesRows = 0;
    // Number series go along with their counters, so the next number on the target follows on.
    const bool ok = to.execute(QStringLiteral("DELETE FROM tbldoc")).ok
                    && to.execute(QStringLiteral("DELETE FROM tblcompany")).ok
                    && to.execute(QStringLiteral("DELETE FROM tblseries")).ok
                    && copyTable(from, to, QStringLiteral("tbldoc"), QStringLiteral("ID"), result.documentRows, result.error)
                    && copyTable(from, to, QStringLiteral("tblcompany"), QStringLiteral("ID"), companyRows, result.error)
                    && copyTable(from, to, QStringLiteral("tblseries"), QStringLiteral("DocType"), seriesRows, result.error);
    if (!ok || !to.commit()) {
        to.rollback();
        if (result.error.isEmpty())
            result.error = tr("The target database refused the copy.");
        return result;
    }
    result.ok = true;
    return result;
}
