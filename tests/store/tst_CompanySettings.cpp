#include "WindowFixture.h"
#include "store/CompanyRepository.h"
#include "store/CompanySaveCommand.h"
#include "store/LetterheadSettings.h"
#include "store/widgets/SettingsPanel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <memory>

namespace {

const QString NotWritten = QStringLiteral("<not written>");

// Remembers the filter of every file dialog as well.
class RecordingDialogs : public ScriptedDialogs
{
public:
    QString chooseOpenFile(const QString& title, const QString& filter) override
    {
        filters.append(filter);
        return ScriptedDialogs::chooseOpenFile(title, filter);
    }
    QStringList filters;
};

QString savedPicture(const QString& path)
{
    QImage logo(40, 20, QImage::Format_RGB32);
    logo.fill(Qt::blue);
    logo.save(path);
    return path;
}

// A database, a settings file, a logo picture and a text file named like one in one temporary folder.
struct Fixture
{
    QTemporaryDir dir;
    SettingsStore settings{dir.filePath(QStringLiteral("settings.ini"))};
    Database database{QLocale::c()};
    RecordingDialogs dialogs;

    Fixture()
    {
        database.create(dir.filePath(QStringLiteral("tallywick.mdb")));
        savedPicture(file("picture"));
        TestSupport::writeFile(file("not a picture"), "plain text, no image");
    }
    // "picture", "not a picture", "missing"; anything else is no file.
    QString file(const char* kind) const
    {
        static const QMap<QString, QString> names{{QStringLiteral("picture"), QStringLiteral("logo.jpg")},
                                                  {QStringLiteral("not a picture"), QStringLiteral("notes.jpg")},
                                                  {QStringLiteral("missing"), QStringLiteral("gone.gif")}};
        const QString name = names.value(QString::fromUtf8(kind));
        return name.isEmpty() ? QString() : dir.filePath(name);
    }
    void store(const QString& key, const char* value) { settings.save(key, QString::fromUtf8(value)); }
    // The letterhead over a stored logo (a kind of file) and layout, as the panel opens it.
    std::unique_ptr<LetterheadSettings> opened(const char* logo, const char* layout)
    {
        settings.save(SettingsStore::CompanyLogoPath, file(logo));
        store(SettingsStore::Layout, layout);
        auto letterhead = std::make_unique<LetterheadSettings>(settings, dialogs);
        letterhead->openLogoAndLayout();
        return letterhead;
    }
    CompanyProfile stored() { return CompanyRepository(database).loadDefault().value_or(CompanyProfile()); }
};

// What the user does after the panel opened with the stored `logo` and `layout`: browse (the file dialog
// returns `chosen`), choose a layout, unselect the layout or remove the logo. Files are kinds of Fixture::file.
struct LetterheadAction
{
    const char *name, *logo, *layout, *action, *chosen;
    bool asked;  // for a file
    const char *layoutAfter, *logoAfter, *message;
    bool noFileNotice;
};

// The stored letterhead settings, and what the panel shows on opening.
struct PanelOpening
{
    const char *name, *logo, *layout, *alignLeft, *addressRight;
    int selected;
    bool askedForLogo, noFileNotice;
    const char* checked;
};

CompanyProfile profileOf(const QString& name, const QString& taxPercent)
{
    CompanyProfile profile;
    profile.name = name;
    profile.address = QStringLiteral("1 Main Street\r\nSpringfield\r\n");
    profile.currencySymbol = QStringLiteral("\u20ac");
    profile.taxName = QStringLiteral("VAT");
    profile.taxPercent = taxPercent;
    return profile;
}

// The main window over a fresh database, with a logo picture beside it.
struct Window : WindowFixture
{
    const QString logoFile = savedPicture(dir.filePath(QStringLiteral("logo.jpg")));
    void load() { QVERIFY(make().load(defaultDatabase())); }
    SettingsPanel* panel() const { return window->settingsPanel(); }
    void openViaMenu() { window->findChild<QAction*>(QStringLiteral("mnusettings"))->trigger(); }
};

// "left", "right", "both" or "" for the alignment box that is ticked.
QString checkedBox(const LetterheadSettings& letterhead)
{
    if (letterhead.alignLeft())
        return letterhead.addressRight() ? QStringLiteral("both") : QStringLiteral("left");
    return letterhead.addressRight() ? QStringLiteral("right") : QString();
}

} // namespace

