#include "documents/SavedDocsList.h"

#include "documents/DocStatements.h"
#include "documents/NumberText.h"
#include "store/Database.h"
#include "store/SqlText.h"

#include <QSet>
#include <QSqlRecord>

namespace {

QString fit(const QString& text, int width)
{
    return text.leftJustified(width, QLatin1Char(' '), true);
}

QString text(const QSqlRecord& record, const char* column)
{
    return record.value(QLatin1String(column)).toString();
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
    return NumberText::trimBlanks(listText.left(NumberWidth));
}

QString SavedDocsList::firstAddressLine(const QString& address)
{
    const QString trimmed = NumberText::trimBlanks(address);
    const qsizetype lineBreak = trimmed.indexOf(QLatin1Char('\n'));
    if (lineBreak < 0)
        return trimmed;
    QString first = trimmed.left(lineBreak);
    if (first.endsWith(QLatin1Char('\r')))
        first.chop(1);
    return NumberText::trimBlanks(first);
}

QString SavedDocsList::entryText(const QSqlRecord& record, const QLocale& locale)
{
    const qint64 balance = NumberText::storedFixed(record.value(QStringLiteral("Total")))
                           - NumberText::storedFixed(record.value(QStringLiteral("Paid")));
    const QDate date = SqlText::ReadDate(record.value(QStringLiteral("DOCdate")), locale);
    const QString dateText = date.isValid() ? locale.toString(date, QLocale::ShortFormat) : QString();
    return text(record, "DOCnumber").leftJustified(NumberWidth) + QStringLiteral("  ")
           + fit(text(record, "DocType"), 15) + QStringLiteral("  ") + fit(NumberText::money(balance, locale), 10)
           + QStringLiteral("  ") + dateText + QStringLiteral("  ") + fit(text(record, "CompanyName"), 20)
           + QLatin1Char(' ') + firstAddressLine(text(record, "Address"));
}

QString SavedDocsList::groupKey(const QSqlRecord& record, int order)
{
    // A null key differs from every text, the empty one included.
    auto key = [&record](const char* column) {
        const QVariant value = record.value(QLatin1String(column));
        return value.isNull() ? QStringLiteral("\x01null") : value.toString();
    };
    switch (order) {
    case ByDocType:
        return key("DocType").toLower();
    case ByCustomer:
        return key("CompanyName");
    case ByAddress:
        return key("Address");
    default:
        return key("DocDate");
    }
}

SavedDocsListing SavedDocsList::LoadDocs(Database& database, int order, const QLocale& locale)
{
    SavedDocsListing listing;
    const SqlResult numbers = database.query(DocStatements::distinctNumbers());
    const SqlResult rows = numbers.ok ? database.query(DocStatements::selectAllOrdered(sortClause(order)))
                                      : numbers;
    if (!rows.ok) {
        listing.ok = false;
        listing.error = rows.error;
        listing.countLabel = tr("%1 files").arg(0);
        return listing;
    }
    listing.countLabel = tr("%1 files").arg(numbers.records.size());

    // Numbers are listed once, compared without regard to case.
    QSet<QString> listed;
    QString previousKey;
    for (qsizetype i = 0; i < rows.records.size(); ++i) {
        const QSqlRecord& record = rows.records.at(i);
        const QString key = groupKey(record, order);
        if (i > 0 && key != previousKey)
            listing.entries.append(separatorLine());
        const QString number = text(record, "DOCnumber").toLower();
        if (!listed.contains(number)) {
            listed.insert(number);
            listing.entries.append(entryText(record, locale));
        }
        previousKey = key;
    }
    return listing;
}
