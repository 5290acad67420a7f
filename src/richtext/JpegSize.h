#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

struct JpegDimensions
{
    int width = 0;
    int height = 0;
    bool operator==(const JpegDimensions&) const = default;
};

// The pixel size of a JPEG picture, read from its first start-of-frame segment. Anything else,
// a truncated file included, gives 0 × 0. Only the bytes up to that segment are read, a few
// kilobytes at a time, however large the file.
class JpegSize
{
public:
    static JpegDimensions read(const QString& path);
    static JpegDimensions fromBytes(const QByteArray& bytes);
    // From an open, seekable device, reading from its start.
    static JpegDimensions fromDevice(QIODevice& device);
};
