#include "richtext/ImageTag.h"

#include "richtext/JpegSize.h"

#include <cmath>

QString ImageTag::fileUrl(const QString& path)
{
    QString url = path;
    url.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (url.startsWith(QLatin1Char('/')))
        url.remove(0, 1);
    return QStringLiteral("file:///") + url;
}

std::optional<int> ImageTag::heightAt200(int width, int height)
{
    if (width <= 0)
        return std::nullopt;
    const double scaled = static_cast<double>(height) / width * Width;
    return static_cast<int>(std::nearbyint(scaled));  // the default rounding mode takes halves to even
}

QString ImageTag::text(const QString& path, int height)
{
    return QStringLiteral("<img border=\"0\" src=\"") + fileUrl(path) + QStringLiteral("\" width=\"")
           + QString::number(Width) + QStringLiteral("\" height=\"") + QString::number(height) + QStringLiteral("\"> ");
}

std::optional<QString> ImageTag::forFile(const QString& path)
{
    const JpegDimensions size = JpegSize::read(path);
    const auto height = heightAt200(size.width, size.height);
    if (!height)
        return std::nullopt;
    return text(path, *height);
}
