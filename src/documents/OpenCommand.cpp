#include "documents/OpenCommand.h"

#include "core/Dialogs.h"
#include "documents/DocStatements.h"
#include "documents/IssuedValues.h"
#include "documents/SavedDocsList.h"
#include "core/NumberText.h"
#include "editor/TotalsCalculator.h"
#include "store/Database.h"
#include "store/SqlText.h"

#include <QSqlRecord>

namespace {

QString text(const QSqlRecord& record, const char* column)
{
    const QVariant value = record.value(QLatin1String(column));
    return value.isNull() ? QString() : value.toString();
}

// A stored amount as the fields show it; a null value leaves the field empty.
QString money(const QSqlRecord& record, const char* column, const QLocale& locale)
{
    const QVariant value = record.value(QLatin1String(column));
    if (value.isNull())
        return QString();
    return NumberText::write(Money::fromDouble(value.toDouble()).value_or(Money()), locale);
}

void readFlag(const QSqlRecord& record, const char* column, bool& box)
{
    const QString value = text(record, column);
    if (value.isEmpty() || value == QLatin1String("No"))
        box = false;
    else if (value == QLatin1String("Yes"))
        box = true;
}

} // namespace

OpenCommand::OpenCommand(Database& database, Dialogs& dialogs, const QLocale& locale)
    : m_database(database), m_dialogs(dialogs), m_locale(locale)
{
}

OpenCommand::Result OpenCommand::failure(const QString& error)
{
    m_dialogs.plain(error + QStringLiteral(". Error No.: ") + QString::number(Database::ErrorNumber));
    Result result;
    result.outcome = Outcome::Failed;
    result.error = error;
    return result;
}

OpenCommand::Result OpenCommand::open(const QString& listText, const Document& current, bool documentOpen)
{
    Result result;
    if (listText.isEmpty() || listText == SavedDocsList::separatorLine()) {
        result.clearListText = true;
        return result;
    }
    const QString number = SavedDocsList::numberOf(listText);
    const SqlResult existing = m_database.query(DocStatements::selectByNumberOrdered(number, false));
    if (!existing.ok)
        return failure(existing.error);
    if (existing.records.isEmpty()) {
        m_dialogs.plain(tr("There is no record of this document number."));
        result.outcome = Outcome::NotFound;
        return result;
    }
    if (documentOpen
        && !m_dialogs.confirmOkCancel(tr("Do you wish to close the current document?") + QStringLiteral("\r\n\r\n")
                                          + tr("Any unsaved information will be lost. Continue?  "),
                                      tr("Any unsaved information will be lost."))) {
        result.outcome = Outcome::Cancelled;
        return result;
    }
    // One statement reads the rows: a count taken apart from them could disagree with them when
    // another desk saves this number in between.
    const SqlResult rows = m_database.query(DocStatements::selectByNumberOrdered(number, true));
    if (!rows.ok)
        return failure(rows.error);
    if (rows.records.isEmpty())
        return failure(tr("There is no record of this document number."));

    Document& document = result.document;
    document = current;
    document.rows.clear();
    readHeader(rows.records.first(), document, m_locale);
    IssuedValues::read(rows.records.first(), document, m_database, m_locale);
    for (const QSqlRecord& record : rows.records)
        document.rows.append(readRow(record, m_locale));
    document.currentDocNumber = number;

    const TotalsCalculator::Result sum = TotalsCalculator::DoSum(document, m_locale);
    if (!sum.ok)
        m_dialogs.plain(sum.error);
    // Opening leaves the document's discount boxes as the "No Discount" box says.
    for (DocumentRow& row : document.rows) {
        row.discountEnabled = !document.options.noDiscount;
        if (document.options.noDiscount)
            row.discount = NumberText::zero(m_locale);
    }
    result.outcome = Outcome::Opened;
    result.clearListText = true;
    return result;
}

void OpenCommand::readHeader(const QSqlRecord& record, Document& document, const QLocale& locale)
{
    document.shipToTerm = text(record, "ShipTo");
    document.shipToName = text(record, "ShipToCus");
    document.shipToAddress = text(record, "ShipToAddress");
    document.billToTerm = text(record, "BillTo");
    document.billToName = text(record, "CompanyName");
    document.billToAddress = text(record, "Address");
    readFlag(record, "HideTax", document.options.hideTax);
    readFlag(record, "HidePaid", document.options.hidePaid);
    readFlag(record, "NoDisc", document.options.noDiscount);
    readFlag(record, "GoodsRcvd", document.options.goodsReceived);
    readFlag(record, "DeliveryTaxable", document.chargesTaxable);
    readFlag(record, "PrintBarcode", document.options.printBarcode);
    document.docType = text(record, "DocType");
    document.docNumber = text(record, "DOCnumber");
    const QDate date = SqlText::ReadDate(record.value(QStringLiteral("DOCdate")), locale);
    if (date.isValid())
        document.docDate = date;
    document.paymentTerm = text(record, "PaymentTerm");
    document.paid = money(record, "Paid", locale);
    document.salePerson = text(record, "saleperson");
    document.chargesAmount = money(record, "Delivery", locale);
    document.chargesName = text(record, "DeliveryName");
    document.notes = text(record, "Notes");
}

DocumentRow OpenCommand::readRow(const QSqlRecord& record, const QLocale& locale)
{
    DocumentRow row;
    row.serial = text(record, "Serial");
    row.productId = text(record, "ProductID");
    row.description = text(record, "Description");
    const QVariant qty = record.value(QStringLiteral("Qty"));
    row.qty = qty.isNull() ? QString() : QString::number(qty.toLongLong());
    row.price = money(record, "Price", locale);
    row.discount = money(record, "Discount", locale);
    row.amount = money(record, "Amount", locale);
    return row;
}
