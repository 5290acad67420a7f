#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>

// The user guide shipped with the program, opened in the desktop's browser.
class UserGuide
{
    Q_DECLARE_TR_FUNCTIONS(UserGuide)

public:
    // The installed guide, or the one in the source tree when running from a build.
    static QString location();
    // Every place location() looks in, in order.
    static QStringList searchedPlaces();
    // Opens the guide with the desktop's opener, or when there is none with `fallback` (the
    // program's own browser window). False with the message to show when neither can.
    static bool open(const std::function<void(const QString&)>& fallback, QString* problem);
};
