// Response times of the simple lifting-line method: the analysis recomputation (run on every
// accepted input and every repaint) and the chord design's worst root-angle search (run on every
// recomputation in the lift mode). Both should stay well under one frame.

#include <benchmark/benchmark.h>

#include <memory>

#include "llt/core/LltAnalysisRun.h"
#include "llt/core/LltSolver.h"
#include "tests/llt/core/LltTestWings.h"

namespace {

// The analysis window's default wing, from a fresh record to the mean chord.
void BM_LltAnalysisSequence(benchmark::State& state) {
    const LltAnalysisInputs in = llt_test::AnalysisWindowInputs();
    for (auto _ : state) {
        const std::shared_ptr<LltSolver> s = LltSolveAnalysis(in);
        benchmark::DoNotOptimize(s->kFactor);
    }
}
BENCHMARK(BM_LltAnalysisSequence)->Unit(benchmark::kMicrosecond);

// The chord design's root-angle search: the scan of 3601 angles, then the refinement between
// two of them, by bisection (the defaults) or by a golden-section search that cannot reach the
// area (a lift coefficient of 0, whose chord vanishes everywhere).
void BM_LltRootAngleSearch(benchmark::State& state) {
    LltChordDesignInputs in = llt_test::ChordDesignWindowInputs();
    const bool reachable = state.range(0) == 1;
    if (!reachable) in.liftCoefficient = 0.0;
    for (auto _ : state) {
        const auto s = llt_test::PrepareChordDesignLiftMode(in);
        const LltRootAngleResult r =
            s->SearchRootAngle(in.span, in.angleB, in.angleC, in.angleD, in.s1, in.s2, in.s3, in.a3,
                               in.a5, in.liftSlope);
        if (r.reached != reachable)
            state.SkipWithError("the area should be reached only with lift");
        benchmark::DoNotOptimize(r.rootAngle);
    }
}
BENCHMARK(BM_LltRootAngleSearch)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
