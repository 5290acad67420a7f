#include "StoreFixture.h"
#include "TestSupport.h"
#include "documents/OpenCommand.h"
#include "documents/SaveCommand.h"
#include "editor/DocumentJson.h"

namespace {

// Every field the record keeps, with texts that trouble SQL built as text.
Document everyField()
{
    Document doc = sampleDocument(QStringLiteral("INV-#1"), 2);
    doc.docType = QStringLiteral("Commercial Invoice");
    doc.paymentTerm = QStringLiteral("30 days | net");
    doc.salePerson = QStringLiteral("Ann \"the boss\"");
    doc.billToTerm = QStringLiteral("Sold To:");
    doc.billToName = QStringLiteral("O'Brien Ltd");
    doc.billToAddress = QStringLiteral("1 Quay St #4\r\nCork | IE");
    doc.shipToTerm = QStringLiteral("Ship To:");
    doc.shipToName = QStringLiteral("Dock 'B'");
    doc.shipToAddress = QStringLiteral("Pier 9\r\nCobh");
    doc.rows[0].description = QStringLiteral("{\\rtf1\\ansi {\\b bold} it's | #5 \"q\"\\par}");
    doc.rows[0].qty = QStringLiteral("3");
    doc.rows[0].price = QStringLiteral("9.99");
    doc.rows[0].discount = QStringLiteral("10.00");
    doc.rows[0].amount = QStringLiteral("26.97");
    doc.rows[1].productId = QStringLiteral("X|Y'#");
    doc.chargesName = QStringLiteral("Handling");
    doc.chargesAmount = QStringLiteral("1,250.00");
    doc.chargesTaxable = false;
    doc.paid = QStringLiteral("5.00");
    doc.total = QStringLiteral("2,000.00");
    doc.notes = QStringLiteral("{\\rtf1 Thanks, O'Brien! #1 | \"x\"}");
    doc.options.hideTax = doc.options.hidePaid = doc.options.goodsReceived = doc.options.printBarcode = true;
    return doc;
}

} // namespace

class TestSaveCommand : public QObject
{
    Q_OBJECT

private slots:
    void insertStatementIsWrittenExactly()
    {
        Document doc = sampleDocument(QStringLiteral(" Q'1 "), 1);
        doc.billToName = QStringLiteral("O'Brien");
        doc.rows[0].price = QStringLiteral("1,250.00");
        doc.paid = QStringLiteral("1,000.50");
        doc.options.hidePaid = true;
        const QString sql = DocStatements::insertRow(doc, 0, QDate(2026, 3, 1), QLocale(QLocale::English)).sql;
        QCOMPARE(sql, QStringLiteral(
            "INSERT INTO tbldoc (CompanyName,Address,Docnumber,DocDate,PaymentTerm,Serial,ProductID,Description,Qty,"
            "Price,Discount,Amount,SaveDate,Notes,Paid,Total,HideTax,SalePerson,HidePaid,NoDisc,GoodsRcvd,DocType,"
            "Delivery,DeliveryName,DeliveryTaxable,PrintBarcode,ShipTo,ShipToCus,ShipToAddress,BillTo)"
            "VALUES ('O''Brien', '', 'Q''1', #4-Dec-2026#, '', 1, 'P-1', '{\\rtf1 item 1}', 1, 1250, 0, 10, "
            "#1-Mar-2026#, '', 1000.5, 0, 'No', '', 'Yes', 'No', 'No', 'Invoice', 0, 'Delivery', 'Yes', 'No' , "
            "'', '', '', 'To:') "));
    }

    void roundTripKeepsEveryField()
    {
        StoreFixture f;
        Document saved = everyField();
        QCOMPARE(f.save(saved), SaveCommand::Outcome::Saved);
        QCOMPARE(saved.currentDocNumber, QStringLiteral("INV-#1"));

        Document blank;
        blank.company = saved.company;
        blank.total = saved.total; // never read back: the recalculation on opening derives it
        const OpenCommand::Result opened = f.open(QStringLiteral("INV-#1"), false, blank);
        QCOMPARE(opened.outcome, OpenCommand::Outcome::Opened);
        // Line by line, so that a failure names the first field that differs.
        QCOMPARE(DocumentJson::write(opened.document).split('\n'), DocumentJson::write(saved).split('\n'));
        QCOMPARE(opened.document.currentDocNumber, QStringLiteral("INV-#1"));
    }

