#include "WindowFixture.h"
#include "documents/widgets/SavedDocsPanel.h"
#include "editor/widgets/EditorController.h"
#include "editor/widgets/GridPanel.h"
#include "editor/widgets/HeaderPanel.h"
#include "editor/widgets/NotesPanel.h"
#include "richtext/ImageTag.h"
#include "richtext/widgets/RichTextBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>

namespace {

// One main window on a fresh database, shown, reading numbers in English form, with rows if asked.
struct Window : WindowFixture
{
    explicit Window(int rows = 0)
    {
        database.create(dir.filePath(QStringLiteral("docs.mdb")));
        make();
        window->editor()->setNumberLocale(QLocale(QStringLiteral("en_US")));
        window->resize(1200, 800);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        if (rows > 0)
            createRows(rows);
    }

    void createRows(const QString& count, bool current = false)
    {
        find<QRadioButton>(current ? "optEdit" : "OptNew")->setChecked(true);
        find<QComboBox>("txtnum")->setEditText(count);
        find<QPushButton>("cmdcreate")->click();
    }

    void createRows(int count, bool current = false)
    {
        createRows(QString::number(count), current);
        QCOMPARE(window->grid()->rowCount(), count);
    }

    template <typename T = QWidget> T* field(const char* name, int row) const
    {
        for (T* field : window->grid()->findChildren<T*>(QLatin1String(name))) {
            if (field->property("gridRow").toInt() == row)
                return field;
        }
        return nullptr;
    }

    void calculate() { find<QPushButton>("cmdcalculate")->click(); }
    QString text(const char* name) const { return find<QLineEdit>(name)->text(); }

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
    box->selectAll();
}

RichCharFormat firstFormat(const RichTextBox* box)
{
    return box->richText().paragraphs().at(0).runs.at(0).format;
}

} // namespace

