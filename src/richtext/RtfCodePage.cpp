#include "richtext/RtfCodePage.h"

#include <QList>
#include <QStringDecoder>

#include <array>

namespace {

// 0x80..0x9F of Windows-1252; the five unassigned bytes keep their own value.
constexpr std::array<char16_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString decodeAll1252(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes)
        text += RtfCodePage::decode1252(static_cast<unsigned char>(byte));
    return text;
}

} // namespace

QChar RtfCodePage::decode1252(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? QChar(kHighControls[byte - 0x80]) : QChar(static_cast<char16_t>(byte));
}

namespace {

const char* encodingName(int codePage)
{
    switch (codePage) {
    case 932: return "Shift_JIS";
    case 936: return "GBK";
    case 949: return "EUC-KR";
    case 950: return "Big5";
    case 874: return "windows-874";
    case 1250: return "windows-1250";
    case 1251: return "windows-1251";
    case 1253: return "windows-1253";
    case 1254: return "windows-1254";
    case 1255: return "windows-1255";
    case 1256: return "windows-1256";
    case 1257: return "windows-1257";
    case 1258: return "windows-1258";
    case 10000: return "macintosh";
    case 65001: return "UTF-8";
    default: return nullptr;
    }
}

// A multi-byte decoder holds a lone lead byte back and marks other undecodable bytes with SUB;
// both become U+FFFD. The blank behind the bytes makes a held lead byte come out.
QString decodeWith(QStringDecoder& decoder, const QByteArray& bytes)
{
    QString text = decoder.decode(bytes + ' ');
    if (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    text.replace(QChar(0x1A), QChar::ReplacementCharacter);
    return text;
}

} // namespace

int RtfCodePage::forCharset(int charset)
{
    switch (charset) {
    case 0: return 1252;
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    default: return 0;
    }
}

QString RtfCodePage::decode(const QByteArray& bytes, int codePage)
{
    const char* name = encodingName(codePage);
    if (!name)
        return decodeAll1252(bytes);
    QStringDecoder decoder(name, QStringConverter::Flag::Stateless);
    if (!decoder.isValid())
        return decodeAll1252(bytes);
    if (!bytes.contains('\x1A'))
        return decodeWith(decoder, bytes);
    // A SUB byte of the input stays what it is; only the decoder's own SUBs mean "undecodable".
    QString text;
    const QList<QByteArray> pieces = bytes.split('\x1A');
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            text += QChar(0x1A);
        text += decodeWith(decoder, pieces.at(i));
    }
    return text;
}

std::optional<unsigned char> RtfCodePage::encode1252(QChar c)
{
    const char16_t unit = c.unicode();
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return static_cast<unsigned char>(unit);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == unit && unit >= 0x100)
            return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}
