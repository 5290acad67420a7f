#include "CliRunner.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

using namespace TestSupport;

QStringList texts(const char* spaced)
{
    return QString::fromLatin1(spaced).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

CliRun calc(const QString& localeName, const QByteArray& json)
{
    QTemporaryDir home;
    const QString path = writeFile(home.filePath(QStringLiteral("doc.json")), json);
    return runCli({QStringLiteral("--locale"), localeName, QStringLiteral("calc"), path}, home.path());
}

} // namespace

// The output of calc, in the --locale given; the sums and rounding themselves are proven on
// TotalsCalculator directly.
class TestCalcCommand : public QObject
{
    Q_OBJECT

private slots:
    void rowsAndTotals_data()
    {
        QTest::addColumn<QString>("localeName");
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QStringList>("qtys");
        QTest::addColumn<QStringList>("amounts");
        QTest::addColumn<QStringList>("totals"); // subtotal, tax, total, balance
        // 2.5 is held as 2 for the amount and shown rewritten as 3, as the window does.
        QTest::newRow("charges and a half quantity")
            << "en_US"
            << QByteArray(R"({"rows":[{"qty":"2.5","price":"40"},{"qty":"1","price":"20"}],
                "company":{"taxName":"VAT","taxPercent":"7"},
                "charges":{"name":"Delivery","amount":"10.00","taxable":true}})")
            << texts("3 1") << texts("80.00 20.00") << texts("110.00 7.70 117.70 117.70");
        QTest::newRow("german grouping")
            << "de_DE" << QByteArray(R"({"rows":[{"qty":"2","price":"1.234,5"}]})") << texts("2")
            << texts("2.469,00") << texts("2.469,00 0,00 2.469,00 2.469,00");
    }

    void rowsAndTotals()
    {
        QFETCH(QString, localeName);
        QFETCH(QByteArray, json);
        QFETCH(QStringList, qtys);
        QFETCH(QStringList, amounts);
        QFETCH(QStringList, totals);
        const CliRun run = calc(localeName, json);
        QVERIFY2(run.exitCode == 0, run.err.constData());
        const QJsonObject out = QJsonDocument::fromJson(run.out).object();
        QStringList shownQtys, shownAmounts;
        for (const QJsonValue& row : out.value(QStringLiteral("rows")).toArray()) {
            shownQtys << row[QStringLiteral("qty")].toString();
            shownAmounts << row[QStringLiteral("amount")].toString();
        }
        QCOMPARE(shownQtys, qtys);
        QCOMPARE(shownAmounts, amounts);
        const QJsonObject t = out.value(QStringLiteral("totals")).toObject();
        QCOMPARE((QStringList{t[QStringLiteral("subtotal")].toString(), t[QStringLiteral("taxAmount")].toString(),
                              t[QStringLiteral("total")].toString(), t[QStringLiteral("balance")].toString()}),
                 totals);
    }

    void unreadableFieldStops()
    {
        const CliRun run = calc(QStringLiteral("en_US"), R"({"rows":[{"qty":"1","price":"abc"}]})");
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.err.trimmed().split('\n').last(), QByteArray("Type mismatch 13")); // after any platform notice
        QVERIFY(run.out.isEmpty());
    }
};

TW_TEST_MAIN(TestCalcCommand)
#include "tst_CalcCommand.moc"
