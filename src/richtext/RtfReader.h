#pragma once

#include "richtext/RichText.h"

#include <QByteArray>
#include <QString>

// Reads RTF as the Windows rich-edit control and RtfWriter write it. Never fails: damaged input
// gives whatever text and formatting could be understood before and around the damage.
class RtfReader
{
public:
    // `fallback` supplies the font name when the RTF names none.
    static RichText read(const QString& rtf, const RichCharFormat& fallback = {});
    // RTF bytes whose stray 8-bit bytes are Windows-1252, as a file holds it; the same as decoding
    // them first, without the decoded copy.
    static RichText read1252(const QByteArray& rtf, const RichCharFormat& fallback = {});
    // Stored box content: RTF when it starts with "{\rtf", otherwise plain text in `plainFormat`.
    static RichText readContent(const QString& content, const RichCharFormat& plainFormat);
    static bool isRtf(const QString& content);
};
