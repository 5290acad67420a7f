#include "TestSupport.h"

#include <vector>

#include "editor/Document.h"
#include "editor/NumberText.h"
#include "editor/TotalsCalculator.h"

namespace {

// Cases are written in English number form; the German run swaps the point and the comma.
QString localised(const QString& english, const QLocale& locale)
{
    if (locale.decimalPoint() == QLatin1String("."))
        return english;
    QString out = english;
    for (QChar& c : out) {
        if (c == QLatin1Char('.'))
            c = QLatin1Char(',');
        else if (c == QLatin1Char(','))
            c = QLatin1Char('.');
    }
    return out;
}

// "qty|price|discount" per row.
QList<DocumentRow> rowsFrom(const QStringList& lines, const QLocale& locale)
{
    QList<DocumentRow> rows;
    for (const QString& line : lines) {
        const QStringList parts = line.split(QLatin1Char('|'));
        DocumentRow row;
        row.qty = localised(parts.value(0), locale);
        row.price = localised(parts.value(1), locale);
        row.discount = localised(parts.value(2), locale);
        rows.append(row);
    }
    return rows;
}

const QStringList locales{QStringLiteral("en_US"), QStringLiteral("de_DE")};

} // namespace

class TestTotalsCalculator : public QObject
{
    Q_OBJECT

private slots:
    void sums_data()
    {
        QTest::addColumn<QString>("localeName");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("charges");
        QTest::addColumn<bool>("taxable");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("paid");
        QTest::addColumn<bool>("hideTax");
        QTest::addColumn<bool>("hidePaid");
        QTest::addColumn<QStringList>("amounts");
        QTest::addColumn<QStringList>("totals");  // subtotal, tax amount, total, paid, balance

        struct Case
        {
            const char* name;
            std::vector<const char*> rows;
            const char* charges;
            bool taxable;
            const char* rate;
            const char* paid;
            bool hideTax;
            bool hidePaid;
            std::vector<const char*> amounts;
            std::vector<const char*> totals;
        };
        const char* e = "";
        const QList<Case> cases{
            {"plain row", {"3|10|0.00"}, e, true, e, e, false, false, {"30.00"}, {"30.00", "0.00", "30.00", "0.00", "30.00"}},
            {"discount 10%", {"3|9.99|10"}, e, true, e, e, false, false, {"26.97"}, {"26.97", "0.00", "26.97", "0.00", "26.97"}},
            {"discount 12.5% unrounded parts", {"4|9.99|12.5"}, e, true, e, e, false, false, {"34.97"}, {"34.97", "0.00", "34.97", "0.00", "34.97"}},
            {"sum of shown amounts", {"1|0.126|", "1|0.126|"}, e, true, e, e, false, false, {"0.13", "0.13"}, {"0.26", "0.00", "0.26", "0.00", "0.26"}},
            {"quantity half to even", {"2.5|1|"}, e, true, e, e, false, false, {"2.00"}, {"2.00", "0.00", "2.00", "0.00", "2.00"}},
            {"taxable charges", {"1|100|"}, "10", true, "7", e, false, false, {"100.00"}, {"110.00", "7.70", "117.70", "0.00", "117.70"}},
            {"untaxed charges", {"1|100|"}, "10", false, "7", e, false, false, {"100.00"}, {"100.00", "7.00", "117.00", "0.00", "117.00"}},
            {"tax halves away from zero", {"1|1.15|"}, e, true, "10", e, false, false, {"1.15"}, {"1.15", "0.12", "1.27", "0.00", "1.27"}},
            {"tax excluded", {"1|100|"}, "10", false, "7", e, true, false, {"100.00"}, {e, e, "110.00", "0.00", "110.00"}},
            {"tax excluded taxable charges", {"1|100|"}, "10", true, "7", e, true, false, {"100.00"}, {e, e, "110.00", "0.00", "110.00"}},
            {"paid excluded", {"1|100|"}, e, true, e, e, false, true, {"100.00"}, {"100.00", "0.00", "100.00", e, e}},
            {"paid part", {"2|50|"}, e, true, e, "40", false, false, {"100.00"}, {"100.00", "0.00", "100.00", "40.00", "60.00"}},
            {"empty row", {"||"}, e, true, e, e, false, false, {"0.00"}, {"0.00", "0.00", "0.00", "0.00", "0.00"}},
            {"grouping", {"1|1,234.5|"}, e, true, e, e, false, false, {"1,234.50"}, {"1,234.50", "0.00", "1,234.50", "0.00", "1,234.50"}},
            {"negative charges", {"1|100|"}, "-5", false, e, e, false, false, {"100.00"}, {"100.00", "0.00", "95.00", "0.00", "95.00"}},
            {"no rows", {}, e, true, "7", "5", false, false, {}, {"0.00", "0.00", "0.00", "5.00", "-5.00"}},
        };
        for (const QString& name : locales) {
            const QLocale locale(name);
            for (const Case& c : cases) {
                auto texts = [&locale](const std::vector<const char*>& list) {
                    QStringList out;
                    for (const char* text : list)
                        out << localised(QLatin1String(text), locale);
                    return out;
                };
                QStringList rows;
                for (const char* line : c.rows)
                    rows << QLatin1String(line);
                QTest::addRow("%s %s", qPrintable(name), c.name)
                    << name << rows << localised(QLatin1String(c.charges), locale) << c.taxable
                    << localised(QLatin1String(c.rate), locale) << localised(QLatin1String(c.paid), locale)
                    << c.hideTax << c.hidePaid << texts(c.amounts) << texts(c.totals);
            }
        }
    }

