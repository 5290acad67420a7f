#include "WindowFixture.h"
#include "core/AppPaths.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QWheelEvent>

namespace {

// The main window on its own database, driven only through the keys, the mouse and the wheel.
struct UserWindow : WindowFixture
{
    // One notch of the wheel over a point of the window, delivered as the window system delivers
    // it: a box that takes the focus from the wheel gets it, and a widget that ignores the wheel
    // leaves it to the one below.
    void wheelAt(const QPoint& at, int notches)
    {
        QWidget* under = window->childAt(at);
        QVERIFY(under);
        for (QWidget* w = under; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
            if (w->isEnabled() && (w->focusPolicy() & Qt::WheelFocus) == Qt::WheelFocus) {
                w->setFocus(Qt::MouseFocusReason);
                break;
            }
        }
        for (QWidget* w = under; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
            const QPointF local = w->mapFrom(window.get(), at);
            QWheelEvent wheel(local, window->mapToGlobal(QPointF(at)), QPoint(), QPoint(0, 120 * notches),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            wheel.setAccepted(true);
            const bool handled = QApplication::sendEvent(w, &wheel);
            if (handled && wheel.isAccepted())
                break;
        }
    }

    // A document of three rows saved under the number, the way a person writes one.
    void writeAndSave(const QString& number)
    {
        createRows(3);
        typeInto("txtDocNumber", number);
        typeInto("txtcus", QStringLiteral("Ann Lee"));
        for (int row = 1; row <= 3; ++row) {
            typeInto(field("txtproductID", row), QStringLiteral("P-%1").arg(row));
            typeInto(field("cboqty", row), QString::number(row));
            typeInto(field("txtprice", row), QStringLiteral("2.5"));
        }
        dialogs.clear();
        key(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(dialogs.shownTexts(), QStringList{QStringLiteral("Values updated and new document successfully saved.")});
        QCOMPARE(storedRows(number), 3);
        QCOMPARE(find<QLabel>("lblcurrentDocNum")->text(), number);
        QTRY_COMPARE(find<QLabel>("lbldocinfo")->text(), QStringLiteral("%1 files").arg(storedRows() / 3));
        dialogs.clear();
    }
};

QString shownTexts(const ScriptedDialogs& dialogs)
{
    return dialogs.shownTexts().join(QLatin1Char('|'));
}

} // namespace

class TestUserPaths : public QObject
{
    Q_OBJECT

private slots:
    // After opening, the opened document is the current one: a Create Rows on it keeps it, "New" asks
    // first, the page is back at the top with the cursor in the customer name.
    void openedDocumentIsCurrent()
    {
        UserWindow w;
        QVERIFY(w.loadAndShow());
        w.writeAndSave(QStringLiteral("A-1"));
        w.dialogs.setNextAnswer(DialogAnswer::Ok);
        w.createRows(2);
        QCOMPARE(w.window->document().rowCount(), 2);
        w.window->resize(1200, 400);
        QTRY_VERIFY(w.pageBar()->maximum() > 0);
        w.pageBar()->setValue(w.pageBar()->maximum());
        w.dialogs.clear();

        w.dialogs.setNextAnswer(DialogAnswer::Ok);  // closing the two-row document
        w.openByKeys(QStringLiteral("A-1"));
        QCOMPARE(w.dialogs.shown().size(), 1);
        QCOMPARE(w.text("txtproductID", 3), QStringLiteral("P-3"));
        QCOMPARE(w.pageBar()->value(), 0);
        QCOMPARE(w.focus(), w.find("txtcus"));
        QVERIFY(w.find<QRadioButton>("optEdit")->isEnabled());
        QVERIFY(w.find<QRadioButton>("optEdit")->isChecked());

        // The same count on the current document keeps every field.
        w.typeInto("txtnum", QStringLiteral("3"));
        w.click(w.find("cmdcreate"));
        QCOMPARE(w.dialogs.shown().size(), 1);
        QCOMPARE(w.text("txtcus"), QStringLiteral("Ann Lee"));
        QCOMPARE(w.text("txtproductID", 2), QStringLiteral("P-2"));

        // "New" asks; Cancel keeps the document.
        w.dialogs.setNextAnswer(DialogAnswer::Cancel);
        w.createRows(1);
        QCOMPARE(w.dialogs.shown().size(), 2);
        QCOMPARE(w.dialogs.shown().last().title, QStringLiteral("Any unsaved information will be lost."));
        QCOMPARE(w.window->document().rowCount(), 3);
        QCOMPARE(w.text("txtDocNumber"), QStringLiteral("A-1"));
    }

