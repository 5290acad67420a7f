#pragma once

#include <QByteArray>
#include <QString>

// Writes page text the way page files are stored: Windows-1252 with CR LF line breaks, and every
// character the code page lacks as a numeric character reference so nothing is lost.
class HtmlFileEncoder
{
public:
    static QByteArray encode(const QString& text);
};
