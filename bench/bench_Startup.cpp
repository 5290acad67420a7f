// Start-up of the programs as a user sees it: from exec until the main window is mapped on the X
// display ($DISPLAY, e.g. Xvfb), and the process's peak memory (VmHWM) at that moment; beside it the
// same for a minimal Qt program. The databases come from tools/make-bench-db.sh (TW_BENCH_DATA).
#include "ProcessPeak.h"

#include <X11/Xlib.h>

#include <benchmark/benchmark.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// Starts `argv` with its own data folder and waits for its first top-level window to be mapped.
bool startAndWait(const std::vector<std::string>& argv, const std::string& home, double& seconds, long& kib)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("XDG_DATA_HOME", home.c_str(), 1);
        setenv("XDG_CONFIG_HOME", home.c_str(), 1);
        std::vector<char*> args;
        for (const std::string& arg : argv)
            args.push_back(const_cast<char*>(arg.c_str()));
        args.push_back(nullptr);
        execv(args[0], args.data());
        _exit(127);
    }
    bool mapped = false;
    while (!mapped) {
        XEvent event;
        XNextEvent(display, &event);
        mapped = event.type == MapNotify;
    }
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    kib = processPeakKib(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);
    return true;
}

void runStart(benchmark::State& state, const std::vector<std::string>& argv, const std::string& database)
{
    std::string home;
    long kib = 0;
    for (auto _ : state) {
        state.PauseTiming();
        home = prepareBenchHome(database);
        state.ResumeTiming();
        if (home.empty()) {
            state.SkipWithError("cannot prepare the data folder (tools/make-bench-db.sh, TW_BENCH_DATA)");
            break;
        }
        double seconds = 0;
        if (!startAndWait(argv, home, seconds, kib)) {
            state.SkipWithError("no X display");
            break;
        }
        state.SetIterationTime(seconds);
    }
    state.counters["VmHWM_MiB"] = double(kib) / 1024.0;
    std::system(("rm -rf " + home).c_str());
}

void BM_MinimalWindow(benchmark::State& state) { runStart(state, {TW_MINIMAL_WINDOW}, ""); }
void BM_StartEmpty(benchmark::State& state) { runStart(state, {TW_PROGRAM}, "docs-0.mdb"); }
// The very first start: no database yet, so the program makes its file before the window shows.
void BM_FirstStart(benchmark::State& state) { runStart(state, {TW_PROGRAM}, ""); }
void BM_Start10k(benchmark::State& state) { runStart(state, {TW_PROGRAM}, "docs-10000.mdb"); }
void BM_Start100k(benchmark::State& state) { runStart(state, {TW_PROGRAM}, "docs-100000.mdb"); }

} // namespace

BENCHMARK(BM_MinimalWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(7);
BENCHMARK(BM_StartEmpty)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(7);
BENCHMARK(BM_FirstStart)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(7);
BENCHMARK(BM_Start10k)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Start100k)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
