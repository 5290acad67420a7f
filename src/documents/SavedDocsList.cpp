#include "documents/SavedDocsList.h"

#include "core/NumberText.h"
#include "core/ShortDateFormat.h"
#include "documents/DocStatements.h"
#include "documents/SavedDocsReader.h"
#include "store/Database.h"
#include "store/SqlText.h"

#include <QHash>
#include <QSet>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVarLengthArray>

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

namespace {

QStringView trimBlanks(QStringView text)
{
    while (!text.isEmpty() && text.front() == QLatin1Char(' '))
        text = text.mid(1);
    while (!text.isEmpty() && text.back() == QLatin1Char(' '))
        text.chop(1);
    return text;
}

QStringView firstAddressLineOf(QStringView address)
{
    QStringView first = trimBlanks(address);
    const qsizetype lineBreak = first.indexOf(QLatin1Char('\n'));
    if (lineBreak < 0)
        return first;
    first = first.left(lineBreak);
    if (first.endsWith(QLatin1Char('\r')))
        first.chop(1);
    return trimBlanks(first);
}

// One entry's text, its fields padded or cut to their widths, written straight into `text` resized
// to the exact size (a long list makes a hundred thousand of them).
void composeInto(QString& text, QStringView number, QStringView type, QStringView balance, QStringView date,
                 QStringView name, QStringView address)
{
    const qsizetype size = std::max<qsizetype>(number.size(), SavedDocsList::NumberWidth) + 2 + 15 + 2 + 10 +
                           2 + date.size() + 2 + 20 + 1 + address.size();
    text.resize(size);
    QChar* out = text.data();
    auto put = [&out](QStringView value) {
        std::copy(value.begin(), value.end(), out);
        out += value.size();
    };
    auto field = [&](QStringView value, qsizetype width, bool cut) {
        if (cut && value.size() > width)
            value = value.left(width);
        put(value);
        for (qsizetype i = value.size(); i < width; ++i)
            *out++ = QLatin1Char(' ');
    };
    field(number, SavedDocsList::NumberWidth, false);
    put(u"  ");
    field(type, 15, true);
    put(u"  ");
    field(balance, 10, true);
    put(u"  ");
    put(date);
    put(u"  ");
    field(name, 20, true);
    put(u" ");
    put(address);
}

QString composeEntry(QStringView number, QStringView type, QStringView balance, QStringView date,
                     QStringView name, QStringView address)
{
    QString text;
    composeInto(text, number, type, balance, date, name, address);
    return text;
}

Money balanceOf(double total, double paid)
{
    auto stored = [](double value) { return Money::fromDouble(value).value_or(Money()); };
    return Money::subtract(stored(total), stored(paid)).value_or(Money());
}

Money balanceOf(const QVariant& total, const QVariant& paid)
{
    return balanceOf(total.toDouble(), paid.toDouble());
}

// As NumberText::write with two decimals, written into `buffer`; the whole part's text (grouping,
// the region's digits) is kept for the next balance with the same whole part.
void writeBalance(Money balance, const QLocale& locale, SavedDocsTextCache& cache,
                  QVarLengthArray<QChar, 32>& buffer)
{
    const qint64 rounded = balance.roundedTo(2);
    const quint64 magnitude = rounded < 0 ? quint64(0) - quint64(rounded) : quint64(rounded);
    auto whole = cache.wholes.constFind(magnitude / 100);
    if (whole == cache.wholes.constEnd())
        whole = cache.wholes.insert(magnitude / 100,
                                    locale.toString(qulonglong(magnitude / 100)) + locale.decimalPoint());
    if (rounded < 0 && cache.negativeSign.isNull())
        cache.negativeSign = locale.negativeSign();
    const int cents = int(magnitude % 100);
    buffer.clear();
    if (rounded < 0)
        buffer.append(cache.negativeSign.constData(), cache.negativeSign.size());
    buffer.append(whole.value().constData(), whole.value().size());
    buffer.append(QLatin1Char(char('0' + cents / 10)));
    buffer.append(QLatin1Char(char('0' + cents % 10)));
}

// The number as toLower() gives it, without a copy when it has no capital and without the full
// case tables when it is plain ASCII.
QString foldedNumber(const QString& number)
{
    qsizetype i = 0;
    for (; i < number.size(); ++i) {
        const char16_t c = number[i].unicode();
        if (c > 0x7f)
            return number.toLower();
        if (c >= u'A' && c <= u'Z')
            break;
    }
    if (i == number.size())
        return number;
    QString folded = number;
    QChar* out = folded.data();
    for (; i < folded.size(); ++i) {
        const char16_t c = out[i].unicode();
        if (c > 0x7f)
            return number.toLower();
        if (c >= u'A' && c <= u'Z')
            out[i] = QChar(char16_t(c + 32));
    }
    return folded;
}

} // namespace

