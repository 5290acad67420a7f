#include "PageTestSupport.h"
#include "TestSupport.h"
#include "html/ItemsSection.h"
#include "html/MoneyFreeItems.h"
#include "html/MoneyFreeOption.h"

Q_DECLARE_METATYPE(ItemsSection::RowKind)

using namespace PageTestSupport;

namespace {

const QString EmptyFiller = QStringLiteral("<tr><td style=\"text-align:right\">&nbsp;</td>");
const QString ChargesRow = QStringLiteral("<tr><td style=\"border-bottom:1px solid white\" colspan=3>");
const QString ItemRowStart = QStringLiteral("<tr>\r\n<td style=\"text-align:center\" class=itemrows>");
const QString DescOnly = QStringLiteral("<tr><td colspan=5 style=\"padding:20px;padding-left:100px;\">");

DocumentSnapshot withRows(int rows, const QString& pageRows = QStringLiteral("1"))
{
    Document document = plainDocument(rows);
    document.pageRows = pageRows;
    return snapshot(document);
}

} // namespace

// The golden pages of tst_PageBuilder hold the sections as a whole; these are the rules behind them.
class TestItemsSection : public QObject
{
    Q_OBJECT

private slots:
    // R rows, P page rows, charges amount and taxable flag: empty filler rows and the charges row.
    void fillerRows_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("pageRows");
        QTest::addColumn<QString>("charges");
        QTest::addColumn<bool>("taxable");
        QTest::addColumn<int>("emptyFillers");
        QTest::addColumn<bool>("chargesRow");
        QTest::newRow("R10 P20 no charges") << 10 << "20" << "" << true << 10 << false;
        QTest::newRow("R10 P10 taxable 5") << 10 << "10" << "5" << true << 0 << true;
        QTest::newRow("R10 P20 taxable 5") << 10 << "20" << "5" << true << 9 << true;
        QTest::newRow("R10 P20 non-taxable 5") << 10 << "20" << "5" << false << 10 << false;
        QTest::newRow("R10 P5 non-taxable 5") << 10 << "5" << "5" << false << 1 << false;
        QTest::newRow("R10 P5 no charges") << 10 << "5" << "0.00" << true << 0 << false;
        QTest::newRow("page rows not a number") << 3 << "many" << "" << true << 0 << false;
    }

    void fillerRows()
    {
        QFETCH(int, rows);
        QFETCH(QString, pageRows);
        QFETCH(QString, charges);
        QFETCH(bool, taxable);
        QFETCH(int, emptyFillers);
        QFETCH(bool, chargesRow);
        DocumentSnapshot s = withRows(rows, pageRows);
        s.document.chargesAmount = charges;
        s.document.chargesTaxable = taxable;
        const QString section = ItemsSection::build(s);
        QCOMPARE(section.count(EmptyFiller), emptyFillers);
        QCOMPARE(section.count(ChargesRow), chargesRow ? 1 : 0);
        QCOMPARE(section.count(ItemRowStart), rows);
        // The money-free page pads to the same count, never with a charges row.
        const QString moneyFree = MoneyFreeItems::build(s);
        QCOMPARE(moneyFree.count(EmptyFiller), emptyFillers + (chargesRow ? 1 : 0));
        QVERIFY(!moneyFree.contains(ChargesRow));
    }

    void chargesRowUsesLocaleFormat()
    {
        DocumentSnapshot s = withRows(1);
        s.document.chargesAmount = QStringLiteral("1234.5");
        QVERIFY(ItemsSection::chargesRow(s).contains(QStringLiteral("<b>1,234.50</b>")));
        s.locale = QLocale(QLocale::German, QLocale::Germany);
        s.document.chargesAmount = QStringLiteral("-1234,5");
        QVERIFY(ItemsSection::chargesRow(s).contains(QStringLiteral("<b>-1.234,50</b>")));
    }

    void totalsRowSpan_data()
    {
        QTest::addColumn<bool>("hideTax");
        QTest::addColumn<bool>("hidePaid");
        QTest::addColumn<bool>("nonTaxableCharges");
        QTest::addColumn<int>("span");
        QTest::newRow("tax, paid, charges") << false << false << true << 6;
        QTest::newRow("tax") << false << true << false << 3;
        QTest::newRow("paid, charges") << true << false << true << 4;
        QTest::newRow("charges") << true << true << true << 2;
        QTest::newRow("total only") << true << true << false << 1;
    }

    void totalsRowSpan()
    {
        QFETCH(bool, hideTax);
        QFETCH(bool, hidePaid);
        QFETCH(bool, nonTaxableCharges);
        QFETCH(int, span);
        DocumentSnapshot s = withRows(10, QStringLiteral("20"));
        s.document.options.hideTax = hideTax;
        s.document.options.hidePaid = hidePaid;
        s.document.chargesTaxable = !nonTaxableCharges;
        s.document.chargesAmount = nonTaxableCharges ? QStringLiteral("5") : QString();
        const QString totals = ItemsSection::totals(s);
        QVERIFY(totals.startsWith(
            QStringLiteral("<tr><td style=\"text-align:left;padding-left:20px;font-weight:bold;\" "
                           "colspan=3 rowspan=%1 valign=middle></td>\r\n")
                .arg(span)));
        QCOMPARE(totals.count(QStringLiteral("padding-right:25px;font-weight:bold\">")), span);
        QCOMPARE(totals.contains(QStringLiteral("colspan=2>Delivery:</td>\r\n")), nonTaxableCharges);
        QCOMPARE(totals.contains(QStringLiteral("SubTotal :")), !hideTax);
        QCOMPARE(totals.contains(QStringLiteral("Balance :")), !hidePaid);
        QCOMPARE(totals.contains(QStringLiteral("white 1px solid")), !hideTax);
    }

    // Zero rows (quantity 0 or empty) in the three option states; chkNoShowZero wins over chkblank.
    void zeroRows_data()
    {
        QTest::addColumn<bool>("noShowZero");
        QTest::addColumn<bool>("blank");
        QTest::addColumn<QString>("qty");
        QTest::addColumn<ItemsSection::RowKind>("kind");
        using K = ItemsSection::RowKind;
        QTest::newRow("0, both off") << false << false << "0" << K::Struck;
        QTest::newRow("empty, blank") << false << true << "" << K::DescriptionOnly;
        QTest::newRow("empty, no-show") << true << false << "" << K::LeftOut;
        QTest::newRow("0, both on") << true << true << "0" << K::LeftOut;
        QTest::newRow("1, both on") << true << true << "1" << K::Normal;
    }

    void zeroRows()
    {
        QFETCH(bool, noShowZero);
        QFETCH(bool, blank);
        QFETCH(QString, qty);
        QFETCH(ItemsSection::RowKind, kind);
        using K = ItemsSection::RowKind;
        DocumentSnapshot s = withRows(1);
        s.document.rows[0] = DocumentRow{};
        s.document.rows[0].qty = qty;
        s.document.options.hideZeroRows = noShowZero;
        s.document.options.blankZeroRows = blank;
        QCOMPARE(ItemsSection::rowKind(s, s.document.rows[0]), kind);
        const QString section = ItemsSection::build(s);
        QCOMPARE(section.count(QStringLiteral("<strike>")), kind == K::Struck ? 6 : 0);
        QCOMPARE(section.count(DescOnly), kind == K::DescriptionOnly ? 1 : 0);
        QCOMPARE(section.count(ItemRowStart), kind == K::LeftOut || kind == K::DescriptionOnly ? 0 : 1);
    }

    void notesBox_data()
    {
        QTest::addColumn<QString>("notes");
        QTest::addColumn<bool>("shown");
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blanks only") << "   \r\n " << false;
        QTest::newRow("rtf of blanks") << "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs20  \\par }" << false;
        QTest::newRow("rtf text") << "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 Hi\\par }" << true;
    }

    void notesBox()
    {
        QFETCH(QString, notes);
        QFETCH(bool, shown);
        DocumentSnapshot s = withRows(1);
        s.document.notes = notes;
        QCOMPARE(ItemsSection::notesBox(s, false).isEmpty(), !shown);
        QCOMPARE(ItemsSection::notesBox(s, true).isEmpty(), !shown);
    }

    void noBarcodeWithoutOptionOrNumber()
    {
        DocumentSnapshot s = withRows(1);
        s.document.options.printBarcode = true;
        s.document.docNumber = QStringLiteral("  ");
        QVERIFY(!ItemsSection::build(s).contains(QStringLiteral("Free 3 of 9")));
        s.document.options.printBarcode = false;
        s.document.docNumber = QStringLiteral("abc-1");
        QVERIFY(!ItemsSection::build(s).contains(QStringLiteral("Free 3 of 9")));
    }

    // The balance line of the money-free page; the priced page never has it, whatever the option says.
    void balanceLine_data()
    {
        QTest::addColumn<bool>("hideMoney");
        QTest::addColumn<bool>("showBalance");
        QTest::addColumn<bool>("hidePaid");
        QTest::addColumn<QString>("balance");
        QTest::addColumn<bool>("shown");
        QTest::newRow("grouped") << true << true << false << "1,150.00" << true;
        QTest::newRow("zero") << true << true << false << "0.00" << false;
        QTest::newRow("negative") << true << true << false << "-5.00" << false;
        QTest::newRow("paid left out") << true << true << true << "150.00" << false;
        QTest::newRow("option off") << true << false << false << "150.00" << false;
        QTest::newRow("priced page") << false << true << false << "5.00" << false;
    }

    void balanceLine()
    {
        QFETCH(bool, hideMoney);
        QFETCH(bool, showBalance);
        QFETCH(bool, hidePaid);
        QFETCH(QString, balance);
        QFETCH(bool, shown);
        DocumentSnapshot s = withRows(3, QStringLiteral("10"));
        s.document.options.hideMoney = hideMoney;
        s.document.options.showBalanceOnly = showBalance;
        s.document.options.hidePaid = hidePaid;
        s.document.balance = balance;
        s.document.company.currencySymbol = QStringLiteral("$");
        const QString section = hideMoney ? MoneyFreeItems::build(s) : ItemsSection::build(s);
        QCOMPARE(section.contains(QStringLiteral("padding:32px")), shown);
        if (shown)
            QVERIFY(section.contains(QStringLiteral("colspan=\"2\">Balance : $") + balance +
                                     QStringLiteral("</td>\r\n<td></td></tr></table></div>")));
    }

    void showBalanceOnlyFollowsHideMoney()
    {
        DocumentOptions options;
        QVERIFY(!MoneyFreeOption::showBalanceEnabled(options));
        MoneyFreeOption::setHideMoney(options, true);
        QVERIFY(MoneyFreeOption::showBalanceEnabled(options));
        options.showBalanceOnly = true;
        MoneyFreeOption::setHideMoney(options, false);
        QVERIFY(!options.showBalanceOnly);
        QVERIFY(!MoneyFreeOption::showBalanceEnabled(options));
    }
};

TW_TEST_MAIN(TestItemsSection)
#include "tst_ItemsSection.moc"
