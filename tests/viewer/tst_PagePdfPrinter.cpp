#include "ViewerTestMain.h"

#include "CliRunner.h"
#include "viewer/PagePdfPrinter.h"
#include "viewer/PagePrintPreview.h"
#include "viewer/PdfPages.h"

#include <QPrinter>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QWebEnginePage>

namespace {

using namespace TestSupport;

// A page like the generated one, in Windows-1252: a heading and an item table of `rows` numbered rows.
QString writePage(const QTemporaryDir& dir, int rows)
{
    QByteArray html = "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
                      "</head><body><h1>Caf\xe9 costs \x80 5</h1><table border=1 cellpadding=2 width=\"98%\">\r\n";
    for (int row = 1; row <= rows; ++row)
        html += "<tr><td>" + QByteArray::number(row) + "</td><td>Item" + QByteArray::number(row)
                + "x</td><td align=right>" + QByteArray::number(row * 3) + ".00</td></tr>\r\n";
    html += "</table><p>EndOfPage</p></body></html>\r\n";
    return writeFile(dir.filePath(QStringLiteral("~document.htm")), html);
}

// `tallywick-cli render DOC` and `more` arguments, for a two-row document numbered `number`.
CliRun render(const QTemporaryDir& home, const char* number, const QStringList& more)
{
    const QString doc = writeFile(home.filePath(QStringLiteral("doc.json")),
                                  QByteArray(R"({"company":{"name":"Norvane Trading"},"docNumber":")") + number
                                      + R"(","rows":[{"description":"Part1z","qty":"1","price":"2.00"},)"
                                        R"({"description":"Part2z","qty":"1","price":"2.00"}]})");
    const QStringList arguments{QStringLiteral("--locale"), QStringLiteral("en_US"), QStringLiteral("render"), doc};
    return runCli(arguments + more, home.path());
}

} // namespace

class TestPagePdfPrinter : public QObject
{
    Q_OBJECT

private slots:
    // The file is read in its declared encoding and every row is printed inside the margins; the print
    // preview paints the engine's own pages on the printer's paper, as many as printing to PDF makes.
    void longTableFlowsOverPagesInsideMargins_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("pageSize");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<double>("marginMm");
        QTest::newRow("90 rows, A4") << 90 << int(QPageSize::A4) << int(QPageLayout::Portrait) << 12.7;
        QTest::newRow("90 rows, wide margins") << 90 << int(QPageSize::A4) << int(QPageLayout::Portrait) << 30.0;
        QTest::newRow("90 rows, landscape") << 90 << int(QPageSize::Letter) << int(QPageLayout::Landscape) << 25.0;
        QTest::newRow("3 rows fit one page") << 3 << int(QPageSize::Letter) << int(QPageLayout::Portrait) << 12.7;
    }

    void longTableFlowsOverPagesInsideMargins()
    {
        QFETCH(int, rows);
        QFETCH(int, pageSize);
        QFETCH(int, orientation);
        QFETCH(double, marginMm);
        const QPageLayout layout(QPageSize(QPageSize::PageSizeId(pageSize)), QPageLayout::Orientation(orientation),
                                 QMarginsF(marginMm, marginMm, marginMm, marginMm), QPageLayout::Millimeter);
        QTemporaryDir dir;
        const QString file = writePage(dir, rows);
        QString error;
        const auto pdf = PagePdfPrinter(layout).printFile(file, &error);
        QVERIFY2(pdf.has_value(), qPrintable(error));
        PdfPages pages;
        QVERIFY(pages.load(*pdf));
        QCOMPARE(pages.pageCount() > 1, rows > 40);
        QVERIFY2(pages.text(0).contains(QString::fromUtf8("Café costs € 5")), qPrintable(pages.text(0)));

        QString text;
        const double margin = marginMm * 72.0 / 25.4;
        const QSizeF paper = layout.fullRect(QPageLayout::Point).size();
        for (int page = 0; page < pages.pageCount(); ++page) {
            text += pages.text(page) + QLatin1Char('\n');
            const QSizeF size = pages.pageSize(page);
            QVERIFY(qAbs(size.width() - paper.width()) < 2 && qAbs(size.height() - paper.height()) < 2);
            const QRectF bounds = pages.textBounds(page);
            QVERIFY2(bounds.left() >= margin - 1 && bounds.top() >= margin - 1, qPrintable(QString::number(page)));
            QVERIFY(bounds.right() <= size.width() - margin + 1);
            QVERIFY(bounds.bottom() <= size.height() - margin + 1);
        }
        for (int row = 1; row <= rows; ++row)
            QVERIFY2(text.contains(QStringLiteral("Item%1x").arg(row)), qPrintable(QString::number(row)));
        QVERIFY(text.contains(QStringLiteral("EndOfPage")));

        QWebEnginePage page;
        QSignalSpy loaded(&page, &QWebEnginePage::loadFinished);
        page.load(QUrl::fromLocalFile(file));
        QVERIFY(loaded.wait(30000));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("printed.pdf")));
        printer.setPageLayout(layout);
        QVERIFY2(PagePrintPreview(page, printer).paint(&printer, &error), qPrintable(error));
        PdfPages printed;
        QVERIFY(printed.load(readFile(printer.outputFileName())));
        QCOMPARE(printed.pageCount(), pages.pageCount());
        QVERIFY(qAbs(printed.pageSize(0).width() - paper.width()) < 2);
        QVERIFY(qAbs(printed.pageSize(0).height() - paper.height()) < 2);
    }

    void missingFileIsAnError()
    {
        QString error;
        QVERIFY(!PagePdfPrinter().printFile(QStringLiteral("/nonexistent/~document.htm"), &error));
        QVERIFY(error.contains(QStringLiteral("/nonexistent/~document.htm")));
    }

    // The command line's --pdf, end to end: beside the page, or not at all.
    void renderCommandWritesPdf()
    {
        QTemporaryDir home;
        const QString pdf = home.filePath(QStringLiteral("out.pdf"));
        const QString page = home.filePath(QStringLiteral("page.htm"));
        const CliRun run = render(home, "INV-90", {QStringLiteral("--pdf"), pdf, QStringLiteral("-o"), page});
        QVERIFY2(run.exitCode == 0, run.err.constData());
        QVERIFY(run.out.isEmpty()); // the page goes to standard output only when no file is asked for
        PdfPages pages;
        QVERIFY(pages.load(readFile(pdf)));
        // The extraction sometimes puts each glyph of a word on its own line; the words are what count.
        const QString text = pages.text(0).remove(QRegularExpression(QStringLiteral("\\s")));
        for (const char* word : {"NorvaneTrading", "INV-90", "Part1z", "Part2z"})
            QVERIFY2(text.contains(QLatin1String(word)), word);
        // -o beside --pdf still writes exactly the page that -o alone writes.
        QCOMPARE(readFile(page), render(home, "INV-90", {}).out);

        const QString unwritable = home.filePath(QStringLiteral("missing/out.pdf"));
        const CliRun failed = render(home, "INV-90", {QStringLiteral("--pdf"), unwritable});
        QCOMPARE(failed.exitCode, 3);
        QVERIFY2(failed.err.contains("Cannot write"), failed.err.constData());
        QVERIFY(failed.out.isEmpty());
        QVERIFY(!QFile::exists(unwritable));
    }
};

TW_VIEWER_TEST_MAIN(TestPagePdfPrinter)
#include "tst_PagePdfPrinter.moc"
