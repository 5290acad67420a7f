#include "TestSupport.h"
#include "core/Dialogs.h"
#include "core/SettingsStore.h"
#include "store/CompanyRepository.h"
#include "store/CreateDatabaseCommand.h"
#include "store/Database.h"
#include "store/DatabaseOpener.h"
#include "store/JetSqlTranslator.h"
#include "store/SqlText.h"

#include <QSqlRecord>

using TestSupport::fileHash;
using TestSupport::writeFile;

namespace {

QStringList texts(std::initializer_list<const char*> items)
{
    QStringList list;
    for (const char* item : items)
        list.append(QString::fromUtf8(item));
    return list;
}

} // namespace

class TestDatabase : public QObject
{
    Q_OBJECT

private slots:
    void fallbackRules_data()
    {
        QTest::addColumn<QString>("setting");  // "" none, "deleted", "valid"
        QTest::addColumn<bool>("usesDefault");
        QTest::newRow("no setting") << "" << true;
        QTest::newRow("deleted file") << "deleted" << true;
        QTest::newRow("valid file") << "valid" << false;
    }

    void fallbackRules()
    {
        QFETCH(QString, setting);
        QFETCH(bool, usesDefault);
        QTemporaryDir dir;
        SettingsStore settings(dir.filePath(QStringLiteral("s.ini")));
        const QString other = dir.filePath(QStringLiteral("other.mdb"));
        if (setting == QLatin1String("valid"))
            QVERIFY(Database().create(other));
        if (!setting.isEmpty())
            settings.save(SettingsStore::CompanyDatabase, other);
        const QString defaultPath = dir.filePath(QStringLiteral("tallywick.mdb"));
        Database db;
        QVERIFY(DatabaseOpener::open(db, settings, defaultPath, nullptr));
        QCOMPARE(db.path(), usesDefault ? defaultPath : other);
        // The setting is never rewritten by the fallback.
        QCOMPARE(settings.get(SettingsStore::CompanyDatabase), setting.isEmpty() ? QString() : other);
        // A missing default file is made as Database::create makes it (its rows: tst_Engines).
        QVERIFY(CompanyRepository(db).loadDefault());
        QVERIFY(db.query(QStringLiteral("SELECT * FROM tbldoc")).ok);
    }

