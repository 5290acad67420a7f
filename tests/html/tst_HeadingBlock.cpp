#include "TestSupport.h"
#include "html/DocumentSnapshot.h"
#include "html/HeadingBlock.h"
#include "html/TitleBlock.h"

Q_DECLARE_METATYPE(HeadingBlock::Arrangement)
Q_DECLARE_METATYPE(Letterhead)

namespace {

Letterhead letterhead(const char* logo, const char* layout, const char* left = "", const char* right = "")
{
    return {QString::fromUtf8(logo), QString::fromUtf8(layout), QString::fromUtf8(left),
            QString::fromUtf8(right)};
}

CompanyProfile company()
{
    CompanyProfile profile;
    profile.name = QStringLiteral("Acme");
    profile.address = QStringLiteral("Line 1\r\nLine 2\r\nLine 3");
    return profile;
}

} // namespace

// The golden pages of tst_PageBuilder hold the centred text-only block, layout 0 and the address on
// the right with a logo; these are the other variants.
class TestHeadingBlock : public QObject
{
    Q_OBJECT

private slots:
    void arrangement_data()
    {
        QTest::addColumn<QString>("alignLeft");
        QTest::addColumn<QString>("addressRight");
        QTest::addColumn<HeadingBlock::Arrangement>("expected");
        using A = HeadingBlock::Arrangement;
        QTest::newRow("both empty") << QString() << QString() << A::Centred;
        QTest::newRow("both 0") << QStringLiteral("0") << QStringLiteral("0") << A::Centred;
        QTest::newRow("left 1") << QStringLiteral("1") << QStringLiteral("0") << A::LeftAligned;
        QTest::newRow("both 1: left wins") << QStringLiteral("1") << QStringLiteral("1") << A::LeftAligned;
        QTest::newRow("right 1") << QString() << QStringLiteral("1") << A::AddressRight;
        QTest::newRow("left 2: no block") << QStringLiteral("2") << QString() << A::None;
        QTest::newRow("both 3: no block") << QStringLiteral("3") << QStringLiteral("3") << A::None;
    }

    void arrangement()
    {
        QFETCH(QString, alignLeft);
        QFETCH(QString, addressRight);
        QFETCH(HeadingBlock::Arrangement, expected);
        const Letterhead lh{QString(), QString(), alignLeft, addressRight};
        QCOMPARE(HeadingBlock::arrangement(lh), expected);
        if (expected == HeadingBlock::Arrangement::None)
            QVERIFY(HeadingBlock::build(company(), lh, QStringLiteral("Invoice")).isEmpty());
    }

    // Which variant each letterhead gives, told by a piece only that variant holds.
    void variants_data()
    {
        QTest::addColumn<Letterhead>("lh");
        QTest::addColumn<QString>("marker");
        QTest::addColumn<bool>("hasLogo");
        const char* centredName = "<tr><td valign=\"top\" align=center><font style=\"font-size:18pt;\"><b>Acme</b>";
        QTest::newRow("layout 1 without logo path is text-only") << letterhead("", "1") << centredName << false;
        QTest::newRow("logo path without layout is text-only") << letterhead("/l.png", "") << centredName << false;
        QTest::newRow("layout 1")
            << letterhead("/l.png", "1") << "<td width=\"42%\" align=\"right\" VALIGN=\"TOP\">\r\n" << true;
        QTest::newRow("layout 2")
            << letterhead("/l.png", "2")
            << "</b></font></td>      \r\n</tr>\r\n<tr>\r\n<td width=\"100%\" align=\"center\" colspan=\"2\">     \r\n"
            << true;
        QTest::newRow("unknown layout keeps only the badge")
            << letterhead("/l.png", "7") << "<tr><td valign=\"top\" align=center><br><br><font" << false;
        QTest::newRow("left-aligned text-only")
            << letterhead("", "", "1")
            << "Line 3</font></td>\r\n<td WIDTH=\"50%\" align=\"RIGHT\" style=\"padding-right:60px\">\r\n<br><font"
            << false;
        QTest::newRow("left-aligned with logo")
            << letterhead("/l.png", "2", "1")
            << "Line 3</font></td>\r\n<td WIDTH=\"40%\" align=\"RIGHT\" style=\"padding-right:60px\">\r\n<br><font"
            << true;
        QTest::newRow("address-right text-only")
            << letterhead("", "", "0", "1")
            << "<td WIDTH=\"50%\" align=\"left\" STYLE=\"PADDING-LEFT:0PX\">\r\n<font style=\"font-size:18pt;\"><b>"
               "Acme</b></font></td>\r\n"
            << false;
    }

    void variants()
    {
        QFETCH(Letterhead, lh);
        QFETCH(QString, marker);
        QFETCH(bool, hasLogo);
        const QString block = HeadingBlock::build(company(), lh, QStringLiteral("Invoice"));
        QVERIFY2(block.contains(marker), qPrintable(block));
        QCOMPARE(block.contains(QStringLiteral("<img border=\"0\" src=\"")), hasLogo);
        // Only the unknown layout leaves the company out.
        QCOMPARE(block.contains(QStringLiteral("Acme")), !marker.contains(QStringLiteral("<br><br><font")));
        QVERIFY(
            block.startsWith(QStringLiteral("<div align=center><table style=\"BORDER-COLLAPSE: collapse;")));
        QVERIFY(block.endsWith(QStringLiteral("<br><br></td></tr>\r\n</table></div>")));
        QCOMPARE(block.count(QStringLiteral("Invoice</font><br>")), 1);
    }

    void badgeTrimsTheTypeAndValuesAreNotEscaped()
    {
        CompanyProfile profile = company();
        profile.name = QStringLiteral("<b>Bold & Co</b>");
        const QString block = HeadingBlock::build(profile, {}, QStringLiteral(" Tax Invoice "));
        QVERIFY(block.contains(QStringLiteral("border:1px solid black\">Tax&nbsp;Invoice</font><br>")));
        QVERIFY(block.contains(QStringLiteral("<b><b>Bold & Co</b>")));
    }

    // Any one ship-to field brings the box; all blank (the centred golden page) leaves it out, and the page
    // without money values never prints it.
    void shipToBoxWhenAnyFieldIsFilled()
    {
        DocumentSnapshot term;
        term.document.shipToTerm = QStringLiteral("Ship To:");
        DocumentSnapshot address;
        address.document.shipToAddress = QStringLiteral("Dock");
        for (const DocumentSnapshot& snapshot : {term, address}) {
            QCOMPARE(TitleBlock::build(snapshot).count(QStringLiteral("<table class=address")), 2);
            QVERIFY(TitleBlock::build(snapshot).contains(QStringLiteral("<td>&nbsp;</td></tr>")));
            QCOMPARE(TitleBlock::build(snapshot, true).count(QStringLiteral("<table class=address")), 1);
        }
    }
};

TW_TEST_MAIN(TestHeadingBlock)
#include "tst_HeadingBlock.moc"