QString SavedDocsList::firstAddressLine(const QString& address)
{
    return firstAddressLineOf(address).toString();
}

QString SavedDocsList::dateText(const QVariant& docDate, const QLocale& locale, const QString& dateFormat)
{
    const QDate date = SqlText::ReadDate(docDate, locale);
    return date.isValid() ? ShortDateFormat::pageText(date, locale, dateFormat) : QString();
}

QString SavedDocsList::entryText(const RowValues& row, const QLocale& locale, const QString& dateFormat)
{
    return composeEntry(row.number.toString(), row.docType.toString(),
                        NumberText::write(balanceOf(row.total, row.paid), locale),
                        dateText(row.docDate, locale, dateFormat), row.companyName.toString(),
                        firstAddressLineOf(row.address.toString()));
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

SavedDocsList::RowValues SavedDocsList::rowValuesOf(const QSqlQuery& row)
{
    return {row.value(0), row.value(1), row.value(2), row.value(3), row.value(4), row.value(5), row.value(6)};
}

SavedDocsEntry SavedDocsList::entryOf(const QSqlQuery& row, const QLocale& locale, const QString& dateFormat,
                                      SavedDocsTextCache* cache)
{
    const RowValues shown = rowValuesOf(row);
    const qint64 rowId = row.value(7).toLongLong();
    if (cache)
        return entryOf(shown, rowId, locale, dateFormat, *cache);
    return {rowId, shown.number.toString().toLower(), entryText(shown, locale, dateFormat)};
}

SavedDocsEntry SavedDocsList::entryOf(const RowValues& shown, qint64 rowId, const QLocale& locale,
                                      const QString& dateFormat, SavedDocsTextCache& cache)
{
    const QString stored = shown.docDate.isNull() ? QString() : shown.docDate.toString();
    auto date = cache.dates.constFind(stored);
    if (date == cache.dates.constEnd())
        date = cache.dates.insert(stored, dateText(shown.docDate, locale, dateFormat));
    QVarLengthArray<QChar, 32> balance;
    writeBalance(balanceOf(shown.total, shown.paid), locale, cache, balance);
    const QString number = shown.number.toString();
    const QString address = shown.address.toString();
    const QStringView balanceView(balance.constData(), balance.size());
    return {rowId, foldedNumber(number),
            composeEntry(number, shown.docType.toString(), balanceView, date.value(),
                         shown.companyName.toString(), firstAddressLineOf(address))};
}

void SavedDocsList::writeEntry(QString& line, const RowTexts& row, const QLocale& locale, SavedDocsTextCache& cache)
{
    QVarLengthArray<QChar, 32> balance;
    writeBalance(balanceOf(row.total, row.paid), locale, cache, balance);
    composeInto(line, row.number, row.docType, QStringView(balance.constData(), balance.size()), row.date,
                row.companyName, firstAddressLineOf(row.address));
}

void SavedDocsList::flatten(SavedDocsListing& listing)
{
    listing.countLabel = tr("%1 files").arg(listing.count);
    listing.entries.clear();
    qsizetype size = 0;
    for (const SavedDocsKeyClass& keyClass : std::as_const(listing.classes)) {
        size += keyClass.runs.size();
        for (const QList<SavedDocsEntry>& run : keyClass.runs)
            size += run.size();
    }
    listing.entries.reserve(size);
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
    SavedDocsReader reader(database, order, locale, dateFormat, SavedDocsReader::Pieces::Whole);
    while (!reader.step()) {
    }
    if (ownTransaction)
        database.commit();
    return reader.takeListing();
}
