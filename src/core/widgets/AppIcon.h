#pragma once

#include <QIcon>

// The program's icon: the installed theme icon, else the copy built into the program.
class AppIcon
{
public:
    static QIcon icon();
    static QPixmap pixmap(int size);
};
