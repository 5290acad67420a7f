#pragma once

#include <QByteArray>
#include <QString>

struct JpegDimensions
{
    int width = 0;
    int height = 0;
    bool operator==(const JpegDimensions&) const = default;
};

// The pixel size of a JPEG picture, read from its first start-of-frame segment. Anything else,
// a truncated file included, gives 0 × 0.
class JpegSize
{
public:
    static JpegDimensions read(const QString& path);
    static JpegDimensions fromBytes(const QByteArray& bytes);
};
