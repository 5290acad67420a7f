#include "html/MoneyFreeItems.h"

#include "html/DocumentSnapshot.h"
#include "html/ItemsSection.h"
#include "html/PageText.h"

QString MoneyFreeItems::header()
{
    return QStringLiteral("<tr style=\"background-color:#E8E8E8\"><th width=\"15%\">Prod ID</th> <th "
                          "width=\"44%\">Description</th> <th width=\"5%\">Qty</th>");
}

QString MoneyFreeItems::build(const DocumentSnapshot& snapshot)
{
    const Document& d = snapshot.document;
    QString rows = header();
    for (const DocumentRow& row : d.rows) {
        const ItemsSection::RowKind kind = ItemsSection::rowKind(snapshot, row);
        switch (kind) {
        case ItemsSection::RowKind::Normal:
        case ItemsSection::RowKind::Struck:
            rows += QStringLiteral("<tr>") + PageText::CrLf +
                    ItemsSection::leadingCells(row, kind == ItemsSection::RowKind::Struck) +
                    QStringLiteral("</tr>") + PageText::CrLf;
            break;
        case ItemsSection::RowKind::DescriptionOnly:
            rows += ItemsSection::descriptionOnlyRow(row);
            break;
        case ItemsSection::RowKind::LeftOut:
            break;
        }
    }
    const int fillers = ItemsSection::fillerCount(snapshot);
    for (int k = 1; k <= fillers; ++k)
        rows += ItemsSection::emptyFillerRow(3);
    rows += ItemsSection::rule() + balanceLine(snapshot);
    QString out = ItemsSection::wrap(rows);
    if (d.options.goodsReceived)
        out += ItemsSection::goodsReceived();
    out += ItemsSection::notesBox(snapshot, true);
    if (d.options.printBarcode)
        out += ItemsSection::barcode(d.docNumber);
    return out;
}

QString MoneyFreeItems::balanceLine(const DocumentSnapshot& snapshot)
{
    const Document& d = snapshot.document;
    if (!d.options.showBalanceOnly || d.options.hidePaid)
        return {};
    if (PageText::amount(d.balance, snapshot.locale).value_or(0.0) <= 0.0)
        return {};
    return QStringLiteral("<tr><td style=\"text-align:left;padding:32px;font-size:11pt\" colspan=\"2\">") +
           snapshot.captions.balance + QLatin1Char(' ') + d.company.currencySymbol + d.balance +
           QStringLiteral("</td>") + PageText::CrLf + QStringLiteral("<td></td></tr>");
}
