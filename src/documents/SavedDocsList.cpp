#include "documents/SavedDocsList.h"

#include "core/ShortDateFormat.h"
#include "documents/DocStatements.h"
#include "editor/NumberText.h"
#include "store/Database.h"
#include "store/SqlText.h"

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

QString SavedDocsList::groupKey(const RowValues& row, int order)
{
    // A null key differs from every text, the empty one included.
    auto key = [](const QVariant& value) {
        return value.isNull() ? QStringLiteral("\x01null") : value.toString();
    };
    switch (order) {
    case ByDocType:
        return key(row.docType).toLower();
    case ByCustomer:
        return key(row.companyName);
    case ByAddress:
        return key(row.address);
    default:
        return key(row.docDate);
    }
}

SavedDocsListing SavedDocsList::LoadDocs(Database& database, int order, const QLocale& locale,
                                         const QString& dateFormat)
{
    SavedDocsListing listing;
    qsizetype count = 0;
    SqlResult done = database.forEachRow(DocStatements::distinctNumbers(), [&count](const QSqlQuery&) {
        ++count;
        return true;
    });
    listing.countLabel = tr("%1 files").arg(done.ok ? count : 0);

    // Numbers are listed once, compared without regard to case. The rows of one document mostly
    // follow each other, so a repeat of the previous number skips the lookup.
    QSet<QString> listed;
    QString previousKey;
    QString previousNumber;
    QList<int> columns;
    bool first = true;
    auto visit = [&](const QSqlQuery& query) {
        if (columns.isEmpty()) {
            const QSqlRecord names = query.record();
            for (const char* name : {"DOCnumber", "DocType", "Total", "Paid", "DOCdate", "CompanyName", "Address"})
                columns.append(names.indexOf(QLatin1String(name)));
        }
        auto value = [&](int i) { return columns[i] < 0 ? QVariant() : query.value(columns[i]); };
        RowValues row;
        row.number = value(0);
        const QString number = row.number.toString();
        switch (order) {
        case ByDocType: row.docType = value(1); break;
        case ByCustomer: row.companyName = value(5); break;
        case ByAddress: row.address = value(6); break;
        default: row.docDate = value(4); break;
        }
        const QString key = groupKey(row, order);
        if (!first && key != previousKey)
            listing.entries.append(separatorLine());
        if (first || number != previousNumber) {
            const QString folded = number.toLower();
            if (!listed.contains(folded)) {
                listed.insert(folded);
                const RowValues shown{row.number, value(1), value(2), value(3), value(4), value(5), value(6)};
                listing.entries.append(entryText(shown, locale, dateFormat));
            }
        }
        previousKey = key;
        previousNumber = number;
        first = false;
        return true;
    };
    if (done.ok)
        done = database.forEachRow(DocStatements::selectListOrdered(sortClause(order)), visit);
    if (!done.ok) {
        listing.ok = false;
        listing.error = done.error;
        listing.entries.clear();
    }
    return listing;
}
