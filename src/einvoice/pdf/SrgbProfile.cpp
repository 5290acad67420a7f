#include "einvoice/pdf/SrgbProfile.h"

#include <QCoreApplication>
#include <QFile>

namespace {

// Real sRGB profiles are a few kilobytes; anything far larger is not one.
constexpr qint64 MaxProfileSize = 1 << 20;

} // namespace

QStringList SrgbProfile::standardLocations()
{
    return {QStringLiteral("/usr/share/color/icc/sRGB.icc"),
            QStringLiteral("/usr/share/color/icc/colord/sRGB.icc"),
            QStringLiteral("/usr/share/color/icc/ghostscript/srgb.icc")};
}

bool SrgbProfile::isRgbProfile(const QByteArray& bytes)
{
    return bytes.size() >= 128 && bytes.mid(36, 4) == "acsp" && bytes.mid(16, 4) == "RGB ";
}

SrgbProfile::Result SrgbProfile::load(const QStringList& candidates)
{
    for (const QString& path : candidates) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly) || file.size() > MaxProfileSize)
            continue;
        const QByteArray bytes = file.readAll();
        if (isRgbProfile(bytes))
            return {true, bytes, {}};
    }
    return {false,
            {},
            QCoreApplication::translate(
                "SrgbProfile", "No sRGB colour profile was found (looked for %1). Install the package "
                               "icc-profiles-free or colord-data.")
                .arg(candidates.join(QStringLiteral(", ")))};
}
