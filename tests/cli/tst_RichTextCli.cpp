#include "CliRunner.h"

#include "html/RichTextToHtml.h"
#include "richtext/ImageTag.h"

namespace {

using namespace TestSupport;

CliRun run(const QStringList& arguments, const QByteArray& input = {})
{
    QTemporaryDir home;
    return runCli(arguments, home.path(), input);
}

} // namespace

class TestRichTextCli : public QObject
{
    Q_OBJECT

private slots:
    void rtf2htmlFromFileAndStandardInput()
    {
        const QString path = TestSupport::testData(QStringLiteral("rtf/bullets.rtf"));
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

TW_TEST_MAIN(TestRichTextCli)
#include "tst_RichTextCli.moc"
