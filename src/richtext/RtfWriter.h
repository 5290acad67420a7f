#pragma once

#include "richtext/RichText.h"

#include <QString>

// Writes RTF in the shape the Windows rich-edit control writes it, so that both this program and
// older readers take it back unchanged.
class RtfWriter
{
public:
    static QString write(const RichText& text);
};
