// The profile-drag evaluation of one operating point of the default interactive wing (flat
// wake, half model), beside the flat solve it follows. It reads each wing panel a few times, so
// it should stay far below 5 % of the solve: at 30/15 well under a millisecond.

#include <benchmark/benchmark.h>

#include <memory>

#include "panel3d/core/Panel3dPolarEvaluator.h"
#include "tests/panel3d/core/Panel3dSolverFixtures.h"

namespace {

std::shared_ptr<Panel3dModel> SolvedWing(int n, int m) {
    auto w = panel3d_test::PreparedWing(n, m, 25, 1, 2.5);
    if (!w || !panel3d_test::SolveRun(*w, 0)) {
        return nullptr;
    }
    return w;
}

void BM_Panel3dProfileDragOfOnePoint(benchmark::State& state) {
    const auto w = SolvedWing(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    if (!w) {
        state.SkipWithError("the default wing should solve");
        return;
    }
    Panel3dPolarEvaluator e;
    e.SetFlowState(30, 1.5e-5, 1, -4, 2, 4, 0, 0, 0, 0, 0);
    int point = 0;
    for (auto _ : state) {
        e.SetOperatingPoint(2.5, point % 4 + 1);
        e.EvaluateProfileDrag(*w);
        benchmark::DoNotOptimize(e.GetTotalCoefficient(0));
        ++point;
    }
}

void BM_Panel3dFlatSolveForComparison(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            SolvedWing(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))));
    }
}

BENCHMARK(BM_Panel3dProfileDragOfOnePoint)
    ->Args({30, 15})
    ->Args({60, 30})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Panel3dFlatSolveForComparison)
    ->Args({30, 15})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
