#include "WindowFixture.h"
#include "core/CloseQuestion.h"
#include "app/SingleInstanceLock.h"
#include "store/DatabaseOpener.h"

#include <QComboBox>
#include <QSettings>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void secondInstanceIsRefusedUntilTheFirstEnds()
    {
        QTemporaryDir dir;
        const QString lockPath = dir.filePath(QStringLiteral("Tallywick.lock"));
        {
            SingleInstanceLock first(lockPath);
            QVERIFY(first.acquire());
            SingleInstanceLock again(lockPath);
            QVERIFY(!again.acquire());
            QVERIFY(first.acquire());
        }
        SingleInstanceLock next(lockPath);
        QVERIFY(next.acquire());
    }

    // A copy that crashed leaves its file behind, with whatever it held: the next start goes ahead.
    void lockFileLeftBehindDoesNotBlock()
    {
        QTemporaryDir dir;
        const QString lockPath = TestSupport::writeFile(dir.filePath(QStringLiteral("Tallywick.lock")), "4242\nTallywick\n");
        SingleInstanceLock next(lockPath);
        QVERIFY(next.acquire());
    }

    void firstStartCreatesDatabaseAndRemembersBillToTerm_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("nothing stored") << "" << "To:";
        QTest::newRow("stored term shown as text") << "Dear:" << "Dear:";
    }

    void firstStartCreatesDatabaseAndRemembersBillToTerm()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        WindowFixture f;
        f.settings.save(SettingsStore::BillToTerm, stored);
        QVERIFY(f.make().load(f.defaultDatabase()));
        QVERIFY(QFile::exists(f.defaultDatabase()));
        QCOMPARE(f.settings.get(SettingsStore::BillToTerm), shown);
        QCOMPARE(f.find<QComboBox>("cboCus")->currentText(), shown);
        QCOMPARE(f.find<QComboBox>("cboDoc")->currentText(), QStringLiteral("Invoice"));
        QVERIFY(f.dialogs.shown().isEmpty());
    }

    void damagedDatabaseEndsTheLoadWithTheMessage()
    {
        WindowFixture f;
        TestSupport::writeFile(f.defaultDatabase(), "junk");
        QVERIFY(!f.make().load(f.defaultDatabase()));
        QCOMPARE(f.dialogs.shownTexts(), QStringList{DatabaseOpener::missingOrLockedMessage()});
        QCOMPARE(f.dialogs.shown().first().icon, DialogIcon::Critical);
        QCOMPARE(TestSupport::readFile(f.defaultDatabase()), QByteArray("junk"));
    }

    void closeQuestion_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<DialogAnswer>("answer");
        QTest::addColumn<CloseQuestion::Outcome>("outcome");
        QTest::addColumn<bool>("asked");
        using Outcome = CloseQuestion::Outcome;
        QTest::newRow("no rows, no question") << 0 << DialogAnswer::Cancel << Outcome::Close << false;
        QTest::newRow("yes saves") << 1 << DialogAnswer::Yes << Outcome::SaveThenClose << true;
        QTest::newRow("no closes") << 3 << DialogAnswer::No << Outcome::Close << true;
        QTest::newRow("cancel stays") << 3 << DialogAnswer::Cancel << Outcome::StayOpen << true;
    }

    void closeQuestion()
    {
        QFETCH(int, rows);
        QFETCH(DialogAnswer, answer);
        QFETCH(CloseQuestion::Outcome, outcome);
        QFETCH(bool, asked);
        ScriptedDialogs dialogs;
        dialogs.setNextAnswer(answer);
        QCOMPARE(CloseQuestion::ask(dialogs, rows), outcome);
        QCOMPARE(dialogs.shown().size(), asked ? 1 : 0);
        if (asked) {
            const DialogRequest& shown = dialogs.shown().first();
            QCOMPARE(shown.title, QStringLiteral("Close without saving"));
            QCOMPARE(shown.text, QStringLiteral("There is an open document.\r\n\r\nSave before closing?  "));
            QCOMPARE(shown.buttons, DialogButtons::YesNoCancel);
        }
    }

    void settingsSurviveAReopen_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("plain") << QStringLiteral("To:");
        QTest::newRow("empty clears") << QString();
        QTest::newRow("path with blanks") << QStringLiteral("/home/a b/logo.jpg");
        QTest::newRow("unicode") << QStringLiteral("Kunde: Müller €");
        QTest::newRow("comma list stays one text") << QStringLiteral("a,b,c");
    }

    void settingsSurviveAReopen()
    {
        QFETCH(QString, value);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("s.ini"));
        {
            SettingsStore settings(file);
            settings.save(SettingsStore::BillToTerm, QStringLiteral("old"));
            settings.save(SettingsStore::BillToTerm, value);
            settings.save(SettingsStore::HtmlLines, QStringLiteral("7"));
        }
        SettingsStore again(file);
        QCOMPARE(again.get(SettingsStore::BillToTerm), value);
        QCOMPARE(again.get(SettingsStore::Layout), QString());  // never written
        // The keys live in the Settings group of the file.
        QCOMPARE(QSettings(file, QSettings::IniFormat).value(QStringLiteral("Settings/HtmlLines")).toString(),
                 QStringLiteral("7"));
    }

    void damagedSettingReadsAsText()
    {
        QTemporaryDir dir;
        const QString file = TestSupport::writeFile(
            dir.filePath(QStringLiteral("s.ini")),
            "[Settings]\nLayout=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x12junk)\nHtmlLines=\n\x01\x02garbage\n");
        SettingsStore settings(file);
        settings.get(SettingsStore::Layout);  // must not crash
        QCOMPARE(settings.get(SettingsStore::HtmlLines), QString());
    }
};

TW_TEST_MAIN(TestStartup)
#include "tst_Startup.moc"
