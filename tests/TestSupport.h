#pragma once

#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// Every test program runs with its own data folders, never the user's.
#define TW_TEST_MAIN(TestClass)                                                                              \
    int main(int argc, char** argv)                                                                           \
    {                                                                                                         \
        QApplication app(argc, argv);                                                                         \
        QCoreApplication::setOrganizationName(QStringLiteral("Tallywick"));                                   \
        QCoreApplication::setApplicationName(QStringLiteral("Tallywick"));                                    \
        QStandardPaths::setTestModeEnabled(true);                                                             \
        TestClass test;                                                                                       \
        return QTest::qExec(&test, argc, argv);                                                               \
    }

namespace TestSupport {

inline QString fixture(const QString& relative)
{
    return QStringLiteral(TW_FIXTURES_DIR "/") + relative;
}

inline QString testData(const QString& relative)
{
    return QStringLiteral(TW_TEST_DATA_DIR "/") + relative;
}

} // namespace TestSupport