    void sums()
    {
        QFETCH(QString, localeName);
        QFETCH(QStringList, rows);
        QFETCH(QString, charges);
        QFETCH(bool, taxable);
        QFETCH(QString, rate);
        QFETCH(QString, paid);
        QFETCH(bool, hideTax);
        QFETCH(bool, hidePaid);
        QFETCH(QStringList, amounts);
        QFETCH(QStringList, totals);
        const QLocale locale(localeName);
        Document doc;
        doc.rows = rowsFrom(rows, locale);
        doc.chargesAmount = charges;
        doc.chargesTaxable = taxable;
        doc.company.taxPercent = rate;
        doc.paid = paid;
        doc.options.hideTax = hideTax;
        doc.options.hidePaid = hidePaid;
        doc.subtotal = QStringLiteral("stale");

        const auto result = TotalsCalculator::DoSum(doc, locale);
        QVERIFY2(result.ok, qPrintable(result.error));
        QStringList shown;
        for (const DocumentRow& row : doc.rows)
            shown << row.amount;
        QCOMPARE(shown, amounts);
        QCOMPARE((QStringList{doc.subtotal, doc.taxAmount, doc.total, doc.paid, doc.balance}), totals);

        // A second run over its own output with whole quantities gives the same texts.
        Document again = doc;
        QVERIFY(TotalsCalculator::DoSum(again, locale).ok);
        if (!rows.join(QString()).contains(QStringLiteral("2.5")))
            QCOMPARE(again, doc);
    }

    void rewritesRowTexts_data()
    {
        QTest::addColumn<QString>("localeName");
        for (const QString& name : locales)
            QTest::newRow(qPrintable(name)) << name;
    }

    void rewritesRowTexts()
    {
        QFETCH(QString, localeName);
        const QLocale locale(localeName);
        Document doc;
        doc.rows = rowsFrom({QStringLiteral("||"), QStringLiteral("0|5|"), QStringLiteral("1234|1|")}, locale);
        QVERIFY(TotalsCalculator::DoSum(doc, locale).ok);
        const DocumentRow& empty = doc.rows[0];
        QCOMPARE((QStringList{empty.qty, empty.price, empty.discount, empty.amount}),
                 (QStringList{QStringLiteral("0"), localised(QStringLiteral("0.00"), locale),
                              localised(QStringLiteral("0.00"), locale), localised(QStringLiteral("0.00"), locale)}));
        QVERIFY(empty.qtyGrey);
        QVERIFY(doc.rows[1].qtyGrey);
        QCOMPARE(doc.rows[1].amount, localised(QStringLiteral("0.00"), locale));
        QVERIFY(!doc.rows[2].qtyGrey);
        QCOMPARE(doc.rows[2].qty, localised(QStringLiteral("1,234"), locale));
        QCOMPARE(doc.chargesAmount, localised(QStringLiteral("0.00"), locale));
    }

    void halfQuantityThenWholeOnSecondRun()
    {
        const QLocale locale(QStringLiteral("en_US"));
        Document doc;
        doc.rows = rowsFrom({QStringLiteral("2.5|1|")}, locale);
        QVERIFY(TotalsCalculator::DoSum(doc, locale).ok);
        QCOMPARE(doc.rows[0].qty, QStringLiteral("3"));
        QCOMPARE(doc.rows[0].amount, QStringLiteral("2.00"));
        QVERIFY(TotalsCalculator::DoSum(doc, locale).ok);
        QCOMPARE(doc.rows[0].amount, QStringLiteral("3.00"));
        QCOMPARE(doc.total, QStringLiteral("3.00"));
    }

    void taxLabel_data()
    {
        QTest::addColumn<QString>("localeName");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<bool>("hideTax");
        QTest::addColumn<QString>("label");
        QTest::newRow("en rate") << QStringLiteral("en_US") << QStringLiteral("7") << false << QStringLiteral("VAT 7.00% :");
        QTest::newRow("de rate") << QStringLiteral("de_DE") << QStringLiteral("7,5") << false << QStringLiteral("VAT 7,50% :");
        QTest::newRow("empty rate") << QStringLiteral("en_US") << QString() << false << QStringLiteral("VAT 0.00% :");
        QTest::newRow("excluded") << QStringLiteral("en_US") << QStringLiteral("7") << true << QStringLiteral("Sale Tax :");
    }

