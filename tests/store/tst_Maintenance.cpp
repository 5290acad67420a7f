#include "../documents/StoreFixture.h"
#include "TestSupport.h"
#include "core/ShortDateFormat.h"
#include "store/CompactCommand.h"
#include "store/PurgeCommand.h"
#include "store/SqlText.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace {

const QDate kToday(2026, 12, 4);

Document dated(const QString& number, const QDate& date)
{
    Document doc = sampleDocument(number, 2);
    doc.docDate = date;
    return doc;
}

QStringList numbers(Database& db)
{
    QStringList result;
    const QString sql = QStringLiteral("SELECT DISTINCT Docnumber FROM tbldoc ORDER BY Docnumber");
    for (const QSqlRecord& record : db.query(sql).records)
        result << record.value(0).toString();
    return result;
}

QStringList numbersIn(const QString& path)
{
    Database other;
    if (other.open(path) != Database::OpenStatus::Opened)
        return {QStringLiteral("<unreadable>")};
    return numbers(other);
}

} // namespace

class TestMaintenance : public QObject
{
    Q_OBJECT

private slots:
    void compactTwiceADay()
    {
        StoreFixture f;
        const QString path = f.db.path();
        const QString temp = f.dir.filePath(QStringLiteral("data"));
        QVERIFY(QDir().mkpath(temp));
        f.store(dated(QStringLiteral("A"), kToday));
        QStringList progress;
        CompactCommand compact(f.db, f.dialogs, temp);
        compact.setClock([] { return kToday; });
        compact.setProgress([&](bool shown, const QString& text) {
            progress << (shown ? text : QStringLiteral("hidden"));
        });

        QCOMPARE(compact.run().outcome, CompactCommand::Outcome::Compacted);
        const QString backup = path + QStringLiteral("_20261204");
        QCOMPARE(f.dialogs.shownTexts(),
                 (QStringList{QStringLiteral("Compacting database and creating a backup."),
                              path + QStringLiteral(" has been successfully compacted.\r\n\r\nThere is now also a "
                                                    "backup copy of the old database suffixed with \"_20261204\" in "
                                                    "the same directory. ")}));
        QCOMPARE(progress, (QStringList{QStringLiteral("Please wait. Compacting database in progress ..."),
                                        QStringLiteral("hidden")}));
        QVERIFY(f.db.isOpen());
        QCOMPARE(f.db.path(), path);
        QCOMPARE(numbers(f.db), QStringList{QStringLiteral("A")});
        QCOMPARE(numbersIn(backup), QStringList{QStringLiteral("A")});

        // The second run of the day replaces that day's backup with the file as it was just before.
        f.store(dated(QStringLiteral("B"), kToday));
        QCOMPARE(compact.run().outcome, CompactCommand::Outcome::Compacted);
        QCOMPARE(numbersIn(backup), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
        QCOMPARE(numbers(f.db), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
        QVERIFY(!QFileInfo::exists(QDir(temp).filePath(CompactCommand::tempFileName())));
        QCOMPARE(QDir(f.dir.path()).entryList({QStringLiteral("docs.mdb_*")}, QDir::Files).size(), 1);
    }

    void failedCompactionKeepsTheOldFileOpen()
    {
        StoreFixture f;
        f.store(dated(QStringLiteral("A"), kToday));
        // A temporary name that cannot be cleared: a folder with something inside.
        const QString blocked = f.dir.filePath(CompactCommand::tempFileName());
        QVERIFY(QDir().mkpath(blocked + QStringLiteral("/inside")));
        CompactCommand compact(f.db, f.dialogs, f.dir.path());
        const CompactCommand::Result result = compact.run();
        QCOMPARE(result.outcome, CompactCommand::Outcome::Failed);
        QVERIFY(result.reopened);
        const QStringList texts = f.dialogs.shownTexts();
        QCOMPARE(texts.size(), 3);
        QVERIFY(texts.at(1).endsWith(QStringLiteral(" Error Number: -2147467259")));
        QCOMPARE(texts.at(2), f.db.path() + QStringLiteral(" has not been changed and is open again."));
        QVERIFY(f.db.isOpen());
        QCOMPARE(numbers(f.db), QStringList{QStringLiteral("A")});
    }

    void fileHeldByAnotherConnection()
    {
        StoreFixture f;
        const QString path = f.db.path();
        {
            QSqlDatabase locker = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("locker"));
            locker.setDatabaseName(path);
            QVERIFY(locker.open());
            QSqlQuery hold(locker);
            QVERIFY(hold.exec(QStringLiteral("BEGIN IMMEDIATE")));
            CompactCommand compact(f.db, f.dialogs, f.dir.path());
            const CompactCommand::Result result = compact.run();
            QCOMPARE(result.outcome, CompactCommand::Outcome::Failed);
            QVERIFY(f.dialogs.shownTexts().at(1).contains(
                QStringLiteral(" Error Number: 3356\r\n\r\nIf the error persists")));
            QVERIFY(!result.reopened);  // still held: the message says the file cannot be opened
            hold.exec(QStringLiteral("ROLLBACK"));
            locker.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("locker"));
        QCOMPARE(f.db.open(path), Database::OpenStatus::Opened);
    }

    // Every locale with the regional short date and with day-month-year.
    void purgeDeletesExactlyTheChosenDays_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("setting");
        for (const char* locale :
             {"en_US", "en_GB", "de_DE", "fr_FR", "ja_JP", "ko_KR", "nl_NL", "bg_BG", "ar_EG", "C"}) {
            QTest::addRow("%s regional", locale) << locale << QString();
            QTest::addRow("%s day-month-year", locale) << locale << ShortDateFormat::DayMonthYear;
        }
    }