Q_DECLARE_METATYPE(LetterheadAction)
Q_DECLARE_METATYPE(PanelOpening)

class TestCompanySettings : public QObject
{
    Q_OBJECT

private slots:
    // A tax percent that is no plain number in the user's locale is refused, writing nothing.
    void savedProfile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("taxPercent");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("shownAfter");
        QTest::addColumn<QString>("message");  // "plain number" for a text that contains it
        const QString saved = QStringLiteral("Settings successfully saved.");
        const QString noNumber = QStringLiteral("Tax percent should be a number.");
        const QString noPlainNumber = QStringLiteral("plain number");
        QTest::newRow("apostrophe") << "Joe's Bakery" << "7.5" << "C" << "7.5" << saved;
        QTest::newRow("blanks around tax") << "Joe's Bakery" << " 7 " << "C" << "7" << saved;
        QTest::newRow("two apostrophes") << "Ma's & Pa's ''Shop''" << "0" << "C" << "0" << saved;
        QTest::newRow("name kept untrimmed") << "  Spaced Co  " << "20" << "C" << "20" << saved;
        QTest::newRow("empty") << "New Name" << "" << "C" << "" << noNumber;
        QTest::newRow("blanks") << "New Name" << "   " << "C" << "" << noNumber;
        QTest::newRow("letters") << "New Name" << "seven" << "C" << "seven" << noNumber;
        QTest::newRow("digits and letters") << "New Name" << "7a" << "C" << "7a" << noNumber;
        QTest::newRow("thousands separator") << "New Name" << "1,000" << "en_US" << "1,000" << noPlainNumber;
        QTest::newRow("decimal comma") << "New Name" << "7,5" << "de_DE" << "7,5" << noPlainNumber;
        QTest::newRow("statement tail") << "New Name" << "7; DELETE FROM tbldoc" << "C" << "7; DELETE FROM tbldoc"
                                        << noNumber;
    }

    void savedProfile()
    {
        QFETCH(QString, name);
        QFETCH(QString, taxPercent);
        QFETCH(QString, locale);
        QFETCH(QString, shownAfter);
        QFETCH(QString, message);
        Fixture f;
        const CompanyProfile before = f.stored();
        CompanyProfile profile = profileOf(name, taxPercent);
        const bool saved = message == QLatin1String("Settings successfully saved.");
        QCOMPARE(CompanySaveCommand(f.database, f.dialogs, QLocale(locale)).run(profile),
                 saved ? CompanySaveCommand::Outcome::Saved : CompanySaveCommand::Outcome::TaxRefused);
        QCOMPARE(profile.taxPercent, shownAfter);
        QCOMPARE(f.stored(), saved ? profile : before);
        QCOMPARE(f.dialogs.shown().size(), 1);
        QCOMPARE(f.dialogs.shown().first().icon, saved ? DialogIcon::Information : DialogIcon::Critical);
        const QString text = f.dialogs.shownTexts().first();
        QVERIFY2(message == QLatin1String("plain number") ? text.contains(message) : text == message, qPrintable(text));
    }

    void databaseFailureIsReportedNotPraised()
    {
        Fixture f;
        const CompanyProfile before = f.stored();
        f.database.failStatementAfter(1);
        CompanyProfile profile = profileOf(QStringLiteral("Joe's Bakery"), QStringLiteral("7"));
        QCOMPARE(CompanySaveCommand(f.database, f.dialogs).run(profile), CompanySaveCommand::Outcome::Failed);
        QCOMPARE(f.stored(), before);
        QVERIFY(!f.dialogs.shownTexts().contains(QStringLiteral("Settings successfully saved.")));
    }

    void withoutDefaultRowNothingChangesYetSaved()
    {
        Fixture f;
        QVERIFY(f.database.execute(QStringLiteral("UPDATE tblcompany SET Default = 'No'")).ok);
        CompanyProfile profile = profileOf(QStringLiteral("Joe's Bakery"), QStringLiteral("7"));
        QCOMPARE(CompanySaveCommand(f.database, f.dialogs).run(profile), CompanySaveCommand::Outcome::Saved);
        const SqlResult rows = f.database.query(QStringLiteral("SELECT CompanyName FROM tblcompany"));
        QCOMPARE(rows.records.first().value(0).toString(), QStringLiteral("Your Company Name"));
    }

    void alignmentPair_data()
    {
        QTest::addColumn<QString>("checkedBefore");  // "", "left" or "right"
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("check");
        QTest::addColumn<QString>("checkedAfter");
        QTest::addColumn<QString>("storedLeft");
        QTest::addColumn<QString>("storedRight");
        QTest::newRow("left over right") << "right" << "left" << true << "left" << "1" << "0";
        QTest::newRow("right over left") << "left" << "right" << true << "right" << "0" << "1";
        QTest::newRow("left alone") << "" << "left" << true << "left" << "1" << NotWritten;
        QTest::newRow("right alone") << "" << "right" << true << "right" << NotWritten << "1";
        QTest::newRow("uncheck left") << "left" << "left" << false << "" << "0" << NotWritten;
        QTest::newRow("uncheck right") << "right" << "right" << false << "" << NotWritten << "0";
        QTest::newRow("unchanged box stores nothing") << "" << "left" << false << "" << NotWritten << NotWritten;
    }

    void alignmentPair()
    {
        QFETCH(QString, checkedBefore);
        QFETCH(QString, box);
        QFETCH(bool, check);
        QFETCH(QString, checkedAfter);
        QFETCH(QString, storedLeft);
        QFETCH(QString, storedRight);
        Fixture f;
        LetterheadSettings letterhead(f.settings, f.dialogs);
        letterhead.setAlignLeft(checkedBefore == QLatin1String("left"));
        letterhead.setAddressRight(checkedBefore == QLatin1String("right"));
        f.settings.save(SettingsStore::AlignLeft, NotWritten);
        f.settings.save(SettingsStore::AddressRight, NotWritten);
        if (box == QLatin1String("left"))
            letterhead.setAlignLeft(check);
        else
            letterhead.setAddressRight(check);
        QCOMPARE(checkedBox(letterhead), checkedAfter);
        QCOMPARE(f.settings.get(SettingsStore::AlignLeft), storedLeft);
        QCOMPARE(f.settings.get(SettingsStore::AddressRight), storedRight);
    }

    void letterheadActions_data()
    {
        QTest::addColumn<LetterheadAction>("c");
        const char* e = "";
        const char* browseNow = "You have selected a letterhead layout with your Company logo. \r\n\r\n"
                                "Please browse now for the image file.";
        const char* picture = "picture";
        const char* text = "not a picture";
        const QList<LetterheadAction> cases{
            {"layout without logo, cancelled", e, e, "layout 1", e, true, "1", e, browseNow, true},
            {"layout without logo, picture", e, e, "layout 1", picture, true, "1", picture, browseNow, false},
            {"layout without logo, not a picture", e, e, "layout 1", text, true, "1", text, browseNow, false},
            {"layout with logo only stored", picture, e, "layout 0", e, false, "0", picture, e, false},
            {"browse picture, no layout", picture, e, "browse", picture, true, e, picture,
             "Please select a Layout option now.", false},
            {"browse picture, layout chosen", picture, "2", "browse", picture, true, "2", picture, e, false},
            {"browse not a picture", picture, e, "browse", text, true, e, text, e, false},
            {"browse cancelled keeps path", picture, e, "browse", e, true, e, picture, e, false},
            {"unselect layout keeps logo", picture, "1", "unselect", e, false, e, picture, e, false},
            {"remove logo empties both", picture, "1", "remove", e, false, e, e, e, false},
        };
        for (const LetterheadAction& c : cases)
            QTest::newRow(c.name) << c;
    }

    void letterheadActions()
    {
        QFETCH(LetterheadAction, c);
        Fixture f;
        const auto letterhead = f.opened(c.logo, c.layout);
        QVERIFY(f.dialogs.shown().isEmpty());
        f.dialogs.setNextFile(f.file(c.chosen));
        const QString action = QString::fromUtf8(c.action);
        if (action == QLatin1String("browse"))
            letterhead->browseLogo();
        else if (action.startsWith(QLatin1String("layout ")))
            letterhead->chooseLayout(action.back().digitValue());
        else if (action == QLatin1String("unselect"))
            letterhead->unselectLayout();
        else
            letterhead->removeLogo();
        QCOMPARE(f.dialogs.fileTitles(), c.asked ? QStringList{QStringLiteral("Please select the image file")}
                                                 : QStringList());
        QCOMPARE(f.dialogs.filters, c.asked ? QStringList{QStringLiteral("Image Files (*.gif;*.jpg)|*.gif;*.jpg")}
                                            : QStringList());
        const QString layoutAfter = QString::fromUtf8(c.layoutAfter);
        QCOMPARE(f.settings.get(SettingsStore::Layout), layoutAfter);
        QCOMPARE(letterhead->layout(), layoutAfter.isEmpty() ? int(LetterheadSettings::NoLayout) : layoutAfter.toInt());
        QCOMPARE(f.settings.get(SettingsStore::CompanyLogoPath), f.file(c.logoAfter));
        QCOMPARE(letterhead->logoPath(), f.file(c.logoAfter));
        QCOMPARE(f.dialogs.shownTexts(), *c.message ? QStringList{QString::fromUtf8(c.message)} : QStringList());
        QCOMPARE(letterhead->logo().isNull(), qstrcmp(c.logoAfter, "picture") != 0);
        QCOMPARE(letterhead->noFileNoticeVisible(), c.noFileNotice);
    }

    void openingThePanel_data()
    {
        QTest::addColumn<PanelOpening>("c");
        const char* e = "";
        const QList<PanelOpening> cases{
            {"fresh user", e, e, e, e, -1, false, false, e},
            {"third layout", "picture", "2", e, e, 2, false, false, e},
            {"layout without logo asks", e, "1", e, e, 1, true, true, e},
            {"missing logo file", "missing", "0", e, e, 0, false, true, e},
            {"align left", e, e, "1", "0", -1, false, false, "left"},
            {"address right", e, e, "0", "1", -1, false, false, "right"},
            {"both stored, right wins", e, e, "1", "1", -1, false, false, "right"},
            {"layout out of range", "picture", "7", "yes", e, -1, false, false, e},
        };
        for (const PanelOpening& c : cases)
            QTest::newRow(c.name) << c;
    }

    void openingThePanel()
    {
        QFETCH(PanelOpening, c);
        Fixture f;
        f.store(SettingsStore::AlignLeft, c.alignLeft);
        f.store(SettingsStore::AddressRight, c.addressRight);
        const auto letterhead = f.opened(c.logo, c.layout);
        letterhead->applyStoredAlignment();
        QCOMPARE(letterhead->layout(), c.selected);
        QCOMPARE(f.dialogs.fileTitles().size(), c.askedForLogo ? 1 : 0);
        QCOMPARE(letterhead->noFileNoticeVisible(), c.noFileNotice);
        QCOMPARE(checkedBox(*letterhead), QString::fromUtf8(c.checked));
        QCOMPARE(letterhead->logo().isNull(), qstrcmp(c.logo, "picture") != 0);
        if (c.selected >= 0)
            QCOMPARE(f.settings.get(SettingsStore::Layout), QString::number(c.selected));
        letterhead->closePanel();
        QVERIFY(letterhead->logo().isNull());
    }

    void logoThatVanishesWhileLoadingIsReported()
    {
        Fixture f;
        f.settings.save(SettingsStore::CompanyLogoPath, f.file("picture"));
        f.settings.save(SettingsStore::Layout, QStringLiteral("2"));
        LetterheadSettings letterhead(f.settings, f.dialogs, [](const QString&) {
            LetterheadSettings::LogoPicture picture;
            picture.status = LetterheadSettings::LogoPicture::Status::FileMissing;
            return picture;
        });
        letterhead.openLogoAndLayout();
        QCOMPARE(f.dialogs.shownTexts(),
                 QStringList{QStringLiteral("The Company logo filepath does not exist.\r\n\r\nPlease reset.")});
        QCOMPARE(f.dialogs.shown().first().icon, DialogIcon::Exclamation);
        QVERIFY(letterhead.noFileNoticeVisible());
        QCOMPARE(letterhead.layout(), 2);  // the remaining steps still ran
    }

    // The panel in the window: stored choices shown on opening, edits reaching the document at once and
    // dropped when it closes unsaved.
    void panelShowsStoredChoicesAndDropsUnsavedEdits()
    {
        Window w;
        w.settings.save(SettingsStore::CompanyLogoPath, w.logoFile);
        w.settings.save(SettingsStore::Layout, QStringLiteral("2"));
        w.settings.save(SettingsStore::AddressRight, QStringLiteral("1"));
        w.load();
        QVERIFY(w.database.execute(QStringLiteral("UPDATE tblcompany SET CompanyName = 'Joe''s Bakery'")).ok);
        QVERIFY(!w.panel()->isVisibleTo(w.window.get()));
        w.openViaMenu();
        QVERIFY(w.find<QCheckBox>("chkshowsettings")->isChecked());
        QVERIFY(w.panel()->isVisibleTo(w.window.get()));
        QVERIFY(w.panel()->layoutOption(2)->isChecked());
        QVERIFY(w.find<QCheckBox>("chkAddressRight")->isChecked());
        QVERIFY(!w.find<QCheckBox>("chkAlignLeft")->isChecked());
        QCOMPARE(w.find<QLineEdit>("txtlogopath")->text(), w.logoFile);
        QVERIFY(!w.find<QLabel>("ImageLogo")->pixmap().isNull());
        QCOMPARE(w.find<QLineEdit>("txtCompanyName")->text(), QStringLiteral("Joe's Bakery"));
        QCOMPARE(w.find<QLineEdit>("txtDb")->text(), w.database.path());
        QVERIFY(w.dialogs.shown().isEmpty());

        w.find<QLineEdit>("txtCompanyName")->setText(QStringLiteral("Unsaved Name"));
        w.find<QComboBox>("txtcurrencysymbol")->setCurrentText(QStringLiteral("\u00a3"));
        QCOMPARE(w.window->document().company.name, QStringLiteral("Unsaved Name"));
        QCOMPARE(w.window->document().company.currencySymbol, QStringLiteral("\u00a3"));
        QTest::mouseClick(w.find<QPushButton>("cmdExit"), Qt::LeftButton);
        QVERIFY(!w.find<QCheckBox>("chkshowsettings")->isChecked());
        QVERIFY(!w.panel()->isVisibleTo(w.window.get()));
        QVERIFY(w.find<QLabel>("ImageLogo")->pixmap().isNull());
        QCOMPARE(w.find<QLineEdit>("txtCompanyName")->text(), QStringLiteral("Joe's Bakery"));
        QCOMPARE(w.window->document().company.name, QStringLiteral("Joe's Bakery"));
    }

    // The panel's explanations are the program's own fixed texts.
    void helpTextsWordForWord_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("text");
        QTest::newRow("cmdcohelp") << QStringLiteral("cmdcohelp") << QStringLiteral("Enter your Company Name, Address, Currency Symbol and optional Tax information and click the 'Save' button to use the information in your documents. ");
        QTest::newRow("cmdtaxhelp") << QStringLiteral("cmdtaxhelp") << QStringLiteral("Tax value here will be used in created documents.\r\n\r\nIf Tax value is submitted here, there is still an option - on the lower right corner in an open file - to omit Tax before generating the html document.   ");
        QTest::newRow("cmdAlignHelp") << QStringLiteral("cmdAlignHelp") << QStringLiteral("By default heading is centred.\r\n\r\nSelect this checkbox to align Company Name and Address to the TOP LEFT of the page.     ");
        QTest::newRow("cmdAddrRightHelp") << QStringLiteral("cmdAddrRightHelp") << QStringLiteral("By default heading is centred.\r\n\r\nSelect this checkbox to align Company Name on Left; Address on Right.   ");
        QTest::newRow("cmdbrowsehelp") << QStringLiteral("cmdbrowsehelp") << QStringLiteral("To use logo on your document heading, browse for your Company logo with a suitable size to fit on the page top.\r\n");
        QTest::newRow("cmdlogohelp") << QStringLiteral("cmdlogohelp") << QStringLiteral("If a logo has been set at 2. please select an option here to ensure the logo will be shown.  \r\n\r\nIf Left or Right alignment for heading is not selected at 1. layout option here results in logo and address being centred on page top.  ");
        QTest::newRow("cmdDeleteDocsHelp") << QStringLiteral("cmdDeleteDocsHelp") << QStringLiteral("To purge old documents from the database, please select the target period and then click the 'Delete Documents Issued from' button.  ");
    }

    void helpTextsWordForWord()
    {
        QFETCH(QString, button);
        QFETCH(QString, text);
        Window w;
        w.load();
        w.openViaMenu();
        w.window->findChild<QPushButton*>(button)->click();
        QCOMPARE(w.dialogs.shownTexts(), QStringList{text});
        QCOMPARE(w.dialogs.shown().first().icon, DialogIcon::Information);
    }

    // The database help names the files (its text is pinned on the command); the buttons write through
    // to the database, the settings and the document.
    void panelButtonsWriteThrough()
    {
        Window w;
        w.load();
        w.openViaMenu();
        w.find<QPushButton>("cmdcreateDBhelp")->click();
        QCOMPARE(w.dialogs.shown().size(), 1);
        QCOMPARE(w.dialogs.shown().last().icon, DialogIcon::Information);
        w.dialogs.clear();

        w.find<QLineEdit>("txtCompanyName")->setText(QStringLiteral("Joe's Bakery"));
        w.find<QComboBox>("cboTaxPercent")->setCurrentText(QStringLiteral(" 7 "));
        QTest::mouseClick(w.find<QPushButton>("cmdsaveCoName"), Qt::LeftButton);
        QCOMPARE(w.dialogs.shownTexts(), QStringList{QStringLiteral("Settings successfully saved.")});
        QCOMPARE(w.find<QComboBox>("cboTaxPercent")->currentText(), QStringLiteral("7"));
        QCOMPARE(CompanyRepository(w.database).loadDefault()->name, QStringLiteral("Joe's Bakery"));
        QCOMPARE(w.window->document().company.taxPercent, QStringLiteral("7"));

        w.dialogs.setNextFile(w.logoFile);
        w.panel()->layoutOption(1)->click();
        QCOMPARE(w.dialogs.fileTitles(), QStringList{QStringLiteral("Please select the image file")});
        QCOMPARE(w.find<QLineEdit>("txtlogopath")->text(), w.logoFile);
        QCOMPARE(w.settings.get(SettingsStore::Layout), QStringLiteral("1"));
        QTest::mouseClick(w.find<QPushButton>("cmdremove"), Qt::LeftButton);
        QVERIFY(!w.panel()->layoutOption(1)->isChecked());
        QCOMPARE(w.find<QLineEdit>("txtlogopath")->text(), QString());
        QCOMPARE(w.settings.get(SettingsStore::CompanyLogoPath), QString());
    }
};

TW_TEST_MAIN(TestCompanySettings)
#include "tst_CompanySettings.moc"
