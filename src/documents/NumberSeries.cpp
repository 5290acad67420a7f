#include "documents/NumberSeries.h"

#include "documents/DocStatements.h"
#include "documents/NumberPattern.h"
#include "store/Database.h"
#include "store/SqlText.h"

#include <QSqlRecord>

namespace {

// Numbers stored by hand in the way of the counter are stepped over, a bounded number of them.
constexpr int MaxSkipped = 1000;

QString quoted(const QString& value)
{
    return QLatin1Char('\'') + SqlText::EscapeQuotes(value) + QLatin1Char('\'');
}

} // namespace

QList<SeriesDefinition> NumberSeries::all(QString* error)
{
    QList<SeriesDefinition> list;
    const SqlResult result = m_database.query(
        QStringLiteral("SELECT DocType, Pattern, YearlyRestart, Counter, CounterYear FROM tblseries ORDER BY DocType"));
    if (!result.ok) {
        if (error)
            *error = result.error;
        return list;
    }
    for (const QSqlRecord& record : result.records) {
        SeriesDefinition series;
        series.docType = record.value(0).toString();
        series.pattern = record.value(1).toString();
        series.yearlyRestart = record.value(2).toString() == QLatin1String("Yes");
        series.counter = record.value(3).toLongLong();
        series.counterYear = record.value(4).toInt();
        list.append(series);
    }
    return list;
}

std::optional<SeriesDefinition> NumberSeries::find(const QString& docType, QString* error)
{
    const QString wanted = docType.trimmed();
    if (wanted.isEmpty())
        return std::nullopt;
    const QList<SeriesDefinition> list = all(error);
    for (const SeriesDefinition& series : list) {
        if (series.docType.compare(wanted, Qt::CaseInsensitive) == 0 && !series.pattern.isEmpty())
            return series;
    }
    return std::nullopt;
}

bool NumberSeries::saveAll(const QList<SeriesDefinition>& series, QString* error)
{
    const QList<SeriesDefinition> before = all(error);
    QStringList statements{QStringLiteral("DELETE FROM tblseries")};
    for (const SeriesDefinition& wanted : series) {
        if (wanted.docType.trimmed().isEmpty() || wanted.pattern.trimmed().isEmpty())
            continue;
        QString problem;
        if (!NumberPattern::isValid(wanted.pattern.trimmed(), &problem)) {
            if (error)
                *error = wanted.docType.trimmed() + QStringLiteral(": ") + problem;
            return false;
        }
        SeriesDefinition kept = wanted;
        kept.counter = 0;
        kept.counterYear = 0;
        for (const SeriesDefinition& old : before) {
            if (old.docType.compare(wanted.docType.trimmed(), Qt::CaseInsensitive) == 0) {
                kept.counter = old.counter;
                kept.counterYear = old.counterYear;
            }
        }
        statements << QStringLiteral("INSERT INTO tblseries (DocType, Pattern, YearlyRestart, Counter, CounterYear) "
                                     "VALUES (%1, %2, %3, %4, %5)")
                          .arg(quoted(kept.docType.trimmed()), quoted(kept.pattern.trimmed()),
                               quoted(kept.yearlyRestart ? QStringLiteral("Yes") : QStringLiteral("No")))
                          .arg(kept.counter)
                          .arg(kept.counterYear);
    }
    if (!m_database.beginTransaction()) {
        if (error)
            *error = tr("The database cannot start a transaction.");
        return false;
    }
    for (const QString& sql : std::as_const(statements)) {
        const SqlResult done = m_database.execute(sql);
        if (!done.ok) {
            m_database.rollback();
            if (error)
                *error = done.error;
            return false;
        }
    }
    if (!m_database.commit()) {
        m_database.rollback();
        if (error)
            *error = tr("The database refused to store the number series.");
        return false;
    }
    return true;
}

qint64 NumberSeries::nextCounter(const SeriesDefinition& series, const QDate& date)
{
    if (series.yearlyRestart && date.year() != series.counterYear)
        return date.year() > series.counterYear ? 1 : series.counter + 1;
    return series.counter + 1;
}

bool NumberSeries::isStored(const QString& number)
{
    const SqlResult found = m_database.query(DocStatements::countRows(number));
    return found.ok && !found.records.isEmpty() && found.records.first().value(0).toLongLong() > 0;
}

std::optional<NumberSeries::Offer> NumberSeries::offer(const SeriesDefinition& series, const QDate& date)
{
    qint64 counter = nextCounter(series, date);
    for (int skipped = 0; skipped < MaxSkipped; ++skipped, ++counter) {
        const QString number = NumberPattern::format(series.pattern, date, counter);
        if (!isStored(number))
            return Offer{number, counter};
    }
    return std::nullopt;
}

QString NumberSeries::nextNumber(const QString& docType, const QDate& date)
{
    const std::optional<SeriesDefinition> series = find(docType);
    if (!series)
        return QString();
    const std::optional<Offer> next = offer(*series, date);
    return next ? next->number : QString();
}

QString NumberSeries::advanceStatement(const QString& docType, const QString& number, const QDate& date,
                                       QString* error)
{
    const std::optional<SeriesDefinition> found = find(docType);
    if (!found)
        return QString();
    // Touching the row locks it until the transaction ends: a desk saving at the same moment waits
    // here and then reads the counter this save left, so no increment is lost or moved back.
    const SqlResult locked = m_database.execute(
        QStringLiteral("UPDATE tblseries SET Counter = Counter WHERE DocType = %1").arg(quoted(found->docType)));
    if (!locked.ok) {
        if (error)
            *error = locked.error;
        return QString();
    }
    const std::optional<SeriesDefinition> series = find(docType, error);
    if (!series)
        return QString();
    const std::optional<Offer> next = offer(*series, date);
    if (!next || next->number != number)
        return QString();
    // A back-dated document of an earlier year takes the next counter without moving the series'
    // year back.
    const int year = series->yearlyRestart ? qMax(date.year(), series->counterYear) : date.year();
    return QStringLiteral("UPDATE tblseries SET Counter = %1, CounterYear = %2 WHERE DocType = %3")
        .arg(next->counter)
        .arg(year)
        .arg(quoted(series->docType));
}
