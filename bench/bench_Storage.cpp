// Stored documents on a database of 10,000 documents of 10 rows each: the saved-document list in
// "Date" order and saving a 65-row document over its stored rows.
#include "core/Dialogs.h"
#include "documents/SaveCommand.h"
#include "documents/SavedDocsList.h"
#include "editor/Document.h"
#include "store/Database.h"

#include "BenchDatabase.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

const QLocale kLocale(QLocale::English, QLocale::UnitedStates);

Document makeDocument(int number, int rows)
{
    Document doc;
    doc.docNumber = QStringLiteral("INV-%1").arg(number, 5, 10, QLatin1Char('0'));
    doc.docDate = QDate(2020, 1, 1).addDays(number % 1500);
    doc.docType = number % 3 ? QStringLiteral("Invoice") : QStringLiteral("Quotation");
    doc.billToName = QStringLiteral("Customer %1 O'Brien").arg(number % 700);
    doc.billToAddress = QStringLiteral("%1 Quay Street\r\nCork\r\nIreland").arg(number % 97);
    doc.notes = QStringLiteral("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 Thank you for your business.\\par}");
    doc.paid = QStringLiteral("0.00");
    doc.total = QStringLiteral("100.00");
    for (int i = 0; i < rows; ++i) {
        DocumentRow row;
        row.serial = QString::number(i + 1);
        row.productId = QStringLiteral("P-%1").arg(i + 1);
        row.description = QStringLiteral("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs18 Widget model %1, "
                                         "stainless, boxed\\par}").arg(i);
        row.qty = QStringLiteral("2");
        row.price = QStringLiteral("5.00");
        row.amount = QStringLiteral("10.00");
        doc.rows.append(row);
    }
    return doc;
}

// One database for every benchmark of this run.
struct Fixture
{
    BenchDatabase data{10000, [](int n) { return makeDocument(n, 10); }};
    Database& db = data.db();

    static Fixture& instance()
    {
        static Fixture fixture;
        return fixture;
    }
};

void BM_LoadDocsByDate(benchmark::State& state)
{
    Fixture& f = Fixture::instance();
    for (auto _ : state) {
        const SavedDocsListing listing = SavedDocsList::LoadDocs(f.db, SavedDocsList::ByDate, kLocale);
        benchmark::DoNotOptimize(listing.entries.size());
    }
}
BENCHMARK(BM_LoadDocsByDate)->Unit(benchmark::kMillisecond);

void BM_Save65RowDocument(benchmark::State& state)
{
    Fixture& f = Fixture::instance();
    ScriptedDialogs dialogs(true);
    Document doc = makeDocument(20000, 65);
    doc.currentDocNumber = doc.docNumber;
    for (auto _ : state) {
        SaveCommand save(f.db, dialogs, kLocale);
        benchmark::DoNotOptimize(save.save(doc).outcome);
        dialogs.clear();
    }
}
BENCHMARK(BM_Save65RowDocument)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
