#include "TestSupport.h"

#include "core/Dialogs.h"
#include "html/RichTextToHtml.h"
#include "richtext/BoxFormats.h"
#include "richtext/FormatChooser.h"
#include "richtext/ImageTag.h"
#include "richtext/widgets/RichTextBox.h"
#include "richtext/widgets/RichTextEditMenu.h"

#include <QSignalSpy>

Q_DECLARE_METATYPE(RichTextTargetRule::Target)

namespace {

void select(RichTextBox& box, int from, int to)
{
    QTextCursor cursor = box.textCursor();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    box.setTextCursor(cursor);
}

RichRun runAt(const RichTextBox& box, int paragraph = 0, int run = 0)
{
    return box.richText().paragraphs().at(paragraph).runs.at(run);
}

// A notes box and three descriptions under one menu, as the main window assembles them.
struct Editor
{
    RichTextTargetRule rule;
    ScriptedFormatChooser chooser;
    ScriptedDialogs dialogs;
    RichTextBox notes{BoxFormats::notes()};
    RichTextBox rows[3];
    RichTextEditMenu menu{rule, chooser, dialogs};

    Editor()
    {
        notes.setTextRtf(QStringLiteral("notes text"));
        menu.setNotesBox(&notes);
        for (int row = 1; row <= 3; ++row) {
            rows[row - 1].setTextRtf(QStringLiteral("row %1 text").arg(row));
            menu.attachDescription(&rows[row - 1], row);
        }
        menu.setDescriptionFinder([this](int row) { return row >= 1 && row <= 3 ? &rows[row - 1] : nullptr; });
    }

    RichTextBox& row(int n) { return rows[n - 1]; }

    void trigger(std::initializer_list<const char*> names)
    {
        for (const char* name : names) {
            auto* action = menu.findChild<QAction*>(QLatin1String(name));
            QVERIFY2(action, name);
            action->trigger();
        }
    }
};

} // namespace

class TestRichTextEditMenu : public QObject
{
    Q_OBJECT

private slots:
    void targetRule_data()
    {
        QTest::addColumn<bool>("notesHasFocus");
        QTest::addColumn<int>("currentDescRow");
        QTest::addColumn<RichTextTargetRule::Target>("target");
        using T = RichTextTargetRule::Target;
        QTest::newRow("notes win over a row") << true << 3 << T{T::Notes, 0};
        QTest::newRow("notes without row") << true << 0 << T{T::Notes, 0};
        QTest::newRow("current row") << false << 3 << T{T::Description, 3};
        QTest::newRow("no current row") << false << 0 << T{};
    }

    void targetRule()
    {
        QFETCH(bool, notesHasFocus);
        QFETCH(int, currentDescRow);
        QFETCH(RichTextTargetRule::Target, target);
        QCOMPARE(RichTextTargetRule::pick(notesHasFocus, currentDescRow), target);
    }

