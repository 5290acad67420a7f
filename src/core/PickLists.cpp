#include "core/PickLists.h"

namespace PickLists {

QStringList numbers(int from, int to, int step)
{
    QStringList list;
    for (int n = from; n <= to; n += step)
        list.append(QString::number(n));
    return list;
}

QStringList billToTerms()
{
    return {QStringLiteral("To:"),        QStringLiteral("Invoice To:"), QStringLiteral("Bill To:"),
            QStringLiteral("Buyer:"),     QStringLiteral("Customer:"),   QStringLiteral("Ship To:"),
            QStringLiteral("Deliver To:"), QStringLiteral("Receiver:"),  QStringLiteral("Recipient:"),
            QStringLiteral("Consignee:"), QString()};
}

QStringList shipToTerms()
{
    return {QStringLiteral("Ship To:"),  QStringLiteral("Deliver To:"), QStringLiteral("Consignee:"),
            QStringLiteral("To:"),       QStringLiteral("Buyer:"),      QStringLiteral("Customer:"),
            QStringLiteral("Receiver:"), QStringLiteral("Recipient:"),  QStringLiteral("Bill To:"),
            QStringLiteral("Invoice To:"), QString()};
}

QStringList documentTypes()
{
    return {QStringLiteral("Invoice"),       QStringLiteral("Commercial Invoice"), QStringLiteral("ProForma Invoice"),
            QStringLiteral("Receipt"),       QStringLiteral("Delivery Order"),     QStringLiteral("Bill of Lading"),
            QStringLiteral("Packing Slip"),  QStringLiteral("Shipping List"),      QStringLiteral("Purchase Order"),
            QStringLiteral("Quotation"),     QStringLiteral("Credit Note"),        QStringLiteral("Stock Transfer"),
            QStringLiteral("Return Goods")};
}

QStringList chargeNames()
{
    return {QStringLiteral("Delivery"), QStringLiteral("Shipping"), QStringLiteral("Delivery / Shipping"),
            QStringLiteral("Handling / Shipping"), QStringLiteral("Discount")};
}

QStringList currencySymbols()
{
    return {QStringLiteral("$"), QString(QChar(0x20AC)), QString(QChar(0x00A3)), QString(QChar(0x00A5))};
}

QStringList paymentTerms()
{
    return {QStringLiteral("C.O.D."),           QStringLiteral("Credit"),            QStringLiteral("Consignment"),
            QStringLiteral("Valid for 15 Days"), QStringLiteral("Valid for 30 Days"), QStringLiteral("Valid for 45 Days"),
            QStringLiteral("See Note below")};
}

QStringList taxPercents() { return numbers(0, 20); }
QStringList rowCounts() { return numbers(1, 65); }
QStringList pageRows() { return numbers(2, 100); }
QStringList quantities() { return numbers(1, 100); }
QStringList discounts() { return numbers(5, 50, 5); }

} // namespace PickLists
