#include "panel3d/core/Panel3dModel.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <new>

#include "panel3d/core/Panel3dModule.h"

namespace {

std::atomic<long> g_liveModels{0};

}  // namespace

Panel3dModelSizes Panel3dModuleSizes() {
    Panel3dModelSizes sizes;
    sizes.chordPanels = panel3d::Panel3dChordPanelCount;
    sizes.spanPanels = panel3d::Panel3dSpanPanelCount;
    sizes.wakeRows = panel3d::Panel3dWakeRowCount;
    sizes.symmetric = panel3d::Panel3dSymmetryFlag;
    sizes.trailingEdgeWakeFactor = panel3d::Panel3dTrailingEdgeWakeFactor;
    sizes.wakeLengthFactor = panel3d::Panel3dWakeLengthFactor;
    return sizes;
}

bool Panel3dModel::SizesAllowed(const Panel3dModelSizes& sizes) {
    const int n = sizes.chordPanels;
    const int m = sizes.spanPanels;
    // Compared by division so that a huge count cannot overflow the product.
    const bool panels = n >= 1 && m >= 1 && n <= kMaxWingPanels / 4 / m;
    const bool rows = sizes.wakeRows >= 1 && sizes.wakeRows <= kMaxWakeRows;
    const bool symmetric = sizes.symmetric == 0 || sizes.symmetric == 1;
    const bool factors = std::isfinite(sizes.trailingEdgeWakeFactor) &&
                         sizes.trailingEdgeWakeFactor > 0 &&
                         std::isfinite(sizes.wakeLengthFactor) && sizes.wakeLengthFactor > 0;
    return panels && rows && symmetric && factors;
}

std::shared_ptr<Panel3dModel> Panel3dModel::Create(const Panel3dModelSizes& sizes) {
    if (!SizesAllowed(sizes)) {
        return nullptr;
    }
    try {
        return std::make_shared<Panel3dModel>(sizes);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

long Panel3dModel::LiveCount() { return g_liveModels.load(); }

Panel3dModel::Panel3dModel(const Panel3dModelSizes& sizes) : sizes_(sizes) {
    const size_t wing = static_cast<size_t>(WingPanelCount());
    const size_t strips = static_cast<size_t>(StripCount());
    const size_t rows = static_cast<size_t>(sizes.wakeRows);
    wingPanels.resize(wing);
    flapMarks.assign(wing, 0);
    trailingEdgeWake.resize(strips);
    freeWake.resize(strips * rows);
    for (std::vector<double>* a : {&stripLift, &stripCirculation, &stripInducedDrag, &stripChord,
                                   &stripArea, &stripNormalZ, &stripLiftDirectionZ}) {
        a->assign(strips, 0.0);
    }
    wakeNodes.resize((strips + 1) * rows);
    ++g_liveModels;
}

Panel3dModel::~Panel3dModel() { --g_liveModels; }

bool Panel3dModel::AllocateSolverArrays() {
    ForgetAssembly();
    const size_t n = static_cast<size_t>(SystemSize());
    try {
        for (std::vector<double>* v : {&rightHandSide, &solutionVector, &forwardVector}) {
            v->assign(n, 0.0);
        }
        influenceMatrix.assign(n * n, 0.0);
    } catch (const std::bad_alloc&) {
        ReleaseSolverArrays();
        return false;
    }
    return true;
}

void Panel3dModel::ReleaseSolverArrays() {
    ForgetAssembly();
    for (std::vector<double>* v :
         {&rightHandSide, &solutionVector, &forwardVector, &influenceMatrix, &wakeColumns}) {
        std::vector<double>().swap(*v);
    }
}

void Panel3dModel::ComputeWingGeometry() {
    for (Panel3dPanel& p : wingPanels) {
        p.ComputeGeometry();
    }
}

void Panel3dModel::SetSourceStrengths() {
    const double a = panel3d::Panel3dPi * operatingPoint.alpha / 180.0;
    const double b = panel3d::Panel3dPi * operatingPoint.sideslip / 180.0;
    const Panel3dVector freeStream{std::cos(a) * std::cos(b), std::cos(a) * std::sin(b),
                                   std::sin(a)};
    for (Panel3dPanel& p : wingPanels) {
        p.sourceStrength = -Dot(freeStream, p.Normal());
    }
}

void Panel3dModel::TakeHalfSpanFromGrid() {
    halfSpan = (wingPanels.front().cornerY[1] - wingPanels.back().cornerY[0]) / 2.0;
}

bool Panel3dModel::HasNormalAndSides(const Panel3dPanel& p) {
    const bool normal = std::isfinite(p.normalLength) && p.normalLength > 0;
    const bool sides = std::all_of(p.sideLength.begin(), p.sideLength.end(),
                                   [](double s) { return std::isfinite(s) && s > 0; });
    return normal && sides;
}

bool Panel3dModel::HasSoundWing() const {
    for (const Panel3dPanel& p : wingPanels) {
        if (!HasNormalAndSides(p) || !std::isfinite(p.area) || !(p.area > 0)) {
            return false;
        }
    }
    const Panel3dPanel& trailingEdge = wingPanels[0];
    const Panel3dPanel& leadingEdge = wingPanels[ChordPanels() - 1];
    const double tipExtent = trailingEdge.planarX[2] - leadingEdge.planarX[1];
    return std::isfinite(halfSpan) && halfSpan > 0 && std::isfinite(tipExtent) && tipExtent > 0;
}

void Panel3dModel::SetCoreRadius(double factor) {
    const int firstHalf = WingPanelCount() / 2;
    double largest = 0;
    for (int p = 0; p < firstHalf; ++p) {
        largest = std::max(largest, wingPanels[p].meanDiagonal);
    }
    coreRadius = largest * factor;
}

bool Panel3dModel::PrepareWing(double coreRadiusFactor) {
    ComputeWingGeometry();
    SetSourceStrengths();
    if (!interactiveGrid) {
        TakeHalfSpanFromGrid();
    }
    if (!HasSoundWing()) {
        return false;
    }
    const bool wake = BuildTrailingEdgeWake() && BuildFreeWake();
    SetCoreRadius(coreRadiusFactor);
    return wake;
}
