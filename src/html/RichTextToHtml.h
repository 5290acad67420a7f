#pragma once

#include "richtext/RichText.h"

#include <QString>
#include <QStringView>

#include <functional>

// The HTML fragment of one rich-text box: a tag wherever a formatting attribute changes from one
// caret index to the next, the characters copied unescaped, paragraph breaks as <BR>.
class RichTextToHtml
{
public:
    // Content as stored: RTF, or plain text in the description box's default format.
    static QString convert(const QString& rtfOrPlainText);
    static QString convert(const QString& rtfOrPlainText, const RichCharFormat& plainFormat);
    static QString convert(const RichText& text);
    // The same HTML handed to `write` a piece at a time as it is made, so that a long text is never
    // held as a whole page.
    static void convert(const RichText& text, const std::function<void(QStringView piece)>& write);
};
