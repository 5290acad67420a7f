// Whatever a value holds, it arrives in the table as that value and the statement around it does
// exactly what its words say: checked over random texts built from the characters that matter to
// statement text.

#include "TestSupport.h"
#include "documents/StoreFixture.h"
#include "store/CompanyRepository.h"
#include "store/CompanySaveCommand.h"
#include "store/SqlText.h"

#include <QRandomGenerator>

namespace {

constexpr int Rounds = 60;

// Random texts of up to `maxLength` characters, each drawn from `alphabet` or, one time in eight,
// any code point outside the surrogates.
class TextSource
{
public:
    TextSource(quint32 seed, QString alphabet, int maxLength)
        : m_random(seed), m_alphabet(std::move(alphabet)), m_maxLength(maxLength)
    {
    }

    QString next()
    {
        const int length = int(m_random.bounded(m_maxLength + 1));
        QString text;
        text.reserve(length);
        for (int i = 0; i < length; ++i) {
            if (m_random.bounded(8) == 0) {
                char32_t code = 0;
                do
                    code = char32_t(m_random.bounded(0x110000));
                while (code >= 0xD800 && code <= 0xDFFF);
                text += QString::fromUcs4(&code, 1);
            } else {
                text += m_alphabet.at(m_random.bounded(int(m_alphabet.size())));
            }
        }
        return text;
    }

private:
    QRandomGenerator m_random;
    QString m_alphabet;
    int m_maxLength;
};

QString fieldOf(const QSqlRecord& record, const char* column)
{
    return record.value(QLatin1String(column)).toString();
}

} // namespace

class TestStatementValues : public QObject
{
    Q_OBJECT

private slots:
    void anyTextRoundTrips_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<QString>("alphabet");
        QTest::addColumn<int>("maxLength");
        const QString nul(QChar(0));
        QTest::newRow("quotes, hashes, comments") << 1u << QStringLiteral("'\"#-;[]` a") << 24;
        QTest::newRow("statement words") << 2u << QStringLiteral("' OR 1=1;DROP TABLE tbldoc--#4-Dec-2026#") << 60;
        QTest::newRow("placeholders") << 3u << QStringLiteral("?:@$1name'") << 20;
        QTest::newRow("control characters") << 4u << nul + QStringLiteral("\x01\t\r\n\x1b\x7f'#") << 20;
        QTest::newRow("long texts") << 5u << QStringLiteral("'#;-ab") << 70000;
    }

    void anyTextRoundTrips()
    {
        QFETCH(quint32, seed);
        QFETCH(QString, alphabet);
        QFETCH(int, maxLength);
        StoreFixture store;
        TextSource texts(seed, alphabet, maxLength);
        const int rounds = maxLength > 1000 ? 6 : Rounds;
        store.insertRaw(sampleDocument(QStringLiteral("KEEP-1"), 1));
        QVERIFY(store.db.beginTransaction());  // one disk flush at the end, not three a round
        for (int round = 0; round < rounds; ++round) {
            Document doc = sampleDocument(QStringLiteral("N%1 ").arg(round) + texts.next(), 1);
            doc.docNumber = SqlText::TrimBlanks(doc.docNumber);
            doc.billToName = texts.next();
            doc.billToAddress = texts.next();
            doc.paymentTerm = texts.next();
            doc.rows[0].productId = texts.next();
            doc.rows[0].description = texts.next();
            doc.notes = texts.next();
            doc.shipToName = texts.next();
            const QString context = QStringLiteral("seed %1 round %2").arg(seed).arg(round);
            const SqlResult inserted = store.db.execute(DocStatements::insertRow(doc, 0, QDate(2026, 12, 5), store.locale).sql);
            QVERIFY2(inserted.ok, qPrintable(context + QStringLiteral(": ") + inserted.error));
            QCOMPARE(inserted.rowsAffected, 1);

            const QList<QSqlRecord> found = store.db.query(DocStatements::selectByNumber(doc.docNumber)).records;
            QVERIFY2(found.size() == 1, qPrintable(context));
            const QSqlRecord& row = found.first();
            QVERIFY2(!row.isNull(QStringLiteral("CompanyName")), qPrintable(context));
            const std::pair<const char*, QString> fields[] = {
                {"Docnumber", doc.docNumber},     {"CompanyName", doc.billToName},
                {"Address", doc.billToAddress},   {"PaymentTerm", doc.paymentTerm},
                {"ProductID", doc.rows[0].productId}, {"Description", doc.rows[0].description},
                {"Notes", doc.notes},             {"ShipToCus", doc.shipToName}};
            for (const auto& [column, value] : fields)
                QVERIFY2(fieldOf(row, column) == value, qPrintable(context + QLatin1Char(' ') + QLatin1String(column)));
            QCOMPARE(fieldOf(row, "DocDate"), QStringLiteral("2026-12-04"));

            const SqlResult deleted = store.db.execute(DocStatements::deleteByNumber(doc.docNumber));
            QVERIFY2(deleted.ok && deleted.rowsAffected == 1, qPrintable(context));
            QCOMPARE(store.allRows(), 1);
        }
    }

    void companyTextsRoundTrip_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::newRow("first") << 11u;
        QTest::newRow("second") << 12u;
    }

    void companyTextsRoundTrip()
    {
        QFETCH(quint32, seed);
        StoreFixture store;
        TextSource texts(seed, QString(QChar(0)) + QStringLiteral("'\"#;-\r\n Yes"), 30);
        QVERIFY(store.db.beginTransaction());
        for (int round = 0; round < Rounds; ++round) {
            CompanyProfile profile{texts.next(), texts.next(), texts.next(), texts.next(), QStringLiteral("7.5"), {}};
            profile.einvoice.vatId = texts.next();
            profile.einvoice.street = texts.next();
            QVERIFY(store.db.execute(CompanySaveCommand::updateStatement(profile)).ok);
            CompanyProfile stored{QString(), QString(), QString(), QString(), QString(), {}};
            QString error;
            QVERIFY2(CompanyRepository(store.db).loadInto(stored, &error), qPrintable(error));
            QVERIFY2(stored.name == profile.name && stored.address == profile.address
                         && stored.currencySymbol == profile.currencySymbol && stored.taxName == profile.taxName
                         && stored.einvoice.vatId == profile.einvoice.vatId
                         && stored.einvoice.street == profile.einvoice.street,
                     qPrintable(QStringLiteral("seed %1 round %2").arg(seed).arg(round)));
            QCOMPARE(store.db.query(QStringLiteral("SELECT * FROM tblcompany")).records.size(), 1);
        }
    }

    // The backup's file name is a value too.
    void compactIntoAnyFileName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("quote") << QStringLiteral("O'Brien's.mdb");
        QTest::newRow("statement end and comment") << QStringLiteral("a'; DROP TABLE tbldoc; --.mdb");
        QTest::newRow("double quote and hash") << QStringLiteral("\"#4-Dec-2026#\".mdb");
    }

    void compactIntoAnyFileName()
    {
        QFETCH(QString, name);
        StoreFixture store;
        store.insertRaw(sampleDocument(QStringLiteral("C-1"), 2));
        const QString target = store.dir.filePath(name);
        QString error;
        QVERIFY2(store.db.compactInto(target, &error), qPrintable(error));
        Database copy(store.locale);
        QCOMPARE(copy.open(target), Database::OpenStatus::Opened);
        QCOMPARE(copy.query(QStringLiteral("SELECT * FROM tbldoc")).records.size(), 2);
        QCOMPARE(store.allRows(), 2);
    }
};

TW_TEST_MAIN(TestStatementValues)
#include "tst_StatementValues.moc"
