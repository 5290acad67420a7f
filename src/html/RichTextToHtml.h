#pragma once

#include <QString>

// The HTML fragment of one rich-text box, given its content as RTF (or plain text).
class RichTextToHtml
{
public:
    static QString convert(const QString& rtfOrPlainText);
};
