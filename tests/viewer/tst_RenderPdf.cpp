#include "ViewerTestMain.h"

#include "cli/RenderPdf.h"
#include "viewer/PdfPages.h"

class TestRenderPdf : public QObject
{
    Q_OBJECT

private slots:
    void writesEveryRowOfTheFile()
    {
        QTemporaryDir dir;
        const QString htmlFile = dir.filePath(QStringLiteral("~document.htm"));
        QByteArray html = "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
                          "</head><body><table>\r\n";
        for (int row = 1; row <= 90; ++row)
            html += "<tr><td>Line" + QByteArray::number(row) + "z</td></tr>\r\n";
        QVERIFY(!TestSupport::writeFile(htmlFile, html + "</table></body></html>\r\n").isEmpty());

        const QString pdfFile = dir.filePath(QStringLiteral("out.pdf"));
        QString error;
        QVERIFY2(writePagePdf(htmlFile, pdfFile, &error), qPrintable(error));
        PdfPages pages;
        QVERIFY(pages.load(TestSupport::readFile(pdfFile)));
        QVERIFY(pages.pageCount() >= 2);
        QString text;
        for (int page = 0; page < pages.pageCount(); ++page)
            text += pages.text(page);
        for (int row = 1; row <= 90; ++row)
            QVERIFY2(text.contains(QStringLiteral("Line%1z").arg(row)), qPrintable(QString::number(row)));
    }

    void failuresLeaveNoFile_data()
    {
        QTest::addColumn<QString>("htmlFile");
        QTest::addColumn<QString>("pdfFile");
        QTest::newRow("missing page") << QStringLiteral("/nonexistent/page.htm") << QStringLiteral("out.pdf");
        QTest::newRow("unwritable target") << QStringLiteral("page.htm") << QStringLiteral("/nonexistent/out.pdf");
    }

    void failuresLeaveNoFile()
    {
        QFETCH(QString, htmlFile);
        QFETCH(QString, pdfFile);
        QTemporaryDir dir;
        TestSupport::writeFile(dir.filePath(QStringLiteral("page.htm")), "<html><body>x</body></html>");
        const QString html = htmlFile.startsWith(QLatin1Char('/')) ? htmlFile : dir.filePath(htmlFile);
        const QString pdf = pdfFile.startsWith(QLatin1Char('/')) ? pdfFile : dir.filePath(pdfFile);
        QString error;
        QVERIFY(!writePagePdf(html, pdf, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFile::exists(pdf));
    }
};

TW_VIEWER_TEST_MAIN(TestRenderPdf)
#include "tst_RenderPdf.moc"
