#pragma once

#include "store/CompanyProfile.h"
#include "store/LetterheadSettings.h"

#include <QWidget>

class Database;
class DatabaseFrame;
class EinvoicePage;
class Dialogs;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QVBoxLayout;
class SettingsStore;

// FrameSettings: the company fields and letterhead choices ("Settings 1") and the database page
// ("Settings 2"), with the company's e-invoice fields on a page of their own. The company fields belong to the window: it keeps the one profile and hears of
// every change through profileChanged(). The pages are made when the panel is first opened, which
// keeps them out of the program's start.
class SettingsPanel : public QWidget
{
    Q_OBJECT

public:
    SettingsPanel(SettingsStore& settings, Database& database, Dialogs& dialogs, QWidget* parent = nullptr);

    CompanyProfile profile() const;
    void setProfile(const CompanyProfile& profile);

    // Opening: stored logo and layout, company fields reloaded, panel shown in front, alignments.
    void openPanel();
    // Closing: panel hidden, company fields reloaded (unsaved edits dropped), logo preview cleared.
    void closePanel();

    // Places kept on "Settings 2" for the maintenance commands and the clock command; these and
    // addPage() are for a receiver of pagesBuilt().
    void setMaintenanceWidget(QWidget* widget);
    void setClockWidget(QWidget* widget);
    // A further page of the panel (numbering, the sales journal).
    void addPage(QWidget* page, const QString& title);

    const LetterheadSettings& letterhead() const { return m_letterhead; }
    // The database file the page names (txtDb): the one in use, or one just created beside it.
    QString shownDatabasePath();
    QRadioButton* layoutOption(int index);

signals:
    // The pages have just been made: the owner adds its own parts to them now.
    void pagesBuilt();
    void profileChanged(const CompanyProfile& profile);
    // "X": the window unchecks its "Settings" box, which closes the panel.
    void closeRequested();
    // The choice between this computer's file and a shared server was saved.
    void databasePlaceSaved();

private:
    void buildPages();
    // The fields the Tab key stops at, in their order.
    QList<QWidget*> tabStops() const;
    QWidget* buildCompanyPage();
    QWidget* buildCompanyBox();
    QWidget* buildAlignmentBox();
    QWidget* buildLogoBox();
    QWidget* buildLayoutBox();
    QWidget* buildDatabasePage();
    QPushButton* helpButton(const char* objectName, std::function<QString()> text);

    void reloadCompany();
    void saveCompany();
    void companyEdited();
    // Runs one letterhead action, then shows the state it left.
    void act(const std::function<void()>& action);
    void showLetterhead();

    SettingsStore& m_settings;
    Database& m_database;
    Dialogs& m_dialogs;
    LetterheadSettings m_letterhead;
    // The profile the company fields show, kept while the pages are not made yet.
    CompanyProfile m_profile;
    bool m_showingProfile = false;

    QTabWidget* m_tabs = nullptr;
    QLineEdit* m_companyName = nullptr;
    QPlainTextEdit* m_companyAddress = nullptr;
    QComboBox* m_currencySymbol = nullptr;
    QLineEdit* m_taxName = nullptr;
    QComboBox* m_taxPercent = nullptr;
    QPushButton* m_save = nullptr;
    QCheckBox* m_alignLeft = nullptr;
    QCheckBox* m_addressRight = nullptr;
    QButtonGroup* m_layouts = nullptr;
    QLineEdit* m_logoPath = nullptr;
    QLabel* m_logo = nullptr;
    QLabel* m_noFile = nullptr;
    EinvoicePage* m_einvoice = nullptr;
    DatabaseFrame* m_databaseFrame = nullptr;
    QVBoxLayout* m_maintenanceSlot = nullptr;
    QVBoxLayout* m_clockSlot = nullptr;
};
