#include "TestSupport.h"
#include "app/Dialogs.h"
#include "app/SettingsStore.h"
#include "app/widgets/MainWindow.h"
#include "store/Database.h"
#include "store/DatabaseOpener.h"

#include <QComboBox>
#include <QFile>
#include <QPushButton>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void firstStartCreatesDatabaseAndRemembersBillToTerm()
    {
        QTemporaryDir dir;
        SettingsStore settings(dir.filePath(QStringLiteral("s.ini")));
        Database database;
        ScriptedDialogs dialogs;
        MainWindow window(settings, database, dialogs);
        const QString dbPath = dir.filePath(QStringLiteral("tallywick.mdb"));
        QVERIFY(window.load(dbPath));
        QVERIFY(QFile::exists(dbPath));
        QCOMPARE(settings.get(SettingsStore::BillToTerm), QStringLiteral("To:"));
        QCOMPARE(window.findChild<QComboBox*>(QStringLiteral("cboCus"))->currentText(), QStringLiteral("To:"));
        QCOMPARE(window.findChild<QComboBox*>(QStringLiteral("cboDoc"))->currentText(), QStringLiteral("Invoice"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Tallywick"));
        QVERIFY(dialogs.shown().isEmpty());
    }

    void storedBillToTermIsShownAsText()
    {
        QTemporaryDir dir;
        SettingsStore settings(dir.filePath(QStringLiteral("s.ini")));
        settings.save(SettingsStore::BillToTerm, QStringLiteral("Dear:"));
        Database database;
        ScriptedDialogs dialogs;
        MainWindow window(settings, database, dialogs);
        QVERIFY(window.load(dir.filePath(QStringLiteral("tallywick.mdb"))));
        QCOMPARE(window.findChild<QComboBox*>(QStringLiteral("cboCus"))->currentText(), QStringLiteral("Dear:"));
    }

    void saveFileWithoutADocumentSaysSo()
    {
        QTemporaryDir dir;
        SettingsStore settings(dir.filePath(QStringLiteral("s.ini")));
        Database database;
        ScriptedDialogs dialogs;
        MainWindow window(settings, database, dialogs);
        QVERIFY(window.load(dir.filePath(QStringLiteral("tallywick.mdb"))));
        QVERIFY(!window.findChild<QPushButton*>(QStringLiteral("cmdsave"))->isVisibleTo(&window));
        window.findChild<QPushButton*>(QStringLiteral("cmdSave2"))->click();
        QCOMPARE(dialogs.shownTexts(), QStringList{QStringLiteral("Please open or start a document.  ")});
        QCOMPARE(dialogs.shown().first().icon, DialogIcon::Critical);
    }

    void damagedDatabaseEndsTheLoadWithTheMessage()
    {
        QTemporaryDir dir;
        SettingsStore settings(dir.filePath(QStringLiteral("s.ini")));
        const QString dbPath = dir.filePath(QStringLiteral("tallywick.mdb"));
        QFile junk(dbPath);
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("junk");
        junk.close();
        Database database;
        ScriptedDialogs dialogs;
        MainWindow window(settings, database, dialogs);
        QVERIFY(!window.load(dbPath));
        QCOMPARE(dialogs.shownTexts(), QStringList{DatabaseOpener::missingOrLockedMessage()});
        QCOMPARE(dialogs.shown().first().icon, DialogIcon::Critical);
    }
};

TW_TEST_MAIN(TestMainWindow)
#include "tst_MainWindow.moc"
