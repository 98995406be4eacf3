// A panel run of the default interactive wing (half model, alpha* 2.5 deg, 25 free-wake rows):
// model and grid, wing geometry, wakes, assembly, a flat solve or 8 relaxation steps, velocities,
// coefficients and the three result files. Beside it one LU factorisation of a matrix of the
// same order, the floor of any dense solve. Budgets at 30/15: flat under 0.5 s, relaxed under 1 s.
// Then the flat run at about 2000 unknowns against a bare one-thread LU (factors and one solve) of
// its order, as the ratio of the two, and the time of one relaxation step of the default run.

#include <benchmark/benchmark.h>
#include <cblas.h>
#include <lapacke.h>
#include <omp.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <random>
#include <vector>

#include "common/core/DenseLu.h"
#include "tests/panel3d/core/Panel3dSolverFixtures.h"

namespace {

void Run(benchmark::State& state, int steps) {
    const int n = static_cast<int>(state.range(0));
    const int m = static_cast<int>(state.range(1));
    const std::filesystem::path dir = std::filesystem::temp_directory_path();
    const Panel3dResultFileNames names{(dir / "luvo-bench-3D.dat").string(),
                                       (dir / "luvo-bench-cp-x.dat").string(),
                                       (dir / "luvo-bench-ca-y.dat").string()};
    for (auto _ : state) {
        auto w = panel3d_test::PreparedWing(n, m, 25, 1, 2.5);
        if (!w || !panel3d_test::SolveRun(*w, steps)) {
            state.SkipWithError("the default wing should solve");
            break;
        }
        benchmark::DoNotOptimize(w->WriteResultFiles(names));
    }
    state.counters["unknowns"] = 2 * n * m;
    state.counters["threads"] = omp_get_max_threads();
}

void BM_Panel3dFlatRun(benchmark::State& state) { Run(state, 0); }
void BM_Panel3dRelaxedRun8(benchmark::State& state) { Run(state, 8); }

std::vector<double> DominantMatrix(int order) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    std::vector<double> a(static_cast<size_t>(order) * order);
    for (double& v : a) v = value(random);
    for (int i = 0; i < order; ++i) a[luvo::ColumnMajor(i, i, order)] += order;
    return a;
}

void BM_Panel3dFactorOfTheSameOrder(benchmark::State& state) {
    const int order = static_cast<int>(2 * state.range(0) * state.range(1));
    const std::vector<double> a = DominantMatrix(order);
    for (auto _ : state) {
        luvo::DenseLu lu;
        benchmark::DoNotOptimize(lu.Factor(a, order, luvo::kIteratedDense));
    }
    state.counters["unknowns"] = order;
}

double Seconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

// dgetrf and dgetrs straight on one BLAS thread, outside any policy of the program.
double BareLuSeconds(const std::vector<double>& matrix, int order) {
    std::vector<double> a = matrix;
    std::vector<double> b(static_cast<size_t>(order), 1.0);
    std::vector<lapack_int> pivots(static_cast<size_t>(order));
    const int threads = openblas_get_num_threads();
    const int loopThreads = omp_get_max_threads();  // OpenBLAS on OpenMP sets it too
    openblas_set_num_threads(1);
    const auto start = std::chrono::steady_clock::now();
    LAPACKE_dgetrf(LAPACK_COL_MAJOR, order, order, a.data(), order, pivots.data());
    LAPACKE_dgetrs(LAPACK_COL_MAJOR, 'N', order, 1, a.data(), order, pivots.data(), b.data(),
                   order);
    const double seconds = Seconds(std::chrono::steady_clock::now() - start);
    openblas_set_num_threads(threads);
    omp_set_num_threads(loopThreads);
    benchmark::DoNotOptimize(b.data());
    return seconds;
}

// The flat run as the program runs it (no thread settings) and the bare LU, alternately, so that
// a changing load on the machine meets both alike; the best ratio and the mean times.
void BM_Panel3dFlatRunAgainstBareLu(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const int m = static_cast<int>(state.range(1));
    const int order = 2 * n * m;
    const std::vector<double> matrix = DominantMatrix(order);
    double runSum = 0, luSum = 0, best = 1e300;
    int count = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        auto w = panel3d_test::PreparedWing(n, m, 25, 1, 2.5);
        if (!w || !panel3d_test::SolveRun(*w, 0)) {
            state.SkipWithError("the default wing should solve");
            break;
        }
        const double run = Seconds(std::chrono::steady_clock::now() - start);
        const double lu = BareLuSeconds(matrix, order);
        runSum += run;
        luSum += lu;
        best = std::min(best, run / lu);
        ++count;
    }
    if (count == 0) return;
    state.counters["unknowns"] = order;
    state.counters["run_ms"] = 1e3 * runSum / count;
    state.counters["bare_lu_ms"] = 1e3 * luSum / count;
    state.counters["ratio_of_means"] = runSum / luSum;
    state.counters["best_ratio"] = best;
}

// The relaxation steps of the default relaxed run (re-solve, node velocities, new wake
// geometry), timed apart from the assembly and the post-processing.
void BM_Panel3dRelaxationStep(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const int m = static_cast<int>(state.range(1));
    constexpr int kSteps = 8;
    double seconds = 0;
    int count = 0;
    for (auto _ : state) {
        auto w = panel3d_test::PreparedWing(n, m, 25, 1, 2.5);
        if (!w) {
            state.SkipWithError("the default wing should solve");
            break;
        }
        w->operatingPoint.iterationCount = kSteps;
        w->AssembleSymmetricSystem();
        const auto start = std::chrono::steady_clock::now();
        int& step = w->operatingPoint.iteration;
        for (step = 0; step < kSteps; ++step) {
            if (!w->ResolveSymmetricInIteration()) {
                state.SkipWithError("a relaxation step should solve");
                return;
            }
            w->RelaxSymmetricWake();
            for (Panel3dPanel& p : w->freeWake) p.UpdateGeometry();
        }
        seconds += Seconds(std::chrono::steady_clock::now() - start);
        count += kSteps;
    }
    if (count == 0) return;
    state.counters["unknowns"] = 2 * n * m;
    state.counters["ms_per_step"] = 1e3 * seconds / count;
}

void Sizes(benchmark::internal::Benchmark* b) {
    b->Args({30, 15})->Args({42, 21})->Args({60, 30})->Unit(benchmark::kMillisecond);
    b->Iterations(1)->UseRealTime();
}

BENCHMARK(BM_Panel3dFlatRun)->Apply(Sizes);
BENCHMARK(BM_Panel3dRelaxedRun8)->Apply(Sizes);
BENCHMARK(BM_Panel3dFactorOfTheSameOrder)->Apply(Sizes);
// 2000 unknowns in the half model.
BENCHMARK(BM_Panel3dFlatRunAgainstBareLu)
    ->Args({40, 25})
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_Panel3dRelaxationStep)
    ->Args({30, 15})
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
