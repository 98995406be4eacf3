// Response of "A&nzeigen" in the panel method: a new model of the default interactive wing with
// both flaps deflected, its grid and the geometry of every panel. Should stay well under a frame.

#include <benchmark/benchmark.h>

#include <memory>

#include "panel3d/core/Panel3dModel.h"
#include "tests/panel3d/core/Panel3dTestWings.h"

namespace {

// The windows' defaults: 30 chordwise and 15 spanwise panels, flaps 50-80 % at 10 deg each.
void BM_Panel3dDefaultWingWithFlaps(benchmark::State& state) {
    for (auto _ : state) {
        const std::shared_ptr<Panel3dModel> w = panel3d_test::DefaultWing(30, 15);
        w->leftFlapDeflection = w->rightFlapDeflection = -10.0;
        if (!w->GenerateWingGrid()) state.SkipWithError("the default wing should build");
        w->ComputeWingGeometry();
        benchmark::DoNotOptimize(w->wingPanels.back().area);
    }
    state.counters["panels"] = 4 * 30 * 15;
}
BENCHMARK(BM_Panel3dDefaultWingWithFlaps)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
