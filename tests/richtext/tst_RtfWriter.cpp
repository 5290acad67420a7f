#include "TestSupport.h"

#include "richtext/BoxFormats.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"
#include "richtext/widgets/RichTextBox.h"

#include <QDir>

Q_DECLARE_METATYPE(RichText)

namespace {

RichCharFormat base()
{
    return BoxFormats::description();
}

RichCharFormat changed(void (*change)(RichCharFormat&))
{
    RichCharFormat format = base();
    change(format);
    return format;
}

} // namespace

class TestRtfWriter : public QObject
{
    Q_OBJECT

private slots:
    void writesWhatTheWindowsControlWrites()
    {
        const RichText text = RichText::fromPlainText(QStringLiteral("hello"), base());
        QCOMPARE(RtfWriter::write(text),
                 QStringLiteral("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}\r\n"
                                "\\viewkind4\\uc1\\pard \\b\\f0\\fs22 hello\\par\r\n}\r\n"));
    }

    void roundTrip_data()
    {
        QTest::addColumn<RichText>("text");
        QTest::newRow("empty") << RichText(base());
        QTest::newRow("plain lines") << RichText::fromPlainText(QStringLiteral("a\r\n\r\nb\r\n"), base());
        QTest::newRow("escapes") << RichText::fromPlainText(QStringLiteral("{x} \\ y\ttab\u2028soft"), base());
        QTest::newRow("code page and beyond")
            << RichText::fromPlainText(QStringLiteral("caf\u00e9 \u20ac \u0416 \u65e5 \U0001F600 \u00ff"), base());

        RichText runs(base());
        runs.appendText(QStringLiteral("b "), base());
        runs.appendText(QStringLiteral("italic "), changed([](RichCharFormat& f) { f.bold = false; f.italic = true; }));
        runs.appendText(QStringLiteral("under "), changed([](RichCharFormat& f) { f.underline = true; }));
        runs.appendText(QStringLiteral("strike "), changed([](RichCharFormat& f) { f.strike = true; }));
        runs.appendText(QStringLiteral("red "), changed([](RichCharFormat& f) { f.color = qRgb(255, 0, 0); }));
        runs.appendText(QStringLiteral("marked "), changed([](RichCharFormat& f) { f.background = qRgb(255, 255, 0); }));
        runs.appendText(QStringLiteral("both "), changed([](RichCharFormat& f) {
                            f.color = qRgb(255, 255, 0); f.background = qRgb(1, 2, 3); }));
        runs.appendText(QStringLiteral("big "), changed([](RichCharFormat& f) { f.halfPoints = 48; }));
        runs.appendText(QStringLiteral("half "), changed([](RichCharFormat& f) { f.halfPoints = 21; }));
        runs.appendText(QStringLiteral("font;{x}"), changed([](RichCharFormat& f) { f.fontName = QStringLiteral(" Odd; {Font}\t\u0090\u65e5 "); }));
        QTest::newRow("character formats") << runs;

        RichText paragraphs(base());
        paragraphs.setParagraphFormat({RichParagraphFormat::Right, 0, 0, false});
        paragraphs.appendText(QStringLiteral("right"), base());
        paragraphs.endParagraph(changed([](RichCharFormat& f) { f.italic = true; }));
        paragraphs.setParagraphFormat({RichParagraphFormat::Center, 1000, 0, true});
        paragraphs.appendText(QStringLiteral("centred bullet"), base());
        paragraphs.endParagraph(base());
        paragraphs.appendText(QStringLiteral("same again"), base());
        paragraphs.endParagraph(base());
        paragraphs.setParagraphFormat({RichParagraphFormat::Left, 500, 360, true});
        paragraphs.endParagraph(changed([](RichCharFormat& f) { f.halfPoints = 12; }));
        paragraphs.setParagraphFormat({RichParagraphFormat::Left, -200, 0, false});
        paragraphs.appendText(QStringLiteral("outdented"), base());
        QTest::newRow("paragraph formats and marks") << paragraphs;

        RichText bulletOnly(base());
        bulletOnly.appendText(QStringLiteral("a"), base());
        bulletOnly.endParagraph(base());
        bulletOnly.setParagraphFormat({RichParagraphFormat::Left, 0, 0, true});
        bulletOnly.appendText(QStringLiteral(" starts with a blank"), base());
        QTest::newRow("bullet then blank") << bulletOnly;
    }

    void roundTrip()
    {
        QFETCH(RichText, text);
        const QString rtf = RtfWriter::write(text);
        const RichText back = RtfReader::read(rtf);
        QCOMPARE(back.plainText(), text.plainText());
        QVERIFY2(back == text, qPrintable(rtf));
        QCOMPARE(RtfWriter::write(back), rtf);
    }

    void windowsFilesSurviveRewriting_data()
    {
        QTest::addColumn<QString>("file");
        const QDir dir(TestSupport::testData(QStringLiteral("rtf")));
        for (const QString& name : dir.entryList({QStringLiteral("*.rtf")}))
            QTest::newRow(qPrintable(name)) << dir.filePath(name);
    }

    // By the reader and the writer alone, and through a box.
    void windowsFilesSurviveRewriting()
    {
        QFETCH(QString, file);
        const QString rtf = QString::fromLatin1(TestSupport::readFile(file));
        QVERIFY(!rtf.isEmpty());
        const RichText first = RtfReader::read(rtf);
        QVERIFY(first == RtfReader::read(RtfWriter::write(first)));

        RichTextBox box;
        box.setTextRtf(rtf);
        const QString once = box.textRtf();
        RichTextBox second;
        second.setTextRtf(once);
        QCOMPARE(second.textRtf(), once);
        QVERIFY(second.richText() == box.richText());
        QCOMPARE(box.richText().plainText(), RtfReader::read(once).plainText());
    }
};

TW_TEST_MAIN(TestRtfWriter)
#include "tst_RtfWriter.moc"