    void damagedFilesAreRefusedUntouched_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("text file") << QByteArray("hello, I am not a database\n");
        QTest::newRow("jet-like header") << QByteArray("\0\1\0\0Standard Jet DB\0", 19) + QByteArray(4000, 'x');
        QTest::newRow("sqlite header, junk body")
            << QByteArray("SQLite format 3\0", 16) + QByteArray(5000, '\x7f');
    }

    void damagedFilesAreRefusedUntouched()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        SettingsStore settings(dir.filePath(QStringLiteral("s.ini")));
        const QString defaultPath = dir.filePath(QStringLiteral("tallywick.mdb"));
        writeFile(defaultPath, content);
        const QByteArray before = fileHash(defaultPath);
        Database db;
        QString message;
        QVERIFY(!DatabaseOpener::open(db, settings, defaultPath, &message));
        QCOMPARE(message, DatabaseOpener::missingOrLockedMessage());
        QVERIFY(!db.isOpen());
        QCOMPARE(fileHash(defaultPath), before);
        QCOMPARE(QFileInfo(defaultPath).size(), qint64(content.size()));
    }

    // NULL stays apart from "" (case and values themselves: tst_Engines, tst_StatementValues).
    void textColumns()
    {
        QTemporaryDir dir;
        Database db;
        QVERIFY(db.create(dir.filePath(QStringLiteral("t.mdb"))));
        QVERIFY(db.execute(QStringLiteral("INSERT INTO tbldoc (Docnumber, Notes) VALUES ('INV-1', NULL)")).ok);
        QVERIFY(db.execute(QStringLiteral("INSERT INTO tbldoc (Docnumber, Notes) VALUES ('inv-1', '')")).ok);
        const QList<QSqlRecord> rows = db.query(QStringLiteral("SELECT * FROM tbldoc ORDER BY ID")).records;
        QVERIFY(rows[0].isNull(QStringLiteral("Notes")));
        QVERIFY(!rows[1].isNull(QStringLiteral("Notes")));
        QCOMPARE(SqlText::NullToText(rows[0].value(QStringLiteral("Notes"))).toString(), QString());
    }

    void createNewDatabaseTwice()
    {
        QTemporaryDir dir;
        SettingsStore settings(dir.filePath(QStringLiteral("s.ini")));
        Database db;
        const QString inUse = dir.filePath(QStringLiteral("tallywick.mdb"));
        QVERIFY(db.create(inUse));
        ScriptedDialogs dialogs;
        QStringList shownPaths;
        CreateDatabaseCommand command(dialogs, settings, [&](const QString& path, bool highlighted) {
            shownPaths.append(path + (highlighted ? QStringLiteral(" *") : QString()));
        });
        const QString target = dir.filePath(QStringLiteral("Company.mdb"));
        command.run(inUse, dir.path());
        QVERIFY(QFile::exists(target));
        QCOMPARE(settings.get(SettingsStore::CompanyDatabase), target);
        QCOMPARE(dialogs.shownTexts(),
                 QStringList({QStringLiteral("This will create 'Company.mdb' in the application directory.\r\n\r\n"),
                              QStringLiteral("Success. Please relaunch this program to use  ") + target
                                  + QStringLiteral("  automatically.")}));
        dialogs.clear();
        command.run(inUse, dir.path());
        QCOMPARE(dialogs.shownTexts().size(), 3);
        QCOMPARE(dialogs.shownTexts()[1],
                 QStringLiteral("Database 'Company.mdb' in application directory already exists."));
        QCOMPARE(dialogs.shown()[1].icon, DialogIcon::Critical);
        QCOMPARE(dialogs.shownTexts()[2],
                 QStringLiteral("Please relaunch this program to use  ") + target + QStringLiteral("  automatically."));
        QCOMPARE(shownPaths.last(), target);
        QCOMPARE(settings.get(SettingsStore::CompanyDatabase), target);
    }

    void createHelpText()
    {
        const QString opening = QStringLiteral(
            "By clicking the button on the left, you will create a new database 'Company.mdb' in this application "
            "directory ->  /d. \r\n");
        QCOMPARE(CreateDatabaseCommand::helpText(QStringLiteral("/d/COMPANY.MDB"), QStringLiteral("/d")),
                 opening
                     + QStringLiteral("\r\nHowever you have already created it and are now using 'Company.mdb' in the "
                                      "application directory  ->  /d. "));
        const QString other = CreateDatabaseCommand::helpText(QStringLiteral("/x/tallywick.mdb"), QStringLiteral("/d"));
        QVERIFY(other.startsWith(opening
                                 + QStringLiteral("\r\nThis is a copy of your current database   -   /x/tallywick.mdb\r\n\r\n"
                                                  "The new 'Company.mdb' in this application directory -  /d  - will "
                                                  "then be used automatically by this program on the next launch.\r\n\r\n")
                                 + QString(50, QLatin1Char('-')) + QStringLiteral("\r\n\r\n")));
    }

    void dateText_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("no leading zero") << QVariant(QDate(2026, 3, 1)) << "1-Mar-2026";
        QTest::newRow("december") << QVariant(QDate(2026, 12, 4)) << "4-Dec-2026";
        QTest::newRow("iso text") << QVariant(QStringLiteral("2004-02-29")) << "29-Feb-2004";
        QTest::newRow("own form read back") << QVariant(QStringLiteral("4-Dec-2026")) << "4-Dec-2026";
        QTest::newRow("short date text") << QVariant(QStringLiteral("12/4/26")) << "4-Dec-2026";
        QTest::newRow("not a date") << QVariant(QStringLiteral("tomorrow")) << "";
        QTest::newRow("null") << QVariant() << "";
    }

    void dateText()
    {
        QFETCH(QVariant, value);
        QFETCH(QString, text);
        QCOMPARE(SqlText::DateText(value, QLocale(QStringLiteral("en_US"))), text);
    }

    // Each statement as the local file and as a server read it; the values are bound alike on both.
    void translate_data()
    {
        QTest::addColumn<QString>("jet");
        QTest::addColumn<QString>("sqlite");
        QTest::addColumn<QString>("server");
        QTest::addColumn<QStringList>("values");
        QTest::newRow("date literal") << "DELETE FROM tbldoc WHERE DocDate >= #1-Mar-2026# AND DocDate <= #3/2/26# "
                                      << "DELETE FROM tbldoc WHERE DocDate >= ? AND DocDate <= ? "
                                      << "DELETE FROM tbldoc WHERE DocDate >= ? AND DocDate <= ? "
                                      << texts({"2026-03-01", "2026-03-02"});
        QTest::newRow("Default inside a value stays")
            << "UPDATE tblcompany SET CompanyName = 'Default #1 -- it''s; done' WHERE Default = 'Yes' "
            << "UPDATE tblcompany SET CompanyName = ? WHERE \"Default\" = ? "
            << "UPDATE tblcompany SET CompanyName = ? WHERE \"default\" = ? "
            << texts({"Default #1 -- it's; done", "Yes"});
        QTest::newRow("hash and quotes in values") << "INSERT INTO t VALUES ('#4-Dec-2026#', 'a''#', #4-Dec-2026#)"
                                                   << "INSERT INTO t VALUES (?, ?, ?)"
                                                   << "INSERT INTO t VALUES (?, ?, ?)"
                                                   << texts({"#4-Dec-2026#", "a'#", "2026-12-04"});
        QTest::newRow("double quotes are texts too") << "SELECT * FROM t WHERE a = \"x\"\"y'\" AND b = ''"
                                                     << "SELECT * FROM t WHERE a = ? AND b = ?"
                                                     << "SELECT * FROM t WHERE a = ? AND b = ?"
                                                     << texts({"x\"y'", ""});
        QTest::newRow("bracketed name is code") << "SELECT [Doc#'s], [Say \"hi\"] FROM t"
                                                << "SELECT [Doc#'s], [Say \"hi\"] FROM t"
                                                << "SELECT \"doc#'s\", \"say \"\"hi\"\"\" FROM t" << QStringList{};
        QTest::newRow("unclosed bracket runs to the end") << "SELECT [Doc FROM t" << "SELECT [Doc FROM t"
                                                          << "SELECT \"doc from t\"" << QStringList{};
        QTest::newRow("word containing default") << "SELECT IsDefault, Defaults FROM t"
                                                 << "SELECT IsDefault, Defaults FROM t"
                                                 << "SELECT IsDefault, Defaults FROM t" << QStringList{};
        QTest::newRow("derived table") << "SELECT COUNT(*) FROM (SELECT DISTINCT DocNumber FROM tbldoc)"
                                       << "SELECT COUNT(*) FROM (SELECT DISTINCT DocNumber FROM tbldoc)"
                                       << "SELECT COUNT(*) FROM (SELECT DISTINCT DocNumber FROM tbldoc) AS derived_1"
                                       << QStringList{};
        QTest::newRow("alter column") << "ALTER TABLE tbldoc ALTER COLUMN Description MEMO NULL"
                                      << "SELECT Description FROM tbldoc LIMIT 0"
                                      << "SELECT Description FROM tbldoc LIMIT 0" << QStringList{};
        QTest::newRow("schema keeps its constants") << "ALTER TABLE tbldoc ADD COLUMN Kind MEMO DEFAULT 'It''s'"
                                                    << "ALTER TABLE tbldoc ADD COLUMN Kind TEXT DEFAULT 'It''s'"
                                                    << "ALTER TABLE tbldoc ADD COLUMN Kind text DEFAULT 'It''s'"
                                                    << QStringList{};
        QTest::newRow("memo type") << "CREATE TABLE x (a MEMO, [Default] TEXT)" << "CREATE TABLE x (a TEXT, [Default] TEXT)"
                                   << "CREATE TABLE x (a text, \"default\" TEXT)" << QStringList{};
        QTest::newRow("unreadable date is an error") << "SELECT #someday#" << "" << "" << QStringList{};
        QTest::newRow("unclosed date is an error") << "SELECT #someday" << "" << "" << QStringList{};
        QTest::newRow("unclosed text is an error") << "SELECT 'someday" << "" << "" << QStringList{};
    }

    void translate()
    {
        QFETCH(QString, jet);
        QFETCH(QString, sqlite);
        QFETCH(QString, server);
        QFETCH(QStringList, values);
        for (const auto& [dialect, expected] : {std::pair{JetSqlTranslator::Dialect::Sqlite, sqlite},
                                                 std::pair{JetSqlTranslator::Dialect::Postgres, server}}) {
            QString error;
            const std::optional<BoundStatement> bound =
                JetSqlTranslator(QLocale(QStringLiteral("en_US")), dialect).translate(jet, &error);
            QCOMPARE(bound.has_value(), !expected.isEmpty());
            if (!bound) {
                QVERIFY2(error.contains(QLatin1String("someday")) || error.contains(QLatin1String("position 8")),
                         qPrintable(error));
                continue;
            }
            QCOMPARE(bound->sql, expected);
            QStringList bound_values;
            for (const QVariant& value : bound->values) {
                QCOMPARE(value.typeId(), QMetaType::QString);
                QVERIFY(!value.toString().isNull());
                bound_values.append(value.toString());
            }
            QCOMPARE(bound_values, values);
        }
    }
};

TW_TEST_MAIN(TestDatabase)
#include "tst_Database.moc"
