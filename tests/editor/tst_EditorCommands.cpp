#include "TestSupport.h"

#include "core/Dialogs.h"
#include "editor/AutoNumber.h"
#include "editor/Document.h"
#include "editor/KeyFilter.h"
#include "editor/OptionBoxes.h"
#include "editor/PaidBlock.h"

namespace {

const QLocale english(QStringLiteral("en_US"));

// One row per letter, the letter its product ID.
Document rowsDocument(const QString& ids)
{
    Document doc;
    for (const QChar id : ids) {
        DocumentRow row;
        row.serial = QString::number(doc.rowCount() + 1);
        row.productId = id;
        row.description = QStringLiteral("{\\rtf1 {\\b\\cf2 %1}}").arg(id);
        row.qty = QStringLiteral("1");
        row.price = QStringLiteral("2.00");
        row.amount = QStringLiteral("2.00");
        doc.rows.append(row);
    }
    return doc;
}

} // namespace

class TestEditorCommands : public QObject
{
    Q_OBJECT

private slots:
    void controlCodesPassEveryFilter()
    {
        for (auto kind : {KeyFilter::Kind::Digits, KeyFilter::Kind::DigitsAndPoint, KeyFilter::Kind::DigitsAndMinus,
                          KeyFilter::Kind::Nothing}) {
            for (int code : {8, 13, 22})
                QVERIFY(KeyFilter::accepts(kind, code));
            QVERIFY(!KeyFilter::accepts(kind, 3));  // Ctrl+C is a typed character like any other
        }
    }

    void paidExclusion_data()
    {
        QTest::addColumn<QString>("paid");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("paid 5.00 refused") << QStringLiteral("5.00") << false;
        QTest::newRow("zero accepted") << QStringLiteral("0") << true;
        QTest::newRow("empty accepted") << QString() << true;
        QTest::newRow("letters refused") << QStringLiteral("abc") << false;
    }

    void paidExclusion()
    {
        QFETCH(QString, paid);
        QFETCH(bool, accepted);
        Document doc = rowsDocument(QStringLiteral("A"));
        doc.paid = paid;
        ScriptedDialogs dialogs;
        OptionBoxes boxes(doc, english, dialogs);
        QCOMPARE(boxes.setPaidExcluded(true), accepted);
        QCOMPARE(doc.options.hidePaid, accepted);
        if (accepted) {
            QCOMPARE((QStringList{doc.total, doc.paid, doc.balance}), (QStringList{QStringLiteral("2.00"), {}, {}}));
            boxes.setPaidExcluded(false);
            QCOMPARE(doc.paid + QLatin1Char('|') + doc.balance, QStringLiteral("0.00|2.00"));
        } else {
            QCOMPARE(dialogs.shown().first().icon, DialogIcon::Critical);
            QCOMPARE(dialogs.shown().first().text,
                     QStringLiteral("This action cannot be performed because there is some value in the Paid field."
                                    "\r\n\r\nPlease manually change the value to zero or blank if you are sure nothing "
                                    "has been paid. After that, try again."));
        }
    }

    void taxExclusionRecalculates()
    {
        Document doc = rowsDocument(QStringLiteral("A"));
        doc.company.taxPercent = QStringLiteral("10");
        ScriptedDialogs dialogs;
        OptionBoxes boxes(doc, english, dialogs);
        boxes.setTaxExcluded(true);
        QCOMPARE((QStringList{doc.subtotal, doc.taxAmount, doc.total}), (QStringList{{}, {}, QStringLiteral("2.00")}));
        boxes.setTaxExcluded(false);
        QCOMPARE((QStringList{doc.subtotal, doc.taxAmount, doc.total}),
                 (QStringList{QStringLiteral("2.00"), QStringLiteral("0.20"), QStringLiteral("2.20")}));
    }

    void noDiscount_data()
    {
        QTest::addColumn<QStringList>("discounts");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("no discounts") << QStringList{QStringLiteral("0.00"), QString()} << true;
        QTest::newRow("one discount") << QStringList{QStringLiteral("0.00"), QStringLiteral("5")} << false;
        QTest::newRow("cancelling discounts") << QStringList{QStringLiteral("5"), QStringLiteral("-5")} << true;
    }

    void noDiscount()
    {
        QFETCH(QStringList, discounts);
        QFETCH(bool, accepted);
        Document doc = rowsDocument(QStringLiteral("AB"));
        for (int i = 0; i < discounts.size(); ++i)
            doc.rows[i].discount = discounts[i];
        ScriptedDialogs dialogs;
        OptionBoxes boxes(doc, english, dialogs);
        QCOMPARE(boxes.setNoDiscount(true), accepted);
        QCOMPARE(doc.options.noDiscount, accepted);
        for (const DocumentRow& row : doc.rows)
            QCOMPARE(row.discountEnabled, !accepted);
        if (accepted) {
            QCOMPARE(doc.rows[1].discount, QStringLiteral("0.00"));
            QVERIFY(dialogs.shown().isEmpty());
            boxes.setNoDiscount(false);
            QVERIFY(doc.rows[0].discountEnabled);
        } else {
            QCOMPARE(dialogs.shownTexts(), QStringList{QStringLiteral(
                "This action cannot be performed because there is discount value in one or more rows .")});
            QCOMPARE(dialogs.shown().first().icon, DialogIcon::Exclamation);
            QCOMPARE(doc.rows[1].discount, QStringLiteral("5"));
        }
    }

    void zeroQuantityOptionsExcludeEachOther()
    {
        Document doc;
        ScriptedDialogs dialogs;
        OptionBoxes boxes(doc, english, dialogs);
        boxes.setHideZeroRows(true);
        boxes.setBlankZeroRows(true);
        QVERIFY(doc.options.blankZeroRows && !doc.options.hideZeroRows);
        boxes.setHideZeroRows(true);
        QVERIFY(!doc.options.blankZeroRows && doc.options.hideZeroRows);
        boxes.setHideZeroRows(false);
        QVERIFY(!doc.options.blankZeroRows && !doc.options.hideZeroRows);
    }

    // Morning times are checked with Create Rows.
    void afternoonTimeTexts()
    {
        const QDateTime afternoon(QDate(2026, 12, 4), QTime(14, 53));
        QCOMPARE(AutoNumber::propose(afternoon), QStringLiteral("202612041453"));
        const QString dashes(57, QLatin1Char('-'));
        const QString expected = QStringLiteral("\r\n") + dashes + QStringLiteral(
            "\r\nPaid On : 4-Dec-2026  02:53 PM\r\nAmt Paid : $\r\nPayment Type : \r\nTransact No. : \r\n"
            "Received By : \r\n") + dashes + QStringLiteral("\r\n");
        QCOMPARE(PaidBlock::text(QStringLiteral("$"), afternoon, english), expected);
    }
};

TW_TEST_MAIN(TestEditorCommands)
#include "tst_EditorCommands.moc"
