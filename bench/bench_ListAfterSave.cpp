// The window's freeze after OK on the "saved" message, on a database of 100,000 documents of 10 rows
// each (docs-100000.mdb from tools/make-bench-db.sh): from the moment OK is pressed until the
// saved-document list shows the change. The same after a delete, and beside them the whole list
// read again, which is what both did before.
#include "core/Dialogs.h"
#include "documents/SavedDocsList.h"
#include "documents/widgets/DocumentsController.h"
#include "documents/widgets/SavedDocsPanel.h"

#include "BenchDatabase.h"
#include "BenchMain.h"

#include <QApplication>
#include <QLabel>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace {

using Clock = std::chrono::steady_clock;

// Answers every question with its proceeding button and notes when the last message was closed.
class TimedDialogs : public ScriptedDialogs
{
public:
    TimedDialogs() : ScriptedDialogs(true) {}
    DialogAnswer ask(const DialogRequest& request) override
    {
        closed = Clock::now();
        return ScriptedDialogs::ask(request);
    }
    Clock::time_point closed;
};

Document documentNumbered(const QString& number)
{
    Document doc;
    doc.docNumber = number;
    doc.currentDocNumber = number;
    doc.docDate = QDate(2026, 12, 7);
    doc.docType = QStringLiteral("Invoice");
    doc.billToName = QStringLiteral("Customer 12");
    doc.billToAddress = QStringLiteral("1 Market Street\r\nTown 1");
    doc.paid = doc.total = doc.chargesAmount = QStringLiteral("0.00");
    for (int i = 0; i < 10; ++i) {
        DocumentRow row;
        row.serial = QString::number(i + 1);
        row.description = QStringLiteral("Item %1").arg(i + 1);
        row.qty = QStringLiteral("1");
        row.price = row.amount = QStringLiteral("0.00");
        doc.rows.append(row);
    }
    return doc;
}

struct Desk
{
    BenchDatabase data{QStringLiteral("docs-100000.mdb")};
    TimedDialogs dialogs;
    SavedDocsPanel panel;
    Document onScreen;
    std::unique_ptr<DocumentsController> controller;

    Desk()
    {
        DocumentsController::Window window;
        window.document = [this] { return onScreen; };
        window.showDocument = [this](const Document& shown) { onScreen = shown; };
        window.currentLabel = [](const QString&, bool) {};
        window.documentOpen = [] { return true; };
        window.createQuietNewRow = [this] { onScreen = Document(); };
        controller = std::make_unique<DocumentsController>(data.db(), dialogs, &panel, window);
        if (data.db().isOpen())
            controller->loadDocs();
    }

    // Made on first use, let go before the application object.
    static std::unique_ptr<Desk>& held()
    {
        static std::unique_ptr<Desk> desk;
        return desk;
    }
    static Desk& instance()
    {
        if (!held())
            held() = std::make_unique<Desk>();
        return *held();
    }
};

void BM_ListAfterSave(benchmark::State& state)
{
    Desk& desk = Desk::instance();
    if (!desk.data.db().isOpen()) {
        state.SkipWithError("no docs-100000.mdb in TW_BENCH_DATA (tools/make-bench-db.sh)");
        return;
    }
    int i = 0;
    for (auto _ : state) {
        desk.onScreen = documentNumbered(QStringLiteral("BENCH-%1").arg(i++ % 2));
        desk.controller->save();
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - desk.dialogs.closed).count());
        desk.dialogs.clear();
    }
    state.counters["files"] = desk.panel.countLabel()->text().section(QLatin1Char(' '), 0, 0).toDouble();
}
BENCHMARK(BM_ListAfterSave)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(11);

void BM_ListAfterDelete(benchmark::State& state)
{
    Desk& desk = Desk::instance();
    if (!desk.data.db().isOpen()) {
        state.SkipWithError("no docs-100000.mdb in TW_BENCH_DATA (tools/make-bench-db.sh)");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        desk.onScreen = documentNumbered(QStringLiteral("BENCH-GONE"));
        desk.controller->save();
        desk.dialogs.clear();
        state.ResumeTiming();
        desk.controller->remove();
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - desk.dialogs.closed).count());
        desk.dialogs.clear();
    }
}
BENCHMARK(BM_ListAfterDelete)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(11);

void BM_WholeListRead(benchmark::State& state)
{
    Desk& desk = Desk::instance();
    if (!desk.data.db().isOpen()) {
        state.SkipWithError("no docs-100000.mdb in TW_BENCH_DATA (tools/make-bench-db.sh)");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(SavedDocsList::LoadDocs(desk.data.db(), SavedDocsList::ByDate, BenchDatabase::locale()).count);
}
BENCHMARK(BM_WholeListRead)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks<QApplication>(argc, argv, [] { Desk::held().reset(); });
}
