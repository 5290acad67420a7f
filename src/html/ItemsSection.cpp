#include "html/ItemsSection.h"

#include "html/DocumentSnapshot.h"
#include "html/PageText.h"
#include "html/RichTextToHtml.h"
#include "richtext/BoxFormats.h"
#include "richtext/RtfReader.h"

namespace {

const QString Nl = PageText::CrLf;
const QString CenterCell = QStringLiteral("<td style=\"text-align:center\" class=itemrows>");
const QString DescCell = QStringLiteral("<td style=\"padding-left:10px\" class=itemrows>");
const QString QtyCell = QStringLiteral("<td style=\"text-align:right;padding-right:15px\" class=itemrows>");
const QString MoneyCell = QStringLiteral("<td style=\"text-align:right;padding-right:25px\" class=itemrows>");
const QString FillerCell = QStringLiteral("<td style=\"text-align:right\">&nbsp;</td>");

// Label cells of the totals block: in the first row, opening a row, and for the total below a tax row.
const QString L =
    QStringLiteral("<td style=\"text-align:right;padding-right:10px;font-weight:bold;\" colspan=");
const QString LR = QStringLiteral("<tr>") + L;
const QString LT = QStringLiteral(
    "<tr><td style=\"text-align:right;padding-right:10px;font-weight:bold;white 1px solid\" colspan=");
const QString V = QStringLiteral("<td style=\"text-align:right;padding-right:25px;font-weight:bold\">");

} // namespace

QString ItemsSection::build(const DocumentSnapshot& snapshot)
{
    const Document& d = snapshot.document;
    const bool discount = !d.options.noDiscount;
    QString rows = header(d.company.currencySymbol, discount);
    for (const DocumentRow& row : d.rows) {
        switch (rowKind(snapshot, row)) {
        case RowKind::Normal:
            rows += itemRow(row, false, discount);
            break;
        case RowKind::Struck:
            rows += itemRow(row, true, discount);
            break;
        case RowKind::DescriptionOnly:
            rows += descriptionOnlyRow(row);
            break;
        case RowKind::LeftOut:
            break;
        }
    }
    const int fillers = fillerCount(snapshot);
    for (int k = 1; k <= fillers; ++k)
        rows += (k == fillers && taxableCharges(snapshot)) ? chargesRow(snapshot)
                                                           : emptyFillerRow(discount ? 6 : 5);
    rows += rule() + totals(snapshot);
    QString out = wrap(rows);
    if (d.options.goodsReceived)
        out += goodsReceived();
    out += notesBox(snapshot, false);
    if (d.options.printBarcode)
        out += barcode(d.docNumber);
    return out;
}

ItemsSection::RowKind ItemsSection::rowKind(const DocumentSnapshot& snapshot, const DocumentRow& row)
{
    if (!PageText::isZero(row.qty, snapshot.locale))
        return RowKind::Normal;
    const DocumentOptions& o = snapshot.document.options;
    if (o.hideZeroRows)
        return RowKind::LeftOut;
    return o.blankZeroRows ? RowKind::DescriptionOnly : RowKind::Struck;
}

QString ItemsSection::descriptionOnlyRow(const DocumentRow& row)
{
    return QStringLiteral("<tr><td colspan=5 style=\"padding:20px;padding-left:100px;\">") +
           RichTextToHtml::convert(row.description) + QStringLiteral("</td>") + Nl +
           QStringLiteral("<td style=\"text-align:right;padding-right:25px\"></td>") +
           QStringLiteral("</tr>") + Nl;
}

QString ItemsSection::cell(const QString& opening, const QString& value, bool struck)
{
    return struck ? opening + QStringLiteral("<strike>") + value + QStringLiteral("</strike></td>")
                  : opening + value + QStringLiteral("</td>");
}

QString ItemsSection::leadingCells(const DocumentRow& row, bool struck)
{
    return cell(CenterCell, row.productId, struck) + Nl +
           cell(DescCell, RichTextToHtml::convert(row.description), struck) + Nl +
           cell(QtyCell, row.qty, struck) + Nl;
}

