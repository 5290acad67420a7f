#include "documents/SavedDocsList.h"

#include "core/ShortDateFormat.h"
#include "documents/DocStatements.h"
#include "editor/NumberText.h"
#include "store/Database.h"
#include "store/SqlText.h"

#include <QHash>
#include <QSet>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

QString fit(const QString& text, int width)
{
    return text.leftJustified(width, QLatin1Char(' '), true);
}

} // namespace

QString SavedDocsList::caption(int order)
{
    static const char* const captions[] = {QT_TR_NOOP("Date"), QT_TR_NOOP("Doc"), QT_TR_NOOP("Cus"), QT_TR_NOOP("Addr")};
    return order >= 0 && order < OrderCount ? tr(captions[order]) : QString();
}

QString SavedDocsList::tooltip(int order)
{
    static const char* const tips[] = {QT_TR_NOOP("Document date descending"), QT_TR_NOOP("Document type ascending"),
                                       QT_TR_NOOP("Customer name ascending"), QT_TR_NOOP("Address ascending")};
    return order >= 0 && order < OrderCount ? tr(tips[order]) : QString();
}

QString SavedDocsList::sortClause(int order)
{
    switch (order) {
    case ByDocType:
        return QStringLiteral(" DocType ASC ");
    case ByCustomer:
        return QStringLiteral(" CompanyName ASC ");
    case ByAddress:
        return QStringLiteral(" Address ASC ");
    default:
        return QStringLiteral(" DocDate DESC ");
    }
}

int SavedDocsList::orderFromName(const QString& name)
{
    const QStringList names{QStringLiteral("date"), QStringLiteral("doc"), QStringLiteral("cus"),
                            QStringLiteral("addr")};
    return int(names.indexOf(name));
}

QString SavedDocsList::separatorLine()
{
    return QString(270, QLatin1Char('-'));
}

QString SavedDocsList::numberOf(const QString& listText)
{
    return SqlText::TrimBlanks(listText.left(NumberWidth));
}

QString SavedDocsList::firstAddressLine(const QString& address)
{
    const QString trimmed = SqlText::TrimBlanks(address);
    const qsizetype lineBreak = trimmed.indexOf(QLatin1Char('\n'));
    if (lineBreak < 0)
        return trimmed;
    QString first = trimmed.left(lineBreak);
    if (first.endsWith(QLatin1Char('\r')))
        first.chop(1);
    return SqlText::TrimBlanks(first);
}

QString SavedDocsList::entryText(const RowValues& row, const QLocale& locale, const QString& dateFormat)
{
    auto stored = [](const QVariant& value) { return Money::fromDouble(value.toDouble()).value_or(Money()); };
    const Money balance = Money::subtract(stored(row.total), stored(row.paid)).value_or(Money());
    const QDate date = SqlText::ReadDate(row.docDate, locale);
    const QString dateText = date.isValid() ? ShortDateFormat::pageText(date, locale, dateFormat) : QString();
    return row.number.toString().leftJustified(NumberWidth) + QStringLiteral("  ") + fit(row.docType.toString(), 15)
           + QStringLiteral("  ") + fit(NumberText::write(balance, locale), 10) + QStringLiteral("  ") + dateText
           + QStringLiteral("  ") + fit(row.companyName.toString(), 20) + QLatin1Char(' ')
           + firstAddressLine(row.address.toString());
}

QString SavedDocsList::keyColumn(int order)
{
    static const char* const columns[] = {"DocDate", "DocType", "CompanyName", "Address"};
    return QLatin1String(columns[order >= 0 && order < OrderCount ? order : int(ByDate)]);
}

namespace {

// The key whose change puts a separator between two rows; a null key differs from every text,
// the empty one included.
QString keyOfValue(const QVariant& value, int order)
{
    if (value.isNull())
        return QStringLiteral("\x01null");
    return order == SavedDocsList::ByDocType ? value.toString().toLower() : value.toString();
}

// Which sort class a value belongs to: text columns sort without regard to ASCII case.
QString classOf(const QVariant& value, int order)
{
    if (value.isNull())
        return QStringLiteral("\x01null");
    QString text = value.toString();
    if (order == SavedDocsList::ByDate)
        return text;
    for (QChar& c : text) {
        if (c.unicode() >= 'A' && c.unicode() <= 'Z')
            c = QChar(c.unicode() + 32);
    }
    return text;
}

// The rows that compare equal in the sort, split where the group key changes.
struct KeyClass
{
    QString sortClass;
    QStringList runKeys;
    QHash<qint64, int> runOfRow; // only when the class has more than one run
    QList<QStringList> entries;  // per run
};

} // namespace

