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

namespace {

// One entry's text, its fields padded or cut to their widths, built in one piece.
QString composeEntry(const SavedDocsList::RowValues& row, const QString& balance, const QString& date,
                     const QString& address)
{
    const QString number = row.number.toString();
    const QString type = row.docType.toString();
    const QString name = row.companyName.toString();
    QString text;
    text.reserve(std::max<qsizetype>(number.size(), SavedDocsList::NumberWidth) + 65 + date.size() + address.size());
    auto field = [&text](const QString& value, qsizetype width, bool cut) {
        text += cut ? value.left(width) : value;
        for (qsizetype i = value.size(); i < width; ++i)
            text += QLatin1Char(' ');
    };
    field(number, SavedDocsList::NumberWidth, false);
    text += QLatin1String("  ");
    field(type, 15, true);
    text += QLatin1String("  ");
    field(balance, 10, true);
    text += QLatin1String("  ");
    text += date;
    text += QLatin1String("  ");
    field(name, 20, true);
    text += QLatin1Char(' ');
    text += address;
    return text;
}

QString balanceText(const SavedDocsList::RowValues& row, const QLocale& locale)
{
    auto stored = [](const QVariant& value) { return Money::fromDouble(value.toDouble()).value_or(Money()); };
    return NumberText::write(Money::subtract(stored(row.total), stored(row.paid)).value_or(Money()), locale);
}

} // namespace

QString SavedDocsList::dateText(const QVariant& docDate, const QLocale& locale, const QString& dateFormat)
{
    const QDate date = SqlText::ReadDate(docDate, locale);
    return date.isValid() ? ShortDateFormat::pageText(date, locale, dateFormat) : QString();
}

QString SavedDocsList::entryText(const RowValues& row, const QLocale& locale, const QString& dateFormat)
{
    return composeEntry(row, balanceText(row, locale), dateText(row.docDate, locale, dateFormat),
                        firstAddressLine(row.address.toString()));
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

SavedDocsEntry SavedDocsList::entryOf(const QSqlQuery& row, const QLocale& locale, const QString& dateFormat,
                                      QHash<QString, QString>* dateTexts)
{
    const RowValues shown{row.value(0), row.value(1), row.value(2), row.value(3),
                          row.value(4), row.value(5), row.value(6)};
    QString date;
    if (dateTexts) {
        const QString stored = shown.docDate.isNull() ? QString() : shown.docDate.toString();
        auto known = dateTexts->constFind(stored);
        if (known == dateTexts->constEnd())
            known = dateTexts->insert(stored, dateText(shown.docDate, locale, dateFormat));
        date = known.value();
    } else {
        date = dateText(shown.docDate, locale, dateFormat);
    }
    const QString text = composeEntry(shown, balanceText(shown, locale), date, firstAddressLine(shown.address.toString()));
    return {row.value(7).toLongLong(), shown.number.toString().toLower(), text};
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
