#include "TestSupport.h"

#include "html/RichTextToHtml.h"
#include "richtext/BoxFormats.h"
#include "richtext/widgets/RichTextBox.h"

#include <QSignalSpy>

namespace {

void select(RichTextBox& box, int from, int to)
{
    QTextCursor cursor = box.textCursor();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    box.setTextCursor(cursor);
}

const RichRun& runAt(const RichText& text, int paragraph, int run)
{
    return text.paragraphs().at(paragraph).runs.at(run);
}

} // namespace

class TestRichTextBox : public QObject
{
    Q_OBJECT

private slots:
    void plainTextShowsInTheDefaultFormat()
    {
        RichTextBox box;
        box.setTextRtf(QStringLiteral("first\r\nsecond"));
        QCOMPARE(box.toPlainText(), QStringLiteral("first\nsecond"));
        const RichText text = box.richText();
        QCOMPARE(text.plainText(), QStringLiteral("first\r\nsecond"));
        QCOMPARE(runAt(text, 1, 0).format, BoxFormats::description());
        QVERIFY(box.textRtf().startsWith(QStringLiteral("{\\rtf1")));
    }

    // Sizes, fonts and highlights are checked through the Edit menu.
    void characterFormatsReachTheModel()
    {
        RichTextBox box;
        box.setTextRtf(QStringLiteral("abcdef"));
        select(box, 1, 3);
        box.setSelectionBold(false);
        box.setSelectionItalic(true);
        box.setSelectionStrikeout(true);
        box.setSelectionColor(qRgb(255, 0, 0));
        const RichText text = box.richText();
        QCOMPARE(text.paragraphs().at(0).runs.size(), 3);
        const RichCharFormat& middle = runAt(text, 0, 1).format;
        QCOMPARE(runAt(text, 0, 1).text, QStringLiteral("bc"));
        QVERIFY(!middle.bold);
        QVERIFY(middle.italic && middle.strike);
        QCOMPARE(middle.color, std::optional<QRgb>(qRgb(255, 0, 0)));
        QCOMPARE(runAt(box.richText(), 0, 0).format, BoxFormats::description());
    }

    void paragraphFormats()
    {
        RichTextBox box;
        box.setTextRtf(QStringLiteral("one\r\ntwo\r\nthree"));
        select(box, 0, 5);  // "one" and part of "two"
        box.setSelectionBullet(true);
        QCOMPARE(box.selectionBullet(), TriState::On);
        box.setSelectionIndent(1000);
        box.setSelectionAlignment(RichParagraphFormat::Center);
        select(box, 0, box.toPlainText().size());
        QCOMPARE(box.selectionBullet(), TriState::Mixed);
        QCOMPARE(box.selectionIndent(), std::nullopt);
        const RichText text = box.richText();
        QCOMPARE(text.paragraphs().at(1).format, (RichParagraphFormat{RichParagraphFormat::Center, 1000, 0, true}));
        QCOMPARE(text.paragraphs().at(2).format, RichParagraphFormat{});
        select(box, 0, 1);
        box.setSelectionBullet(false);
        QVERIFY(!box.richText().paragraphs().at(0).format.bullet);
        QVERIFY(box.richText().paragraphs().at(1).format.bullet);
    }

    void selectedTextAndReplace()
    {
        RichTextBox box;
        box.setTextRtf(QStringLiteral("ab\r\ncd"));
        select(box, 1, 4);
        QCOMPARE(box.selectedText(), QStringLiteral("b\r\nc"));
        box.replaceSelection(QStringLiteral("X\r\nY"));
        QCOMPARE(box.richText().plainText(), QStringLiteral("aX\r\nYd"));
    }

    void undoWithControlZ()
    {
        RichTextBox box;
        box.setTextRtf(QStringLiteral("abc"));
        select(box, 0, 3);
        box.setSelectionUnderline(true);
        QCOMPARE(box.selectionUnderline(), TriState::On);
        QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);
        select(box, 0, 3);
        QCOMPARE(box.selectionUnderline(), TriState::Off);
        QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);  // loading is not undone
        QCOMPARE(box.toPlainText(), QStringLiteral("abc"));
    }

    void onlyTheRightButtonOpensTheMenu()
    {
        RichTextBox box;
        QSignalSpy spy(&box, &RichTextBox::editMenuRequested);
        QContextMenuEvent keyboard(QContextMenuEvent::Keyboard, QPoint(1, 1), QPoint(1, 1));
        QApplication::sendEvent(box.viewport(), &keyboard);
        QTest::mouseClick(box.viewport(), Qt::LeftButton);
        QCOMPARE(spy.count(), 0);
        QContextMenuEvent mouse(QContextMenuEvent::Mouse, QPoint(2, 2), QPoint(20, 30));
        QApplication::sendEvent(box.viewport(), &mouse);
        QCOMPARE(spy.count(), 1);
    }

    void typedTextKeepsHtmlStable()
    {
        RichTextBox box;
        box.setTextRtf(QString());
        QTest::keyClicks(&box, QStringLiteral("typed <b> & more"));
        QCOMPARE(RichTextToHtml::convert(box.textRtf()), RichTextToHtml::convert(box.richText()));
        QVERIFY(RichTextToHtml::convert(box.textRtf()).contains(QStringLiteral("typed <b> & more  </SPAN>")));
    }
};

TW_TEST_MAIN(TestRichTextBox)
#include "tst_RichTextBox.moc"
