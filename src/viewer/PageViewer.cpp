#include "viewer/PageViewer.h"

#include "core/Dialogs.h"
#include "viewer/ViewerHost.h"

PageViewer::PageViewer(ViewerHost& host, Dialogs& dialogs) : m_host(host), m_dialogs(dialogs) {}

PageViewer::~PageViewer()
{
    close();
}

void PageViewer::showPage(const QString& htmlFile, BrowserWindow::PageKind kind)
{
    if (!m_window) {
        m_window = new BrowserWindow(m_host, m_dialogs);
        // Exit unloads the window; the next page makes a new one.
        m_window->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_window->showPage(htmlFile, kind);
}

void PageViewer::showGuide(const QString& htmlFile)
{
    showPage(htmlFile, BrowserWindow::PageKind::Guide);
}

void PageViewer::copyBordersFromHost()
{
    if (m_window)
        m_window->copyBordersFromHost();
}

void PageViewer::showBrowserCommand()
{
    if (!m_host.hasOpenDocument()) {
        m_dialogs.critical(nothingOpenMessage());
        return;
    }
    m_host.regenerate();
}

void PageViewer::close()
{
    delete m_window.data();
}

QString PageViewer::nothingOpenMessage()
{
    return tr("Please start or open a document to view in Internal Browser.   ");
}
