#include "PageTestSupport.h"
#include "TestSupport.h"
#include "html/PageBuilder.h"
#include "html/PageText.h"

using namespace PageTestSupport;

class TestPageBuilder : public QObject
{
    Q_OBJECT

private slots:
    void wholePages_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("centred invoice, struck empty row, borders on") << QStringLiteral("invoice-centred");
        QTest::newRow("address right with logo, no discount, taxable charges, notes, barcode")
            << QStringLiteral("tax-invoice-address-right");
        QTest::newRow("money-free delivery order with balance line")
            << QStringLiteral("delivery-order-money-free");
    }

    void wholePages()
    {
        QFETCH(QString, name);
        const QByteArray json = readFile(TestSupport::testData(QStringLiteral("pages/%1.json").arg(name)));
        const QByteArray golden = readFile(TestSupport::testData(QStringLiteral("pages/%1.htm").arg(name)));
        QVERIFY(!json.isEmpty() && !golden.isEmpty());
        const QString page = PageBuilder::build(snapshot(documentFromJson(json)));
        const QString expected = expandGolden(golden);
        // The file adds the final CR LF; the golden files end with it.
        const QStringList got = (page + PageText::CrLf).split(PageText::CrLf);
        const QStringList want = expected.split(PageText::CrLf);
        for (qsizetype i = 0; i < std::min(got.size(), want.size()); ++i)
            QVERIFY2(
                got[i] == want[i],
                qPrintable(QStringLiteral("line %1:\n got: %2\nwant: %3").arg(i + 1).arg(got[i], want[i])));
        QCOMPARE(got.size(), want.size());
    }

    void styleSheetFollowsBorderOption_data()
    {
        QTest::addColumn<bool>("borders");
        QTest::addColumn<QString>("line7");
        QTest::addColumn<QString>("line10");
        QTest::newRow("on") << true << QStringLiteral("table.DocNo{border:1px solid gray}")
                            << QStringLiteral(
                                   "table.Note{border:0px solid gray;width:80%;border-collapse:collapse}");
        QTest::newRow("off") << false << QString()
                             << QStringLiteral("table.Note{border: 0;width:80%;border-collapse:collapse}");
    }

    void styleSheetFollowsBorderOption()
    {
        QFETCH(bool, borders);
        QFETCH(QString, line7);
        QFETCH(QString, line10);
        const QStringList lines =
            PageBuilder::frame(QStringLiteral("T"), borders, QString(), QString()).split(PageText::CrLf);
        QCOMPARE(lines.at(6), line7);
        QCOMPARE(lines.at(9), line10);
        QCOMPARE(lines.at(2), QStringLiteral("<title>T</title>"));
    }

    void finalReplacementsInOrder_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("br") << QStringLiteral("a<br>b") << QStringLiteral("a<br>\r\nb");
        QTest::newRow("upper BR untouched") << QStringLiteral("a<BR>b") << QStringLiteral("a<BR>b");
        QTest::newRow("row with attributes untouched by the row rule")
            << QStringLiteral("<tr style=x></tr>") << QStringLiteral("<tr style=x></tr>\r\n");
        QTest::newRow("plain row") << QStringLiteral("<tr>x</tr>") << QStringLiteral("\r\n<tr>x</tr>\r\n");
        QTest::newRow("div and table")
            << QStringLiteral("<div a><table b></table></div>")
            << QStringLiteral("\r\n\r\n<div a>\r\n\r\n<table b></table>\r\n\r\n</div>\r\n\r\n");
        QTest::newRow("upper TABLE untouched")
            << QStringLiteral("<TABLE></TABLE>") << QStringLiteral("<TABLE></TABLE>");
        QTest::newRow("bullet indented")
            << QStringLiteral("\u2022 x") << QStringLiteral("&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;\u2022 x");
    }

    void finalReplacementsInOrder()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(PageText::finalReplacements(in), out);
    }

    void titleTrimmedButNumberRowNot()
    {
        Document document = plainDocument(1);
        document.docNumber = QStringLiteral(" N-9 ");
        const QString page = PageBuilder::build(snapshot(document));
        QVERIFY(page.contains(QStringLiteral("<title>N-9</title>")));
        QVERIFY(page.contains(QStringLiteral("<td valign=\"top\"> N-9 </td></tr>")));
    }

    void shortDateFollowsLocale_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("date");
        QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates)
                               << QStringLiteral("12/4/26");
        QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany) << QStringLiteral("04.12.26");
    }

    void shortDateFollowsLocale()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, date);
        const QString page = PageBuilder::build(DocumentSnapshot{plainDocument(1), PageCaptions{}, locale});
        QVERIFY(page.contains(QStringLiteral("&nbsp;&nbsp;:&nbsp;</td><td valign=\"top\">") + date +
                              QStringLiteral("</td>")));
    }
};

TW_TEST_MAIN(TestPageBuilder)
#include "tst_PageBuilder.moc"
