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
    // Shows the user guide's page in the browser window, for desktops without an opener.
    virtual void showGuide(const QString& htmlFile) = 0;
    virtual void close() = 0;
    // The browser window, null until a page is shown and again after Exit.
    virtual QWidget* window() const = 0;
};

// How a page file is laid out when it is printed to PDF without a window.
struct PagePdfOptions
{
    QString paper;     // "a4" or "letter"; empty for the remembered Page Setup
    QString pageSetup; // the remembered Page Setup; empty for the paper of the user's region
    QString author;    // the company issuing the document
};

// The two entry points of the engine's library, looked up by these names.
using CreatePageViewerFunction = PageViewerHandle* (*)(ViewerHost& host, Dialogs& dialogs);
using WritePagePdfFunction = bool (*)(const QString& htmlFile, const QString& pdfFile, const PagePdfOptions& options,
                                      QString* error);
inline constexpr char CreatePageViewerSymbol[] = "tallywick_create_page_viewer";
inline constexpr char WritePagePdfSymbol[] = "tallywick_write_page_pdf";
