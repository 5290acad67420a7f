#include "documents/IssuedValues.h"

#include "editor/Document.h"
#include "editor/EmptyToZero.h"
#include "core/NumberText.h"
#include "store/CompanyRepository.h"
#include "store/SqlText.h"

#include <QSqlRecord>

namespace {

// A percent as a statement needs it: "." and no grouping, no trailing zeros.
QString bare(Money value)
{
    QString text = NumberText::write(value, QLocale::c(), 4);
    text.remove(QLatin1Char(','));
    while (text.contains(QLatin1Char('.')) && text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

// The stored percent as the Tax % box shows a typed one: regional decimal point, no trailing zeros.
QString percentText(const QVariant& stored, const QLocale& locale)
{
    const std::optional<Money> value = Money::fromDouble(stored.toDouble());
    QString text = NumberText::write(value.value_or(Money()), locale, 4);
    text.remove(locale.groupSeparator());
    const QString point = locale.decimalPoint();
    if (text.contains(point)) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(point))
            text.chop(point.size());
    }
    return text;
}

QString yesNo(bool on)
{
    return on ? QStringLiteral("Yes") : QStringLiteral("No");
}

void readFlag(const QSqlRecord& record, const QString& column, bool& box)
{
    const QVariant value = record.value(column);
    if (value.isNull())
        return;
    box = value.toString() == QLatin1String("Yes");
}

// The buyer's e-invoice fields; a document without a due date of its own stores none (NULL).
QString einvoiceAssignments(const EinvoiceDocumentFields& fields, const QLocale& locale)
{
    return QStringLiteral("', BuyerCountry = '") + SqlText::EscapeQuotes(fields.buyerCountry.trimmed())
           + QStringLiteral("', BuyerVatId = '") + SqlText::EscapeQuotes(fields.buyerVatId.trimmed())
           + QStringLiteral("', BuyerReference = '") + SqlText::EscapeQuotes(fields.buyerReference.trimmed())
           + (fields.dueDate.isValid() ? QStringLiteral("', DueDate = #") + SqlText::DateText(fields.dueDate, locale)
                                             + QLatin1Char('#')
                                       : QStringLiteral("', DueDate = NULL"));
}

} // namespace

QString IssuedValues::updateStatement(const Document& document, const QString& number, const QLocale& locale)
{
    Money percent;
    if (NumberText::readMoney(EmptyToZero(document.company.taxPercent.trimmed()), locale, percent) != NumberError::None)
        return QString();
    return QStringLiteral("UPDATE tbldoc SET TaxName = '") + SqlText::EscapeQuotes(document.company.taxName)
           + QStringLiteral("', TaxPercent = ") + bare(percent)
           + QStringLiteral(", CurrencySymbol = '") + SqlText::EscapeQuotes(document.company.currencySymbol)
           + QStringLiteral("', HideMoney = '") + yesNo(document.options.hideMoney)
           + QStringLiteral("', ShowBalance = '") + yesNo(document.options.showBalanceOnly)
           + einvoiceAssignments(document.einvoice, locale)
           + QStringLiteral(" WHERE DOCnumber='") + SqlText::EscapeQuotes(number) + QStringLiteral("' ");
}

bool IssuedValues::storedIn(const QSqlRecord& record)
{
    return record.contains(QStringLiteral("TaxPercent")) && !record.value(QStringLiteral("TaxPercent")).isNull();
}

void IssuedValues::read(const QSqlRecord& record, Document& document, Database& database, const QLocale& locale)
{
    CompanyProfile company = document.company;
    if (!storedIn(record))
        CompanyRepository(database).loadInto(company);
    read(record, document, company, locale);
}

void IssuedValues::read(const QSqlRecord& record, Document& document, const CompanyProfile& company,
                        const QLocale& locale)
{
    readEinvoice(record, document.einvoice, locale);
    if (!storedIn(record)) {
        document.company.taxName = company.taxName;
        document.company.taxPercent = company.taxPercent;
        document.company.currencySymbol = company.currencySymbol;
        return;
    }
    document.company.taxName = record.value(QStringLiteral("TaxName")).toString();
    document.company.taxPercent = percentText(record.value(QStringLiteral("TaxPercent")), locale);
    document.company.currencySymbol = record.value(QStringLiteral("CurrencySymbol")).toString();
    readFlag(record, QStringLiteral("HideMoney"), document.options.hideMoney);
    readFlag(record, QStringLiteral("ShowBalance"), document.options.showBalanceOnly);
}

void IssuedValues::readEinvoice(const QSqlRecord& record, EinvoiceDocumentFields& fields, const QLocale& locale)
{
    // Rows saved before these fields existed hold nulls: the defaults (company country, due days) apply.
    fields = EinvoiceDocumentFields();
    fields.buyerCountry = record.value(QStringLiteral("BuyerCountry")).toString();
    fields.buyerVatId = record.value(QStringLiteral("BuyerVatId")).toString();
    fields.buyerReference = record.value(QStringLiteral("BuyerReference")).toString();
    const QVariant due = record.value(QStringLiteral("DueDate"));
    if (!due.isNull() && !due.toString().isEmpty())
        fields.dueDate = SqlText::ReadDate(due, locale);
}
