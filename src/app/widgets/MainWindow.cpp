#include "app/widgets/MainWindow.h"

#include "core/AppPaths.h"
#include "core/CloseQuestion.h"
#include "core/Dialogs.h"
#include "core/SettingsStore.h"
#include "core/HelpTexts.h"
#include "core/ShortcutHint.h"
#include "app/widgets/AboutDialog.h"
#include "app/widgets/PageColours.h"
#include "core/widgets/ShortDateFormatBox.h"
#include "core/widgets/AppIcon.h"
#include "core/widgets/DesktopIcons.h"
#include "core/widgets/HelpPlacement.h"
#include "core/widgets/WheelNeedsFocus.h"
#include "app/widgets/UserGuide.h"
#include "documents/NumberSeries.h"
#include "documents/widgets/DocumentsController.h"
#include "documents/widgets/JournalExportBox.h"
#include "documents/widgets/MemoryCompleters.h"
#include "documents/widgets/NumberingPage.h"
#include "documents/widgets/SavedDocsPanel.h"
#include "editor/widgets/CreateRowsPanel.h"
#include "editor/widgets/DropDownOnFocus.h"
#include "editor/widgets/EditMenuBinder.h"
#include "editor/widgets/EditorController.h"
#include "editor/widgets/GridPanel.h"
#include "editor/widgets/HeaderPanel.h"
#include "editor/widgets/NotesPanel.h"
#include "editor/widgets/PageScrollSteps.h"
#include "editor/widgets/TotalsPanel.h"
#include "einvoice/EinvoiceXmlCommand.h"
#include "html/GenerateCommand.h"
#include "store/CompanyRepository.h"
#include "store/Database.h"
#include "store/DatabaseOpener.h"
#include "store/DatabaseSwitch.h"
#include "store/widgets/MaintenancePanel.h"
#include "store/widgets/SettingsPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QStandardPaths>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <map>

MainWindow::MainWindow(SettingsStore& settings, Database& database, Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent),
      m_settings(settings),
      m_database(database),
      m_dialogs(dialogs),
      m_header(new HeaderPanel(settings, this)),
      m_grid(new GridPanel(this)),
      m_totals(new TotalsPanel(settings, this)),
      m_notes(new NotesPanel(this)),
      m_createRows(new CreateRowsPanel(settings, this)),
      m_settingsPanel(new SettingsPanel(settings, database, dialogs, this)),
      m_savedDocs(new SavedDocsPanel(this)),
      m_showSettings(new QCheckBox(tr("Settings"), this)),
      m_page(new QScrollArea(this))
{
    setObjectName(QStringLiteral("frmInvoice"));
    setWindowTitle(Dialogs::applicationTitle());
    setWindowIcon(AppIcon::windowIcon());
    m_showSettings->setObjectName(QStringLiteral("chkshowsettings"));
    buildMenus();
    buildPanels();
    connect(m_settingsPanel, &SettingsPanel::pagesBuilt, this, &MainWindow::buildSettingsParts);
    m_header->addHelpButtons(dialogs);
    m_createRows->addHelpButtons(dialogs);
    m_totals->addHelpButtons(dialogs);
    m_savedDocs->addHelpButtons(dialogs);
    // "Save File" is always shown and forwards to Save, so the save help sits beside it when it exists.
    HelpPlacement::place(this, dialogs,
                         {{QStringLiteral("cmdSave2"), HelpTexts::Save},
                          {QStringLiteral("cmdsave"), HelpTexts::Save},
                          {QStringLiteral("cmdHtml"), HelpTexts::Generate}});
    HelpPlacement::place(m_notes, dialogs, {{QStringLiteral("cmdaddImage"), HelpTexts::Notes}});
    buildDocumentCommands();
    applyIcons();
    connect(m_showSettings, &QCheckBox::toggled, this, &MainWindow::setSettingsPanelVisible);
    connect(m_settingsPanel, &SettingsPanel::closeRequested, this, [this] { m_showSettings->setChecked(false); });
    connect(m_settingsPanel, &SettingsPanel::databasePlaceSaved, this, &MainWindow::switchDatabase);
    connect(m_settingsPanel, &SettingsPanel::profileChanged, this,
            [this](const CompanyProfile& profile) {
                // The totals show the profile's tax and currency; a document may still change them.
                m_company = profile;
                m_totals->showCompany(profile);
            });
    connectEditor();
    // Scrolling the page over a field must never change what the field holds.
    WheelNeedsFocus::guardAll(m_page);
}

