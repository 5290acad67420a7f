#include "html/HeadingBlock.h"

#include "html/PageText.h"

namespace {

const QString T4 =
    QStringLiteral("<table border=\"0\" cellpadding=\"4\" cellspacing=\"0\" style=\"border-collapse: "
                   "collapse\" bordercolor=\"#111111\" width=\"100%\">");
const QString T0 =
    QStringLiteral("<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" style=\"border-collapse: "
                   "collapse\" bordercolor=\"#111111\" width=\"100%\">");
const QString Outer =
    QStringLiteral("<div align=center><table style=\"BORDER-COLLAPSE: collapse;border:0px;"
                   "background-color:white\" border=\"0\" cellpadding=\"2\" width=\"98%\">");
const QString Name18Open = QStringLiteral("<font style=\"font-size:18pt;\"><b>");
const QString Address9Open = QStringLiteral("<font style=\"font-weight:normal;font-size:9pt;\">");
const QString NameToAddress = QStringLiteral("</b></font><br>") + Address9Open;

QString logoImg(const QString& url)
{
    return QStringLiteral("<img border=\"0\" src=\"") + url + QStringLiteral("\" alt=\"Company Logo\"></td>");
}

// Text-only company: name over address, without line breaks.
QString nameOverAddress(const QString& name, const QString& address)
{
    return Name18Open + name + NameToAddress + address + QStringLiteral("</font>");
}

// Lines joined with a CR LF after each.
QString lines(std::initializer_list<QString> pieces)
{
    QString out;
    for (const QString& piece : pieces)
        out += piece + PageText::CrLf;
    return out;
}

// The number a heading setting holds; empty counts as not set, a text that is no number as neither.
std::optional<double> settingNumber(const QString& value)
{
    if (value.trimmed().isEmpty())
        return 0.0;
    bool ok = false;
    const double number = value.trimmed().toDouble(&ok);
    return ok ? std::optional<double>(number) : std::nullopt;
}

} // namespace

HeadingBlock::Arrangement HeadingBlock::arrangement(const Letterhead& letterhead)
{
    const auto left = settingNumber(letterhead.alignLeft);
    const auto right = settingNumber(letterhead.addressRight);
    if (left == 0.0 && right == 0.0)
        return Arrangement::Centred;
    if (left == 1.0)
        return Arrangement::LeftAligned;
    if (right == 1.0)
        return Arrangement::AddressRight;
    return Arrangement::None;
}

bool HeadingBlock::usesLogo(const Letterhead& letterhead)
{
    return !letterhead.layout.isEmpty() && !letterhead.logoPath.isEmpty();
}

QString HeadingBlock::build(const CompanyProfile& company, const Letterhead& letterhead,
                            const QString& docType, bool lowerCaseBlack)
{
    const QString badge = PageText::badge(PageText::type(docType), lowerCaseBlack);
    const QString address = PageText::brLines(company.address);
    const QString url = PageText::logoUrl(letterhead.logoPath);
    const bool logo = usesLogo(letterhead);
    const QString centredRow = QStringLiteral("<tr><td valign=\"top\" align=center>");
    const QString close =
        QStringLiteral("<br><br></td></tr>") + PageText::CrLf + QStringLiteral("</table></div>");
    switch (arrangement(letterhead)) {
    case Arrangement::Centred:
        return Outer + PageText::CrLf + centredRow +
               centredCompany(company.name, address, url, logo, letterhead.layout) + QStringLiteral("<br>") +
               badge + close;
    case Arrangement::LeftAligned:
        return Outer + PageText::CrLf + QStringLiteral("<tr><td valign=\"top\" align=LEFT>") +
               leftAligned(company.name, address, url, logo, badge) + close;
    case Arrangement::AddressRight:
        return Outer + PageText::CrLf + centredRow + addressRight(company.name, address, url, logo) +
               QStringLiteral("<br>") + badge + close;
    case Arrangement::None:
        break;
    }
    return {};
}

