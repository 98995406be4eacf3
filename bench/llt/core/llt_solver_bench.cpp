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

// Chord design defaults with a lift coefficient of 0: the chord vanishes, no area comes near
// b²/Lambda and all nine passes (32,409 angle evaluations in the plain search) fail.
void BM_LltRootAngleSearchWorstCase(benchmark::State& state) {
    LltChordDesignInputs in = llt_test::ChordDesignWindowInputs();
    in.liftCoefficient = 0.0;
    for (auto _ : state) {
        const auto s = llt_test::PrepareChordDesignLiftMode(in);
        const LltRootAngleResult r =
            s->SearchRootAngle(in.span, in.angleB, in.angleC, in.angleD, in.s1, in.s2, in.s3, in.a3,
                               in.a5, in.liftSlope);
        if (r.found) state.SkipWithError("the worst case should find no angle");
        benchmark::DoNotOptimize(r.rootAngle);
    }
}
BENCHMARK(BM_LltRootAngleSearchWorstCase)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
