// Response times of the simple lifting-line method: the analysis recomputation (run on every
// accepted input and every repaint) and the chord design's worst root-angle search (run on every
// recomputation in the lift mode). Both should stay well under one frame.

#include <benchmark/benchmark.h>

#include <memory>

#include "llt/LltSolver.h"

namespace {

// The analysis window's default wing, from a fresh record to the mean chord.
void BM_LltAnalysisSequence(benchmark::State& state) {
    for (auto _ : state) {
        auto s = std::make_unique<LltSolver>();
        s->SetStations(8);
        s->SetTrapezoidChord(8, 50, 25, 25, 2.00, 1.70, 1.30, 0.6);
        s->SetTrapezoidTwist(8, 5.0, -0.5, -0.8, -1.5, 50, 25, 25);
        s->ComputeArea();
        s->BuildInfluenceMatrix(8, 1);
        s->SolveCirculation();
        s->ComputeLocalLift();
        s->ComputeLift();
        s->ComputeInducedAngles();
        s->ComputeInducedDrag();
        s->ComputeMeanChord();
        benchmark::DoNotOptimize(s->kFactor);
    }
}
BENCHMARK(BM_LltAnalysisSequence)->Unit(benchmark::kMicrosecond);

// Chord design defaults with a lift coefficient of 0: the chord vanishes, no area comes near
// b²/Lambda and all nine passes (32,409 angle evaluations in the plain search) fail.
void BM_LltRootAngleSearchWorstCase(benchmark::State& state) {
    const double b = 15.0, liftCoefficient = 0.0, aspectRatio = 6.0;
    for (auto _ : state) {
        auto s = std::make_unique<LltSolver>();
        s->SetStations(b);
        s->cl = liftCoefficient;
        s->aspectRatio = aspectRatio;
        s->a1FromCl = 2.0 * liftCoefficient / (LltPi * aspectRatio);
        s->SetSeriesCirculation(s->a1FromCl, 0, 0);
        const LltRootAngleResult r = s->SearchRootAngle(b, -0.4, -0.75, -1.5, 50, 25, 25, 0, 0, 1);
        if (r.found) state.SkipWithError("the worst case should find no angle");
        benchmark::DoNotOptimize(r.rootAngle);
    }
}
BENCHMARK(BM_LltRootAngleSearchWorstCase)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
