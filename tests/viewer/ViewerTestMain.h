#pragma once

#include "TestSupport.h"

// The web engine shares its graphics context with the widgets; that must be said before the
// application object exists, as the program's own main does.
#define TW_VIEWER_TEST_MAIN(TestClass)                                                                       \
    int main(int argc, char** argv)                                                                           \
    {                                                                                                         \
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);                                          \
        QApplication app(argc, argv);                                                                         \
        QCoreApplication::setOrganizationName(QStringLiteral("Tallywick"));                                   \
        QCoreApplication::setApplicationName(QStringLiteral("Tallywick"));                                    \
        QStandardPaths::setTestModeEnabled(true);                                                             \
        TestClass test;                                                                                       \
        return QTest::qExec(&test, argc, argv);                                                               \
    }
