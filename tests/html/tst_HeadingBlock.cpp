#include "TestSupport.h"
#include "html/DocumentSnapshot.h"
#include "html/HeadingBlock.h"
#include "html/PageText.h"
#include "html/TitleBlock.h"

Q_DECLARE_METATYPE(HeadingBlock::Arrangement)
Q_DECLARE_METATYPE(Letterhead)

namespace {

const QString LogoImgStart = QStringLiteral("<img border=\"0\" src=\"");

Letterhead letterhead(const char* logo, const char* layout, const char* left, const char* right)
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
        QTest::newRow("left 0, right empty") << QStringLiteral("0") << QString() << A::Centred;
        QTest::newRow("both 0") << QStringLiteral("0") << QStringLiteral("0") << A::Centred;
        QTest::newRow("left 1") << QStringLiteral("1") << QStringLiteral("0") << A::LeftAligned;
        QTest::newRow("both 1: left wins") << QStringLiteral("1") << QStringLiteral("1") << A::LeftAligned;
        QTest::newRow("right 1") << QString() << QStringLiteral("1") << A::AddressRight;
        QTest::newRow("left 2: no block") << QStringLiteral("2") << QString() << A::None;
    }

    void arrangement()
    {
        QFETCH(QString, alignLeft);
        QFETCH(QString, addressRight);
        QFETCH(HeadingBlock::Arrangement, expected);
        QCOMPARE(HeadingBlock::arrangement({QString(), QString(), alignLeft, addressRight}), expected);
    }

    // Which variant each letterhead gives, told by a piece only that variant holds.
    void variants_data()
    {
        QTest::addColumn<Letterhead>("lh");
        QTest::addColumn<QString>("marker");
        QTest::addColumn<bool>("hasLogo");
        QTest::newRow("centred text-only")
            << letterhead("", "", "", "")
            << QStringLiteral("<tr><td valign=\"top\" align=center><font "
                              "style=\"font-size:18pt;\"><b>Acme</b></font><br>")
            << false;
        QTest::newRow("layout 1 without logo path is text-only")
            << letterhead("", "1", "", "")
            << QStringLiteral(
                   "<tr><td valign=\"top\" align=center><font style=\"font-size:18pt;\"><b>Acme</b>")
            << false;
        QTest::newRow("logo path without layout is text-only")
            << letterhead("/l.png", "", "", "")
            << QStringLiteral(
                   "<tr><td valign=\"top\" align=center><font style=\"font-size:18pt;\"><b>Acme</b>")
            << false;
        QTest::newRow("layout 0") << letterhead("/l.png", "0", "", "")
                                  << QStringLiteral(
                                         "<div align=\"center\"><img src=\"file:///l.png\"  border=\"0\" "
                                         "vspace=\"2\" alt=\"Company Logo\"><br clear=\"all\">")
                                  << false;
        QTest::newRow("layout 1") << letterhead("/l.png", "1", "", "")
                                  << QStringLiteral("<td width=\"42%\" align=\"right\" VALIGN=\"TOP\">\r\n")
                                  << true;
        QTest::newRow("layout 2") << letterhead("/l.png", "2", "", "")
                                  << QStringLiteral(
                                         "</b></font></td>      \r\n</tr>\r\n<tr>\r\n<td width=\"100%\" "
                                         "align=\"center\" colspan=\"2\">     \r\n")
                                  << true;
        QTest::newRow("left-aligned text-only")
            << letterhead("", "", "1", "")
            << QStringLiteral("Line 3</font></td>\r\n<td WIDTH=\"50%\" align=\"RIGHT\" "
                              "style=\"padding-right:60px\">\r\n<br><font")
            << false;
        QTest::newRow("left-aligned with logo")
            << letterhead("/l.png", "2", "1", "")
            << QStringLiteral("Line 3</font></td>\r\n<td WIDTH=\"40%\" align=\"RIGHT\" "
                              "style=\"padding-right:60px\">\r\n<br><font")
            << true;
        QTest::newRow("address-right text-only")
            << letterhead("", "", "0", "1")
            << QStringLiteral("<td WIDTH=\"50%\" align=\"left\" STYLE=\"PADDING-LEFT:0PX\">\r\n<font "
                              "style=\"font-size:18pt;\"><b>Acme</b></font></td>\r\n")
            << false;
        QTest::newRow("address-right with logo")
            << letterhead("/l.png", "0", "0", "1")
            << QStringLiteral(
                   "<td width=\"50%\" align=\"left\"><font "
                   "style=\"font-size:18pt;\"><b>Acme</b></font></td>\r\n<td WIDTH=\"50%\" align=\"RIGHT\"")
            << true;
    }

    void variants()
    {
        QFETCH(Letterhead, lh);
        QFETCH(QString, marker);
        QFETCH(bool, hasLogo);
        const QString block = HeadingBlock::build(company(), lh, QStringLiteral("Invoice"));
        QVERIFY2(block.contains(marker), qPrintable(block));
        QCOMPARE(block.contains(LogoImgStart), hasLogo);
        QVERIFY(
            block.startsWith(QStringLiteral("<div align=center><table style=\"BORDER-COLLAPSE: collapse;")));
        QVERIFY(block.endsWith(QStringLiteral("<br><br></td></tr>\r\n</table></div>")));
        QCOMPARE(block.count(QStringLiteral("Invoice</font><br>")), 1);
    }

    void unknownLayoutKeepsOnlyTheBadge()
    {
        const QString block =
            HeadingBlock::build(company(), letterhead("/l.png", "7", "", ""), QStringLiteral("Invoice"));
        QVERIFY(!block.contains(QStringLiteral("Acme")));
        QVERIFY(block.contains(QStringLiteral("<tr><td valign=\"top\" align=center><br><br><font")));
    }

    void noBlockAtAll()
    {
        QVERIFY(HeadingBlock::build(company(), letterhead("", "", "3", "3"), QStringLiteral("Invoice"))
                    .isEmpty());
    }

    void logoUrl_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("url");
        QTest::newRow("windows path with blanks") << QStringLiteral("C:\\My Logos\\logo 1.jpg")
                                                  << QStringLiteral("file:///C:/My%20Logos/logo%201.jpg");
        QTest::newRow("linux path") << QStringLiteral("/x/y") << QStringLiteral("file:///x/y");
        QTest::newRow("linux path with blank")
            << QStringLiteral("/home/a b/l.gif") << QStringLiteral("file:///home/a%20b/l.gif");
    }

    void logoUrl()
    {
        QFETCH(QString, path);
        QFETCH(QString, url);
        QCOMPARE(PageText::logoUrl(path), url);
    }

    void typeWithBlanksInBadgeAndNumberRow()
    {
        const QString block = HeadingBlock::build(company(), {}, QStringLiteral(" Tax Invoice "));
        QVERIFY(block.contains(QStringLiteral("border:1px solid black\">Tax&nbsp;Invoice</font><br>")));
        DocumentSnapshot snapshot;
        snapshot.document.docType = QStringLiteral("Tax Invoice");
        QVERIFY(
            TitleBlock::build(snapshot).contains(QStringLiteral("width=40%>Tax&nbsp;Invoice&nbsp;No.</td>")));
    }

    void threeLineAddressGivesTwoBreaks()
    {
        const QString page =
            PageText::finalReplacements(HeadingBlock::build(company(), {}, QStringLiteral("Invoice")));
        QVERIFY(page.contains(QStringLiteral("Line 1<br>\r\nLine 2<br>\r\nLine 3</font>")));
    }

    void valuesAreNotEscaped()
    {
        CompanyProfile profile = company();
        profile.name = QStringLiteral("<b>Bold & Co</b>");
        QVERIFY(HeadingBlock::build(profile, {}, QStringLiteral("Invoice"))
                    .contains(QStringLiteral("<b><b>Bold & Co</b>")));
    }

    void shipToRowOnlyWhenSomethingIsFilled_data()
    {
        QTest::addColumn<QString>("term");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("shown");
        QTest::newRow("all blank") << QStringLiteral("  ") << QStringLiteral(" ") << QString() << false;
        QTest::newRow("term only") << QStringLiteral("Ship To:") << QString() << QString() << true;
        QTest::newRow("address only") << QString() << QString() << QStringLiteral("Dock") << true;
    }

    void shipToRowOnlyWhenSomethingIsFilled()
    {
        QFETCH(QString, term);
        QFETCH(QString, name);
        QFETCH(QString, address);
        QFETCH(bool, shown);
        DocumentSnapshot snapshot;
        snapshot.document.shipToTerm = term;
        snapshot.document.shipToName = name;
        snapshot.document.shipToAddress = address;
        const QString block = TitleBlock::build(snapshot);
        QCOMPARE(block.count(QStringLiteral("<table class=address")), shown ? 2 : 1);
        QCOMPARE(block.contains(QStringLiteral("<td>&nbsp;</td></tr>")), shown);
        // The page without money values never prints the ship-to box.
        QCOMPARE(TitleBlock::build(snapshot, true).count(QStringLiteral("<table class=address")), 1);
    }
};

TW_TEST_MAIN(TestHeadingBlock)
#include "tst_HeadingBlock.moc"
