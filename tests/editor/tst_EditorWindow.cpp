#include "WindowFixture.h"
#include "editor/widgets/EditorController.h"
#include "editor/widgets/GridPanel.h"
#include "richtext/widgets/RichTextBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>

namespace {

// One main window, shown, reading numbers in English form.
struct Window : WindowFixture
{
    Window()
    {
        make();
        window->editor()->setNumberLocale(QLocale(QStringLiteral("en_US")));
        window->resize(1200, 800);
        window->show();
    }

    void createRows(const QString& count)
    {
        auto* box = find<QComboBox>("txtnum");
        box->setEditText(count);
        find<QPushButton>("cmdcreate")->click();
    }

    QWidget* rowField(const char* name, int row) const
    {
        for (QWidget* field : window->grid()->findChildren<QWidget*>(QLatin1String(name))) {
            if (field->property("gridRow").toInt() == row)
                return field;
        }
        return nullptr;
    }

    void calculate() { find<QPushButton>("cmdcalculate")->click(); }
};

} // namespace

class TestEditorWindow : public QObject
{
    Q_OBJECT

private slots:
    void gridAppearsWithItsRows()
    {
        Window w;
        QVERIFY(!w.window->grid()->isVisible());
        w.createRows(QStringLiteral("10"));
        QVERIFY(w.dialogs.shown().isEmpty());
        QCOMPARE(w.window->grid()->rowCount(), 10);
        QVERIFY(w.window->grid()->isVisible());
        for (const char* name : {"txtserial", "txtproductID", "txtdescription", "cboqty", "txtprice", "cbodiscount",
                                 "txtamount"})
            QVERIFY2(w.rowField(name, 10)->isVisible(), name);
        QCOMPARE(w.window->focusWidget(), w.rowField("txtproductID", 1));
        QVERIFY(w.window->document().options.tableBorders);
        QVERIFY(!w.rowField("picUp", 1)->isVisibleTo(w.window->grid()));
        QVERIFY(w.rowField("picDown", 1)->isVisibleTo(w.window->grid()));
        QVERIFY(w.rowField("picUp", 10)->isVisibleTo(w.window->grid()));
        QVERIFY(!w.rowField("picDown", 10)->isVisibleTo(w.window->grid()));
        QCOMPARE(w.rowField("picDown", 3)->toolTip(), QStringLiteral("Move row down"));
        QCOMPARE(static_cast<QLineEdit*>(w.rowField("txtproductID", 7))->text(), QStringLiteral("7"));
        QCOMPARE(w.find<QLineEdit>("txtDocNumber")->text().size(), 12);
        QCOMPARE(w.find<QLineEdit>("txttotal")->text(), QStringLiteral("0.00"));
        QVERIFY(w.find<QComboBox>("txtnum")->currentText().isEmpty());
        QVERIFY(w.find<QWidget>("optEdit")->isEnabled());
        QCOMPARE(w.window->document().rowCount(), 10);
    }

    void refusedCountIsEmptiedAndNothingIsBuilt_data()
    {
        QTest::addColumn<QString>("count");
        QTest::newRow("letters") << QStringLiteral("abc");
        QTest::newRow("negative") << QStringLiteral("-4");
        QTest::newRow("too many") << QStringLiteral("66");
    }

    void refusedCountIsEmptiedAndNothingIsBuilt()
    {
        QFETCH(QString, count);
        Window w;
        w.createRows(count);
        QCOMPARE(w.dialogs.shown().size(), 1);
        QCOMPARE(w.window->grid()->rowCount(), 0);
        QVERIFY(w.find<QComboBox>("txtnum")->currentText().isEmpty());
    }

    void calculateShowsAmountsAndTotals()
    {
        Window w;
        w.createRows(QStringLiteral("2"));
        static_cast<QComboBox*>(w.rowField("cboqty", 1))->setEditText(QStringLiteral("4"));
        static_cast<QLineEdit*>(w.rowField("txtprice", 1))->setText(QStringLiteral("9.99"));
        static_cast<QComboBox*>(w.rowField("cbodiscount", 1))->setEditText(QStringLiteral("12.5"));
        w.find<QComboBox>("cboDocTaxPercent")->setEditText(QStringLiteral("10"));
        w.calculate();
        QCOMPARE(static_cast<QLineEdit*>(w.rowField("txtamount", 1))->text(), QStringLiteral("34.97"));
        QCOMPARE(w.find<QLineEdit>("txtsubtotal")->text(), QStringLiteral("34.97"));
        QCOMPARE(w.find<QLineEdit>("txttaxAmt")->text(), QStringLiteral("3.50"));
        QCOMPARE(w.find<QLineEdit>("txttotal")->text(), QStringLiteral("38.47"));
        QCOMPARE(w.find<QLabel>("lbltaxpercent")->text(), QStringLiteral("Tax 10.00% :"));
        QCOMPARE(w.rowField("cboqty", 2)->property("grey").toBool(), true);
    }

