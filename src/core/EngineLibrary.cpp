#include "core/EngineLibrary.h"

#include <QDir>
#include <QGuiApplication>
#include <QLibrary>
#include <QOpenGLContext>

// Qt keeps these in its private headers; the engine's views share their textures through this context.
Q_GUI_EXPORT QOpenGLContext* qt_gl_global_share_context();
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);

namespace {

// The engine needs one graphics context that all its views share, made before the engine's code is
// loaded. The programs do not make it at start, where it would load a graphics library even when no
// page is ever shown; it is made here, when no other context exists yet that would have to share it.
void prepareSharedContext()
{
    if (qt_gl_global_share_context() || !qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return;
    auto* context = new QOpenGLContext(QCoreApplication::instance());
    if (context->create())
        qt_gl_set_global_share_context(context);
    else
        delete context;
}

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
        prepareSharedContext();
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
