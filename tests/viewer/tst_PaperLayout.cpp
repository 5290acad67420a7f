#include "TestSupport.h"

#include "viewer/PaperLayout.h"

#include <QMarginsF>
#include <QPageSize>

class TestPaperLayout : public QObject
{
    Q_OBJECT

private slots:
    void regionalDefault_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("paper");
        QTest::newRow("United States") << QStringLiteral("en_US") << int(QPageSize::Letter);
        QTest::newRow("Canada, French") << QStringLiteral("fr_CA") << int(QPageSize::Letter);
        QTest::newRow("Mexico") << QStringLiteral("es_MX") << int(QPageSize::Letter);
        QTest::newRow("Philippines") << QStringLiteral("fil_PH") << int(QPageSize::Letter);
        QTest::newRow("Chile") << QStringLiteral("es_CL") << int(QPageSize::Letter);
        QTest::newRow("United Kingdom") << QStringLiteral("en_GB") << int(QPageSize::A4);
        QTest::newRow("Spain") << QStringLiteral("es_ES") << int(QPageSize::A4);
        QTest::newRow("Australia") << QStringLiteral("en_AU") << int(QPageSize::A4);
        QTest::newRow("no territory") << QStringLiteral("C") << int(QPageSize::A4);
    }

    void regionalDefault()
    {
        QFETCH(QString, locale);
        QFETCH(int, paper);
        const QPageLayout layout = PaperLayout::regionalDefault(QLocale(locale));
        QCOMPARE(int(layout.pageSize().id()), paper);
        QCOMPARE(layout.orientation(), QPageLayout::Portrait);
        QCOMPARE(layout.margins(QPageLayout::Millimeter), QMarginsF(12.7, 12.7, 12.7, 12.7));
    }

    // What Page Setup stores reads back as the same layout; anything else falls back to the default.
    void settingText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("readable");
        QTest::newRow("A4 portrait") << QStringLiteral("A4;Portrait;12.7;12.7;12.7;12.7") << true;
        QTest::newRow("Letter landscape") << QStringLiteral("Letter;Landscape;25;10;25;10") << true;
        QTest::newRow("legal, no margins") << QStringLiteral("Legal;Portrait;0;0;0;0") << true;
        QTest::newRow("own size") << QStringLiteral("Custom.400x600;Portrait;5;5;5;5") << true;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("unknown paper") << QStringLiteral("Napkin;Portrait;1;1;1;1") << false;
        QTest::newRow("bad orientation") << QStringLiteral("A4;Sideways;1;1;1;1") << false;
        QTest::newRow("negative margin") << QStringLiteral("A4;Portrait;-1;1;1;1") << false;
        QTest::newRow("margins fill the sheet") << QStringLiteral("A4;Portrait;100;1;100;1") << false;
        QTest::newRow("too few parts") << QStringLiteral("A4;Portrait;1;1;1") << false;
        QTest::newRow("not a number") << QStringLiteral("A4;Portrait;x;1;1;1") << false;
        QTest::newRow("tiny own size") << QStringLiteral("Custom.10x10;Portrait;0;0;0;0") << false;
    }

    void settingText()
    {
        QFETCH(QString, text);
        QFETCH(bool, readable);
        const std::optional<QPageLayout> layout = PaperLayout::fromText(text);
        QCOMPARE(layout.has_value(), readable);
        const QLocale us(QStringLiteral("en_US"));
        if (!readable) {
            QVERIFY(PaperLayout::fromSetting(text, us).isEquivalentTo(PaperLayout::regionalDefault(us)));
            return;
        }
        QCOMPARE(PaperLayout::toText(*layout), text);
        QVERIFY(PaperLayout::fromSetting(text, us).isEquivalentTo(*layout));
    }

    void named()
    {
        QCOMPARE(PaperLayout::named(QStringLiteral("A4"))->pageSize().id(), QPageSize::A4);
        QCOMPARE(PaperLayout::named(QStringLiteral("letter"))->pageSize().id(), QPageSize::Letter);
        QVERIFY(!PaperLayout::named(QStringLiteral("a3")));
        QVERIFY(!PaperLayout::named(QString()));
    }
};

TW_TEST_MAIN(TestPaperLayout)
#include "tst_PaperLayout.moc"
