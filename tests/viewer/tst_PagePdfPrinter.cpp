#include "ViewerTestMain.h"

#include "viewer/PagePdfPrinter.h"
#include "viewer/PdfPages.h"

#include <QRegularExpression>

namespace {

// A page like the generated one: a heading and an item table of `rows` numbered rows.
QString itemPage(int rows)
{
    QString html = QStringLiteral("<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
                                  "charset=windows-1252\"><title>INV-90</title></head><body>"
                                  "<h1>Tax Invoice</h1><table border=1 cellpadding=2 width=\"98%\">");
    for (int row = 1; row <= rows; ++row)
        html += QStringLiteral("<tr><td>%1</td><td>Item%1x</td><td align=right>%2.00</td></tr>")
                    .arg(row)
                    .arg(row * 3);
    return html + QStringLiteral("</table><p>EndOfPage</p></body></html>");
}

QString allText(PdfPages& pages)
{
    QString text;
    for (int page = 0; page < pages.pageCount(); ++page)
        text += pages.text(page) + QLatin1Char('\n');
    return text;
}

} // namespace

class TestPagePdfPrinter : public QObject
{
    Q_OBJECT

private slots:
    void longTableFlowsOverPagesInsideMargins_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<double>("marginMm");
        QTest::addColumn<int>("orientation");
        QTest::newRow("90 rows, default margins") << 90 << 12.7 << int(QPageLayout::Portrait);
        QTest::newRow("90 rows, wide margins") << 90 << 30.0 << int(QPageLayout::Portrait);
        QTest::newRow("90 rows, landscape") << 90 << 12.7 << int(QPageLayout::Landscape);
        QTest::newRow("3 rows fit one page") << 3 << 12.7 << int(QPageLayout::Portrait);
    }

    void longTableFlowsOverPagesInsideMargins()
    {
        QFETCH(int, rows);
        QFETCH(double, marginMm);
        QFETCH(int, orientation);
        QPageLayout layout = PagePdfPrinter::defaultLayout();
        layout.setOrientation(QPageLayout::Orientation(orientation));
        layout.setMargins(QMarginsF(marginMm, marginMm, marginMm, marginMm));

        QString error;
        const auto pdf = PagePdfPrinter(layout).printHtml(itemPage(rows), QUrl(), &error);
        QVERIFY2(pdf.has_value(), qPrintable(error));
        PdfPages pages;
        QVERIFY(pages.load(*pdf));
        QCOMPARE(pages.pageCount() > 1, rows > 40);

        const QString text = allText(pages);
        for (int row = 1; row <= rows; ++row)
            QVERIFY2(text.contains(QStringLiteral("Item%1x").arg(row)), qPrintable(QString::number(row)));
        QVERIFY(text.contains(QStringLiteral("EndOfPage")));

        const double margin = marginMm * 72.0 / 25.4;
        for (int page = 0; page < pages.pageCount(); ++page) {
            const QSizeF size = pages.pageSize(page);
            QCOMPARE(size.width() > size.height(), orientation == QPageLayout::Landscape);
            const QRectF bounds = pages.textBounds(page);
            QVERIFY2(bounds.left() >= margin - 1 && bounds.top() >= margin - 1, qPrintable(QString::number(page)));
            QVERIFY(bounds.right() <= size.width() - margin + 1);
            QVERIFY(bounds.bottom() <= size.height() - margin + 1);
        }
    }

    void printsAFileInItsDeclaredEncoding()
    {
        QTemporaryDir dir;
        const QString htmlFile = dir.filePath(QStringLiteral("~document.htm"));
        // "Caf\xe9" and the euro sign as single Windows-1252 bytes.
        TestSupport::writeFile(htmlFile, "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
                                         "charset=windows-1252\"></head><body>Caf\xe9 costs \x80 5</body></html>\r\n");
        QString error;
        const auto pdf = PagePdfPrinter().printFile(htmlFile, &error);
        QVERIFY2(pdf.has_value(), qPrintable(error));
        PdfPages pages;
        QVERIFY(pages.load(*pdf));
        QVERIFY2(pages.text(0).contains(QString::fromUtf8("Café costs € 5")), qPrintable(pages.text(0)));
    }

    void missingFileIsAnError()
    {
        QString error;
        QVERIFY(!PagePdfPrinter().printFile(QStringLiteral("/nonexistent/~document.htm"), &error));
        QVERIFY(error.contains(QStringLiteral("/nonexistent/~document.htm")));
    }
};

TW_VIEWER_TEST_MAIN(TestPagePdfPrinter)
#include "tst_PagePdfPrinter.moc"