    // "Show MultiLine" is read when rows are built, opening included, whatever the row count, and is kept
    // in the settings.
    void openingUsesTheChosenDisplayMode()
    {
        UserWindow w;
        QVERIFY(w.loadAndShow());
        w.writeAndSave(QStringLiteral("M-1"));
        const int singleHeight = w.field("txtdescription", 1)->height();
        w.click(w.find("chkMultiLine"));
        QVERIFY(w.find<QCheckBox>("chkMultiLine")->isChecked());
        QCOMPARE(w.settings.get(SettingsStore::MultiLine), QStringLiteral("1"));
        w.dialogs.setNextAnswer(DialogAnswer::Ok);
        w.openByKeys(QStringLiteral("M-1"));
        QCOMPARE(w.window->document().rowCount(), 3);
        QVERIFY(w.field("txtdescription", 1)->height() >= 4 * singleHeight);
        QCOMPARE(w.field("txtproductID", 2)->y(), w.field("txtdescription", 2)->y());
        // More rows than this mode allows are refused, the count emptied and the document kept.
        w.dialogs.clear();
        w.createRows(20);
        QCOMPARE(w.dialogs.shownTexts(), QStringList{QStringLiteral("Maximum of 19  rows allowed for multiline Description.")});
        QCOMPARE(w.window->document().rowCount(), 3);
        QVERIFY(w.text("txtnum").isEmpty());
    }

    void listOpensTheChosenDocument_data()
    {
        QTest::addColumn<int>("enterKey"); // 0: the entry is clicked in the list that opens on Ctrl+O
        QTest::newRow("main Enter") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
        QTest::newRow("entry clicked") << 0;
    }

    void listOpensTheChosenDocument()
    {
        QFETCH(int, enterKey);
        UserWindow w;
        QVERIFY(w.loadAndShow());
        w.writeAndSave(QStringLiteral("E-1"));
        w.dialogs.setNextAnswer(DialogAnswer::Ok);
        w.createRows(1);
        w.dialogs.setNextAnswer(DialogAnswer::Ok);
        if (enterKey) {
            w.openByKeys(QStringLiteral("E-1"), enterKey);
        } else {
            w.key(Qt::Key_O, Qt::ControlModifier);
            QTRY_VERIFY(QApplication::activePopupWidget());
            QAbstractItemView* view = w.find<QComboBox>("cboDocNumber")->view();
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(0, 0)).center());
        }
        QTRY_COMPARE(w.window->document().rowCount(), 3);
        QCOMPARE(w.find<QLabel>("lblcurrentDocNum")->text(), QStringLiteral("E-1"));
        QCOMPARE(w.text("cboDocNumber"), QString());
    }

    // Delete asks first; yes removes the stored rows and leaves a fresh one-row document.
    void deleteAsksThenStartsAfresh()
    {
        UserWindow w;
        QVERIFY(w.loadAndShow());
        w.writeAndSave(QStringLiteral("D-1"));
        w.dialogs.setNextAnswer(DialogAnswer::Yes);
        w.click("cmddeletePO");
        QCOMPARE(w.dialogs.shown().first().title, QStringLiteral("Confirm Delete?"));
        QCOMPARE(w.storedRows(), 0);
        QCOMPARE(w.window->document().rowCount(), 1);
        QTRY_COMPARE(w.find<QLabel>("lbldocinfo")->text(), QStringLiteral("0 files"));
    }

