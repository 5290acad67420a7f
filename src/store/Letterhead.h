#pragma once

#include <QString>

class SettingsStore;

// The four letterhead choices kept in the user's settings, as stored ("" when absent), and the
// program's short date setting the page writes its date with (not part of a stored document).
struct Letterhead
{
    QString logoPath;
    QString layout;
    QString alignLeft;
    QString addressRight;
    QString dateFormat = QString();

    static Letterhead fromSettings(const SettingsStore& settings);
    bool operator==(const Letterhead&) const = default;
};
