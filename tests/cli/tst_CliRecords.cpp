#include "CliRunner.h"
#include "documents/NumberSeries.h"
#include "store/Database.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

namespace {

using namespace TestSupport;

// Three documents in the period, one before it; typed in English formats.
const char* const Documents[] = {
    R"({"docType":"Invoice","docNumber":"INV-2","docDate":"2026-03-05",
        "billTo":{"name":"Smith, \"Bob\""},
        "rows":[{"qty":"2","price":"1,250.00","discount":"0"}],
        "charges":{"name":"Delivery","amount":"10","taxable":true},"paid":"100",
        "company":{"name":"Shop","address":"","currencySymbol":"$","taxName":"VAT","taxPercent":"7"}})",
    R"({"docType":"Quotation","docNumber":"Q-1","docDate":"2026-03-05",
        "billTo":{"name":"Müller GmbH"},
        "rows":[{"qty":"1","price":"99.99","discount":"0"}],
        "charges":{"name":"Handling","amount":"5","taxable":false},
        "company":{"name":"Shop","address":"","currencySymbol":"€","taxName":"GST","taxPercent":"12.5"}})",
    R"({"docType":"Invoice","docNumber":"INV-1","docDate":"2026-02-01",
        "billTo":{"name":"Ann"},
        "rows":[{"qty":"3","price":"10","discount":"10"}],"paid":"28.89",
        "company":{"name":"Shop","address":"","currencySymbol":"$","taxName":"VAT","taxPercent":"7"}})",
    R"({"docType":"Invoice","docNumber":"OLD-1","docDate":"2025-12-31","billTo":{"name":"Before"},
        "rows":[{"qty":"1","price":"1","discount":"0"}]})",
};

const QByteArray Header = "type,number,date,customer,subtotal,tax name,tax percent,tax amount,charges,total,paid,balance\r\n";
const QByteArray Quotation = "Quotation,Q-1,2026-03-05,Müller GmbH,99.99,GST,12.5,12.50,5.00,117.49,0.00,117.49\r\n";
const QByteArray Journal = Header
                           + "Invoice,INV-1,2026-02-01,Ann,27.00,VAT,7,1.89,0.00,28.89,28.89,0.00\r\n"
                             "Invoice,INV-2,2026-03-05,\"Smith, \"\"Bob\"\"\",2510.00,VAT,7,175.70,10.00,2685.70,100.00,"
                             "2585.70\r\n"
                           + Quotation;

struct JournalHome
{
    QTemporaryDir home;
    QString db = home.filePath(QStringLiteral("shop.db"));

    CliRun run(const QString& locale, const QStringList& arguments) const
    {
        return runCli(QStringList{QStringLiteral("--db"), db, QStringLiteral("--locale"), locale, QStringLiteral("--yes")}
                          + arguments,
                      home.path());
    }
};

} // namespace

class TestCliRecords : public QObject
{
    Q_OBJECT

private:
    JournalHome m_shop;

private slots:
    void initTestCase()
    {
        {
            Database db;
            QVERIFY(db.create(m_shop.db));
        }
        int i = 0;
        for (const char* json : Documents) {
            const QString file = writeFile(m_shop.home.filePath(QStringLiteral("doc%1.json").arg(++i)), json);
            const CliRun saved = m_shop.run(QStringLiteral("en_US"), {QStringLiteral("save"), file});
            QVERIFY2(saved.exitCode == 0, saved.err.constData());
        }
    }

    // The same bytes whatever the region: ISO dates, a dot and two decimals, quoted where needed.
    void journalBytes_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::newRow("en_US") << "en_US";
        QTest::newRow("de_DE") << "de_DE";
    }
    void journalBytes()
    {
        QFETCH(QString, locale);
        const CliRun all = m_shop.run(locale, {QStringLiteral("journal"), QStringLiteral("2026-01-01"),
                                               QStringLiteral("2026-12-31")});
        QCOMPARE(all.exitCode, 0);
        QCOMPARE(all.out, Journal);

        const CliRun quotes = m_shop.run(locale, {QStringLiteral("journal"), QStringLiteral("2026-01-01"),
                                                  QStringLiteral("2026-12-31"), QStringLiteral("--type"),
                                                  QStringLiteral("quotation")});
        QCOMPARE(quotes.out, Header + Quotation);

        const QString file = m_shop.home.filePath(QStringLiteral("journal-%1.csv").arg(locale));
        const CliRun written = m_shop.run(locale, {QStringLiteral("journal"), QStringLiteral("2026-03-05"),
                                                   QStringLiteral("2026-03-05"), QStringLiteral("-o"), file});
        QCOMPARE(written.exitCode, 0);
        QVERIFY(written.out.isEmpty());
        QCOMPARE(readFile(file), Header + Journal.mid(Journal.indexOf("Invoice,INV-2")));
    }

    // Customers most recently saved first; rows without a product ID give no product.
    void rememberedNames()
    {
        const CliRun customers = m_shop.run(QStringLiteral("de_DE"), {QStringLiteral("customers")});
        QCOMPARE(customers.exitCode, 0);
        const QJsonArray names = QJsonDocument::fromJson(customers.out).array();
        QCOMPARE(names.toVariantList(), (QVariantList{QStringLiteral("Before"), QStringLiteral("Ann"),
                                                      QStringLiteral("Müller GmbH"), QStringLiteral("Smith, \"Bob\"")}));
        const CliRun products = m_shop.run(QStringLiteral("en_US"), {QStringLiteral("products")});
        QCOMPARE(products.exitCode, 0);
        QVERIFY(QJsonDocument::fromJson(products.out).isArray());
        QVERIFY(QJsonDocument::fromJson(products.out).array().isEmpty());
    }

    // A type with a series gets its next free number; one without gets the date-and-time number.
    void nextNumber()
    {
        {
            Database db;
            QCOMPARE(db.open(m_shop.db), Database::OpenStatus::Opened);
            SeriesDefinition invoices;
            invoices.docType = QStringLiteral("Invoice");
            invoices.pattern = QStringLiteral("INV-{#}");
            QVERIFY(NumberSeries(db).saveAll({invoices}));
        }
        const CliRun invoice = m_shop.run(QStringLiteral("en_US"), {QStringLiteral("next-number"), QStringLiteral("invoice")});
        QCOMPARE(invoice.exitCode, 0);
        QCOMPARE(invoice.outText(), QStringLiteral("INV-3\n"));  // INV-1 and INV-2 are stored already
        const CliRun receipt = m_shop.run(QStringLiteral("en_US"), {QStringLiteral("next-number"), QStringLiteral("Receipt")});
        QCOMPARE(receipt.exitCode, 0);
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d{12}\n$")).match(receipt.outText()).hasMatch(),
                 receipt.out.constData());
    }
};

TW_TEST_MAIN(TestCliRecords)
#include "tst_CliRecords.moc"
