#pragma once

#include "viewer/PageViewer.h"
#include "viewer/PageViewerHandle.h"

// The page viewer behind the handle the main window holds.
class LinkedPageViewer : public PageViewerHandle
{
public:
    LinkedPageViewer(ViewerHost& host, Dialogs& dialogs) : m_viewer(host, dialogs) {}

    void showPage(const QString& htmlFile, bool priced) override;
    void copyBordersFromHost() override { m_viewer.copyBordersFromHost(); }
    void showBrowserCommand() override { m_viewer.showBrowserCommand(); }
    void showGuide(const QString& htmlFile) override { m_viewer.showGuide(htmlFile); }
    void close() override { m_viewer.close(); }
    QWidget* window() const override { return m_viewer.window(); }

    static PageViewerHandle* create(ViewerHost& host, Dialogs& dialogs) { return new LinkedPageViewer(host, dialogs); }

private:
    PageViewer m_viewer;
};
