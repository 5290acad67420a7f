#include "TestSupport.h"

#include "viewer/HtmlFileEncoder.h"

class TestHtmlFileEncoder : public QObject
{
    Q_OBJECT

private slots:
    void encode_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << QStringLiteral("<b>Total</b>") << QByteArray("<b>Total</b>");
        QTest::newRow("latin-1 range") << QString::fromUtf8("Café ü ÿ") << QByteArray("Caf\xe9 \xfc \xff");
        QTest::newRow("code page extras") << QString::fromUtf8("€ – — “x” • ™ Ÿ")
                                          << QByteArray("\x80 \x96 \x97 \x93x\x94 \x95 \x99 \x9f");
        QTest::newRow("outside the code page") << QString::fromUtf8("Ω 中") << QByteArray("&#937; &#20013;");
        QTest::newRow("outside the basic plane") << QString::fromUtf8("a😀b") << QByteArray("a&#128512;b");
        QTest::newRow("C1 control without a character") << QString(QChar(0x81)) << QByteArray("&#129;");
        QTest::newRow("LF becomes CR LF") << QStringLiteral("a\nb") << QByteArray("a\r\nb");
        QTest::newRow("CR LF stays") << QStringLiteral("a\r\nb") << QByteArray("a\r\nb");
        QTest::newRow("lone CR becomes CR LF") << QStringLiteral("a\rb\n\n") << QByteArray("a\r\nb\r\n\r\n");
        QTest::newRow("empty") << QString() << QByteArray();
    }

    void encode()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(HtmlFileEncoder::encode(text), bytes);
    }
};

TW_TEST_MAIN(TestHtmlFileEncoder)
#include "tst_HtmlFileEncoder.moc"