SavedDocsListing SavedDocsList::LoadDocs(Database& database, int order, const QLocale& locale,
                                         const QString& dateFormat)
{
    SavedDocsListing listing;
    const QString key = keyColumn(order);
    const bool descending = order == ByDate || order < 0 || order >= OrderCount;
    auto fail = [&listing](const SqlResult& result) {
        listing.ok = false;
        listing.error = result.error;
        listing.entries.clear();
        return listing;
    };
    const SqlResult counted = database.query(DocStatements::countNumbers());
    const qint64 count = counted.ok && !counted.records.isEmpty() ? counted.records.first().value(0).toLongLong() : 0;
    listing.countLabel = tr("%1 files").arg(count);
    if (!counted.ok)
        return fail(counted);

    // Every distinct key in the list's order; a class whose values differ in case is walked row by
    // row, since its separators depend on how those rows follow each other.
    QList<KeyClass> classes;
    QList<QVariant> mixed;
    SqlResult done = database.forEachRow(DocStatements::listKeyClasses(key, descending), [&](const QSqlQuery& row) {
        KeyClass keyClass;
        keyClass.sortClass = classOf(row.value(0), order);
        keyClass.runKeys << keyOfValue(row.value(0), order);
        classes.append(keyClass);
        mixed.append(row.value(1) != row.value(2) ? row.value(0) : QVariant());
        return true;
    });
    for (qsizetype i = 0; done.ok && i < classes.size(); ++i) {
        if (!mixed.at(i).isValid() || mixed.at(i).isNull())
            continue;
        KeyClass& keyClass = classes[i];
        keyClass.runKeys.clear();
        done = database.forEachRow(DocStatements::listClassRows(key, descending, mixed.at(i)), [&](const QSqlQuery& row) {
            const QString runKey = keyOfValue(row.value(1), order);
            if (keyClass.runKeys.isEmpty() || keyClass.runKeys.last() != runKey)
                keyClass.runKeys << runKey;
            keyClass.runOfRow.insert(row.value(0).toLongLong(), int(keyClass.runKeys.size() - 1));
            return true;
        });
    }
    for (KeyClass& keyClass : classes)
        keyClass.entries.resize(keyClass.runKeys.size());

    // One row per number, already in the list's order; numbers differing only in case (beyond what
    // the engine folds) are listed once.
    QSet<QString> listed;
    qsizetype current = 0;
    const int keyIndex = order == ByDocType ? 1 : order == ByCustomer ? 5 : order == ByAddress ? 6 : 4;
    if (done.ok)
        done = database.forEachRow(DocStatements::listFirstRows(key, descending), [&](const QSqlQuery& row) {
            const QString folded = row.value(0).toString().toLower();
            if (listed.contains(folded))
                return true;
            listed.insert(folded);
            const QString sortClass = classOf(row.value(keyIndex), order);
            while (current < classes.size() && classes.at(current).sortClass != sortClass)
                ++current;
            if (current == classes.size())
                return false; // rows changed under the reading; the caller reads again
            KeyClass& keyClass = classes[current];
            const int run = keyClass.runOfRow.value(row.value(7).toLongLong(), 0);
            const RowValues shown{row.value(0), row.value(1), row.value(2), row.value(3),
                                  row.value(4), row.value(5), row.value(6)};
            keyClass.entries[run].append(entryText(shown, locale, dateFormat));
            return true;
        });
    if (!done.ok)
        return fail(done);

    const QString separator = separatorLine();
    const QString* previousKey = nullptr;
    for (const KeyClass& keyClass : classes) {
        for (qsizetype run = 0; run < keyClass.runKeys.size(); ++run) {
            if (previousKey && *previousKey != keyClass.runKeys.at(run))
                listing.entries.append(separator);
            listing.entries.append(keyClass.entries.at(run));
            previousKey = &keyClass.runKeys.at(run);
        }
    }
    return listing;
}
