#include "WindowFixture.h"
#include "store/CompanyRepository.h"
#include "store/widgets/SettingsPanel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace {

// The main window over a fresh database, with a logo picture beside it.
struct Window : WindowFixture
{
    Window()
    {
        QImage logo(30, 30, QImage::Format_RGB32);
        logo.fill(Qt::red);
        logo.save(logoFile());
    }
    void load()
    {
        make();
        QVERIFY(window->load(defaultDatabase()));
    }
    QString logoFile() const { return dir.filePath(QStringLiteral("logo.jpg")); }
    SettingsPanel* panel() const { return window->settingsPanel(); }
    void openViaMenu() { window->findChild<QAction*>(QStringLiteral("mnusettings"))->trigger(); }
};

} // namespace

class TestSettingsPanel : public QObject
{
    Q_OBJECT

private slots:
    void menuOpensPanelWithStoredChoices()
    {
        Window w;
        w.settings.save(SettingsStore::CompanyLogoPath, w.logoFile());
        w.settings.save(SettingsStore::Layout, QStringLiteral("2"));
        w.settings.save(SettingsStore::AddressRight, QStringLiteral("1"));
        w.load();
        QVERIFY(w.database.execute(QStringLiteral("UPDATE tblcompany SET CompanyName = 'Joe''s Bakery'")).ok);
        QVERIFY(!w.panel()->isVisibleTo(w.window.get()));

        w.openViaMenu();
        QVERIFY(w.find<QCheckBox>("chkshowsettings")->isChecked());
        QVERIFY(w.panel()->isVisibleTo(w.window.get()));
        QVERIFY(w.panel()->layoutOption(2)->isChecked());
        QVERIFY(!w.panel()->layoutOption(0)->isChecked());
        QVERIFY(w.find<QCheckBox>("chkAddressRight")->isChecked());
        QVERIFY(!w.find<QCheckBox>("chkAlignLeft")->isChecked());
        QCOMPARE(w.find<QLineEdit>("txtlogopath")->text(), w.logoFile());
        QVERIFY(!w.find<QLabel>("ImageLogo")->pixmap().isNull());
        QCOMPARE(w.find<QLineEdit>("txtCompanyName")->text(), QStringLiteral("Joe's Bakery"));
        QCOMPARE(w.window->document().company.name, QStringLiteral("Joe's Bakery"));
        QCOMPARE(w.find<QLineEdit>("txtDb")->text(), w.database.path());
        QVERIFY(w.dialogs.shown().isEmpty());

        QTest::mouseClick(w.find<QPushButton>("cmdExit"), Qt::LeftButton);
        QVERIFY(!w.find<QCheckBox>("chkshowsettings")->isChecked());
        QVERIFY(!w.panel()->isVisibleTo(w.window.get()));
        QVERIFY(w.find<QLabel>("ImageLogo")->pixmap().isNull());
    }

    void editsReachTheWindowAndClosingDropsThem()
    {
        Window w;
        w.load();
        w.openViaMenu();
        w.find<QLineEdit>("txtCompanyName")->setText(QStringLiteral("Unsaved Name"));
        w.find<QComboBox>("txtcurrencysymbol")->setCurrentText(QStringLiteral("\u00a3"));
        QCOMPARE(w.window->document().company.name, QStringLiteral("Unsaved Name"));
        QCOMPARE(w.window->document().company.currencySymbol, QStringLiteral("\u00a3"));

        w.find<QCheckBox>("chkshowsettings")->setChecked(false);
        QCOMPARE(w.find<QLineEdit>("txtCompanyName")->text(), QStringLiteral("Your Company Name"));
        QCOMPARE(w.window->document().company.name, QStringLiteral("Your Company Name"));
    }

