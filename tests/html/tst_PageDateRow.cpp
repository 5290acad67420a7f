#include "TestSupport.h"
#include "app/ShortDateFormat.h"
#include "editor/DocumentJson.h"
#include "html/DocumentSnapshot.h"
#include "html/PageBuilder.h"

#include <QFile>

// The date row of the page follows the program's short date: the locale's own short form until
// the user picks day-month-year on the settings page.
class TestPageDateRow : public QObject
{
    Q_OBJECT

private slots:
    void dateRow_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("setting");
        QTest::addColumn<bool>("moneyFree");
        QTest::addColumn<QString>("expected");
        const QString dmy = ShortDateFormat::DayMonthYear;
        for (const bool moneyFree : {false, true}) {
            const char* page = moneyFree ? "money-free" : "full";
            QTest::addRow("en_US regional %s", page) << "en_US" << QString() << moneyFree << "12/4/26";
            QTest::addRow("en_US day-month-year %s", page) << "en_US" << dmy << moneyFree << "04-Dec-2026";
            QTest::addRow("de_DE regional %s", page) << "de_DE" << QString() << moneyFree << "04.12.26";
            QTest::addRow("de_DE day-month-year %s", page) << "de_DE" << dmy << moneyFree << "04-Dez.-2026";
            // Anything but the day-month-year choice means the regional form.
            QTest::addRow("en_US unknown setting %s", page) << "en_US" << "yyyy" << moneyFree << "12/4/26";
        }
    }

    void dateRow()
    {
        QFETCH(QString, locale);
        QFETCH(QString, setting);
        QFETCH(bool, moneyFree);
        QFETCH(QString, expected);
        QFile file(TestSupport::testData(QStringLiteral("pages/invoice-centred.json")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        Document document = DocumentJson::read(file.readAll()).document;
        QCOMPARE(document.docDate, QDate(2026, 12, 4));
        document.letterhead.dateFormat = setting;
        document.options.hideMoney = moneyFree;
        const QString page = PageBuilder::build(DocumentSnapshot{document, PageCaptions{}, QLocale(locale)});
        const QString row = QStringLiteral("Date</td><td valign=\"top\" width=45>&nbsp;&nbsp;:&nbsp;</td>"
                                           "<td valign=\"top\">") +
                            expected + QStringLiteral("</td></tr>\r\n");
        QVERIFY2(page.contains(row), qPrintable(row));
    }
};

TW_TEST_MAIN(TestPageDateRow)
#include "tst_PageDateRow.moc"
