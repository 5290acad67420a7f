#include "WindowFixture.h"
#include "documents/DeleteCommand.h"
#include "documents/StoreFixture.h"
#include "store/PgTestServer.h"
#include "store/ServerAddress.h"

#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

Q_DECLARE_METATYPE(DialogAnswer)

namespace {

// A main window started as the program starts, with the settings and local file of one folder
// (kept from one start to the next) and scripted message boxes.
struct DeskWindow : WindowFixture
{
    using WindowFixture::WindowFixture;

    // Settings that name the server, as a saved choice leaves them.
    void storeServer(const QString& host, const QString& name, const QString& user)
    {
        settings.save(SettingsStore::DatabasePlace, QStringLiteral("Server"));
        settings.save(SettingsStore::ServerHost, host);
        settings.save(SettingsStore::ServerDatabase, name);
        settings.save(SettingsStore::ServerUser, user);
    }

    QStringList listEntries() const
    {
        auto* list = find<QComboBox>("cboDocNumber");
        QStringList all;
        for (int i = 0; i < list->count(); ++i)
            all << list->itemText(i).left(30).trimmed();  // the number column
        return all;
    }

    void chooseServer(const ServerAddress& server)
    {
        click("optDbServer");
        typeInto("txtServerHost", server.host);
        typeInto("txtServerPort", QString::number(server.port));
        typeInto("txtServerDatabase", server.database);
        typeInto("txtServerUser", server.user);
    }

    void openDatabaseSettings()
    {
        click("chkshowsettings");
        QTabBar* tabs = find<QTabWidget>("SSTab1")->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        QCoreApplication::processEvents();
    }
};

} // namespace

class TestSharedServerWindow : public QObject
{
    Q_OBJECT

    PgTestServer m_server;
    bool m_serverUp = false;
    QString m_skipReason;

private slots:
    void initTestCase() { m_serverUp = m_server.start(&m_skipReason); }
    void cleanupTestCase() { m_server.stop(); }

    // A desk chooses the shared server on the settings page, creates its tables and saves the
    // choice: the window moves to the server at once, without the file-only commands, and so does
    // the next start; choosing this computer again brings the file's documents back.
    void chooseTheServerAsAPersonDoes()
    {
        if (!m_serverUp)
            QSKIP(qPrintable(m_skipReason));
        const std::optional<ServerAddress> server = ServerAddress::parse(m_server.createDatabase());
        QVERIFY(server);
        QTemporaryDir desk;
        {
            DeskWindow w(desk.path());
            QVERIFY(w.loadAndShow());
            QVERIFY(!w.database.isServer());
            ScriptedDialogs yes(true);
            Document local = sampleDocument(QStringLiteral("ON-THIS-PC"), 1);
            QCOMPARE(SaveCommand(w.database, yes, QLocale::c()).save(local).outcome, SaveCommand::Outcome::Saved);
            w.openDatabaseSettings();
            QVERIFY(w.find("cmdCreateDb")->isVisible());
            w.chooseServer(*server);
            w.dialogs.clear();
            w.click("cmdCreateTables");
            QCOMPARE(w.dialogs.shownTexts().size(), 1);
            QVERIFY2(w.dialogs.shownTexts().first().startsWith(QLatin1String("The program's tables are created")),
                     qPrintable(w.dialogs.shownTexts().first()));
            {
                Database other(QLocale::c());
                QCOMPARE(other.open(server->toUrl()), Database::OpenStatus::Opened);
                Document shared = sampleDocument(QStringLiteral("ON-THE-SERVER"), 1);
                QCOMPARE(SaveCommand(other, yes, QLocale::c()).save(shared).outcome, SaveCommand::Outcome::Saved);
            }
            w.click("cmdSaveDbPlace");
            QCOMPARE(w.dialogs.shownTexts().last(), QStringLiteral("The program now uses the %1.").arg(server->describe()));
            QVERIFY(w.database.isServer());
            QVERIFY(!w.find("cmdCreateDb")->isVisible());
            QVERIFY(!w.find("cmdcompact")->isVisible());
            QCOMPARE(w.find<QLineEdit>("txtDb")->text(), server->toUrl());
            QVERIFY(w.listEntries().contains(QLatin1String("ON-THE-SERVER")));
            QVERIFY(!w.listEntries().contains(QLatin1String("ON-THIS-PC")));
            // The other desk's change is heard on the connection just opened.
            {
                Database other(QLocale::c());
                QCOMPARE(other.open(server->toUrl()), Database::OpenStatus::Opened);
                QCOMPARE(DeleteCommand(other, yes).remove(QStringLiteral("ON-THE-SERVER")).outcome,
                         DeleteCommand::Outcome::Deleted);
            }
            QTRY_VERIFY_WITH_TIMEOUT(!w.listEntries().contains(QLatin1String("ON-THE-SERVER")), 1000);

            w.click("optDbLocal");
            w.click("cmdSaveDbPlace");
            QCOMPARE(w.dialogs.shownTexts().last(), QStringLiteral("The program now uses the database file on this computer."));
            QVERIFY(!w.database.isServer());
            QVERIFY(w.find("cmdCreateDb")->isVisible());
            QVERIFY(w.find("cmdcompact")->isVisible());
            QVERIFY(w.listEntries().contains(QLatin1String("ON-THIS-PC")));

            w.chooseServer(*server);
            w.click("cmdSaveDbPlace");
            QVERIFY(w.database.isServer());
        }
        DeskWindow next(desk.path());
        QVERIFY(next.loadAndShow());
        QVERIFY(next.database.isServer());
        QVERIFY(next.dialogs.shownTexts().isEmpty());
        next.openDatabaseSettings();
        QVERIFY(!next.find("cmdCreateDb")->isVisible());
        QVERIFY(!next.find("cmdcompact")->isVisible());
        QVERIFY(next.find<QRadioButton>("optDbServer")->isChecked());
        QCOMPARE(next.find<QLineEdit>("txtServerDatabase")->text(), server->database);
        QCOMPARE(next.database.path(), server->toUrl());

        // A purge there points to pg_dump instead of offering a backup.
        next.dialogs.clear();
        next.click("cmdDeleteDocs");
        QVERIFY(!next.dialogs.shownTexts().isEmpty());
        QVERIFY2(next.dialogs.shownTexts().first().contains(QLatin1String("pg_dump")),
                 qPrintable(next.dialogs.shownTexts().first()));
    }

