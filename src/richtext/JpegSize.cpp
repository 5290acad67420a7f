#include "richtext/JpegSize.h"

#include <QBuffer>
#include <QFile>

namespace {

// The bytes of a file or buffer by number, read through a small window, so that finding the frame
// header costs the bytes before it and never the whole file.
class ByteWindow
{
public:
    explicit ByteWindow(QIODevice& device) : m_device(device), m_length(device.size()) {}

    qint64 length() const { return m_length; }

    // Byte number `position` counted from 1; -1 past either end, which matches no marker value.
    int at(qint64 position)
    {
        if (position < 1 || position > m_length)
            return -1;
        const qint64 offset = position - 1;
        if (offset < m_start || offset >= m_start + m_bytes.size()) {
            if (!m_device.seek(offset))
                return -1;
            m_start = offset;
            m_bytes = m_device.read(Window);
            if (m_bytes.isEmpty())
                return -1;
        }
        return static_cast<unsigned char>(m_bytes.at(offset - m_start));
    }

private:
    static constexpr qint64 Window = 4096;
    QIODevice& m_device;
    qint64 m_length;
    qint64 m_start = 0;
    QByteArray m_bytes;
};

JpegDimensions readFrom(QIODevice& device)
{
    if (device.isSequential())
        return {};
    ByteWindow bytes(device);
    const qint64 length = bytes.length();
    if (bytes.at(1) != 0xFF || bytes.at(2) != 0xD8 || bytes.at(3) != 0xFF)
        return {};
    qint64 p = 3;
    while (true) {
        int first = 0, second = 0;
        do {
            first = bytes.at(p);
            second = bytes.at(p + 1);
            ++p;
        } while (!(first == 0xFF && second != 0xFF) && p <= length);
        // The eight bytes of the segment head must all be in the file, or a size could be made up.
        if (p + 7 > length)
            return {};
        const int b0 = bytes.at(p);
        const int length16 = bytes.at(p + 1) * 256 + bytes.at(p + 2);
        if (b0 >= 0xC0 && b0 <= 0xC3)
            return {bytes.at(p + 6) * 256 + bytes.at(p + 7), bytes.at(p + 4) * 256 + bytes.at(p + 5)};
        p = p + length16 + 1;
        if (p >= length)
            return {};
    }
}

} // namespace

JpegDimensions JpegSize::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return readFrom(file);
}

JpegDimensions JpegSize::fromBytes(const QByteArray& bytes)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return readFrom(buffer);
}

JpegDimensions JpegSize::fromDevice(QIODevice& device)
{
    return readFrom(device);
}
