// Run times of the vortex-lattice method for the default wing (N 900) and two finer lattices
// (N 2000: nx 40, 25 strips per half; N 4000: nx 50, 40 per half), each beside one LAPACK
// factorisation of the same order (the half system's N/2). A relaxed iteration must grow like
// N^2 (the wing matrix is factored once, each wake enters as a low-rank update), not like the
// factorisation's N^3. Budgets for the defaults: flat under 0.1 s, relaxed (8 iterations) under
// 0.3 s. Threads as the program sets them (no thread variables).
//
// BM_VlmFlatRunAgainstLu: the flat run of a flat rectangular wing of aspect ratio 8 with 20
// chordwise by 50 spanwise vortices per half (N 2000, half system of order 1000) as the program
// runs it, with its three result files, each iteration beside a bare dgetrf + dgetrs of order
// 1000 on one BLAS thread of the same library; the counter "ratio" is the run's time over the
// bare solve's (target at most 1.6 on 8 cores).
//
// BM_VlmLoadsPhase/load/nx: 30 consecutive flat runs of the default wing with nx chordwise by 50
// spanwise vortices per half (nx 40: N 4000, half system of order 2000; nx 20: order 1000, both
// factored on several BLAS threads) as shipped, with their files, idle (load 0) and beside half
// of the cores kept busy (load 1). Each phase is timed: the system, the LU and the loads with the
// files right after it, where BLAS threads still busy from the LU would meet the loops.
// Counters: the median and the largest loads phase and their ratio "loads_spread" (target at
// most 1.3 for nx 40), the files written once more on their own (median and largest), the
// medians of the other phases and of the whole run, and the first run's phases: the first run of
// the process when this benchmark runs first (as with --benchmark_filter=BM_VlmLoadsPhase).

#include <benchmark/benchmark.h>
#include <lapacke.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <optional>
#include <random>
#include <vector>

#include "bench/support/BackgroundLoad.h"
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
        benchmark::DoNotOptimize(lu.Factor(a, n, luvo::kOneSolveDense));
    }
    state.counters["order"] = n;
}
BENCHMARK(BM_DgetrfOfTheHalfSystem)->Apply(Sizes);

// A reporter as the progress window's, without drawing.
struct SilentReporter : luvo::RunReporter {
    void SetProgress(int) override {}
    void SetStatus(int, const std::string&) override {}
};

// The three result files of a run, named in the temporary folder.
VlmInteractiveInputs WithFiles(VlmInteractiveInputs in) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path();
    in.result3dFileName = (dir / "luvo-bench-vlm-3D.dat").string();
    in.resultCpFileName = (dir / "luvo-bench-vlm-cp-x.dat").string();
    in.resultCaFileName = (dir / "luvo-bench-vlm-ca-y.dat").string();
    return in;
}

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::time_point since) {
    return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n == 0 ? 0.0 : (n % 2 == 1 ? v[n / 2] : 0.5 * (v[n / 2 - 1] + v[n / 2]));
}

void BM_VlmFlatRunAgainstLu(benchmark::State& state) {
    const VlmRunValues v =
        VlmInteractiveRunValues(WithFiles(vlm_test::FlatRectangle(8.0, 1.0, 4.0, 20, 50)));
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
        {
            const luvo::DenseThreadScope oneThread(1);
            LAPACKE_dgetrf(LAPACK_COL_MAJOR, n, n, a.data(), n, pivots.data());
            LAPACKE_dgetrs(LAPACK_COL_MAJOR, 'N', n, 1, a.data(), n, pivots.data(), b.data(), n);
        }
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

// The phases of one flat run as VlmSolver::Solve takes them for the half system [ms].
struct Phases {
    double system = 0.0, lu = 0.0, loads = 0.0, whole = 0.0, files = 0.0;
};

Phases TimedFlatRun(const VlmRunValues& v) {
    Phases t;
    const Clock::time_point start = Clock::now();
    const auto s = vlm_test::BuildInteractive(v);
    Clock::time_point at = Clock::now();
    s->ComputeInfluenceSymmetric();
    s->AddWakeInfluenceSymmetric();
    s->ComputeRhsSymmetric();
    t.system = Milliseconds(at);
    at = Clock::now();
    if (!s->SolveSymmetric()) {
        return t;
    }
    t.lu = Milliseconds(at);
    at = Clock::now();
    s->ComputeTrailingCirculation();
    s->ComputeLoads();
    t.loads = Milliseconds(at);
    benchmark::DoNotOptimize(s->results.ca);
    t.whole = Milliseconds(start);
    // The files once more on their own: the part of the loads phase that waits for the disk.
    at = Clock::now();
    benchmark::DoNotOptimize(s->WriteResultFiles());
    t.files = Milliseconds(at);
    return t;
}

void BM_VlmLoadsPhase(benchmark::State& state) {
    VlmInteractiveInputs in = WithFiles(vlm_test::DefaultInputs());
    in.alpha = 4.0;
    in.chordwiseCount = static_cast<int>(state.range(1));
    in.spanwiseCountPerHalf = 50;
    const VlmRunValues v = VlmInteractiveRunValues(in);
    std::optional<luvo::bench::BackgroundLoad> load;
    if (state.range(0) != 0) load.emplace(luvo::bench::HalfTheCores());
    const Phases first = TimedFlatRun(v);  // untimed by the benchmark
    std::vector<double> system, lu, loads, whole, files;
    for (auto _ : state) {
        const Phases t = TimedFlatRun(v);
        files.push_back(t.files);
        system.push_back(t.system);
        lu.push_back(t.lu);
        loads.push_back(t.loads);
        whole.push_back(t.whole);
    }
    const double median = Median(loads);
    const double largest = loads.empty() ? 0.0 : *std::max_element(loads.begin(), loads.end());
    state.counters["loads_median_ms"] = median;
    state.counters["loads_max_ms"] = largest;
    state.counters["loads_spread"] = median > 0.0 ? largest / median : 0.0;
    state.counters["files_median_ms"] = Median(files);
    state.counters["files_max_ms"] = *std::max_element(files.begin(), files.end());
    state.counters["system_median_ms"] = Median(system);
    state.counters["lu_median_ms"] = Median(lu);
    state.counters["run_median_ms"] = Median(whole);
    state.counters["first_loads_ms"] = first.loads;
    state.counters["first_run_ms"] = first.whole;
    state.counters["first_system_ms"] = first.system;
    state.counters["first_lu_ms"] = first.lu;
}
BENCHMARK(BM_VlmLoadsPhase)
    ->ArgNames({"load", "nx"})
    ->ArgsProduct({{0, 1}, {40}})
    ->Args({0, 20})
    ->Iterations(30)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
