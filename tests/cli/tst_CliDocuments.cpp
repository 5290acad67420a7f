#include "CliRunner.h"
#include "core/SettingsStore.h"
#include "store/JetFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

using namespace TestSupport;

// Runs the command line in English formats, in one home folder for all its runs.
struct Cli
{
    // `arguments` split at spaces, then `file` whole.
    CliRun operator()(const QString& arguments, const QString& file = {}) const
    {
        QStringList list = QStringList{QStringLiteral("--locale"), QStringLiteral("en_US")}
                           + arguments.split(QLatin1Char(' '));
        if (!file.isEmpty())
            list << file;
        return runCli(list, home.path());
    }

    QString firstListLine() const { return (*this)(QStringLiteral("list")).outText().section(QLatin1Char('\n'), 0, 0); }

    QString writeDocument() const
    {
        return writeFile(home.filePath(QStringLiteral("doc.json")),
                         "{\"docType\":\"Invoice\",\"docNumber\":\" INV-7 \",\"docDate\":\"2026-12-04\","
                         "\"billTo\":{\"term\":\"To:\",\"name\":\"O'Brien\",\"address\":\"1 Quay St\\r\\nCork\"},"
                         "\"rows\":[{\"productId\":\"A-1\",\"description\":\"{\\\\rtf1 a | # }\",\"qty\":\"2\","
                         "\"price\":\"1,250.00\",\"discount\":\"0\",\"amount\":\"2,500.00\"},{}]}");
    }

    QTemporaryDir home;
};

// A document of `rows` empty rows, `head` the keys before them.
QByteArray emptyRows(const QByteArray& head, int rows)
{
    QByteArray json = "{" + head + ",\"rows\":[{}";
    for (int i = 1; i < rows; ++i)
        json += ",{}";
    return json + "]}";
}

} // namespace

class TestCliDocuments : public QObject
{
    Q_OBJECT

private slots:
    void saveListShowDelete()
    {
        Cli cli;
        const QString doc = cli.writeDocument();
        const CliRun saved = cli(QStringLiteral("save"), doc);
        QCOMPARE(saved.exitCode, 0);
        QVERIFY(saved.errText().contains(QStringLiteral("Values updated and new document successfully saved.")));

        const CliRun again = cli(QStringLiteral("save"), doc); // nothing open on the command line: asked, refused
        QCOMPARE(again.exitCode, 2);
        QVERIFY(again.errText().contains(QStringLiteral("has been used by a previous document")));

        const CliRun list = cli(QStringLiteral("list --order cus"));
        QCOMPARE(list.exitCode, 0);
        const QStringList lines = list.outText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines.first(), QStringLiteral("1 files"));
        QVERIFY(lines.last().startsWith(QStringLiteral("INV-7 ")));
        QVERIFY(lines.last().endsWith(QStringLiteral("O'Brien              1 Quay St")));

        const CliRun shown = cli(QStringLiteral("show INV-7"));
        QCOMPARE(shown.exitCode, 0);
        const QJsonObject json = QJsonDocument::fromJson(shown.out).object();
        QCOMPARE(json.value(QStringLiteral("docNumber")).toString(), QStringLiteral("INV-7"));
        QCOMPARE(json.value(QStringLiteral("rows")).toArray().size(), 2);

