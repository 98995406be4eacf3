// Response times of the extended lifting-line method: the analysis sequence (run on every accepted
// input, every drag step and every repaint of the analysis window's plots) and the wing-file run
// from reading the file to writing its result file.

#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <string>

#include "etl/core/EtlGridFile.h"
#include "etl/core/EtlRuns.h"
#include "etl/core/EtlSolver.h"
#include "tests/etl/core/EtlTestWings.h"
#include "tests/support/TempDir.h"

namespace {

// The analysis window's default wing in sideslip, from a fresh record to the coefficients.
void BM_EtlAnalysisSequence(benchmark::State& state) {
    EtlAnalysisInputs in = etl_test::AnalysisWindowInputs();
    in.sideslip = 10.0;
    for (auto _ : state) {
        const std::shared_ptr<EtlSolver> s = EtlSolveAnalysis(in);
        benchmark::DoNotOptimize(s->kFactor);
    }
}
BENCHMARK(BM_EtlAnalysisSequence)->Unit(benchmark::kMicrosecond);

// A wing file of ten segments: header check, the run on a new record and "Zirkulation.dat".
void BM_EtlWingFileRun(benchmark::State& state) {
    luvo::test::TempDir dir;
    const std::string grid = dir.file("grid.fde");
    const std::string result = dir.file("Zirkulation.dat");
    {
        std::vector<etl_test::FileSegment> segments;
        for (int k = 1; k <= 10; ++k)
            segments.push_back({0.1, 4.0 - 0.3 * k, 2.0 - 0.15 * k, 20.0});
        std::ofstream out(grid, std::ios::binary);
        out << etl_test::WingFileText({12.0, 1.0, 2.0, 4.0}, segments);
    }
    for (auto _ : state) {
        const auto header = ReadEtlGridHeader(grid);
        if (!header) {
            state.SkipWithError("the wing file should pass");
            break;
        }
        const auto s = EtlSolveGridFile(grid, *header, -5.0);
        if (!s || !s->WriteCirculationFile(result)) {
            state.SkipWithError("the run should read and write its files");
            break;
        }
        benchmark::DoNotOptimize(s->kFactor);
    }
}
BENCHMARK(BM_EtlWingFileRun)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
