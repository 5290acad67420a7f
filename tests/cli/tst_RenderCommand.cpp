#include "TestSupport.h"
#include "app/Dialogs.h"
#include "editor/DocumentJson.h"
#include "html/GenerateCommand.h"
#include "html/PageWriter.h"

#include <QFile>
#include <QProcess>

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run runCli(const QStringList& arguments, const QString& home)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TW_CLI_PATH), arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

QString writeJson(const QTemporaryDir& dir, const QByteArray& json)
{
    const QString path = dir.filePath(QStringLiteral("doc.json"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(json);
    return path;
}

QByteArray sample()
{
    QFile file(TestSupport::testData(QStringLiteral("pages/invoice-centred.json")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
        const Run toFile = runCli(args({doc, QStringLiteral("-o"), out}), home.path());
        QCOMPARE(toFile.exitCode, 0);
        const Run toStdout = runCli(args({doc}), home.path());
        QCOMPARE(toStdout.exitCode, 0);
        QFile file(out);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray written = file.readAll();
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
        const Run run = runCli(args({doc}) + extra, home.path());
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(message), run.err.constData());
        QCOMPARE(run.out.isEmpty(), exitCode != 0);
    }

    void companyComesFromTheDatabaseWhenAbsent()
    {
        QTemporaryDir home;
        const QString doc = writeJson(home, R"({"docNumber":"N1"})");
        const Run run = runCli(args({doc}), home.path());
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains("<b>Your Company Name</b>"));
    }
};

TW_TEST_MAIN(TestRenderCommand)
#include "tst_RenderCommand.moc"
