#include "viewer/PageScript.h"

#include <QEventLoop>
#include <QTimer>
#include <QWebEnginePage>

#include <memory>

std::optional<QVariant> PageScript::run(QWebEnginePage& page, const QString& script, int timeoutMs)
{
    // The answer may come after we stopped waiting; the shared state outlives this call then.
    struct Result
    {
        bool done = false;
        QVariant value;
        QEventLoop* loop = nullptr;
    };
    auto result = std::make_shared<Result>();
    QEventLoop loop;
    result->loop = &loop;
    page.runJavaScript(script, [result](const QVariant& value) {
        result->done = true;
        result->value = value;
        if (result->loop)
            result->loop->quit();
    });
    if (!result->done) {
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    result->loop = nullptr;
    if (!result->done)
        return std::nullopt;
    return result->value;
}

QString PageScript::makeEditable()
{
    return QStringLiteral("document.body.contentEditable = 'true'; document.designMode='on'; void 0");
}

QString PageScript::shownMarkup()
{
    return QStringLiteral(
        "(function() {"
        "  var root = document.documentElement.cloneNode(true);"
        "  root.removeAttribute('contenteditable');"
        "  root.querySelectorAll('[contenteditable]').forEach(function(e) { e.removeAttribute('contenteditable'); });"
        "  var type = document.doctype ? '<!DOCTYPE ' + document.doctype.name + '>\\n' : '';"
        "  return type + root.outerHTML;"
        "})()");
}
