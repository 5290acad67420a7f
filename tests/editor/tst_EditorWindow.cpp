#include "WindowFixture.h"
#include "richtext/ImageTag.h"
#include "richtext/widgets/RichTextBox.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLabel>

// The document's rows, totals, notes and their menu, driven as a person does through the keys and the
// mouse on the real main window.
class TestEditorWindow : public QObject
{
    Q_OBJECT

private slots:
    void imageGoesIntoTheNotes_data()
    {
        QTest::addColumn<bool>("viaButton");
        QTest::newRow("menu on the notes") << false;
        QTest::newRow("button, a description focused") << true;
    }

    // The menu's choice of box holds through the file chooser, which takes the focus meanwhile, and
    // the button fills the notes wherever the cursor is: the selection gives way to a line break and
    // the tag, and nothing follows the tag.
    void imageGoesIntoTheNotes()
    {
        QFETCH(bool, viaButton);
        WindowFixture w;
        w.dialogs.chooserTakesFocus = true;
        QVERIFY(w.loadAndShow(1));
        w.typeInto(w.field("txtdescription", 1), QStringLiteral("abc")); // row 1 is the current description row
        auto* notes = w.find<QTextEdit>("txtnotes");
        w.typeInto(notes, QStringLiteral("abc"));
        w.selectAll();
        const QByteArray jpeg = QByteArray("\xFF\xD8\xFF\xC0\x00\x11\x08\x02\x58\x03\x20", 11) + QByteArray(10, 1);
        const QString path = TestSupport::writeFile(w.dir.filePath(QStringLiteral("picture.jpg")), jpeg);
        const QString tag = ImageTag::forFile(path).value_or(QString());
        QVERIFY(!tag.isEmpty());
        w.dialogs.setNextFile(path);
        if (viaButton) {
            w.click(w.field("txtdescription", 1));
            w.click("cmdaddImage");
        } else {
            w.chooseFromMenu(notes, "mnuAddAnImage");
        }
        QTRY_COMPARE(w.dialogs.fileTitles(), QStringList{QStringLiteral("Please select the image file")});
        QCOMPARE(notes->toPlainText(), QStringLiteral("\n") + tag);
        QCOMPARE(w.text("txtdescription", 1), QStringLiteral("abc"));
        QVERIFY(w.dialogs.shown().isEmpty());
    }

