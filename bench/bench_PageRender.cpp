#include "html/DocumentSnapshot.h"
#include "html/PageBuilder.h"
#include "html/PageWriter.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

// A full 65-row document whose descriptions carry fonts, colours, bold text and a bulleted list.
DocumentSnapshot largeDocument()
{
    DocumentSnapshot snapshot;
    snapshot.locale = QLocale(QLocale::English, QLocale::UnitedStates);
    Document& d = snapshot.document;
    d.docType = QStringLiteral("Tax Invoice");
    d.docNumber = QStringLiteral("INV-2026-0065");
    d.billToName = QStringLiteral("O'Brien Ltd");
    d.billToAddress = QStringLiteral("1 Quay St\r\nCork");
    d.shipToName = QStringLiteral("Depot");
    d.chargesAmount = QStringLiteral("15.00");
    d.notes = QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}"
                             "\\f0\\fs20 Payment within \\b 30 days\\b0 .\\par \\cf1 Thank you!\\cf0\\par }");
    d.options.goodsReceived = true;
    d.options.printBarcode = true;
    for (int i = 1; i <= 65; ++i) {
        DocumentRow row;
        row.serial = QString::number(i);
        row.productId = QStringLiteral("P-%1").arg(i, 3, 10, QLatin1Char('0'));
        row.description =
            QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}"
                           "{\\colortbl;\\red0\\green0\\blue255;}\\f0\\fs20 Item \\b %1\\b0  "
                           "\\cf1\\f1 in blue\\cf0\\f0\\par {\\pntext\\'B7\\tab}size %1 mm\\par }")
                .arg(i);
        row.qty = QString::number(i % 7);
        row.price = QStringLiteral("12.50");
        row.discount = QStringLiteral("0.00");
        row.amount = QStringLiteral("%1.50").arg(i);
        d.rows.append(row);
    }
    d.pageRows = QStringLiteral("70");
    d.subtotal = QStringLiteral("1,234.50");
    d.taxAmount = QStringLiteral("0.00");
    d.total = QStringLiteral("1,249.50");
    d.paid = QStringLiteral("0.00");
    d.balance = QStringLiteral("1,249.50");
    return snapshot;
}

void BM_PageRender(benchmark::State& state)
{
    const DocumentSnapshot snapshot = largeDocument();
    for (auto _ : state) {
        const QString page = PageBuilder::build(snapshot);
        benchmark::DoNotOptimize(page.size());
    }
}
BENCHMARK(BM_PageRender)->Unit(benchmark::kMillisecond);

void BM_PageRenderAndEncode(benchmark::State& state)
{
    const DocumentSnapshot snapshot = largeDocument();
    for (auto _ : state) {
        const QByteArray bytes = PageWriter::encode(PageBuilder::build(snapshot));
        benchmark::DoNotOptimize(bytes.size());
    }
}
BENCHMARK(BM_PageRenderAndEncode)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
