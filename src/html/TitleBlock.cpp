#include "html/TitleBlock.h"

#include "core/ShortDateFormat.h"
#include "html/DocumentSnapshot.h"
#include "html/PageText.h"

namespace {

const QString Middle = QStringLiteral("</td><td valign=\"top\">&nbsp;&nbsp;:&nbsp;</td><td valign=\"top\">");
const QString DateMiddle =
    QStringLiteral("</td><td valign=\"top\" width=45>&nbsp;&nbsp;:&nbsp;</td><td valign=\"top\">");
const QString RowEnd = QStringLiteral("</td></tr>") + PageText::CrLf;
const QString LabelCell = QStringLiteral("<tr><td valign=\"top\">");
const QString Spacer = QStringLiteral("<td width=20%><table width=100%><tr><td></td></tr></table></td>");

} // namespace

bool TitleBlock::hasShipTo(const DocumentSnapshot& snapshot)
{
    const Document& d = snapshot.document;
    return !d.shipToTerm.trimmed().isEmpty() || !d.shipToName.trimmed().isEmpty() ||
           !d.shipToAddress.trimmed().isEmpty();
}

QString TitleBlock::build(const DocumentSnapshot& snapshot, bool moneyFree)
{
    const Document& d = snapshot.document;
    const QString& nl = PageText::CrLf;
    QString out =
        QStringLiteral(
            "<div align=\"center\"><TABLE style=\"background-color:white; border-collapse:collapse\" "
            "border=0 cellpadding=\"0\" width=\"100%\" bordercolor=\"#000000\" cellspacing=\"0\">") +
        nl;
    const QString leftCell = QStringLiteral("<tr><td STYLE=\"text-align:left;width:45%;\" valign=top>") + nl;
    if (!moneyFree && hasShipTo(snapshot)) {
        out += leftCell + addressBox(d.shipToTerm, d.shipToName, d.shipToAddress);
        out += QStringLiteral("</td>") + nl + QStringLiteral("<td>&nbsp;</td>") + nl +
               QStringLiteral("<td>&nbsp;</td></tr>") + nl;
    }
    out +=
        moneyFree
            ? leftCell
            : QStringLiteral("<tr><td STYLE=\"text-align:center;width:40%;\" align=center valign=top>") + nl;
    out += addressBox(d.billToTerm, d.billToName, d.billToAddress);
    out += QStringLiteral("</td>") + nl + Spacer + nl +
           QStringLiteral("<td STYLE=\"text-align:right;width:%1;\" valign=top align=right>")
               .arg(moneyFree ? QStringLiteral("35%") : QStringLiteral("40%")) +
           nl;
    out += QStringLiteral(
               "<table class=DocNo style=\"BORDER-COLLAPSE: collapse;border:0px none;\" border=\"0\" "
               "cellpadding=\"0\" width=\"100%\" height=\"100\" bordercolor=\"#000000\" cellspacing=\"0\">") +
           nl;
    out += numberTable(snapshot, moneyFree);
    out += QStringLiteral("</table>") + nl + QStringLiteral("</td>") + nl +
           QStringLiteral("</tr></TABLE></div>") + nl;
    return out;
}

QString TitleBlock::addressBox(const QString& term, const QString& name, const QString& address)
{
    const QString& nl = PageText::CrLf;
    return QStringLiteral(
               "<table class=address style=\"BORDER-COLLAPSE: collapse;border:0px none;\" border=\"0\" "
               "cellpadding=\"5\" width=\"100%\" height=\"100\" bordercolor=\"#000000\" cellspacing=\"0\">") +
           nl +
           QStringLiteral("<tr><td valign=\"top\" style=\"font-size:10pt;background-color:white;width:10px;"
                          "font-weight:bold\">&nbsp;&nbsp;&nbsp;&nbsp;") +
           PageText::nbsp(term) + QStringLiteral("&nbsp;&nbsp;&nbsp;</td>") + nl +
           QStringLiteral("<td valign=\"top\" style=\"font-size:12pt;font-weight:bold;padding-left:0px\">") +
           name + QStringLiteral("<font style=\"font-size:9pt;font-weight:normal\"><br>") +
           PageText::brLines(address) + QStringLiteral("</font></td>") + nl +
           QStringLiteral("</tr></table>") + nl;
}

QString TitleBlock::numberTable(const DocumentSnapshot& snapshot, bool moneyFree)
{
    const Document& d = snapshot.document;
    const PageCaptions& c = snapshot.captions;
    const QString numberCell = QStringLiteral("<tr><td valign=\"top\" width=%1>")
                                   .arg(moneyFree ? QStringLiteral("30%") : QStringLiteral("40%"));
    return numberCell + PageText::type(d.docType) + QStringLiteral("&nbsp;No.") + Middle + d.docNumber +
           RowEnd + LabelCell + c.date + DateMiddle +
           ShortDateFormat::pageText(d.docDate, snapshot.locale, d.letterhead.dateFormat) + RowEnd + LabelCell +
           PageText::nbsp(c.terms) + Middle + d.paymentTerm + RowEnd + LabelCell + PageText::nbsp(c.issuer) +
           Middle + d.salePerson + RowEnd;
}