        QCOMPARE(cli(QStringLiteral("delete INV-7")).exitCode, 2);
        QCOMPARE(cli(QStringLiteral("--yes delete INV-7")).exitCode, 0);
        const CliRun missing = cli(QStringLiteral("show INV-7"));
        QCOMPARE(missing.exitCode, 2);
        QVERIFY(missing.errText().contains(QStringLiteral("There is no record of this document number.")));
    }

    // A document without rows never replaces a stored one, even when every question is answered yes.
    void documentWithoutRowsIsRefused()
    {
        Cli cli;
        QCOMPARE(cli(QStringLiteral("save"), cli.writeDocument()).exitCode, 0);
        const QString empty = writeFile(cli.home.filePath(QStringLiteral("empty.json")),
                                        "{\"docType\":\"Invoice\",\"docNumber\":\"INV-7\",\"rows\":[]}");
        const CliRun refused = cli(QStringLiteral("--yes save"), empty);
        QVERIFY(refused.exitCode != 0);
        QVERIFY2(refused.errText().contains(QStringLiteral("no rows")), refused.err.constData());
        const CliRun shown = cli(QStringLiteral("show INV-7"));
        QCOMPARE(QJsonDocument::fromJson(shown.out).object().value(QStringLiteral("rows")).toArray().size(), 2);
    }

    // Input no field of the window could hold is refused with the key named, before anything is
    // stored, rendered or even fully read.
    void badInputRefused_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("multiLine");
        QTest::addColumn<QString>("message");
        QTest::newRow("save of 66 rows") << "save" << emptyRows("\"docNumber\":\"R-66\"", 66) << false << "\"rows\"";
        QTest::newRow("save of 20 multi-line rows") << "save" << emptyRows("\"docNumber\":\"R-20\"", 20) << true
                                                    << "\"rows\"";
        QTest::newRow("save with a NUL") << "save" << QByteArray("{\"docNumber\":\"N-1\",\"notes\":\"a\\u0000b\"}")
                                         << false << "\"notes\"";
        QTest::newRow("render of two billion page rows")
            << "render" << QByteArray("{\"pageRows\":\"2000000000\",\"rows\":[{}]}") << false << "\"pageRows\"";
        QTest::newRow("calc with a date and time")
            << "calc" << QByteArray("{\"docDate\":\"2026-12-04T10:00:00\"}") << false << "\"docDate\"";
        QTest::newRow("save with a repeated key")
            << "save" << QByteArray("{\"docNumber\":\"D-1\",\"docNumber\":\"D-2\"}") << false << "\"docNumber\"";
        QByteArray huge = "{\"notes\":\"";
        huge += QByteArray(16 * 1024 * 1024, 'x') + "\"}";
        QTest::newRow("document over 16 MiB") << "calc" << huge << false << "larger than 16 MiB";
        QTest::newRow("rtf over 16 MiB") << "rtf2html" << "{\\rtf1 " + QByteArray(16 * 1024 * 1024, 'x') + "}"
                                         << false << "larger than 16 MiB";
    }

    void badInputRefused()
    {
        QFETCH(QString, command);
        QFETCH(QByteArray, content);
        QFETCH(bool, multiLine);
        QFETCH(QString, message);
        Cli cli;
        if (multiLine)
            SettingsStore(cli.home.filePath(QStringLiteral("config/Tallywick/Tallywick.conf")))
                .save(SettingsStore::MultiLine, QStringLiteral("1"));
        const QString file = writeFile(cli.home.filePath(QStringLiteral("input")), content);
        const CliRun run = cli(QStringLiteral("--yes ") + command, file);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.errText().contains(message), run.err.constData());
        QVERIFY(run.out.isEmpty());
        if (command == QLatin1String("save"))
            QCOMPARE(cli.firstListLine(), QStringLiteral("0 files"));
    }

    // The limits' other side: what the window allows goes through.
    void rowLimitsOfTheWindowAccepted()
    {
        Cli cli;
        const QByteArray rows65 = emptyRows("\"docNumber\":\"R-65\",\"pageRows\":\"100\"", 65);
        const CliRun saved = cli(QStringLiteral("save"), writeFile(cli.home.filePath(QStringLiteral("a.json")), rows65));
        QVERIFY2(saved.exitCode == 0, saved.err.constData());
        const CliRun shown = cli(QStringLiteral("show R-65"));
        QCOMPARE(QJsonDocument::fromJson(shown.out).object().value(QStringLiteral("rows")).toArray().size(), 65);
    }

    void purgeAndCompact()
    {
        Cli cli;
        QCOMPARE(cli(QStringLiteral("save"), cli.writeDocument()).exitCode, 0);
        QCOMPARE(cli(QStringLiteral("purge 2026-12-04 2026-12-04")).exitCode, 2);
        QCOMPARE(cli.firstListLine(), QStringLiteral("1 files"));
        QCOMPARE(cli(QStringLiteral("--yes purge 2026-12-04 2026-12-04")).exitCode, 0);
        QCOMPARE(cli.firstListLine(), QStringLiteral("0 files"));
        const CliRun compacted = cli(QStringLiteral("compact"));
        QCOMPARE(compacted.exitCode, 0);
        QVERIFY(compacted.errText().contains(QStringLiteral(" has been successfully compacted.")));
    }

    // Into the program's own database, then refused whole when the documents are there already.
    void importLegacyThenRefuseToDuplicate()
    {
        if (!JetFile::isSupported())
            QSKIP("built without the reader of old database files");
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

    void importLegacyOfBadInput_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("text file") << QByteArray("not a database\n");
        QTest::newRow("cut short") << QByteArray("\0\1\0\0Standard Jet DB\0\1", 21);
    }

    void importLegacyOfBadInput()
    {
        QFETCH(QByteArray, content);
        if (!JetFile::isSupported())
            QSKIP("built without the reader of old database files");
        QTemporaryDir home;
        const QString source = writeFile(home.filePath(QStringLiteral("bad.mdb")), content);
        const QString db = home.filePath(QStringLiteral("target.mdb"));
        const CliRun run = runCli({QStringLiteral("--db"), db, QStringLiteral("import-legacy"), source}, home.path());
        QCOMPARE(run.exitCode, 3);
        QVERIFY(run.errText().contains(source));
        QVERIFY2(!QFileInfo::exists(db), "a database made for the import is removed again");
    }
};

TW_TEST_MAIN(TestCliDocuments)
#include "tst_CliDocuments.moc"
