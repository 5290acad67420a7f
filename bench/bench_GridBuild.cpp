#include "editor/Document.h"
#include "editor/widgets/GridPanel.h"

#include "BenchMain.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

Document documentWithRows(int rows)
{
    Document document;
    for (int i = 1; i <= rows; ++i) {
        DocumentRow row;
        row.serial = QString::number(i);
        row.productId = QString::number(i);
        row.description = QStringLiteral("Item %1").arg(i);
        row.qty = QStringLiteral("2");
        row.price = QStringLiteral("9.99");
        document.rows.append(row);
    }
    return document;
}

// A full rebuild of the grid as "Create Rows" does it, shown and laid out.
void buildGrid(benchmark::State& state, int rows, bool multiLine)
{
    const Document document = documentWithRows(rows);
    const Document empty;
    GridPanel grid;
    grid.show();
    for (auto _ : state) {
        grid.rebuild(document, multiLine);
        QCoreApplication::processEvents();
        state.PauseTiming();
        grid.rebuild(empty, multiLine);
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["rows"] = rows;
}

void BM_Grid65SingleLine(benchmark::State& state)
{
    buildGrid(state, 65, false);
}

void BM_Grid19MultiLine(benchmark::State& state)
{
    buildGrid(state, 19, true);
}

BENCHMARK(BM_Grid65SingleLine)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_Grid19MultiLine)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks<QApplication>(argc, argv);
}