    // A right-click on a description, here one of the rows a Create Rows on the current document built
    // again, formats that box only though the notes had the focus; the format survives a save and an open.
    void menuFormatsTheClickedBoxOnly()
    {
        WindowFixture w;
        QVERIFY(w.loadAndShow(2));
        w.click("optEdit");
        w.typeInto("txtnum", QStringLiteral("4"));
        w.click("cmdcreate");
        QCOMPARE(w.window->document().rowCount(), 4);
        w.typeInto("txtDocNumber", QStringLiteral("RT-1"));
        for (int row = 1; row <= 4; ++row)
            w.typeInto(w.field("txtdescription", row), QStringLiteral("text %1").arg(row));
        w.selectAll();
        w.typeInto("txtnotes", QStringLiteral("see notes"));
        const Document before = w.window->document();
        auto* box = w.field<RichTextBox>("txtdescription", 4);
        w.chooseFromMenu(box, "mnuitalic");
        QVERIFY(box->richText().paragraphs().at(0).runs.at(0).format.italic);
        Document formatted = w.window->document();
        const QString italic = formatted.rows.at(3).description;
        QVERIFY(italic != before.rows.at(3).description);
        formatted.rows[3].description = before.rows.at(3).description;
        QCOMPARE(formatted, before);

        w.key(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(w.storedRows(QStringLiteral("RT-1")), 4);
        const Document saved = w.window->document();
        QCOMPARE(saved.rows.at(3).description, italic);
        w.dialogs.setNextAnswer(DialogAnswer::Ok);
        w.createRows(1);
        w.dialogs.setNextAnswer(DialogAnswer::Ok);
        w.openByKeys(QStringLiteral("RT-1"));
        QCOMPARE(w.window->document(), saved);
    }

    // Ctrl+N builds the rows, the cursor in the first product ID and the arrows of the first and last
    // rows pointing inward only; once the rows pass the window's edge the page scrolls in twip steps.
    void newDocumentShowsItsRows()
    {
        WindowFixture w;
        QVERIFY(w.loadAndShow());
        QVERIFY(!w.find("Frame1")->isVisible());
        w.createRows(65);
        QVERIFY(w.dialogs.shown().isEmpty());
        QCOMPARE(w.window->document().rowCount(), 65);
        for (const char* name : {"txtserial", "txtproductID", "txtdescription", "cboqty", "txtprice", "cbodiscount",
                                 "txtamount"})
            QVERIFY2(w.field(name, 65)->isVisible(), name);
        QCOMPARE(w.focus(), w.field("txtproductID", 1));
        for (int row : {1, 65}) {
            QCOMPARE(w.field("picUp", row)->isVisible(), row == 65);
            QCOMPARE(w.field("picDown", row)->isVisible(), row == 1);
        }
        QCOMPARE(w.text("txtproductID", 7), QStringLiteral("7"));
        QCOMPARE(w.text("txttotal"), QStringLiteral("0.00"));
        QVERIFY(w.text("txtnum").isEmpty());
        QVERIFY(w.find("optEdit")->isEnabled());
        QVERIFY(w.find<QCheckBox>("chkTableBorder")->isChecked());
        QTRY_VERIFY(w.pageBar()->maximum() > 0);
        QCOMPARE(w.pageBar()->value(), 0);
        QCOMPARE(w.pageBar()->singleStep(), 19);
        QCOMPARE(w.pageBar()->pageStep(), 192);
    }

    // Calculate shows each row's amount and the totals; a pasted word stops it with the engine's
    // message, the rows before it calculated.
    void calculateShowsAmountsAndTotals()
    {
        WindowFixture w;
        QVERIFY(w.loadAndShow(2));
        w.typeInto(w.field("cboqty", 1), QStringLiteral("4"));
        w.typeInto(w.field("txtprice", 1), QStringLiteral("9.99"));
        w.typeInto(w.field("cbodiscount", 1), QStringLiteral("12.5"));
        w.typeInto("cboDocTaxPercent", QStringLiteral("10"));
        w.typeInto(w.field("txtprice", 2), QStringLiteral("1"));
        QApplication::clipboard()->setText(QStringLiteral("xyz"));
        w.key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(w.text("txtprice", 2), QStringLiteral("1xyz"));
        w.click("cmdcalculate");
        QCOMPARE(w.dialogs.shownTexts(), QStringList{QStringLiteral("Type mismatch 13")});
        QCOMPARE(w.text("txtamount", 1), QStringLiteral("34.97"));

        w.click(w.field("txtprice", 2));
        w.selectAll();
        w.key(Qt::Key_Backspace);
        w.click("cmdcalculate");
        QCOMPARE(w.dialogs.shown().size(), 1);
        QCOMPARE(w.text("txtsubtotal"), QStringLiteral("34.97"));
        QCOMPARE(w.text("txttaxAmt"), QStringLiteral("3.50"));
        QCOMPARE(w.text("txttotal"), QStringLiteral("38.47"));
        QCOMPARE(w.find<QLabel>("lbltaxpercent")->text(), QStringLiteral("Tax 10.00% :"));
        QVERIFY(w.window->document().rows.at(1).qtyGrey);
    }

    // The boxes that leave paid or tax off the page refuse while paid holds a value, then hide their lines.
    void exclusionBoxesHideTheirLines()
    {
        WindowFixture w;
        QVERIFY(w.loadAndShow(1));
        w.typeInto("txtpaid", QStringLiteral("5.00"));
        w.click("chkPaidX");
        QVERIFY(!w.find<QCheckBox>("chkPaidX")->isChecked());
        QCOMPARE(w.dialogs.shown().size(), 1);
        w.click("txtpaid");
        w.selectAll();
        w.key(Qt::Key_Backspace);
        w.click("chkPaidX");
        QVERIFY(w.find<QCheckBox>("chkPaidX")->isChecked());
        QVERIFY(w.find<QLineEdit>("txtpaid")->isReadOnly());
        QVERIFY(!w.find("lblpaid")->isVisible());
        w.click("chkTaxAmtX");
        QVERIFY(!w.find("lblsubtotal")->isVisible());
        QVERIFY(w.text("txtsubtotal").isEmpty());
    }

    // Row moves by their arrows carry the six contents; numbers and quantity colours stay in place.
    void rowArrowsMoveContents()
    {
        WindowFixture w;
        QVERIFY(w.loadAndShow(3));
        w.typeInto(w.field("txtdescription", 1), QStringLiteral("first"));
        w.typeInto(w.field("cboqty", 2), QStringLiteral("4"));
        w.click(w.field("txtprice", 3));  // the quantity box of row 2 loses the focus: no longer grey
        const Document before = w.window->document();
        QVERIFY(before.rows.at(0).qtyGrey && !before.rows.at(1).qtyGrey);
        w.click(w.field("picDown", 1));
        QCOMPARE(w.text("txtdescription", 2), QStringLiteral("first"));
        QCOMPARE(w.text("txtproductID", 1), QStringLiteral("2"));
        QCOMPARE(w.text("cboqty", 1), QStringLiteral("4"));
        QCOMPARE(w.text("txtserial", 1), QStringLiteral("1"));
        QVERIFY(w.window->document().rows.at(0).qtyGrey);
        w.click(w.field("picUp", 2));
        QCOMPARE(w.window->document(), before);
    }

    void typedKeysPassTheFieldFilters_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::newRow("price 1 2 a . 5") << "txtprice" << "12a.5" << "12.5";
        QTest::newRow("no comma in price") << "txtprice" << "1,5" << "15";
        QTest::newRow("quantity 3 . 5") << "cboqty" << "3.5" << "35";
        QTest::newRow("discount keeps the point") << "cbodiscount" << "7.5x" << "7.5";
        QTest::newRow("charges - 2 . 5 0") << "txtdelivery" << "-2.50" << "-250";
        QTest::newRow("paid") << "txtpaid" << "1a0" << "10";
        QTest::newRow("page rows take nothing") << "cbolines" << "7x." << "";
        // "^A" is Ctrl+A: select all, then the digits replace what was there.
        QTest::newRow("select all in price") << "txtprice" << "12^A3" << "3";
        QTest::newRow("select all in paid") << "txtpaid" << "45^A6" << "6";
    }

    void typedKeysPassTheFieldFilters()
    {
        QFETCH(QString, name);
        QFETCH(QString, keys);
        QFETCH(QString, text);
        WindowFixture w;
        QVERIFY(w.loadAndShow(1));
        const QByteArray objectName = name.toLatin1();
        QWidget* target = w.window->findChildren<QWidget*>(name).size() == 1 ? w.find(objectName.constData())
                                                                              : w.field(objectName.constData(), 1);
        w.click(target);
        w.closeOpenList();
        w.selectAll();
        w.key(Qt::Key_Backspace);
        const QStringList parts = keys.split(QStringLiteral("^A"));
        for (int i = 0; i < parts.size(); ++i) {
            if (i > 0)
                w.key(Qt::Key_A, Qt::ControlModifier);
            w.type(parts.at(i));
        }
        const QString shown = w.text(objectName.constData(), target->property("gridRow").isValid() ? 1 : 0);
        if (name == QLatin1String("cbolines"))
            QVERIFY(!shown.contains(QLatin1Char('x')) && !shown.contains(QLatin1Char('.')));
        else
            QCOMPARE(shown, text);
    }
};

TW_TEST_MAIN(TestEditorWindow)
#include "tst_EditorWindow.moc"
