// The same 10,000 stored documents (10 rows each) on the local file and on a PostgreSQL server the
// benchmark starts itself: the saved-document list in "Date" order, opening one document and saving
// one over its stored rows, each on both engines.
#include "BenchDocuments.h"
#include "BenchMain.h"
#include "core/Dialogs.h"
#include "documents/OpenCommand.h"
#include "documents/SaveCommand.h"
#include "documents/SavedDocsList.h"
#include "store/Database.h"
#include "store/PgTestServer.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kDocuments = 10000;

enum class Engine
{
    File,
    Server
};

// Both databases, filled once for every benchmark of this run.
struct Fixture
{
    QTemporaryDir dir;
    PgTestServer server;
    Database file{BenchDocuments::locale()};
    Database shared{BenchDocuments::locale()};
    QString serverProblem;

    Fixture()
    {
        file.create(dir.filePath(QStringLiteral("bench.db")));
        BenchDocuments::fill(file, kDocuments, 10);
        if (!server.start(&serverProblem))
            return;
        if (!shared.create(server.createDatabase(), &serverProblem) ||
            !BenchDocuments::fill(shared, kDocuments, 10))
            serverProblem = QStringLiteral("the server database could not be filled: ") + serverProblem;
    }

    static Fixture& instance()
    {
        static Fixture fixture;
        return fixture;
    }

    // The engine's database, or nothing (the benchmark skipped) when the server is not there.
    Database* database(Engine engine, benchmark::State& state)
    {
        if (engine == Engine::File)
            return &file;
        if (!serverProblem.isEmpty() || !shared.isOpen()) {
            state.SkipWithError(serverProblem.toLocal8Bit().constData());
            return nullptr;
        }
        return &shared;
    }
};

void BM_ListByDate(benchmark::State& state, Engine engine)
{
    Database* db = Fixture::instance().database(engine, state);
    if (!db)
        return;
    for (auto _ : state) {
        const SavedDocsListing listing =
            SavedDocsList::LoadDocs(*db, SavedDocsList::ByDate, BenchDocuments::locale());
        benchmark::DoNotOptimize(listing.entries.size());
    }
}
BENCHMARK_CAPTURE(BM_ListByDate, file, Engine::File)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ListByDate, server, Engine::Server)->Unit(benchmark::kMillisecond);

void BM_OpenDocument(benchmark::State& state, Engine engine)
{
    Database* db = Fixture::instance().database(engine, state);
    if (!db)
        return;
    ScriptedDialogs dialogs(true);
    const QString listText = BenchDocuments::make(kDocuments / 2, 10).docNumber;
    const Document current;
    for (auto _ : state) {
        OpenCommand open(*db, dialogs, BenchDocuments::locale());
        const OpenCommand::Result result = open.open(listText, current, false);
        if (result.outcome != OpenCommand::Outcome::Opened) {
            state.SkipWithError("the document did not open");
            break;
        }
        benchmark::DoNotOptimize(result.document.rows.size());
        dialogs.clear();
    }
}
BENCHMARK_CAPTURE(BM_OpenDocument, file, Engine::File)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenDocument, server, Engine::Server)->Unit(benchmark::kMillisecond);

void BM_SaveOverStored(benchmark::State& state, Engine engine)
{
    Database* db = Fixture::instance().database(engine, state);
    if (!db)
        return;
    ScriptedDialogs dialogs(true);
    Document doc = BenchDocuments::make(kDocuments / 3, 10);
    doc.currentDocNumber = doc.docNumber;
    for (auto _ : state) {
        SaveCommand save(*db, dialogs, BenchDocuments::locale());
        if (save.save(doc).outcome != SaveCommand::Outcome::Saved) {
            state.SkipWithError("the document was not saved");
            break;
        }
        dialogs.clear();
    }
}
BENCHMARK_CAPTURE(BM_SaveOverStored, file, Engine::File)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SaveOverStored, server, Engine::Server)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks<QCoreApplication>(argc, argv);
}
