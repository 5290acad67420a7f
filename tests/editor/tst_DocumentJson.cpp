#include "TestSupport.h"

#include "editor/DocumentJson.h"

namespace {

QByteArray rowsJson(int count)
{
    QByteArray rows = "[";
    for (int i = 0; i < count; ++i)
        rows += i == 0 ? "{}" : ",{}";
    return rows + "]";
}

QByteArray withRows(int count)
{
    return "{\"rows\":" + rowsJson(count) + "}";
}

} // namespace

class TestDocumentJson : public QObject
{
    Q_OBJECT

private slots:
    // Every refusal names the key it is about, so that a script's author can find the value.
    void refusedNamingTheKey_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<int>("maxRows");
        QTest::addColumn<QString>("key");
        const int rows = CreateRowsCommand::MaxRows;
        const int multi = CreateRowsCommand::MultiLineMaxRows;

        QTest::newRow("page rows 0") << QByteArray("{\"pageRows\":\"0\"}") << rows << "pageRows";
        QTest::newRow("page rows 101") << QByteArray("{\"pageRows\":\"101\"}") << rows << "pageRows";
        QTest::newRow("page rows a million") << QByteArray("{\"pageRows\":\"1000000\"}") << rows << "pageRows";
        QTest::newRow("page rows two billion") << QByteArray("{\"pageRows\":\"2000000000\"}") << rows << "pageRows";
        QTest::newRow("page rows negative") << QByteArray("{\"pageRows\":\"-5\"}") << rows << "pageRows";
        QTest::newRow("page rows blank") << QByteArray("{\"pageRows\":\"\"}") << rows << "pageRows";
        QTest::newRow("page rows padded") << QByteArray("{\"pageRows\":\" 22\"}") << rows << "pageRows";
        QTest::newRow("page rows leading zero") << QByteArray("{\"pageRows\":\"022\"}") << rows << "pageRows";
        QTest::newRow("page rows decimal") << QByteArray("{\"pageRows\":\"2.0\"}") << rows << "pageRows";

        QTest::newRow("66 rows") << withRows(66) << rows << "rows";
        QTest::newRow("20 multi-line rows") << withRows(20) << multi << "rows";
        QTest::newRow("a million rows") << withRows(1000000) << rows << "rows";

        QTest::newRow("raw NUL") << QByteArray("{\"notes\":\"a\0b\"}", 15) << rows << "notes";
        QTest::newRow("escaped NUL") << QByteArray("{\"docNumber\":\"INV\\u0000-1\"}") << rows << "docNumber";
        QTest::newRow("escape character") << QByteArray("{\"billTo\":{\"name\":\"\\u001b[31m\"}}") << rows << "billTo.name";
        QTest::newRow("NUL in a row") << QByteArray("{\"rows\":[{},{\"description\":\"x\\u0000\"}]}") << rows
                                      << "rows[1].description";
        QTest::newRow("form feed in company") << QByteArray("{\"company\":{\"address\":\"a\\fb\"}}") << rows
                                              << "company.address";
        QTest::newRow("unit separator in letterhead") << QByteArray("{\"letterhead\":{\"layout\":\"\\u001f\"}}") << rows
                                                      << "letterhead.layout";

        QTest::newRow("unknown key with a NUL") << QByteArray("{\"a\\u0000b\":\"\"}") << rows << "a\\u0000b";
        QTest::newRow("date with time") << QByteArray("{\"docDate\":\"2026-12-04T10:00:00\"}") << rows << "docDate";
        QTest::newRow("date with blank") << QByteArray("{\"docDate\":\"2026-12-04 \"}") << rows << "docDate";
        QTest::newRow("date with leading blank") << QByteArray("{\"docDate\":\" 2026-12-04\"}") << rows << "docDate";
        QTest::newRow("date without zeros") << QByteArray("{\"docDate\":\"2026-1-4\"}") << rows << "docDate";
        QTest::newRow("date 30 February") << QByteArray("{\"docDate\":\"2026-02-30\"}") << rows << "docDate";
        QTest::newRow("date in other order") << QByteArray("{\"docDate\":\"04-12-2026\"}") << rows << "docDate";

        QTest::newRow("lone high surrogate") << QByteArray("{\"notes\":\"\\ud800x\"}") << rows << "notes";
        QTest::newRow("lone low surrogate") << QByteArray("{\"notes\":\"\\udc00\"}") << rows << "notes";
        QTest::newRow("high then plain escape") << QByteArray("{\"salePerson\":\"\\ud83d\\u0041\"}") << rows << "salePerson";
        QTest::newRow("high surrogate at end") << QByteArray("{\"rows\":[{\"qty\":\"1\\ud83d\"}]}") << rows << "rows[0].qty";

