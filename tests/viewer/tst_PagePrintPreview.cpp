#include "ViewerTestMain.h"

#include "viewer/PagePdfPrinter.h"
#include "viewer/PagePrintPreview.h"
#include "viewer/PdfPages.h"

#include <QPrinter>
#include <QSignalSpy>
#include <QWebEnginePage>

class TestPagePrintPreview : public QObject
{
    Q_OBJECT

private slots:
    void printsEveryPageOnThePrintersPaper_data()
    {
        QTest::addColumn<int>("pageSize");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<double>("marginMm");
        QTest::newRow("A4 portrait") << int(QPageSize::A4) << int(QPageLayout::Portrait) << 12.7;
        QTest::newRow("Letter landscape") << int(QPageSize::Letter) << int(QPageLayout::Landscape) << 25.0;
    }

    void printsEveryPageOnThePrintersPaper()
    {
        QFETCH(int, pageSize);
        QFETCH(int, orientation);
        QFETCH(double, marginMm);
        QString html = QStringLiteral("<html><body><table>");
        for (int row = 1; row <= 90; ++row)
            html += QStringLiteral("<tr><td>Row %1</td></tr>").arg(row);
        html += QStringLiteral("</table></body></html>");
        QWebEnginePage page;
        QSignalSpy loaded(&page, &QWebEnginePage::loadFinished);
        page.setHtml(html);
        QVERIFY(loaded.wait(30000));

        const QPageLayout layout(QPageSize(QPageSize::PageSizeId(pageSize)), QPageLayout::Orientation(orientation),
                                 QMarginsF(marginMm, marginMm, marginMm, marginMm), QPageLayout::Millimeter);
        QString error;
        const auto direct = PagePdfPrinter(layout).printLoaded(page, &error);
        QVERIFY2(direct.has_value(), qPrintable(error));
        PdfPages expected;
        QVERIFY(expected.load(*direct));

        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("printed.pdf")));
        printer.setPageLayout(layout);
        QVERIFY2(PagePrintPreview(page, printer).paint(&printer, &error), qPrintable(error));

        PdfPages printed;
        QVERIFY(printed.load(TestSupport::readFile(printer.outputFileName())));
        QCOMPARE(printed.pageCount(), expected.pageCount());
        QVERIFY(printed.pageCount() >= 2);
        const QSizeF paper = layout.fullRect(QPageLayout::Point).size();
        QVERIFY(qAbs(printed.pageSize(0).width() - paper.width()) < 2);
        QVERIFY(qAbs(printed.pageSize(0).height() - paper.height()) < 2);
    }
};

TW_VIEWER_TEST_MAIN(TestPagePrintPreview)
#include "tst_PagePrintPreview.moc"