    void wheelOverTheFieldsScrollsThePage_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("row");
        QTest::newRow("quantity") << "cboqty" << 5;
        QTest::newRow("discount") << "cbodiscount" << 5;
        QTest::newRow("price") << "txtprice" << 5;
        QTest::newRow("tax rate") << "cboDocTaxPercent" << 0;
        QTest::newRow("terms") << "cboPaymentTerm" << 0;
        QTest::newRow("document type") << "cboDoc" << 0;
        QTest::newRow("date") << "DTPicker1" << 0;
    }

    // The wheel over a field that does not have the focus scrolls the page; the document is unchanged.
    void wheelOverTheFieldsScrollsThePage()
    {
        QFETCH(QString, name);
        QFETCH(int, row);
        UserWindow w;
        QVERIFY(w.loadAndShow(40));
        w.window->resize(1200, 500);
        QTRY_VERIFY(w.pageBar()->maximum() > 0);
        QWidget* target = row > 0 ? w.field(name.toLatin1().constData(), row) : w.find(name.toLatin1().constData());
        QVERIFY(target);
        const Document before = w.window->document();
        const QPoint at = w.pointOf(target);
        const int scrolled = w.pageBar()->value();
        const int notches = scrolled > 0 ? 1 : -1;  // towards the side the page can still go
        w.wheelAt(at, notches);
        QVERIFY2(w.pageBar()->value() != scrolled, "the page did not scroll");
        QCOMPARE(w.window->document(), before);
        QVERIFY(!QApplication::activePopupWidget());
    }

    // A box the user is typing in may take the wheel.
    void focusedQuantityTakesTheWheel()
    {
        UserWindow w;
        QVERIFY(w.loadAndShow(3));
        w.click(w.field("cboqty", 2));
        const QString before = w.text("cboqty", 2);
        w.wheelAt(w.pointOf(w.field("cboqty", 2)), -1);
        QVERIFY(w.text("cboqty", 2) != before);
    }

    void saveWithoutADocumentRefuses_data()
    {
        QTest::addColumn<bool>("button");
        QTest::newRow("Ctrl+S") << false;
        QTest::newRow("Save File button") << true;
    }

    void saveWithoutADocumentRefuses()
    {
        QFETCH(bool, button);
        UserWindow w;
        QVERIFY(w.loadAndShow());
        QVERIFY(!w.find("cmdsave")->isVisible()); // the row-save button shows with the rows
        if (button)
            w.click("cmdSave2");
        else
            w.key(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(w.dialogs.shownTexts(), QStringList{QStringLiteral("Please open or start a document.  ")});
        QCOMPARE(w.dialogs.shown().first().icon, DialogIcon::Critical);
        QCOMPARE(w.storedRows(), 0);
    }

    // A quantity the stored column cannot hold is named with its row and the limit; nothing is written.
    void quantityBeyondTheColumnIsNamed()
    {
        UserWindow w;
        QVERIFY(w.loadAndShow(2));
        w.typeInto("txtDocNumber", QStringLiteral("Q-1"));
        w.typeInto(w.field("cboqty", 2), QStringLiteral("40000"));
        w.dialogs.clear();
        w.key(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(w.dialogs.shown().size(), 1);
        const QString message = w.dialogs.shownTexts().first();
        QVERIFY2(message.contains(QLatin1String("Qty")) && message.contains(QLatin1String("row 2"))
                     && message.contains(QLatin1String("40000")) && message.contains(QLatin1String("32767")),
                 qPrintable(message));
        QVERIFY(!message.contains(QLatin1String("non-number")));
        QCOMPARE(w.storedRows(), 0);
    }

    // Closing asks only while a document is open; Cancel keeps the window.
    void closeQuestionFollowsRows()
    {
        UserWindow w;
        QVERIFY(w.loadAndShow());
        QVERIFY(w.window->close());
        QVERIFY(w.dialogs.shown().isEmpty());
        w.window->show();
        w.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        w.createRows(1);
        w.dialogs.setNextAnswer(DialogAnswer::Cancel);
        QVERIFY(!w.window->close());
        QCOMPARE(w.dialogs.shown().last().title, QStringLiteral("Close without saving"));
        QVERIFY(w.window->isVisible());
    }

    // Every field filled by typing and clicking survives a save and an open, and saving the opened
    // document again replaces its rows without a question.
    void saveOpenSaveKeepsEveryField()
    {
        UserWindow w;
        QVERIFY(w.loadAndShow(2));
        w.typeInto("cboDoc", QStringLiteral("Quotation"));
        w.typeInto("txtDocNumber", QStringLiteral("R-1"));
        w.click(w.find("DTPicker1"));
        w.key(Qt::Key_Up);
        w.typeInto("cboPaymentTerm", QStringLiteral("Credit"));
        w.typeInto("txtsaleperson", QStringLiteral("Bo"));
        w.typeInto("cboCus", QStringLiteral("Buyer:"));
        w.typeInto("txtcus", QStringLiteral("O'Brien & Co"));
        w.typeInto("txtaddress", QStringLiteral("1 Quay St"));
        w.key(Qt::Key_Return);
        w.type(QStringLiteral("Cork"));
        w.typeInto("cboShip", QStringLiteral("Deliver To:"));
        w.typeInto("txtcusShip", QStringLiteral("Dock 4"));
        w.typeInto("txtaddressShip", QStringLiteral("Pier Rd"));
        for (int row = 1; row <= 2; ++row) {
            w.typeInto(w.field("txtproductID", row), QStringLiteral("ID-%1").arg(row));
            w.typeInto(w.field("txtdescription", row), QStringLiteral("Item | %1").arg(row));
            w.typeInto(w.field("cboqty", row), QString::number(row + 1));
            w.typeInto(w.field("txtprice", row), QStringLiteral("10.5"));
            w.typeInto(w.field("cbodiscount", row), QStringLiteral("5"));
        }
        w.typeInto("cbodelivery", QStringLiteral("Handling"));
        w.typeInto("txtdelivery", QStringLiteral("7"));
        w.click(w.find("chktaxable"));
        w.click(w.find("chkGoodsRcvd"));
        w.click(w.find("chkPrintBarcode"));
        w.typeInto("cboDocTaxPercent", QStringLiteral("6"));
        w.typeInto("txtpaid", QStringLiteral("3"));
        w.typeInto("txtnotes", QStringLiteral("Thanks"));
        w.click(w.find("cmdcalculate"));
        w.dialogs.clear();
        w.key(Qt::Key_S, Qt::ControlModifier);
        QVERIFY2(shownTexts(w.dialogs).startsWith(QLatin1String("Values updated and new document successfully saved.")),
                 qPrintable(shownTexts(w.dialogs)));
        const Document saved = w.window->document();
        QCOMPARE(saved.docType, QStringLiteral("Quotation"));
        QVERIFY(saved.docDate != QDate::currentDate());
        QCOMPARE(saved.rows.at(1).qty, QStringLiteral("3"));

        w.dialogs.setNextAnswer(DialogAnswer::Ok);
        w.createRows(1);
        QVERIFY(w.window->document() != saved);
        w.dialogs.setNextAnswer(DialogAnswer::Ok);
        w.openByKeys(QStringLiteral("R-1"));
        QCOMPARE(w.window->document(), saved);

        w.dialogs.clear();
        w.key(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(w.dialogs.shown().size(), 1);
        QVERIFY(w.dialogs.shownTexts().first().startsWith(QLatin1String("Values updated and document successfully saved.")));
        QCOMPARE(w.storedRows(QStringLiteral("R-1")), 2);
        QCOMPARE(w.window->document(), saved);
    }

    // After "Create New Database" the settings page names the new file: compaction backs that one up
    // and compacts it, while the message names the database in use.
    void compactionWorksOnTheFileTheSettingsName()
    {
        UserWindow w;
        QVERIFY(w.loadAndShow());
        const QString created = QDir(AppPaths::dataFolder()).filePath(QStringLiteral("Company.mdb"));
        const QString suffix = QLatin1Char('_') + QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
        auto removeFiles = [&] {
            for (const QString& file : {created, created + suffix, w.defaultDatabase() + suffix})
                QFile::remove(file);
        };
        removeFiles();
        w.click(w.find("chkshowsettings"));
        QTabBar* tabs = w.find<QTabWidget>("SSTab1")->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        w.click(w.find("cmdCreateDb"));
        QCOMPARE(w.text("txtDb"), created);
        w.dialogs.clear();
        w.click(w.find("cmdcompact"));
        const bool createdBackedUp = QFile::exists(created + suffix);
        const bool openBackedUp = QFile::exists(w.defaultDatabase() + suffix);
        removeFiles();
        QVERIFY2(createdBackedUp && !openBackedUp, qPrintable(shownTexts(w.dialogs)));
        QVERIFY2(w.dialogs.shownTexts().last().startsWith(w.defaultDatabase() + QStringLiteral(" has been successfully compacted.")),
                 qPrintable(shownTexts(w.dialogs)));
        QVERIFY(w.database.isOpen());
    }

    // An unexpected error while loading is shown plainly with its number, and the loading ends there.
    void loadErrorStopsTheLoading()
    {
        UserWindow w;
        QVERIFY(w.database.create(w.defaultDatabase()));
        // A company row that the engine fails to read.
        const SqlResult broken = w.database.execute(
            QStringLiteral("ALTER TABLE tblcompany ADD COLUMN Broken INTEGER AS (abs(-9223372036854775807 - 1))"));
        QVERIFY2(broken.ok, qPrintable(broken.error));
        w.database.close();
        QVERIFY(w.loadAndShow());
        QCOMPARE(w.dialogs.shown().size(), 1);
        QCOMPARE(w.dialogs.shown().first().icon, DialogIcon::None);
        QVERIFY2(w.dialogs.shownTexts().first().endsWith(QStringLiteral(" -2147467259")), qPrintable(shownTexts(w.dialogs)));
        QCOMPARE(w.text("cboDocNumber"), QString());  // the list was never filled
        QCOMPARE(w.find<QLabel>("lbldocinfo")->text(), QStringLiteral("No. of Files"));
    }
};

TW_TEST_MAIN(TestUserPaths)
#include "tst_UserPaths.moc"
