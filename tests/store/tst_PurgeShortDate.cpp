#include "../documents/StoreFixture.h"
#include "TestSupport.h"
#include "app/ShortDateFormat.h"
#include "documents/SaveCommand.h"
#include "store/PurgeCommand.h"
#include "store/SqlText.h"

namespace {

const QStringList kLocales{QStringLiteral("en_US"), QStringLiteral("de_DE"), QStringLiteral("ko_KR"),
                           QStringLiteral("bg_BG"), QStringLiteral("nl_NL"), QStringLiteral("ar_EG"),
                           QStringLiteral("C")};

void addLocaleAndSettingRows()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("setting");
    for (const QString& locale : kLocales) {
        QTest::addRow("%s regional", qPrintable(locale)) << locale << QString();
        QTest::addRow("%s day-month-year", qPrintable(locale)) << locale << ShortDateFormat::DayMonthYear;
    }
}

QStringList numbers(Database& db)
{
    QStringList result;
    for (const QSqlRecord& record :
         db.query(QStringLiteral("SELECT DISTINCT Docnumber FROM tbldoc ORDER BY Docnumber")).records)
        result << record.value(0).toString();
    return result;
}

} // namespace

// The purge writes its upper bound in the program's short date and the statement reader must take
// it back as the same day, whichever short date the user chose.
class TestPurgeShortDate : public QObject
{
    Q_OBJECT

private slots:
    void shortDateReadsBackAsTheSameDay_data() { addLocaleAndSettingRows(); }

    void shortDateReadsBackAsTheSameDay()
    {
        QFETCH(QString, locale);
        QFETCH(QString, setting);
        const QLocale regional(locale);
        for (const QDate day : {QDate(2026, 12, 4), QDate(2080, 1, 2), QDate(1999, 3, 31), QDate(2027, 5, 9)}) {
            const QString text = ShortDateFormat::format(day, regional, setting);
            QCOMPARE(SqlText::ReadDate(text, regional), day);
            // The statement carries that same text unless it could not be read back.
            const QString statement = PurgeCommand::statement(QDate(2026, 1, 1), day, regional, setting);
            QVERIFY2(statement.endsWith(QLatin1Char('#') + text + QStringLiteral("# ")), qPrintable(statement));
        }
    }

    void purgeDeletesExactlyTheChosenDays_data() { addLocaleAndSettingRows(); }

    void purgeDeletesExactlyTheChosenDays()
    {
        QFETCH(QString, locale);
        QFETCH(QString, setting);
        QTemporaryDir dir;
        const QLocale regional(locale);
        Database db(regional);
        QVERIFY(db.create(dir.filePath(QStringLiteral("p.mdb"))));
        ScriptedDialogs saving(true);
        for (int day = 3; day <= 6; ++day) {
            Document doc = sampleDocument(QStringLiteral("D%1").arg(day, 2, 10, QLatin1Char('0')), 2);
            doc.docDate = QDate(2026, 12, day);
            QCOMPARE(SaveCommand(db, saving, regional).save(doc).outcome, SaveCommand::Outcome::Saved);
        }
        ScriptedDialogs dialogs;
        dialogs.setNextAnswer(DialogAnswer::No);
        dialogs.setNextAnswer(DialogAnswer::Ok);
        PurgeCommand purge(db, dialogs);
        purge.setDateFormat(setting);
        const QDate from(2026, 12, 4);
        const QDate to(2026, 12, 5);
        QCOMPARE(purge.run(from, to).outcome, PurgeCommand::Outcome::Purged);
        QCOMPARE(numbers(db), (QStringList{QStringLiteral("D03"), QStringLiteral("D06")}));
        // The question shows the days as the pickers do.
        const QString question = dialogs.shownTexts().at(1);
        QVERIFY(question.contains(QStringLiteral("\t") + ShortDateFormat::format(from, regional, setting) +
                                  QStringLiteral("\r\n")));
        QVERIFY(question.contains(QStringLiteral("\t") + ShortDateFormat::format(to, regional, setting) +
                                  QStringLiteral("\r\n\r\n")));
    }
};

TW_TEST_MAIN(TestPurgeShortDate)
#include "tst_PurgeShortDate.moc"
