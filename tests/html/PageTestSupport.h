#pragma once

#include "TestSupport.h"
#include "editor/DocumentJson.h"
#include "html/DocumentSnapshot.h"
#include "html/RichTextToHtml.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

// Helpers shared by the page tests: documents from the JSON files of tests/fixtures/pages, with the
// computed fields the recalculation would have left, and golden pages with rich-text placeholders.
namespace PageTestSupport {

using TestSupport::readFile;
using TestSupport::writeFile;

// The document of a JSON file, "totals" taken as the computed fields.
inline Document documentFromJson(const QByteArray& json)
{
    Document document = DocumentJson::read(json).document;
    const QJsonObject totals =
        QJsonDocument::fromJson(json).object().value(QStringLiteral("totals")).toObject();
    document.subtotal = totals.value(QStringLiteral("subtotal")).toString();
    document.taxLabel = totals.value(QStringLiteral("taxLabel")).toString(document.taxLabel);
    document.taxAmount = totals.value(QStringLiteral("taxAmount")).toString();
    document.total = totals.value(QStringLiteral("total")).toString();
    document.balance = totals.value(QStringLiteral("balance")).toString();
    return document;
}

inline DocumentSnapshot snapshot(const Document& document)
{
    return DocumentSnapshot{document, PageCaptions{}, QLocale(QLocale::English, QLocale::UnitedStates)};
}

// A golden page is kept with LF line ends; the page has CR LF. "{{RT:text}}" stands for the HTML
// of a rich-text box holding `text`.
inline QString expandGolden(const QByteArray& golden)
{
    QString text = QString::fromUtf8(golden);
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    static const QRegularExpression placeholder(QStringLiteral("\\{\\{RT:([^}]*)\\}\\}"));
    QString out;
    qsizetype last = 0;
    auto it = placeholder.globalMatch(text);
    while (it.hasNext()) {
        const auto match = it.next();
        out += text.mid(last, match.capturedStart() - last) + RichTextToHtml::convert(match.captured(1));
        last = match.capturedEnd();
    }
    return out + text.mid(last);
}

// An invoice of `rows` rows of one item at 2.00, all on one page.
inline Document plainDocument(int rows)
{
    Document document;
    document.docNumber = QStringLiteral("N-1");
    document.docDate = QDate(2026, 12, 4);
    for (int i = 1; i <= rows; ++i)
        document.rows.append({QString::number(i), QStringLiteral("P%1").arg(i), QStringLiteral("Item %1").arg(i),
                              QStringLiteral("1"), QStringLiteral("2.00"), QStringLiteral("0.00"),
                              QStringLiteral("2.00")});
    document.pageRows = QString::number(rows);
    return document;
}

} // namespace PageTestSupport
