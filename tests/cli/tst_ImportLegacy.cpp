#include "CliRunner.h"
#include "store/JetFile.h"

namespace {

using namespace TestSupport;

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
        const CliRun first =
            runCli({QStringLiteral("--db"), db, QStringLiteral("import-legacy"), legacyFile()}, home.path());
        QCOMPARE(first.exitCode, 0);
        QVERIFY2(first.outText().contains(QStringLiteral("Documents imported: 3 (6 rows)")), first.out.constData());
        QVERIFY(first.outText().contains(QStringLiteral("Company profile: imported (Müller & Söhne GmbH)")));

        const CliRun company = runCli({QStringLiteral("--db"), db, QStringLiteral("company")}, home.path());
        QCOMPARE(company.exitCode, 0);
        QVERIFY(company.outText().contains(QStringLiteral("MwSt")));

        const CliRun again =
            runCli({QStringLiteral("--db"), db, QStringLiteral("import-legacy"), legacyFile()}, home.path());
        QCOMPARE(again.exitCode, 2);
        QVERIFY(again.errText().contains(QStringLiteral("Nothing imported")));
        QVERIFY(again.errText().contains(QStringLiteral("INV-1001, QUO-7, PO 2026/01")));
    }

    void intoTheProgramsOwnDatabase()
    {
        QTemporaryDir home;
        const CliRun run = runCli({QStringLiteral("import-legacy"), legacyFile()}, home.path());
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.outText().contains(QStringLiteral("Documents imported: 3 (6 rows)")));
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
        const QString source = writeFile(home.filePath(QStringLiteral("bad.mdb")), content);
        const QString db = home.filePath(QStringLiteral("target.mdb"));
        const CliRun run =
            runCli({QStringLiteral("--db"), db, QStringLiteral("import-legacy"), source}, home.path());
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY(run.errText().contains(source));
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