    void purgeDeletesExactlyTheChosenDays()
    {
        QFETCH(QString, locale);
        QFETCH(QString, setting);
        const QLocale regional(locale);
        StoreFixture f{regional};
        for (int day = 3; day <= 6; ++day)
            f.store(dated(QStringLiteral("D%1").arg(day, 2, 10, QLatin1Char('0')), QDate(2026, 12, day)));
        int listed = 0;
        PurgeCommand purge(f.db, f.dialogs);
        purge.setDateFormat(setting);
        purge.setHooks({{}, [&] { ++listed; }, {}});
        const auto run = [&](int from, int to) {
            f.dialogs.clear();
            f.dialogs.setNextAnswer(DialogAnswer::No);
            f.dialogs.setNextAnswer(DialogAnswer::Ok);
            QCOMPARE(purge.run(QDate(2026, 12, from), QDate(2026, 12, to)).outcome, PurgeCommand::Outcome::Purged);
            QCOMPARE(f.dialogs.shownTexts().last(), QStringLiteral("Target documents successfully deleted .    "));
        };
        run(6, 3);
        const QStringList all{QStringLiteral("D03"), QStringLiteral("D04"), QStringLiteral("D05"),
                              QStringLiteral("D06")};
        QCOMPARE(numbers(f.db), all);
        run(4, 5);
        QCOMPARE(numbers(f.db), (QStringList{QStringLiteral("D03"), QStringLiteral("D06")}));
        // The question shows the days as the pickers do.
        const QString question = f.dialogs.shownTexts().at(1);
        const QString days = QStringLiteral("\t%1\r\n\t        to\r\n\t%2\r\n\r\n")
                                 .arg(ShortDateFormat::format(QDate(2026, 12, 4), regional, setting),
                                      ShortDateFormat::format(QDate(2026, 12, 5), regional, setting));
        QVERIFY2(question.contains(days), qPrintable(question));
        run(6, 6);
        QCOMPARE(numbers(f.db), QStringList{QStringLiteral("D03")});
        QCOMPARE(listed, 3);

        // The upper bound is written in the program's short date; the statement reader takes it back as the
        // same day, far years and two-digit ones included.
        for (const QDate day : {QDate(2026, 12, 4), QDate(2080, 1, 2), QDate(1999, 3, 31), QDate(2027, 5, 9)}) {
            const QString text = ShortDateFormat::format(day, regional, setting);
            QCOMPARE(SqlText::ReadDate(text, regional), day);
            const QString statement = PurgeCommand::statement(QDate(2026, 1, 1), day, regional, setting);
            QVERIFY2(statement.endsWith(QLatin1Char('#') + text + QStringLiteral("# ")), qPrintable(statement));
        }
    }

    // Yes to the backup runs the compaction first; the deletion question defaults to Cancel.
    void backupThenCancelLeavesACompactedFile()
    {
        StoreFixture f;
        f.store(dated(QStringLiteral("A"), kToday));
        CompactCommand compact(f.db, f.dialogs, f.dir.path());
        compact.setClock([] { return kToday; });
        PurgeCommand purge(f.db, f.dialogs);
        purge.setHooks({[&] { compact.run(); }, {}, {}});
        f.dialogs.setNextAnswer(DialogAnswer::Yes);
        f.dialogs.setNextAnswer(DialogAnswer::Ok);  // the compaction's own messages
        f.dialogs.setNextAnswer(DialogAnswer::Ok);
        f.dialogs.setNextAnswer(DialogAnswer::Cancel);
        QCOMPARE(purge.run(kToday, kToday).outcome, PurgeCommand::Outcome::Cancelled);
        QVERIFY(QFileInfo::exists(f.db.path() + QStringLiteral("_20261204")));
        QCOMPARE(numbers(f.db), QStringList{QStringLiteral("A")});
        const QList<DialogRequest> shown = f.dialogs.shown();
        QCOMPARE(shown.size(), 4);
        QCOMPARE(shown[0].title, QStringLiteral("Backup Now?"));
        QCOMPARE(shown[0].text, QStringLiteral("Backup database before delete?  "));
        QCOMPARE(shown[3].title, QStringLiteral("Deleting Documents from Database"));
        QCOMPARE(shown[3].text, QStringLiteral("Are you sure you want to delete documents issued from:    "
                                               "\r\n\r\n\t12/4/2026\r\n\t        to\r\n\t12/4/2026\r\n\r\n"));
        QCOMPARE(shown[3].defaultButton, DialogAnswer::Cancel);
    }

    void farYearKeepsItsFourDigits()
    {
        QCOMPARE(PurgeCommand::statement(QDate(2026, 12, 4), QDate(2080, 1, 2), QLocale(QStringLiteral("en_US"))),
                 QStringLiteral("DELETE FROM tbldoc WHERE DocDate >= #4-Dec-2026# AND DocDate <= #1/2/2080# "));
    }
};

TW_TEST_MAIN(TestMaintenance)
#include "tst_Maintenance.moc"
