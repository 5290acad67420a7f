#pragma once

#include <QString>

// The plain text of a rich-text box's content (RTF, or plain text as typed), enough to tell whether
// the box holds anything but blanks.
class RichTextPlain
{
public:
    static QString text(const QString& rtfOrPlainText);
};
