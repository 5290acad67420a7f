#pragma once

#include <QApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// Every test program runs with its own data folders, never the user's. `Prepare` runs before the
// application object exists (some settings must be made that early).
#define TW_TEST_MAIN_PREPARED(TestClass, Prepare)                                                            \
    int main(int argc, char** argv)                                                                           \
    {                                                                                                         \
        Prepare;                                                                                              \
        QApplication app(argc, argv);                                                                         \
        QCoreApplication::setOrganizationName(QStringLiteral("Tallywick"));                                   \
        QCoreApplication::setApplicationName(QStringLiteral("Tallywick"));                                    \
        QStandardPaths::setTestModeEnabled(true);                                                             \
        TestClass test;                                                                                       \
        return QTest::qExec(&test, argc, argv);                                                               \
    }

#define TW_TEST_MAIN(TestClass) TW_TEST_MAIN_PREPARED(TestClass, (void)0)

namespace TestSupport {

inline QString fixture(const QString& relative)
{
    return QStringLiteral(TW_FIXTURES_DIR "/") + relative;
}

inline QString testData(const QString& relative)
{
    return QStringLiteral(TW_TEST_DATA_DIR "/") + relative;
}

// Empty when the file cannot be read.
inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The path written, so that a test can write a file where it names it; empty on failure.
inline QString writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? path : QString();
}

inline QByteArray fileHash(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

} // namespace TestSupport
