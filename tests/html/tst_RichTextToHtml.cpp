#include "TestSupport.h"

#include "html/RichTextToHtml.h"

namespace {

// Hand written as the Windows control writes: bullets, a highlight and an accent.
QByteArray bulletsRtf()
{
    return TestSupport::readFile(TestSupport::testData(QStringLiteral("rtf/bullets.rtf")));
}

RichCharFormat arial10()
{
    RichCharFormat format;
    format.fontName = QStringLiteral("Arial");
    format.halfPoints = 20;
    return format;
}

QString span(const QString& size = QStringLiteral("7"), const QString& colour = QStringLiteral("000000"))
{
    return QStringLiteral("<span style='font-family: Arial; font-size: %1pt; color: #%2;'>").arg(size, colour);
}

const QString kLeft = QStringLiteral("<P style='margin-top: 0px; margin-bottom: 0px;' Align='left'>");
const QString kEnd = QStringLiteral("  </SPAN>");

// Builds a box paragraph by paragraph: text pieces with their formats.
class Box
{
public:
    Box& text(const QString& piece, const RichCharFormat& format = arial10())
    {
        m_rich.appendText(piece, format);
        return *this;
    }
    Box& paragraph(const RichParagraphFormat& format)
    {
        m_rich.setParagraphFormat(format);
        return *this;
    }
    Box& next()
    {
        m_rich.endParagraph(arial10());
        return *this;
    }
    RichText rich() const { return m_rich; }

private:
    RichText m_rich{arial10()};
};

RichCharFormat with(void (*change)(RichCharFormat&))
{
    RichCharFormat format = arial10();
    change(format);
    return format;
}

RichParagraphFormat bulleted()
{
    RichParagraphFormat format;
    format.bullet = true;
    return format;
}

RichParagraphFormat indented(int twips)
{
    RichParagraphFormat format;
    format.indent = twips;
    return format;
}

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
        const auto red = with([](RichCharFormat& f) { f.color = qRgb(255, 0, 0); });
        const auto bold = with([](RichCharFormat& f) { f.bold = true; });
        const auto tenAndAHalf = with([](RichCharFormat& f) { f.halfPoints = 21; });
        const auto yellow = with([](RichCharFormat& f) { f.background = qRgb(255, 255, 0); });
        const auto white = with([](RichCharFormat& f) { f.background = qRgb(255, 255, 255); });

