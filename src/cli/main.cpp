#include "cli/CliApp.h"

#include <QApplication>
#include <QLocale>

#include <cstdio>
#include <unistd.h>

namespace {

// PDF output runs the web engine, which shares its graphics context and, for root (as in CI), must
// run without its sandbox; both must be arranged before the application object exists.
void prepareWebEngine()
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX")) {
        std::fputs("tallywick-cli: running as root, so the page printer runs without its sandbox.\n", stderr);
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
}

} // namespace

int main(int argc, char** argv)
{
    // A GUI application object: the page and its PDF are laid out with the same fonts as the window.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    prepareWebEngine();
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Tallywick"));
    QCoreApplication::setApplicationName(QStringLiteral("Tallywick"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TALLYWICK_VERSION));
    return CliApp().run(QCoreApplication::arguments());
}
