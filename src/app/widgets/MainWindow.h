#pragma once

#include "editor/Document.h"
#include "html/DesktopPageShower.h"

#include <QMainWindow>

#include <functional>

class CreateRowsPanel;
class Database;
class Dialogs;
class EditorController;
class DocumentsController;
class GridPanel;
class HeaderPanel;
class MaintenancePanel;
class NotesPanel;
class QCheckBox;
class QPushButton;
class QCloseEvent;
class QKeySequence;
class QMenu;
class QScrollArea;
class SavedDocsPanel;
class SettingsPanel;
class SettingsStore;
class TotalsPanel;

// frmInvoice: a thin assembly of panels. The panels show and edit the open document; the commands
// work on the Document value that the window reads from and writes back to them.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    MainWindow(SettingsStore& settings, Database& database, Dialogs& dialogs, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Builds the working state in its fixed order. False when the program cannot continue (the
    // message has been shown).
    bool load(const QString& defaultDatabasePath);

    Document document() const;
    void showDocument(const Document& document);

    HeaderPanel* header() const { return m_header; }
    GridPanel* grid() const { return m_grid; }
    TotalsPanel* totals() const { return m_totals; }
    NotesPanel* notes() const { return m_notes; }
    SettingsPanel* settingsPanel() const { return m_settingsPanel; }
    SavedDocsPanel* savedDocs() const { return m_savedDocs; }
    // The internal browser window that shows generated pages; without one the desktop's opener does.
    void setPageViewer(DesktopPageShower::InternalViewer viewer, DesktopPageShower::ExternalFollower afterExternal = {})
    {
        m_pageShower = DesktopPageShower(std::move(viewer), std::move(afterExternal));
    }
    // Where Help Online shows the guide when the desktop has no opener for it.
    void setGuideViewer(std::function<void(const QString&)> viewer) { m_guideViewer = std::move(viewer); }
    SettingsStore& settings() const { return m_settings; }
    CreateRowsPanel* createRowsPanel() const { return m_createRows; }
    EditorController* editor() const { return m_editor; }

public slots:
    void saveDocument();
    // "Save File": saves when a document is open, says so otherwise.
    void saveFile();
    // "Html": checks, recalculates, writes and shows the printable page.
    void generatePage();
    void exportEinvoiceXml();
    // Hooks for the keyboard shortcuts; each runs the command of its panel.
    void createNewRows();
    void focusSavedDocuments();
    void assignAutoNumber();
    void startFromCompanyDefaults();
    void showAbout();
    void openUserGuide();
    void setSettingsPanelVisible(bool visible);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildMenus();
    QAction* addCommand(QMenu* menu, const QString& name, const QString& text, const QKeySequence& keys,
                        void (MainWindow::*slot)());
    void buildPanels();
    QWidget* buildCommandBar();
    // The product logo (PicLogo): a click shows About.
    QWidget* buildLogo(QWidget* parent);
    void applyIcons();
    void connectEditor();
    void buildDocumentCommands();
    // The panel at its full size, or at what the page leaves it on a small window.
    void fitSettingsPanel();
    // The window's parts of the settings panel, made with its pages on the first opening.
    void buildSettingsParts();
    // The short date chosen on the settings page, for the pickers that show dates.
    void applyDateFormat();
    void showCurrentDocLabel(const QString& caption, bool highlighted);
    void showOpenedDocument(const Document& opened);
    // A failure while loading that is not the database's: shown plainly, and loading goes no further.
    void stopLoading(const QString& error);
    // Opens the place just chosen in the settings and reads the company and the list from there.
    void switchDatabase();

    SettingsStore& m_settings;
    Database& m_database;
    Dialogs& m_dialogs;
    HeaderPanel* m_header;
    GridPanel* m_grid;
    TotalsPanel* m_totals;
    NotesPanel* m_notes;
    CreateRowsPanel* m_createRows;
    EditorController* m_editor = nullptr;
    SettingsPanel* m_settingsPanel;
    MaintenancePanel* m_maintenance = nullptr;
    SavedDocsPanel* m_savedDocs;
    QCheckBox* m_showSettings;
    QScrollArea* m_page;
    QPushButton* m_saveButton = nullptr;
    bool m_activatedOnce = false;
    CompanyProfile m_company;
    QString m_defaultDatabasePath;
    std::function<void(const QString&)> m_guideViewer;
    DesktopPageShower m_pageShower;
    DocumentsController* m_documents = nullptr;
};
