#include "html/PageText.h"

#include <cmath>

QString PageText::nbsp(const QString& text)
{
    QString out = text;
    return out.replace(QLatin1Char(' '), QStringLiteral("&nbsp;"));
}

QString PageText::brLines(const QString& text)
{
    QString out = text;
    return out.replace(CrLf, QStringLiteral("<br>"));
}

QString PageText::type(const QString& docType)
{
    return nbsp(docType.trimmed());
}

QString PageText::logoUrl(const QString& logoPath)
{
    QString path = logoPath;
    path.replace(QLatin1Char(' '), QStringLiteral("%20")).replace(QLatin1Char('\\'), QLatin1Char('/'));
    // A Linux path already brings the slash that separates the empty host from the path.
    if (path.startsWith(QLatin1Char('/')))
        path.remove(0, 1);
    return QStringLiteral("file:///") + path;
}

QString PageText::badge(const QString& type, bool lowerCaseBlack)
{
    return QStringLiteral("<br><font style=\"font-size:15pt;font-family:Courier New;font-weight:bold;"
                          "background-color:%1;color:white;padding:0px 5px 0px 5px;border:1px solid black\">")
               .arg(lowerCaseBlack ? QStringLiteral("black") : QStringLiteral("BLACK")) +
           type + QStringLiteral("</font><br>");
}

std::optional<double> PageText::amount(const QString& text, const QLocale& locale)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return 0.0;
    bool ok = false;
    double value = locale.toDouble(trimmed, &ok);
    if (!ok)
        value = QLocale::c().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool PageText::isZero(const QString& text, const QLocale& locale)
{
    const auto value = amount(text, locale);
    return value && *value == 0.0;
}

int PageText::pageRows(const QString& text)
{
    bool ok = false;
    const int rows = text.trimmed().toInt(&ok);
    return ok ? rows : 0;
}

QString PageText::finalReplacements(QString page)
{
    const QString nl = CrLf;
    page.replace(QStringLiteral("<br>"), QStringLiteral("<br>") + nl);
    page.replace(QStringLiteral("</tr>"), QStringLiteral("</tr>") + nl);
    page.replace(QStringLiteral("<tr>"), nl + QStringLiteral("<tr>"));
    page.replace(QStringLiteral("<div"), nl + nl + QStringLiteral("<div"));
    page.replace(QStringLiteral("</div>"), QStringLiteral("</div>") + nl + nl);
    page.replace(QStringLiteral("<table"), nl + nl + QStringLiteral("<table"));
    page.replace(QStringLiteral("</table>"), QStringLiteral("</table>") + nl + nl);
    page.replace(QChar(0x2022), QStringLiteral("&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;") + QChar(0x2022));
    return page;
}
