// Response time of the supersonic method: every accepted edit and every step of a drag
// recomputes the whole profile by both theories, so one computation must stay far below a frame.

#include <benchmark/benchmark.h>

#include "supersonic/core/SupersonicSettings.h"

namespace {

// The start profile of the given window; each iteration computes it again, as an edit does.
void ComputeDefault(benchmark::State& state, SupersonicWindow window) {
    SupersonicProfile p = SupersonicStartProfile(window, SupersonicDefaultSettings(window));
    for (auto _ : state) {
        p.Compute();
        benchmark::DoNotOptimize(p.seLift);
    }
}

void BM_SupersonicComputePartsDefault(benchmark::State& state) {
    ComputeDefault(state, SupersonicWindow::Parts);
}
BENCHMARK(BM_SupersonicComputePartsDefault)->Unit(benchmark::kMicrosecond);

void BM_SupersonicComputeContourDefault(benchmark::State& state) {
    ComputeDefault(state, SupersonicWindow::Contour);
}
BENCHMARK(BM_SupersonicComputeContourDefault)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
