#include "CliRunner.h"
#include "core/Dialogs.h"
#include "core/SettingsStore.h"
#include "core/ShortDateFormat.h"
#include "editor/DocumentJson.h"
#include "html/GenerateCommand.h"
#include "html/PageWriter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

using namespace TestSupport;

QStringList args(const QString& localeName, const QString& doc, const char* command = "render")
{
    return {QStringLiteral("--locale"), localeName, QLatin1String(command), doc};
}

} // namespace

class TestRenderCommand : public QObject
{
    Q_OBJECT

private slots:
    // Standard output and -o carry byte for byte the page the window writes, its date in the short date
    // the user chose, whatever letterhead the file brings.
    void pageIsTheWindowsPage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("setting");
        QTest::addColumn<bool>("withLetterhead");
        QTest::addColumn<QByteArray>("dateCell");
        QTest::newRow("en_US regional, letterhead in file") << "en_US" << QString() << true << QByteArray("12/4/26");
        QTest::newRow("en_US day-month-year, letterhead in file")
            << "en_US" << ShortDateFormat::DayMonthYear << true << QByteArray("04-Dec-2026");
        QTest::newRow("de_DE regional, letterhead from settings")
            << "de_DE" << QString() << false << QByteArray("04.12.26");
        QTest::newRow("de_DE day-month-year, letterhead from settings")
            << "de_DE" << ShortDateFormat::DayMonthYear << false << QByteArray("04-Dez.-2026");
    }

    void pageIsTheWindowsPage()
    {
        QFETCH(QString, locale);
        QFETCH(QString, setting);
        QFETCH(bool, withLetterhead);
        QFETCH(QByteArray, dateCell);
        QTemporaryDir home;
        SettingsStore(home.filePath(QStringLiteral("config/Tallywick/Tallywick.conf")))
            .save(SettingsStore::DateFormat, setting);
        QJsonObject json = QJsonDocument::fromJson(readFile(testData(QStringLiteral("pages/invoice-centred.json"))))
                               .object();
        if (!withLetterhead)
            json.remove(QStringLiteral("letterhead"));
        const QByteArray bytes = QJsonDocument(json).toJson();
        const QString doc = writeFile(home.filePath(QStringLiteral("doc.json")), bytes);
        const QString out = home.filePath(QStringLiteral("page.htm"));
        QCOMPARE(runCli(args(locale, doc) + QStringList{QStringLiteral("-o"), out}, home.path()).exitCode, 0);
        const CliRun run = runCli(args(locale, doc), home.path());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, readFile(out));
        QVERIFY2(run.out.contains("<td valign=\"top\">" + dateCell + "</td></tr>"), run.out.constData());

        Document document = DocumentJson::read(bytes).document;
        document.letterhead.dateFormat = setting;
        ScriptedDialogs dialogs;
        const auto outcome = GenerateCommand::prepare(document, dialogs, PageCaptions{}, QLocale(locale));
        QCOMPARE(run.out, PageWriter::encode(outcome.page));
    }

    // Refusals write no page; a document without a company takes the database's.
    void outcomes_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("extra");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<QByteArray>("inPage");
        const QByteArray zeroRow = R"({"docNumber":"N1","rows":[{"qty":"0"}],"options":{"hideZeroRows":true}})";
        QTest::newRow("blank number") << QByteArray(R"({"docType":"Invoice","docNumber":" "})") << QString() << 2
                                      << QByteArray("Please input a Document No.      ") << QByteArray();
        QTest::newRow("zero question answered No") << zeroRow << QString() << 2 << QByteArray("Continue?  ")
                                                   << QByteArray();
        QTest::newRow("zero question answered Yes") << zeroRow << "--yes" << 0 << QByteArray("Continue?  ")
                                                    << QByteArray("<b>Your Company Name</b>");
        QTest::newRow("unknown key") << QByteArray(R"({"docNumbr":"N1"})") << QString() << 1 << QByteArray("docNumbr")
                                     << QByteArray();
        QTest::newRow("pdf without a file name") << QByteArray(R"({"docNumber":"N1"})") << "--pdf" << 1
                                                 << QByteArray("--pdf needs a file name.") << QByteArray();
    }

    void outcomes()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, extra);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, message);
        QFETCH(QByteArray, inPage);
        QTemporaryDir home;
        const QString doc = writeFile(home.filePath(QStringLiteral("doc.json")), json);
        const CliRun run = runCli(args(QStringLiteral("en_US"), doc) + extra.split(QLatin1Char(' '), Qt::SkipEmptyParts),
                                  home.path());
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(message), run.err.constData());
        QCOMPARE(run.out.isEmpty(), exitCode != 0);
        QVERIFY(run.out.contains(inPage));
    }

    // The output of calc, in the --locale given; the sums and rounding themselves are proven on
    // TotalsCalculator directly.
    void calcOutput_data()
    {
        QTest::addColumn<QString>("localeName");
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("shown"); // each row's qty and amount / subtotal tax total balance
        // 2.5 is held as 2 for the amount and shown rewritten as 3, as the window does.
        QTest::newRow("charges and a half quantity")
            << "en_US"
            << QByteArray(R"({"rows":[{"qty":"2.5","price":"40"},{"qty":"1","price":"20"}],
                "company":{"taxName":"VAT","taxPercent":"7"},
                "charges":{"name":"Delivery","amount":"10.00","taxable":true}})")
            << 0 << "3 80.00 1 20.00 / 110.00 7.70 117.70 117.70";
        QTest::newRow("german grouping") << "de_DE" << QByteArray(R"({"rows":[{"qty":"2","price":"1.234,5"}]})") << 0
                                         << "2 2.469,00 / 2.469,00 0,00 2.469,00 2.469,00";
        // The message is the last line, after any platform notice.
        QTest::newRow("letters in price") << "en_US" << QByteArray(R"({"rows":[{"qty":"1","price":"abc"}]})") << 2
                                          << "Type mismatch 13";
    }

    void calcOutput()
    {
        QFETCH(QString, localeName);
        QFETCH(QByteArray, json);
        QFETCH(int, exitCode);
        QFETCH(QString, shown);
        QTemporaryDir home;
        const QString doc = writeFile(home.filePath(QStringLiteral("doc.json")), json);
        const CliRun run = runCli(args(localeName, doc, "calc"), home.path());
        QCOMPARE(run.exitCode, exitCode);
        if (exitCode != 0) {
            QVERIFY(run.out.isEmpty());
            QCOMPARE(run.errText().trimmed().section(QLatin1Char('\n'), -1), shown);
            return;
        }
        const QJsonObject out = QJsonDocument::fromJson(run.out).object();
        QStringList texts;
        for (const QJsonValue& row : out[QStringLiteral("rows")].toArray())
            texts << row[QStringLiteral("qty")].toString() << row[QStringLiteral("amount")].toString();
        texts << QStringLiteral("/");
        for (const char* key : {"subtotal", "taxAmount", "total", "balance"})
            texts << out[QStringLiteral("totals")][QLatin1String(key)].toString();
        QCOMPARE(texts.join(QLatin1Char(' ')), shown);
    }
};

TW_TEST_MAIN(TestRenderCommand)
#include "tst_RenderCommand.moc"
