#include "LegacyFixture.h"
#include "store/JetFile.h"
#include "store/JetValues.h"

#include <QtEndian>

namespace {

// The listed value as the reader returns it: dates as dates, numbers as numbers.
QVariant expectedValue(const QVariant& listed, const QVariant& read)
{
    if (!listed.isValid())
        return {};
    const QString text = listed.toString();
    if (read.typeId() == QMetaType::QDate)
        return QDate::fromString(text.left(10), Qt::ISODate);
    if (read.typeId() == QMetaType::Double)
        return text.toDouble();
    if (read.typeId() == QMetaType::LongLong)
        return text.toLongLong();
    return text;
}

} // namespace

class TestJetFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!JetFile::isSupported())
            QSKIP("built without the reader of old database files");
    }

    void everyListedValueIsReadExactly()
    {
        JetFile file;
        QString error;
        QVERIFY2(file.open(LegacyFixture::mdbPath(), &error), qPrintable(error));
        const auto table = file.readTable(QStringLiteral("TBLDOC"), &error);
        QVERIFY2(table, qPrintable(error));
        const LegacyFixture::Rows listed = LegacyFixture::values();
        QCOMPARE(table->rows.size(), listed.size());
        const int idColumn = table->columnIndex(QStringLiteral("id"));
        QVERIFY(idColumn >= 0);
        for (const QVariantList& row : table->rows) {
            const qlonglong id = row[idColumn].toLongLong();
            QVERIFY(listed.contains(id));
            for (auto it = listed[id].cbegin(); it != listed[id].cend(); ++it) {
                const int column = table->columnIndex(it.key());
                QVERIFY2(column >= 0, qPrintable(it.key()));
                const QVariant read = row[column];
                const QVariant expected = expectedValue(it.value(), read);
                QVERIFY2(read.isValid() == expected.isValid(),
                         qPrintable(QStringLiteral("NULL differs: ID %1 %2").arg(id).arg(it.key())));
                QVERIFY2(read == expected, qPrintable(QStringLiteral("ID %1 %2: read %3 (%4 chars)")
                                                          .arg(id)
                                                          .arg(it.key(), read.toString().left(80))
                                                          .arg(read.toString().size())));
            }
        }
    }
};

TW_TEST_MAIN(TestJetFile)
#include "tst_JetFile.moc"
