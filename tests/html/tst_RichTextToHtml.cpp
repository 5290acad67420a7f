#include "TestSupport.h"

#include "html/RichTextToHtml.h"

namespace {

RichCharFormat arial10(void (*change)(RichCharFormat&) = nullptr)
{
    RichCharFormat format;
    format.fontName = QStringLiteral("Arial");
    format.halfPoints = 20;
    if (change)
        change(format);
    return format;
}

QString span(const char* size = "7", const char* colour = "000000")
{
    return QStringLiteral("<span style='font-family: Arial; font-size: %1pt; color: #%2;'>")
        .arg(QLatin1String(size), QLatin1String(colour));
}

const QString kLeft = QStringLiteral("<P style='margin-top: 0px; margin-bottom: 0px;' Align='left'>");
const QString kEnd = QStringLiteral("  </SPAN>");

// Builds a box paragraph by paragraph: text pieces with their formats.
class Box
{
public:
    Box& text(const char* piece, const RichCharFormat& format = arial10())
    {
        m_rich.appendText(QString::fromUtf8(piece), format);
        return *this;
    }
    Box& paragraph(const RichParagraphFormat& format)
    {
        m_rich.setParagraphFormat(format);
        return *this;
    }
    Box& indent(int twips) { return paragraph({RichParagraphFormat::Left, twips, 0, false}); }
    Box& next()
    {
        m_rich.endParagraph(arial10());
        return *this;
    }
    operator RichText() const { return m_rich; }

private:
    RichText m_rich{arial10()};
};

} // namespace

Q_DECLARE_METATYPE(RichText)

class TestRichTextToHtml : public QObject
{
    Q_OBJECT

private slots:
    void boxes_data()
    {
        QTest::addColumn<RichText>("box");
        QTest::addColumn<QString>("html");
        const QString start = span() + kLeft + QStringLiteral("</Font>");
        const QString quote = QStringLiteral("<blockquote style=\"margin-left:%1px;margin-right:0\">");
        const QString para = QStringLiteral("<P style='margin-top: 0px; margin-bottom: 0px;' Align='%1'>");
        const RichParagraphFormat bullet{RichParagraphFormat::Left, 0, 0, true};

        QTest::newRow("empty box") << RichText(Box()) << start + kEnd;
        QTest::newRow("red word")
            << RichText(Box().text("a ").text("red", arial10([](RichCharFormat& f) { f.color = qRgb(255, 0, 0); }))
                            .text(" b"))
            << start + QStringLiteral("a </span>") + span("7", "FF0000") + QStringLiteral("red</span>") + span() +
                   QStringLiteral(" b") + kEnd;
        QTest::newRow("bold word")
            << RichText(Box().text("a ").text("big", arial10([](RichCharFormat& f) { f.bold = true; })).text(" c"))
            << start + QStringLiteral("a <B>big</B> c") + kEnd;
        QTest::newRow("10.5 pt") << RichText(Box().text("x", arial10([](RichCharFormat& f) { f.halfPoints = 21; })))
                                 << span("7.5") + kLeft + QStringLiteral("</Font>x") + kEnd;
        QTest::newRow("bulleted lines then plain")
            << RichText(Box().paragraph(bullet).text("x").next().text("y").next().paragraph({}).text("z"))
            << span() + kLeft + QStringLiteral("<UL><LI></Font>x<BR><LI>y</UL>z") + kEnd;
        QTest::newRow("typed bullet") << RichText(Box().text("\u2022\tItem").next().text("plain"))
                                      << start + QStringLiteral("<UL><LI>Item</UL>plain") + kEnd;
        QTest::newRow("typed middle dot") << RichText(Box().text("\u00b7\ta"))
                                          << start + QStringLiteral("<UL><LI>a") + kEnd;
        QTest::newRow("indent 500 then none")
            << RichText(Box().indent(500).text("a").next().paragraph({}).text("b"))
            << span() + kLeft + quote.arg(33) + QStringLiteral("</Font>a</blockquote>b") + kEnd;
        QTest::newRow("indent halves to even")
            << RichText(Box().indent(1500).text("a"))
            << span() + kLeft + quote.arg(99) + QStringLiteral("</Font>a") + kEnd;
        QTest::newRow("indent twice")
            << RichText(Box().indent(500).text("a").next().indent(1000).text("b"))
            << span() + kLeft + quote.arg(33) + QStringLiteral("</Font>a</blockquote>") + quote.arg(66) +
                   QStringLiteral("b") + kEnd;
        QTest::newRow("white is no highlight")
            << RichText(Box().text("a", arial10([](RichCharFormat& f) { f.background = qRgb(255, 255, 255); })))
            << start + QStringLiteral("a") + kEnd;
        QTest::newRow("unescaped") << RichText(Box().text("a < b & c"))
                                   << start + QStringLiteral("a < b & c") + kEnd;
        QTest::newRow("right then centre")
            << RichText(Box().paragraph({RichParagraphFormat::Right, 0, 0, false}).text("r").next()
                            .paragraph({RichParagraphFormat::Center, 0, 0, false}).text("c"))
            << span() + para.arg(QStringLiteral("right")) + QStringLiteral("</Font>r</P>") +
                   para.arg(QStringLiteral("center")) + QStringLiteral("c") + kEnd;
        QTest::newRow("flags in order")
            << RichText(Box().text("x", arial10([](RichCharFormat& f) {
                   f.bold = f.italic = f.underline = f.strike = true;
               })))
            << span() + QStringLiteral("<B><U><I><strike>") + kLeft + QStringLiteral("</Font>x") + kEnd;
        QTest::newRow("soft line break") << RichText(Box().text("a\u2028b"))
                                         << start + QStringLiteral("a<BR>b") + kEnd;
    }

    void boxes()
    {
        QFETCH(RichText, box);
        QFETCH(QString, html);
        QCOMPARE(RichTextToHtml::convert(box), html);
    }

    void plainTextTakesTheDescriptionFont()
    {
        QCOMPARE(RichTextToHtml::convert(QStringLiteral("a\r\nb")),
                 QStringLiteral("<span style='font-family: Arial; font-size: 8pt; color: #000000;'><B>") + kLeft +
                     QStringLiteral("</Font>a<BR>b") + kEnd);
    }

    // Hand written as the Windows control writes: bullets, a highlight and an accent.
    void windowsRtfFile()
    {
        const QString html = RichTextToHtml::convert(
            QString::fromLatin1(TestSupport::readFile(TestSupport::testData(QStringLiteral("rtf/bullets.rtf")))));
        QVERIFY2(html.contains(QStringLiteral("<UL><LI>legs: 4<BR><LI>top: 2 m</UL>")), qPrintable(html));
        QVERIFY(html.contains(QStringLiteral("caf\u00e9")));
        QVERIFY(html.contains(
            QStringLiteral("</font><font style=\"background-color:#FFFF00\">marked</B></Font><BR>")));
        QVERIFY(html.endsWith(QStringLiteral("centred italic  </SPAN>")));
    }
};

TW_TEST_MAIN(TestRichTextToHtml)
#include "tst_RichTextToHtml.moc"
