#include "TestSupport.h"

#include "app/Dialogs.h"
#include "app/SettingsStore.h"
#include "app/widgets/MainWindow.h"
#include "documents/widgets/SavedDocsPanel.h"
#include "editor/widgets/EditorController.h"
#include "editor/widgets/GridPanel.h"
#include "editor/widgets/HeaderPanel.h"
#include "editor/widgets/NotesPanel.h"
#include "richtext/ImageTag.h"
#include "richtext/widgets/RichTextBox.h"
#include "store/Database.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include <memory>

namespace {

// A main window on a fresh database, with scripted message boxes that answer Yes/OK.
struct Window
{
    QTemporaryDir dir;
    std::unique_ptr<SettingsStore> settings;
    Database database{QLocale(QStringLiteral("en_US"))};
    ScriptedDialogs dialogs{true};
    std::unique_ptr<MainWindow> window;

    Window()
    {
        settings = std::make_unique<SettingsStore>(dir.filePath(QStringLiteral("settings.ini")));
        database.create(dir.filePath(QStringLiteral("docs.mdb")));
        window = std::make_unique<MainWindow>(*settings, database, dialogs);
        window->editor()->setNumberLocale(QLocale(QStringLiteral("en_US")));
        window->resize(1200, 800);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    template <typename T> T* find(const char* name) const { return window->findChild<T*>(QLatin1String(name)); }

    void createRows(int count, bool current = false)
    {
        find<QRadioButton>(current ? "optEdit" : "OptNew")->setChecked(true);
        find<QComboBox>("txtnum")->setEditText(QString::number(count));
        find<QPushButton>("cmdcreate")->click();
        QCOMPARE(window->grid()->rowCount(), count);
    }

    RichTextBox* notes() const { return window->notes()->notes(); }
    // Row n's description; 0 names the notes.
    RichTextBox* box(int row) const { return row == 0 ? notes() : window->grid()->description(row); }

    // A right-button click in the box, then a click on the menu item.
    void chooseFromMenu(RichTextBox* box, const char* item)
    {
        QTest::mouseClick(box->viewport(), Qt::RightButton, {}, QPoint(8, 6));
        QTRY_COMPARE(QApplication::focusWidget(), box);
        auto* menu = find<QMenu>("mnuEdit");
        if (!menu->isVisible()) {
            QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(8, 6), box->viewport()->mapToGlobal(QPoint(8, 6)));
            QApplication::sendEvent(box->viewport(), &click);
        }
        QTRY_VERIFY(menu->isVisible());
        auto* action = menu->findChild<QAction*>(QLatin1String(item));
        QVERIFY2(action, item);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        QTRY_VERIFY(!menu->isVisible());
    }

    QStringList allRtf() const
    {
        QStringList texts{notes()->textRtf()};
        for (int row = 1; row <= window->grid()->rowCount(); ++row)
            texts << box(row)->textRtf();
        return texts;
    }
};

void fill(RichTextBox* box, const QString& text)
{
    box->setTextRtf(text);
    QTextCursor cursor = box->textCursor();
    cursor.select(QTextCursor::Document);
    box->setTextCursor(cursor);
}

RichCharFormat firstFormat(const RichTextBox* box)
{
    return box->richText().paragraphs().at(0).runs.at(0).format;
}

QByteArray jpeg(int width, int height)
{
    QByteArray bytes("\xFF\xD8\xFF\xC0\x00\x11\x08", 7);
    bytes.append(char(height >> 8)).append(char(height & 0xFF)).append(char(width >> 8)).append(char(width & 0xFF));
    return bytes + QByteArray(10, '\x01');
}

} // namespace

class TestEditMenuWiring : public QObject
{
    Q_OBJECT

private slots:
    void menuFormatsTheClickedBoxOnly_data()
    {
        QTest::addColumn<int>("row");  // 0: the notes
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("attribute");
        QTest::addColumn<bool>("expected");
        QTest::newRow("row 2 bold after regular") << 2 << QStringLiteral("mnubold") << QStringLiteral("bold") << true;
        QTest::newRow("row 2 regular") << 2 << QStringLiteral("mnuregular") << QStringLiteral("bold") << false;
        QTest::newRow("row 3 italic") << 3 << QStringLiteral("mnuitalic") << QStringLiteral("italic") << true;
        QTest::newRow("row 1 underline") << 1 << QStringLiteral("mnuunderline") << QStringLiteral("underline") << true;
        QTest::newRow("notes bold") << 0 << QStringLiteral("mnubold") << QStringLiteral("bold") << true;
        QTest::newRow("notes strikeout") << 0 << QStringLiteral("mnustrike") << QStringLiteral("strike") << true;
    }

    void menuFormatsTheClickedBoxOnly()
    {
        QFETCH(int, row);
        QFETCH(QString, item);
        QFETCH(QString, attribute);
        QFETCH(bool, expected);
        Window w;
        w.createRows(3);
        for (int n = 0; n <= 3; ++n)
            fill(w.box(n), QStringLiteral("text %1").arg(n));
        // Bold has to show on a description, whose template font is bold already.
        if (item == QLatin1String("mnubold") && row > 0)
            w.chooseFromMenu(w.box(row), "mnuregular");
        QStringList before = w.allRtf();
        w.chooseFromMenu(w.box(row), item.toLatin1().constData());

        const RichCharFormat format = firstFormat(w.box(row));
        const QMap<QString, bool> attributes{{QStringLiteral("bold"), format.bold},
                                             {QStringLiteral("italic"), format.italic},
                                             {QStringLiteral("underline"), format.underline},
                                             {QStringLiteral("strike"), format.strike}};
        QCOMPARE(attributes.value(attribute), expected);
        QStringList after = w.allRtf();
        QVERIFY(after.takeAt(row) != before.takeAt(row));
        QCOMPARE(after, before);
    }

