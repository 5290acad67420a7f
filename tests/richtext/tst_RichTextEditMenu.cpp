#include "TestSupport.h"

#include "app/Dialogs.h"
#include "html/RichTextToHtml.h"
#include "richtext/BoxFormats.h"
#include "richtext/FormatChooser.h"
#include "richtext/ImageTag.h"
#include "richtext/widgets/RichTextBox.h"
#include "richtext/widgets/RichTextEditMenu.h"

#include <QVBoxLayout>

#include <memory>
#include <vector>

Q_DECLARE_METATYPE(RichTextTargetRule::Target)

namespace {

void selectAll(RichTextBox& box)
{
    QTextCursor cursor = box.textCursor();
    cursor.select(QTextCursor::Document);
    box.setTextCursor(cursor);
}

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
    std::vector<std::unique_ptr<RichTextBox>> rows;
    RichTextEditMenu menu{rule, chooser, dialogs};

    Editor()
    {
        notes.setObjectName(QStringLiteral("txtnotes"));
        notes.setTextRtf(QStringLiteral("notes text"));
        menu.setNotesBox(&notes);
        for (int row = 1; row <= 3; ++row) {
            rows.push_back(std::make_unique<RichTextBox>());
            rows.back()->setTextRtf(QStringLiteral("row %1 text").arg(row));
            menu.attachDescription(rows.back().get(), row);
        }
        menu.setDescriptionFinder([this](int row) {
            return row >= 1 && row <= int(rows.size()) ? rows[std::size_t(row - 1)].get() : nullptr;
        });
    }

    RichTextBox& row(int n) { return *rows[std::size_t(n - 1)]; }

    void trigger(const QString& name)
    {
        auto* action = menu.findChild<QAction*>(name);
        QVERIFY2(action, qPrintable(name));
        action->trigger();
    }
};

QByteArray tinyJpeg(int width, int height)
{
    QByteArray bytes("\xFF\xD8\xFF\xC0\x00\x11\x08", 7);
    bytes.append(char(height >> 8)).append(char(height & 0xFF)).append(char(width >> 8)).append(char(width & 0xFF));
    return bytes + QByteArray(10, '\x01');
}

} // namespace

class TestRichTextEditMenu : public QObject
{
    Q_OBJECT

private slots:
    void itemsCaptionsAndOrder()
    {
        Editor editor;
        QCOMPARE(editor.menu.objectName(), QStringLiteral("mnuEdit"));
        QCOMPARE(editor.menu.title(), QStringLiteral("Edit"));
        QStringList items;
        for (QAction* action : editor.menu.actions())
            items << (action->menu() ? action->menu()->objectName() : action->objectName()) + QLatin1Char('=') + action->text();
        QCOMPARE(items, (QStringList{
                            QStringLiteral("mnuAddAnImage=Add An Image"), QStringLiteral("mnusize=Size"),
                            QStringLiteral("mnubold=Bold"), QStringLiteral("mnuregular=Regular"),
                            QStringLiteral("mnuitalic=Italic"), QStringLiteral("mnunormal=Normal"),
                            QStringLiteral("mnuFont=Font"), QStringLiteral("mnucolor=Color"),
                            QStringLiteral("mnuBackColor=Highlight"), QStringLiteral("mnuRemBackColor=Remove Highlight"),
                            QStringLiteral("mnuRight=Right Align"), QStringLiteral("mnucenter=Centered"),
                            QStringLiteral("mnuleft=Left Align"), QStringLiteral("mnustrike=Strikeout"),
                            QStringLiteral("mnuunderline=Underline"), QStringLiteral("mnubullet=Bullet"),
                            QStringLiteral("mnuIndent=Indent"), QStringLiteral("mnuRemoveIndent=Remove Indent")}));
        const QList<QAction*> sizes = editor.menu.findChild<QMenu*>(QStringLiteral("mnusize"))->actions();
        QCOMPARE(sizes.size(), 19);
        QCOMPARE(sizes.first()->objectName(), QStringLiteral("mnusize6"));
        QCOMPARE(sizes.first()->text(), QStringLiteral("6 pt"));
        QCOMPARE(sizes.last()->objectName(), QStringLiteral("mnusize24"));
    }

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

