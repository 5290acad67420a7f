#include "CliRunner.h"

#include <QJsonDocument>
#include <QJsonObject>

using TestSupport::CliRun;
using TestSupport::runCli;

class TestCliBasics : public QObject
{
    Q_OBJECT

private slots:
    void helpAndVersion()
    {
        QTemporaryDir home;
        const CliRun help = runCli({QStringLiteral("--help")}, home.path());
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.out.contains("--locale NAME"));
        const CliRun version = runCli({QStringLiteral("--version")}, home.path());
        QCOMPARE(version.exitCode, 0);
        QVERIFY(version.out.startsWith("tallywick-cli "));
    }

    // Every command refuses arguments it cannot use with the usage exit code.
    void usageErrors_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::newRow("no command") << QString();
        QTest::newRow("unknown command") << "frobnicate";
        QTest::newRow("db without value") << "company --db";
        QTest::newRow("save without file") << "save";
        QTest::newRow("unknown order") << "list --order size";
        QTest::newRow("purge bad date") << "purge 4-Dec-2026 2026-12-05";
        QTest::newRow("compact with argument") << "compact now";
        QTest::newRow("import without file") << "import-legacy";
        QTest::newRow("jpeg-size without file") << "jpeg-size";
        QTest::newRow("render without document") << "render";
    }

    void usageErrors()
    {
        QFETCH(QString, arguments);
        QTemporaryDir home;
        QCOMPARE(runCli(arguments.split(QLatin1Char(' '), Qt::SkipEmptyParts), home.path()).exitCode, 1);
    }

    void companyOfANewDatabase()
    {
        QTemporaryDir home;
        const CliRun run = runCli({QStringLiteral("company")}, home.path());
        QCOMPARE(run.exitCode, 0);
        const QJsonObject company = QJsonDocument::fromJson(run.out).object();
        QCOMPARE(company.value(QStringLiteral("name")).toString(), QStringLiteral("Your Company Name"));
        QCOMPARE(company.value(QStringLiteral("taxName")).toString(), QStringLiteral("Tax"));
        QVERIFY(company.contains(QStringLiteral("currencySymbol")));
    }

    void damagedDatabaseIsLeftAlone()
    {
        QTemporaryDir home;
        const QString path = TestSupport::writeFile(home.filePath(QStringLiteral("broken.mdb")),
                                                    "this is no database at all");
        const CliRun run = runCli({QStringLiteral("--db"), path, QStringLiteral("company")}, home.path());
        QCOMPARE(run.exitCode, 3);
        QVERIFY(run.err.contains("The database is either missing or locked by another program."));
        QCOMPARE(TestSupport::readFile(path), QByteArray("this is no database at all"));
    }
};

TW_TEST_MAIN(TestCliBasics)
#include "tst_CliBasics.moc"
