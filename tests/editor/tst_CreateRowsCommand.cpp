#include "TestSupport.h"

#include "core/Dialogs.h"
#include "editor/CreateRowsCommand.h"
#include "editor/Document.h"
#include "editor/EditorState.h"

namespace {

const QString countMessage = QStringLiteral(
    "Please enter a number from 1 to 65.\r\n\r\nFor multiline Description, maximum of 19  rows.");
const QLocale english(QStringLiteral("en_US"));
const QDateTime morning(QDate(2027, 3, 1), QTime(9, 5));

// A document, its editor state and scripted message boxes. With rows, a current document of that many
// filled rows is being edited; without, nothing is open yet.
struct Create
{
    Document doc;
    EditorState state;
    ScriptedDialogs dialogs;

    explicit Create(int rows = 0)
    {
        if (rows == 0)
            return;
        doc.docNumber = QStringLiteral("INV-7");
        doc.billToName = QStringLiteral("O'Brien Ltd");
        for (int i = 1; i <= rows; ++i) {
            DocumentRow row;
            row.serial = QString::number(i);
            row.productId = QStringLiteral("P%1").arg(i);
            row.description = QStringLiteral("{\\rtf1\\ansi {\\b Bold}\ttab %1\\par}").arg(i);
            row.qty = QString::number(i);
            row.price = QStringLiteral("%1.50").arg(i);
            row.discount = QStringLiteral("5.00");
            row.amount = QStringLiteral("stale");
            doc.rows.append(row);
        }
        state.currentEnabled = state.currentSelected = true;
        state.newSelected = false;
    }
    CreateRowsCommand::Outcome run(const QString& count)
    {
        return CreateRowsCommand(doc, state, english, dialogs).run(count, morning);
    }
};

} // namespace

class TestCreateRowsCommand : public QObject
{
    Q_OBJECT

private slots:
    void validation_data()
    {
        QTest::addColumn<QString>("count");
        QTest::addColumn<bool>("multiLine");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("rows");  // 0: refused
        const int info = int(DialogIcon::Information);
        const int critical = int(DialogIcon::Critical);
        const int none = int(DialogIcon::None);
        QTest::newRow("empty") << QString() << false << countMessage << info << 0;
        QTest::newRow("zero") << QStringLiteral("0") << false << countMessage << info << 0;
        QTest::newRow("letters") << QStringLiteral("abc") << false << QStringLiteral("Please enter only numbers") << none << 0;
        QTest::newRow("66 single") << QStringLiteral("66") << false << QStringLiteral("Maximum of 65 rows allowed.") << critical << 0;
        QTest::newRow("65 single") << QStringLiteral("65") << false << QString() << 0 << 65;
        QTest::newRow("65.5 rounds to 66") << QStringLiteral("65.5") << false << QStringLiteral("Maximum of 65 rows allowed.") << critical << 0;
        QTest::newRow("huge") << QStringLiteral("1e300") << false << QStringLiteral("Maximum of 65 rows allowed.") << critical << 0;
        QTest::newRow("20 multi") << QStringLiteral("20") << true
                                  << QStringLiteral("Maximum of 19  rows allowed for multiline Description.") << critical << 0;
        QTest::newRow("19 multi") << QStringLiteral("19") << true << QString() << 0 << 19;
        QTest::newRow("negative") << QStringLiteral("-3") << false << countMessage << info << 0;
        QTest::newRow("small fraction") << QStringLiteral("0.4") << false << countMessage << info << 0;
        QTest::newRow("fraction") << QStringLiteral("1.5") << false << QString() << 0 << 2;
        QTest::newRow("zero point zero") << QStringLiteral("0.0") << false << countMessage << info << 0;
    }

    void validation()
    {
        QFETCH(QString, count);
        QFETCH(bool, multiLine);
        QFETCH(QString, message);
        QFETCH(int, icon);
        QFETCH(int, rows);
        Create c;
        c.state.multiLine = multiLine;
        QCOMPARE(c.run(count), rows ? CreateRowsCommand::Outcome::Created : CreateRowsCommand::Outcome::Refused);
        QCOMPARE(c.doc.rowCount(), rows);
        QCOMPARE(c.dialogs.shownTexts(), message.isEmpty() ? QStringList() : QStringList{message});
        if (rows == 0) {
            QCOMPARE(int(c.dialogs.shown().first().icon), icon);
            QVERIFY(!c.state.currentEnabled);
        }
    }

    // A new document (asked over a current one unless quiet), or the current one rebuilt (asked when truncated).
    void createRows_data()
    {
        QTest::addColumn<bool>("newDoc");
        QTest::addColumn<bool>("quiet");
        QTest::addColumn<int>("oldRows");
        QTest::addColumn<int>("newRows");
        QTest::addColumn<bool>("asks");
        QTest::addColumn<bool>("ok");  // the answer to the question
        QTest::newRow("new: nothing open") << true << false << 0 << 3 << false << true;
        QTest::newRow("new: cancel keeps everything") << true << false << 3 << 1 << true << false;
        QTest::newRow("new: ok starts afresh") << true << false << 3 << 1 << true << true;
        QTest::newRow("new: quiet create asks nothing") << true << true << 3 << 1 << false << true;
        QTest::newRow("truncate 10 to 4") << false << false << 10 << 4 << true << true;
        QTest::newRow("truncation cancelled") << false << false << 10 << 4 << true << false;
        QTest::newRow("grow 3 to 5") << false << false << 3 << 5 << false << true;
        QTest::newRow("same count") << false << false << 3 << 3 << false << true;
    }

