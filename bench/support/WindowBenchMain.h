#pragma once
// The shared start of the benchmark programs that measure windows: the window library is
// started on the display first, and only then are the benchmarks that need it registered.

#include <benchmark/benchmark.h>

namespace luvo::bench {

// Defined by each window benchmark program; called once the window library runs on a display.
void RegisterWindowBenchmarks();

// Registers a benchmark reported in milliseconds, the unit of the 16 ms frame budget.
inline void RegisterInMilliseconds(const char* name, void (*function)(benchmark::State&)) {
    benchmark::RegisterBenchmark(name, function)->Unit(benchmark::kMillisecond);
}

}  // namespace luvo::bench
