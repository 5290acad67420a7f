#include "TestSupport.h"

#include "html/RichTextToHtml.h"
#include "richtext/ImageTag.h"

#include <QProcess>

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
};

Run runCli(const QStringList& arguments, const QByteArray& input = {})
{
    QTemporaryDir home;
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.path() + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/config"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TW_CLI_PATH), arguments);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    return {process.exitCode(), process.readAllStandardOutput()};
}

QString writeJpeg(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

} // namespace

class TestRichTextCli : public QObject
{
    Q_OBJECT

private slots:
    void rtf2htmlFromFileAndStandardInput()
    {
        const QString path = TestSupport::testData(QStringLiteral("rtf/bullets.rtf"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray rtf = file.readAll();
        const QByteArray expected = RichTextToHtml::convert(QString::fromLatin1(rtf)).toUtf8();
        const Run fromFile = runCli({QStringLiteral("rtf2html"), path});
        QCOMPARE(fromFile.exitCode, 0);
        QCOMPARE(fromFile.out, expected);
        QCOMPARE(runCli({QStringLiteral("rtf2html")}, rtf).out, expected);
        const Run plain = runCli({QStringLiteral("rtf2html")}, "caf\xc3\xa9 <b>");
        QVERIFY(plain.out.contains("caf\xc3\xa9 <b>  </SPAN>"));
        QCOMPARE(runCli({QStringLiteral("rtf2html"), QStringLiteral("/nonexistent.rtf")}).exitCode, 3);
    }

    void jpegSizeAndImageTag()
    {
        QTemporaryDir dir;
        const QString jpeg = writeJpeg(dir, QStringLiteral("a.jpg"),
                                       QByteArray("\xFF\xD8\xFF\xC0\x00\x11\x08\x02\x58\x03\x20", 11) + QByteArray(10, 'x'));
        const Run size = runCli({QStringLiteral("jpeg-size"), jpeg});
        QCOMPARE(size.exitCode, 0);
        QCOMPARE(size.out, QByteArray("800 600\n"));
        const Run tag = runCli({QStringLiteral("image-tag"), jpeg});
        QCOMPARE(tag.exitCode, 0);
        QCOMPARE(QString::fromUtf8(tag.out), ImageTag::text(jpeg, 150) + QLatin1Char('\n'));

        const QString png = writeJpeg(dir, QStringLiteral("b.jpg"), "\x89PNG\r\n\x1a\n");
        QCOMPARE(runCli({QStringLiteral("jpeg-size"), png}).out, QByteArray("0 0\n"));
        QCOMPARE(runCli({QStringLiteral("image-tag"), png}).exitCode, 2);
        QCOMPARE(runCli({QStringLiteral("jpeg-size")}).exitCode, 1);
    }
};

TW_TEST_MAIN(TestRichTextCli)
#include "tst_RichTextCli.moc"
