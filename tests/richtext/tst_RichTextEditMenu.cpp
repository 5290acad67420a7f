#include "TestSupport.h"

#include "app/Dialogs.h"
#include "richtext/BoxFormats.h"
#include "richtext/FormatChooser.h"
#include "richtext/ImageTag.h"
#include "richtext/widgets/RichTextBox.h"
#include "richtext/widgets/RichTextEditMenu.h"

Q_DECLARE_METATYPE(RichTextTargetRule::Target)

namespace {

void select(RichTextBox& box, int from, int to)
{
    QTextCursor cursor = box.textCursor();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    box.setTextCursor(cursor);
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

    void trigger(const QString& name)
    {
        auto* action = menu.findChild<QAction*>(name);
        QVERIFY2(action, qPrintable(name));
        action->trigger();
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

    void boldGoesToTheTargetOnly()
    {
        Editor editor;
        editor.rule.rowFocused(3);
        editor.rule.notesFocusReceived();
        editor.notes.selectAll();
        editor.trigger(QStringLiteral("mnubold"));
        QVERIFY(editor.notes.richText().paragraphs()[0].runs[0].format.bold);
        const QString row3 = editor.row(3).textRtf();

        editor.rule.notesFocusLost();
        editor.row(3).selectAll();
        editor.trigger(QStringLiteral("mnuregular"));
        QVERIFY(!editor.row(3).richText().paragraphs()[0].runs[0].format.bold);
        QVERIFY(editor.row(2).richText().paragraphs()[0].runs[0].format.bold);
        QVERIFY(row3 != editor.row(3).textRtf());
    }

    void underlineOnAHalfUnderlinedSelection()
    {
        Editor editor;
        editor.rule.rowFocused(1);
        select(editor.row(1), 0, 3);
        editor.row(1).setSelectionUnderline(true);
        QCOMPARE(editor.row(1).selectionUnderline(), TriState::On);
        editor.row(1).selectAll();
        QCOMPARE(editor.row(1).selectionUnderline(), TriState::Mixed);
        editor.trigger(QStringLiteral("mnuunderline"));
        QCOMPARE(editor.row(1).selectionUnderline(), TriState::On);
        editor.trigger(QStringLiteral("mnuunderline"));
        QCOMPARE(editor.row(1).selectionUnderline(), TriState::Off);
    }

    void indentSizeFontAndHighlight()
    {
        Editor editor;
        editor.rule.rowFocused(1);
        RichTextBox& box = editor.row(1);
        box.selectAll();
        editor.trigger(QStringLiteral("mnuIndent"));
        editor.trigger(QStringLiteral("mnuIndent"));
        QCOMPARE(box.selectionIndent(), std::optional<int>(1000));
        editor.trigger(QStringLiteral("mnuRemoveIndent"));
        QCOMPARE(box.selectionIndent(), std::optional<int>(0));
        editor.trigger(QStringLiteral("mnusize13"));
        QCOMPARE(box.richText().paragraphs()[0].runs[0].format.halfPoints, 26);

        const QString before = box.textRtf();
        editor.trigger(QStringLiteral("mnuFont"));       // cancelled
        editor.trigger(QStringLiteral("mnucolor"));      // cancelled
        editor.trigger(QStringLiteral("mnuBackColor"));  // cancelled
        QCOMPARE(editor.chooser.shownCount(), 3);
        QCOMPARE(box.textRtf(), before);

        editor.chooser.setNextFont(FontChoice{QStringLiteral("Liberation Serif"), 9.5, false, true});
        editor.trigger(QStringLiteral("mnuFont"));
        const RichCharFormat format = box.richText().paragraphs()[0].runs[0].format;
        QCOMPARE(format.fontName, QStringLiteral("Liberation Serif"));
        QCOMPARE(format.halfPoints, 19);
        QVERIFY(format.italic && !format.bold);

        editor.chooser.setNextColor(qRgb(255, 255, 0));
        editor.trigger(QStringLiteral("mnuBackColor"));
        QCOMPARE(box.richText().paragraphs()[0].runs[0].format.background, std::optional<QRgb>(qRgb(255, 255, 0)));
        editor.trigger(QStringLiteral("mnuRemBackColor"));
        QVERIFY(!box.richText().paragraphs()[0].runs[0].format.background);
    }

    void mixedIndentFails()
    {
        Editor editor;
        editor.rule.rowFocused(1);
        RichTextBox& box = editor.row(1);
        box.setTextRtf(QStringLiteral("a\r\nb"));
        select(box, 0, 1);
        editor.trigger(QStringLiteral("mnuIndent"));
        box.selectAll();
        const QString before = box.textRtf();
        QVERIFY(!editor.menu.commands().indent());
        QCOMPARE(box.textRtf(), before);
    }

    void noTargetDoesNothing()
    {
        Editor editor;
        QVERIFY(!editor.menu.commands().bold(true));
        QVERIFY(!editor.menu.commands().color());
        QCOMPARE(editor.chooser.shownCount(), 0);
    }

    void imageInsertion()
    {
        QTemporaryDir dir;
        const QByteArray jpeg = QByteArray("\xFF\xD8\xFF\xC0\x00\x11\x08\x02\x58\x03\x20", 11) + QByteArray(10, 1);
        const QString path = TestSupport::writeFile(dir.filePath(QStringLiteral("pic.jpg")), jpeg);
        const QString tag = ImageTag::forFile(path).value_or(QString());
        QVERIFY(!tag.isEmpty());

        Editor editor;
        editor.rule.rowFocused(2);
        editor.row(2).setTextRtf(QStringLiteral("xabcx"));
        select(editor.row(2), 1, 4);
        editor.dialogs.setNextFile(path);
        editor.trigger(QStringLiteral("mnuAddAnImage"));
        QCOMPARE(editor.row(2).richText().plainText(), QStringLiteral("xabc\r\n") + tag + QStringLiteral("\r\nx"));

        editor.rule.notesFocusReceived();
        editor.notes.setTextRtf(QStringLiteral("xabcx"));
        select(editor.notes, 1, 4);
        editor.dialogs.setNextFile(path);
        editor.trigger(QStringLiteral("mnuAddAnImage"));
        QCOMPARE(editor.notes.richText().plainText(), QStringLiteral("x\r\n") + tag + QStringLiteral("x"));

        editor.notes.setTextRtf(QStringLiteral("n"));
        editor.dialogs.setNextFile(path);
        QVERIFY(editor.menu.commands().addImageToNotes(editor.notes));
        QCOMPARE(editor.notes.richText().plainText(), QStringLiteral("\r\n") + tag + QStringLiteral("n"));

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
        editor.trigger(QStringLiteral("mnucolor"));
        editor.trigger(QStringLiteral("mnuitalic"));
        select(box, 4, 9);
        editor.chooser.setNextColor(qRgb(0, 255, 255));
        editor.trigger(QStringLiteral("mnuBackColor"));
        editor.trigger(QStringLiteral("mnustrike"));
        select(box, 12, 20);
        editor.trigger(QStringLiteral("mnubullet"));
        editor.trigger(QStringLiteral("mnusize8"));
        select(box, 28, 30);
        editor.trigger(QStringLiteral("mnuIndent"));
        editor.trigger(QStringLiteral("mnuRight"));
        const QList<RichParagraph> paragraphs = box.richText().paragraphs();
        QCOMPARE(paragraphs[0].runs.first().format.color, std::optional<QRgb>(qRgb(200, 0, 0)));
        QVERIFY(paragraphs[0].runs.last().format.strike && paragraphs[1].format.bullet && paragraphs[2].format.bullet);
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
