#include "core/AppPaths.h"
#include "core/SettingsStore.h"
#include "app/SingleInstanceLock.h"
#include "app/widgets/MainWindow.h"
#include "core/widgets/MessageBoxDialogs.h"
#include "store/Database.h"

#ifdef TALLYWICK_HAVE_VIEWER
#include "app/widgets/MainWindowViewer.h"
#endif

#include <QApplication>

#include <cstdio>
#include <unistd.h>

namespace {

bool haveDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
           || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

void prepareWebEngine()
{
    // The page viewer's library is loaded only when a page is first shown; the engine then makes
    // its own shared graphics context, so a start without pages never sets up OpenGL.
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX")) {
        std::fputs("tallywick: running as root, so the page viewer runs without its sandbox.\n", stderr);
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (!haveDisplay()) {
        std::fputs("tallywick: no display to show the window on (DISPLAY and WAYLAND_DISPLAY are unset).\n"
                   "Start it from a desktop session, or use tallywick-cli for work without a window.\n",
                   stderr);
        return 1;
    }
    prepareWebEngine();
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Tallywick"));
    QCoreApplication::setApplicationName(QStringLiteral("Tallywick"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TALLYWICK_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tallywick.Tallywick"));

    MessageBoxDialogs dialogs;
    SingleInstanceLock lock;
    if (!lock.acquire()) {
        dialogs.warn(SingleInstanceLock::alreadyOpenMessage());
        return 0;
    }

    SettingsStore settings;
    Database database;
    MainWindow window(settings, database, dialogs);
    dialogs.setParent(&window);
#ifdef TALLYWICK_HAVE_VIEWER
    new MainWindowViewer(window, dialogs); // owned by the window
#endif
    if (!window.load(AppPaths::defaultDatabase()))
        return 1;
    window.show();
    return app.exec();
}
