#include "viewer/LinkedPageViewer.h"

void LinkedPageViewer::showPage(const QString& htmlFile, bool priced)
{
    m_viewer.showPage(htmlFile, priced ? BrowserWindow::PageKind::Priced : BrowserWindow::PageKind::MoneyFree);
}
