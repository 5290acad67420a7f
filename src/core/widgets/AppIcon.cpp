#include "core/widgets/AppIcon.h"

static void initDesktopResources()
{
    // The resources live in a static library; nothing else would keep them in the program.
    Q_INIT_RESOURCE(desktop);
}

QIcon AppIcon::icon()
{
    initDesktopResources();
    QIcon builtIn;
    for (int size : {16, 32, 64, 128, 256})
        builtIn.addFile(QStringLiteral(":/tallywick/icons/tallywick-%1.png").arg(size), QSize(size, size));
    return QIcon::fromTheme(QStringLiteral("tallywick"), builtIn);
}

QPixmap AppIcon::pixmap(int size)
{
    return icon().pixmap(size, size);
}
