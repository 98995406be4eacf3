#pragma once
// Solved default wings and a recorder of a run's bar and texts, for the solver tests and the
// benchmark.

#include <memory>
#include <string>
#include <vector>

#include "common/core/RunReporter.h"
#include "panel3d/core/Panel3dModel.h"
#include "panel3d/core/Panel3dModule.h"
#include "panel3d/core/Panel3dRun.h"
#include "tests/panel3d/core/Panel3dTestGeometry.h"
#include "tests/panel3d/core/Panel3dTestWings.h"

namespace panel3d_test {

// The default wing (or a changed copy of its inputs) gridded and prepared at alpha [deg],
// sideslip 0.
inline std::shared_ptr<Panel3dModel> PreparedWing(int n, int m, int wakeRows, int symmetric,
                                                  double alpha,
                                                  void (*change)(Panel3dModel&) = nullptr) {
    auto w = DefaultWing(n, m, wakeRows, symmetric);
    if (change != nullptr) {
        change(*w);
    }
    w->operatingPoint.alpha = alpha;
    if (!w->GenerateWingGrid() || !w->PrepareWing(1.0)) {
        return nullptr;
    }
    return w;
}

// Steps 14 to 16 of a run: assembly, a flat solve or `steps` relaxation steps, velocities and
// coefficients. False when a solve fails.
inline bool SolveRun(Panel3dModel& w, int steps) {
    const bool half = w.Symmetric() == 1;
    w.operatingPoint.iterationCount = steps;
    half ? w.AssembleSymmetricSystem() : w.AssembleSystem();
    if (steps == 0) {
        if (!(half ? w.SolveSymmetricSystem() : w.SolveSystem())) return false;
    }
    int& step = w.operatingPoint.iteration;
    for (step = 0; step < steps; ++step) {
        if (!(half ? w.ResolveSymmetricInIteration() : w.ResolveInIteration())) return false;
        half ? w.RelaxSymmetricWake() : w.RelaxWake();
        for (Panel3dPanel& p : w.freeWake) p.UpdateGeometry();
    }
    w.ComputeSurfaceVelocity();
    w.ComputeCoefficients();
    return true;
}

// The interactive run as the windows start it with their initial entries: a single state at
// alpha* 2.5 deg, N 30, M 15, slider 4, flat wake; no result files unless named.
inline Panel3dInteractiveRunSettings DefaultRunSettings() {
    Panel3dInteractiveRunSettings s;
    s.flow.taskMode = 0;
    s.flow.alphaStar = 2.5;
    s.flow.alphaStep = 1;
    s.flow.angleCount = 1;
    s.flow.pointCount = 1;
    s.wing = DefaultGeometry();
    s.chordPanels = 30;
    s.spanPanels = 15;
    s.clustering = 4;
    return s;
}

struct Recorder : luvo::RunReporter {
    std::vector<double> percents;
    std::vector<std::string> texts;
    void SetProgress(int) override {}
    void SetPercent(double p) override { percents.push_back(p); }
    void SetStatus(int field, const std::string& text) override {
        texts.push_back(std::to_string(field) + ":" + text);
    }
};

}  // namespace panel3d_test
