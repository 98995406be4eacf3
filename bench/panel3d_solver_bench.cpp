// A panel run of the default interactive wing (half model, alpha* 2.5 deg, 25 free-wake rows):
// model and grid, wing geometry, wakes, assembly, a flat solve or 8 relaxation steps, velocities,
// coefficients and the three result files. Beside it one LU factorisation of a matrix of the
// same order, the floor of any dense solve. Budgets at 30/15: flat under 0.5 s, relaxed under 1 s.

#include <benchmark/benchmark.h>
#include <omp.h>

#include <filesystem>
#include <memory>
#include <random>
#include <vector>

#include "common/DenseLu.h"
#include "tests/panel3d/solver/Panel3dSolverFixtures.h"

namespace {

void Run(benchmark::State& state, int steps) {
    const int n = static_cast<int>(state.range(0));
    const int m = static_cast<int>(state.range(1));
    const std::filesystem::path dir = std::filesystem::temp_directory_path();
    Panel3dResult3dFileName = (dir / "luvo-bench-3D.dat").string();
    Panel3dResultCpFileName = (dir / "luvo-bench-cp-x.dat").string();
    Panel3dResultCaFileName = (dir / "luvo-bench-ca-y.dat").string();
    for (auto _ : state) {
        auto w = panel3d_test::PreparedWing(n, m, 25, 1, 2.5);
        if (!w || !panel3d_test::SolveRun(*w, steps)) {
            state.SkipWithError("the default wing should solve");
            break;
        }
        benchmark::DoNotOptimize(w->WriteResultFiles());
    }
    state.counters["unknowns"] = 2 * n * m;
    state.counters["threads"] = omp_get_max_threads();
}

void BM_Panel3dFlatRun(benchmark::State& state) { Run(state, 0); }
void BM_Panel3dRelaxedRun8(benchmark::State& state) { Run(state, 8); }

void BM_Panel3dFactorOfTheSameOrder(benchmark::State& state) {
    const int order = static_cast<int>(2 * state.range(0) * state.range(1));
    std::mt19937 random(7);
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    std::vector<double> a(static_cast<size_t>(order) * order);
    for (double& v : a) v = value(random);
    for (int i = 0; i < order; ++i) a[luvo::ColumnMajor(i, i, order)] += order;
    for (auto _ : state) {
        luvo::DenseLu lu;
        benchmark::DoNotOptimize(lu.Factor(a, order));
    }
    state.counters["unknowns"] = order;
}

void Sizes(benchmark::internal::Benchmark* b) {
    b->Args({30, 15})->Args({42, 21})->Args({60, 30})->Unit(benchmark::kMillisecond);
    b->Iterations(1)->UseRealTime();
}

BENCHMARK(BM_Panel3dFlatRun)->Apply(Sizes);
BENCHMARK(BM_Panel3dRelaxedRun8)->Apply(Sizes);
BENCHMARK(BM_Panel3dFactorOfTheSameOrder)->Apply(Sizes);

}  // namespace

BENCHMARK_MAIN();