void MainWindow::connectEditor()
{
    m_editor = new EditorController({m_header, m_grid, m_totals, m_notes, m_createRows}, m_dialogs,
                                    [this] { return document(); },
                                    [this](const Document& document) { showDocument(document); }, this);
    connect(m_editor, &EditorController::rowsCreated, this, [this] { m_page->verticalScrollBar()->setValue(0); });
    connect(m_header->autoNumberButton(), &QPushButton::clicked, this, &MainWindow::assignAutoNumber);
    connect(m_editor, &EditorController::newDocumentCreated, this, &MainWindow::startFromCompanyDefaults);
    new MemoryCompleters(m_database, QLocale(),
                         {m_header->findChild<QLineEdit*>(QStringLiteral("txtcus")), m_grid,
                          [this] { return document(); },
                          [this](const Document& shown) { m_header->showFrom(shown); },
                          [this](const Document& shown) { m_grid->showFrom(shown); }},
                         this);
    new EditMenuBinder(m_grid, m_notes, m_editor->state().richTextTarget, m_dialogs, this);
    connect(m_savedDocs, &SavedDocsPanel::openRequested, m_editor, &EditorController::resetCurrentDescRow);
    m_page->verticalScrollBar()->setObjectName(QStringLiteral("VScroll1"));
    PageScrollSteps::apply(m_page);
    if (auto* savedList = m_savedDocs->findChild<QComboBox*>(QStringLiteral("cboDocNumber")))
        DropDownOnFocus::install(savedList);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus()
{
    QMenu* tools = menuBar()->addMenu(tr("Tools"));
    tools->setObjectName(QStringLiteral("mnutools"));
    QAction* settings = tools->addAction(tr("Settings"), this, [this] { m_showSettings->setChecked(true); });
    settings->setObjectName(QStringLiteral("mnusettings"));
    tools->addSeparator();
    // The menu and its shortcut are "Save File": without a document they refuse as the button does.
    addCommand(tools, QStringLiteral("actSave"), tr("Save"), QKeySequence(Qt::CTRL | Qt::Key_S),
               &MainWindow::saveFile);
    addCommand(tools, QStringLiteral("actGenerate"), tr("Generate and Preview"),
               QKeySequence(Qt::CTRL | Qt::Key_P), &MainWindow::generatePage);
    addCommand(tools, QStringLiteral("actCreateRows"), tr("Create Rows"), QKeySequence(Qt::CTRL | Qt::Key_N),
               &MainWindow::createNewRows);
    addCommand(tools, QStringLiteral("actOpenSaved"), tr("Open Saved File"),
               QKeySequence(Qt::CTRL | Qt::Key_O), &MainWindow::focusSavedDocuments);
    tools->addSeparator();
    addCommand(tools, QStringLiteral("actExportEinvoice"), tr("Export e-invoice XML\u2026"), QKeySequence(),
               &MainWindow::exportEinvoiceXml);

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

QWidget* MainWindow::buildCommandBar()
{
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("frtop"));
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(8, 4, 8, 4);
    auto addButton = [&](const QString& name, const QString& caption, void (MainWindow::*slot)()) {
        auto* button = new QPushButton(caption, bar);
        button->setObjectName(name);
        connect(button, &QPushButton::clicked, this, slot);
        layout->addWidget(button);
        return button;
    };
    m_saveButton = addButton(QStringLiteral("cmdsave"), tr("Save"), &MainWindow::saveDocument);
    m_saveButton->hide();
    addButton(QStringLiteral("cmdSave2"), tr("Save File"), &MainWindow::saveFile);
    addButton(QStringLiteral("cmdHtml"), tr("Html"), &MainWindow::generatePage);
    layout->addStretch(1);
    layout->addWidget(m_showSettings);
    layout->addWidget(buildLogo(bar));
    return bar;
}

QWidget* MainWindow::buildLogo(QWidget* parent)
{
    auto* logo = new QToolButton(parent);
    logo->setObjectName(QStringLiteral("PicLogo"));
    logo->setIcon(windowIcon());
    logo->setIconSize(QSize(24, 24));
    logo->setAutoRaise(true);
    logo->setFocusPolicy(Qt::NoFocus);
    logo->setToolTip(tr("About"));
    logo->setCursor(Qt::PointingHandCursor);
    connect(logo, &QToolButton::clicked, this, &MainWindow::showAbout);
    return logo;
}

// Theme icons for the common commands; the saved-document buttons are found by name.
void MainWindow::applyIcons()
{
    using DesktopIcons::Kind;
    const struct
    {
        const char* name;
        Kind kind;
    } icons[] = {{"cmdsave", Kind::Save},     {"cmdSave2", Kind::Save},       {"cmdHtml", Kind::Print},
                 {"cmdgetDOC", Kind::Open},   {"cmddeletePO", Kind::Delete},  {"actSave", Kind::Save},
                 {"actGenerate", Kind::Print}, {"actOpenSaved", Kind::Open}, {"mnuFeatureGuide", Kind::Help},
                 {"mnuabout", Kind::About}};
    // One icon per command: a built-in one decodes its pictures each time it is made.
    std::map<Kind, QIcon> made;
    auto iconOf = [&made](Kind kind) {
        auto found = made.find(kind);
        if (found == made.end())
            found = made.emplace(kind, DesktopIcons::icon(kind)).first;
        return found->second;
    };
    for (const auto& entry : icons) {
        const QString name = QLatin1String(entry.name);
        if (auto* button = findChild<QAbstractButton*>(name))
            button->setIcon(iconOf(entry.kind));
        else if (auto* action = findChild<QAction*>(name))
            action->setIcon(iconOf(entry.kind));
    }
}

void MainWindow::buildPanels()
{
    auto* inner = new QWidget;
    inner->setObjectName(QStringLiteral("PicInner"));
    auto* column = new QVBoxLayout(inner);
    column->addWidget(m_savedDocs);
    column->addWidget(m_header);
    column->addWidget(m_createRows);
    column->addWidget(m_grid);
    column->addWidget(m_totals);
    column->addWidget(m_notes);
    column->addStretch(1);

    m_page->setObjectName(QStringLiteral("PicOuter"));
    m_page->setWidgetResizable(true);
    m_page->setWidget(inner);

    // The commands stay in reach above the page however far it is scrolled.
    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(buildCommandBar());
    outer->addWidget(m_page, 1);
    setCentralWidget(central);

    m_settingsPanel->setParent(m_page);
    m_settingsPanel->hide();
    new PageColours(m_page, inner,
                    {m_savedDocs, m_header, m_createRows, m_grid, m_totals, m_notes, m_settingsPanel,
                     m_page->verticalScrollBar(), m_page->horizontalScrollBar()},
                    this);
}

void MainWindow::buildDocumentCommands()
{
    DocumentsController::Window window;
    window.document = [this] { return document(); };
    window.showDocument = [this](const Document& shown) { showDocument(shown); };
    window.showOpened = [this](const Document& opened) { showOpenedDocument(opened); };
    window.currentLabel = [this](const QString& caption, bool highlighted) { showCurrentDocLabel(caption, highlighted); };
    window.documentOpen = [this] { return m_grid->rowCount() > 0; };
    window.createQuietNewRow = [this] { m_editor->createQuietNewDocument(); };
    window.focusDocNumber = [this] { m_header->docNumberEdit()->setFocus(); };
    m_documents = new DocumentsController(m_database, m_dialogs, m_savedDocs, std::move(window), this);
    m_documents->setDateFormat(m_settings.get(SettingsStore::DateFormat));
}

void MainWindow::buildSettingsParts()
{
    // The settings page embeds the upkeep controls; a purge changes the saved-document list.
    m_maintenance = new MaintenancePanel;
    m_maintenance->attach(m_database, m_dialogs);
    // Compaction works on the file the settings page names, which after "Create New Database" is the new one.
    m_maintenance->setSourcePath([this] { return m_settingsPanel->shownDatabasePath(); });
    m_maintenance->setDateFormat(m_settings.get(SettingsStore::DateFormat));
    connect(m_maintenance, &MaintenancePanel::documentsChanging, m_documents, &DocumentsController::purging);
    connect(m_maintenance, &MaintenancePanel::documentsChanged, m_documents, &DocumentsController::purged);
    m_settingsPanel->setMaintenanceWidget(m_maintenance);

    auto* clock = new ShortDateFormatBox(m_settings, m_dialogs);
    m_settingsPanel->setClockWidget(clock);
    connect(clock, &ShortDateFormatBox::formatChanged, this, &MainWindow::applyDateFormat);

    auto* records = new QWidget;
    auto* recordsLayout = new QVBoxLayout(records);
    recordsLayout->addWidget(new NumberingPage(m_database, m_dialogs), 1);
    recordsLayout->addWidget(new JournalExportBox(m_database, m_dialogs));
    m_settingsPanel->addPage(records, tr("Settings 3"));
    WheelNeedsFocus::guardAll(m_settingsPanel);
}

void MainWindow::applyDateFormat()
{
    const QString setting = m_settings.get(SettingsStore::DateFormat);
    m_header->setDateFormat(setting);
    if (m_maintenance)
        m_maintenance->setDateFormat(setting);
    m_documents->setDateFormat(setting);
    m_documents->loadDocs();
}

void MainWindow::showCurrentDocLabel(const QString& caption, bool highlighted)
{
    QLabel* label = m_header->currentDocLabel();
    label->setText(caption);
    label->setAutoFillBackground(!caption.isEmpty());
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, highlighted ? QColor(255, 149, 255) : QColor(224, 224, 224));
    // The fixed light backgrounds need dark text on a dark desktop palette too.
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    label->repaint();
}