        QTest::newRow("empty box") << Box().rich() << start + kEnd;
        QTest::newRow("red word") << Box().text(QStringLiteral("a ")).text(QStringLiteral("red"), red).text(QStringLiteral(" b")).rich()
                                  << start + QStringLiteral("a </span>") + span(QStringLiteral("7"), QStringLiteral("FF0000"))
                                         + QStringLiteral("red</span>") + span() + QStringLiteral(" b") + kEnd;
        QTest::newRow("bold word") << Box().text(QStringLiteral("a ")).text(QStringLiteral("big"), bold).text(QStringLiteral(" c")).rich()
                                   << start + QStringLiteral("a <B>big</B> c") + kEnd;
        QTest::newRow("10.5 pt") << Box().text(QStringLiteral("x"), tenAndAHalf).rich()
                                 << span(QStringLiteral("7.5")) + kLeft + QStringLiteral("</Font>x") + kEnd;
        QTest::newRow("two lines") << Box().text(QStringLiteral("a")).next().text(QStringLiteral("b")).rich()
                                   << start + QStringLiteral("a<BR>b") + kEnd;
        QTest::newRow("bulleted lines then plain")
            << Box().paragraph(bulleted()).text(QStringLiteral("x")).next().text(QStringLiteral("y")).next()
                   .paragraph({}).text(QStringLiteral("z")).rich()
            << span() + kLeft + QStringLiteral("<UL><LI></Font>x<BR><LI>y</UL>z") + kEnd;
        QTest::newRow("typed bullet") << Box().text(QStringLiteral("\u2022\tItem")).next().text(QStringLiteral("plain")).rich()
                                      << start + QStringLiteral("<UL><LI>Item</UL>plain") + kEnd;
        QTest::newRow("typed middle dot") << Box().text(QStringLiteral("\u00b7\ta")).rich()
                                          << start + QStringLiteral("<UL><LI>a") + kEnd;
        QTest::newRow("indent 500 then none")
            << Box().paragraph(indented(500)).text(QStringLiteral("a")).next().paragraph({}).text(QStringLiteral("b")).rich()
            << span() + kLeft + QStringLiteral("<blockquote style=\"margin-left:33px;margin-right:0\"></Font>a</blockquote>b") + kEnd;
        QTest::newRow("indent halves to even") << Box().paragraph(indented(1500)).text(QStringLiteral("a")).rich()
                                               << span() + kLeft + QStringLiteral("<blockquote style=\"margin-left:99px;margin-right:0\"></Font>a") + kEnd;
        QTest::newRow("indent twice") << Box().paragraph(indented(500)).text(QStringLiteral("a")).next()
                                             .paragraph(indented(1000)).text(QStringLiteral("b")).rich()
                                      << span() + kLeft + QStringLiteral("<blockquote style=\"margin-left:33px;margin-right:0\"></Font>a</blockquote>"
                                                                         "<blockquote style=\"margin-left:66px;margin-right:0\">b") + kEnd;
        QTest::newRow("highlight") << Box().text(QStringLiteral("a")).text(QStringLiteral("hi"), yellow).text(QStringLiteral("b")).rich()
                                   << start + QStringLiteral("a</font><font style=\"background-color:#FFFF00\">hi</Font>b") + kEnd;
        QTest::newRow("white is no highlight") << Box().text(QStringLiteral("a"), white).rich()
                                               << start + QStringLiteral("a") + kEnd;
        QTest::newRow("unescaped") << Box().text(QStringLiteral("a < b & c")).rich()
                                   << start + QStringLiteral("a < b & c") + kEnd;
        QTest::newRow("right then centre")
            << Box().paragraph({RichParagraphFormat::Right, 0, 0, false}).text(QStringLiteral("r")).next()
                   .paragraph({RichParagraphFormat::Center, 0, 0, false}).text(QStringLiteral("c")).rich()
            << span() + QStringLiteral("<P style='margin-top: 0px; margin-bottom: 0px;' Align='right'></Font>r</P>"
                                       "<P style='margin-top: 0px; margin-bottom: 0px;' Align='center'>c") + kEnd;
        QTest::newRow("flags in order") << Box().text(QStringLiteral("x"), with([](RichCharFormat& f) {
                                                          f.bold = f.italic = f.underline = f.strike = true; })).rich()
                                        << span() + QStringLiteral("<B><U><I><strike>") + kLeft + QStringLiteral("</Font>x") + kEnd;
        QTest::newRow("soft line break") << Box().text(QStringLiteral("a\u2028b")).rich()
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
                 QStringLiteral("<span style='font-family: Arial; font-size: 8pt; color: #000000;'><B>") + kLeft
                     + QStringLiteral("</Font>a<BR>b") + kEnd);
    }

    void windowsRtfFile()
    {
        const QString html = RichTextToHtml::convert(QString::fromLatin1(bulletsRtf()));
        QVERIFY2(html.contains(QStringLiteral("<UL><LI>legs: 4<BR><LI>top: 2 m</UL>")), qPrintable(html));
        QVERIFY(html.contains(QStringLiteral("caf\u00e9")));
        QVERIFY(html.contains(QStringLiteral("</font><font style=\"background-color:#FFFF00\">marked</B></Font><BR>")));
        QVERIFY(html.endsWith(QStringLiteral("centred italic  </SPAN>")));
    }
};

TW_TEST_MAIN(TestRichTextToHtml)
#include "tst_RichTextToHtml.moc"
