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

DocumentSnapshot withRows(int rows, const QString& pageRows)
{
    Document document = plainDocument(rows);
    document.pageRows = pageRows;
    return snapshot(document);
}

} // namespace

class TestItemsSection : public QObject
{
    Q_OBJECT

private slots:
    void discountColumn_data()
    {
        QTest::addColumn<bool>("noDisc");
        QTest::addColumn<int>("cells");
        QTest::addColumn<QString>("amountHeader");
        QTest::addColumn<QString>("span");
        QTest::newRow("with discount column")
            << false << 6 << QStringLiteral("<th width=\"12%\">Amount $</th></tr>")
            << QStringLiteral("colspan=2>");
        QTest::newRow("chkNoDisc") << true << 5
                                   << QStringLiteral("<th width=\"12%\">&nbsp;Amount $</th></tr>")
                                   << QStringLiteral("colspan=1>");
    }

    void discountColumn()
    {
        QFETCH(bool, noDisc);
        QFETCH(int, cells);
        QFETCH(QString, amountHeader);
        QFETCH(QString, span);
        DocumentSnapshot s = withRows(1, QStringLiteral("2"));
        s.document.options.noDiscount = noDisc;
        s.document.company.currencySymbol = QStringLiteral("$");
        const QString header = ItemsSection::header(QStringLiteral("$"), !noDisc);
        QCOMPARE(header.count(QStringLiteral("<th ")), cells);
        QVERIFY(header.endsWith(amountHeader));
        QCOMPARE(ItemsSection::itemRow(s.document.rows[0], false, !noDisc)
                     .count(QStringLiteral("class=itemrows>")),
                 cells);
        QCOMPARE(ItemsSection::emptyFillerRow(cells).count(QStringLiteral("<td ")), cells);
        const QString section = ItemsSection::build(s);
        QVERIFY(section.contains(
            EmptyFiller + QStringLiteral("\r\n") +
            QString(QStringLiteral("<td style=\"text-align:right\">&nbsp;</td>\r\n")).repeated(cells - 1) +
            QStringLiteral("</tr>")));
        QVERIFY(
            section.contains(QStringLiteral("font-weight:bold;\" ") + span + QStringLiteral("SubTotal :")));
    }

