#include "StoreFixture.h"
#include "TestSupport.h"

namespace {

Document invoice(const QString& number)
{
    Document doc = sampleDocument(number, 2);  // 2 x 10.00
    doc.company.taxName = QStringLiteral("VAT");
    doc.company.taxPercent = QStringLiteral("7");
    doc.company.currencySymbol = QStringLiteral("€");
    return doc;
}

void setCompanyTax(Database& db, const QString& name, const QString& percent, const QString& currency)
{
    QVERIFY(db.execute(QStringLiteral("UPDATE tblcompany SET TaxName = '%1', TaxPercent = %2, CurrencySymbol = '%3' "
                                      "WHERE Default = 'Yes'")
                           .arg(name, percent, currency))
                .ok);
}

} // namespace

class TestIssuedValues : public QObject
{
    Q_OBJECT

private slots:
    // What the document was issued with comes back after the company's profile changed.
    void reopenedDocumentKeepsWhatItWasIssuedWith_data()
    {
        QTest::addColumn<QString>("localeName");
        QTest::addColumn<QString>("percent");
        QTest::addColumn<bool>("hideMoney");
        QTest::addColumn<bool>("balanceOnly");
        QTest::addColumn<QString>("total");

        QTest::newRow("company rate") << "en_US" << "7" << false << false << "21.40";
        QTest::newRow("rate typed for this document") << "en_US" << "12.5" << true << false << "22.50";
        QTest::newRow("regional decimal comma") << "de_DE" << "12,5" << true << true << "22,50";
        QTest::newRow("no tax") << "en_US" << "0" << false << false << "20.00";
    }
    void reopenedDocumentKeepsWhatItWasIssuedWith()
    {
        QFETCH(QString, localeName);
        QFETCH(QString, percent);
        QFETCH(bool, hideMoney);
        QFETCH(bool, balanceOnly);
        QFETCH(QString, total);

        StoreFixture f{QLocale(localeName)};
        Document doc = invoice(QStringLiteral("INV-1"));
        for (DocumentRow& row : doc.rows)
            row.price = row.amount = f.locale.toString(10.0, 'f', 2);
        doc.company.taxPercent = percent;
        doc.options.hideMoney = hideMoney;
        doc.options.showBalanceOnly = balanceOnly;
        f.store(doc);
        setCompanyTax(f.db, QStringLiteral("GST"), QStringLiteral("20"), QStringLiteral("$"));

        Document onScreen;  // a later document with the new company values and options off
        onScreen.company.taxPercent = QStringLiteral("20");
        const OpenCommand::Result result = f.open(QStringLiteral("INV-1"), false, onScreen);
        QCOMPARE(result.outcome, OpenCommand::Outcome::Opened);
        const Document& back = result.document;
        QCOMPARE(back.company.taxName, QStringLiteral("VAT"));
        QCOMPARE(back.company.taxPercent, percent);
        QCOMPARE(back.company.currencySymbol, QStringLiteral("€"));
        QCOMPARE(back.options.hideMoney, hideMoney);
        QCOMPARE(back.options.showBalanceOnly, balanceOnly);
        QCOMPARE(back.total, total);
    }

    // Rows stored without the values (older files, imports, other programs) open with the company's.
    void documentStoredWithoutThemTakesTheCompanys()
    {
        StoreFixture f;
        Document doc = invoice(QStringLiteral("OLD-1"));
        f.insertRaw(doc);
        setCompanyTax(f.db, QStringLiteral("GST"), QStringLiteral("10"), QStringLiteral("$"));
        Document onScreen;
        onScreen.company.taxPercent = QStringLiteral("3");
        onScreen.options.hideMoney = true;
        const OpenCommand::Result result = f.open(QStringLiteral("OLD-1"), false, onScreen);
        QCOMPARE(result.outcome, OpenCommand::Outcome::Opened);
        QCOMPARE(result.document.company.taxName, QStringLiteral("GST"));
        QCOMPARE(result.document.company.taxPercent, QStringLiteral("10"));
        QCOMPARE(result.document.company.currencySymbol, QStringLiteral("$"));
        QCOMPARE(result.document.options.hideMoney, true);  // as the screen had it, as before
        QCOMPARE(result.document.total, QStringLiteral("22.00"));
    }

    // Saving again writes the values once more onto every row of the number, and only there.
    void everyRowOfTheNumberCarriesThem()
    {
        StoreFixture f;
        f.store(invoice(QStringLiteral("A-1")));
        Document other = invoice(QStringLiteral("A-2"));
        other.company.taxPercent = QStringLiteral("5");
        f.store(other);
        for (const QSqlRecord& row : f.rowsOf(QStringLiteral("A-1")))
            QCOMPARE(row.value(QStringLiteral("TaxPercent")).toDouble(), 7.0);
        for (const QSqlRecord& row : f.rowsOf(QStringLiteral("A-2")))
            QCOMPARE(row.value(QStringLiteral("TaxPercent")).toDouble(), 5.0);
    }
};

TW_TEST_MAIN(TestIssuedValues)
#include "tst_IssuedValues.moc"
