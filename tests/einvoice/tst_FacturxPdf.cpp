#include "PdfTools.h"
#include "TestSupport.h"
#include "einvoice/pdf/FacturxPdf.h"
#include "einvoice/pdf/SrgbProfile.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace {

using namespace TestSupport;

// A one-page PDF from object bodies numbered 1..n, with a correct cross-reference table.
QByteArray handMadePdf(const QList<QByteArray>& objects)
{
    QByteArray pdf = "%PDF-1.4\n";
    QList<qsizetype> offsets;
    for (qsizetype i = 0; i < objects.size(); ++i) {
        offsets << pdf.size();
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const qsizetype xref = pdf.size();
    pdf += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (qsizetype offset : offsets)
        pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) + " /Root 1 0 R >>\nstartxref\n" +
           QByteArray::number(xref) + "\n%%EOF\n";
    return pdf;
}

QByteArray stream(const QByteArray& content)
{
    return "<< /Length " + QByteArray::number(content.size()) + " >>\nstream\n" + content + "\nendstream";
}

// A drawn page with a hidden link and an interpolated image: both need mending for PDF/A.
QByteArray pageWithLink()
{
    return handMadePdf(
        {"<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
         "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 200] /Contents 4 0 R "
         "/Resources << /XObject << /Im1 6 0 R >> >> /Annots [5 0 R] >>",
         stream("0 0 1 rg 10 10 50 50 re f q 20 0 0 20 100 100 cm /Im1 Do Q"),
         "<< /Type /Annot /Subtype /Link /Rect [10 10 60 60] /F 2 "
         "/A << /S /URI /URI (https://example.com/) >> >>",
         "<< /Type /XObject /Subtype /Image /Width 1 /Height 1 /ColorSpace /DeviceRGB "
         "/BitsPerComponent 8 /Interpolate true /Length 3 >>\nstream\n\xff\x80\x00\nendstream"});
}

QByteArray pageWithBareFont()
{
    return handMadePdf({"<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
                        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 200] /Contents 4 0 R "
                        "/Resources << /Font << /F1 5 0 R >> >> >>",
                        stream("BT /F1 12 Tf 20 100 Td (Hello) Tj ET"),
                        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>"});
}

// A page as Qt prints text: its fonts go into the file.
QByteArray pageWithText()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    QPainter painter(&writer);
    painter.setFont(QFont(QStringLiteral("Liberation Sans"), 12));
    painter.drawText(QPointF(100, 300), QStringLiteral("Invoice 7 — Müller"));
    painter.end();
    return bytes;
}

QByteArray xmlInvoice()
{
    return QByteArrayLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<rsm:CrossIndustryInvoice "
        "xmlns:rsm=\"urn:un:unece:uncefact:data:standard:CrossIndustryInvoice:100\"/>\n");
}

// The objects of a PDF as qpdf describes them, and a reference followed.
struct PdfObjects
{
    QJsonObject objects;

    QJsonValue value(const QJsonValue& reference) const
    {
        if (!reference.isString() || !reference.toString().endsWith(QLatin1String(" R")))
            return reference;
        const QJsonObject object = objects.value(QStringLiteral("obj:") + reference.toString()).toObject();
        return object.contains(QStringLiteral("stream"))
                   ? object[QStringLiteral("stream")][QStringLiteral("dict")]
                   : object[QStringLiteral("value")];
    }
    QJsonObject dict(const QJsonValue& reference) const { return value(reference).toObject(); }
};

PdfObjects describePdf(const QString& path)
{
    const ToolRun run =
        runTool(QStringLiteral("qpdf"), {QStringLiteral("--json"), QStringLiteral("--json-key=qpdf"), path});
    const QJsonArray qpdf =
        QJsonDocument::fromJson(run.output.toUtf8()).object()[QStringLiteral("qpdf")].toArray();
    return {qpdf.size() == 2 ? qpdf[1].toObject() : QJsonObject()};
}

} // namespace