    void taxLabel()
    {
        QFETCH(QString, localeName);
        QFETCH(QString, rate);
        QFETCH(bool, hideTax);
        QFETCH(QString, label);
        Document doc;
        doc.company.taxName = QStringLiteral("VAT");
        doc.company.taxPercent = rate;
        doc.options.hideTax = hideTax;
        QVERIFY(TotalsCalculator::DoSum(doc, QLocale(localeName)).ok);
        QCOMPARE(doc.taxLabel, label);
    }

    // An unreadable field stops the run where it is read: rows before it keep their new texts, the
    // fields emptied at the start stay empty, the rest is untouched.
    void stopsAtUnreadableField_data()
    {
        QTest::addColumn<QString>("localeName");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("charges");
        QTest::addColumn<QString>("error");
        QTest::addColumn<int>("rowsWritten");
        const QString mismatch = QStringLiteral("Type mismatch 13");
        const QString overflow = QStringLiteral("Overflow 6");
        for (const QString& name : locales) {
            const QByteArray n = name.toLatin1();
            QTest::addRow("%s letters in price", n.constData())
                << name << QStringList{QStringLiteral("1|5|"), QStringLiteral("1|abc|")} << QString() << mismatch << 1;
            QTest::addRow("%s letters in quantity", n.constData())
                << name << QStringList{QStringLiteral("x|5|")} << QString() << mismatch << 0;
            QTest::addRow("%s quantity beyond 16 bits", n.constData())
                << name << QStringList{QStringLiteral("2|5|"), QStringLiteral("40000|1|")} << QString() << overflow << 1;
            QTest::addRow("%s negative quantity beyond 16 bits", n.constData())
                << name << QStringList{QStringLiteral("-32769|1|")} << QString() << overflow << 0;
            QTest::addRow("%s letters in discount", n.constData())
                << name << QStringList{QStringLiteral("1|5|ten")} << QString() << mismatch << 0;
            QTest::addRow("%s letters in charges", n.constData())
                << name << QStringList{QStringLiteral("1|5|")} << QStringLiteral("free") << mismatch << 0;
            QTest::addRow("%s amount beyond range", n.constData())
                << name << QStringList{QStringLiteral("30000|900000000000000|")} << QString() << overflow << 0;
        }
    }

    void stopsAtUnreadableField()
    {
        QFETCH(QString, localeName);
        QFETCH(QStringList, rows);
        QFETCH(QString, charges);
        QFETCH(QString, error);
        QFETCH(int, rowsWritten);
        const QLocale locale(localeName);
        Document doc;
        doc.rows = rowsFrom(rows, locale);
        doc.chargesAmount = charges;
        doc.total = QStringLiteral("old total");
        doc.subtotal = QStringLiteral("old subtotal");
        const Document before = doc;

        const auto result = TotalsCalculator::DoSum(doc, locale);
        QVERIFY(!result.ok);
        QCOMPARE(result.error, error);
        QCOMPARE(doc.subtotal, QStringLiteral("old subtotal"));
        const bool startedRows = charges.isEmpty();
        QCOMPARE(doc.total, startedRows ? QString() : QStringLiteral("old total"));
        for (int i = 0; i < doc.rowCount(); ++i) {
            if (i < rowsWritten)
                QVERIFY(!doc.rows[i].amount.isEmpty());
            else
                QCOMPARE(doc.rows[i].amount, before.rows[i].amount);
        }
    }

    void readsAndWritesInTheSameFormat_data()
    {
        QTest::addColumn<QString>("localeName");
        QTest::addColumn<qlonglong>("units");
        QTest::addColumn<QString>("text");
        QTest::newRow("en grouping") << QStringLiteral("en_US") << 12345000LL << QStringLiteral("1,234.50");
        QTest::newRow("de grouping") << QStringLiteral("de_DE") << 12345000LL << QStringLiteral("1.234,50");
        QTest::newRow("en half up") << QStringLiteral("en_US") << 1250LL << QStringLiteral("0.13");
        QTest::newRow("en negative half") << QStringLiteral("en_US") << -1250LL << QStringLiteral("-0.13");
        QTest::newRow("en tiny negative") << QStringLiteral("en_US") << -10LL << QStringLiteral("0.00");
        QTest::newRow("de millions") << QStringLiteral("de_DE") << 12345678900LL << QStringLiteral("1.234.567,89");
    }

    void readsAndWritesInTheSameFormat()
    {
        QFETCH(QString, localeName);
        QFETCH(qlonglong, units);
        QFETCH(QString, text);
        const QLocale locale(localeName);
        QCOMPARE(NumberText::write(Money::fromUnits(units), locale), text);
        Money back;
        QCOMPARE(NumberText::readMoney(text, locale, back), NumberError::None);
        QCOMPARE(back.roundedTo(2), Money::fromUnits(units).roundedTo(2));
    }
};

TW_TEST_MAIN(TestTotalsCalculator)
#include "tst_TotalsCalculator.moc"
