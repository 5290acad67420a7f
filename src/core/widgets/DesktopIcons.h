#pragma once

#include <QIcon>

// Icons for the common commands: the desktop's icon theme where it has one, else a built-in one,
// so that a button never shows an empty space.
namespace DesktopIcons {

enum class Kind { Save, Print, Open, Delete, Help, About };

QIcon icon(Kind kind);
// The name the icon theme knows the command by.
QString themeName(Kind kind);

} // namespace DesktopIcons