    void pastedLettersAreReported()
    {
        Window w;
        w.createRows(QStringLiteral("2"));
        auto* price = static_cast<QLineEdit*>(w.rowField("txtprice", 2));
        price->setText(QStringLiteral("12"));
        price->setFocus();
        price->selectAll();
        QTest::keyClicks(price, QStringLiteral("1a.5"));
        QCOMPARE(price->text(), QStringLiteral("1.5"));
        price->insert(QStringLiteral("xyz"));  // what a paste leaves
        w.calculate();
        QCOMPARE(w.dialogs.shownTexts().last(), QStringLiteral("Type mismatch 13"));
        QCOMPARE(static_cast<QLineEdit*>(w.rowField("txtamount", 1))->text(), QStringLiteral("0.00"));
    }

    void rowMoveKeepsRichTextAndColours()
    {
        Window w;
        w.createRows(QStringLiteral("3"));
        auto* first = static_cast<RichTextBox*>(w.rowField("txtdescription", 1));
        first->setTextRtf(QStringLiteral("first row"));
        const QString firstRtf = first->textRtf();
        static_cast<QComboBox*>(w.rowField("cboqty", 2))->setEditText(QStringLiteral("5"));
        w.calculate();
        QVERIFY(w.rowField("cboqty", 1)->property("grey").toBool());
        static_cast<QToolButton*>(w.rowField("picDown", 1))->click();
        QCOMPARE(static_cast<RichTextBox*>(w.rowField("txtdescription", 2))->textRtf(), firstRtf);
        QCOMPARE(static_cast<QLineEdit*>(w.rowField("txtproductID", 1))->text(), QStringLiteral("2"));
        QCOMPARE(static_cast<QLineEdit*>(w.rowField("txtserial", 1))->text(), QStringLiteral("1"));
        QVERIFY(w.rowField("cboqty", 1)->property("grey").toBool());  // until the next calculation
        static_cast<QToolButton*>(w.rowField("picUp", 2))->click();
        QCOMPARE(static_cast<RichTextBox*>(w.rowField("txtdescription", 1))->textRtf(), firstRtf);
    }

    void exclusionBoxesHideTheirLines()
    {
        Window w;
        w.createRows(QStringLiteral("1"));
        w.find<QLineEdit>("txtpaid")->setText(QStringLiteral("5.00"));
        w.find<QCheckBox>("chkPaidX")->click();
        QVERIFY(!w.find<QCheckBox>("chkPaidX")->isChecked());
        QCOMPARE(w.dialogs.shown().last().icon, DialogIcon::Critical);
        w.find<QLineEdit>("txtpaid")->clear();
        w.find<QCheckBox>("chkPaidX")->click();
        QVERIFY(w.find<QCheckBox>("chkPaidX")->isChecked());
        QVERIFY(w.find<QLineEdit>("txtpaid")->isReadOnly());
        QVERIFY(!w.find<QLabel>("lblpaid")->isVisible());
        w.find<QCheckBox>("chkTaxAmtX")->click();
        QVERIFY(!w.find<QLabel>("lblsubtotal")->isVisible());
        QVERIFY(w.find<QLineEdit>("txtsubtotal")->text().isEmpty());
    }

    void multiLineRowsAreTall()
    {
        Window w;
        w.find<QCheckBox>("chkMultiLine")->click();
        QCOMPARE(w.settings.get(SettingsStore::MultiLine), QStringLiteral("1"));
        w.createRows(QStringLiteral("20"));
        QCOMPARE(w.dialogs.shownTexts().last(),
                 QStringLiteral("Maximum of 19  rows allowed for multiline Description."));
        w.createRows(QStringLiteral("19"));
        QCOMPARE(w.window->grid()->rowCount(), 19);
        const int tall = w.rowField("txtdescription", 1)->height();
        QVERIFY(tall >= 4 * w.rowField("txtproductID", 1)->height());
        QCOMPARE(w.rowField("txtproductID", 2)->y(), w.rowField("txtdescription", 2)->y());
    }

    void pageScrollsInTwipSteps()
    {
        Window w;
        w.createRows(QStringLiteral("65"));
        w.window->resize(1200, 700);
        QTest::qWait(50);
        QScrollBar* bar = w.find<QScrollArea>("PicOuter")->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), 0);
        QCOMPARE(bar->singleStep(), 19);
        QCOMPARE(bar->pageStep(), 192);
    }

    void closeQuestionFollowsRows()
    {
        Window w;
        w.window->close();
        QVERIFY(w.dialogs.shown().isEmpty());
        w.window->show();
        w.createRows(QStringLiteral("1"));
        w.dialogs.setNextAnswer(DialogAnswer::Cancel);
        w.window->close();
        QCOMPARE(w.dialogs.shown().last().title, QStringLiteral("Close without saving"));
        QVERIFY(w.window->isVisible());
    }
};

TW_TEST_MAIN(TestEditorWindow)
#include "tst_EditorWindow.moc"