    void notesLoseTheCommandsWhenADescriptionTakesTheFocus()
    {
        Window w;
        w.createRows(2);
        fill(w.box(2), QStringLiteral("row two"));
        w.notes()->setFocus();
        QTRY_VERIFY(w.window->editor()->state().richTextTarget.notesHasFocus());
        w.chooseFromMenu(w.box(2), "mnuitalic");
        QVERIFY(firstFormat(w.box(2)).italic);
        QVERIFY(!w.window->editor()->state().richTextTarget.notesHasFocus());
        QCOMPARE(w.window->editor()->state().richTextTarget.currentDescRow(), 2);
        QCOMPARE(w.notes()->toPlainText(), QString());
    }

    void productIdMakesItsRowCurrent()
    {
        Window w;
        w.createRows(3);
        w.window->grid()->productId(3)->setFocus();
        QTRY_COMPARE(w.window->editor()->state().richTextTarget.currentDescRow(), 3);
        fill(w.box(3), QStringLiteral("third"));
        w.find<QMenu>("mnuEdit")->findChild<QAction*>(QStringLiteral("mnuitalic"))->trigger();
        QVERIFY(firstFormat(w.box(3)).italic);
    }

    void rowsAddedByCurrentCreateRowsHaveTheMenu()
    {
        Window w;
        w.createRows(2);
        w.createRows(4, true);
        for (int row = 1; row <= 4; ++row)
            fill(w.box(row), QStringLiteral("row %1").arg(row));
        w.chooseFromMenu(w.box(4), "mnuitalic");
        QVERIFY(firstFormat(w.box(4)).italic);
        for (int row = 1; row <= 3; ++row)
            QVERIFY(!firstFormat(w.box(row)).italic);
    }

    void openingResetsTheCurrentRow()
    {
        Window w;
        w.createRows(2);
        w.window->grid()->description(2)->setFocus();
        QTRY_COMPARE(w.window->editor()->state().richTextTarget.currentDescRow(), 2);
        emit w.window->savedDocs()->openRequested(QString());
        QCOMPARE(w.window->editor()->state().richTextTarget.currentDescRow(), 0);
    }

    void imagesGoWhereTheirRuleSays_data()
    {
        QTest::addColumn<bool>("button");
        QTest::addColumn<int>("row");  // the box focused before: 0 the notes
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("notesChanged");  // 1: the notes hold a line break and the tag
        QTest::addColumn<int>("rowChanged");    // 1: row 1 holds its text, the tag and a line break
        const QByteArray picture = jpeg(800, 600);
        const QByteArray png("\x89PNG\r\n\x1a\n", 8);
        QTest::newRow("button, focus in a row") << true << 1 << picture << 1 << 0;
        QTest::newRow("button, png named jpg") << true << 0 << png << 0 << 0;
        QTest::newRow("button, cancelled") << true << 0 << QByteArray() << 0 << 0;
        QTest::newRow("menu in the notes") << false << 0 << picture << 1 << 0;
        QTest::newRow("menu in a row") << false << 1 << picture << 0 << 1;
    }

    void imagesGoWhereTheirRuleSays()
    {
        QFETCH(bool, button);
        QFETCH(int, row);
        QFETCH(QByteArray, file);
        QFETCH(int, notesChanged);
        QFETCH(int, rowChanged);
        Window w;
        w.createRows(1);
        fill(w.box(0), QStringLiteral("abc"));
        fill(w.box(1), QStringLiteral("abc"));
        const QString path = w.dir.filePath(QStringLiteral("picture.jpg"));
        if (!file.isEmpty()) {
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(file);
        }
        w.dialogs.setNextFile(file.isEmpty() ? QString() : path);
        if (button) {
            w.box(row)->setFocus();
            w.find<QPushButton>("cmdaddImage")->click();
        } else {
            w.chooseFromMenu(w.box(row), "mnuAddAnImage");
        }
        QCOMPARE(w.dialogs.fileTitles(), QStringList{QStringLiteral("Please select the image file")});
        const QString tag = ImageTag::forFile(path).value_or(QString());
        QCOMPARE(w.notes()->toPlainText(), notesChanged ? QStringLiteral("\n") + tag : QStringLiteral("abc"));
        QCOMPARE(w.box(1)->toPlainText(),
                 rowChanged ? QStringLiteral("abc\n") + tag + QStringLiteral("\n") : QStringLiteral("abc"));
        QVERIFY(w.dialogs.shown().isEmpty());
    }

    void formattingSurvivesSaveAndOpen()
    {
        Window w;
        w.createRows(2);
        w.window->header()->docNumberEdit()->setText(QStringLiteral("RT-1"));
        fill(w.box(2), QStringLiteral("second row"));
        w.chooseFromMenu(w.box(2), "mnuitalic");
        w.chooseFromMenu(w.box(2), "mnuunderline");
        fill(w.box(0), QStringLiteral("see notes"));
        w.chooseFromMenu(w.box(0), "mnustrike");
        const QStringList saved = w.allRtf();
        w.window->saveDocument();
        QVERIFY2(w.dialogs.shownTexts().join(QString()).contains(QStringLiteral("successfully saved")),
                 qPrintable(w.dialogs.shownTexts().join(QLatin1Char('|'))));

        w.createRows(2);  // a new blank document in between
        QVERIFY(w.allRtf() != saved);
        emit w.window->savedDocs()->openRequested(QStringLiteral("RT-1"));
        QCOMPARE(w.allRtf(), saved);
        QVERIFY(firstFormat(w.box(2)).italic);
        QVERIFY(firstFormat(w.box(0)).strike);
    }
};

TW_TEST_MAIN(TestEditMenuWiring)
#include "tst_EditMenuWiring.moc"