class TestEditorWindow : public QObject
{
    Q_OBJECT

private slots:
    // The page scrolls in twip steps once the rows no longer fit.
    void gridAppearsWithItsRows()
    {
        Window w;
        QVERIFY(!w.window->grid()->isVisible());
        w.createRows(65);
        QVERIFY(w.dialogs.shown().isEmpty());
        QVERIFY(w.window->grid()->isVisible());
        for (const char* name : {"txtserial", "txtproductID", "txtdescription", "cboqty", "txtprice", "cbodiscount",
                                 "txtamount"})
            QVERIFY2(w.field(name, 65)->isVisible(), name);
        QCOMPARE(w.window->focusWidget(), w.field("txtproductID", 1));
        QVERIFY(w.window->document().options.tableBorders);
        for (int row : {1, 65}) {
            QCOMPARE(w.field("picUp", row)->isVisibleTo(w.window->grid()), row == 65);
            QCOMPARE(w.field("picDown", row)->isVisibleTo(w.window->grid()), row == 1);
        }
        QCOMPARE(w.field<QLineEdit>("txtproductID", 7)->text(), QStringLiteral("7"));
        QCOMPARE(w.text("txttotal"), QStringLiteral("0.00"));
        QVERIFY(w.find<QComboBox>("txtnum")->currentText().isEmpty());
        QVERIFY(w.find<QWidget>("optEdit")->isEnabled());
        QCOMPARE(w.window->document().rowCount(), 65);
        w.window->resize(1200, 700);
        QTest::qWait(50);
        QScrollBar* bar = w.find<QScrollArea>("PicOuter")->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), 0);
        QCOMPARE(bar->singleStep(), 19);
        QCOMPARE(bar->pageStep(), 192);
    }

    // The rows before an unreadable field get their amounts, then the run stops and says why.
    void calculateShowsAmountsAndTotals()
    {
        Window w(2);
        w.field<QComboBox>("cboqty", 1)->setEditText(QStringLiteral("4"));
        w.field<QLineEdit>("txtprice", 1)->setText(QStringLiteral("9.99"));
        w.field<QComboBox>("cbodiscount", 1)->setEditText(QStringLiteral("12.5"));
        w.find<QComboBox>("cboDocTaxPercent")->setEditText(QStringLiteral("10"));
        auto* price = w.field<QLineEdit>("txtprice", 2);
        price->setText(QStringLiteral("12"));
        price->setFocus();
        price->selectAll();
        QTest::keyClicks(price, QStringLiteral("1a.5"));
        QCOMPARE(price->text(), QStringLiteral("1.5"));
        price->insert(QStringLiteral("xyz"));  // what a paste leaves
        w.calculate();
        QCOMPARE(w.dialogs.shownTexts(), QStringList{QStringLiteral("Type mismatch 13")});
        QCOMPARE(w.field<QLineEdit>("txtamount", 1)->text(), QStringLiteral("34.97"));

        price->clear();
        w.calculate();
        QCOMPARE(w.dialogs.shown().size(), 1);
        QCOMPARE(w.text("txtsubtotal"), QStringLiteral("34.97"));
        QCOMPARE(w.text("txttaxAmt"), QStringLiteral("3.50"));
        QCOMPARE(w.text("txttotal"), QStringLiteral("38.47"));
        QCOMPARE(w.find<QLabel>("lbltaxpercent")->text(), QStringLiteral("Tax 10.00% :"));
        QCOMPARE(w.field("cboqty", 2)->property("grey").toBool(), true);
    }

    // Colours staying with their place are checked through the arrows in the user-path tests.
    void rowMoveKeepsRichText()
    {
        Window w(3);
        w.box(1)->setTextRtf(QStringLiteral("first row"));
        const QString firstRtf = w.box(1)->textRtf();
        w.field<QToolButton>("picDown", 1)->click();
        QCOMPARE(w.box(2)->textRtf(), firstRtf);
        QCOMPARE(w.field<QLineEdit>("txtproductID", 1)->text(), QStringLiteral("2"));
        QCOMPARE(w.field<QLineEdit>("txtserial", 1)->text(), QStringLiteral("1"));
        w.field<QToolButton>("picUp", 2)->click();
        QCOMPARE(w.box(1)->textRtf(), firstRtf);
    }

    void exclusionBoxesHideTheirLines()
    {
        Window w(1);
        w.find<QLineEdit>("txtpaid")->setText(QStringLiteral("5.00"));
        w.find<QCheckBox>("chkPaidX")->click();
        QVERIFY(!w.find<QCheckBox>("chkPaidX")->isChecked());
        QCOMPARE(w.dialogs.shown().size(), 1);
        w.find<QLineEdit>("txtpaid")->clear();
        w.find<QCheckBox>("chkPaidX")->click();
        QVERIFY(w.find<QCheckBox>("chkPaidX")->isChecked());
        QVERIFY(w.find<QLineEdit>("txtpaid")->isReadOnly());
        QVERIFY(!w.find<QLabel>("lblpaid")->isVisible());
        w.find<QCheckBox>("chkTaxAmtX")->click();
        QVERIFY(!w.find<QLabel>("lblsubtotal")->isVisible());
        QVERIFY(w.text("txtsubtotal").isEmpty());
    }

    // Every refusal takes the same path here; the reasons are checked on the command.
    void multiLineRowsAreTall()
    {
        Window w;
        w.find<QCheckBox>("chkMultiLine")->click();
        QCOMPARE(w.settings.get(SettingsStore::MultiLine), QStringLiteral("1"));
        w.createRows(QStringLiteral("20"));
        QCOMPARE(w.dialogs.shownTexts().join(QString()),
                 QStringLiteral("Maximum of 19  rows allowed for multiline Description."));
        QCOMPARE(w.window->grid()->rowCount(), 0);
        QVERIFY(w.find<QComboBox>("txtnum")->currentText().isEmpty());
        w.createRows(19);
        QVERIFY(w.box(1)->height() >= 4 * w.field("txtproductID", 1)->height());
        QCOMPARE(w.field("txtproductID", 2)->y(), w.box(2)->y());
    }

    void closeQuestionFollowsRows()
    {
        Window w;
        w.window->close();
        QVERIFY(w.dialogs.shown().isEmpty());
        w.window->show();
        w.createRows(1);
        w.dialogs.setNextAnswer(DialogAnswer::Cancel);
        w.window->close();
        QCOMPARE(w.dialogs.shown().last().title, QStringLiteral("Close without saving"));
        QVERIFY(w.window->isVisible());
    }

    // The notes hold the focus first: a right-click on a description, here one of the rows a Create Rows
    // on the current document built again, must take the commands from them. Each command's effect is
    // checked on the menu. Focus on a product ID makes its row the one formatted, until a document opens.
    void menuFormatsTheClickedBoxOnly()
    {
        Window w(2);
        w.createRows(4, true);
        for (int n = 0; n <= 4; ++n)
            fill(w.box(n), QStringLiteral("text %1").arg(n));
        w.notes()->setFocus();
        QTRY_VERIFY(w.window->editor()->state().richTextTarget.notesHasFocus());
        QStringList before = w.allRtf();
        w.chooseFromMenu(w.box(4), "mnuitalic");
        QVERIFY(firstFormat(w.box(4)).italic);
        QVERIFY(!w.window->editor()->state().richTextTarget.notesHasFocus());
        QStringList after = w.allRtf();
        QVERIFY(after.takeAt(4) != before.takeAt(4));
        QCOMPARE(after, before);

        w.window->grid()->productId(3)->setFocus();
        QTRY_COMPARE(w.window->editor()->state().richTextTarget.currentDescRow(), 3);
        w.find<QMenu>("mnuEdit")->findChild<QAction*>(QStringLiteral("mnuitalic"))->trigger();
        QVERIFY(firstFormat(w.box(3)).italic);
        emit w.window->savedDocs()->openRequested(QString());
        QCOMPARE(w.window->editor()->state().richTextTarget.currentDescRow(), 0);
    }

    // The button puts the picture into the notes wherever the focus is; the menu's choice of box, refused
    // and cancelled pictures are checked on the menu commands.
    void imageButtonFillsTheNotes()
    {
        Window w(1);
        fill(w.box(0), QStringLiteral("abc"));
        fill(w.box(1), QStringLiteral("abc"));
        const QByteArray jpeg = QByteArray("\xFF\xD8\xFF\xC0\x00\x11\x08\x02\x58\x03\x20", 11) + QByteArray(10, 1);
        const QString path = TestSupport::writeFile(w.dir.filePath(QStringLiteral("picture.jpg")), jpeg);
        const QString tag = ImageTag::forFile(path).value_or(QString());
        QVERIFY(!tag.isEmpty());
        w.dialogs.setNextFile(path);
        w.box(1)->setFocus();
        w.find<QPushButton>("cmdaddImage")->click();
        QCOMPARE(w.dialogs.fileTitles(), QStringList{QStringLiteral("Please select the image file")});
        QCOMPARE(w.notes()->toPlainText(), QStringLiteral("\n") + tag);
        QCOMPARE(w.box(1)->toPlainText(), QStringLiteral("abc"));
        QVERIFY(w.dialogs.shown().isEmpty());
    }

    // The notes' own menu is reached here.
    void formattingSurvivesSaveAndOpen()
    {
        Window w(2);
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

        w.dialogs.setNextAnswer(DialogAnswer::Ok);
        w.createRows(2);  // a new blank document in between
        QVERIFY(w.allRtf() != saved);
        w.dialogs.setNextAnswer(DialogAnswer::Ok);
        emit w.window->savedDocs()->openRequested(QStringLiteral("RT-1"));
        QCOMPARE(w.allRtf(), saved);
        QVERIFY(firstFormat(w.box(2)).italic);
        QVERIFY(firstFormat(w.box(0)).strike);
    }
};

TW_TEST_MAIN(TestEditorWindow)
#include "tst_EditorWindow.moc"
