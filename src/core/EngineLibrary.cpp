#include "core/EngineLibrary.h"

#include <QDir>
#include <QLibrary>

namespace {

QLibrary*& library()
{
    static QLibrary* loaded = nullptr;
    return loaded;
}

// Beside the program in the build tree, in the program's own library folder once installed.
QStringList candidates()
{
    const QString name = QStringLiteral("libtallywick-webview.so");
    QStringList paths{QDir(QCoreApplication::applicationDirPath()).filePath(name)};
#ifdef TALLYWICK_ENGINE_DIR
    paths << QDir(QStringLiteral(TALLYWICK_ENGINE_DIR)).filePath(name);
#endif
    return paths;
}

} // namespace

QFunctionPointer EngineLibrary::resolve(const char* symbol, QString* error)
{
    if (!library()) {
        QString reasons;
        for (const QString& path : candidates()) {
            if (!QFile::exists(path))
                continue;
            auto* candidate = new QLibrary(path);
            if (candidate->load()) {
                library() = candidate;
                break;
            }
            reasons += candidate->errorString() + QLatin1Char('\n');
            delete candidate;
        }
        if (!library()) {
            if (error)
                *error = tr("The page viewer's library could not be loaded.") + QLatin1Char('\n') + reasons.trimmed();
            return nullptr;
        }
    }
    const QFunctionPointer function = library()->resolve(symbol);
    if (!function && error)
        *error = library()->errorString();
    return function;
}

bool EngineLibrary::isLoaded()
{
    return library() != nullptr;
}