    void focusKeepsTheRule()
    {
        Editor editor;
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(&editor.notes);
        layout->addWidget(&editor.row(2));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        editor.row(2).setFocus();
        QTRY_COMPARE(editor.rule.currentDescRow(), 2);
        editor.notes.setFocus();
        QTRY_VERIFY(editor.rule.notesHasFocus());
        editor.row(2).setFocus();
        QTRY_VERIFY(!editor.rule.notesHasFocus());
        QCOMPARE(editor.rule.currentDescRow(), 2);
        layout->removeWidget(&editor.notes);
        layout->removeWidget(&editor.row(2));
        editor.notes.setParent(nullptr);
        editor.row(2).setParent(nullptr);
    }

    void boldGoesToTheTargetOnly()
    {
        Editor editor;
        editor.rule.rowFocused(3);
        editor.rule.notesFocusReceived();
        selectAll(editor.notes);
        editor.trigger(QStringLiteral("mnubold"));
        QVERIFY(editor.notes.richText().paragraphs()[0].runs[0].format.bold);
        const QString row3 = editor.row(3).textRtf();

        editor.rule.notesFocusLost();
        selectAll(editor.row(3));
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
        selectAll(editor.row(1));
        editor.trigger(QStringLiteral("mnuunderline"));
        QCOMPARE(editor.row(1).selectionUnderline(), TriState::On);
        editor.trigger(QStringLiteral("mnuunderline"));
        QCOMPARE(editor.row(1).selectionUnderline(), TriState::Off);
    }

    void indentSizeAndDialogs()
    {
        Editor editor;
        editor.rule.rowFocused(1);
        RichTextBox& box = editor.row(1);
        selectAll(box);
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
    }

    void mixedIndentFails()
    {
        Editor editor;
        editor.rule.rowFocused(1);
        RichTextBox& box = editor.row(1);
        box.setTextRtf(QStringLiteral("a\r\nb"));
        select(box, 0, 1);
        editor.trigger(QStringLiteral("mnuIndent"));
        selectAll(box);
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
        const QString path = TestSupport::writeFile(dir.filePath(QStringLiteral("pic.jpg")), tinyJpeg(800, 600));
        const QString tag = *ImageTag::forFile(path);
        QVERIFY(tag.endsWith(QStringLiteral("width=\"200\" height=\"150\"> ")));

        Editor editor;
        editor.rule.rowFocused(2);
        editor.row(2).setTextRtf(QStringLiteral("xabcx"));
        select(editor.row(2), 1, 4);
        editor.dialogs.setNextFile(path);
        editor.trigger(QStringLiteral("mnuAddAnImage"));
        QCOMPARE(editor.dialogs.fileTitles(), QStringList{QStringLiteral("Please select the image file")});
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
    }

    void highlightAndRemove()
    {
        Editor editor;
        editor.rule.rowFocused(1);
        select(editor.row(1), 0, 3);
        editor.chooser.setNextColor(qRgb(255, 255, 0));
        editor.trigger(QStringLiteral("mnuBackColor"));
        QCOMPARE(editor.row(1).richText().paragraphs()[0].runs[0].format.background, std::optional<QRgb>(qRgb(255, 255, 0)));
        QVERIFY(RichTextToHtml::convert(editor.row(1).textRtf()).contains(QStringLiteral("background-color:#FFFF00")));
        editor.trigger(QStringLiteral("mnuRemBackColor"));
        QVERIFY(!editor.row(1).richText().paragraphs()[0].runs[0].format.background);
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

        const QString stored = box.textRtf();
        RichTextBox reopened;
        reopened.setTextRtf(stored);
        QCOMPARE(reopened.textRtf(), stored);
        QVERIFY(reopened.richText() == box.richText());
        const QString html = RichTextToHtml::convert(stored);
        QCOMPARE(RichTextToHtml::convert(reopened.richText()), html);
        QVERIFY2(html.contains(QStringLiteral("<UL><LI>")) && html.contains(QStringLiteral("<strike>"))
                     && html.contains(QStringLiteral("margin-left:33px")) && html.contains(QStringLiteral("Align='right'"))
                     && html.contains(QStringLiteral("color: #C80000")),
                 qPrintable(html));
    }
};

TW_TEST_MAIN(TestRichTextEditMenu)
#include "tst_RichTextEditMenu.moc"