    // A server chosen while the program runs that cannot be used: from the file the desk goes on
    // with its file; from another server it may take its file or stay where it was.
    void switchingToAnUnusableServer_data()
    {
        QTest::addColumn<bool>("fromServer");
        QTest::addColumn<DialogAnswer>("answer");
        QTest::addColumn<bool>("onServerAfter");
        QTest::newRow("from the file") << false << DialogAnswer::No << false;
        QTest::newRow("from a server, takes the file") << true << DialogAnswer::Yes << false;
        QTest::newRow("from a server, stays") << true << DialogAnswer::No << true;
    }
    void switchingToAnUnusableServer()
    {
        QFETCH(bool, fromServer);
        QFETCH(DialogAnswer, answer);
        QFETCH(bool, onServerAfter);
        if (!m_serverUp)
            QSKIP(qPrintable(m_skipReason));
        QTemporaryDir desk;
        DeskWindow w(desk.path());
        const std::optional<ServerAddress> good = ServerAddress::parse(m_server.createDatabase());
        QVERIFY(good);
        if (fromServer) {
            Database tables;
            QVERIFY(tables.create(good->toUrl()));
            w.storeServer(good->host, good->database, good->user);
        }
        QVERIFY(w.loadAndShow());
        const QString before = w.database.path();
        w.openDatabaseSettings();
        ServerAddress bad = *good;
        bad.host = w.home.filePath(QStringLiteral("no-server-here"));
        w.chooseServer(bad);
        w.dialogs.clear();
        w.dialogs.setNextAnswer(answer);
        w.click("cmdSaveDbPlace");
        QVERIFY(!w.dialogs.shownTexts().isEmpty());
        const QString message = w.dialogs.shownTexts().first();
        QVERIFY2(message.contains(bad.describe()), qPrintable(message));
        QVERIFY2(message.contains(fromServer ? QLatin1String("Open the database on this computer instead?")
                                             : QLatin1String("goes on with the database file")),
                 qPrintable(message));
        QVERIFY(w.database.isOpen());
        QCOMPARE(w.database.isServer(), onServerAfter);
        if (onServerAfter || !fromServer)
            QCOMPARE(w.database.path(), before);
        QCOMPARE(w.find<QLineEdit>("txtDb")->text(), w.database.path());
        // The choice stays stored: the next start tries that server.
        QCOMPARE(w.settings.get(SettingsStore::DatabasePlace), QStringLiteral("Server"));
    }

