#include "CliRunner.h"

#include <QJsonDocument>
#include <QJsonArray>
#include <QJsonObject>

namespace {

using namespace TestSupport;

// Runs the command line in English formats, in one home folder for all its runs.
struct Cli
{
    CliRun operator()(const QStringList& arguments) const
    {
        return runCli(QStringList{QStringLiteral("--locale"), QStringLiteral("en_US")} + arguments, home.path());
    }

    QString writeDocument(const QString& name, const QByteArray& json) const
    {
        return writeFile(home.filePath(name), json);
    }

    QTemporaryDir home;
};

const QByteArray kDocument =
    "{\"docType\":\"Invoice\",\"docNumber\":\" INV-7 \",\"docDate\":\"2026-12-04\","
    "\"billTo\":{\"term\":\"To:\",\"name\":\"O'Brien\",\"address\":\"1 Quay St\\r\\nCork\"},"
    "\"rows\":[{\"productId\":\"A-1\",\"description\":\"{\\\\rtf1 a | # }\",\"qty\":\"2\","
    "\"price\":\"1,250.00\",\"discount\":\"0\",\"amount\":\"2,500.00\"},{}]}";

} // namespace

class TestCliDocuments : public QObject
{
    Q_OBJECT

private slots:
    void saveListShowDelete()
    {
        Cli cli;
        const QString doc = cli.writeDocument(QStringLiteral("doc.json"), kDocument);
        const CliRun saved = cli({QStringLiteral("save"), doc});
        QCOMPARE(saved.exitCode, 0);
        QVERIFY(saved.errText().contains(QStringLiteral("Values updated and new document successfully saved.")));

        const CliRun again = cli({QStringLiteral("save"), doc});  // nothing open on the command line: asked, refused
        QCOMPARE(again.exitCode, 2);
        QVERIFY(again.errText().contains(QStringLiteral("has been used by a previous document")));

        const CliRun list = cli({QStringLiteral("list"), QStringLiteral("--order"), QStringLiteral("cus")});
        QCOMPARE(list.exitCode, 0);
        const QStringList lines = list.outText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines.first(), QStringLiteral("1 files"));
        QVERIFY(lines.last().startsWith(QStringLiteral("INV-7 ")));
        QVERIFY(lines.last().endsWith(QStringLiteral("O'Brien              1 Quay St")));

        const CliRun shown = cli({QStringLiteral("show"), QStringLiteral("INV-7")});
        QCOMPARE(shown.exitCode, 0);
        const QJsonObject json = QJsonDocument::fromJson(shown.out).object();
        QCOMPARE(json.value(QStringLiteral("docNumber")).toString(), QStringLiteral("INV-7"));
        QCOMPARE(json.value(QStringLiteral("rows")).toArray().size(), 2);

        QCOMPARE(cli({QStringLiteral("delete"), QStringLiteral("INV-7")}).exitCode, 2);
        QCOMPARE(cli({QStringLiteral("--yes"), QStringLiteral("delete"), QStringLiteral("INV-7")}).exitCode, 0);
        const CliRun missing = cli({QStringLiteral("show"), QStringLiteral("INV-7")});
        QCOMPARE(missing.exitCode, 2);
        QVERIFY(missing.errText().contains(QStringLiteral("There is no record of this document number.")));
    }

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("save without file") << QStringList{QStringLiteral("save")};
        QTest::newRow("unknown order") << QStringList{QStringLiteral("list"), QStringLiteral("--order"), QStringLiteral("size")};
        QTest::newRow("purge bad date") << QStringList{QStringLiteral("purge"), QStringLiteral("4-Dec-2026"), QStringLiteral("2026-12-05")};
        QTest::newRow("compact with argument") << QStringList{QStringLiteral("compact"), QStringLiteral("now")};
    }

    void usageErrors()
    {
        QFETCH(QStringList, arguments);
        QCOMPARE(Cli()(arguments).exitCode, 1);
    }

    void purgeAndCompact()
    {
        Cli cli;
        QCOMPARE(cli({QStringLiteral("save"), cli.writeDocument(QStringLiteral("d.json"), kDocument)}).exitCode, 0);
        QCOMPARE(cli({QStringLiteral("purge"), QStringLiteral("2026-12-04"), QStringLiteral("2026-12-04")}).exitCode, 2);
        QCOMPARE(cli({QStringLiteral("list")}).outText().split(QLatin1Char('\n')).first(), QStringLiteral("1 files"));
        QCOMPARE(cli({QStringLiteral("--yes"), QStringLiteral("purge"), QStringLiteral("2026-12-04"), QStringLiteral("2026-12-04")}).exitCode, 0);
        QCOMPARE(cli({QStringLiteral("list")}).outText().split(QLatin1Char('\n')).first(), QStringLiteral("0 files"));
        const CliRun compacted = cli({QStringLiteral("compact")});
        QCOMPARE(compacted.exitCode, 0);
        QVERIFY(compacted.errText().contains(QStringLiteral(" has been successfully compacted.")));
    }
};

TW_TEST_MAIN(TestCliDocuments)
#include "tst_CliDocuments.moc"
