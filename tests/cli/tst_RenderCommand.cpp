#include "CliRunner.h"
#include "app/Dialogs.h"
#include "app/SettingsStore.h"
#include "app/ShortDateFormat.h"
#include "editor/DocumentJson.h"
#include "html/GenerateCommand.h"
#include "html/PageWriter.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

using namespace TestSupport;

QStringList args(const QString& localeName, const QString& doc)
{
    return {QStringLiteral("--locale"), localeName, QStringLiteral("render"), doc};
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

    void refusals_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("message");
        const QByteArray zeroRow = R"({"docNumber":"N1","rows":[{"qty":"0"}],"options":{"hideZeroRows":true}})";
        QTest::newRow("blank number") << QByteArray(R"({"docType":"Invoice","docNumber":" "})") << QStringList()
                                      << 2 << QByteArray("Please input a Document No.      ");
        QTest::newRow("zero question answered No") << zeroRow << QStringList() << 2 << QByteArray("Continue?  ");
        QTest::newRow("zero question answered Yes") << zeroRow << QStringList{QStringLiteral("--yes")} << 0
                                                    << QByteArray("Continue?  ");
        QTest::newRow("unknown key") << QByteArray(R"({"docNumbr":"N1"})") << QStringList() << 1
                                     << QByteArray("docNumbr");
        QTest::newRow("pdf without a file name") << QByteArray(R"({"docNumber":"N1"})")
                                                 << QStringList{QStringLiteral("--pdf")} << 1
                                                 << QByteArray("--pdf needs a file name.");
    }

    void refusals()
    {
        QFETCH(QByteArray, json);
        QFETCH(QStringList, extra);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, message);
        QTemporaryDir home;
        const QString doc = writeFile(home.filePath(QStringLiteral("doc.json")), json);
        const CliRun run = runCli(args(QStringLiteral("en_US"), doc) + extra, home.path());
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(message), run.err.constData());
        QCOMPARE(run.out.isEmpty(), exitCode != 0);
    }

    void companyComesFromTheDatabaseWhenAbsent()
    {
        QTemporaryDir home;
        const QString doc = writeFile(home.filePath(QStringLiteral("doc.json")), R"({"docNumber":"N1"})");
        const CliRun run = runCli(args(QStringLiteral("en_US"), doc), home.path());
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains("<b>Your Company Name</b>"));
    }
};

TW_TEST_MAIN(TestRenderCommand)
#include "tst_RenderCommand.moc"