    // Another desk saves and deletes: this desk's saved-document list follows within a second, and
    // what is being typed in its box stays as typed, cursor and all.
    void othersWorkAppearsWhileTyping()
    {
        if (!m_serverUp)
            QSKIP(qPrintable(m_skipReason));
        const QString url = m_server.createDatabase();
        const std::optional<ServerAddress> server = ServerAddress::parse(url);
        QVERIFY(server);
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        Database other(english);
        QVERIFY(other.create(url));

        QTemporaryDir desk;
        DeskWindow w(desk.path());
        w.storeServer(server->host, server->database, server->user);
        QVERIFY(w.loadAndShow());
        QVERIFY(w.database.isServer());
        auto* list = w.find<QComboBox>("cboDocNumber");
        auto entries = [list] {
            QStringList all;
            for (int i = 0; i < list->count(); ++i)
                all << list->itemText(i);
            return all.join(QLatin1Char('\n'));
        };
        w.typeInto("cboDocNumber", QStringLiteral("ABC"));
        QWidget* typing = QApplication::focusWidget();
        QTest::keyClick(typing, Qt::Key_Left);

        Document fromOther = sampleDocument(QStringLiteral("FROM-DESK-2"), 2);
        ScriptedDialogs yes(true);
        QCOMPARE(SaveCommand(other, yes, english).save(fromOther).outcome, SaveCommand::Outcome::Saved);
        QTRY_VERIFY_WITH_TIMEOUT(entries().contains(QLatin1String("FROM-DESK-2")), 1000);
        QCOMPARE(list->currentText(), QStringLiteral("ABC"));
        QCOMPARE(QApplication::focusWidget(), typing);
        QTest::keyClicks(typing, QStringLiteral("x"));
        QCOMPARE(list->currentText(), QStringLiteral("ABxC"));

        QCOMPARE(DeleteCommand(other, yes).remove(QStringLiteral("FROM-DESK-2")).outcome, DeleteCommand::Outcome::Deleted);
        QTRY_VERIFY_WITH_TIMEOUT(!entries().contains(QLatin1String("FROM-DESK-2")), 1000);
        QCOMPARE(list->currentText(), QStringLiteral("ABxC"));
    }

    // A server that cannot be used gets one message naming it; the desk may take its own file
    // instead, or end there.
    void anUnusableServerOffersTheLocalFile_data()
    {
        QTest::addColumn<bool>("takeLocal");
        QTest::newRow("takes the file") << true;
        QTest::newRow("ends") << false;
    }
    void anUnusableServerOffersTheLocalFile()
    {
        QFETCH(bool, takeLocal);
        QTemporaryDir desk;
        DeskWindow w(desk.path());
        w.storeServer(w.home.filePath(QStringLiteral("no-server-here")), QStringLiteral("office"), QStringLiteral("anna"));
        w.dialogs.setNextAnswer(takeLocal ? DialogAnswer::Yes : DialogAnswer::No);
        QCOMPARE(w.loadAndShow(), takeLocal);
        QVERIFY(w.dialogs.shownTexts().size() >= 1);
        const QString message = w.dialogs.shownTexts().first();
        QVERIFY2(message.contains(QLatin1String("database office on server")) && message.contains(QLatin1String("anna"))
                     && message.endsWith(QLatin1String("Open the database on this computer instead?")),
                 qPrintable(message));
        QCOMPARE(w.database.isOpen(), takeLocal);
        QCOMPARE(QFile::exists(w.defaultDatabase()), takeLocal);
        // The choice stays: the next start tries the server again.
        QCOMPARE(w.settings.get(SettingsStore::DatabasePlace), QStringLiteral("Server"));
    }
};

TW_TEST_MAIN(TestSharedServerWindow)
#include "tst_SharedServerWindow.moc"
