#include "CliRunner.h"
#include "EinvoiceKit.h"
#include "PdfTools.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

using namespace TestSupport;

QStringList einvoiceArguments(const QString& document, const QStringList& outputs)
{
    return QStringList{QStringLiteral("--locale"), QStringLiteral("de_DE"), QStringLiteral("einvoice"),
                       document} +
           outputs;
}

} // namespace

// The e-invoice PDF as a customer's software and a person receive it: one page, its fonts inside,
// a sound file, and the XML beside the page that validates on its own.
class TestFacturxCommand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        TW_SKIP_WITHOUT_PDF_TOOLS();
    }

    void exampleAsFacturx()
    {
        const QString pdf = m_home.filePath(QStringLiteral("invoice.pdf"));
        const QString xml = m_home.filePath(QStringLiteral("invoice.xml"));
        const CliRun run = runCli(einvoiceArguments(einvoiceExample(), {QStringLiteral("--facturx"), pdf,
                                                                        QStringLiteral("--xml"), xml}),
                                  m_home.path());
        QVERIFY2(run.exitCode == 0, qPrintable(run.errText()));

        const ToolRun check = runTool(QStringLiteral("qpdf"), {QStringLiteral("--check"), pdf});
        QVERIFY2(check.exitCode == 0, qPrintable(check.output));
        const ToolRun info = runTool(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(info.output.contains(QStringLiteral("Pages:           1\n")), qPrintable(info.output));
        QVERIFY(info.output.contains(QStringLiteral("PDF version:     1.7")));
        const ToolRun fonts = runTool(QStringLiteral("pdffonts"), {pdf});
        QVERIFY2(fonts.output.count(QLatin1Char('\n')) > 2, qPrintable(fonts.output));
        QVERIFY2(fontsNotEmbedded(fonts.output).isEmpty(), qPrintable(fonts.output));
        // The metadata FacturxPdf writes whatever the page: tst_FacturxPdf::makesPdfA3.

        const ToolRun list = runTool(QStringLiteral("pdfdetach"), {QStringLiteral("-list"), pdf});
        QVERIFY2(list.output.contains(QStringLiteral("1 embedded files\n1: factur-x.xml")),
                 qPrintable(list.output));
        const QString attached = m_home.filePath(QStringLiteral("factur-x.xml"));
        QCOMPARE(runTool(QStringLiteral("pdfdetach"),
                         {QStringLiteral("-save"), QStringLiteral("1"), QStringLiteral("-o"), attached, pdf})
                     .exitCode,
                 0);
        // The same invoice in both files: what --xml writes is what the PDF carries.
        QCOMPARE(readFile(attached), readFile(xml));

        TW_VERIFY_EINVOICES({attached});
    }

    // A refused export writes neither file.
    void refusedWritesNothing()
    {
        const QString doc =
            writeFile(m_home.filePath(QStringLiteral("quote.json")),
                      R"({"docType":"Quotation","docNumber":"Q-1","company":{"name":"Shop"}})");
        QVERIFY(!doc.isEmpty());
        const QString pdf = m_home.filePath(QStringLiteral("quote.pdf"));
        const QString xml = m_home.filePath(QStringLiteral("quote.xml"));
        const CliRun run =
            runCli(einvoiceArguments(doc, {QStringLiteral("--xml"), xml, QStringLiteral("--facturx"), pdf}),
                   m_home.path());
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.errText().contains(QStringLiteral("has no electronic invoice")),
                 qPrintable(run.errText()));
        QVERIFY(!QFileInfo::exists(pdf));
        QVERIFY(!QFileInfo::exists(xml));
    }

    void unwritableFolder()
    {
        const QString pdf = m_home.filePath(QStringLiteral("missing/invoice.pdf"));
        const CliRun run =
            runCli(einvoiceArguments(einvoiceExample(), {QStringLiteral("--facturx"), pdf}), m_home.path());
        QCOMPARE(run.exitCode, 3);
        QVERIFY2(run.errText().contains(QStringLiteral("Cannot write ") + pdf), qPrintable(run.errText()));
    }

private:
    QTemporaryDir m_home;
};

TW_TEST_MAIN(TestFacturxCommand)
#include "tst_FacturxCommand.moc"
