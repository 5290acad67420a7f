#include "viewer/HtmlFileEncoder.h"

#include "html/PageWriter.h"

QByteArray HtmlFileEncoder::encode(const QString& text)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    lines.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return PageWriter::encodeText(lines);
}
