// One relaxation step of the default relaxed run (half model, alpha* 2.5 deg, 25 free-wake rows:
// re-solve, node velocities, new wake geometry) with the solver's kernels against the same step
// on the straightforward closed forms (node velocities and wake columns summed term by term),
// side by side: two copies of the wing take their steps alternately, so that a changing load on
// the machine meets both alike. Prints the mean milliseconds per step of each (and of its
// relaxation part, after the re-solve), the ratios of their means and medians, and the largest
// relative difference of the node velocities between the two.

#include <benchmark/benchmark.h>
#include <omp.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

#include "tests/panel3d/core/Panel3dReferenceVelocity.h"
#include "tests/panel3d/core/Panel3dSolverFixtures.h"

namespace {

double Seconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

struct StepTimes {
    double total = 0;
    double relax = 0;  // node velocities and the new wake
};

// One step on w, with the solver's relaxation or the reference one; its seconds, -1 when the
// re-solve fails.
StepTimes Step(Panel3dModel& w, int step, bool reference) {
    w.operatingPoint.iteration = step;
    const auto start = std::chrono::steady_clock::now();
    // The flat solve of an assembled model is the re-solve as it was, its wake columns summed
    // term by term.
    if (!(reference ? w.SolveSymmetricSystem() : w.ResolveSymmetricInIteration())) return {-1, -1};
    const auto solved = std::chrono::steady_clock::now();
    if (reference) {
        panel3d_reference::Relax(w);
    } else {
        w.RelaxSymmetricWake();
    }
    for (Panel3dPanel& p : w.freeWake) p.UpdateGeometry();
    const auto end = std::chrono::steady_clock::now();
    return {Seconds(end - start), Seconds(end - solved)};
}

double LargestVelocityDifference(const Panel3dModel& a, const Panel3dModel& b) {
    double worst = 0;
    for (size_t k = 0; k < a.wakeNodes.size(); ++k) {
        const auto& u = a.wakeNodes[k].velocity;
        const auto& v = b.wakeNodes[k].velocity;
        const double size = std::sqrt(u[0] * u[0] + u[1] * u[1] + u[2] * u[2]);
        for (int i = 0; i < 3; ++i) worst = std::max(worst, std::fabs(u[i] - v[i]) / size);
    }
    return worst;
}

void BM_Panel3dRelaxationStepAgainstClosedForms(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const int m = static_cast<int>(state.range(1));
    constexpr int kSteps = 8;
    auto fast = panel3d_test::PreparedWing(n, m, 25, 1, 2.5);
    auto slow = panel3d_test::PreparedWing(n, m, 25, 1, 2.5);
    if (!fast || !slow) {
        state.SkipWithError("the default wing should solve");
        return;
    }
    fast->operatingPoint.iterationCount = kSteps;
    slow->operatingPoint.iterationCount = kSteps;
    fast->AssembleSymmetricSystem();
    slow->AssembleSymmetricSystem();
    // A first step of each, untimed: the factors of the matrix, thread start-up.
    Step(*fast, 0, false);
    Step(*slow, 0, true);
    std::vector<double> fastTimes, slowTimes, fastRelax, slowRelax;
    double difference = 0;
    int step = 1;
    for (auto _ : state) {
        const StepTimes a = Step(*slow, step % kSteps, true);
        const StepTimes b = Step(*fast, step % kSteps, false);
        if (a.total < 0 || b.total < 0) {
            state.SkipWithError("a relaxation step should solve");
            return;
        }
        slowTimes.push_back(a.total);
        fastTimes.push_back(b.total);
        slowRelax.push_back(a.relax);
        fastRelax.push_back(b.relax);
        difference = std::max(difference, LargestVelocityDifference(*slow, *fast));
        ++step;
    }
    auto mean = [](const std::vector<double>& v) {
        double sum = 0;
        for (double x : v) sum += x;
        return sum / static_cast<double>(v.size());
    };
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    state.counters["unknowns"] = 2 * n * m;
    state.counters["threads"] = omp_get_max_threads();
    state.counters["closed_forms_ms"] = 1e3 * mean(slowTimes);
    state.counters["kernels_ms"] = 1e3 * mean(fastTimes);
    state.counters["closed_forms_relax_ms"] = 1e3 * mean(slowRelax);
    state.counters["kernels_relax_ms"] = 1e3 * mean(fastRelax);
    state.counters["ratio_of_means"] = mean(fastTimes) / mean(slowTimes);
    state.counters["ratio_of_medians"] = median(fastTimes) / median(slowTimes);
    state.counters["velocity_difference"] = difference;
}

// 900 and 2000 unknowns.
BENCHMARK(BM_Panel3dRelaxationStepAgainstClosedForms)
    ->Args({30, 15})
    ->Args({40, 25})
    ->Iterations(16)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
