#include "TestSupport.h"

#include "richtext/RtfCodePage.h"
#include "richtext/RtfReader.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>

namespace {

RichText readFile(const QString& name)
{
    const QByteArray rtf = TestSupport::readFile(TestSupport::testData(QStringLiteral("rtf/") + name));
    return RtfReader::read(QString::fromLatin1(rtf));
}

const RichRun* runWith(const RichText& text, const QString& piece)
{
    for (const RichParagraph& paragraph : text.paragraphs()) {
        for (const RichRun& run : paragraph.runs) {
            if (run.text.contains(piece))
                return &run;
        }
    }
    return nullptr;
}

// A run's format in short: "Arial 22 b i u s fg:ff0000 bg:ffff00", flags and colours only where set.
QString described(const RichCharFormat& f)
{
    QString text = f.fontName + QLatin1Char(' ') + QString::number(f.halfPoints);
    for (const auto& [set, flag] : {std::pair{f.bold, 'b'}, std::pair{f.italic, 'i'}, std::pair{f.underline, 'u'},
                                    std::pair{f.strike, 's'}})
        text += set ? QStringLiteral(" ") + QLatin1Char(flag) : QString();
    for (const auto& [name, rgb] : {std::pair{"fg", f.color}, std::pair{"bg", f.background}})
        text += rgb ? QStringLiteral(" %1:%2").arg(QLatin1String(name)).arg(*rgb & 0xffffff, 6, 16, QLatin1Char('0')) : QString();
    return text;
}

// Each paragraph as alignment letter, indent and '*' for a bullet: "L0 C500*".
QString paragraphLayout(const RichText& text)
{
    QStringList parts;
    for (const RichParagraph& paragraph : text.paragraphs()) {
        const QChar alignment = QLatin1String("LRC").at(paragraph.format.alignment);
        parts << alignment + QString::number(paragraph.format.indent) + (paragraph.format.bullet ? QStringLiteral("*") : QString());
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace

class TestRtfReader : public QObject
{
    Q_OBJECT

private slots:
    // Bullets as the Windows control writes them pull their text back by a hanging indent; a paragraph
    // mark takes the character format in force at its \par, or at the end for a last one without.
    void hangingIndentAndParagraphMarks()
    {
        const RichText bullets = readFile(QStringLiteral("bullets.rtf"));
        QCOMPARE(bullets.paragraphs()[1].format.hanging, 200);
        QVERIFY(!bullets.paragraphs()[0].mark.bold);  // \b0 came before the \par
        QVERIFY(readFile(QStringLiteral("last-paragraph-without-par-keeps-format.rtf")).paragraphs().last().mark.bold);
    }

    // The format of the run holding a piece of text, as the file sets it.
    void runFormats_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("piece");
        QTest::addColumn<QString>("format");
        QTest::newRow("red") << "bullets.rtf" << "red" << "Arial 22 b fg:ff0000";
        QTest::newRow("highlighted") << "bullets.rtf" << "marked" << "Arial 22 b bg:ffff00";
        QTest::newRow("italic after bold off") << "bullets.rtf" << "centred" << "Arial 22 i";
        QTest::newRow("plain") << "highlights.rtf" << "plain" << "Arial 20";
        QTest::newRow("highlight") << "highlights.rtf" << "green" << "Arial 20 bg:00ff00";
        QTest::newRow("cell background") << "highlights.rtf" << "blue" << "Arial 20 bg:0000ff";
        QTest::newRow("underline") << "highlights.rtf" << "under" << "Times New Roman 24 u";
        QTest::newRow("strikeout") << "highlights.rtf" << "gone" << "Times New Roman 24 s";
        QTest::newRow("last paragraph") << "last-paragraph-without-par-keeps-format.rtf" << "centred" << "Arial 24 b";
    }

    void runFormats()
    {
        QFETCH(QString, file);
        QFETCH(QString, piece);
        QFETCH(QString, format);
        const RichText text = readFile(file);
        const RichRun* run = runWith(text, piece);
        QVERIFY(run);
        QCOMPARE(described(run->format), format);
    }

    // RTF as other programs write it: code pages per font, tables, numbered lists, loose ends.
    void writtenElsewhere_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("layout");
        // The third bullet carries over: no \pard between.
        QTest::newRow("bullets") << QStringLiteral("bullets.rtf")
            << QStringLiteral("Oak table red caf\u00e9 marked\r\nlegs: 4\r\ntop: 2 m\r\ncentred italic")
            << QStringLiteral("L0 L0* L0* C0");
        QTest::newRow("accents, code pages and Unicode") << QStringLiteral("accents.rtf")
            << QStringLiteral("caf\u00e9 cr\u00e8me \u20ac \u2013\tna\u00efve\u2028x\r\n"
                              "\u041f\u0440\u0438\u0432\u0435\u0442\r\n\u65e5\u672c") << QStringLiteral("R0 L0 L0");
        QTest::newRow("highlights and character flags") << QStringLiteral("highlights.rtf")
            << QStringLiteral("plain green and blue back end\r\nunder gone") << QStringLiteral("L0 L500");
        QTest::newRow("latin font in a Japanese document") << QStringLiteral("latin-font-in-cjk-document.rtf")
            << QStringLiteral("M\u00e4rz \u00a9 \u201cquoted\u201d \u3042") << QStringLiteral("L0");
        QTest::newRow("each font charset its code page") << QStringLiteral("font-charsets-pick-code-pages.rtf")
            << QStringLiteral("\u03b1\u041f\u0105\u00e4\u0131\u05d0\u0627\u0105\u0e01\u0102\uac00\u4f60\u4e00\u3042\u00e4")
            << QStringLiteral("L0");
        QTest::newRow("undecodable bytes") << QStringLiteral("undecodable-bytes-become-replacement.rtf")
            << QStringLiteral("a\ufffd b\ufffdc\ufffd") << QStringLiteral("L0");
        QTest::newRow("font without charset") << QStringLiteral("font-without-charset-uses-document-code-page.rtf")
            << QStringLiteral("\u041f\u0440\u0438 \u0430") << QStringLiteral("L0");
        QTest::newRow("table cells and rows") << QStringLiteral("table-cells-and-rows.rtf")
            << QStringLiteral("cell 1\tcell 2\t\r\n3\t4\t\r\nafter") << QStringLiteral("L0 L0 L0");
        QTest::newRow("numbered list") << QStringLiteral("numbered-list-keeps-its-numbers.rtf")
            << QStringLiteral("1.\tFirst\r\n2.\tSecond\r\na)\tThird\r\nDot\r\nplain") << QStringLiteral("L0 L0 L0 L0* L0");
        QTest::newRow("list override") << QStringLiteral("list-override-numbers-and-bullets.rtf")
            << QStringLiteral("1.\tone\r\n2.\ttwo\r\ndot\r\ncircle") << QStringLiteral("L0 L0 L0* L0*");
        QTest::newRow("text after the final brace") << QStringLiteral("text-after-final-brace-ignored.rtf")
            << QStringLiteral("inside") << QStringLiteral("L0");
        QTest::newRow("last paragraph without par") << QStringLiteral("last-paragraph-without-par-keeps-format.rtf")
            << QStringLiteral("first\r\ncentred text") << QStringLiteral("L0 C500*");
        QTest::newRow("em, en and quarter spaces") << QStringLiteral("em-en-quarter-spaces.rtf")
            << QStringLiteral("a b c d") << QStringLiteral("L0");
        QTest::newRow("UTF-8 document") << QStringLiteral("utf8-code-page.rtf")
            << QStringLiteral("Gr\u00fc\u00dfe \u20ac \u00e4") << QStringLiteral("L0");
        QTest::newRow("UTF-8 font") << QStringLiteral("font-utf8-code-page.rtf")
            << QStringLiteral("\u2013 \u2013") << QStringLiteral("L0");
    }

    void writtenElsewhere()
    {
        QFETCH(QString, file);
        QFETCH(QString, text);
        QFETCH(QString, layout);
        const RichText rich = readFile(file);
        QCOMPARE(rich.plainText(), text);
        QCOMPARE(paragraphLayout(rich), layout);
    }

    void plainTextContent()
    {
        RichCharFormat format;
        format.fontName = QStringLiteral("Arial");
        format.bold = true;
        const RichText text = RtfReader::readContent(QStringLiteral("a {b}\r\nc\nd"), format);
        QCOMPARE(text.plainText(), QStringLiteral("a {b}\r\nc\r\nd"));
        QCOMPARE(text.paragraphs()[0].runs[0].format, format);
        QVERIFY(RtfReader::isRtf(QStringLiteral("{\\rtf1 x}")));
        QVERIFY(!RtfReader::isRtf(QStringLiteral(" {\\rtf1 x}")));
    }

    void damagedInput_data()
    {
        QTest::addColumn<QString>("rtf");
        QTest::addColumn<QString>("text");
        QTest::newRow("missing closing braces") << QStringLiteral("{\\rtf1{\\b bold {\\i both") << QStringLiteral("bold both");
        QTest::newRow("extra closing braces") << QStringLiteral("{\\rtf1 a}}}} b}") << QStringLiteral("a");
        QTest::newRow("huge numbers") << QStringLiteral("{\\rtf1\\fs99999999999999999999\\li-99999999999999\\cf77777777777\\u99999999999?a\\uc999999 b}")
                                      << QStringLiteral("ab");
        QTest::newRow("bad hex") << QStringLiteral("{\\rtf1 a\\'zz b\\'4 c\\'}") << QStringLiteral("azz b c");
        QTest::newRow("backslash at end") << QStringLiteral("{\\rtf1 a\\") << QStringLiteral("a");
        QTest::newRow("bin beyond the end") << QStringLiteral("{\\rtf1 a\\bin999999 xyz}") << QStringLiteral("a");
        QTest::newRow("bin skips its bytes") << QStringLiteral("{\\rtf1 a\\bin3 {}\\b}") << QStringLiteral("ab");
        QTest::newRow("endless control word") << QStringLiteral("{\\rtf1 \\") + QString(100000, QLatin1Char('a')) + QStringLiteral(" b}")
                                              << QStringLiteral("b");
        QTest::newRow("unknown ignorable destination") << QStringLiteral("{\\rtf1 a{\\*\\zzz hidden{\\b deep}}b}") << QStringLiteral("ab");
        QTest::newRow("control characters") << QStringLiteral("{\\rtf1 a\u0000\u0001b\u0007c}") << QStringLiteral("abc");
        QTest::newRow("font table without semicolons") << QStringLiteral("{\\rtf1{\\fonttbl{\\f0 Arial}}\\f0 x}") << QStringLiteral("x");
        QTest::newRow("colour index out of range") << QStringLiteral("{\\rtf1\\cf9\\highlight-3 x}") << QStringLiteral("x");
    }

    void damagedInput()
    {
        QFETCH(QString, rtf);
        QFETCH(QString, text);
        QCOMPARE(RtfReader::read(rtf).plainText(), text);
    }

    // Bytes read as they are give what the same bytes decoded as Windows-1252 first give.
    void bytesReadAsDecoded_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        const QDir fixtures(TestSupport::testData(QStringLiteral("rtf")));
        for (const QString& name : fixtures.entryList({QStringLiteral("*.rtf")}, QDir::Files))
            QTest::newRow(qPrintable(name)) << TestSupport::readFile(fixtures.filePath(name));
        QTest::newRow("8-bit bytes in text") << QByteArray("{\\rtf1 caf\xe9 \x80\x81\x9f\xff\\'e9}");
        QTest::newRow("8-bit bytes in a control word") << QByteArray("{\\rtf1\\b\xe9" " x\\fs\x80" "20 y}");
        QRandomGenerator random(20261207);
        QByteArray junk("{\\rtf1 ");
        for (int i = 0; i < 4096; ++i)
            junk += char(random.bounded(256));
        QTest::newRow("junk") << junk;
    }

