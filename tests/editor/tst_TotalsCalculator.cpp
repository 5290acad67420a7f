#include "TestSupport.h"

#include <vector>

#include "editor/Document.h"
#include "core/NumberText.h"
#include "editor/TotalsCalculator.h"

namespace {

using Texts = std::vector<const char*>;

// Cases are written in English number form; the German run swaps the point and the comma.
QString localised(const char* english, const QLocale& locale)
{
    QString out = QLatin1String(english);
    if (locale.decimalPoint() != QLatin1String("."))
        out.replace(u'.', u'\1').replace(u',', u'.').replace(u'\1', u',');
    return out;
}

QStringList localised(const Texts& english, const QLocale& locale)
{
    QStringList out;
    for (const char* text : english)
        out << localised(text, locale);
    return out;
}

// "qty|price|discount" per row.
QList<DocumentRow> rowsFrom(const Texts& lines, const QLocale& locale)
{
    QList<DocumentRow> rows;
    for (const QString& line : localised(lines, locale)) {
        const QStringList parts = line.split(QLatin1Char('|'));
        rows.append(DocumentRow{});
        rows.last().qty = parts.value(0);
        rows.last().price = parts.value(1);
        rows.last().discount = parts.value(2);
    }
    return rows;
}

struct SumCase
{
    const char* name;
    Texts rows;
    const char* charges;
    bool taxable;
    const char* rate;
    const char* paid;
    bool hideTax;
    bool hidePaid;
    Texts amounts;
    Texts totals;  // subtotal, tax amount, total, paid, balance
};

const QStringList locales{QStringLiteral("en_US"), QStringLiteral("de_DE")};

} // namespace

Q_DECLARE_METATYPE(Texts)
Q_DECLARE_METATYPE(SumCase)

class TestTotalsCalculator : public QObject
{
    Q_OBJECT

private slots:
    void sums_data()
    {
        QTest::addColumn<QString>("localeName");
        QTest::addColumn<SumCase>("c");
        const char* e = "";
        const QList<SumCase> cases{
            {"plain row", {"3|10|0.00"}, e, true, e, e, false, false, {"30.00"}, {"30.00", "0.00", "30.00", "0.00", "30.00"}},
            {"discount 10%", {"3|9.99|10"}, e, true, e, e, false, false, {"26.97"}, {"26.97", "0.00", "26.97", "0.00", "26.97"}},
            {"discount 12.5% unrounded parts", {"4|9.99|12.5"}, e, true, e, e, false, false, {"34.97"}, {"34.97", "0.00", "34.97", "0.00", "34.97"}},
            {"sum of shown amounts", {"1|0.126|", "1|0.126|"}, e, true, e, e, false, false, {"0.13", "0.13"}, {"0.26", "0.00", "0.26", "0.00", "0.26"}},
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
            for (const SumCase& c : cases)
                QTest::addRow("%s %s", qPrintable(name), c.name) << name << c;
        }
    }

    void sums()
    {
        QFETCH(QString, localeName);
        QFETCH(SumCase, c);
        const QLocale locale(localeName);
        Document doc;
        doc.rows = rowsFrom(c.rows, locale);
        doc.chargesAmount = localised(c.charges, locale);
        doc.chargesTaxable = c.taxable;
        doc.company.taxPercent = localised(c.rate, locale);
        doc.paid = localised(c.paid, locale);
        doc.options.hideTax = c.hideTax;
        doc.options.hidePaid = c.hidePaid;
        doc.subtotal = QStringLiteral("stale");

        const auto result = TotalsCalculator::DoSum(doc, locale);
        QVERIFY2(result.ok, qPrintable(result.error));
        QStringList shown;
        for (const DocumentRow& row : doc.rows)
            shown << row.amount;
        QCOMPARE(shown, localised(c.amounts, locale));
        const QStringList totals{doc.subtotal, doc.taxAmount, doc.total, doc.paid, doc.balance};
        QCOMPARE(totals, localised(c.totals, locale));

        // A second run over its own output gives the same texts (a rounded quantity is checked below).
        Document again = doc;
        QVERIFY(TotalsCalculator::DoSum(again, locale).ok);
        QCOMPARE(again, doc);
    }

    void rewritesRowTexts_data()
    {
        QTest::addColumn<QString>("localeName");
        for (const QString& name : locales)
            QTest::newRow(qPrintable(name)) << name;
    }