QString ItemsSection::header(const QString& currency, bool discountColumn)
{
    QString out =
        QStringLiteral(
            "<tr style=\"background-color:#E8E8E8\"><th width=\"15%\">Prod ID</th> <th "
            "width=\"44%\">Description</th> <th width=\"5%\">Qty</th> <th width=\"12%\">Unit Price ") +
        currency + QStringLiteral("</th>");
    if (discountColumn)
        out += QStringLiteral("<th width=\"12%\">&nbsp;&nbsp;Discount %</th>");
    out += QStringLiteral("<th width=\"12%\">") + (discountColumn ? QString() : QStringLiteral("&nbsp;")) +
           QStringLiteral("Amount ") + currency + QStringLiteral("</th></tr>");
    return out;
}

QString ItemsSection::itemRow(const DocumentRow& row, bool struck, bool discountColumn)
{
    QString out =
        QStringLiteral("<tr>") + Nl + leadingCells(row, struck) + cell(MoneyCell, row.price, struck) + Nl;
    if (discountColumn)
        out += cell(MoneyCell, row.discount, struck) + Nl;
    return out + cell(MoneyCell, row.amount, struck) + QStringLiteral("</tr>") + Nl;
}

int ItemsSection::fillerCount(const DocumentSnapshot& snapshot)
{
    const Document& d = snapshot.document;
    const int rows = d.rowCount();
    int target = PageText::pageRows(d.pageRows);
    if (target <= rows && !PageText::isZero(d.chargesAmount, snapshot.locale))
        target = rows + 1;
    return std::max(0, target - rows);
}

QString ItemsSection::emptyFillerRow(int cells)
{
    QString out = QStringLiteral("<tr>") + FillerCell + Nl;
    for (int i = 1; i < cells; ++i)
        out += FillerCell + Nl;
    return out + QStringLiteral("</tr>") + Nl;
}

QString ItemsSection::chargesRow(const DocumentSnapshot& snapshot)
{
    const Document& d = snapshot.document;
    const double amount = PageText::amount(d.chargesAmount, snapshot.locale).value_or(0.0);
    return QStringLiteral("<tr><td style=\"border-bottom:1px solid white\" colspan=3>") + Nl +
           QStringLiteral("<td  style=\"text-align:right;padding-right:10px\" colspan=%1><b>")
               .arg(d.options.noDiscount ? 1 : 2) +
           d.chargesName + QStringLiteral(" :</b> </td>") + Nl +
           QStringLiteral("<td  style=\"text-align:right;padding-right:25px\"><b>") +
           snapshot.locale.toString(amount, 'f', 2) + QStringLiteral("</b></td>") + Nl +
           QStringLiteral("</tr>") + Nl;
}

QString ItemsSection::rule()
{
    return QStringLiteral(
               "<tr><td colspan=6><hr noshade style=\"border:1px solid black;\" size=\"1\"></td></tr>") +
           Nl;
}

bool ItemsSection::nonTaxableCharges(const DocumentSnapshot& snapshot)
{
    const Document& d = snapshot.document;
    return !d.chargesTaxable && !PageText::isZero(d.chargesAmount, snapshot.locale);
}

bool ItemsSection::taxableCharges(const DocumentSnapshot& snapshot)
{
    const Document& d = snapshot.document;
    return d.chargesTaxable && !PageText::isZero(d.chargesAmount, snapshot.locale);
}

int ItemsSection::totalsRowCount(const DocumentSnapshot& snapshot)
{
    const DocumentOptions& o = snapshot.document.options;
    int rows = 1 + (o.hideTax ? 0 : 2) + (nonTaxableCharges(snapshot) ? 1 : 0);
    return o.hidePaid ? rows : rows + 2;
}