class TestFacturxPdf : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_profile = SrgbProfile::load();
        if (!m_profile.ok)
            QSKIP(qPrintable(m_profile.message));
        TW_SKIP_WITHOUT_PDF_TOOLS();
    }

    void makesPdfA3_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QString>("title");
        QTest::newRow("drawn page with a hidden link") << pageWithLink() << QStringLiteral("INV-1");
        QTest::newRow("text printed by Qt, marked-up title")
            << pageWithText() << QStringLiteral("Müller & <Söhne> \"7\"");
    }

    void makesPdfA3()
    {
        QFETCH(QByteArray, page);
        QFETCH(QString, title);
        const FacturxPdf::Result made = make(page, title);
        QVERIFY2(made.ok, qPrintable(made.message));
        const QString path = writeFile(m_dir.filePath(QStringLiteral("out.pdf")), made.pdf);
        QVERIFY(!path.isEmpty());

        const ToolRun check = runTool(QStringLiteral("qpdf"), {QStringLiteral("--check"), path});
        QVERIFY2(check.exitCode == 0, qPrintable(check.output));
        const QString attached = m_dir.filePath(QStringLiteral("attached.xml"));
        QCOMPARE(
            runTool(QStringLiteral("pdfdetach"), {QStringLiteral("-savefile"), QStringLiteral("factur-x.xml"),
                                                  QStringLiteral("-o"), attached, path})
                .exitCode,
            0);
        QCOMPARE(readFile(attached), xmlInvoice());
        const ToolRun fonts = runTool(QStringLiteral("pdffonts"), {path});
        QVERIFY2(fontsNotEmbedded(fonts.output).isEmpty(), qPrintable(fonts.output));

        const ToolRun info = runTool(QStringLiteral("pdfinfo"), {path});
        QVERIFY2(info.output.contains(QStringLiteral("Title:           ") + title), qPrintable(info.output));
        QVERIFY(info.output.contains(QStringLiteral("Pages:           1")));
        checkMetadata(runTool(QStringLiteral("pdfinfo"), {QStringLiteral("-meta"), path}).output, title);
        checkStructure(describePdf(path));
    }

    void refusals_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QString>("message");
        QTest::newRow("font left out")
            << pageWithBareFont()
            << QStringLiteral("The printed page uses the font /Helvetica, which is not "
                              "embedded in it.");
        QTest::newRow("not a PDF") << QByteArray("<html>not a pdf</html>")
                                   << QStringLiteral("The e-invoice PDF could not be made: ");
        QTest::newRow("empty") << QByteArray() << QStringLiteral("The e-invoice PDF could not be made: ");
    }

    void refusals()
    {
        QFETCH(QByteArray, page);
        QFETCH(QString, message);
        const FacturxPdf::Result made = make(page, QStringLiteral("INV-1"));
        QVERIFY(!made.ok);
        QVERIFY(made.pdf.isEmpty());
        QVERIFY2(made.message.startsWith(message), qPrintable(made.message));
    }

    void profileMissing()
    {
        const QString notAProfile =
            writeFile(m_dir.filePath(QStringLiteral("text.icc")), QByteArray(200, 'x'));
        const SrgbProfile::Result result =
            SrgbProfile::load({m_dir.filePath(QStringLiteral("none.icc")), notAProfile});
        QVERIFY(!result.ok);
        QVERIFY2(result.message.contains(QStringLiteral("icc-profiles-free")), qPrintable(result.message));
        QVERIFY(result.message.contains(notAProfile));
    }

