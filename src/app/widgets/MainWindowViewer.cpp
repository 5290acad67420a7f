#include "app/widgets/MainWindowViewer.h"

#include "app/widgets/MainWindow.h"
#include "core/Dialogs.h"
#include "core/EngineLibrary.h"
#include "html/PageShower.h"

#include <QBoxLayout>
#include <QEvent>
#include <QPushButton>

MainWindowViewer::MainWindowViewer(MainWindow& window, Dialogs& dialogs, CreatePageViewerFunction create)
    : QObject(&window), m_window(window), m_dialogs(dialogs), m_host(window), m_create(create)
{
    setObjectName(QStringLiteral("mainWindowViewer"));
    window.setPageViewer([this](const PageShowRequest& request) { showInternally(request); },
                         [this](const PageShowRequest& request) { followExternal(request); });
    window.setGuideViewer([this](const QString& guide) {
        if (PageViewerHandle* shown = viewer())
            shown->showGuide(guide);
    });
    addShowBrowserButton();
    window.installEventFilter(this);
}

// Deleted with the main window's children, after its own members: nothing of it may be touched here.
MainWindowViewer::~MainWindowViewer() = default;

PageViewerHandle* MainWindowViewer::viewer()
{
    if (!m_viewer) {
        QString error;
        if (!m_create)
            m_create = reinterpret_cast<CreatePageViewerFunction>(EngineLibrary::resolve(CreatePageViewerSymbol, &error));
        if (!m_create) {
            m_dialogs.critical(error);
            return nullptr;
        }
        m_viewer.reset(m_create(m_host, m_dialogs));
    }
    return m_viewer.get();
}

void MainWindowViewer::showInternally(const PageShowRequest& request)
{
    if (PageViewerHandle* shown = viewer())
        shown->showPage(request.path, request.setViewerBorders);
}

void MainWindowViewer::followExternal(const PageShowRequest& request)
{
    // Without a viewer made yet there is no open browser window to follow the borders box.
    if (request.setViewerBorders && m_viewer)
        m_viewer->copyBordersFromHost();
}

void MainWindowViewer::addShowBrowserButton()
{
    m_showBrowser = new QPushButton(tr("Generate Html in Internal Browser"));
    m_showBrowser->setObjectName(QStringLiteral("cmdShowBrowser"));
    connect(m_showBrowser, &QPushButton::clicked, this, [this] {
        if (PageViewerHandle* shown = viewer())
            shown->showBrowserCommand();
    });
    // Next to "Html", which it runs; at the end of the window's top bar if that ever moves.
    auto* html = m_window.findChild<QPushButton*>(QStringLiteral("cmdHtml"));
    QWidget* bar = html ? html->parentWidget() : nullptr;
    auto* row = bar ? qobject_cast<QBoxLayout*>(bar->layout()) : nullptr;
    if (row) {
        m_showBrowser->setParent(bar);
        row->insertWidget(row->indexOf(html) + 1, m_showBrowser);
    } else {
        m_showBrowser->setParent(&m_window);
    }
}

bool MainWindowViewer::eventFilter(QObject* watched, QEvent* event)
{
    // Closing hides the main window from code (minimising hides it spontaneously): the browser,
    // a window of its own, would otherwise keep the program running.
    if (watched == &m_window && event->type() == QEvent::Hide && !event->spontaneous())
        if (m_viewer)
            m_viewer->close();
    return QObject::eventFilter(watched, event);
}
