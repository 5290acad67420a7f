#include "cli/CliApp.h"

#include <QApplication>
#include <QLocale>
#include <QLoggingCategory>

#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

// PDF output runs the web engine, which shares its graphics context and, for root (as in CI), must
// run without its sandbox; both must be arranged before the application object exists.
// The note is given only when the engine will really run, so that other commands' output on
// standard error stays exactly their messages.
void prepareWebEngine(bool printsPdf)
{
    // Only a PDF loads the engine's library; the other commands never set up OpenGL.
    if (printsPdf)
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX")) {
        if (printsPdf)
            std::fputs("tallywick-cli: running as root, so the page printer runs without its sandbox.\n", stderr);
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
    // Without a graphics card the engine reports its whole set-up; the PDF comes out all the same,
    // so a terminal user is spared that report (QT_LOGGING_RULES still turns it back on).
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false\nqt.webenginecontext.warning=false"));
}

bool asksForPdf(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--pdf") == 0 || std::strcmp(argv[i], "--facturx") == 0)
            return true;
    }
    return false;
}

// Commands that only read and write the database, JSON and text: they run without the window
// system's start-up (platform, fonts), which would be most of their time.
bool needsNoWindowSystem(int argc, char** argv)
{
    static const char* const plain[] = {"list", "show", "save", "delete", "purge", "compact", "init", "copy-db",
                                        "next-number", "journal", "customers", "products", "company", "calc"};
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (std::strcmp(argument, "--db") == 0 || std::strcmp(argument, "--locale") == 0) {
            ++i;
            continue;
        }
        if (std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0
            || std::strcmp(argument, "--version") == 0)
            return true;
        if (argument[0] == '-')
            continue;
        for (const char* command : plain) {
            if (std::strcmp(argument, command) == 0)
                return true;
        }
        return false;
    }
    return true;
}

int run()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Tallywick"));
    QCoreApplication::setApplicationName(QStringLiteral("Tallywick"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TALLYWICK_VERSION));
    return CliApp().run(QCoreApplication::arguments());
}

} // namespace

int main(int argc, char** argv)
{
    if (needsNoWindowSystem(argc, argv)) {
        QCoreApplication app(argc, argv);
        return run();
    }
    // A GUI application object: the page and its PDF are laid out with the same fonts as the window.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    prepareWebEngine(asksForPdf(argc, argv));
    QApplication app(argc, argv);
    return run();
}