    void saveButtonWritesTheRow()
    {
        Window w;
        w.load();
        w.openViaMenu();
        w.find<QLineEdit>("txtCompanyName")->setText(QStringLiteral("Joe's Bakery"));
        w.find<QComboBox>("cboTaxPercent")->setCurrentText(QStringLiteral(" 7 "));
        QTest::mouseClick(w.find<QPushButton>("cmdsaveCoName"), Qt::LeftButton);
        QCOMPARE(w.dialogs.shownTexts(), QStringList{QStringLiteral("Settings successfully saved.")});
        QCOMPARE(w.find<QComboBox>("cboTaxPercent")->currentText(), QStringLiteral("7"));
        const auto stored = CompanyRepository(w.database).loadDefault();
        QCOMPARE(stored->name, QStringLiteral("Joe's Bakery"));
        QCOMPARE(stored->taxPercent, QStringLiteral("7"));
        QCOMPARE(w.window->document().company.taxPercent, QStringLiteral("7"));
    }

    void layoutClickWithoutLogoOpensFileDialog()
    {
        Window w;
        w.load();
        w.openViaMenu();
        w.dialogs.setNextFile(w.logoFile());
        w.panel()->layoutOption(1)->click();
        QCOMPARE(w.dialogs.fileTitles(), QStringList{QStringLiteral("Please select the image file")});
        QCOMPARE(w.find<QLineEdit>("txtlogopath")->text(), w.logoFile());
        QCOMPARE(w.settings.get(SettingsStore::Layout), QStringLiteral("1"));

        QTest::mouseClick(w.find<QPushButton>("cmdremove"), Qt::LeftButton);
        QVERIFY(!w.panel()->layoutOption(1)->isChecked());
        QCOMPARE(w.find<QLineEdit>("txtlogopath")->text(), QString());
        QCOMPARE(w.settings.get(SettingsStore::CompanyLogoPath), QString());
    }

    void captionsAndHelp_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("helpStart");
        QTest::newRow("company") << "cmdcohelp"
                                 << "Enter your Company Name, Address, Currency Symbol and optional Tax information "
                                    "and click the 'Save' button";
        QTest::newRow("tax") << "cmdtaxhelp" << "Tax value here will be used in created documents.\r\n\r\n";
        QTest::newRow("align") << "cmdAlignHelp" << "By default heading is centred.\r\n\r\nSelect this checkbox to "
                                                    "align Company Name and Address to the TOP LEFT";
        QTest::newRow("address") << "cmdAddrRightHelp" << "By default heading is centred.\r\n\r\nSelect this "
                                                          "checkbox to align Company Name on Left; Address on Right.";
        QTest::newRow("browse") << "cmdbrowsehelp" << "To use logo on your document heading, browse";
        QTest::newRow("layout") << "cmdlogohelp" << "If a logo has been set at 2. please select an option here";
        QTest::newRow("database") << "cmdcreateDBhelp" << "By clicking the button on the left, you will create";
    }

    void captionsAndHelp()
    {
        QFETCH(QString, button);
        QFETCH(QString, helpStart);
        Window w;
        w.load();
        auto* help = w.window->findChild<QPushButton*>(button);
        QVERIFY(help);
        QCOMPARE(help->text(), QStringLiteral("?"));
        help->click();
        QCOMPARE(w.dialogs.shown().size(), 1);
        QCOMPARE(w.dialogs.shown().first().icon, DialogIcon::Information);
        QVERIFY2(w.dialogs.shownTexts().first().startsWith(helpStart), qPrintable(w.dialogs.shownTexts().first()));
    }

    void pagesAndCaptions()
    {
        Window w;
        w.load();
        auto* tabs = w.find<QTabWidget>("SSTab1");
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->tabText(0), QStringLiteral("Settings 1"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Settings 2"));
        QCOMPARE(w.find<QPushButton>("cmdCreateDb")->text(), QStringLiteral("Create New Database \"Company.mdb\""));
        QCOMPARE(w.find<QPushButton>("cmdunselect")->text(), QStringLiteral("Unselect Layout ( Logo will not be used )"));
        QCOMPARE(w.find<QCheckBox>("chkAddressRight")->text(), QStringLiteral("Co. Left    Address Right"));
        QCOMPARE(w.find<QComboBox>("cboTaxPercent")->count(), 21);
        QVERIFY(w.find<QLineEdit>("txtlogopath")->isReadOnly());
        QVERIFY(w.find<QLineEdit>("txtDb")->isReadOnly());
    }
};

TW_TEST_MAIN(TestSettingsPanel)
#include "tst_SettingsPanel.moc"
