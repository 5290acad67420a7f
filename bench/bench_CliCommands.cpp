// The command line as a process, from start to exit, with its peak memory (VmHWM, read as it
// exits): the fixed cost of --version, save and show on an empty database beside a bare Qt program
// that prints one line (and one that makes a Widgets application object), and `list` on 100,000
// documents of 10 rows each (docs-100000.mdb from tools/make-bench-db.sh, TW_BENCH_DATA).
#include "ProcessPeak.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// Runs argv with its own data folder; false when it fails.
bool runOnce(const std::vector<std::string>& argv, const std::string& home, double& seconds, long& kib)
{
    const ProcessRun run = runProcess(argv, {"XDG_DATA_HOME=" + home, "XDG_CONFIG_HOME=" + home, "QT_QPA_PLATFORM=offscreen"});
    seconds = run.seconds;
    kib = run.peakKib;
    return run.ok;
}

void runCommand(benchmark::State& state, const std::vector<std::string>& argv, const std::string& database)
{
    const std::string home = prepareBenchHome(database);
    if (home.empty()) {
        state.SkipWithError("cannot prepare the data folder (tools/make-bench-db.sh, TW_BENCH_DATA)");
        return;
    }
    long kib = 0;
    for (auto _ : state) {
        double seconds = 0;
        if (!runOnce(argv, home, seconds, kib)) {
            state.SkipWithError("the command failed");
            break;
        }
        state.SetIterationTime(seconds);
    }
    state.counters["VmHWM_MiB"] = double(kib) / 1024.0;
    std::system(("rm -rf " + home).c_str());
}

const std::string kDocument = std::string(TW_BENCH_SOURCE_DIR) + "/bench-document.json";

void BM_MinimalQtProgram(benchmark::State& state) { runCommand(state, {TW_MINIMAL_CLI}, ""); }
void BM_MinimalQtWidgetsProgram(benchmark::State& state) { runCommand(state, {TW_MINIMAL_GUI_CLI}, ""); }
void BM_CliVersion(benchmark::State& state) { runCommand(state, {TW_CLI_PATH, "--version"}, ""); }
void BM_CliSave(benchmark::State& state) { runCommand(state, {TW_CLI_PATH, "--yes", "save", kDocument}, "docs-0.mdb"); }
void BM_CliShow(benchmark::State& state)
{
    // The document the save benchmark stores, shown from a database that holds it.
    const std::string home = prepareBenchHome("docs-0.mdb");
    double seconds = 0;
    long kib = 0;
    if (home.empty() || !runOnce({TW_CLI_PATH, "--yes", "save", kDocument}, home, seconds, kib)) {
        state.SkipWithError("cannot store the document to show");
        return;
    }
    for (auto _ : state) {
        if (!runOnce({TW_CLI_PATH, "show", "BENCH-1"}, home, seconds, kib)) {
            state.SkipWithError("show failed");
            break;
        }
        state.SetIterationTime(seconds);
    }
    state.counters["VmHWM_MiB"] = double(kib) / 1024.0;
    std::system(("rm -rf " + home).c_str());
}
void BM_CliList100k(benchmark::State& state) { runCommand(state, {TW_CLI_PATH, "list"}, "docs-100000.mdb"); }

} // namespace

BENCHMARK(BM_MinimalQtProgram)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);
BENCHMARK(BM_MinimalQtWidgetsProgram)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);
BENCHMARK(BM_CliVersion)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);
BENCHMARK(BM_CliSave)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);
BENCHMARK(BM_CliShow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);
BENCHMARK(BM_CliList100k)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_MAIN();