        QTest::newRow("same key twice") << QByteArray("{\"docNumber\":\"A\",\"docNumber\":\"B\"}") << rows << "docNumber";
        QTest::newRow("same key spelt with an escape")
            << QByteArray("{\"docNumber\":\"A\",\"doc\\u004eumber\":\"B\"}") << rows << "docNumber";
        QTest::newRow("same nested key") << QByteArray("{\"billTo\":{\"name\":\"A\",\"name\":\"B\"}}") << rows << "billTo.name";
        QTest::newRow("same key in second row") << QByteArray("{\"rows\":[{\"qty\":\"1\"},{\"qty\":\"1\",\"qty\":\"2\"}]}")
                                                << rows << "rows[1].qty";
        QTest::newRow("same object twice") << QByteArray("{\"options\":{},\"options\":{}}") << rows << "options";
        QTest::newRow("same key in output totals") << QByteArray("{\"totals\":{\"total\":\"1\",\"total\":\"2\"}}") << rows
                                                   << "totals.total";
    }

    void refusedNamingTheKey()
    {
        QFETCH(QByteArray, json);
        QFETCH(int, maxRows);
        QFETCH(QString, key);
        const DocumentJson::ReadResult read = DocumentJson::read(json, maxRows);
        QVERIFY(!read.ok);
        QVERIFY2(read.error.contains(QLatin1Char('"') + key + QLatin1Char('"')), qPrintable(read.error));
        QVERIFY(!read.error.contains(QChar(0)));
    }

    // The edges of what the window accepts, and the characters every field can hold.
    void accepted_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<int>("maxRows");
        QTest::addColumn<QString>("notes");
        const int rows = CreateRowsCommand::MaxRows;
        QTest::newRow("page rows 1") << QByteArray("{\"pageRows\":\"1\"}") << rows << "";
        QTest::newRow("page rows 100") << QByteArray("{\"pageRows\":\"100\"}") << rows << "";
        QTest::newRow("65 rows") << withRows(65) << rows << "";
        QTest::newRow("no rows, as written for a document without them") << withRows(0) << rows << "";
        QTest::newRow("19 multi-line rows") << withRows(19) << int(CreateRowsCommand::MultiLineMaxRows) << "";
        QTest::newRow("tab and line breaks") << QByteArray("{\"notes\":\"a\\tb\\nc\\r\\nd\"}") << rows << "a\tb\r\nc\r\nd";
        QTest::newRow("delete and beyond") << QByteArray("{\"notes\":\"\x7f\xc2\x85\"}") << rows
                                           << QString(QChar(0x7f)) + QChar(0x85);
        QTest::newRow("surrogate pair") << QByteArray("{\"notes\":\"\\ud83d\\ude00\"}") << rows
                                        << QString::fromUtf8("\xf0\x9f\x98\x80");
        QTest::newRow("escaped quote before a key") << QByteArray("{\"notes\":\"\\\",\\\"notes\\\":\\\"\",\"paid\":\"\"}") << rows
                                                    << "\",\"notes\":\"";
        QTest::newRow("same key in two objects") << QByteArray("{\"billTo\":{\"name\":\"A\"},\"shipTo\":{\"name\":\"A\"}}")
                                                 << rows << "";
        QTest::newRow("same key in two rows") << QByteArray("{\"rows\":[{\"qty\":\"1\"},{\"qty\":\"2\"}]}") << rows << "";
        QTest::newRow("date") << QByteArray("{\"docDate\":\"2026-12-04\"}") << rows << "";
    }

    void accepted()
    {
        QFETCH(QByteArray, json);
        QFETCH(int, maxRows);
        QFETCH(QString, notes);
        const DocumentJson::ReadResult read = DocumentJson::read(json, maxRows);
        QVERIFY2(read.ok, qPrintable(read.error));
        QCOMPARE(read.document.notes, notes);
    }

    void oversizedInputIsRefusedBeforeParsing()
    {
        QByteArray json = "{\"notes\":\"";
        json += QByteArray(DocumentJson::MaxBytes, 'x');
        json += "\"}";
        const DocumentJson::ReadResult read = DocumentJson::read(json);
        QVERIFY(!read.ok);
        QVERIFY2(read.error.contains(QLatin1String("16 MiB")), qPrintable(read.error));
    }
};

TW_TEST_MAIN(TestDocumentJson)
#include "tst_DocumentJson.moc"