private:
    FacturxPdf::Result make(const QByteArray& page, const QString& title)
    {
        FacturxPdf::Input input;
        input.pdf = page;
        input.xml = xmlInvoice();
        input.iccProfile = m_profile.profile;
        input.title = title;
        input.author = QStringLiteral("Joe's Bakery");
        input.created = QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7), Qt::UTC);
        return FacturxPdf::make(input);
    }

    // The XMP is well-formed XML that names PDF/A-3b, the profile and the same title and date.
    void checkMetadata(const QString& xmp, const QString& title)
    {
        QXmlStreamReader reader(xmp.mid(xmp.indexOf(QLatin1String("<?xpacket"))));
        // Each text belongs to the innermost property around it (rdf: elements are only containers).
        QMap<QString, QString> values;
        QStringList open;
        while (!reader.atEnd()) {
            const QXmlStreamReader::TokenType token = reader.readNext();
            if (token == QXmlStreamReader::StartElement)
                open << (reader.prefix() == QLatin1String("rdf") && !open.isEmpty()
                             ? open.last()
                             : reader.qualifiedName().toString());
            else if (token == QXmlStreamReader::EndElement)
                open.removeLast();
            else if (token == QXmlStreamReader::Characters && !reader.isWhitespace() && !open.isEmpty())
                values[open.last()] += reader.text().toString();
        }
        QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
        QCOMPARE(values.value(QStringLiteral("pdfaid:part")), QStringLiteral("3"));
        QCOMPARE(values.value(QStringLiteral("pdfaid:conformance")), QStringLiteral("B"));
        QCOMPARE(values.value(QStringLiteral("fx:ConformanceLevel")), QStringLiteral("EN 16931"));
        QCOMPARE(values.value(QStringLiteral("fx:DocumentFileName")), QStringLiteral("factur-x.xml"));
        QCOMPARE(values.value(QStringLiteral("fx:DocumentType")), QStringLiteral("INVOICE"));
        QCOMPARE(values.value(QStringLiteral("fx:Version")), QStringLiteral("1.0"));
        QCOMPARE(values.value(QStringLiteral("pdfaSchema:prefix")), QStringLiteral("fx"));
        QCOMPARE(values.value(QStringLiteral("dc:title")).trimmed(), title);
        QCOMPARE(values.value(QStringLiteral("xmp:CreateDate")), QStringLiteral("2026-03-04T05:06:07+00:00"));
    }

    void checkStructure(const PdfObjects& pdf)
    {
        const QJsonObject trailer =
            pdf.objects[QStringLiteral("trailer")][QStringLiteral("value")].toObject();
        QCOMPARE(trailer[QStringLiteral("/ID")].toArray().size(), 2);
        QCOMPARE(pdf.dict(trailer[QStringLiteral("/Info")])[QStringLiteral("/CreationDate")].toString(),
                 QStringLiteral("u:D:20260304050607+00'00'"));
        const QJsonObject root = pdf.dict(trailer[QStringLiteral("/Root")]);
        QVERIFY(root.contains(QStringLiteral("/Metadata")));

        const QJsonArray af = root[QStringLiteral("/AF")].toArray();
        QCOMPARE(af.size(), 1);
        const QJsonObject spec = pdf.dict(af[0]);
        QCOMPARE(spec[QStringLiteral("/AFRelationship")].toString(), QStringLiteral("/Alternative"));
        const QJsonArray names =
            root[QStringLiteral("/Names")][QStringLiteral("/EmbeddedFiles")][QStringLiteral("/Names")]
                .toArray();
        QCOMPARE(names.size(), 2);
        QCOMPARE(names[1], af[0]);
        const QJsonObject file = pdf.dict(spec[QStringLiteral("/EF")][QStringLiteral("/F")]);
        QCOMPARE(file[QStringLiteral("/Subtype")].toString(), QStringLiteral("/text/xml"));
        QVERIFY(file[QStringLiteral("/Params")].toObject().contains(QStringLiteral("/ModDate")));

        const QJsonObject intent = pdf.dict(root[QStringLiteral("/OutputIntents")].toArray().first());
        QCOMPARE(intent[QStringLiteral("/S")].toString(), QStringLiteral("/GTS_PDFA1"));
        QCOMPARE(pdf.dict(intent[QStringLiteral("/DestOutputProfile")])[QStringLiteral("/N")].toInt(), 3);

        for (const QJsonValue& object : pdf.objects) {
            const QJsonObject dict = object[QStringLiteral("value")].toObject();
            if (dict[QStringLiteral("/Subtype")] == QStringLiteral("/Link"))
                QCOMPARE(dict[QStringLiteral("/F")].toInt(), 4);
            const QJsonObject streamDict =
                object[QStringLiteral("stream")][QStringLiteral("dict")].toObject();
            QVERIFY(!streamDict.contains(QStringLiteral("/Interpolate")));
        }
    }

    QTemporaryDir m_dir;
    SrgbProfile::Result m_profile;
};

TW_TEST_MAIN(TestFacturxPdf)
#include "tst_FacturxPdf.moc"
