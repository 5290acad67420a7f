#include "viewer/HtmlFileEncoder.h"

#include "html/PageWriter.h"



int HtmlFileEncoder::windows1252Byte(char32_t codePoint)
{
    return PageWriter::windows1252Byte(codePoint);
}

QByteArray HtmlFileEncoder::encode(const QString& text)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    lines.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return PageWriter::encodeText(lines);
}
