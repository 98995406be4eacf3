// The BLAS threads of the dense solves, as the program ships them (no thread variables: the
// dense layer chooses per call, common/core/DenseThreads.h).
//
// BM_LuOnThreads/order/threads/load: dgetrf and dgetrs of one right-hand side on a fixed number
// of BLAS threads (0: the program's choice for a flat wake's matrix), on idle cores (load 0) and
// with half of the cores kept busy by other processes (load 1): the measurement behind the dense
// policies. Measured on the 8-core development machine, OpenMP build of OpenBLAS with its
// Haswell kernel, --benchmark_min_time=1:
//
//   order   program's choice (threads)    one thread
//           idle          loaded           idle      loaded
//    450    1.8 ms (1)    1.9 ms (1)       2.2 ms    1.9 ms
//    900    5.6 ms (7)    9.7 ms (4)       12.7 ms   14.3 ms
//   1200    10.2 ms (8)   21.1 ms (4)      28.2 ms   34.4 ms
//   1500    18.3 ms (8)   41.0 ms (4)      54.2 ms   74.4 ms
//   2000    41.3 ms (8)   68.6 ms (4)      130 ms    142 ms
//
// From order 800 on the free cores save a third and more even beside the load. More threads than
// free cores are what the policy never takes: a factorisation of order 900 on eight threads
// beside other programs takes over a second.
//
// BM_RunAsShipped/method/order/load: vortex-lattice runs (method 0) of the default wing with 900
// (the default 30 x 15 per half), 2000 (20 x 50) and 4000 (40 x 50) vortices, and panel runs
// (method 1) of the default wing with 900 (the default N 30, M 15) and 2000 (N 40, M 25) unknowns
// of the half model and 3600 of the whole wing in 2 degrees of sideslip (N 30, M 30: the half
// model allows no more than 3000), flat wake, as the program runs them with their three result
// files, each iteration beside the same run with BLAS limited to one thread, idle (load 0) and
// beside half of the cores kept busy (load 1). The larger orders factor on several BLAS threads
// (half systems of order 2000, panel systems of 2000 and 3600), where BLAS and the loops meet.
// The counter "ratio" is the shipped run's time over the one-thread run's (target at most 1.3,
// idle and loaded).

#include <benchmark/benchmark.h>
#include <lapacke.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <random>
#include <vector>

#include "bench/support/BackgroundLoad.h"
#include "common/core/DenseLu.h"
#include "common/core/DenseThreads.h"
#include "panel3d/core/Panel3dModule.h"
#include "panel3d/core/Panel3dPolarEvaluator.h"
#include "panel3d/core/Panel3dRun.h"
#include "tests/panel3d/core/Panel3dSolverFixtures.h"
#include "tests/vlm/core/VlmTestWings.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

// A random matrix with a dominant diagonal, column-major.
std::vector<double> TestMatrix(int n) {
    std::mt19937 rng(1);
    std::uniform_real_distribution<double> u(-1.0, 1.0);
    std::vector<double> a(static_cast<size_t>(n) * n);
    for (double& x : a) x = u(rng);
    for (int i = 0; i < n; ++i) a[luvo::ColumnMajor(i, i, n)] += n;
    return a;
}

