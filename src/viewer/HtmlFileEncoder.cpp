#include "viewer/HtmlFileEncoder.h"

#include <QList>
#include <QStringView>

#include <array>

namespace {

// The characters of bytes 0x80 to 0x9F; 0 where the code page has no character.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

} // namespace

int HtmlFileEncoder::windows1252Byte(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return int(codePoint);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] != 0 && kHighControls[i] == codePoint)
            return int(0x80 + i);
    }
    return -1;
}

QByteArray HtmlFileEncoder::encode(const QString& text)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    lines.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));

    QByteArray out;
    out.reserve(lines.size());
    for (const uint codePoint : QStringView(lines).toUcs4()) {
        const int byte = windows1252Byte(codePoint);
        if (byte >= 0)
            out.append(char(byte));
        else
            out.append("&#" + QByteArray::number(quint32(codePoint)) + ';');
    }
    return out;
}
