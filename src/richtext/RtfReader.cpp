#include "richtext/RtfReader.h"

#include "richtext/RtfParser.h"

RichText RtfReader::read(const QString& rtf, const RichCharFormat& fallback)
{
    RtfParser parser(rtf, fallback);
    return parser.parse();
}

RichText RtfReader::read1252(const QByteArray& rtf, const RichCharFormat& fallback)
{
    RtfParser parser(rtf, fallback);
    return parser.parse();
}

RichText RtfReader::readContent(const QString& content, const RichCharFormat& plainFormat)
{
    if (isRtf(content))
        return read(content, plainFormat);
    return RichText::fromPlainText(content, plainFormat);
}

bool RtfReader::isRtf(const QString& content)
{
    return content.startsWith(QLatin1String("{\\rtf"));
}
