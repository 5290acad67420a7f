#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The sRGB colour profile a PDF/A file names as its output intent, read from the system's colour
// profiles (Debian packages icc-profiles-free or colord-data).
class SrgbProfile
{
public:
    struct Result
    {
        bool ok = false;
        QByteArray profile;
        QString message; // why none was found
    };

    static QStringList standardLocations();
    static Result load(const QStringList& candidates = standardLocations());
    // An ICC profile of an RGB device: the header's signature and colour space.
    static bool isRgbProfile(const QByteArray& bytes);
};
