#include "documents/SavedDocsList.h"

#include "core/ShortDateFormat.h"
#include "documents/DocStatements.h"
#include "documents/SavedDocsReader.h"
#include "core/NumberText.h"
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

bool SavedDocsList::descending(int order)
{
    return order == ByDate || order < 0 || order >= OrderCount;
}

// The key whose change puts a separator between two rows; a null key differs from every text,
// the empty one included.
QString SavedDocsList::keyOfValue(const QVariant& value, int order)
{
    if (value.isNull())
        return QStringLiteral("\x01null");
    return order == ByDocType ? value.toString().toLower() : value.toString();
}

// Which sort class a value belongs to: text columns sort without regard to ASCII case.
QString SavedDocsList::classOf(const QVariant& value, int order)
{
    if (value.isNull())
        return QStringLiteral("\x01null");
    QString text = value.toString();
    if (order == ByDate)
        return text;
    for (QChar& c : text) {
        if (c.unicode() >= 'A' && c.unicode() <= 'Z')
            c = QChar(c.unicode() + 32);
    }
    return text;
}

SavedDocsEntry SavedDocsList::entryOf(const QSqlQuery& row, const QLocale& locale, const QString& dateFormat)
{
    const RowValues shown{row.value(0), row.value(1), row.value(2), row.value(3),
                          row.value(4), row.value(5), row.value(6)};
    return {row.value(7).toLongLong(), row.value(0).toString().toLower(), entryText(shown, locale, dateFormat)};
}

void SavedDocsList::flatten(SavedDocsListing& listing)
{
    listing.countLabel = tr("%1 files").arg(listing.count);
    listing.entries.clear();
    const QString separator = separatorLine();
    const QString* previousKey = nullptr;
    for (const SavedDocsKeyClass& keyClass : std::as_const(listing.classes)) {
        for (qsizetype run = 0; run < keyClass.runKeys.size(); ++run) {
            if (previousKey && *previousKey != keyClass.runKeys.at(run))
                listing.entries.append(separator);
            for (const SavedDocsEntry& entry : keyClass.runs.at(run))
                listing.entries.append(entry.text);
            previousKey = &keyClass.runKeys.at(run);
        }
    }
}

SavedDocsListing SavedDocsList::LoadDocs(Database& database, int order, const QLocale& locale,
                                         const QString& dateFormat)
{
    // The pieces must see one state of the table: rows changing between them would leave numbers
    // out. Inside a caller's transaction the state is already fixed.
    const bool ownTransaction = database.beginTransaction();
    SavedDocsReader reader(database, order, locale, dateFormat);
    while (!reader.step()) {
    }
    if (ownTransaction)
        database.commit();
    return reader.takeListing();
}