bool MainWindow::load(const QString& defaultDatabasePath)
{
    m_header->fillPickLists();
    m_header->restoreBillToTerm();
    m_defaultDatabasePath = defaultDatabasePath;
    QString message;
    QString notice;
    bool serverFailed = false;
    bool opened = DatabaseOpener::open(m_database, m_settings, defaultDatabasePath, &message, &notice, &serverFailed);
    // A shared server out of reach need not end the day: this computer's file is offered instead.
    if (!opened && serverFailed
        && m_dialogs.confirmYesNo(DatabaseOpener::offerLocalFile(message), Dialogs::applicationTitle()))
        opened = DatabaseOpener::openFile(m_database, m_settings, defaultDatabasePath, &message, &notice);
    else if (!opened && serverFailed)
        return false;
    if (!opened) {
        m_dialogs.critical(message);
        return false;
    }
    if (!notice.isEmpty())
        m_dialogs.inform(notice);
    m_documents->followOtherDesks();
    // An unexpected failure from here on is shown and ends the loading; the window stays as far as it got.
    QString error;
    if (!CompanyRepository(m_database).loadInto(m_company, &error)) {
        stopLoading(error);
        return true;
    }
    m_settingsPanel->setProfile(m_company);
    m_totals->showCompany(m_company);
    m_savedDocs->setListText(SavedDocsPanel::initialText());
    // The window shows before the saved-document list is read, and the list is read a piece at a
    // time so that keys typed meanwhile are not held up; whatever was typed into the list stays.
    // A list that cannot be read is shown like any other loading failure.
    connect(
        m_documents, &DocumentsController::listFilled, this,
        [this](const QString& error) {
            if (!error.isEmpty())
                stopLoading(error);
        },
        Qt::SingleShotConnection);
    QTimer::singleShot(0, m_documents, &DocumentsController::fillInPieces);
    return true;
}

