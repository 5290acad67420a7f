#include "app/widgets/MainWindow.h"

#include "app/AppPaths.h"
#include "app/CloseQuestion.h"
#include "app/Dialogs.h"
#include "app/SettingsStore.h"
#include "app/widgets/AboutDialog.h"
#include "app/widgets/UserGuide.h"
#include "documents/widgets/DocumentsController.h"
#include "documents/widgets/SavedDocsPanel.h"
#include "editor/widgets/GridPanel.h"
#include "editor/widgets/HeaderPanel.h"
#include "editor/widgets/NotesPanel.h"
#include "editor/widgets/TotalsPanel.h"
#include "store/CompanyRepository.h"
#include "store/Database.h"
#include "store/DatabaseOpener.h"
#include "store/widgets/MaintenancePanel.h"
#include "store/widgets/SettingsPanel.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
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
      m_showSettings(new QCheckBox(QStringLiteral("Settings"), this)),
      m_page(new QScrollArea(this))
{
    setObjectName(QStringLiteral("frmInvoice"));
    setWindowTitle(Dialogs::applicationTitle());
    m_showSettings->setObjectName(QStringLiteral("chkshowsettings"));
    buildMenus();
    buildPanels();
    buildDocumentCommands();
    connect(m_showSettings, &QCheckBox::toggled, this, &MainWindow::setSettingsPanelVisible);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus()
{
    QMenu* tools = menuBar()->addMenu(QStringLiteral("Tools"));
    tools->setObjectName(QStringLiteral("mnutools"));
    QAction* settings = tools->addAction(QStringLiteral("Settings"), this, [this] { m_showSettings->setChecked(true); });
    settings->setObjectName(QStringLiteral("mnusettings"));

    QMenu* info = menuBar()->addMenu(QStringLiteral("Info"));
    info->setObjectName(QStringLiteral("mnuhelp"));
    QAction* guide = info->addAction(QStringLiteral("Help Online"), this, &MainWindow::openUserGuide);
    guide->setObjectName(QStringLiteral("mnuFeatureGuide"));
    QAction* about = info->addAction(QStringLiteral("About"), this, &MainWindow::showAbout);
    about->setObjectName(QStringLiteral("mnuabout"));
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

void MainWindow::buildDocumentCommands()
{
    DocumentsController::Window window;
    window.document = [this] { return document(); };
    window.showDocument = [this](const Document& shown) { showDocument(shown); };
    window.currentLabel = [this](const QString& caption, bool highlighted) { showCurrentDocLabel(caption, highlighted); };
    window.documentOpen = [this] { return m_grid->rowCount() > 0; };
    window.createQuietNewRow = [this] { createQuietNewRow(); };
    window.focusDocNumber = [this] { m_header->docNumberEdit()->setFocus(); };
    m_documents = new DocumentsController(m_database, m_dialogs, m_savedDocs, std::move(window), this);
    // The settings page embeds the upkeep controls; a purge changes the saved-document list.
    if (auto* maintenance = m_settingsPanel->findChild<MaintenancePanel*>()) {
        maintenance->attach(m_database, m_dialogs);
        connect(maintenance, &MaintenancePanel::documentsChanged, m_documents, &DocumentsController::loadDocs);
    }
}

void MainWindow::showCurrentDocLabel(const QString& caption, bool highlighted)
{
    QLabel* label = m_header->currentDocLabel();
    label->setText(caption);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, highlighted ? QColor(255, 149, 255) : QColor(224, 224, 224));
    label->setPalette(palette);
    label->repaint();
}

void MainWindow::createQuietNewRow()
{
    // A blank one-row document, as "Create Rows" makes it in "New" mode without its question.
    Document fresh;
    fresh.company = m_company;
    fresh.letterhead = Letterhead::fromSettings(m_settings);
    DocumentRow row;
    row.serial = QStringLiteral("1");
    row.productId = QStringLiteral("1");
    fresh.rows.append(row);
    showDocument(fresh);
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
    if (!CompanyRepository(m_database).loadInto(m_company, &error))
        m_dialogs.plain(error);
    m_documents->loadDocs();
    m_savedDocs->setListText(SavedDocsPanel::initialText());
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
    m_documents->save();
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
    UserGuide::open();
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
            m_dialogs.inform(QStringLiteral("An auto document no. has been assigned."));
        }
        saveDocument();
        break;
    case CloseQuestion::Outcome::Close:
        break;
    }
    event->accept();
}
