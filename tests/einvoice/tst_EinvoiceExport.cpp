#include "EinvoiceKit.h"
#include "TestSupport.h"

#include "editor/Document.h"
#include "editor/DocumentJson.h"
#include "core/NumberText.h"
#include "editor/TotalsCalculator.h"
#include "einvoice/DecimalText.h"
#include "einvoice/EinvoiceExport.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QXmlStreamReader>

Q_DECLARE_METATYPE(Document)
Q_DECLARE_METATYPE(EinvoiceCompany)

namespace {

QString s(const char* text)
{
    return QString::fromUtf8(text);
}

DocumentRow row(const char* id, const char* description, const char* qty, const char* price, const char* discount = "0")
{
    DocumentRow r;
    r.productId = s(id);
    r.description = s(description);
    r.qty = s(qty);
    r.price = s(price);
    r.discount = s(discount);
    return r;
}

Document invoice(const QList<DocumentRow>& rows, const char* rate = "19")
{
    Document d;
    d.docNumber = QStringLiteral("T-100");
    d.docDate = QDate(2026, 3, 2);
    d.paymentTerm = QStringLiteral("30 days net");
    d.billToName = QStringLiteral("Buyer Ltd");
    d.billToAddress = QStringLiteral("1 Road\r\nTown\r\n");
    d.company.name = QStringLiteral("Seller Shop");
    d.company.taxName = QStringLiteral("VAT");
    d.company.taxPercent = s(rate);
    d.rows = rows;
    d.chargesAmount.clear();
    return d;
}

Document withCharges(Document d, const char* amount, bool taxable)
{
    d.chargesAmount = s(amount);
    d.chargesTaxable = taxable;
    return d;
}

EinvoiceCompany company()
{
    EinvoiceCompany c;
    c.legalName = QStringLiteral("Seller Shop Ltd");
    c.vatId = QStringLiteral("DE123456789");
    c.street = QStringLiteral("Market Square 1");
    c.postCode = QStringLiteral("80331");
    c.city = QStringLiteral("Munich");
    c.countryCode = QStringLiteral("DE");
    c.email = QStringLiteral("billing@seller.example");
    c.currencyCode = QStringLiteral("EUR");
    c.iban = QStringLiteral("DE02120300000000202051");
    c.dueDays = QStringLiteral("30");
    c.exemptionReason = QStringLiteral("Passed on at cost");
    return c;
}

// Text of the first element with this local name, "" when there is none.
QString element(const QByteArray& xml, const QString& name)
{
    QXmlStreamReader reader(xml);
    while (reader.readNextStartElement() || !reader.atEnd()) {
        if (reader.isStartElement() && reader.name() == name)
            return reader.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        if (reader.hasError())
            return {};
        if (!reader.isStartElement())
            reader.readNext();
    }
    return {};
}

QString machineMoney(const QString& printed, const QLocale& locale)
{
    Money value;
    if (printed.isEmpty() || NumberText::readMoney(printed, locale, value) != NumberError::None)
        return QStringLiteral("0.00");
    return DecimalText::cents(value.roundedTo(2));
}

QList<DocumentRow> manyRows(int count)
{
    QList<DocumentRow> rows;
    for (int i = 1; i <= count; ++i) {
        DocumentRow r;
        r.productId = QStringLiteral("P-%1").arg(i);
        r.description = QStringLiteral("Article %1").arg(i);
        r.qty = QString::number(i % 7 + 1);
        r.price = QStringLiteral("%1,%2").arg(i * 13).arg(i % 100, 2, 10, QLatin1Char('0'));
        r.discount = i % 3 == 0 ? QStringLiteral("5") : QStringLiteral("0");
        rows.append(r);
    }
    return rows;
}

} // namespace

class TestEinvoiceExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void validInvoices_data()
    {
        QTest::addColumn<Document>("document");
        QTest::addColumn<EinvoiceCompany>("seller");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typeCode");
        QTest::addColumn<QString>("grandTotal");  // "" where the page's own total is the check
        QTest::addColumn<QString>("due");
        QTest::addColumn<QString>("firstName");

        const EinvoiceCompany c = company();
        const Document one = invoice({row("A-1", "Widget", "1", "100")});
        QTest::newRow("one row") << one << c << "en_US" << "380" << "119.00" << "119.00" << "Widget";
        QTest::newRow("65 rows") << invoice(manyRows(65)) << c << "de_DE" << "380" << "" << "" << "Article 1";
        QTest::newRow("discounts") << invoice({row("D-1", "Paint", "3", "9.99", "10"), row("D-2", "Brush", "2", "19.95", "12.5")}, "7")
                                   << c << "en_US" << "380" << "66.21" << "66.21" << "Paint";
        QTest::newRow("taxed charge") << withCharges(invoice({row("", "Crate", "1", "100")}, "7"), "10", true) << c
                                      << "en_US" << "380" << "117.70" << "117.70" << "Crate";
        QTest::newRow("untaxed charge") << withCharges(invoice({row("", "Crate", "1", "100")}, "7"), "10", false) << c
                                        << "en_US" << "380" << "117.00" << "117.00" << "Crate";
        QTest::newRow("negative taxed charge") << withCharges(invoice({row("", "Crate", "1", "100")}, "7"), "-10", true)
                                               << c << "en_US" << "380" << "96.30" << "96.30" << "Crate";
        QTest::newRow("negative untaxed charge") << withCharges(invoice({row("", "Crate", "1", "100")}, "7"), "-10", false)
                                                 << c << "en_US" << "380" << "97.00" << "97.00" << "Crate";
        QTest::newRow("zero rate") << invoice({row("B-1", "Book", "2", "50")}, "0") << c << "en_US" << "380" << "100.00"
                                   << "100.00" << "Book";
        QTest::newRow("empty rate") << invoice({row("B-1", "Book", "2", "50")}, "") << c << "en_US" << "380" << "100.00"
                                    << "100.00" << "Book";
        Document part = one;
        part.paid = QStringLiteral("50");
        QTest::newRow("paid in part") << part << c << "en_US" << "380" << "119.00" << "69.00" << "Widget";
        Document full = one;
        full.paid = QStringLiteral("119");
        full.paymentTerm.clear();
        EinvoiceCompany cash = c;
        cash.dueDays.clear();
        cash.iban.clear();
        QTest::newRow("paid in full") << full << cash << "en_US" << "380" << "119.00" << "0.00" << "Widget";
        Document credit = one;
        credit.docType = QStringLiteral("Credit Note");
        QTest::newRow("credit note") << credit << c << "en_US" << "381" << "119.00" << "119.00" << "Widget";
        Document proForma = one;
        proForma.docType = QStringLiteral("ProForma Invoice");
        QTest::newRow("pro-forma") << proForma << c << "en_US" << "325" << "119.00" << "119.00" << "Widget";
        Document commercial = one;
        commercial.docType = QStringLiteral("commercial invoice");
        QTest::newRow("commercial, any case") << commercial << c << "en_US" << "380" << "119.00" << "119.00" << "Widget";
        Document grouped = invoice({row("G-1", "Oven", "2", "1.234,50")});
        QTest::newRow("de_DE grouping") << grouped << c << "de_DE" << "380" << "2938.11" << "2938.11" << "Oven";
        Document foreign = invoice({row("Ü-1", "Crème brûlée ☕\r\nmit Sahne", "4", "3.25")});
        foreign.billToName = QStringLiteral("Łódź Spółka & Söhne <東京>");
        foreign.notes = QStringLiteral("Grüße – “quoted” & <tagged>");
        EinvoiceCompany umlauts = c;
        umlauts.legalName = QStringLiteral("Bäckerei Größe GmbH");
        umlauts.city = QStringLiteral("München");
        QTest::newRow("non-ASCII names") << foreign << umlauts << "en_US" << "380" << "15.47" << "15.47"
                                         << "Crème brûlée ☕";
        Document omitted = withCharges(invoice({row("", "Lesson", "2", "40")}), "5", true);
        omitted.options.hideTax = true;
        QTest::newRow("tax omitted") << omitted << c << "en_US" << "380" << "85.00" << "85.00" << "Lesson";
        QTest::newRow("returned item") << invoice({row("R-1", "Chair", "2", "50"), row("R-2", "Returned chair", "1", "-20")})
                                       << c << "en_US" << "380" << "95.20" << "95.20" << "Chair";
        Document hiddenPaid = one;
        hiddenPaid.options.hidePaid = true;
        QTest::newRow("paid line hidden") << hiddenPaid << c << "en_US" << "380" << "119.00" << "119.00" << "Widget";
        Document rtf = invoice({row("", "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Bold \\b thing\\b0\\par second line}", "1", "10")});
        rtf.rows.append(DocumentRow());  // an untouched row stays off the invoice
        QTest::newRow("rich text, blank row") << rtf << c << "en_US" << "380" << "11.90" << "11.90" << "Bold thing";
        Document textRow = invoice({row("", "Delivered on Monday", "", ""), row("S-1", "Soap", "1", "10")});
        QTest::newRow("text row as a line") << textRow << c << "en_US" << "380" << "11.90" << "11.90"
                                            << "Delivered on Monday";
        textRow.options.blankZeroRows = true;
        EinvoiceCompany taxNumberOnly = c;
        taxNumberOnly.vatId.clear();
        taxNumberOnly.taxNumber = QStringLiteral("143/123/45678");
        taxNumberOnly.registrationId = QStringLiteral("HRB 12345");
        QTest::newRow("tax number, no VAT identifier") << one << taxNumberOnly << "en_US" << "380" << "119.00" << "119.00"
                                                       << "Widget";
        QTest::newRow("text row printed blank") << textRow << c << "en_US" << "380" << "11.90" << "11.90" << "Soap";
    }

    void validInvoices()
    {
        QFETCH(Document, document);
        QFETCH(EinvoiceCompany, seller);
        QFETCH(QString, locale);
        QFETCH(QString, typeCode);
        QFETCH(QString, grandTotal);
        QFETCH(QString, due);
        QFETCH(QString, firstName);

        const QLocale region(locale);
        const EinvoiceExport::Result result = EinvoiceExport::toXml(document, seller, {}, region);
        QVERIFY2(result.ok, qPrintable(result.message));
        QCOMPARE(element(result.xml, QStringLiteral("TypeCode")), typeCode);
        QCOMPARE(element(result.xml, QStringLiteral("Name")), firstName);
        // The file states what the page prints.
        Document page = document;
        QVERIFY(TotalsCalculator::DoSum(page, region).ok);
        QCOMPARE(element(result.xml, QStringLiteral("GrandTotalAmount")), machineMoney(page.total, region));
        const QString balance = page.options.hidePaid ? page.total : page.balance;
        QCOMPARE(element(result.xml, QStringLiteral("DuePayableAmount")), machineMoney(balance, region));
        if (!grandTotal.isEmpty()) {
            QCOMPARE(element(result.xml, QStringLiteral("GrandTotalAmount")), grandTotal);
            QCOMPARE(element(result.xml, QStringLiteral("DuePayableAmount")), due);
        }
        // Files alike need one check only: the kit takes seconds a file.
        if (m_contents.contains(result.xml))
            return;
        m_contents.insert(result.xml);
        const QString name = QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('_'));
        const QString path = m_dir.filePath(name + QStringLiteral(".xml"));
        QVERIFY(!TestSupport::writeFile(path, result.xml).isEmpty());
        m_written.append(path);
    }

    // Every file above against the norm's schema and business rules, in one run of the kit.
    void writtenInvoicesPassTheRules()
    {
        QVERIFY(!m_written.isEmpty());
        TW_VERIFY_EINVOICES(m_written);
    }

    void refusals_data()
    {
        QTest::addColumn<Document>("document");
        QTest::addColumn<EinvoiceCompany>("seller");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("missingCount");  // lines of the missing-field list; 0 for other refusals

        const EinvoiceCompany c = company();
        const Document one = invoice({row("A-1", "Widget", "1", "100")});
        Document quotation = one;
        quotation.docType = QStringLiteral("Quotation");
        QTest::newRow("quotation") << quotation << c
                                   << QStringList{s("A document of type \"Quotation\" has no electronic invoice.")} << 0;
        Document receipt = one;
        receipt.docType = QStringLiteral("Receipt");
        QTest::newRow("receipt") << receipt << c << QStringList{s("\"Receipt\" has no electronic invoice")} << 0;

        Document bare = one;
        bare.docNumber.clear();
        bare.billToName.clear();
        bare.paymentTerm.clear();
        QTest::newRow("everything missing")
            << bare << EinvoiceCompany()
            << QStringList{s("The e-invoice cannot be written until these fields are filled in:\n"),
                           s("- Document number: the Doc No. box (docNumber)"),
                           s("- Customer name: the customer name box (billTo.name)"),
                           s("- Company country code such as DE: Settings, E-invoice (company.countryCode)"),
                           s("- Company VAT identifier, or tax number and trade register number: Settings, E-invoice"),
                           s("- Currency code such as EUR: Settings, E-invoice"),
                           s("- Customer country code such as FR: the document's e-invoice fields beside \"Issued by\" (buyerCountry)"),
                           s("- Due date, due days or payment terms")}
            << 7;
        bare = withCharges(one, "5", false);
        bare.chargesName.clear();
        EinvoiceCompany noReason = c;
        noReason.exemptionReason.clear();
        QTest::newRow("untaxed charge without reason or name")
            << bare << noReason
            << QStringList{s("- Exemption reason for amounts without tax"), s("- Name of the charges")} << 2;
        EinvoiceCompany noIban = c;
        noIban.paymentMeans = QStringLiteral("58");
        noIban.iban.clear();
        noIban.vatId = QStringLiteral("123456789");
        QTest::newRow("bank account, VAT identifier form")
            << one << noIban
            << QStringList{s("- Company bank account (IBAN)"), s("- Company VAT identifier starting with its country code")}
            << 2;
        QTest::newRow("no rows") << invoice({}) << c << QStringList{s("- At least one row")} << 1;
        QTest::newRow("half quantity") << invoice({row("", "Nails", "2.5", "10")}) << c
                                       << QStringList{s("The amount of row 1 (20.00) is not its quantity times its "
                                                        "price less discount (30.00).")}
                                       << 0;
        QTest::newRow("price past cents") << invoice({row("", "Nails", "1", "1"), row("", "Screws", "10", "0.126")}) << c
                                          << QStringList{s("The amount of row 2 (1.26)")} << 0;
        QTest::newRow("total a cent off") << invoice({row("", "Nails", "1", "0.62")}, "0.8") << c
                                          << QStringList{s("The total reads 0.63, but the subtotal, the tax and the "
                                                           "charges after tax make 0.62.")}
                                          << 0;
        QTest::newRow("unreadable price") << invoice({row("", "Nails", "1", "ten")}) << c
                                          << QStringList{s("Type mismatch")} << 0;
    }

    void refusals()
    {
        QFETCH(Document, document);
        QFETCH(EinvoiceCompany, seller);
        QFETCH(QStringList, expected);
        QFETCH(int, missingCount);

        const EinvoiceExport::Result result = EinvoiceExport::toXml(document, seller, {}, QLocale(QStringLiteral("en_US")), true);
        QVERIFY(!result.ok);
        QVERIFY(result.xml.isEmpty());
        for (const QString& part : expected)
            QVERIFY2(result.message.contains(part), qPrintable(result.message));
        QCOMPARE(result.message.count(QStringLiteral("\n- ")), missingCount);
    }

    void buyerCountryAndDueDateDefaults()
    {
        EinvoiceDocumentFields fields;
        EinvoiceCompany c = company();
        QCOMPARE(fields.effectiveBuyerCountry(c), QStringLiteral("DE"));
        QCOMPARE(fields.effectiveDueDate(QDate(2026, 12, 20), c), QDate(2027, 1, 19));
        c.dueDays = QStringLiteral("soon");
        QVERIFY(!fields.effectiveDueDate(QDate(2026, 12, 20), c).isValid());
        fields.buyerCountry = QStringLiteral(" FR ");
        fields.dueDate = QDate(2027, 2, 1);
        QCOMPARE(fields.effectiveBuyerCountry(c), QStringLiteral("FR"));
        QCOMPARE(fields.effectiveDueDate(QDate(2026, 12, 20), c), QDate(2027, 2, 1));
    }

    // Every e-invoice key survives a trip through the document file, and wrong types name the key.
    void documentFileCarriesTheEinvoiceKeys()
    {
        Document d = invoice({row("A", "Tea", "1", "2")});
        d.company.einvoice = company();
        d.company.einvoice.roundLinesToCents = true;
        d.company.einvoice.street = QStringLiteral("Market Square 1\r\nBack door");
        d.einvoice.buyerCountry = QStringLiteral("FR");
        d.einvoice.buyerVatId = QStringLiteral("FR40303265045");
        d.einvoice.buyerReference = QStringLiteral("PO 77");
        d.einvoice.dueDate = QDate(2027, 1, 31);
        const DocumentJson::ReadResult back = DocumentJson::read(DocumentJson::write(d));
        QVERIFY2(back.ok, qPrintable(back.error));
        QCOMPARE(back.document.company.einvoice, d.company.einvoice);
        QCOMPARE(back.document.einvoice, d.einvoice);

        const DocumentJson::ReadResult wrong = DocumentJson::read(R"({"company":{"dueDays":14}})");
        QCOMPARE(wrong.error, QStringLiteral("The key \"company.dueDays\" must be a string."));
        // A due date that is no date: tst_EinvoiceCommand::refusals.
        const DocumentJson::ReadResult noDue = DocumentJson::read(R"({"dueDate":""})");
        QVERIFY(noDue.ok && !noDue.document.einvoice.dueDate.isValid());
    }

    void decimalText_data()
    {
        QTest::addColumn<qint64>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("text");
        QTest::newRow("cents") << qint64(123456) << 2 << "1234.56";
        QTest::newRow("zero") << qint64(0) << 2 << "0.00";
        QTest::newRow("below one, negative") << qint64(-5) << 2 << "-0.05";
        QTest::newRow("price in millionths") << qint64(8991000) << 6 << "8.991";
        QTest::newRow("whole price") << qint64(4500000) << 6 << "4.50";
        QTest::newRow("most negative") << std::numeric_limits<qint64>::min() << 2 << "-92233720368547758.08";
    }

    void decimalText()
    {
        QFETCH(qint64, value);
        QFETCH(int, decimals);
        QFETCH(QString, text);
        QCOMPARE(DecimalText::write(value, decimals, 2), text);
    }

private:
    QTemporaryDir m_dir;
    QStringList m_written;
    QSet<QByteArray> m_contents;
};

TW_TEST_MAIN(TestEinvoiceExport)
#include "tst_EinvoiceExport.moc"
