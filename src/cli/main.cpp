#include "cli/CliApp.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char** argv)
{
    // A GUI application object: the page and its PDF are laid out with the same fonts as the window.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Tallywick"));
    QCoreApplication::setApplicationName(QStringLiteral("Tallywick"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TALLYWICK_VERSION));
    return CliApp().run(QCoreApplication::arguments());
}