    void plainTextShowsInTheDefaultFormat()
    {
        RichTextBox box;
        box.setTextRtf(QStringLiteral("first\r\nsecond"));
        QCOMPARE(box.toPlainText(), QStringLiteral("first\nsecond"));
        QCOMPARE(box.richText().plainText(), QStringLiteral("first\r\nsecond"));
        QCOMPARE(runAt(box, 1).format, BoxFormats::description());
        QVERIFY(box.textRtf().startsWith(QStringLiteral("{\\rtf1")));
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

    void boldGoesToTheTargetOnly()
    {
        Editor editor;
        editor.rule.rowFocused(3);
        editor.rule.notesFocusReceived();
        editor.notes.selectAll();
        editor.trigger({"mnubold"});
        QVERIFY(runAt(editor.notes).format.bold);

        editor.rule.notesFocusLost();
        editor.row(3).selectAll();
        editor.trigger({"mnuregular"});
        QVERIFY(!runAt(editor.row(3)).format.bold);
        QVERIFY(runAt(editor.row(2)).format.bold);
    }

    // Separators group the commands; the clipboard items close the menu with their usual keys.
    void menuGroupsAndClipboardItems()
    {
        Editor editor;
        QStringList shape;
        for (QAction* action : editor.menu.actions())
            shape << (action->isSeparator() ? QStringLiteral("|") : action->text());
        QCOMPARE(shape.join(QLatin1Char(',')),
                 QStringLiteral("Add An Image,|,Size,|,Bold,Regular,Italic,Normal,|,Font,Color,Highlight,Remove Highlight,"
                                "|,Right Align,Centered,Left Align,|,Strikeout,Underline,|,Bullet,Indent,Remove Indent,"
                                "|,Cut,Copy,Paste,Select All"));
        const auto keys = [&](const char* name) { return editor.menu.findChild<QAction*>(QLatin1String(name))->shortcut(); };
        QCOMPARE(keys("mnuCut"), QKeySequence(QKeySequence::Cut));
        QCOMPARE(keys("mnuSelectAll"), QKeySequence(QKeySequence::SelectAll));

        editor.rule.rowFocused(2);
        editor.trigger({"mnuSelectAll"});
        QCOMPARE(editor.row(2).textCursor().selectedText(), QStringLiteral("row 2 text"));
        editor.trigger({"mnuCut"});
        QVERIFY(editor.row(2).richText().plainText().isEmpty());
        editor.trigger({"mnuPaste", "mnuPaste"});
        QCOMPARE(editor.row(2).richText().plainText(), QStringLiteral("row 2 textrow 2 text"));
        QVERIFY(editor.row(1).richText().plainText() == QStringLiteral("row 1 text"));
    }

    // After a command the selection stays but is drawn without its highlight, so the new formatting
    // shows; choosing another selection brings the highlight back.
    void formattingShowsThroughTheSelection()
    {
        Editor editor;
        editor.rule.rowFocused(1);
        select(editor.row(1), 0, 3);
        editor.trigger({"mnuunderline"});
        RichTextBox& box = editor.row(1);
        QVERIFY(box.textCursor().hasSelection());
        QVERIFY(box.selectionHighlightHidden());
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            QCOMPARE(box.palette().brush(group, QPalette::Highlight).style(), Qt::NoBrush);
            QCOMPARE(box.palette().brush(group, QPalette::HighlightedText).style(), Qt::NoBrush);
        }
        editor.trigger({"mnubold"});  // a second command still finds the selection
        QVERIFY(runAt(box).format.bold && runAt(box).format.underline);

        // As drawn: red text under the selection shows red once the highlight is hidden.
        const auto showsRed = [&box] {
            const QImage drawn = box.viewport()->grab().toImage();
            for (int y = 0; y < drawn.height(); ++y) {
                for (int x = 0; x < drawn.width(); ++x) {
                    const QColor pixel(drawn.pixel(x, y));
                    if (pixel.red() > 180 && pixel.green() < 90 && pixel.blue() < 90)
                        return true;
                }
            }
            return false;
        };
        box.resize(300, 40);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        select(box, 0, 10);
        box.setSelectionColor(qRgb(230, 0, 0));
        QVERIFY(!showsRed());
        box.hideSelectionHighlight();
        QVERIFY(showsRed());

        select(box, 4, 6);
        QVERIFY(!box.selectionHighlightHidden());
        QCOMPARE(box.palette().color(QPalette::Active, QPalette::Highlight),
                 QApplication::palette(&box).color(QPalette::Active, QPalette::Highlight));
    }