    void replaceQuestion_data()
    {
        QTest::addColumn<QString>("label");  // current-document label before saving
        QTest::addColumn<QString>("number"); // number being saved; "INV-1" is stored
        QTest::addColumn<int>("answer");     // DialogAnswer for the question, if asked
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<QString>("message");
        const QString again = QStringLiteral("Values updated and document successfully saved.");
        const QString fresh = QStringLiteral("Values updated and new document successfully saved.");
        const int yes = int(DialogAnswer::Yes), no = int(DialogAnswer::No);
        QTest::newRow("same open document") << "INV-1" << "INV-1" << no << false << true << again;
        QTest::newRow("blanks around the number") << "INV-1" << "  INV-1  " << no << false << true << again;
        QTest::newRow("number not stored") << "INV-1" << "INV-2" << no << false << true << fresh;
        QTest::newRow("other stored, yes") << "INV-2" << "INV-1" << yes << true << true << fresh;
        QTest::newRow("nothing open, yes") << "" << "INV-1" << yes << true << true << fresh;
        QTest::newRow("letter case differs") << "inv-1" << "INV-1" << yes << true << true << fresh;
        QTest::newRow("refused") << "INV-2" << "INV-1" << no << true << false << QString();
    }

    void replaceQuestion()
    {
        QFETCH(QString, label);
        QFETCH(QString, number);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(bool, saved);
        QFETCH(QString, message);
        StoreFixture f;
        f.store(sampleDocument(QStringLiteral("INV-1"), 2));
        Document doc = sampleDocument(number, 4);
        doc.currentDocNumber = label;
        f.dialogs.setNextAnswer(DialogAnswer(answer));
        const SaveCommand::Result result = SaveCommand(f.db, f.dialogs, f.locale).save(doc);
        QCOMPARE(result.outcome, saved ? SaveCommand::Outcome::Saved : SaveCommand::Outcome::Refused);
        const QString question =
            QStringLiteral("The document  \"%1\"  has been used by a previous document . Do you wish to replace it?");
        QCOMPARE(f.dialogs.shownTexts().contains(question.arg(number)), asked);
        if (asked) {
            const DialogRequest& request = f.dialogs.shown().first();
            QCOMPARE(request.title, QStringLiteral("Replace previous document %1 ?").arg(number));
            QCOMPARE(request.defaultButton, DialogAnswer::No);
            QCOMPARE(request.icon, DialogIcon::Critical);
        }
        QCOMPARE(f.dialogs.shownTexts().last(), saved ? message : question.arg(number));
        QCOMPARE(doc.currentDocNumber, saved ? number.trimmed() : label);
        QCOMPARE(result.focusDocNumber, !saved);
        QCOMPARE(f.rowsOf(QStringLiteral("INV-1")).size(), number.trimmed() == QLatin1String("INV-1") && saved ? 4 : 2);
    }

