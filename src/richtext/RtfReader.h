#pragma once

#include "richtext/RichText.h"

#include <QString>

// Reads RTF as the Windows rich-edit control and RtfWriter write it. Never fails: damaged input
// gives whatever text and formatting could be understood before and around the damage.
class RtfReader
{
public:
    // `fallback` supplies the font name when the RTF names none.
    static RichText read(const QString& rtf, const RichCharFormat& fallback = {});
    // Stored box content: RTF when it starts with "{\rtf", otherwise plain text in `plainFormat`.
    static RichText readContent(const QString& content, const RichCharFormat& plainFormat);
    static bool isRtf(const QString& content);
};
