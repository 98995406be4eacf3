// Run times of the vortex-lattice method for the default wing (N 900) and two finer lattices
// (N 2000: nx 40, 25 strips per half; N 4000: nx 50, 40 per half), each beside one LAPACK
// factorisation of the same order (the half system's N/2). A relaxed iteration must grow like
// N^2 (the wing matrix is factored once, each wake enters as a low-rank update), not like the
// factorisation's N^3. Budgets for the defaults: flat under 0.1 s, relaxed (8 iterations) under
// 0.3 s. Threads as the program sets them (no thread variables).
//
// BM_VlmFlatRunAgainstLu: the flat run of a flat rectangular wing of aspect ratio 8 with 20
// chordwise by 50 spanwise vortices per half (N 2000, half system of order 1000) as the program
// runs it, each iteration beside a bare dgetrf + dgetrs of order 1000 on one BLAS thread; the
// counter "ratio" is the run's time over the bare solve's (target at most 2 on 8 cores).

#include <benchmark/benchmark.h>
#include <lapacke.h>

#include <chrono>
#include <random>
#include <vector>

#include "common/core/DenseLu.h"
#include "common/core/DenseThreads.h"
#include "common/core/FreeCores.h"
#include "tests/vlm/core/VlmTestWings.h"

namespace {

// The default wing at 4 degrees with nx elements chordwise and `perHalf` strips per half span.
VlmRunValues Lattice(int nx, int perHalf, int wakeModel) {
    VlmInteractiveInputs in = vlm_test::DefaultInputs();
    in.alpha = 4.0;
    in.chordwiseCount = nx;
    in.spanwiseCountPerHalf = perHalf;
    in.wakeModel = wakeModel;
    in.iterationCount = wakeModel == 1 ? 8 : 0;
    return VlmInteractiveRunValues(in);  // no file names: nothing is written
}

void Sizes(benchmark::internal::Benchmark* b) {
    b->Args({30, 15})->Args({40, 25})->Args({50, 40})->Unit(benchmark::kMillisecond);
}

// A whole run of the flat (wake model 0) or relaxed (1, 8 iterations) wake.
void BM_VlmRun(benchmark::State& state) {
    const VlmRunValues v = Lattice(state.range(0), state.range(1), state.range(2));
    for (auto _ : state) {
        const VlmRunOutcome out = RunVlmInteractive(v, nullptr);
        benchmark::DoNotOptimize(out.results->ca);
    }
    state.counters["N"] = v.chordwiseCount * v.spanwiseCount;
}
BENCHMARK(BM_VlmRun)
    ->ArgNames({"nx", "perHalf", "relaxed"})
    ->ArgsProduct({{30}, {15}, {0, 1}})
    ->Args({40, 25, 0})
    ->Args({40, 25, 1})
    ->Args({50, 40, 0})
    ->Args({50, 40, 1})
    ->Unit(benchmark::kMillisecond);

// One relaxed iteration: wake columns, low-rank solve, wake velocities and alignment.
void BM_VlmRelaxedIteration(benchmark::State& state) {
    const VlmRunValues v = Lattice(state.range(0), state.range(1), 1);
    const auto s = vlm_test::BuildInteractive(v);
    s->ComputeInfluenceSymmetric();
    s->ComputeRhsSymmetric();
    s->PrepareRelaxedSystem(true);
    for (auto _ : state) {
        s->SolveRelaxedIteration(true);
        s->ComputeTrailingCirculation();
        s->ComputeWakeVelocitiesSymmetric();
        s->AlignWakeSymmetric();
    }
    state.counters["N"] = v.chordwiseCount * v.spanwiseCount;
}
BENCHMARK(BM_VlmRelaxedIteration)->Apply(Sizes);

// One dgetrf of the half system's order.
void BM_DgetrfOfTheHalfSystem(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0) * state.range(1));  // N/2 = nx * perHalf
    std::mt19937 rng(1);
    std::uniform_real_distribution<double> u(-1.0, 1.0);
    std::vector<double> a(static_cast<size_t>(n) * n);
    for (double& x : a) x = u(rng);
    for (int i = 0; i < n; ++i) a[luvo::ColumnMajor(i, i, n)] += n;
    for (auto _ : state) {
        luvo::DenseLu lu;
        benchmark::DoNotOptimize(lu.Factor(a, n));
    }
    state.counters["order"] = n;
}
BENCHMARK(BM_DgetrfOfTheHalfSystem)->Apply(Sizes);

// A reporter as the progress window's, without drawing.
struct SilentReporter : luvo::RunReporter {
    void SetProgress(int) override {}
    void SetStatus(int, const std::string&) override {}
};

void BM_VlmFlatRunAgainstLu(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    const VlmRunValues v = VlmInteractiveRunValues(vlm_test::FlatRectangle(8.0, 1.0, 4.0, 20, 50));
    const int n = v.chordwiseCount * v.spanwiseCount / 2;
    std::mt19937 rng(1);
    std::uniform_real_distribution<double> u(-1.0, 1.0);
    std::vector<double> a0(static_cast<size_t>(n) * n);
    for (double& x : a0) x = u(rng);
    for (int i = 0; i < n; ++i) a0[luvo::ColumnMajor(i, i, n)] += n;
    std::vector<int> pivots(static_cast<size_t>(n));
    double run = 0.0, lu = 0.0;
    for (auto _ : state) {
        Clock::time_point start = Clock::now();
        SilentReporter reporter;
        const VlmRunOutcome out = RunVlmInteractive(v, &reporter);
        benchmark::DoNotOptimize(out.results->ca);
        run += std::chrono::duration<double>(Clock::now() - start).count();

        std::vector<double> a = a0;
        std::vector<double> b(static_cast<size_t>(n), 1.0);
        start = Clock::now();
        luvo::SetDenseThreads(1);
        LAPACKE_dgetrf(LAPACK_COL_MAJOR, n, n, a.data(), n, pivots.data());
        LAPACKE_dgetrs(LAPACK_COL_MAJOR, 'N', n, 1, a.data(), n, pivots.data(), b.data(), n);
        benchmark::DoNotOptimize(b.data());
        lu += std::chrono::duration<double>(Clock::now() - start).count();
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["run_ms"] = 1e3 * run / iterations;
    state.counters["bare_lu_ms"] = 1e3 * lu / iterations;
    state.counters["ratio"] = run / lu;
    state.counters["order"] = n;
    // What the loops could take at the end (other programs' load changes meanwhile).
    state.counters["free_cores"] = luvo::FreeCores();
}
BENCHMARK(BM_VlmFlatRunAgainstLu)->Iterations(20)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
