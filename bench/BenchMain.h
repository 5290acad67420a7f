#pragma once

// The benchmarks' main: the Qt application object the measured code needs (a window or a page gets
// the offscreen platform unless one is set), then Google Benchmark. `atEnd` runs while the
// application object still exists.
#include <QApplication>
#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <functional>
#include <type_traits>

template <typename Application>
int runBenchmarks(int argc, char** argv, const std::function<void()>& atEnd = {})
{
    if (!std::is_same_v<Application, QCoreApplication> && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (atEnd)
        atEnd();
    return 0;
}
