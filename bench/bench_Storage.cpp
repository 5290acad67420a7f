// Stored documents on a database of 10,000 documents of 10 rows each: the saved-document list in
// "Date" order and saving a 65-row document over its stored rows.
#include "BenchDocuments.h"
#include "core/Dialogs.h"
#include "documents/SaveCommand.h"
#include "documents/SavedDocsList.h"
#include "editor/Document.h"
#include "store/Database.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QLocale kLocale = BenchDocuments::locale();
using BenchDocuments::make;

// One database for every benchmark of this run.
struct Fixture
{
    QTemporaryDir dir;
    Database db{kLocale};

    Fixture()
    {
        db.create(dir.filePath(QStringLiteral("bench.mdb")));
        BenchDocuments::fill(db, 10000, 10);
    }

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
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
