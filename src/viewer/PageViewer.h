#pragma once

#include "viewer/BrowserWindow.h"

#include <QCoreApplication>
#include <QPointer>

class Dialogs;
class ViewerHost;

// The main window's handle on the browser window. The window, and with it the web engine, is made
// only when a page is first shown, so starting the program never loads the engine.
class PageViewer
{
    Q_DECLARE_TR_FUNCTIONS(PageViewer)

public:
    PageViewer(ViewerHost& host, Dialogs& dialogs);
    ~PageViewer();
    PageViewer(const PageViewer&) = delete;
    PageViewer& operator=(const PageViewer&) = delete;

    // The Generate command's last step when the page is shown inside the program.
    void showPage(const QString& htmlFile, BrowserWindow::PageKind kind = BrowserWindow::PageKind::Priced);
    // The user guide, in the same window, when the desktop has no opener for it.
    void showGuide(const QString& htmlFile);
    // After a page went to the external browser: an open window still follows the borders box.
    void copyBordersFromHost();
    // The main window's "Generate Html in Internal Browser" button (`cmdShowBrowser`).
    void showBrowserCommand();
    // Unloads the window, as when the main window closes.
    void close();

    // Null until the first page is shown and again after Exit.
    BrowserWindow* window() const { return m_window; }

    static QString nothingOpenMessage();

private:
    ViewerHost& m_host;
    Dialogs& m_dialogs;
    QPointer<BrowserWindow> m_window;
};
