#pragma once

#include "editor/Document.h"

#include <QMainWindow>

class Database;
class Dialogs;
class DocumentsController;
class GridPanel;
class HeaderPanel;
class NotesPanel;
class QCheckBox;
class QCloseEvent;
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

public slots:
    void saveDocument();
    void assignAutoNumber();
    void showAbout();
    void openUserGuide();
    void setSettingsPanelVisible(bool visible);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus();
    void buildPanels();
    void buildDocumentCommands();
    void showCurrentDocLabel(const QString& caption, bool highlighted);
    void createQuietNewRow();

    SettingsStore& m_settings;
    Database& m_database;
    Dialogs& m_dialogs;
    HeaderPanel* m_header;
    GridPanel* m_grid;
    TotalsPanel* m_totals;
    NotesPanel* m_notes;
    SettingsPanel* m_settingsPanel;
    SavedDocsPanel* m_savedDocs;
    QCheckBox* m_showSettings;
    QScrollArea* m_page;
    bool m_activatedOnce = false;
    CompanyProfile m_company;
    DocumentsController* m_documents = nullptr;
};
