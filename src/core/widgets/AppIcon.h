#pragma once

#include <QIcon>

// The program's icon: the installed theme icon, else the copy built into the program.
class AppIcon
{
public:
    static QIcon icon();
    static QPixmap pixmap(int size);
    // The sizes a title bar, a task bar and a switcher show, from the built-in copy: the window
    // system is handed every size of a window's icon, so the large ones would cost each start.
    static QIcon windowIcon();
};
