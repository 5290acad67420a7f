#include "html/PageBuilder.h"

#include "html/DocumentSnapshot.h"
#include "html/HeadingBlock.h"
#include "html/ItemsSection.h"
#include "html/MoneyFreeItems.h"
#include "html/PageText.h"
#include "html/TitleBlock.h"

QString PageBuilder::build(const DocumentSnapshot& snapshot)
{
    return snapshot.document.options.hideMoney ? moneyFreePage(snapshot) : standardPage(snapshot);
}

QString PageBuilder::standardPage(const DocumentSnapshot& snapshot)
{
    const Document& d = snapshot.document;
    const QString body =
        HeadingBlock::build(d.company, d.letterhead, d.docType) + TitleBlock::build(snapshot);
    return PageText::finalReplacements(
        frame(d.docNumber.trimmed(), d.options.tableBorders, body, ItemsSection::build(snapshot)));
}

QString PageBuilder::moneyFreePage(const DocumentSnapshot& snapshot)
{
    const Document& d = snapshot.document;
    const QString body =
        HeadingBlock::build(d.company, d.letterhead, d.docType, true) + TitleBlock::build(snapshot, true);
    return PageText::finalReplacements(
        frame(d.docNumber.trimmed(), d.options.tableBorders, body, MoneyFreeItems::build(snapshot)));
}

QString PageBuilder::frame(const QString& title, bool borders, const QString& body, const QString& items)
{
    const QString& nl = PageText::CrLf;
    const auto line = [&](const QString& text) { return text + nl; };
    QString page;
    page.reserve(body.size() + items.size() + 2048);
    page += line(QStringLiteral("<html><head>"));
    page += line(
        QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"));
    page += line(QStringLiteral("<title>") + title + QStringLiteral("</title>"));
    page += line(QStringLiteral("<style type=\"text/css\">"));
    page += line(QStringLiteral("<!--"));
    page += line(QStringLiteral("body, table, th, td{font-family: Arial, Verdana; font-size: 9pt;}"));
    page += line(borders ? QStringLiteral("table.DocNo{border:1px solid gray}") : QString());
    page += line(borders ? QStringLiteral("table.address{border:1px solid gray}") : QString());
    page += line(
        borders ? QStringLiteral("td.itemrows{border-right-width:1; border-top-style:dotted; "
                                 "border-top-width:1; border-bottom-style:dotted; border-bottom-width:1}")
                : QString());
    page +=
        line(borders ? QStringLiteral("table.Note{border:0px solid gray;width:80%;border-collapse:collapse}")
                     : QStringLiteral("table.Note{border: 0;width:80%;border-collapse:collapse}"));
    page += line(
        borders ? QStringLiteral("table.goods{1px solid gray; border-bottom:1px solid gray;width:53%;"
                                 "border-collapse:collapse}")
                : QStringLiteral("table.goods{border: 0;border-top:1px solid gray; border-bottom:1px solid "
                                 "gray;width:53%;border-collapse:collapse}"));
    page += line(QStringLiteral("td{padding-top:5px;padding-bottom:5px}"));
    page += line(QStringLiteral(
        "th{padding-top:10px; padding-bottom:10px;border-bottom:1px solid black;;border-top:1px "
        "solid black}"));
    page += line(QStringLiteral("-->"));
    page += line(QStringLiteral("</style>"));
    page += line(QStringLiteral("</head><body bgcolor=\"white\">"));
    page += line(QStringLiteral("<div align=center style=\"background-color:white\">"));
    page += body;
    page += line(items);
    page += QStringLiteral("</div>") + nl + nl + nl + nl;
    page += QStringLiteral(
                "<br><br><font style=\"font-size:9pt;font-style:italic;color:gray;margin-left:30px\"><div "
                "align=left>Created with Tallywick by Norvane</font></div><br>") +
            nl + nl + nl;
    page += QStringLiteral("</body></html>");
    return page;
}