void MainWindow::switchDatabase()
{
    if (DatabaseSwitch::run(m_database, m_settings, m_defaultDatabasePath, m_dialogs) == DatabaseSwitch::Outcome::Kept)
        return;
    // The document on screen stays as a new one: its number may name another document over there.
    showCurrentDocLabel(QString(), false);
    m_documents->followOtherDesks();
    if (m_maintenance)
        m_maintenance->showDatabaseKind();
    QString error;
    if (!CompanyRepository(m_database).loadInto(m_company, &error)) {
        stopLoading(error);
        return;
    }
    m_settingsPanel->setProfile(m_company);
    m_totals->showCompany(m_company);
    m_documents->loadDocs();
}

void MainWindow::stopLoading(const QString& error)
{
    m_dialogs.plain(error + QLatin1Char(' ') + QString::number(Database::ErrorNumber));
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
    if (document.rowCount() > 0) {
        m_editor->revealPanels(true);
        m_saveButton->show();
    }
}

void MainWindow::showOpenedDocument(const Document& opened)
{
    m_editor->showOpened(opened);
    m_saveButton->show();
    m_page->verticalScrollBar()->setValue(0);
    m_header->billToNameEdit()->setFocus(Qt::OtherFocusReason);
}

void MainWindow::saveDocument()
{
    m_documents->save();
}

