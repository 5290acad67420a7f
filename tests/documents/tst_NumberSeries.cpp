#include "StoreFixture.h"
#include "TestSupport.h"
#include "documents/NumberPattern.h"
#include "documents/NumberSeries.h"

namespace {

SeriesDefinition series(const QString& type, const QString& pattern, bool yearly = false)
{
    SeriesDefinition s;
    s.docType = type;
    s.pattern = pattern;
    s.yearlyRestart = yearly;
    return s;
}

} // namespace

class TestNumberSeries : public QObject
{
    Q_OBJECT

private slots:
    void tokens_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<qint64>("counter");
        QTest::addColumn<QString>("number");

        QTest::newRow("year and width 4") << "INV-{YYYY}-{####}" << QDate(2026, 12, 4) << qint64(7) << "INV-2026-0007";
        QTest::newRow("short year, month") << "{YY}{MM}/{###}" << QDate(2027, 3, 1) << qint64(12) << "2703/012";
        QTest::newRow("counter wider than its width") << "Q{##}" << QDate(2026, 1, 1) << qint64(123) << "Q123";
        QTest::newRow("counter only") << "{#}" << QDate(2026, 1, 1) << qint64(5) << "5";
        QTest::newRow("year 2000 short") << "{YY}-{##}" << QDate(2000, 6, 1) << qint64(1) << "00-01";
        QTest::newRow("other braces kept") << "{X}{####}" << QDate(2026, 1, 1) << qint64(1) << "{X}0001";
    }
    void tokens()
    {
        QFETCH(QString, pattern);
        QFETCH(QDate, date);
        QFETCH(qint64, counter);
        QFETCH(QString, number);
        QVERIFY(NumberPattern::isValid(pattern));
        QCOMPARE(NumberPattern::format(pattern, date, counter), number);
    }

    void invalidPatterns_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::newRow("no counter") << "INV-{YYYY}";
        QTest::newRow("two counters") << "{##}-{##}";
        QTest::newRow("counter too wide") << "{##########}";
        QTest::newRow("too long for a number") << "ABCDEFGHIJKLMNOPQRSTU{#}";
    }
    void invalidPatterns()
    {
        QFETCH(QString, pattern);
        QString error;
        QVERIFY(!NumberPattern::isValid(pattern, &error));
        QVERIFY(!error.isEmpty());
    }

    void yearRestart_data()
    {
        QTest::addColumn<bool>("yearly");
        QTest::addColumn<qint64>("counter");
        QTest::addColumn<int>("counterYear");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<qint64>("next");

        QTest::newRow("first number ever") << true << qint64(0) << 0 << QDate(2026, 5, 1) << qint64(1);
        QTest::newRow("same year continues") << true << qint64(41) << 2026 << QDate(2026, 12, 31) << qint64(42);
        QTest::newRow("new year restarts") << true << qint64(41) << 2026 << QDate(2027, 1, 1) << qint64(1);
        QTest::newRow("back-dated continues") << true << qint64(3) << 2027 << QDate(2026, 12, 30) << qint64(4);
        QTest::newRow("no restart across years") << false << qint64(41) << 2026 << QDate(2027, 1, 1) << qint64(42);
    }
    void yearRestart()
    {
        QFETCH(bool, yearly);
        QFETCH(qint64, counter);
        QFETCH(int, counterYear);
        QFETCH(QDate, date);
        QFETCH(qint64, next);
        SeriesDefinition s = series(QStringLiteral("Invoice"), QStringLiteral("{####}"), yearly);
        s.counter = counter;
        s.counterYear = counterYear;
        QCOMPARE(NumberSeries::nextCounter(s, date), next);
    }

    // The counter moves only with a saved document carrying the offered number; a save that fails at its
    // fifth insert leaves it (and the table) as they were, so the same number is offered again.
    void gaplessUnderAFailingSave()
    {
        StoreFixture f;
        NumberSeries numbers(f.db);
        QVERIFY(numbers.saveAll({series(QStringLiteral("Invoice"), QStringLiteral("INV-{YYYY}-{###}"), true)}));
        const QDate date(2026, 12, 4);
        QCOMPARE(numbers.nextNumber(QStringLiteral("invoice"), date), QStringLiteral("INV-2026-001"));
        QVERIFY(numbers.nextNumber(QStringLiteral("Quotation"), date).isEmpty());

        Document doc = sampleDocument(QStringLiteral("INV-2026-001"), 6);
        doc.docDate = date;
        ScriptedDialogs yes(true);
        // Statements of the save: the look-up of the number, the series, its row lock, the series again and
        // its free number, then the delete and the inserts.
        f.db.failStatementAfter(5 + 5);
        QCOMPARE(SaveCommand(f.db, yes, f.locale).save(doc).outcome, SaveCommand::Outcome::Failed);
        f.db.failStatementAfter(0);
        QCOMPARE(f.allRows(), 0);
        QCOMPARE(numbers.find(QStringLiteral("Invoice"))->counter, qint64(0));
        QCOMPARE(numbers.nextNumber(QStringLiteral("Invoice"), date), QStringLiteral("INV-2026-001"));

        f.store(doc);
        QCOMPARE(numbers.find(QStringLiteral("Invoice"))->counter, qint64(1));
        QCOMPARE(numbers.nextNumber(QStringLiteral("Invoice"), date), QStringLiteral("INV-2026-002"));

        f.store(doc);  // saved again: no new number
        Document typed = sampleDocument(QStringLiteral("MY-OWN"), 1);
        f.store(typed);  // a number typed by hand: the series stays
        QCOMPARE(numbers.find(QStringLiteral("Invoice"))->counter, qint64(1));

        Document inTheWay = sampleDocument(QStringLiteral("INV-2026-002"), 1);
        inTheWay.docType = QStringLiteral("Receipt");
        f.store(inTheWay);  // stored by hand under another type: stepped over
        QCOMPARE(numbers.nextNumber(QStringLiteral("Invoice"), date), QStringLiteral("INV-2026-003"));
        QCOMPARE(numbers.nextNumber(QStringLiteral("Invoice"), QDate(2027, 1, 2)), QStringLiteral("INV-2027-001"));
    }

    // Changing the patterns keeps the counters of the types that stay.
    void patternsChangeCountersStay()
    {
        StoreFixture f;
        NumberSeries numbers(f.db);
        QVERIFY(numbers.saveAll({series(QStringLiteral("Invoice"), QStringLiteral("I{##}"))}));
        Document doc = sampleDocument(QStringLiteral("I01"), 1);
        f.store(doc);
        QVERIFY(numbers.saveAll({series(QStringLiteral("INVOICE"), QStringLiteral("B{####}")),
                                 series(QStringLiteral("Quotation"), QStringLiteral("Q{#}"))}));
        QCOMPARE(numbers.nextNumber(QStringLiteral("Invoice"), QDate(2026, 1, 1)), QStringLiteral("B0002"));
        QCOMPARE(numbers.nextNumber(QStringLiteral("Quotation"), QDate(2026, 1, 1)), QStringLiteral("Q1"));
        QString error;
        QVERIFY(!numbers.saveAll({series(QStringLiteral("Invoice"), QStringLiteral("none"))}, &error));
        QCOMPARE(numbers.all().size(), 2);
    }
};

TW_TEST_MAIN(TestNumberSeries)
#include "tst_NumberSeries.moc"