    void bytesReadAsDecoded()
    {
        QFETCH(QByteArray, rtf);
        QCOMPARE(RtfReader::read1252(rtf), RtfReader::read(RtfCodePage::decode(rtf, 1252)));
    }

    void deepNestingKeepsTheText()
    {
        const int depth = 200000;
        const QString rtf = QStringLiteral("{\\rtf1 a") + QString(depth, QLatin1Char('{')) + QStringLiteral("\\b x")
                            + QString(depth, QLatin1Char('}')) + QStringLiteral(" b}");
        QElapsedTimer timer;
        timer.start();
        const RichText text = RtfReader::read(rtf);
        QVERIFY(timer.elapsed() < 5000);
        QCOMPARE(text.plainText(), QStringLiteral("ax b"));
        QVERIFY(!text.paragraphs()[0].runs.last().format.bold);
    }

    void binaryJunkNeverHangs()
    {
        QRandomGenerator random(20260101);
        for (int round = 0; round < 200; ++round) {
            QByteArray junk(4096, Qt::Uninitialized);
            for (char& byte : junk)
                byte = static_cast<char>(random.bounded(256));
            const RichText text = RtfReader::read(QStringLiteral("{\\rtf1 ") + QString::fromLatin1(junk));
            QVERIFY(text.paragraphs().size() >= 1);
        }
    }
};

TW_TEST_MAIN(TestRtfReader)
#include "tst_RtfReader.moc"
