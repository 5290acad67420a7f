#include "richtext/JpegSize.h"

#include <QFile>

namespace {

// Byte number `position` counted from 1; -1 past either end, which matches no marker value.
int byteAt(const QByteArray& bytes, qsizetype position)
{
    if (position < 1 || position > bytes.size())
        return -1;
    return static_cast<unsigned char>(bytes.at(position - 1));
}

} // namespace

JpegDimensions JpegSize::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return fromBytes(file.readAll());
}

JpegDimensions JpegSize::fromBytes(const QByteArray& bytes)
{
    const qsizetype length = bytes.size();
    if (byteAt(bytes, 1) != 0xFF || byteAt(bytes, 2) != 0xD8 || byteAt(bytes, 3) != 0xFF)
        return {};
    qsizetype p = 3;
    while (true) {
        int first = 0, second = 0;
        do {
            first = byteAt(bytes, p);
            second = byteAt(bytes, p + 1);
            ++p;
        } while (!(first == 0xFF && second != 0xFF) && p <= length);
        // The eight bytes of the segment head must all be in the file, or a size could be made up.
        if (p + 7 > length)
            return {};
        const int b0 = byteAt(bytes, p);
        const int length16 = byteAt(bytes, p + 1) * 256 + byteAt(bytes, p + 2);
        if (b0 >= 0xC0 && b0 <= 0xC3)
            return {byteAt(bytes, p + 6) * 256 + byteAt(bytes, p + 7), byteAt(bytes, p + 4) * 256 + byteAt(bytes, p + 5)};
        p = p + length16 + 1;
        if (p >= length)
            return {};
    }
}
