#include "CliRunner.h"

#include "html/RichTextToHtml.h"
#include "richtext/ImageTag.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

using namespace TestSupport;

CliRun run(const QStringList& arguments, const QByteArray& input = {})
{
    QTemporaryDir home;
    return runCli(arguments, home.path(), input);
}

} // namespace

class TestCliBasics : public QObject
{
    Q_OBJECT

private slots:
    void helpAndVersion()
    {
        const CliRun help = run({QStringLiteral("--help")});
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.out.contains("--locale NAME"));
        const CliRun version = run({QStringLiteral("--version")});
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
        QTest::newRow("journal of one date") << "journal 2026-01-01";
        QTest::newRow("journal of no date") << "journal 1.1.2026 2026-12-31";
        QTest::newRow("journal type without value") << "journal 2026-01-01 2026-12-31 --type";
        QTest::newRow("next-number without type") << "next-number";
        QTest::newRow("customers with argument") << "customers x";
    }

    void usageErrors()
    {
        QFETCH(QString, arguments);
        const CliRun refused = run(arguments.split(QLatin1Char(' '), Qt::SkipEmptyParts));
        QCOMPARE(refused.exitCode, 1);
        QVERIFY(refused.out.isEmpty());
    }

    // A new database answers with its default company; a damaged one is refused and left as it was.
    void companyCommand()
    {
        const CliRun company = run({QStringLiteral("company")});
        QCOMPARE(company.exitCode, 0);
        const QJsonObject json = QJsonDocument::fromJson(company.out).object();
        QCOMPARE(json.value(QStringLiteral("name")).toString(), QStringLiteral("Your Company Name"));
        QCOMPARE(json.value(QStringLiteral("taxName")).toString(), QStringLiteral("Tax"));
        QVERIFY(json.contains(QStringLiteral("currencySymbol")));

        QTemporaryDir home;
        const QString path = writeFile(home.filePath(QStringLiteral("broken.mdb")), "this is no database at all");
        const CliRun damaged = runCli({QStringLiteral("--db"), path, QStringLiteral("company")}, home.path());
        QCOMPARE(damaged.exitCode, 3);
        QVERIFY(damaged.err.contains("The database is either missing or locked by another program."));
        QCOMPARE(readFile(path), QByteArray("this is no database at all"));
    }

    void rtf2htmlFromFileAndStandardInput()
    {
        const QString path = testData(QStringLiteral("rtf/bullets.rtf"));
        const QByteArray rtf = readFile(path);
        QVERIFY(!rtf.isEmpty());
        const QByteArray expected = RichTextToHtml::convert(QString::fromLatin1(rtf)).toUtf8();
        const CliRun fromFile = run({QStringLiteral("rtf2html"), path});
        QCOMPARE(fromFile.exitCode, 0);
        QCOMPARE(fromFile.out, expected);
        QCOMPARE(run({QStringLiteral("rtf2html")}, rtf).out, expected);
        QVERIFY(run({QStringLiteral("rtf2html")}, "caf\xc3\xa9 <b>").out.contains("caf\xc3\xa9 <b>  </SPAN>"));
        QCOMPARE(run({QStringLiteral("rtf2html"), QStringLiteral("/nonexistent.rtf")}).exitCode, 3);
    }

    void jpegSizeAndImageTag()
    {
        QTemporaryDir dir;
        const QString jpeg = writeFile(dir.filePath(QStringLiteral("a.jpg")),
                                       QByteArray("\xFF\xD8\xFF\xC0\x00\x11\x08\x02\x58\x03\x20", 11) + QByteArray(10, 'x'));
        const CliRun size = run({QStringLiteral("jpeg-size"), jpeg});
        QCOMPARE(size.exitCode, 0);
        QCOMPARE(size.out, QByteArray("800 600\n"));
        const CliRun tag = run({QStringLiteral("image-tag"), jpeg});
        QCOMPARE(tag.exitCode, 0);
        QCOMPARE(QString::fromUtf8(tag.out), ImageTag::text(jpeg, 150) + QLatin1Char('\n'));

        const QString png = writeFile(dir.filePath(QStringLiteral("b.jpg")), "\x89PNG\r\n\x1a\n");
        QCOMPARE(run({QStringLiteral("jpeg-size"), png}).out, QByteArray("0 0\n"));
        QCOMPARE(run({QStringLiteral("image-tag"), png}).exitCode, 2);
    }
};

TW_TEST_MAIN(TestCliBasics)
#include "tst_CliBasics.moc"
