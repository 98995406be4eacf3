// Peak memory of the largest panel model: the full model (no symmetry) of the default wing at
// 10000 wing panels, 25 free-wake rows, a flat run from the grid to the coefficients. The peak
// resident size of this process (getrusage) is printed; it must stay in its own program, since
// the peak of a process only grows.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include "tests/panel3d/core/Panel3dSolverFixtures.h"

namespace {

double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;  // kilobytes on Linux
}

void BM_Panel3dPeakMemoryOfTheLargestModel(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const int m = static_cast<int>(state.range(1));
    const double before = PeakMegabytes();
    for (auto _ : state) {
        auto w = panel3d_test::PreparedWing(n, m, 25, 0, 2.5);
        if (!w || !panel3d_test::SolveRun(*w, 0)) {
            state.SkipWithError("the default wing should solve");
            break;
        }
        benchmark::DoNotOptimize(w->totalLift);
    }
    state.counters["wing_panels"] = 4 * n * m;
    state.counters["unknowns"] = 4 * n * m;
    state.counters["peak_MB_before"] = before;
    state.counters["peak_MB"] = PeakMegabytes();
}

BENCHMARK(BM_Panel3dPeakMemoryOfTheLargestModel)
    ->Args({50, 50})
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
