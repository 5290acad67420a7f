#include "TestSupport.h"
#include "app/Dialogs.h"
#include "app/SettingsStore.h"
#include "store/CompanyRepository.h"
#include "store/CompanySaveCommand.h"
#include "store/Database.h"
#include "store/LetterheadSettings.h"

#include <QImage>

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

// A database, a settings file and a logo picture in one temporary folder.
struct Fixture
{
    QTemporaryDir dir;
    SettingsStore settings{dir.filePath(QStringLiteral("settings.ini"))};
    Database database{QLocale::c()};
    RecordingDialogs dialogs;

    Fixture()
    {
        database.create(dir.filePath(QStringLiteral("tallywick.mdb")));
        QImage logo(40, 20, QImage::Format_RGB32);
        logo.fill(Qt::blue);
        logo.save(picture());
        TestSupport::writeFile(notAPicture(), "plain text, no image");
    }
    QString picture() const { return dir.filePath(QStringLiteral("logo.jpg")); }
    QString notAPicture() const { return dir.filePath(QStringLiteral("notes.jpg")); }
    QString missing() const { return dir.filePath(QStringLiteral("gone.gif")); }
    QString file(const QString& kind) const
    {
        if (kind == QLatin1String("picture"))
            return picture();
        if (kind == QLatin1String("not a picture"))
            return notAPicture();
        if (kind == QLatin1String("missing"))
            return missing();
        return QString();
    }
    CompanyProfile stored() { return CompanyRepository(database).loadDefault().value_or(CompanyProfile()); }
    // Marks both alignment keys so a test can tell which ones an action wrote.
    void markAlignmentKeys()
    {
        settings.save(SettingsStore::AlignLeft, NotWritten);
        settings.save(SettingsStore::AddressRight, NotWritten);
    }
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

} // namespace

class TestCompanySettings : public QObject
{
    Q_OBJECT

private slots:
    void updateStatementIsExact()
    {
        CompanyProfile profile = profileOf(QStringLiteral("Joe's Bakery"), QStringLiteral("7"));
        profile.address = QStringLiteral("O'Hara Lane");
        QCOMPARE(CompanySaveCommand::updateStatement(profile),
                 QStringLiteral("UPDATE tblcompany SET CompanyName = 'Joe''s Bakery', CompanyAddress = 'O''Hara Lane', "
                                "CurrencySymbol = '\u20ac', TaxName = 'VAT', TaxPercent = 7 WHERE Default = 'Yes' "));
    }