void MainWindow::saveFile()
{
    // Whether the button is shown, not whether the window is on screen at this moment.
    m_documents->saveFile(!m_saveButton->isHidden());
}

void MainWindow::exportEinvoiceXml()
{
    // The export recalculates as the page does, so the file states what the page would print.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    EinvoiceXmlCommand(m_dialogs, m_editor->numberLocale()).run(document(), folder.isEmpty() ? QDir::homePath() : folder);
}

void MainWindow::generatePage()
{
    Document current = document();
    GenerateCommand command(m_dialogs, m_pageShower, AppPaths::generatedPage());
    const GenerateCommand::Outcome outcome = command.run(current);
    if (outcome.status != GenerateCommand::Status::Stopped)
        showDocument(current);  // the recalculated amounts and totals
    if (outcome.scrollGridToTop) {
        if (auto* scroll = findChild<QScrollBar*>(QStringLiteral("VScroll1")))
            scroll->setValue(0);
    }
    const QString focusName = outcome.focus == GenerateFocus::DocType       ? QStringLiteral("cboDoc")
                              : outcome.focus == GenerateFocus::ChargesName ? QStringLiteral("cbodelivery")
                              : outcome.focus == GenerateFocus::DocNumber   ? QStringLiteral("txtDocNumber")
                                                                            : QString();
    if (auto* target = focusName.isEmpty() ? nullptr : findChild<QWidget*>(focusName))
        target->setFocus();
}

void MainWindow::createNewRows()
{
    // Picks "New" and puts the cursor into the row count: the user types it and presses Enter.
    m_createRows->selectNew();
    m_createRows->countBox()->setFocus(Qt::ShortcutFocusReason);
}

void MainWindow::focusSavedDocuments()
{
    m_savedDocs->setFocus(Qt::ShortcutFocusReason);
}

void MainWindow::assignAutoNumber()
{
    const Document current = document();
    const QString next = NumberSeries(m_database).nextNumber(current.docType, current.docDate);
    if (next.isEmpty()) {
        m_editor->assignAutoNumber();
        return;
    }
    m_header->docNumberEdit()->setText(next);
    m_header->docNumberEdit()->setFocus(Qt::OtherFocusReason);
}

void MainWindow::startFromCompanyDefaults()
{
    // A stored document opened before may have left its own tax and currency on screen.
    m_totals->showCompany(m_company);
    const Document current = document();
    const QString next = NumberSeries(m_database).nextNumber(current.docType, current.docDate);
    if (!next.isEmpty())
        m_header->docNumberEdit()->setText(next);
}

void MainWindow::showAbout()
{
    auto* about = new AboutDialog(m_database.path(), m_settings.fileName(), this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->show();
}

void MainWindow::openUserGuide()
{
    QString problem;
    if (!UserGuide::open(m_guideViewer, &problem))
        m_dialogs.warn(problem);
}

void MainWindow::setSettingsPanelVisible(bool visible)
{
    if (!visible) {
        m_settingsPanel->closePanel();
        return;
    }
    // Its size is known once the opening has made its pages.
    m_settingsPanel->openPanel();
    fitSettingsPanel();
}

void MainWindow::fitSettingsPanel()
{
    // Near the top left of the page, over the document (250 and 1200 twips at 96 dpi).
    const QPoint corner(80, 17);
    const QSize room = m_page->viewport()->size() - QSize(corner.x() + corner.y(), 2 * corner.y());
    const QSize size = m_settingsPanel->sizeHint().boundedTo(room).expandedTo(m_settingsPanel->minimumSizeHint());
    m_settingsPanel->setGeometry(QRect(corner, size));
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (m_settingsPanel->isVisible())
        fitSettingsPanel();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_activatedOnce) {
        m_activatedOnce = true;
        // Without a window manager (a bare X server) maximising does nothing: fill the screen anyway.
        if (screen())
            setGeometry(screen()->availableGeometry());
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
