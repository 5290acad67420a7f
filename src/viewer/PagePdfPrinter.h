#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QPageLayout>
#include <QString>
#include <QUrl>

#include <functional>
#include <optional>

class QPageRanges;
class QWebEnginePage;

// Prints an HTML page to PDF through the web engine, without a window: the page is laid out by the
// engine's own print path, so the text stays selectable and the fonts embedded. Before printing it
// is fitted to the paper (see PrintFitScript); a trailing empty sheet is left out. Every call waits
// in a local event loop until it is done.
class PagePdfPrinter
{
    Q_DECLARE_TR_FUNCTIONS(PagePdfPrinter)

public:
    // The paper of the user's region, portrait, with half-inch margins all round.
    static QPageLayout defaultLayout();

    explicit PagePdfPrinter(QPageLayout layout = defaultLayout(), int timeoutMs = 60000);

    // The PDF's author, the company that issues the document; its title is the page's title.
    void setAuthor(const QString& author) { m_author = author; }

    std::optional<QByteArray> printFile(const QString& htmlFile, QString* error) const;
    // Prints the page as shown, with whatever the user changed in it; the shown page is left as it is.
    std::optional<QByteArray> printLoaded(QWebEnginePage& page, QString* error) const;

private:
    std::optional<QByteArray> loadAndPrint(QWebEnginePage& page, const std::function<void()>& startLoad,
                                           QString* error) const;
    std::optional<QByteArray> printFitted(QWebEnginePage& page, QString* error) const;
    std::optional<QByteArray> printRanges(QWebEnginePage& page, const QPageRanges& ranges, QString* error) const;

    QPageLayout m_layout;
    int m_timeoutMs;
    QString m_author;
};
