#include "app/widgets/MainWindow.h"

#include "app/AppPaths.h"
#include "app/CloseQuestion.h"
#include "app/Dialogs.h"
#include "app/SettingsStore.h"
#include "app/ShortcutHint.h"
#include "app/widgets/AboutDialog.h"
#include "app/widgets/AppIcon.h"
#include "app/widgets/UserGuide.h"
#include "documents/widgets/SavedDocsPanel.h"
#include "editor/widgets/GridPanel.h"
#include "editor/widgets/HeaderPanel.h"
#include "editor/widgets/NotesPanel.h"
#include "editor/widgets/TotalsPanel.h"
#include "store/CompanyRepository.h"
#include "store/Database.h"
#include "store/DatabaseOpener.h"
#include "store/widgets/SettingsPanel.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QScrollArea>
#include <QVBoxLayout>

MainWindow::MainWindow(SettingsStore& settings, Database& database, Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent),
      m_settings(settings),
      m_database(database),
      m_dialogs(dialogs),
      m_header(new HeaderPanel(settings, this)),
      m_grid(new GridPanel(this)),
      m_totals(new TotalsPanel(this)),
      m_notes(new NotesPanel(this)),
      m_settingsPanel(new SettingsPanel(this)),
      m_savedDocs(new SavedDocsPanel(this)),
      m_showSettings(new QCheckBox(tr("Settings"), this)),
      m_page(new QScrollArea(this))
{
    setObjectName(QStringLiteral("frmInvoice"));
    setWindowTitle(Dialogs::applicationTitle());
    setWindowIcon(AppIcon::icon());
    m_showSettings->setObjectName(QStringLiteral("chkshowsettings"));
    buildMenus();
    buildPanels();
    connect(m_showSettings, &QCheckBox::toggled, this, &MainWindow::setSettingsPanelVisible);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus()
{
    QMenu* tools = menuBar()->addMenu(tr("Tools"));
    tools->setObjectName(QStringLiteral("mnutools"));
    QAction* settings = tools->addAction(tr("Settings"), this, [this] { m_showSettings->setChecked(true); });
    settings->setObjectName(QStringLiteral("mnusettings"));
    tools->addSeparator();
    addCommand(tools, QStringLiteral("actSave"), tr("Save"), QKeySequence(Qt::CTRL | Qt::Key_S),
               &MainWindow::saveDocument);
    addCommand(tools, QStringLiteral("actGenerate"), tr("Generate and Preview"),
               QKeySequence(Qt::CTRL | Qt::Key_P), &MainWindow::generateDocument);
    addCommand(tools, QStringLiteral("actCreateRows"), tr("Create Rows"), QKeySequence(Qt::CTRL | Qt::Key_N),
               &MainWindow::createNewRows);
    addCommand(tools, QStringLiteral("actOpenSaved"), tr("Open Saved File"),
               QKeySequence(Qt::CTRL | Qt::Key_O), &MainWindow::focusSavedDocuments);

    QMenu* info = menuBar()->addMenu(tr("Info"));
    info->setObjectName(QStringLiteral("mnuhelp"));
    addCommand(info, QStringLiteral("mnuFeatureGuide"), tr("Help Online"), QKeySequence(Qt::Key_F1),
               &MainWindow::openUserGuide);
    QAction* about = info->addAction(tr("About"), this, &MainWindow::showAbout);
    about->setObjectName(QStringLiteral("mnuabout"));
}

QAction* MainWindow::addCommand(QMenu* menu, const QString& name, const QString& text,
                                const QKeySequence& keys, void (MainWindow::*slot)())
{
    QAction* action = menu->addAction(text, this, slot);
    action->setObjectName(name);
    ShortcutHint::apply(action, keys);
    return action;
}

void MainWindow::buildPanels()
{
    auto* topBar = new QWidget(this);
    topBar->setObjectName(QStringLiteral("FrameTopMost"));
    auto* topLayout = new QHBoxLayout(topBar);
    topLayout->setContentsMargins(0, 0, 0, 0);
    topLayout->addWidget(m_savedDocs, 1);
    topLayout->addWidget(m_showSettings);

    auto* inner = new QWidget;
    inner->setObjectName(QStringLiteral("PicInner"));
    auto* column = new QVBoxLayout(inner);
    column->addWidget(topBar);
    column->addWidget(m_header);
    column->addWidget(m_grid);
    column->addWidget(m_totals);
    column->addWidget(m_notes);
    column->addStretch(1);

    m_page->setObjectName(QStringLiteral("PicOuter"));
    m_page->setWidgetResizable(true);
    m_page->setWidget(inner);
    setCentralWidget(m_page);

    m_settingsPanel->setParent(m_page);
    m_settingsPanel->hide();
}

bool MainWindow::load(const QString& defaultDatabasePath)
{
    m_header->fillPickLists();
    m_header->restoreBillToTerm();
    QString message;
    if (!DatabaseOpener::open(m_database, m_settings, defaultDatabasePath, &message)) {
        m_dialogs.critical(message);
        return false;
    }
    QString error;
    if (!CompanyRepository(m_database).loadInto(m_company, &error)) {
        m_dialogs.plain(error);
        return true;
    }
    return true;
}

Document MainWindow::document() const
{
    Document document;
    document.company = m_company;
    document.letterhead = Letterhead::fromSettings(m_settings);
    m_header->readInto(document);
    m_grid->readInto(document);
    m_totals->readInto(document);
    m_notes->readInto(document);
    return document;
}

void MainWindow::showDocument(const Document& document)
{
    m_header->showFrom(document);
    m_grid->showFrom(document);
    m_totals->showFrom(document);
    m_notes->showFrom(document);
}

void MainWindow::saveDocument()
{
    // The save command arrives with document storage.
}

void MainWindow::generateDocument()
{
    // The Generate command arrives with the page generator.
}

void MainWindow::createNewRows()
{
    // "Create Rows" in "New" mode arrives with the line-item grid.
}

void MainWindow::focusSavedDocuments()
{
    m_savedDocs->setFocus(Qt::ShortcutFocusReason);
}

void MainWindow::assignAutoNumber()
{
    // The automatic number arrives with the editor's field behaviour.
}

void MainWindow::showAbout()
{
    auto* about = new AboutDialog(m_database.path(), m_settings.fileName(), this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->show();
}

void MainWindow::openUserGuide()
{
    if (!UserGuide::open())
        m_dialogs.warn(tr("The user guide could not be found or opened."));
}

void MainWindow::setSettingsPanelVisible(bool visible)
{
    m_settingsPanel->setVisible(visible);
    if (visible)
        m_settingsPanel->raise();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_activatedOnce) {
        m_activatedOnce = true;
        setWindowState(windowState() | Qt::WindowMaximized);
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    switch (CloseQuestion::ask(m_dialogs, m_grid->rowCount())) {
    case CloseQuestion::Outcome::StayOpen:
        event->ignore();
        return;
    case CloseQuestion::Outcome::SaveThenClose:
        if (document().docNumber.trimmed().isEmpty()) {
            assignAutoNumber();
            m_dialogs.inform(tr("An auto document no. has been assigned."));
        }
        saveDocument();
        break;
    case CloseQuestion::Outcome::Close:
        break;
    }
    event->accept();
}
