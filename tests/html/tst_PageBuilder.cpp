#include "PageTestSupport.h"
#include "TestSupport.h"
#include "core/ShortDateFormat.h"
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
        QTest::newRow("centred invoice, struck empty row, borders on") << "invoice-centred";
        QTest::newRow("address right with logo, no discount, taxable charges, notes, barcode")
            << "tax-invoice-address-right";
        QTest::newRow("money-free delivery order with balance line") << "delivery-order-money-free";
    }

    void wholePages()
    {
        QFETCH(QString, name);
        const QByteArray json = readFile(TestSupport::testData(QStringLiteral("pages/%1.json").arg(name)));
        const QByteArray golden = readFile(TestSupport::testData(QStringLiteral("pages/%1.htm").arg(name)));
        QVERIFY(!json.isEmpty() && !golden.isEmpty());
        // The file adds the final CR LF; the golden files end with it. A failure names the first line that differs.
        const QString page = PageBuilder::build(snapshot(documentFromJson(json))) + PageText::CrLf;
        const QStringList got = page.split(PageText::CrLf), want = expandGolden(golden).split(PageText::CrLf);
        for (qsizetype i = 0; i < std::min(got.size(), want.size()); ++i)
            QVERIFY2(got[i] == want[i],
                     qPrintable(QStringLiteral("line %1:\n got: %2\nwant: %3").arg(i + 1).arg(got[i], want[i])));
        QCOMPARE(got.size(), want.size());
    }

    // The golden pages hold the rules that apply; these are the texts they must leave alone.
    void finalReplacementsInOrder_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("upper BR untouched") << "a<BR>b" << "a<BR>b";
        QTest::newRow("row with attributes: no line break before") << "<tr style=x></tr>" << "<tr style=x></tr>\r\n";
        QTest::newRow("upper TABLE untouched") << "<TABLE></TABLE>" << "<TABLE></TABLE>";
    }

    void finalReplacementsInOrder()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(PageText::finalReplacements(in), out);
    }

    // The date row follows the program's short date: the locale's own short form until the user picks
    // day-month-year, on the priced and the money-free page alike.
    void dateRow_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("setting");
        QTest::addColumn<bool>("moneyFree");
        QTest::addColumn<QString>("expected");
        const QString dmy = ShortDateFormat::DayMonthYear;
        QTest::newRow("en_US regional") << "en_US" << QString() << false << "12/4/26";
        QTest::newRow("de_DE day-month-year") << "de_DE" << dmy << false << "04-Dez.-2026";
        QTest::newRow("de_DE regional, money-free") << "de_DE" << QString() << true << "04.12.26";
        QTest::newRow("en_US day-month-year, money-free") << "en_US" << dmy << true << "04-Dec-2026";
    }

    void dateRow()
    {
        QFETCH(QString, locale);
        QFETCH(QString, setting);
        QFETCH(bool, moneyFree);
        QFETCH(QString, expected);
        Document document = plainDocument(1);
        document.letterhead.dateFormat = setting;
        document.options.hideMoney = moneyFree;
        const QString page = PageBuilder::build(DocumentSnapshot{document, PageCaptions{}, QLocale(locale)});
        const QString row = QStringLiteral("Date</td><td valign=\"top\" width=45>&nbsp;&nbsp;:&nbsp;</td>"
                                           "<td valign=\"top\">") +
                            expected + QStringLiteral("</td></tr>\r\n");
        QVERIFY2(page.contains(row), qPrintable(row));
    }
};

TW_TEST_MAIN(TestPageBuilder)
#include "tst_PageBuilder.moc"
