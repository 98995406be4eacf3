// Run times of the vortex-lattice method for the default wing (N 900) and two finer lattices
// (N 2000: nx 40, 25 strips per half; N 4000: nx 50, 40 per half), each beside one LAPACK
// factorisation of the same order (the half system's N/2). A relaxed iteration must grow like
// N^2 (the wing matrix is factored once, each wake enters as a low-rank update), not like the
// factorisation's N^3. Budgets for the defaults: flat under 0.1 s, relaxed (8 iterations) under
// 0.3 s. Run in Release.

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "common/DenseLu.h"
#include "tests/vlm/VlmTestWings.h"

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

}  // namespace

BENCHMARK_MAIN();
