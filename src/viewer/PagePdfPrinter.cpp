#include "viewer/PagePdfPrinter.h"

#include "viewer/HtmlFileEncoder.h"
#include "viewer/PageScript.h"
#include "viewer/PaperLayout.h"
#include "viewer/PdfInfo.h"
#include "viewer/PdfPages.h"
#include "viewer/PrintFitScript.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QPageRanges>
#include <QTemporaryFile>
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

// A copy of the shown page goes beside the page file, so that its relative links still hold.
QString copyFolder(const QUrl& shown)
{
    const QFileInfo page(shown.toLocalFile());
    if (shown.isLocalFile() && QFileInfo(page.absolutePath()).isWritable())
        return page.absolutePath();
    return QDir::tempPath();
}

} // namespace

QPageLayout PagePdfPrinter::defaultLayout()
{
    return PaperLayout::regionalDefault();
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

std::optional<QByteArray> PagePdfPrinter::printLoaded(QWebEnginePage& page, QString* error) const
{
    // Fitting changes the page; that happens on a copy so the window never shows it.
    const auto markup = PageScript::run(page, PageScript::shownMarkup(), m_timeoutMs);
    if (!markup || markup->toString().isEmpty()) {
        setError(error, tr("The shown page could not be read."));
        return std::nullopt;
    }
    QTemporaryFile copy(QDir(copyFolder(page.url())).filePath(QStringLiteral("~print-XXXXXX.htm")));
    const QByteArray bytes = HtmlFileEncoder::encode(markup->toString());
    if (!copy.open() || copy.write(bytes) != bytes.size() || !copy.flush()) {
        setError(error, tr("The page could not be copied for printing: %1").arg(copy.errorString()));
        return std::nullopt;
    }
    copy.close();
    return printFile(copy.fileName(), error);
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
    return printFitted(page, error);
}

std::optional<QByteArray> PagePdfPrinter::printFitted(QWebEnginePage& page, QString* error) const
{
    if (!PageScript::run(page, PrintFitScript::forLayout(m_layout), m_timeoutMs)) {
        setError(error, tr("The page could not be fitted to the paper."));
        return std::nullopt;
    }
    std::optional<QByteArray> pdf = printRanges(page, QPageRanges(), error);
    if (!pdf)
        return std::nullopt;
    // An element that ends right at the foot of a sheet can still open one more, empty.
    PdfPages pages;
    if (pages.load(*pdf) && pages.pageCount() > 1 && pages.isBlank(pages.pageCount() - 1)) {
        QPageRanges ranges;
        ranges.addRange(1, pages.pageCount() - 1);
        pdf = printRanges(page, ranges, error);
        if (!pdf)
            return std::nullopt;
    }
    const QString title = PageScript::run(page, QStringLiteral("document.title"), m_timeoutMs)
                              .value_or(QVariant())
                              .toString()
                              .trimmed();
    // A file the update cannot be added to is still a good PDF, only without its title.
    return PdfInfo::withTitleAndAuthor(*pdf, title, m_author.trimmed()).value_or(*pdf);
}

std::optional<QByteArray> PagePdfPrinter::printRanges(QWebEnginePage& page, const QPageRanges& ranges,
                                                      QString* error) const
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
        m_layout, ranges);
    const bool done = waitFor(loop, result->done, m_timeoutMs);
    result->loop = nullptr;
    if (!done || result->pdf.isEmpty()) {
        setError(error, tr("The page could not be printed to PDF."));
        return std::nullopt;
    }
    return result->pdf;
}
