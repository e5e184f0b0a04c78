#pragma once

#include "support/RatioReporter.h"

#include <QApplication>

#include <benchmark/benchmark.h>

// Registers "<name>/ours" and "<name>/raw", timed in milliseconds: the pair RatioReporter prints
// the ratio of.
#define XIAOWU_BENCH_PAIR(name, ours, raw)                                                                             \
    BENCHMARK(ours)->Name(name "/ours")->Unit(benchmark::kMillisecond);                                                \
    BENCHMARK(raw)->Name(name "/raw")->Unit(benchmark::kMillisecond)

// The same for a pair that both take one argument.
#define XIAOWU_BENCH_PAIR_ARG(name, ours, raw, arg)                                                                    \
    BENCHMARK(ours)->Name(name "/ours")->Arg(arg)->Unit(benchmark::kMillisecond);                                      \
    BENCHMARK(raw)->Name(name "/raw")->Arg(arg)->Unit(benchmark::kMillisecond)

// The same for a pair whose rounds are slow or write, run a fixed number of times.
#define XIAOWU_BENCH_PAIR_ITERATIONS(name, ours, raw, n)                                                               \
    BENCHMARK(ours)->Name(name "/ours")->Unit(benchmark::kMillisecond)->Iterations(n);                                 \
    BENCHMARK(raw)->Name(name "/raw")->Unit(benchmark::kMillisecond)->Iterations(n)

// main() of a bench that measures real windows or paints: offscreen unless a platform is chosen.
inline int runWindowsOnLargeSchool(int argc, char** argv, const std::function<bool()>& prepare = {})
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return runOnLargeSchool(argc, argv, prepare);
}