    void createRows()
    {
        QFETCH(bool, newDoc);
        QFETCH(bool, quiet);
        QFETCH(int, oldRows);
        QFETCH(int, newRows);
        QFETCH(bool, asks);
        QFETCH(bool, ok);
        Create c(oldRows);
        Document& doc = c.doc;
        if (newDoc) {  // all back to their defaults
            doc.chargesTaxable = false;
            doc.options.hideTax = doc.options.noDiscount = true;
        }
        const Document before = doc;
        c.state.newSelected = newDoc;
        c.state.currentSelected = !newDoc;
        c.state.quietCreate = quiet;
        c.state.justOpened = newDoc;
        if (ok)
            c.dialogs.setNextAnswer(DialogAnswer::Ok);
        const auto outcome = c.run(QString::number(newRows));
        QCOMPARE(c.dialogs.shown().size(), asks ? 1 : 0);
        if (asks && newDoc) {
            const DialogRequest& question = c.dialogs.shown().first();
            QCOMPARE(question.title, QStringLiteral("Any unsaved information will be lost."));
            QCOMPARE(question.text, QStringLiteral("You are creating a new document. Do you wish to close the current "
                                                   "document?\r\n\r\nAny unsaved information will be lost. Continue?  "));
            QCOMPARE(question.defaultButton, DialogAnswer::Cancel);
            QCOMPARE(question.icon, DialogIcon::Critical);
        } else if (asks) {
            QCOMPARE(c.dialogs.shown().first().title, QStringLiteral("Rows will be truncated."));
            QCOMPARE(c.dialogs.shown().first().text,
                     QStringLiteral("You are editing the current document.\r\n\r\nThe number of rows you are creating "
                                    "is less than current rows. Current document will be truncated.\r\n\r\nContinue?"));
        }
        if (!ok) {
            QCOMPARE(outcome, CreateRowsCommand::Outcome::Cancelled);
            QCOMPARE(doc, before);
            return;
        }
        QCOMPARE(outcome, CreateRowsCommand::Outcome::Created);
        QCOMPARE(doc.rowCount(), newRows);
        QCOMPARE(doc.docNumber, newDoc ? QStringLiteral("202703010905") : before.docNumber);
        QCOMPARE(doc.billToName, newDoc ? QString() : before.billToName);
        QVERIFY(!c.state.justOpened);
        QVERIFY(c.state.currentEnabled && c.state.currentSelected && !c.state.newSelected);
        if (newDoc) {
            QCOMPARE(doc.docDate, QDate(2027, 3, 1));
            QVERIFY(doc.chargesTaxable && !doc.options.hideTax && !doc.options.noDiscount);
            QCOMPARE(doc.total, QStringLiteral("0.00"));
            QCOMPARE(doc.paid, QStringLiteral("0.00"));
        }
        for (int i = 0; i < newRows; ++i) {
            const DocumentRow& row = doc.rows[i];
            QCOMPARE(row.serial, QString::number(i + 1));
            if (!newDoc && i < oldRows) {
                QCOMPARE(row.productId, before.rows[i].productId);
                QCOMPARE(row.description, before.rows[i].description);  // RTF back exactly, tab included
                QCOMPARE(row.price, before.rows[i].price);
                QCOMPARE(row.qty, before.rows[i].qty);
            } else {
                QCOMPARE(row.productId, QString::number(i + 1));
                QVERIFY(row.description.isEmpty());
                QCOMPARE(row.qty, QStringLiteral("0"));
                QCOMPARE(row.amount, QStringLiteral("0.00"));
                QVERIFY(row.discountEnabled);
            }
        }
    }

    // A rebuild keeps Paid (only opening a document clears it) and follows "no discount".
    void rebuildKeepsPaidAndFollowsNoDiscount()
    {
        Create c(2);
        c.doc.paid = QStringLiteral("5.00");
        c.doc.options.noDiscount = true;
        c.state.clearPaidOnCreate = true;
        c.run(QStringLiteral("3"));
        QVERIFY(!c.state.clearPaidOnCreate);
        QCOMPARE(c.doc.paid, QStringLiteral("5.00"));
        for (const DocumentRow& row : c.doc.rows) {
            QVERIFY(!row.discountEnabled);
            QCOMPARE(row.discount, QStringLiteral("0.00"));
        }
        c.state.clearPaidOnCreate = true;
        CreateRowsCommand::CreateFields(c.doc, c.state, 2, english);
        QVERIFY(c.doc.paid.isEmpty());
    }
};

TW_TEST_MAIN(TestCreateRowsCommand)
#include "tst_CreateRowsCommand.moc"
