#include "CliRunner.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

using namespace TestSupport;

QJsonObject row(const char* qty, const char* price, const char* discount = "")
{
    return {{QStringLiteral("qty"), QLatin1String(qty)},
            {QStringLiteral("price"), QLatin1String(price)},
            {QStringLiteral("discount"), QLatin1String(discount)}};
}

// A document of `rows` whose company charges `rate` percent of tax, with optional charges.
QJsonObject document(const QJsonArray& rows, const char* rate = "", const QJsonObject& charges = {})
{
    QJsonObject doc{{QStringLiteral("rows"), rows},
                    {QStringLiteral("company"), QJsonObject{{QStringLiteral("taxName"), QStringLiteral("VAT")},
                                                            {QStringLiteral("taxPercent"), QLatin1String(rate)}}}};
    if (!charges.isEmpty())
        doc[QStringLiteral("charges")] = charges;
    return doc;
}

QJsonObject charges(bool taxable)
{
    return {{QStringLiteral("name"), QStringLiteral("Delivery")},
            {QStringLiteral("amount"), QStringLiteral("10.00")},
            {QStringLiteral("taxable"), taxable}};
}

QStringList texts(const char* spaced)
{
    return QString::fromLatin1(spaced).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

struct Calculated
{
    CliRun run;
    QJsonObject json;
};

Calculated calc(const QString& localeName, const QJsonObject& doc)
{
    QTemporaryDir home;
    const QString path = writeFile(home.filePath(QStringLiteral("doc.json")), QJsonDocument(doc).toJson());
    CliRun run = runCli({QStringLiteral("--locale"), localeName, QStringLiteral("calc"), path}, home.path());
    const QJsonObject json = QJsonDocument::fromJson(run.out).object();
    return {run, json};
}

QStringList amounts(const QJsonObject& json)
{
    QStringList out;
    for (const QJsonValue& value : json.value(QStringLiteral("rows")).toArray())
        out << value.toObject().value(QStringLiteral("amount")).toString();
    return out;
}

QStringList totals(const QJsonObject& json)
{
    const QJsonObject t = json.value(QStringLiteral("totals")).toObject();
    return {t.value(QStringLiteral("subtotal")).toString(), t.value(QStringLiteral("taxAmount")).toString(),
            t.value(QStringLiteral("total")).toString(), t.value(QStringLiteral("balance")).toString()};
}

} // namespace

// The number examples through the command line; the rounding rules themselves are proven on
// TotalsCalculator directly.
class TestCalcCommand : public QObject
{
    Q_OBJECT

private slots:
    void numberExamples_data()
    {
        QTest::addColumn<QString>("localeName");
        QTest::addColumn<QJsonObject>("doc");
        QTest::addColumn<QStringList>("amounts");
        QTest::addColumn<QStringList>("totals");  // subtotal, tax, total, balance
        const QString en = QStringLiteral("en_US");
        QTest::newRow("line amounts") << en
            << document({row("3", "10", "0.00"), row("3", "9.99", "10"), row("4", "9.99", "12.5")})
            << texts("30.00 26.97 34.97") << texts("91.94 0.00 91.94 91.94");
        QTest::newRow("shown amounts are summed") << en << document({row("1", "0.126"), row("1", "0.126")})
                                                  << texts("0.13 0.13") << texts("0.26 0.00 0.26 0.26");
        QTest::newRow("taxable charges") << en << document({row("1", "100")}, "7", charges(true))
                                         << texts("100.00") << texts("110.00 7.70 117.70 117.70");
        QTest::newRow("untaxed charges") << en << document({row("1", "100")}, "7", charges(false))
                                         << texts("100.00") << texts("100.00 7.00 117.00 117.00");
        QTest::newRow("tax rounds half away") << en << document({row("1", "1.15")}, "10") << texts("1.15")
                                              << texts("1.15 0.12 1.27 1.27");
        QTest::newRow("german grouping") << QStringLiteral("de_DE") << document({row("2", "1.234,5")})
                                         << texts("2.469,00") << texts("2.469,00 0,00 2.469,00 2.469,00");
    }

    void numberExamples()
    {
        QFETCH(QString, localeName);
        QFETCH(QJsonObject, doc);
        QFETCH(QStringList, amounts);
        QFETCH(QStringList, totals);
        const Calculated result = calc(localeName, doc);
        QVERIFY2(result.run.exitCode == 0, result.run.err.constData());
        QCOMPARE(::amounts(result.json), amounts);
        QCOMPARE(::totals(result.json), totals);
    }

    // 2.5 is held as 2 for the amount and shown rewritten as 3, as the window does.
    void halfQuantityIsRewritten()
    {
        const Calculated result = calc(QStringLiteral("en_US"), document({row("2.5", "1")}));
        QCOMPARE(::amounts(result.json), texts("2.00"));
        QCOMPARE(result.json[QStringLiteral("rows")].toArray().first()[QStringLiteral("qty")].toString(),
                 QStringLiteral("3"));
    }

    void unreadableFieldStops_data()
    {
        QTest::addColumn<QJsonObject>("rowObject");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("letters in price") << row("1", "abc") << QByteArray("Type mismatch 13");
        QTest::newRow("quantity beyond 16 bits") << row("40000", "1") << QByteArray("Overflow 6");
    }

    void unreadableFieldStops()
    {
        QFETCH(QJsonObject, rowObject);
        QFETCH(QByteArray, message);
        const Calculated result = calc(QStringLiteral("en_US"), document({rowObject}));
        QCOMPARE(result.run.exitCode, 2);
        QCOMPARE(result.run.err.trimmed().split('\n').last(), message);  // after any platform notice
    }

    void companyFromTheDatabase()
    {
        const Calculated result =
            calc(QStringLiteral("en_US"), {{QStringLiteral("rows"), QJsonArray{row("1", "5")}}});
        QCOMPARE(result.run.exitCode, 0);
        QVERIFY(result.json[QStringLiteral("totals")][QStringLiteral("taxLabel")].toString().startsWith(
            QStringLiteral("Tax ")));
    }
};

TW_TEST_MAIN(TestCalcCommand)
#include "tst_CalcCommand.moc"
