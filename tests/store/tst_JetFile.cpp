#include "TestSupport.h"
#include "store/JetValues.h"

#include <QtEndian>
#include <cmath>

class TestJetFile : public QObject
{
    Q_OBJECT

private slots:
    void datesFromDayCounts_data()
    {
        QTest::addColumn<double>("days");
        QTest::addColumn<QDate>("date");
        QTest::newRow("day zero") << 0.0 << QDate(1899, 12, 30);
        QTest::newRow("leap day 2004") << 38046.0 << QDate(2004, 2, 29);
        QTest::newRow("1 Jan 1999 with time") << 36161.75 << QDate(1999, 1, 1);
        QTest::newRow("before day zero, time kept apart") << -1.25 << QDate(1899, 12, 29);
        QTest::newRow("1800") << -36463.5 << QDate(1800, 3, 1);
        QTest::newRow("first day of range") << -657434.0 << QDate(100, 1, 1);
        QTest::newRow("last day of range") << 2958465.9 << QDate(9999, 12, 31);
        QTest::newRow("past the range") << 2958466.0 << QDate();
        QTest::newRow("before the range") << -657435.0 << QDate();
        QTest::newRow("not a number") << std::nan("") << QDate();
    }

    void datesFromDayCounts()
    {
        QFETCH(double, days);
        QFETCH(QDate, date);
        QCOMPARE(JetValues::dateFromDays(days), date);
    }

    void decimals_data()
    {
        QTest::addColumn<quint8>("sign");
        QTest::addColumn<quint64>("high");
        QTest::addColumn<quint64>("low");
        QTest::addColumn<int>("scale");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << quint8(0) << quint64(0) << quint64(42) << 0 << "42";
        QTest::newRow("cents") << quint8(0) << quint64(0) << quint64(12345) << 2 << "123.45";
        QTest::newRow("negative") << quint8(0x80) << quint64(0) << quint64(1250) << 2 << "-12.50";
        QTest::newRow("below one") << quint8(0) << quint64(0) << quint64(5) << 3 << "0.005";
        QTest::newRow("negative zero") << quint8(0x80) << quint64(0) << quint64(0) << 2 << "0.00";
        QTest::newRow("beyond 64 bits")
            << quint8(0) << quint64(1) << quint64(0) << 0 << "18446744073709551616";
    }

    void decimals()
    {
        QFETCH(quint8, sign);
        QFETCH(quint64, high);
        QFETCH(quint64, low);
        QFETCH(int, scale);
        QFETCH(QString, text);
        // Four 32-bit little-endian words after the sign byte, most significant first.
        unsigned char bytes[17] = {sign};
        const quint32 words[4] = {quint32(high >> 32), quint32(high), quint32(low >> 32), quint32(low)};
        for (int i = 0; i < 4; ++i)
            qToLittleEndian(words[i], bytes + 1 + 4 * i);
        QCOMPARE(JetValues::decimalText(bytes, scale), text);
    }

    void currency()
    {
        unsigned char bytes[8];
        qToLittleEndian(qint64(-12345678), bytes);
        QCOMPARE(JetValues::currencyValue(bytes), -1234.5678);
    }
};

TW_TEST_MAIN(TestJetFile)
#include "tst_JetFile.moc"