    // Checks that refuse the save before anything is written: the number, then text in a number field.
    void refusedBeforeWriting_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("pasted"); // the number field given a word, if any
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("icon");
        const QString illegal = QStringLiteral(
            "The document number contains one of these illegal characters:  \u2022 ^  |\r\n\r\nPlease remove it.");
        const QString missing = QStringLiteral("Please complete the document number field.");
        const QString nonNumeric =
            QStringLiteral("It appears you have pasted a non-number in a field meant only for numbers.  ");
        const QString app = Dialogs::applicationTitle();
        const int critical = int(DialogIcon::Critical), exclamation = int(DialogIcon::Exclamation);
        QTest::newRow("bar") << "A|1" << "" << illegal << app << critical;
        QTest::newRow("caret") << "^A1" << "" << illegal << app << critical;
        QTest::newRow("bullet") << "A1\u2022" << "" << illegal << app << critical;
        QTest::newRow("empty") << "" << "" << missing << app << exclamation;
        QTest::newRow("blanks only") << "   " << "" << missing << app << exclamation;
        for (const char* field : {"price", "qty", "paid", "charges"})
            QTest::newRow(field) << "T-1" << field << nonNumeric << QStringLiteral("Non-numeric error") << critical;
    }

    void refusedBeforeWriting()
    {
        QFETCH(QString, number);
        QFETCH(QString, pasted);
        QFETCH(QString, message);
        QFETCH(QString, title);
        QFETCH(int, icon);
        StoreFixture f;
        Document doc = sampleDocument(number);
        QString* field = pasted == QLatin1String("price") ? &doc.rows[1].price
                         : pasted == QLatin1String("qty") ? &doc.rows[2].qty
                         : pasted == QLatin1String("paid") ? &doc.paid
                         : pasted == QLatin1String("charges") ? &doc.chargesAmount
                                                              : nullptr;
        if (field)
            *field = QStringLiteral("twelve");
        QCOMPARE(f.save(doc), SaveCommand::Outcome::Refused);
        QCOMPARE(f.dialogs.shownTexts(), QStringList{message});
        QCOMPARE(f.dialogs.shown().first().title, title);
        QCOMPARE(int(f.dialogs.shown().first().icon), icon);
        QCOMPARE(f.allRows(), 0);
    }

    void blankRowsAreStoredToo()
    {
        StoreFixture f;
        Document doc = sampleDocument(QStringLiteral("B-10"), 10);
        for (int i = 3; i < 10; ++i)
            doc.rows[i] = DocumentRow{QString::number(i + 1), {}, {}, {}, {}, {}, {}, false, true};
        QCOMPARE(f.save(doc), SaveCommand::Outcome::Saved);
        const QList<QSqlRecord> rows = f.rowsOf(QStringLiteral("B-10"));
        QCOMPARE(rows.size(), 10);
        QCOMPARE(rows.last().value(QStringLiteral("Serial")).toInt(), 10);
        QCOMPARE(rows.last().value(QStringLiteral("Price")).toDouble(), 0.0);
        QCOMPARE(f.open(QStringLiteral("B-10")).document.rowCount(), 10);
    }

    // Grouped English amounts are in insertStatementIsWrittenExactly.
    void germanNumbersAreStoredWithoutGrouping()
    {
        StoreFixture f{QLocale(QLocale::German, QLocale::Germany)};
        Document doc = sampleDocument(QStringLiteral("N-1"), 1);
        doc.rows[0].price = QStringLiteral("1.250,50");
        doc.rows[0].amount = doc.paid = doc.total = QString();
        f.store(doc);
        const QList<QSqlRecord> rows = f.rowsOf(QStringLiteral("N-1"));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first().value(QStringLiteral("Price")).toDouble(), 1250.5);
    }

    void paidAboveTotal_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("saved");
        QTest::newRow("no") << int(DialogAnswer::No) << false;
        QTest::newRow("yes") << int(DialogAnswer::Yes) << true;
    }

    void paidAboveTotal()
    {
        QFETCH(int, answer);
        QFETCH(bool, saved);
        StoreFixture f;
        f.store(sampleDocument(QStringLiteral("P-1"), 2));
        Document doc = sampleDocument(QStringLiteral("P-1"), 5);
        doc.currentDocNumber = QStringLiteral("P-1");
        doc.paid = QStringLiteral("100");
        doc.total = QStringLiteral("90.00");
        f.dialogs.setNextAnswer(DialogAnswer(answer));
        QCOMPARE(f.save(doc), saved ? SaveCommand::Outcome::Saved : SaveCommand::Outcome::Refused);
        QCOMPARE(f.dialogs.shownTexts().first(),
                 QStringLiteral("The Paid value is higher than Total.\r\n\r\nDo you still wish to continue?"));
        QCOMPARE(f.dialogs.shown().first().defaultButton, DialogAnswer::No);
        QCOMPARE(f.rowsOf(QStringLiteral("P-1")).size(), saved ? 5 : 2);
    }

    void failureMidwayKeepsTheOldDocument()
    {
        StoreFixture f;
        f.store(sampleDocument(QStringLiteral("F-1"), 3));
        const QList<QSqlRecord> before = f.rowsOf(QStringLiteral("F-1"));

        Document doc = sampleDocument(QStringLiteral("F-1"), 8);
        doc.currentDocNumber = QStringLiteral("F-1");
        doc.billToName = QStringLiteral("Changed");
        f.db.failStatementAfter(1 + 1 + 1 + 5); // the lookup, the number series, the delete, then the fifth insert
        const SaveCommand::Result result = SaveCommand(f.db, f.dialogs, f.locale).save(doc);
        QCOMPARE(result.outcome, SaveCommand::Outcome::Failed);
        QVERIFY(f.dialogs.shown().isEmpty());
        const QList<QSqlRecord> after = f.rowsOf(QStringLiteral("F-1"));
        QCOMPARE(after.size(), 3);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(after[i].value(QStringLiteral("CompanyName")), before[i].value(QStringLiteral("CompanyName")));
        QCOMPARE(f.allRows(), 3);
        // The connection is left usable.
        QCOMPARE(f.save(doc), SaveCommand::Outcome::Saved);
        QCOMPARE(f.rowsOf(QStringLiteral("F-1")).size(), 8);
    }

    void quotationReminder_data()
    {
        QTest::addColumn<QString>("docType");
        QTest::addColumn<bool>("reminded");
        QTest::newRow("Quotation") << "Quotation" << true;
        QTest::newRow("upper case") << "QUOTATION" << true;
        QTest::newRow("Invoice") << "Invoice" << false;
    }

    // Also the order of the window's hooks: label pink, label grey, then the list after the message.
    void quotationReminder()
    {
        QFETCH(QString, docType);
        QFETCH(bool, reminded);
        StoreFixture f;
        Document doc = sampleDocument(QStringLiteral("Q-1"));
        doc.docType = docType;
        QStringList events;
        SaveCommand command(f.db, f.dialogs, f.locale);
        command.setHooks({[&](const QString& label, bool pink) { events << label + QLatin1String(pink ? "*" : ""); },
                          [&] { events << QStringLiteral("list %1").arg(f.dialogs.shown().size()); }});
        QCOMPARE(command.save(doc).outcome, SaveCommand::Outcome::Saved);
        QCOMPARE(events, (QStringList{QStringLiteral("Q-1*"), QStringLiteral("Q-1"), QStringLiteral("list 1")}));
        QCOMPARE(f.dialogs.shownTexts().last(), QStringLiteral("Values updated and new document successfully saved."));
        QCOMPARE(command.save(doc).outcome, SaveCommand::Outcome::Saved);
        const QString again = QStringLiteral("Values updated and document successfully saved.");
        const QString reminder = QStringLiteral("\r\n\r\nPlease ensure an Expiry Date for this Quotation. ");
        QCOMPARE(f.dialogs.shownTexts().last(), reminded ? again + reminder : again);
    }

    void saveFileNeedsTheSaveButton()
    {
        StoreFixture f;
        Document doc = sampleDocument(QStringLiteral("S-2"));
        SaveCommand command(f.db, f.dialogs, f.locale);
        QCOMPARE(command.saveFile(doc, false).outcome, SaveCommand::Outcome::Refused);
        QCOMPARE(f.dialogs.shownTexts(), QStringList{QStringLiteral("Please open or start a document.  ")});
        QCOMPARE(f.allRows(), 0);
        QCOMPARE(command.saveFile(doc, true).outcome, SaveCommand::Outcome::Saved);
    }
};

TW_TEST_MAIN(TestSaveCommand)
#include "tst_SaveCommand.moc"
