#include "CliRunner.h"
#include "store/JetFile.h"

using namespace TestSupport;

class TestImportLegacy : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!JetFile::isSupported())
            QSKIP("built without the reader of old database files");
    }

    // Into the program's own database, then refused whole when the documents are there already.
    void importsThenRefusesToDuplicate()
    {
        QTemporaryDir home;
        const QStringList import{QStringLiteral("import-legacy"), fixture(QStringLiteral("legacy/legacy-2004.mdb"))};
        const CliRun first = runCli(import, home.path());
        QCOMPARE(first.exitCode, 0);
        QVERIFY2(first.outText().contains(QStringLiteral("Documents imported: 3 (6 rows)")), first.out.constData());
        QVERIFY(first.outText().contains(QStringLiteral("Company profile: imported (Müller & Söhne GmbH)")));
        QVERIFY(runCli({QStringLiteral("company")}, home.path()).outText().contains(QStringLiteral("MwSt")));

        const CliRun again = runCli(import, home.path());
        QCOMPARE(again.exitCode, 2);
        QVERIFY(again.errText().contains(QStringLiteral("Nothing imported")));
        QVERIFY(again.errText().contains(QStringLiteral("INV-1001, QUO-7, PO 2026/01")));
    }

    void badInput_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("text file") << QByteArray("not a database\n");
        QTest::newRow("cut short") << QByteArray("\0\1\0\0Standard Jet DB\0\1", 21);
    }

    void badInput()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir home;
        const QString source = writeFile(home.filePath(QStringLiteral("bad.mdb")), content);
        const QString db = home.filePath(QStringLiteral("target.mdb"));
        const CliRun run = runCli({QStringLiteral("--db"), db, QStringLiteral("import-legacy"), source}, home.path());
        QCOMPARE(run.exitCode, 3);
        QVERIFY(run.errText().contains(source));
        QVERIFY2(!QFileInfo::exists(db), "a database made for the import is removed again");
    }
};

TW_TEST_MAIN(TestImportLegacy)
#include "tst_ImportLegacy.moc"
