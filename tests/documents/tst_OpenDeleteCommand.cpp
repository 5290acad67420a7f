#include "StoreFixture.h"
#include "TestSupport.h"
#include "documents/DeleteCommand.h"
#include "documents/OpenCommand.h"
#include "documents/SavedDocsList.h"

class TestOpenDeleteCommand : public QObject
{
    Q_OBJECT

private slots:
    void openCancelledLeavesEverything()
    {
        StoreFixture f;
        f.store(sampleDocument(QStringLiteral("O-1")));
        f.dialogs.setNextAnswer(DialogAnswer::Cancel);
        const OpenCommand::Result result = f.open(QStringLiteral("O-1"), true);
        QCOMPARE(result.outcome, OpenCommand::Outcome::Cancelled);
        QVERIFY(!result.clearListText);
        const DialogRequest& question = f.dialogs.shown().first();
        QCOMPARE(question.text, QStringLiteral("Do you wish to close the current document?\r\n\r\nAny unsaved "
                                               "information will be lost. Continue?  "));
        QCOMPARE(question.title, QStringLiteral("Any unsaved information will be lost."));
        QCOMPARE(question.defaultButton, DialogAnswer::Cancel);
    }

    void openWithNothingOpenAsksNothing()
    {
        StoreFixture f;
        f.store(sampleDocument(QStringLiteral("O-2"), 4));
        // A list entry: the number padded to 30, then the type and the rest.
        const OpenCommand::Result result =
            f.open(QStringLiteral("O-2").leftJustified(30) + QStringLiteral("  Invoice  ..."));
        QCOMPARE(result.outcome, OpenCommand::Outcome::Opened);
        QVERIFY(f.dialogs.shown().isEmpty());
        QVERIFY(result.clearListText);
        QCOMPARE(result.document.rowCount(), 4);
        QCOMPARE(result.document.currentDocNumber, QStringLiteral("O-2"));
    }

    void openNothingSeparatorOrUnknown()
    {
        StoreFixture f;
        for (const QString& text : {QString(), SavedDocsList::separatorLine()}) {
            const OpenCommand::Result result = f.open(text, true);
            QCOMPARE(result.outcome, OpenCommand::Outcome::Ignored);
            QVERIFY(result.clearListText);
            QVERIFY(f.dialogs.shown().isEmpty());
        }
        QCOMPARE(f.open(QStringLiteral("NOPE"), true).outcome, OpenCommand::Outcome::NotFound);
        QCOMPARE(f.dialogs.shownTexts(), QStringList{QStringLiteral("There is no record of this document number.")});
        QCOMPARE(f.dialogs.shown().first().icon, DialogIcon::None);
    }

    void storedFlags_data()
    {
        QTest::addColumn<QString>("stored"); // "NULL" for a missing value
        QTest::addColumn<bool>("before");
        QTest::addColumn<bool>("after");
        QTest::newRow("Yes ticks") << "'Yes'" << false << true;
        QTest::newRow("No unticks") << "'No'" << true << false;
        QTest::newRow("empty unticks") << "''" << true << false;
        QTest::newRow("missing unticks") << "NULL" << true << false;
        QTest::newRow("other leaves ticked") << "'Maybe'" << true << true;
        QTest::newRow("other leaves unticked") << "'Maybe'" << false << false;
    }

    void storedFlags()
    {
        QFETCH(QString, stored);
        QFETCH(bool, before);
        QFETCH(bool, after);
        StoreFixture f;
        f.store(sampleDocument(QStringLiteral("F-1")));
        QVERIFY(f.db.execute(QStringLiteral("UPDATE tbldoc SET HideTax = %1, HidePaid = %1, NoDisc = %1, "
                                            "GoodsRcvd = %1, DeliveryTaxable = %1, PrintBarcode = %1")
                                 .arg(stored))
                    .ok);
        Document current;
        current.options.hideTax = current.options.hidePaid = current.options.noDiscount = before;
        current.options.goodsReceived = current.options.printBarcode = current.chargesTaxable = before;
        const Document opened = f.open(QStringLiteral("F-1"), false, current).document;
        const DocumentOptions& o = opened.options;
        const QList<bool> flags{o.hideTax, o.hidePaid, o.noDiscount, o.goodsReceived, o.printBarcode,
                                opened.chargesTaxable, !opened.rows.first().discountEnabled};
        QCOMPARE(flags, QList<bool>(flags.size(), after));
    }

    void missingValuesReadAsEmpty()
    {
        StoreFixture f;
        f.store(sampleDocument(QStringLiteral("M-1"), 1));
        QVERIFY(f.db.execute(QStringLiteral("UPDATE tbldoc SET ShipTo = NULL, BillTo = NULL, DocType = NULL, "
                                            "Notes = NULL, Price = NULL, ProductID = NULL, SalePerson = NULL"))
                    .ok);
        const Document opened = f.open(QStringLiteral("M-1")).document;
        const QStringList texts{opened.shipToTerm, opened.billToTerm, opened.docType, opened.notes,
                                opened.salePerson, opened.rows.first().productId};
        QCOMPARE(texts, QStringList(texts.size(), QString()));
    }

    void deleteWithNothingOpen()
    {
        StoreFixture f;
        f.store(sampleDocument(QStringLiteral("D-1")));
        bool created = false;
        DeleteCommand command(f.db, f.dialogs);
        command.setHooks({[&] { created = true; }, {}});
        QCOMPARE(command.remove(QStringLiteral("   ")).outcome, DeleteCommand::Outcome::Refused);
        QCOMPARE(f.dialogs.shownTexts(), QStringList{QStringLiteral("There is no opened document to delete.")});
        QCOMPARE(f.dialogs.shown().first().title, QStringLiteral("Need a document number to delete"));
        QCOMPARE(f.dialogs.shown().first().icon, DialogIcon::Exclamation);
        QCOMPARE(f.allRows(), 3);
        QVERIFY(!created);
    }

    void deleteAsksFirst_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("deleted");
        QTest::newRow("no") << int(DialogAnswer::No) << false;
        QTest::newRow("yes") << int(DialogAnswer::Yes) << true;
    }

    void deleteAsksFirst()
    {
        QFETCH(int, answer);
        QFETCH(bool, deleted);
        StoreFixture f;
        f.store(sampleDocument(QStringLiteral("D-1")));
        f.store(sampleDocument(QStringLiteral("D-2")));
        QStringList steps;
        DeleteCommand command(f.db, f.dialogs);
        command.setHooks({[&] { steps << QStringLiteral("new row"); }, [&] { steps << QStringLiteral("list"); }});
        f.dialogs.setNextAnswer(DialogAnswer(answer));
        QCOMPARE(command.remove(QStringLiteral("D-1")).outcome,
                 deleted ? DeleteCommand::Outcome::Deleted : DeleteCommand::Outcome::Refused);
        const DialogRequest& question = f.dialogs.shown().first();
        QCOMPARE(question.text,
                 QStringLiteral("Are you sure you want to delete the current SAVED document  \"D-1\" ?"));
        QCOMPARE(question.title, QStringLiteral("Confirm Delete?"));
        QCOMPARE(question.defaultButton, DialogAnswer::No);
        QCOMPARE(f.rowsOf(QStringLiteral("D-1")).size(), deleted ? 0 : 3);
        QCOMPARE(f.rowsOf(QStringLiteral("D-2")).size(), 3);
        QCOMPARE(steps, deleted ? (QStringList{QStringLiteral("new row"), QStringLiteral("list")}) : QStringList());
    }
};

TW_TEST_MAIN(TestOpenDeleteCommand)
#include "tst_OpenDeleteCommand.moc"
