#include "TestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace {

struct Run
{
    int exitCode = -1;
    QJsonObject json;
    QByteArray err;
};

QJsonObject row(const char* qty, const char* price, const char* discount = "")
{
    return {{QStringLiteral("qty"), QLatin1String(qty)},
            {QStringLiteral("price"), QLatin1String(price)},
            {QStringLiteral("discount"), QLatin1String(discount)}};
}

QJsonObject company(const char* rate)
{
    return {{QStringLiteral("taxName"), QStringLiteral("VAT")}, {QStringLiteral("taxPercent"), QLatin1String(rate)}};
}

Run calc(const QString& localeName, const QJsonObject& document)
{
    QTemporaryDir home;
    const QString path = home.filePath(QStringLiteral("doc.json"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(QJsonDocument(document).toJson());
    file.close();
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TW_CLI_PATH), {QStringLiteral("--locale"), localeName, QStringLiteral("calc"), path});
    process.waitForFinished(60000);
    return {process.exitCode(), QJsonDocument::fromJson(process.readAllStandardOutput()).object(),
            process.readAllStandardError()};
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

class TestCalcCommand : public QObject
{
    Q_OBJECT

private slots:
    void numberExamples_data()
    {
        QTest::addColumn<QString>("localeName");
        QTest::addColumn<QJsonObject>("document");
        QTest::addColumn<QStringList>("amounts");
        QTest::addColumn<QStringList>("totals");
        const QString en = QStringLiteral("en_US");
        QTest::newRow("line amounts") << en
            << QJsonObject{{QStringLiteral("rows"), QJsonArray{row("3", "10", "0.00"), row("3", "9.99", "10"),
                                                               row("4", "9.99", "12.5")}},
                           {QStringLiteral("company"), company("")}}
            << QStringList{QStringLiteral("30.00"), QStringLiteral("26.97"), QStringLiteral("34.97")}
            << QStringList{QStringLiteral("91.94"), QStringLiteral("0.00"), QStringLiteral("91.94"), QStringLiteral("91.94")};
        QTest::newRow("shown amounts are summed") << en
            << QJsonObject{{QStringLiteral("rows"), QJsonArray{row("1", "0.126"), row("1", "0.126")}},
                           {QStringLiteral("company"), company("")}}
            << QStringList{QStringLiteral("0.13"), QStringLiteral("0.13")}
            << QStringList{QStringLiteral("0.26"), QStringLiteral("0.00"), QStringLiteral("0.26"), QStringLiteral("0.26")};
        QTest::newRow("half quantity") << en
            << QJsonObject{{QStringLiteral("rows"), QJsonArray{row("2.5", "1")}}, {QStringLiteral("company"), company("")}}
            << QStringList{QStringLiteral("2.00")}
            << QStringList{QStringLiteral("2.00"), QStringLiteral("0.00"), QStringLiteral("2.00"), QStringLiteral("2.00")};
        const QJsonObject taxed{{QStringLiteral("name"), QStringLiteral("Delivery")},
                                {QStringLiteral("amount"), QStringLiteral("10.00")},
                                {QStringLiteral("taxable"), true}};
        QJsonObject untaxed = taxed;
        untaxed[QStringLiteral("taxable")] = false;
        QTest::newRow("taxable charges") << en
            << QJsonObject{{QStringLiteral("rows"), QJsonArray{row("1", "100")}}, {QStringLiteral("charges"), taxed},
                           {QStringLiteral("company"), company("7")}}
            << QStringList{QStringLiteral("100.00")}
            << QStringList{QStringLiteral("110.00"), QStringLiteral("7.70"), QStringLiteral("117.70"), QStringLiteral("117.70")};
        QTest::newRow("untaxed charges") << en
            << QJsonObject{{QStringLiteral("rows"), QJsonArray{row("1", "100")}}, {QStringLiteral("charges"), untaxed},
                           {QStringLiteral("company"), company("7")}}
            << QStringList{QStringLiteral("100.00")}
            << QStringList{QStringLiteral("100.00"), QStringLiteral("7.00"), QStringLiteral("117.00"), QStringLiteral("117.00")};
        QTest::newRow("tax rounds half away") << en
            << QJsonObject{{QStringLiteral("rows"), QJsonArray{row("1", "1.15")}}, {QStringLiteral("company"), company("10")}}
            << QStringList{QStringLiteral("1.15")}
            << QStringList{QStringLiteral("1.15"), QStringLiteral("0.12"), QStringLiteral("1.27"), QStringLiteral("1.27")};
        QTest::newRow("german grouping") << QStringLiteral("de_DE")
            << QJsonObject{{QStringLiteral("rows"), QJsonArray{row("2", "1.234,5")}}, {QStringLiteral("company"), company("")}}
            << QStringList{QStringLiteral("2.469,00")}
            << QStringList{QStringLiteral("2.469,00"), QStringLiteral("0,00"), QStringLiteral("2.469,00"), QStringLiteral("2.469,00")};
    }

    void numberExamples()
    {
        QFETCH(QString, localeName);
        QFETCH(QJsonObject, document);
        QFETCH(QStringList, amounts);
        QFETCH(QStringList, totals);
        const Run run = calc(localeName, document);
        QVERIFY2(run.exitCode == 0, run.err.constData());
        QCOMPARE(::amounts(run.json), amounts);
        QCOMPARE(::totals(run.json), totals);
    }

    void halfQuantityIsRewritten()
    {
        const Run run = calc(QStringLiteral("en_US"),
                             {{QStringLiteral("rows"), QJsonArray{row("2.5", "1")}}, {QStringLiteral("company"), company("")}});
        QCOMPARE(run.json[QStringLiteral("rows")].toArray().first()[QStringLiteral("qty")].toString(), QStringLiteral("3"));
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
        const Run run = calc(QStringLiteral("en_US"),
                             {{QStringLiteral("rows"), QJsonArray{rowObject}}, {QStringLiteral("company"), company("")}});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.err.trimmed().split('\n').last(), message);  // after any platform notice
    }

    void companyFromTheDatabase()
    {
        const Run run = calc(QStringLiteral("en_US"), {{QStringLiteral("rows"), QJsonArray{row("1", "5")}}});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.json[QStringLiteral("totals")][QStringLiteral("taxLabel")].toString().startsWith(QStringLiteral("Tax ")));
    }
};

TW_TEST_MAIN(TestCalcCommand)
#include "tst_CalcCommand.moc"