void BM_LuOnThreads(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const int threads = static_cast<int>(state.range(1));
    std::optional<luvo::bench::BackgroundLoad> load;
    if (state.range(2) != 0) load.emplace(luvo::bench::HalfTheCores());
    const std::vector<double> a0 = TestMatrix(n);
    std::vector<int> pivots(static_cast<size_t>(n));
    for (auto _ : state) {
        std::vector<double> b(static_cast<size_t>(n), 1.0);
        if (threads == 0) {
            luvo::DenseLu lu;
            lu.Factor(a0, n, luvo::kOneSolveDense);
            lu.Solve(b.data());
        } else {
            std::vector<double> a = a0;
            const luvo::DenseThreadScope scope(threads);
            LAPACKE_dgetrf(LAPACK_COL_MAJOR, n, n, a.data(), n, pivots.data());
            LAPACKE_dgetrs(LAPACK_COL_MAJOR, 'N', n, 1, a.data(), n, pivots.data(), b.data(), n);
        }
        benchmark::DoNotOptimize(b.data());
    }
    state.counters["program_threads"] = luvo::DenseThreadsFor(n, 0, luvo::kOneSolveDense);
}
BENCHMARK(BM_LuOnThreads)
    ->ArgNames({"order", "threads", "load"})
    ->ArgsProduct({{450, 900, 1200, 1500, 2000, 3000}, {0, 1, 2, 4, 8}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// A reporter as the progress window's, without drawing.
struct SilentReporter : luvo::RunReporter {
    void SetProgress(int) override {}
    void SetStatus(int, const std::string&) override {}
};

// The run of `order` unknowns: (chordwise, spanwise per half) for the vortex lattice, (N, M) and
// the sideslip for the panel method.
struct Counts {
    int chordwise, spanwise;
    double sideslip = 0.0;
};

Counts VlmCounts(int vortices) {
    switch (vortices) {
        case 2000:
            return {20, 50};
        case 4000:
            return {40, 50};
        default:
            return {30, 15};
    }
}

Counts PanelCounts(int unknowns) {
    switch (unknowns) {
        case 2000:
            return {40, 25};
        case 3600:
            return {30, 30, 2.0};
        default:
            return {30, 15};
    }
}

// False when the run ends without results.
bool RunVlm(int order) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path();
    VlmInteractiveInputs in = vlm_test::DefaultInputs();
    in.chordwiseCount = VlmCounts(order).chordwise;
    in.spanwiseCountPerHalf = VlmCounts(order).spanwise;
    in.result3dFileName = (dir / "luvo-bench-3D.dat").string();
    in.resultCpFileName = (dir / "luvo-bench-cp-x.dat").string();
    in.resultCaFileName = (dir / "luvo-bench-ca-y.dat").string();
    SilentReporter reporter;
    const VlmRunOutcome out = RunVlmInteractive(VlmInteractiveRunValues(in), &reporter);
    benchmark::DoNotOptimize(out.results);
    return out.error == VlmRunError::kNone;
}

bool RunPanel(int order) {
    Panel3dInteractiveRunSettings s = panel3d_test::DefaultRunSettings();
    s.chordPanels = PanelCounts(order).chordwise;
    s.spanPanels = PanelCounts(order).spanwise;
    s.wing.beta = PanelCounts(order).sideslip;
    const std::filesystem::path dir = std::filesystem::temp_directory_path();
    s.result3dFileName = (dir / "luvo-bench-3D.dat").string();
    s.resultCpFileName = (dir / "luvo-bench-cp-x.dat").string();
    s.resultCaFileName = (dir / "luvo-bench-ca-y.dat").string();
    Panel3dPolarEvaluator evaluator;
    evaluator.SetFlowState(100, 17.08e-6, 0, 2.5, 1, 1, 1, 1, 1, 1, 0.95);
    SilentReporter reporter;
    const Panel3dRunOutcome out = RunPanel3dInteractive(s, &evaluator, &reporter);
    benchmark::DoNotOptimize(out.model);
    panel3d::Panel3dPanelModel.reset();
    return out.error == Panel3dRunError::kNone;
}

void BM_RunAsShipped(benchmark::State& state) {
    bool (*run)(int) = state.range(0) == 0 ? RunVlm : RunPanel;
    const int order = static_cast<int>(state.range(1));
    std::optional<luvo::bench::BackgroundLoad> load;
    if (state.range(2) != 0) load.emplace(luvo::bench::HalfTheCores());
    // One untimed run of each first: the first run of a process starts the thread pool and
    // touches its memory for the first time, which no later run pays.
    for (int limit : {0, 1}) {
        luvo::LimitDenseThreads(limit);
        if (!run(order)) {
            luvo::LimitDenseThreads(0);
            state.SkipWithError("the run should give results");
            return;
        }
    }
    luvo::LimitDenseThreads(0);
    double shipped = 0.0, oneThread = 0.0;
    bool shippedFirst = true;
    for (auto _ : state) {
        // Alternating which goes first, so that a change of load meets both alike.
        for (int k = 0; k < 2; ++k) {
            const bool asShipped = (k == 0) == shippedFirst;
            luvo::LimitDenseThreads(asShipped ? 0 : 1);
            const Clock::time_point start = Clock::now();
            run(order);
            (asShipped ? shipped : oneThread) += Seconds(start);
        }
        luvo::LimitDenseThreads(0);
        shippedFirst = !shippedFirst;
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["shipped_ms"] = 1e3 * shipped / iterations;
    state.counters["one_blas_thread_ms"] = 1e3 * oneThread / iterations;
    state.counters["ratio"] = shipped / oneThread;
}

// Idle and loaded, `repetitions` timed pairs each (the iteration count is one per family).
template <int method, int order, int repetitions>
void ShippedRuns(benchmark::internal::Benchmark* b) {
    b->ArgNames({"method", "order", "load"})
        ->Args({method, order, 0})
        ->Args({method, order, 1})
        ->Iterations(repetitions)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

BENCHMARK(BM_RunAsShipped)->Apply(ShippedRuns<0, 900, 30>);
BENCHMARK(BM_RunAsShipped)->Apply(ShippedRuns<0, 2000, 10>);
BENCHMARK(BM_RunAsShipped)->Apply(ShippedRuns<0, 4000, 10>);
BENCHMARK(BM_RunAsShipped)->Apply(ShippedRuns<1, 900, 30>);
BENCHMARK(BM_RunAsShipped)->Apply(ShippedRuns<1, 2000, 6>);
BENCHMARK(BM_RunAsShipped)->Apply(ShippedRuns<1, 3600, 4>);

}  // namespace

BENCHMARK_MAIN();
