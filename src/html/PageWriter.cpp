#include "html/PageWriter.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <array>

namespace {

// Characters of bytes 0x80..0x9F; 0 marks the five bytes Windows-1252 leaves undefined.
constexpr std::array<char16_t, 32> High{0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                        0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

} // namespace

int PageWriter::windows1252Byte(char32_t code)
{
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return int(code);
    for (int i = 0; i < int(High.size()); ++i) {
        if (High[size_t(i)] != 0 && High[size_t(i)] == code)
            return 0x80 + i;
    }
    return -1;
}

QByteArray PageWriter::encodeText(const QString& text)
{
    QByteArray out;
    out.reserve(text.size() + 2);
    const QList<uint> codes = text.toUcs4();
    for (const uint code : codes) {
        const int byte = windows1252Byte(char32_t(code));
        if (byte >= 0)
            out += char(byte);
        else
            out += "&#" + QByteArray::number(code) + ';';
    }
    return out;
}

QByteArray PageWriter::encode(const QString& page)
{
    return encodeText(page) + "\r\n";
}

PageWriter::Result PageWriter::write(const QString& path, const QString& page)
{
    QSaveFile file(path);
    const auto failed = [&] {
        Result result;
        result.ok = false;
        result.number = int(file.error());
        result.description =
            QCoreApplication::translate("PageWriter", "The page could not be written to the file \"%1\": %2")
                .arg(path, file.errorString());
        return result;
    };
    if (!file.open(QIODevice::WriteOnly))
        return failed();
    const QByteArray bytes = encode(page);
    if (file.write(bytes) != bytes.size())
        return failed();
    if (!file.commit())
        return failed();
    return {};
}
