#include "WindowFixture.h"
#include "store/DatabaseOpener.h"

#include <QComboBox>
#include <QPushButton>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void firstStartCreatesDatabaseAndRemembersBillToTerm()
    {
        WindowFixture f;
        QVERIFY(f.make().load(f.defaultDatabase()));
        QVERIFY(QFile::exists(f.defaultDatabase()));
        QCOMPARE(f.settings.get(SettingsStore::BillToTerm), QStringLiteral("To:"));
        QCOMPARE(f.find<QComboBox>("cboCus")->currentText(), QStringLiteral("To:"));
        QCOMPARE(f.find<QComboBox>("cboDoc")->currentText(), QStringLiteral("Invoice"));
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Tallywick"));
        QVERIFY(f.dialogs.shown().isEmpty());
    }

    void storedBillToTermIsShownAsText()
    {
        WindowFixture f;
        f.settings.save(SettingsStore::BillToTerm, QStringLiteral("Dear:"));
        QVERIFY(f.make().load(f.defaultDatabase()));
        QCOMPARE(f.find<QComboBox>("cboCus")->currentText(), QStringLiteral("Dear:"));
    }

    void saveFileWithoutADocumentSaysSo()
    {
        WindowFixture f;
        MainWindow& window = f.make();
        QVERIFY(window.load(f.defaultDatabase()));
        QVERIFY(!f.find<QPushButton>("cmdsave")->isVisibleTo(&window));
        f.find<QPushButton>("cmdSave2")->click();
        QCOMPARE(f.dialogs.shownTexts(), QStringList{QStringLiteral("Please open or start a document.  ")});
        QCOMPARE(f.dialogs.shown().first().icon, DialogIcon::Critical);
    }

    void damagedDatabaseEndsTheLoadWithTheMessage()
    {
        WindowFixture f;
        TestSupport::writeFile(f.defaultDatabase(), "junk");
        QVERIFY(!f.make().load(f.defaultDatabase()));
        QCOMPARE(f.dialogs.shownTexts(), QStringList{DatabaseOpener::missingOrLockedMessage()});
        QCOMPARE(f.dialogs.shown().first().icon, DialogIcon::Critical);
    }
};

TW_TEST_MAIN(TestMainWindow)
#include "tst_MainWindow.moc"
