#include "core/widgets/AppIcon.h"

#include <initializer_list>

static void initDesktopResources()
{
    // The resources live in a static library; nothing else would keep them in the program.
    Q_INIT_RESOURCE(desktop);
}

namespace {

QIcon builtIn(std::initializer_list<int> sizes)
{
    initDesktopResources();
    QIcon icon;
    for (int size : sizes)
        icon.addFile(QStringLiteral(":/tallywick/icons/tallywick-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

QIcon AppIcon::icon()
{
    return QIcon::fromTheme(QStringLiteral("tallywick"), builtIn({16, 32, 64, 128, 256}));
}

QPixmap AppIcon::pixmap(int size)
{
    return icon().pixmap(size, size);
}

QIcon AppIcon::windowIcon()
{
    return builtIn({16, 32, 64});
}
