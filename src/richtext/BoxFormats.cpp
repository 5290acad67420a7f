#include "richtext/BoxFormats.h"

RichCharFormat BoxFormats::description()
{
    RichCharFormat format;
    format.fontName = QStringLiteral("Arial");
    format.halfPoints = 22;
    format.bold = true;
    return format;
}

RichCharFormat BoxFormats::notes()
{
    RichCharFormat format;
    format.fontName = QStringLiteral("Arial");
    format.halfPoints = 22;
    return format;
}