    // R rows, P page rows, charges amount and taxable flag: empty filler rows and the charges row.
    void fillerRows_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("pageRows");
        QTest::addColumn<QString>("charges");
        QTest::addColumn<bool>("taxable");
        QTest::addColumn<int>("emptyFillers");
        QTest::addColumn<bool>("chargesRow");
        QTest::newRow("R10 P20 no charges") << 10 << QStringLiteral("20") << QString() << true << 10 << false;
        QTest::newRow("R10 P10 taxable 5")
            << 10 << QStringLiteral("10") << QStringLiteral("5") << true << 0 << true;
        QTest::newRow("R10 P20 taxable 5")
            << 10 << QStringLiteral("20") << QStringLiteral("5") << true << 9 << true;
        QTest::newRow("R10 P20 non-taxable 5")
            << 10 << QStringLiteral("20") << QStringLiteral("5") << false << 10 << false;
        QTest::newRow("R10 P5 non-taxable 5")
            << 10 << QStringLiteral("5") << QStringLiteral("5") << false << 1 << false;
        QTest::newRow("R10 P5 no charges")
            << 10 << QStringLiteral("5") << QStringLiteral("0.00") << true << 0 << false;
        QTest::newRow("page rows not a number")
            << 3 << QStringLiteral("many") << QString() << true << 0 << false;
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
        if (chargesRow)
            QVERIFY(section.contains(
                QStringLiteral("<b>Delivery :</b> </td>\r\n<td  style=\"text-align:right;"
                               "padding-right:25px\"><b>5.00</b></td>\r\n</tr>\r\n<tr><td colspan=6>")));
        // The money-free page pads to the same count, with three cells and never a charges row.
        const QString moneyFree = MoneyFreeItems::build(s);
        QCOMPARE(moneyFree.count(EmptyFiller), emptyFillers + (chargesRow ? 1 : 0));
        QVERIFY(!moneyFree.contains(ChargesRow));
    }

    void chargesRowUsesLocaleFormat()
    {
        DocumentSnapshot s = withRows(1, QStringLiteral("1"));
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
        QTest::addColumn<int>("labelCells");
        QTest::newRow("tax, paid, charges") << false << false << true << 6 << 6;
        QTest::newRow("tax, charges") << false << true << true << 4 << 4;
        QTest::newRow("tax, paid") << false << false << false << 5 << 5;
        QTest::newRow("tax") << false << true << false << 3 << 3;
        QTest::newRow("paid, charges") << true << false << true << 4 << 4;
        QTest::newRow("charges") << true << true << true << 2 << 2;
        QTest::newRow("paid") << true << false << false << 3 << 3;
        QTest::newRow("total only") << true << true << false << 1 << 1;
    }

    void totalsRowSpan()
    {
        QFETCH(bool, hideTax);
        QFETCH(bool, hidePaid);
        QFETCH(bool, nonTaxableCharges);
        QFETCH(int, span);
        QFETCH(int, labelCells);
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
        QCOMPARE(totals.count(QStringLiteral("padding-right:25px;font-weight:bold\">")), labelCells);
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
        QTest::newRow("empty, both off") << false << false << QString() << K::Struck;
        QTest::newRow("0, both off") << false << false << QStringLiteral("0") << K::Struck;
        QTest::newRow("empty, blank") << false << true << QString() << K::DescriptionOnly;
        QTest::newRow("empty, no-show") << true << false << QString() << K::LeftOut;
        QTest::newRow("0, both on") << true << true << QStringLiteral("0") << K::LeftOut;
        QTest::newRow("1, both on") << true << true << QStringLiteral("1") << K::Normal;
    }

    void zeroRows()
    {
        QFETCH(bool, noShowZero);
        QFETCH(bool, blank);
        QFETCH(QString, qty);
        QFETCH(ItemsSection::RowKind, kind);
        DocumentSnapshot s = withRows(1, QStringLiteral("1"));
        s.document.rows[0] = DocumentRow{};
        s.document.rows[0].qty = qty;
        s.document.options.hideZeroRows = noShowZero;
        s.document.options.blankZeroRows = blank;
        QCOMPARE(ItemsSection::rowKind(s, s.document.rows[0]), kind);
        const QString section = ItemsSection::build(s);
        QCOMPARE(section.count(QStringLiteral("<strike>")), kind == ItemsSection::RowKind::Struck ? 6 : 0);
        QCOMPARE(section.count(DescOnly), kind == ItemsSection::RowKind::DescriptionOnly ? 1 : 0);
        QCOMPARE(
            section.count(ItemRowStart),
            kind == ItemsSection::RowKind::LeftOut || kind == ItemsSection::RowKind::DescriptionOnly ? 0 : 1);
    }

    void notesBox_data()
    {
        QTest::addColumn<QString>("notes");
        QTest::addColumn<bool>("shown");
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("blanks only") << QStringLiteral("   \r\n ") << false;
        QTest::newRow("rtf of blanks")
            << QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs20  \\par }") << false;
        QTest::newRow("text") << QStringLiteral("Thanks") << true;
        QTest::newRow("rtf text") << QStringLiteral(
                                         "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 Hi\\par }")
                                  << true;
    }

    void notesBox()
    {
        QFETCH(QString, notes);
        QFETCH(bool, shown);
        DocumentSnapshot s = withRows(1, QStringLiteral("1"));
        s.document.notes = notes;
        QCOMPARE(ItemsSection::notesBox(s, false).isEmpty(), !shown);
        if (shown) {
            QVERIFY(ItemsSection::notesBox(s, false).endsWith(
                QStringLiteral("</td></tr></table></td></tr></table></div>")));
            QVERIFY(
                ItemsSection::notesBox(s, true).startsWith(QStringLiteral("<br><br><div align=\"left\"")));
            QVERIFY(ItemsSection::notesBox(s, true).endsWith(
                QStringLiteral("</td></tr></table></td></tr></table><br></div>")));
        }
    }

    void barcode_data()
    {
        QTest::addColumn<bool>("option");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("expected");
        QTest::newRow("abc-1") << true << QStringLiteral(" abc-1 ")
                               << QStringLiteral("padding-left:30px\">*ABC-1*</div>");
        QTest::newRow("blank number") << true << QStringLiteral("  ") << QString();
        QTest::newRow("option off") << false << QStringLiteral("abc-1") << QString();
    }

    void barcode()
    {
        QFETCH(bool, option);
        QFETCH(QString, number);
        QFETCH(QString, expected);
        DocumentSnapshot s = withRows(1, QStringLiteral("1"));
        s.document.options.printBarcode = option;
        s.document.docNumber = number;
        const QString section = ItemsSection::build(s);
        QCOMPARE(section.contains(QStringLiteral("Free 3 of 9")), !expected.isEmpty());
        if (!expected.isEmpty())
            QVERIFY(section.endsWith(expected));
    }

    void balanceLine_data()
    {
        QTest::addColumn<bool>("showBalance");
        QTest::addColumn<bool>("hidePaid");
        QTest::addColumn<QString>("balance");
        QTest::addColumn<bool>("shown");
        QTest::newRow("150.00") << true << false << QStringLiteral("150.00") << true;
        QTest::newRow("grouped") << true << false << QStringLiteral("1,150.00") << true;
        QTest::newRow("zero") << true << false << QStringLiteral("0.00") << false;
        QTest::newRow("negative") << true << false << QStringLiteral("-5.00") << false;
        QTest::newRow("paid left out") << true << true << QStringLiteral("150.00") << false;
        QTest::newRow("option off") << false << false << QStringLiteral("150.00") << false;
    }

    void balanceLine()
    {
        QFETCH(bool, showBalance);
        QFETCH(bool, hidePaid);
        QFETCH(QString, balance);
        QFETCH(bool, shown);
        DocumentSnapshot s = withRows(3, QStringLiteral("10"));
        s.document.options.hideMoney = true;
        s.document.options.showBalanceOnly = showBalance;
        s.document.options.hidePaid = hidePaid;
        s.document.balance = balance;
        s.document.company.currencySymbol = QStringLiteral("$");
        const QString section = MoneyFreeItems::build(s);
        QCOMPARE(section.contains(QStringLiteral("colspan=\"2\">Balance : $") + balance +
                                  QStringLiteral("</td>\r\n<td></td></tr></table></div>")),
                 shown);
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
        // Without hidden money the page has no balance line, whatever the option says.
        DocumentSnapshot s = withRows(1, QStringLiteral("1"));
        s.document.options.showBalanceOnly = true;
        s.document.balance = QStringLiteral("5.00");
        QVERIFY(!ItemsSection::build(s).contains(QStringLiteral("padding:32px")));
    }

    void moneyFreeRowsHaveThreeCells()
    {
        DocumentSnapshot s = withRows(3, QStringLiteral("10"));
        s.document.options.hideMoney = true;
        const QString section = MoneyFreeItems::build(s);
        QVERIFY(section.contains(QStringLiteral("<th width=\"5%\">Qty</th><tr>\r\n")));
        QCOMPARE(section.count(QStringLiteral("class=itemrows>")), 9);
        QCOMPARE(section.count(EmptyFiller), 7);
        QCOMPARE(section.count(QStringLiteral("<td style=\"text-align:right\">&nbsp;</td>")), 21);
        QVERIFY(section.contains(QStringLiteral("<tr><td colspan=6><hr noshade")));
        QVERIFY(!section.contains(QStringLiteral("rowspan")));
    }
};

TW_TEST_MAIN(TestItemsSection)
#include "tst_ItemsSection.moc"
