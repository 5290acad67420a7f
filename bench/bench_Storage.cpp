// Stored documents on a database of 10,000 documents of 10 rows each: the saved-document list in
// "Date" order and saving a 65-row document over its stored rows.
#include "BenchDocuments.h"
#include "BenchMain.h"
#include "core/Dialogs.h"
#include "documents/SaveCommand.h"
#include "documents/SavedDocsList.h"
#include "editor/Document.h"
#include "store/Database.h"

#include "BenchDatabase.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

const QLocale kLocale = BenchDocuments::locale();
using BenchDocuments::make;

// One database for every benchmark of this run.
struct Fixture
{
    BenchDatabase data{10000, [](int n) { return make(n, 10); }};
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
    Document doc = make(20000, 65);
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
    return runBenchmarks<QCoreApplication>(argc, argv);
}