    // A half quantity counts rounded to even but shows rounded up; the next run counts the shown one.
    void rewritesRowTexts()
    {
        QFETCH(QString, localeName);
        const QLocale locale(localeName);
        Document doc;
        doc.rows = rowsFrom({"||", "0|5|", "1234|1|", "2.5|1|"}, locale);
        QVERIFY(TotalsCalculator::DoSum(doc, locale).ok);
        const QString zero = localised("0.00", locale);
        const DocumentRow& empty = doc.rows[0];
        QCOMPARE((QStringList{empty.qty, empty.price, empty.discount, empty.amount}),
                 (QStringList{QStringLiteral("0"), zero, zero, zero}));
        QVERIFY(empty.qtyGrey && doc.rows[1].qtyGrey && !doc.rows[2].qtyGrey);
        QCOMPARE(doc.rows[1].amount, zero);
        QCOMPARE(doc.rows[2].qty, localised("1,234", locale));
        QCOMPARE(doc.chargesAmount, zero);
        QCOMPARE(doc.rows[3].qty, QStringLiteral("3"));
        QCOMPARE(doc.rows[3].amount, localised("2.00", locale));
        QCOMPARE(doc.total, localised("1,236.00", locale));
        QVERIFY(TotalsCalculator::DoSum(doc, locale).ok);
        QCOMPARE(doc.rows[3].amount, localised("3.00", locale));
        QCOMPARE(doc.total, localised("1,237.00", locale));
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
        QTest::addColumn<Texts>("rows");
        QTest::addColumn<QString>("charges");
        QTest::addColumn<QString>("error");
        QTest::addColumn<int>("rowsWritten");
        const char* mismatch = "Type mismatch 13";
        const char* overflow = "Overflow 6";
        for (const QString& name : locales) {
            auto add = [&name](const char* what, const Texts& rows, const char* charges, const char* error,
                               int written) {
                QTest::addRow("%s %s", qPrintable(name), what)
                    << name << rows << QString::fromLatin1(charges) << QString::fromLatin1(error) << written;
            };
            add("letters in price", {"1|5|", "1|abc|"}, "", mismatch, 1);
            add("letters in quantity", {"x|5|"}, "", mismatch, 0);
            add("quantity beyond 16 bits", {"2|5|", "40000|1|"}, "", overflow, 1);
            add("negative quantity beyond 16 bits", {"-32769|1|"}, "", overflow, 0);
            add("letters in discount", {"1|5|ten"}, "", mismatch, 0);
            add("letters in charges", {"1|5|"}, "free", mismatch, 0);
            add("amount beyond range", {"30000|900000000000000|"}, "", overflow, 0);
        }
    }

    void stopsAtUnreadableField()
    {
        QFETCH(QString, localeName);
        QFETCH(Texts, rows);
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

    // The company's "round each line to cents": every line from its printed price and discount,
    // rounded once, and the tax added as printed. Off keeps the documented results.
    void roundEachLineToCents_data()
    {
        QTest::addColumn<bool>("round");
        QTest::addColumn<Texts>("rows");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<Texts>("amounts");
        QTest::addColumn<Texts>("totals");  // subtotal, tax amount, total
        const struct
        {
            const char* name;
            Texts rows;
            const char* rate;
            Texts off;
            Texts on;
        } cases[] = {
            // 0.99 less 99.5% is 0.00495: four places make 0.0050, which shows as 0.01.
            {"line rounded twice", {"1|0.99|99.5", "1|1|"}, "", {"0.01", "1.00", "1.01", "0.00", "1.01"},
             {"0.00", "1.00", "1.00", "0.00", "1.00"}},
            {"price beyond cents", {"3|1.005|"}, "", {"3.02", "3.02", "0.00", "3.02"}, {"3.03", "3.03", "0.00", "3.03"}},
            // 0.25% of 1.99 is 0.004975: printed as 0.00, but the unrounded tax lifts the total to 2.00.
            {"tax beyond cents", {"1|1.99|"}, "0.25", {"1.99", "1.99", "0.00", "2.00"}, {"1.99", "1.99", "0.00", "1.99"}},
            {"ordinary invoice", {"2|9.99|10", "1|5|"}, "7", {"17.98", "5.00", "22.98", "1.61", "24.59"},
             {"17.98", "5.00", "22.98", "1.61", "24.59"}},
        };
        for (const auto& c : cases) {
            const qsizetype lines = qsizetype(c.rows.size());
            for (const bool round : {false, true}) {
                const Texts& all = round ? c.on : c.off;
                QTest::addRow("%s, %s", c.name, round ? "on" : "off")
                    << round << c.rows << QString::fromLatin1(c.rate) << Texts(all.begin(), all.begin() + lines)
                    << Texts(all.begin() + lines, all.end());
            }
        }
    }

    void roundEachLineToCents()
    {
        QFETCH(bool, round);
        QFETCH(Texts, rows);
        QFETCH(QString, rate);
        QFETCH(Texts, amounts);
        QFETCH(Texts, totals);
        const QLocale locale(QStringLiteral("en_US"));
        Document doc;
        doc.rows = rowsFrom(rows, locale);
        doc.chargesAmount.clear();
        doc.company.taxPercent = rate;
        doc.company.einvoice.roundLinesToCents = round;
        QVERIFY(TotalsCalculator::DoSum(doc, locale).ok);
        QStringList shown;
        for (const DocumentRow& row : doc.rows)
            shown << row.amount;
        QCOMPARE(shown, localised(amounts, locale));
        QCOMPARE((QStringList{doc.subtotal, doc.taxAmount, doc.total}), localised(totals, locale));
    }

    void readsAndWritesInTheSameFormat_data()
    {
        QTest::addColumn<QString>("localeName");
        QTest::addColumn<qlonglong>("units");
        QTest::addColumn<QString>("text");
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
