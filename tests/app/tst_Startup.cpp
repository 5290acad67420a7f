#include "TestSupport.h"
#include "app/CloseQuestion.h"
#include "app/Dialogs.h"
#include "app/PickLists.h"
#include "app/SingleInstanceLock.h"

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void secondInstanceIsRefusedUntilTheFirstEnds()
    {
        QTemporaryDir dir;
        const QString lockPath = dir.filePath(QStringLiteral("Tallywick.lock"));
        {
            SingleInstanceLock first(lockPath);
            QVERIFY(first.acquire());
            SingleInstanceLock again(lockPath);
            QVERIFY(!again.acquire());
            QVERIFY(first.acquire());
        }
        SingleInstanceLock next(lockPath);
        QVERIFY(next.acquire());
    }

    void closeQuestion_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<bool>("asked");
        QTest::newRow("no rows, no question") << 0 << int(DialogAnswer::Cancel) << int(CloseQuestion::Outcome::Close) << false;
        QTest::newRow("yes saves") << 1 << int(DialogAnswer::Yes) << int(CloseQuestion::Outcome::SaveThenClose) << true;
        QTest::newRow("no closes") << 3 << int(DialogAnswer::No) << int(CloseQuestion::Outcome::Close) << true;
        QTest::newRow("cancel stays") << 3 << int(DialogAnswer::Cancel) << int(CloseQuestion::Outcome::StayOpen) << true;
    }

    void closeQuestion()
    {
        QFETCH(int, rows);
        QFETCH(int, answer);
        QFETCH(int, outcome);
        QFETCH(bool, asked);
        ScriptedDialogs dialogs;
        dialogs.setNextAnswer(DialogAnswer(answer));
        QCOMPARE(int(CloseQuestion::ask(dialogs, rows)), outcome);
        QCOMPARE(dialogs.shown().size(), asked ? 1 : 0);
        if (asked) {
            const DialogRequest& shown = dialogs.shown().first();
            QCOMPARE(shown.title, QStringLiteral("Close without saving"));
            QCOMPARE(shown.text, QStringLiteral("There is an open document.\r\n\r\nSave before closing?  "));
            QCOMPARE(shown.buttons, DialogButtons::YesNoCancel);
        }
    }

    void pickLists_data()
    {
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::newRow("bill-to") << PickLists::billToTerms() << 11 << "To:" << "";
        QTest::newRow("ship-to") << PickLists::shipToTerms() << 11 << "Ship To:" << "";
        QTest::newRow("types") << PickLists::documentTypes() << 13 << "Invoice" << "Return Goods";
        QTest::newRow("charges") << PickLists::chargeNames() << 5 << "Delivery" << "Discount";
        QTest::newRow("currency") << PickLists::currencySymbols() << 4 << "$" << QStringLiteral("\u00a5");
        QTest::newRow("terms") << PickLists::paymentTerms() << 7 << "C.O.D." << "See Note below";
        QTest::newRow("tax") << PickLists::taxPercents() << 21 << "0" << "20";
        QTest::newRow("row counts") << PickLists::rowCounts() << 65 << "1" << "65";
        QTest::newRow("page rows") << PickLists::pageRows() << 99 << "2" << "100";
        QTest::newRow("discounts") << PickLists::discounts() << 10 << "5" << "50";
    }

    void pickLists()
    {
        QFETCH(QStringList, list);
        QFETCH(int, size);
        QFETCH(QString, first);
        QFETCH(QString, last);
        QCOMPARE(list.size(), size);
        QCOMPARE(list.first(), first);
        QCOMPARE(list.last(), last);
    }
};

TW_TEST_MAIN(TestStartup)
#include "tst_Startup.moc"
