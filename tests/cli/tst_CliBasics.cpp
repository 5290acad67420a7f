#include "TestSupport.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QJsonObject>
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

} // namespace

class TestCliBasics : public QObject
{
    Q_OBJECT

private slots:
    void helpAndVersion()
    {
        QTemporaryDir home;
        const Run help = runCli({QStringLiteral("--help")}, home.path());
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.out.contains("--locale NAME"));
        const Run version = runCli({QStringLiteral("--version")}, home.path());
        QCOMPARE(version.exitCode, 0);
        QVERIFY(version.out.startsWith("tallywick-cli "));
    }

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no command") << QStringList();
        QTest::newRow("unknown command") << QStringList{QStringLiteral("frobnicate")};
        QTest::newRow("db without value") << QStringList{QStringLiteral("company"), QStringLiteral("--db")};
    }

    void usageErrors()
    {
        QFETCH(QStringList, arguments);
        QTemporaryDir home;
        QCOMPARE(runCli(arguments, home.path()).exitCode, 1);
    }

    void companyOfANewDatabase()
    {
        QTemporaryDir home;
        const Run run = runCli({QStringLiteral("company")}, home.path());
        QCOMPARE(run.exitCode, 0);
        const QJsonObject company = QJsonDocument::fromJson(run.out).object();
        QCOMPARE(company.value(QStringLiteral("name")).toString(), QStringLiteral("Your Company Name"));
        QCOMPARE(company.value(QStringLiteral("taxName")).toString(), QStringLiteral("Tax"));
        QVERIFY(company.contains(QStringLiteral("currencySymbol")));
    }

    void damagedDatabaseIsLeftAlone()
    {
        QTemporaryDir home;
        const QString path = home.filePath(QStringLiteral("broken.mdb"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("this is no database at all");
        file.close();
        const Run run = runCli({QStringLiteral("--db"), path, QStringLiteral("company")}, home.path());
        QCOMPARE(run.exitCode, 3);
        QVERIFY(run.err.contains("The database is either missing or locked by another program."));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("this is no database at all"));
    }
};

TW_TEST_MAIN(TestCliBasics)
#include "tst_CliBasics.moc"