    // Ctrl+Z takes formatting back, but never the loading of the text.
    void underlineOnAHalfUnderlinedSelectionAndUndo()
    {
        Editor editor;
        editor.rule.rowFocused(1);
        RichTextBox& box = editor.row(1);
        select(box, 0, 3);
        box.setSelectionUnderline(true);
        QCOMPARE(box.selectionUnderline(), TriState::On);
        box.selectAll();
        QCOMPARE(box.selectionUnderline(), TriState::Mixed);
        editor.trigger({"mnuunderline"});
        QCOMPARE(box.selectionUnderline(), TriState::On);
        editor.trigger({"mnuunderline"});
        QCOMPARE(box.selectionUnderline(), TriState::Off);
        QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);
        box.selectAll();
        QCOMPARE(box.selectionUnderline(), TriState::On);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);
        box.selectAll();
        QCOMPARE(box.selectionUnderline(), TriState::Off);
        QCOMPARE(box.toPlainText(), QStringLiteral("row 1 text"));
    }

    void indentSizeFontAndHighlight()
    {
        Editor editor;
        editor.rule.rowFocused(1);
        RichTextBox& box = editor.row(1);
        box.selectAll();
        editor.trigger({"mnuIndent", "mnuIndent"});
        QCOMPARE(box.selectionIndent(), std::optional<int>(1000));
        editor.trigger({"mnuRemoveIndent"});
        QCOMPARE(box.selectionIndent(), std::optional<int>(0));
        editor.trigger({"mnusize13"});
        QCOMPARE(runAt(box).format.halfPoints, 26);

        const QString before = box.textRtf();
        editor.trigger({"mnuFont", "mnucolor", "mnuBackColor"});  // all cancelled
        QCOMPARE(editor.chooser.shownCount(), 3);
        QCOMPARE(box.textRtf(), before);

        editor.chooser.setNextFont(FontChoice{QStringLiteral("Liberation Serif"), 9.5, false, true});
        editor.trigger({"mnuFont"});
        const RichCharFormat format = runAt(box).format;
        QCOMPARE(format.fontName, QStringLiteral("Liberation Serif"));
        QCOMPARE(format.halfPoints, 19);
        QVERIFY(format.italic && !format.bold);

        editor.chooser.setNextColor(qRgb(255, 255, 0));
        editor.trigger({"mnuBackColor"});
        QCOMPARE(runAt(box).format.background, std::optional<QRgb>(qRgb(255, 255, 0)));
        editor.trigger({"mnuRemBackColor"});
        QVERIFY(!runAt(box).format.background);
    }

    // Without a target, or an indent over mixed indents: the command fails and changes nothing.
    void refusedCommandsChangeNothing()
    {
        Editor editor;
        QVERIFY(!editor.menu.commands().bold(true));
        QVERIFY(!editor.menu.commands().color());
        QCOMPARE(editor.chooser.shownCount(), 0);
        editor.rule.rowFocused(1);
        RichTextBox& box = editor.row(1);
        box.setTextRtf(QStringLiteral("a\r\nb"));
        select(box, 0, 1);
        editor.trigger({"mnuIndent"});
        box.selectAll();
        const QString before = box.textRtf();
        QVERIFY(!editor.menu.commands().indent());
        QCOMPARE(box.textRtf(), before);
    }

    // The image button's insertion into the notes is checked on the editor window.
    void imageInsertion()
    {
        QTemporaryDir dir;
        const QByteArray jpeg = QByteArray("\xFF\xD8\xFF\xC0\x00\x11\x08\x02\x58\x03\x20", 11) + QByteArray(10, 1);
        const QString path = TestSupport::writeFile(dir.filePath(QStringLiteral("pic.jpg")), jpeg);
        const QString tag = ImageTag::forFile(path).value_or(QString());
        QVERIFY(!tag.isEmpty());

        Editor editor;
        const auto insertInto = [&](RichTextBox& box) {
            box.setTextRtf(QStringLiteral("xabcx"));
            select(box, 1, 4);
            editor.dialogs.setNextFile(path);
            editor.trigger({"mnuAddAnImage"});
            return box.richText().plainText();
        };
        editor.rule.rowFocused(2);
        QCOMPARE(insertInto(editor.row(2)), QStringLiteral("xabc\r\n") + tag + QStringLiteral("\r\nx"));
        editor.rule.notesFocusReceived();
        QCOMPARE(insertInto(editor.notes), QStringLiteral("x\r\n") + tag + QStringLiteral("x"));

        const QString png = TestSupport::writeFile(dir.filePath(QStringLiteral("fake.jpg")), "\x89PNG\r\n\x1a\n");
        const QString before = editor.notes.textRtf();
        editor.dialogs.setNextFile(png);
        QVERIFY(!editor.menu.commands().addImageToNotes(editor.notes));
        QVERIFY(!editor.menu.commands().addAnImage());  // the dialog is cancelled
        QCOMPARE(editor.notes.textRtf(), before);
        QVERIFY(editor.dialogs.shown().isEmpty());
    }

    void formattedDescriptionSurvivesStorage()
    {
        Editor editor;
        editor.rule.rowFocused(1);
        RichTextBox& box = editor.row(1);
        box.setTextRtf(QStringLiteral("Oak table\r\nlegs: 4\r\ntop: 2 m\r\nend"));
        select(box, 0, 3);
        editor.chooser.setNextColor(qRgb(200, 0, 0));
        editor.trigger({"mnucolor", "mnuitalic"});
        select(box, 4, 9);
        editor.chooser.setNextColor(qRgb(0, 255, 255));
        editor.trigger({"mnuBackColor", "mnustrike"});
        select(box, 12, 20);
        editor.trigger({"mnubullet", "mnusize8"});
        select(box, 28, 30);
        editor.trigger({"mnuIndent", "mnuRight"});
        const QList<RichParagraph> paragraphs = box.richText().paragraphs();
        QCOMPARE(paragraphs[0].runs.size(), 3);
        QCOMPARE(paragraphs[0].runs.first().format.color, std::optional<QRgb>(qRgb(200, 0, 0)));
        QVERIFY(paragraphs[0].runs.first().format.italic && paragraphs[0].runs.last().format.strike);
        QCOMPARE(paragraphs[0].runs[1].format, BoxFormats::description());  // the blank between is left alone
        QVERIFY(paragraphs[1].format.bullet && paragraphs[2].format.bullet);
        QCOMPARE(paragraphs[3].format, (RichParagraphFormat{RichParagraphFormat::Right, 500, 0, false}));

        const QString stored = box.textRtf();
        RichTextBox reopened;
        reopened.setTextRtf(stored);
        QCOMPARE(reopened.textRtf(), stored);
        QVERIFY(reopened.richText() == box.richText());
    }
};

TW_TEST_MAIN(TestRichTextEditMenu)
#include "tst_RichTextEditMenu.moc"
