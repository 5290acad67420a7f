#pragma once

#include "app/widgets/MainWindowViewerHost.h"
#include "viewer/PageViewer.h"

#include <QObject>

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
    // Owned by `window`.
    MainWindowViewer(MainWindow& window, Dialogs& dialogs);
    ~MainWindowViewer() override;

    PageViewer& pageViewer() { return m_viewer; }
    QPushButton* showBrowserButton() const { return m_showBrowser; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showInternally(const PageShowRequest& request);
    void followExternal(const PageShowRequest& request);
    void addShowBrowserButton();

    MainWindow& m_window;
    MainWindowViewerHost m_host;
    PageViewer m_viewer;
    QPushButton* m_showBrowser = nullptr;
};
