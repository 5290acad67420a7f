#pragma once

#include <QString>

class Dialogs;
class QWidget;
class ViewerHost;

// The page viewer as the main window sees it across the boundary of the web engine's own library:
// plain virtual calls, so the window's program needs neither the engine's headers nor its code.
class PageViewerHandle
{
public:
    virtual ~PageViewerHandle() = default;
    // `priced` is false for a page without money values.
    virtual void showPage(const QString& htmlFile, bool priced) = 0;
    virtual void copyBordersFromHost() = 0;
    virtual void showBrowserCommand() = 0;
    virtual void close() = 0;
    // The browser window, null until a page is shown and again after Exit.
    virtual QWidget* window() const = 0;
};

// The two entry points of the engine's library, looked up by these names.
using CreatePageViewerFunction = PageViewerHandle* (*)(ViewerHost& host, Dialogs& dialogs);
using WritePagePdfFunction = bool (*)(const QString& htmlFile, const QString& pdfFile, QString* error);
inline constexpr char CreatePageViewerSymbol[] = "tallywick_create_page_viewer";
inline constexpr char WritePagePdfSymbol[] = "tallywick_write_page_pdf";