QString ItemsSection::totals(const DocumentSnapshot& snapshot)
{
    const Document& d = snapshot.document;
    const PageCaptions& c = snapshot.captions;
    const QString span = d.options.noDiscount ? QStringLiteral("1") : QStringLiteral("2");
    // One totals row: opening, span, label and its end, then the value and the row end.
    const auto row = [&](const QString& opening, const QString& label, const QString& labelEnd,
                         const QString& value, const QString& rowEnd) {
        return opening + span + QStringLiteral(">") + label + labelEnd + Nl + V + value + rowEnd;
    };
    const QString td = QStringLiteral("</td>");
    const QString tdTr = QStringLiteral("</td></tr>");
    const QString charges = d.chargesName + QStringLiteral(":</td>");
    const bool n = nonTaxableCharges(snapshot);
    QString out =
        QStringLiteral("<tr><td style=\"text-align:left;padding-left:20px;font-weight:bold;\" colspan=3 "
                       "rowspan=") +
        QString::number(totalsRowCount(snapshot)) + QStringLiteral(" valign=middle></td>") + Nl;
    if (!d.options.hideTax) {
        const QString subtotalEnd = td + Nl + QStringLiteral("</tr>") + (n ? Nl : QString());
        out += row(L, c.subtotal, td, d.subtotal, subtotalEnd);
        out += row(LR, d.taxLabel, td, d.taxAmount, tdTr + (n ? Nl : QString()));
        if (n)
            out += row(LR, QString(), charges, d.chargesAmount, td + Nl + QStringLiteral("</tr>") + Nl);
        out += row(LT, c.total, td, d.total, tdTr);
    } else if (n) {
        out += row(L, QString(), charges, d.chargesAmount, tdTr + Nl);
        out += row(LR, c.total, td, d.total, tdTr);
    } else {
        out += row(L, c.total, td, d.total, tdTr);
    }
    if (!d.options.hidePaid) {
        out += row(LR, c.paid, td, d.paid, tdTr);
        out += row(LR, c.balance, td, d.balance, tdTr);
    }
    return out;
}

QString ItemsSection::wrap(const QString& rows)
{
    return QStringLiteral("<div align=\"center\">") + Nl +
           QStringLiteral("<table class=items style=\"background-color:white; border-collapse:collapse\" "
                          "cellpadding=\"2\" width=\"98%\" bordercolor=\"#000000\" cellspacing=\"0\">") +
           rows + QStringLiteral("</table></div>");
}

QString ItemsSection::goodsReceived()
{
    return QStringLiteral(
               "<br><div align=left><table class=goods style=\"background-color:white;margin-left:28px\" "
               "cellpadding=\"8\" cellspacing=\"0\">"
               "<tr><td style=\"padding-left:10px\"><b>Good(s) / Service(s) received in good condition "
               "by:</b><br><br><br><br>Name / Signatory / Date</td></tr>"
               "</table></div>") +
           Nl;
}

QString ItemsSection::notesBox(const DocumentSnapshot& snapshot, bool moneyFree)
{
    const Document& d = snapshot.document;
    const RichText notes = RtfReader::readContent(d.notes, BoxFormats::description());
    if (notes.plainText().trimmed().isEmpty())
        return {};
    const QString outer = QStringLiteral("<div align=\"left\" style=\"padding-left:30px\">");
    return (moneyFree ? QStringLiteral("<br><br>") + outer : outer) +
           QStringLiteral(
               "<br><table class=Note style=\"background-color:gray;width:70%\" cellpadding=\"1\"><tr><td "
               "valign=middle align=center>"
               "<table style=\"background-color:white;width:100%;height:100%;border:solid 1px\" "
               "cellpadding=5><tr><td valign=top><b><font style=\"font-size:11pt\">") +
           snapshot.captions.notes + QStringLiteral("</font></b><div style=\"padding-left:20px\">") +
           RichTextToHtml::convert(notes) + QStringLiteral("</td></tr></table>") +
           QStringLiteral("</td></tr></table>") + (moneyFree ? QStringLiteral("<br>") : QString()) +
           QStringLiteral("</div>");
}

QString ItemsSection::barcode(const QString& docNumber)
{
    const QString number = docNumber.trimmed();
    if (number.isEmpty())
        return {};
    return QStringLiteral("<br><br><div align=\"left\" style=\"FONT-FAMILY:Free 3 of 9;FONT-SIZE:22PT;"
                          "padding-left:30px\">*") +
           number.toUpper() + QStringLiteral("*</div>");
}
