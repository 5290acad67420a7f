#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QPageLayout>
#include <QString>
#include <QUrl>

#include <functional>

#include <optional>

class QWebEnginePage;

// Prints an HTML page to PDF through the web engine, without a window: the page is laid out by the
// engine's own print path, so the text stays selectable and long tables flow over as many pages as
// they need, inside the layout's margins. Every call waits in a local event loop until it is done.
class PagePdfPrinter
{
    Q_DECLARE_TR_FUNCTIONS(PagePdfPrinter)

public:
    // The paper of the user's region, portrait, with half-inch margins all round.
    static QPageLayout defaultLayout();

    explicit PagePdfPrinter(QPageLayout layout = defaultLayout(), int timeoutMs = 60000);

    std::optional<QByteArray> printFile(const QString& htmlFile, QString* error) const;
    std::optional<QByteArray> printHtml(const QString& html, const QUrl& baseUrl, QString* error) const;
    // Prints a page that is already loaded (with whatever the user changed in it).
    std::optional<QByteArray> printLoaded(QWebEnginePage& page, QString* error) const;

private:
    std::optional<QByteArray> loadAndPrint(QWebEnginePage& page, const std::function<void()>& startLoad,
                                           QString* error) const;

    QPageLayout m_layout;
    int m_timeoutMs;
};
