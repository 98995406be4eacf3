// The cost of one number in a result file: ResultFile::RowValue against the same values written
// through an ofstream at the same precision (the general format of the classic locale), both
// into a file of the temporary folder. Counter "ns_per_number"; budget: well under the stream's.

#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <locale>
#include <random>
#include <vector>

#include "common/core/ResultFile.h"

namespace {

constexpr int kNumbers = 100000;  // about the rows of a panel run at 2000 unknowns

std::vector<double> Values() {
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> u(-3.0, 3.0);
    std::vector<double> v(kNumbers);
    for (double& x : v) x = u(rng) * std::pow(10.0, static_cast<int>(u(rng)));
    return v;
}

std::string FileName() {
    return (std::filesystem::temp_directory_path() / "luvo-bench-numbers.dat").string();
}

void BM_ResultFileRows(benchmark::State& state) {
    const std::vector<double> values = Values();
    for (auto _ : state) {
        luvo::ResultFile out(FileName());
        for (double v : values) out.RowValue(v, 8, " ");
        benchmark::DoNotOptimize(out.Finish());
    }
    state.counters["ns_per_number"] =
        benchmark::Counter(static_cast<double>(kNumbers) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ResultFileRows)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_OfstreamRows(benchmark::State& state) {
    const std::vector<double> values = Values();
    for (auto _ : state) {
        std::ofstream out(FileName(), std::ios::binary);
        out.imbue(std::locale::classic());
        out.precision(8);
        for (double v : values) out << v << ' ';
        out.close();
        benchmark::DoNotOptimize(out.fail());
    }
    state.counters["ns_per_number"] =
        benchmark::Counter(static_cast<double>(kNumbers) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_OfstreamRows)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
