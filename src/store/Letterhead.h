#pragma once

#include <QString>

class SettingsStore;

// The four letterhead choices kept in the user's settings, as stored ("" when absent).
struct Letterhead
{
    QString logoPath;
    QString layout;
    QString alignLeft;
    QString addressRight;

    static Letterhead fromSettings(const SettingsStore& settings);
    bool operator==(const Letterhead&) const = default;
};