QString HeadingBlock::centredCompany(const QString& name, const QString& address, const QString& url,
                                     bool logo, const QString& logoLayout)
{
    if (!logo)
        return nameOverAddress(name, address);
    if (logoLayout == QLatin1String("0"))
        return QStringLiteral("<div align=\"center\"><img src=\"") + url +
               QStringLiteral("\"  border=\"0\" vspace=\"2\" alt=\"Company Logo\"><br clear=\"all\">") +
               Name18Open + name + NameToAddress + address + QStringLiteral("</font></div>");
    if (logoLayout == QLatin1String("1"))
        return layoutOne(name, address, url);
    if (logoLayout == QLatin1String("2"))
        return layoutTwo(name, address, url);
    return {};
}

QString HeadingBlock::layoutOne(const QString& name, const QString& address, const QString& url)
{
    return lines({T4, QStringLiteral("<tr>"),
                  QStringLiteral("<td width=\"42%\" align=\"right\" VALIGN=\"TOP\">"), logoImg(url),
                  QStringLiteral("<td width=\"58%\" align=\"left\">") + Name18Open + name +
                      QStringLiteral("</b></font><br>"),
                  Address9Open + address + QStringLiteral("</font></td>"), QStringLiteral("</tr>"),
                  QStringLiteral("</table>")});
}

QString HeadingBlock::layoutTwo(const QString& name, const QString& address, const QString& url)
{
    return lines({T0, QStringLiteral("<tr>"),
                  QStringLiteral("<td width=\"45%\" align=\"right\" valign=\"middle\">"), logoImg(url),
                  QStringLiteral("<td width=\"55%\" valign=\"middle\">") + Name18Open + name +
                      QStringLiteral("</b></font></td>      "),
                  QStringLiteral("</tr>"), QStringLiteral("<tr>"),
                  QStringLiteral("<td width=\"100%\" align=\"center\" colspan=\"2\">     "),
                  Address9Open + address + QStringLiteral("</font>"), QStringLiteral("</td>"),
                  QStringLiteral("</tr>"), QStringLiteral("</table>")});
}

QString HeadingBlock::leftAligned(const QString& name, const QString& address, const QString& url, bool logo,
                                  const QString& badge)
{
    const QString badgeCell =
        QStringLiteral("<td WIDTH=\"50%\" align=\"RIGHT\" style=\"padding-right:60px\">");
    QString table;
    if (logo) {
        table = lines(
            {T4, QStringLiteral("<tr>"),
             QStringLiteral("<td WIDTH=\"0%\" align=\"right\" STYLE=\"PADDING-LEFT:20PX\" VALIGN=\"TOP\">"),
             logoImg(url),
             QStringLiteral("<td width=\"60%\" align=\"left\">") + Name18Open + name +
                 QStringLiteral("</b></font><br>"),
             Address9Open + address + QStringLiteral("</font></td>"),
             QStringLiteral("<td WIDTH=\"40%\" align=\"RIGHT\" style=\"padding-right:60px\">")});
    } else {
        table = lines({T4, QStringLiteral("<tr>"),
                       QStringLiteral("<td WIDTH=\"50%\" align=\"left\" STYLE=\"PADDING-LEFT:20PX\">"),
                       nameOverAddress(name, address) + QStringLiteral("</td>"), badgeCell});
    }
    return table + badge +
           lines({QStringLiteral("</td>"), QStringLiteral("</tr>"), QStringLiteral("</table>")});
}

QString HeadingBlock::addressRight(const QString& name, const QString& address, const QString& url, bool logo)
{
    const QString addressCell =
        QStringLiteral("<td WIDTH=\"50%\" align=\"RIGHT\" style=\"padding-right:0px\">");
    const QString addressText = Address9Open + address + QStringLiteral("</font></td>");
    if (logo)
        return lines({T4, QStringLiteral("<tr>"),
                      QStringLiteral("<td WIDTH=\"0%\" align=\"right\" STYLE=\"PADDING-LEFT:0PX\">"),
                      logoImg(url),
                      QStringLiteral("<td width=\"50%\" align=\"left\">") + Name18Open + name +
                          QStringLiteral("</b></font></td>"),
                      addressCell, addressText, QStringLiteral("</tr>"), QStringLiteral("</table>")});
    return lines({T4, QStringLiteral("<tr>"),
                  QStringLiteral("<td WIDTH=\"50%\" align=\"left\" STYLE=\"PADDING-LEFT:0PX\">"),
                  Name18Open + name + QStringLiteral("</b></font></td>"), addressCell, addressText,
                  QStringLiteral("</tr>"), QStringLiteral("</table>")});
}
