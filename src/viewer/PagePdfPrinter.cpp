#include "viewer/PagePdfPrinter.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QLocale>
#include <QMarginsF>
#include <QPageSize>
#include <QTimer>
#include <QWebEnginePage>

#include <memory>

namespace {

// Runs `loop` until `done` is set or the time runs out; true when done.
bool waitFor(QEventLoop& loop, const bool& done, int timeoutMs)
{
    if (done)
        return true;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(timeoutMs);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return done;
}

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

} // namespace

QPageLayout PagePdfPrinter::defaultLayout()
{
    const bool letter = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    return QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(12.7, 12.7, 12.7, 12.7), QPageLayout::Millimeter);
}

PagePdfPrinter::PagePdfPrinter(QPageLayout layout, int timeoutMs) : m_layout(std::move(layout)), m_timeoutMs(timeoutMs)
{
}

std::optional<QByteArray> PagePdfPrinter::printFile(const QString& htmlFile, QString* error) const
{
    if (!QFileInfo(htmlFile).isFile()) {
        setError(error, tr("The page %1 does not exist.").arg(htmlFile));
        return std::nullopt;
    }
    QWebEnginePage page;
    const QUrl url = QUrl::fromLocalFile(QFileInfo(htmlFile).absoluteFilePath());
    return loadAndPrint(page, [&page, url] { page.load(url); }, error);
}

std::optional<QByteArray> PagePdfPrinter::printHtml(const QString& html, const QUrl& baseUrl, QString* error) const
{
    QWebEnginePage page;
    return loadAndPrint(page, [&page, html, baseUrl] { page.setHtml(html, baseUrl); }, error);
}

std::optional<QByteArray> PagePdfPrinter::loadAndPrint(QWebEnginePage& page, const std::function<void()>& startLoad,
                                                       QString* error) const
{
    QEventLoop loop;
    bool loaded = false;
    bool ok = false;
    QObject::connect(&page, &QWebEnginePage::loadFinished, &loop, [&](bool success) {
        loaded = true;
        ok = success;
        loop.quit();
    });
    startLoad();
    if (!waitFor(loop, loaded, m_timeoutMs)) {
        setError(error, tr("The page did not finish loading."));
        return std::nullopt;
    }
    if (!ok) {
        setError(error, tr("The page could not be loaded."));
        return std::nullopt;
    }
    return printLoaded(page, error);
}

std::optional<QByteArray> PagePdfPrinter::printLoaded(QWebEnginePage& page, QString* error) const
{
    // The engine may answer after we gave up waiting; the shared state outlives this call then.
    struct Result
    {
        bool done = false;
        QByteArray pdf;
        QEventLoop* loop = nullptr;
    };
    auto result = std::make_shared<Result>();
    QEventLoop loop;
    result->loop = &loop;
    page.printToPdf(
        [result](const QByteArray& pdf) {
            result->done = true;
            result->pdf = pdf;
            if (result->loop)
                result->loop->quit();
        },
        m_layout);
    const bool done = waitFor(loop, result->done, m_timeoutMs);
    result->loop = nullptr;
    if (!done || result->pdf.isEmpty()) {
        setError(error, tr("The page could not be printed to PDF."));
        return std::nullopt;
    }
    return result->pdf;
}
