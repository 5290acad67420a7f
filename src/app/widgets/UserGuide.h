#pragma once

#include <QString>

// The user guide shipped with the program, opened in the desktop's browser.
class UserGuide
{
public:
    // The installed guide, or the one in the source tree when running from a build.
    static QString location();
    static bool open();
};
