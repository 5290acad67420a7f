#pragma once

#include "app/widgets/MainWindowViewerHost.h"
#include "viewer/PageViewerHandle.h"

#include <QObject>

#include <memory>

class Dialogs;
class MainWindow;
class QPushButton;
struct PageShowRequest;

// Puts the internal browser window behind the main window: generated pages are shown in it unless
// the user asked for the external browser, the main window gets its show-browser button, and the
// browser goes away with the main window.
class MainWindowViewer : public QObject
{
    Q_OBJECT

public:
    // Owned by `window`. The viewer is made by `create` when first needed; by default it comes from
    // the engine's library, loaded then.
    MainWindowViewer(MainWindow& window, Dialogs& dialogs, CreatePageViewerFunction create = nullptr);
    ~MainWindowViewer() override;

    // The browser window, null while none is shown.
    QWidget* browserWindow() const { return m_viewer ? m_viewer->window() : nullptr; }
    QPushButton* showBrowserButton() const { return m_showBrowser; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showInternally(const PageShowRequest& request);
    void followExternal(const PageShowRequest& request);
    void addShowBrowserButton();
    PageViewerHandle* viewer();

    MainWindow& m_window;
    Dialogs& m_dialogs;
    MainWindowViewerHost m_host;
    CreatePageViewerFunction m_create;
    std::unique_ptr<PageViewerHandle> m_viewer;
    QPushButton* m_showBrowser = nullptr;
};
