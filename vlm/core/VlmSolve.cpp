// The solve sequence of a built lattice, with the progress widths and phase texts of a run.

#include <string>

#include "vlm/core/VlmSolver.h"

VlmRunError VlmSolver::Solve() {
    const bool half = UsesHalfSystem();

    if (values_.wakeModel == 0) {
        progress_.SetStatus(0, "Einflusskoeffizienten bestimmen...");
        ComputeInfluence(half);
        progress_.SetProgress(27);
        AddWakeInfluence(half);
        progress_.SetProgress(36);
        progress_.SetStatus(0, "Rechte Seite des Gls. bestimmen...");
        ComputeRhs(half);
        progress_.SetStatus(0, "Gleichungssystem lösen...");
        if (!SolveFlat(half)) {
            return VlmRunError::kSingularSystem;
        }
        progress_.SetProgress(72);
        ComputeTrailingCirculation();
        ComputeLoads();
        progress_.SetProgress(178);
        return VlmRunError::kNone;
    }

    double p = 10.0;
    progress_.SetStatus(0, "Einflusskoeffizienten bestimmen...");
    ComputeInfluence(half);
    progress_.SetProgress(18);
    progress_.SetStatus(0, "Rechte Seite des Gls. bestimmen...");
    ComputeRhs(half);
    progress_.SetStatus(0, "Gleichungssystem lösen...");
    // The wing matrix is factored once; each iteration adds its wake as a low-rank update.
    PrepareRelaxedSystem(half);
    const int iterations = values_.iterationCount;
    for (int k = 1; k <= iterations; ++k) {
        progress_.SetStatus(1, "Iterationsschritt Nummer " + std::to_string(k));
        p += 48.0 / iterations;
        progress_.SetPercent(p);
        if (!SolveRelaxedIteration(half)) {
            return VlmRunError::kSingularSystem;
        }
        ComputeTrailingCirculation();
        ComputeWakeVelocities(half);
        AlignWake(half);
    }
    ComputeLoads();
    progress_.SetProgress(178);
    return VlmRunError::kNone;
}
