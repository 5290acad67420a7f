#include "TestSupport.h"
#include "store/JetFile.h"

#include <QProcess>

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
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
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QString legacyFile()
{
    return TestSupport::fixture(QStringLiteral("legacy/legacy-2004.mdb"));
}

} // namespace

class TestImportLegacy : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!JetFile::isSupported())
            QSKIP("built without the reader of old database files");
    }

    void importsThenRefusesToDuplicate()
    {
        QTemporaryDir home;
        const QString db = home.filePath(QStringLiteral("new.mdb"));
        const Run first =
            runCli({QStringLiteral("--db"), db, QStringLiteral("import-legacy"), legacyFile()}, home.path());
        QCOMPARE(first.exitCode, 0);
        QVERIFY2(first.out.contains(QStringLiteral("Documents imported: 3 (6 rows)")), qPrintable(first.out));
        QVERIFY(first.out.contains(QStringLiteral("Company profile: imported (Müller & Söhne GmbH)")));

        const Run company = runCli({QStringLiteral("--db"), db, QStringLiteral("company")}, home.path());
        QCOMPARE(company.exitCode, 0);
        QVERIFY(company.out.contains(QStringLiteral("MwSt")));

        const Run again =
            runCli({QStringLiteral("--db"), db, QStringLiteral("import-legacy"), legacyFile()}, home.path());
        QCOMPARE(again.exitCode, 2);
        QVERIFY(again.err.contains(QStringLiteral("Nothing imported")));
        QVERIFY(again.err.contains(QStringLiteral("INV-1001, QUO-7, PO 2026/01")));
    }

    void intoTheProgramsOwnDatabase()
    {
        QTemporaryDir home;
        const Run run = runCli({QStringLiteral("import-legacy"), legacyFile()}, home.path());
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains(QStringLiteral("Documents imported: 3 (6 rows)")));
    }

    void badInput_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("text file") << QByteArray("not a database\n") << 3;
        QTest::newRow("cut short") << QByteArray("\0\1\0\0Standard Jet DB\0\1", 21) << 3;
    }

    void badInput()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, exitCode);
        QTemporaryDir home;
        const QString source = home.filePath(QStringLiteral("bad.mdb"));
        QFile file(source);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        const QString db = home.filePath(QStringLiteral("target.mdb"));
        const Run run =
            runCli({QStringLiteral("--db"), db, QStringLiteral("import-legacy"), source}, home.path());
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY(run.err.contains(source));
        QVERIFY2(!QFileInfo::exists(db), "a database made for the import is removed again");
    }

    void usage()
    {
        QTemporaryDir home;
        QCOMPARE(runCli({QStringLiteral("import-legacy")}, home.path()).exitCode, 1);
    }
};

TW_TEST_MAIN(TestImportLegacy)
#include "tst_ImportLegacy.moc"
