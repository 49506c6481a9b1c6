#pragma once

#include <QCoreApplication>

#include <algorithm>
#include <benchmark/benchmark.h>
#include <vector>

// The middle of a set of timings: steadier than the mean on a shared machine.
inline double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

// main() for benchmarks that need a Qt event loop but no GUI.
#define QUILLON_BENCHMARK_MAIN()                                                                                       \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        QCoreApplication app(argc, argv);                                                                              \
        benchmark::Initialize(&argc, argv);                                                                            \
        benchmark::RunSpecifiedBenchmarks();                                                                           \
        benchmark::Shutdown();                                                                                         \
        return 0;                                                                                                      \
    }
