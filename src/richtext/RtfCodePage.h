#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The Windows code pages that RTF's \'hh escapes are written in.
class RtfCodePage
{
public:
    // The code page of a font character set (\fcharset); 0 for "the document's code page".
    static int forCharset(int charset);
    // Decodes bytes of a code page; unknown code pages read as Windows-1252. A byte that the code
    // page cannot decode becomes U+FFFD.
    static QString decode(const QByteArray& bytes, int codePage);
    // The character of one Windows-1252 byte.
    static QChar decode1252(unsigned char byte);
    // The Windows-1252 byte of a character, when it has one.
    static std::optional<unsigned char> encode1252(QChar c);
};
