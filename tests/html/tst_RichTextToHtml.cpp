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

// A box's HTML: the opening span (and flags), the left paragraph, then `afterLeft` and the end.
QString html(const QString& afterLeft, const QString& head = span())
{
    return head + kLeft + afterLeft + kEnd;
}

QString html(const char* afterLeft, const QString& head = span())
{
    return html(QString::fromUtf8(afterLeft), head);
}

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
    const RichText& rich() const { return m_rich; }

private:
    RichText m_rich{arial10()};
};

} // namespace

Q_DECLARE_METATYPE(Box)

class TestRichTextToHtml : public QObject
{
    Q_OBJECT

private slots:
    void boxes_data()
    {
        QTest::addColumn<Box>("box");
        QTest::addColumn<QString>("html");
        const QString quote = QStringLiteral("<blockquote style=\"margin-left:%1px;margin-right:0\">");
        const QString para = QStringLiteral("<P style='margin-top: 0px; margin-bottom: 0px;' Align='%1'>");
        const RichParagraphFormat bullet{RichParagraphFormat::Left, 0, 0, true};

        QTest::newRow("empty box") << Box() << html("</Font>");
        QTest::newRow("red word")
            << Box().text("a ").text("red", arial10([](RichCharFormat& f) { f.color = qRgb(255, 0, 0); })).text(" b")
            << html(QStringLiteral("</Font>a </span>") + span("7", "FF0000") + QStringLiteral("red</span>") + span() +
                    QStringLiteral(" b"));
        QTest::newRow("bold word") << Box().text("a ").text("big", arial10([](RichCharFormat& f) { f.bold = true; }))
                                          .text(" c")
                                   << html("</Font>a <B>big</B> c");
        QTest::newRow("10.5 pt") << Box().text("x", arial10([](RichCharFormat& f) { f.halfPoints = 21; }))
                                 << html("</Font>x", span("7.5"));
        QTest::newRow("bulleted lines then plain")
            << Box().paragraph(bullet).text("x").next().text("y").next().paragraph({}).text("z")
            << html("<UL><LI></Font>x<BR><LI>y</UL>z");
        QTest::newRow("typed bullet") << Box().text("\u2022\tItem").next().text("plain")
                                      << html("</Font><UL><LI>Item</UL>plain");
        QTest::newRow("typed middle dot") << Box().text("\u00b7\ta") << html("</Font><UL><LI>a");
        QTest::newRow("indent 500 then none") << Box().indent(500).text("a").next().paragraph({}).text("b")
                                              << html(quote.arg(33) + QStringLiteral("</Font>a</blockquote>b"));
        QTest::newRow("indent halves to even")
            << Box().indent(1500).text("a") << html(quote.arg(99) + QStringLiteral("</Font>a"));
        QTest::newRow("indent twice")
            << Box().indent(500).text("a").next().indent(1000).text("b")
            << html(quote.arg(33) + QStringLiteral("</Font>a</blockquote>") + quote.arg(66) + QStringLiteral("b"));
        QTest::newRow("white is no highlight")
            << Box().text("a", arial10([](RichCharFormat& f) { f.background = qRgb(255, 255, 255); }))
            << html("</Font>a");
        QTest::newRow("unescaped") << Box().text("a < b & c") << html("</Font>a < b & c");
        QTest::newRow("right then centre")
            << Box().paragraph({RichParagraphFormat::Right, 0, 0, false}).text("r").next()
                   .paragraph({RichParagraphFormat::Center, 0, 0, false}).text("c")
            << span() + para.arg(QStringLiteral("right")) + QStringLiteral("</Font>r</P>") +
                   para.arg(QStringLiteral("center")) + QStringLiteral("c") + kEnd;
        QTest::newRow("flags in order")
            << Box().text("x", arial10([](RichCharFormat& f) { f.bold = f.italic = f.underline = f.strike = true; }))
            << html("</Font>x", span() + QStringLiteral("<B><U><I><strike>"));
        QTest::newRow("soft line break") << Box().text("a\u2028b") << html("</Font>a<BR>b");
    }

    void boxes()
    {
        QFETCH(Box, box);
        QFETCH(QString, html);
        QCOMPARE(RichTextToHtml::convert(box.rich()), html);
    }

    void plainTextTakesTheDescriptionFont()
    {
        QCOMPARE(RichTextToHtml::convert(QStringLiteral("a\r\nb")),
                 html("</Font>a<BR>b", span("8") + QStringLiteral("<B>")));
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