    void savedProfileReadsBack_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("taxPercent");
        QTest::addColumn<QString>("shownAfter");
        QTest::newRow("apostrophe") << "Joe's Bakery" << "7.5" << "7.5";
        QTest::newRow("blanks around tax") << "Joe's Bakery" << " 7 " << "7";
        QTest::newRow("two apostrophes") << "Ma's & Pa's ''Shop''" << "0" << "0";
        QTest::newRow("name kept untrimmed") << "  Spaced Co  " << "20" << "20";
    }

    void savedProfileReadsBack()
    {
        QFETCH(QString, name);
        QFETCH(QString, taxPercent);
        QFETCH(QString, shownAfter);
        Fixture f;
        CompanyProfile profile = profileOf(name, taxPercent);
        QCOMPARE(CompanySaveCommand(f.database, f.dialogs).run(profile), CompanySaveCommand::Outcome::Saved);
        QCOMPARE(profile.taxPercent, shownAfter);
        QCOMPARE(f.stored(), profile);
        QCOMPARE(f.dialogs.shownTexts(), QStringList{QStringLiteral("Settings successfully saved.")});
        QCOMPARE(f.dialogs.shown().first().icon, DialogIcon::Information);
    }

    void refusedTaxPercentWritesNothing_data()
    {
        QTest::addColumn<QString>("taxPercent");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("numeric");  // refused as no number, or as no plain number
        QTest::newRow("empty") << "" << "C" << false;
        QTest::newRow("blanks") << "   " << "C" << false;
        QTest::newRow("letters") << "seven" << "C" << false;
        QTest::newRow("digits and letters") << "7a" << "C" << false;
        QTest::newRow("thousands separator") << "1,000" << "en_US" << true;
        QTest::newRow("decimal comma") << "7,5" << "de_DE" << true;
        QTest::newRow("statement tail") << "7; DELETE FROM tbldoc" << "C" << false;
    }

    void refusedTaxPercentWritesNothing()
    {
        QFETCH(QString, taxPercent);
        QFETCH(QString, locale);
        QFETCH(bool, numeric);
        Fixture f;
        const CompanyProfile before = f.stored();
        CompanyProfile profile = profileOf(QStringLiteral("New Name"), taxPercent);
        const auto outcome = CompanySaveCommand(f.database, f.dialogs, QLocale(locale)).run(profile);
        QCOMPARE(outcome, CompanySaveCommand::Outcome::TaxRefused);
        QCOMPARE(profile.taxPercent, taxPercent.trimmed());
        QCOMPARE(f.stored(), before);
        QCOMPARE(f.dialogs.shown().size(), 1);
        QCOMPARE(f.dialogs.shown().first().icon, DialogIcon::Critical);
        const QString text = f.dialogs.shownTexts().first();
        if (numeric)
            QVERIFY2(text.contains(QLatin1String("plain number")), qPrintable(text));
        else
            QCOMPARE(text, QStringLiteral("Tax percent should be a number."));
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
        QTest::addColumn<bool>("leftAfter");
        QTest::addColumn<bool>("rightAfter");
        QTest::addColumn<QString>("storedLeft");
        QTest::addColumn<QString>("storedRight");
        QTest::newRow("left over right") << "right" << "left" << true << true << false << "1" << "0";
        QTest::newRow("right over left") << "left" << "right" << true << false << true << "0" << "1";
        QTest::newRow("left alone") << "" << "left" << true << true << false << "1" << NotWritten;
        QTest::newRow("right alone") << "" << "right" << true << false << true << NotWritten << "1";
        QTest::newRow("uncheck left") << "left" << "left" << false << false << false << "0" << NotWritten;
        QTest::newRow("uncheck right") << "right" << "right" << false << false << false << NotWritten << "0";
        QTest::newRow("unchanged box stores nothing") << "" << "left" << false << false << false << NotWritten
                                                      << NotWritten;
    }

    void alignmentPair()
    {
        QFETCH(QString, checkedBefore);
        QFETCH(QString, box);
        QFETCH(bool, check);
        QFETCH(bool, leftAfter);
        QFETCH(bool, rightAfter);
        QFETCH(QString, storedLeft);
        QFETCH(QString, storedRight);
        Fixture f;
        LetterheadSettings letterhead(f.settings, f.dialogs);
        letterhead.setAlignLeft(checkedBefore == QLatin1String("left"));
        letterhead.setAddressRight(checkedBefore == QLatin1String("right"));
        f.markAlignmentKeys();
        if (box == QLatin1String("left"))
            letterhead.setAlignLeft(check);
        else
            letterhead.setAddressRight(check);
        QCOMPARE(letterhead.alignLeft(), leftAfter);
        QCOMPARE(letterhead.addressRight(), rightAfter);
        QCOMPARE(f.settings.get(SettingsStore::AlignLeft), storedLeft);
        QCOMPARE(f.settings.get(SettingsStore::AddressRight), storedRight);
    }

    void layoutWithoutLogoAsksForOne_data()
    {
        QTest::addColumn<QString>("chosen");  // what the file dialog returns
        QTest::addColumn<QString>("storedPath");
        QTest::addColumn<bool>("noFileNotice");
        QTest::addColumn<bool>("pictureShown");
        QTest::newRow("cancelled") << "" << "" << true << false;
        QTest::newRow("picture") << "picture" << "picture" << false << true;
        QTest::newRow("not a picture") << "not a picture" << "not a picture" << false << false;
    }

    void layoutWithoutLogoAsksForOne()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, storedPath);
        QFETCH(bool, noFileNotice);
        QFETCH(bool, pictureShown);
        Fixture f;
        LetterheadSettings letterhead(f.settings, f.dialogs);
        f.dialogs.setNextFile(f.file(chosen));
        letterhead.chooseLayout(1);
        QCOMPARE(f.settings.get(SettingsStore::Layout), QStringLiteral("1"));
        QCOMPARE(letterhead.layout(), 1);
        QCOMPARE(f.dialogs.shownTexts(),
                 QStringList{QStringLiteral("You have selected a letterhead layout with your Company logo. \r\n\r\n"
                                            "Please browse now for the image file.")});
        QCOMPARE(f.dialogs.fileTitles(), QStringList{QStringLiteral("Please select the image file")});
        QCOMPARE(f.dialogs.filters, QStringList{QStringLiteral("Image Files (*.gif;*.jpg)|*.gif;*.jpg")});
        QCOMPARE(f.settings.get(SettingsStore::CompanyLogoPath), f.file(storedPath));
        QCOMPARE(letterhead.logoPath(), f.file(storedPath));
        QCOMPARE(letterhead.noFileNoticeVisible(), noFileNotice);
        QCOMPARE(!letterhead.logo().isNull(), pictureShown);
    }

    void layoutWithLogoStoresOnly()
    {
        Fixture f;
        f.settings.save(SettingsStore::CompanyLogoPath, f.picture());
        LetterheadSettings letterhead(f.settings, f.dialogs);
        letterhead.openLogoAndLayout();
        letterhead.chooseLayout(0);
        QCOMPARE(f.settings.get(SettingsStore::Layout), QStringLiteral("0"));
        QVERIFY(f.dialogs.shown().isEmpty());
        QVERIFY(f.dialogs.fileTitles().isEmpty());
    }

    void browseLogo_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<bool>("layoutSelected");
        QTest::addColumn<QString>("storedPath");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("picture, no layout") << "picture" << false << "picture"
                                            << QStringList{QStringLiteral("Please select a Layout option now.")};
        QTest::newRow("picture, layout chosen") << "picture" << true << "picture" << QStringList();
        QTest::newRow("not a picture, no layout") << "not a picture" << false << "not a picture" << QStringList();
        QTest::newRow("cancel keeps stored path") << "" << false << "picture" << QStringList();
    }

    void browseLogo()
    {
        QFETCH(QString, chosen);
        QFETCH(bool, layoutSelected);
        QFETCH(QString, storedPath);
        QFETCH(QStringList, messages);
        Fixture f;
        f.settings.save(SettingsStore::CompanyLogoPath, f.picture());
        if (layoutSelected)
            f.settings.save(SettingsStore::Layout, QStringLiteral("2"));
        LetterheadSettings letterhead(f.settings, f.dialogs);
        letterhead.openLogoAndLayout();
        f.dialogs.clear();
        f.dialogs.setNextFile(f.file(chosen));
        letterhead.browseLogo();
        QCOMPARE(f.settings.get(SettingsStore::CompanyLogoPath), f.file(storedPath));
        QCOMPARE(f.dialogs.shownTexts(), messages);
        QVERIFY(!letterhead.noFileNoticeVisible());
    }

    void unselectAndRemove_data()
    {
        QTest::addColumn<bool>("remove");
        QTest::addColumn<QString>("logoAfter");
        QTest::newRow("unselect layout keeps logo") << false << "picture";
        QTest::newRow("remove logo empties both") << true << "";
    }

    void unselectAndRemove()
    {
        QFETCH(bool, remove);
        QFETCH(QString, logoAfter);
        Fixture f;
        f.settings.save(SettingsStore::CompanyLogoPath, f.picture());
        f.settings.save(SettingsStore::Layout, QStringLiteral("1"));
        LetterheadSettings letterhead(f.settings, f.dialogs);
        letterhead.openLogoAndLayout();
        if (remove)
            letterhead.removeLogo();
        else
            letterhead.unselectLayout();
        QCOMPARE(f.settings.get(SettingsStore::Layout), QString());
        QCOMPARE(f.settings.get(SettingsStore::CompanyLogoPath), f.file(logoAfter));
        QCOMPARE(letterhead.layout(), int(LetterheadSettings::NoLayout));
        QCOMPARE(letterhead.logo().isNull(), remove);
        QVERIFY(!letterhead.noFileNoticeVisible());
    }

    void openingThePanel_data()
    {
        QTest::addColumn<QString>("logo");
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("alignLeft");
        QTest::addColumn<QString>("addressRight");
        QTest::addColumn<int>("selected");
        QTest::addColumn<bool>("askedForLogo");
        QTest::addColumn<bool>("noFileNotice");
        QTest::addColumn<bool>("leftChecked");
        QTest::addColumn<bool>("rightChecked");
        QTest::newRow("fresh user") << "" << "" << "" << "" << -1 << false << false << false << false;
        QTest::newRow("third layout") << "picture" << "2" << "" << "" << 2 << false << false << false << false;
        QTest::newRow("layout without logo asks") << "" << "1" << "" << "" << 1 << true << true << false << false;
        QTest::newRow("missing logo file") << "missing" << "0" << "" << "" << 0 << false << true << false << false;
        QTest::newRow("align left") << "" << "" << "1" << "0" << -1 << false << false << true << false;
        QTest::newRow("address right") << "" << "" << "0" << "1" << -1 << false << false << false << true;
        QTest::newRow("both stored, right wins") << "" << "" << "1" << "1" << -1 << false << false << false << true;
        QTest::newRow("layout out of range") << "picture" << "7" << "yes" << "" << -1 << false << false << false
                                             << false;
    }

    void openingThePanel()
    {
        QFETCH(QString, logo);
        QFETCH(QString, layout);
        QFETCH(QString, alignLeft);
        QFETCH(QString, addressRight);
        QFETCH(int, selected);
        QFETCH(bool, askedForLogo);
        QFETCH(bool, noFileNotice);
        QFETCH(bool, leftChecked);
        QFETCH(bool, rightChecked);
        Fixture f;
        f.settings.save(SettingsStore::CompanyLogoPath, f.file(logo));
        f.settings.save(SettingsStore::Layout, layout);
        f.settings.save(SettingsStore::AlignLeft, alignLeft);
        f.settings.save(SettingsStore::AddressRight, addressRight);
        LetterheadSettings letterhead(f.settings, f.dialogs);
        letterhead.openLogoAndLayout();
        letterhead.applyStoredAlignment();
        QCOMPARE(letterhead.layout(), selected);
        QCOMPARE(f.dialogs.fileTitles().size(), askedForLogo ? 1 : 0);
        QCOMPARE(letterhead.noFileNoticeVisible(), noFileNotice);
        QCOMPARE(letterhead.alignLeft(), leftChecked);
        QCOMPARE(letterhead.addressRight(), rightChecked);
        QCOMPARE(letterhead.logo().isNull(), logo != QLatin1String("picture"));
        if (selected >= 0)
            QCOMPARE(f.settings.get(SettingsStore::Layout), QString::number(selected));
        letterhead.closePanel();
        QVERIFY(letterhead.logo().isNull());
    }

    void logoThatVanishesWhileLoadingIsReported()
    {
        Fixture f;
        f.settings.save(SettingsStore::CompanyLogoPath, f.picture());
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
};

TW_TEST_MAIN(TestCompanySettings)
#include "tst_CompanySettings.moc"
