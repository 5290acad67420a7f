#include "CliRunner.h"
#include "app/Dialogs.h"
#include "editor/DocumentJson.h"
#include "html/GenerateCommand.h"
#include "html/PageWriter.h"


namespace {

using namespace TestSupport;

QString writeJson(const QTemporaryDir& dir, const QByteArray& json)
{
    return writeFile(dir.filePath(QStringLiteral("doc.json")), json);
}

QByteArray sample()
{
    return readFile(testData(QStringLiteral("pages/invoice-centred.json")));
}

QStringList args(std::initializer_list<QString> list)
{
    return QStringList{QStringLiteral("--locale"), QStringLiteral("en_US"), QStringLiteral("render")} +
           QStringList(list);
}

} // namespace

class TestRenderCommand : public QObject
{
    Q_OBJECT

private slots:
    void bytesAreThoseTheWindowWrites()
    {
        QTemporaryDir home;
        const QString doc = writeJson(home, sample());
        const QString out = home.filePath(QStringLiteral("page.htm"));
        const CliRun toFile = runCli(args({doc, QStringLiteral("-o"), out}), home.path());
        QCOMPARE(toFile.exitCode, 0);
        const CliRun toStdout = runCli(args({doc}), home.path());
        QCOMPARE(toStdout.exitCode, 0);
        const QByteArray written = readFile(out);
        QCOMPARE(toStdout.out, written);

        Document document = DocumentJson::read(sample()).document;
        ScriptedDialogs dialogs;
        const auto outcome = GenerateCommand::prepare(document, dialogs, PageCaptions{},
                                                      QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(written, PageWriter::encode(outcome.page));
        QVERIFY(written.contains("<td valign=\"top\">12/4/26</td>"));
    }

    void refusals_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("blank number")
            << QByteArray(R"({"docType":"Invoice","docNumber":" "})") << QStringList() << 2
            << QByteArray("Please input a Document No.      ");
        QTest::newRow("zero question answered No")
            << QByteArray(R"({"docNumber":"N1","rows":[{"qty":"0"}],"options":{"hideZeroRows":true}})")
            << QStringList() << 2 << QByteArray("Continue?  ");
        QTest::newRow("zero question answered Yes")
            << QByteArray(R"({"docNumber":"N1","rows":[{"qty":"0"}],"options":{"hideZeroRows":true}})")
            << QStringList{QStringLiteral("--yes")} << 0 << QByteArray("Continue?  ");
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
        const QString doc = writeJson(home, json);
        const CliRun run = runCli(args({doc}) + extra, home.path());
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(message), run.err.constData());
        QCOMPARE(run.out.isEmpty(), exitCode != 0);
    }

    void companyComesFromTheDatabaseWhenAbsent()
    {
        QTemporaryDir home;
        const QString doc = writeJson(home, R"({"docNumber":"N1"})");
        const CliRun run = runCli(args({doc}), home.path());
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains("<b>Your Company Name</b>"));
    }
};

TW_TEST_MAIN(TestRenderCommand)
#include "tst_RenderCommand.moc"
