// The wake behind the wing: one short trailing-edge row along the bisector of each strip's
// trailing-edge angle, then nw free-wake rows along the free stream whose lengths grow
// geometrically so that the whole free wake is wl spans long.

#include <cmath>

#include "panel3d/core/Panel3dModel.h"
#include "panel3d/core/Panel3dModule.h"

namespace {

// The fit of the growth factor ends after this many passes when the target cannot be reached
// (one row, or a target shorter than the first row).
constexpr int kMaxFitPasses = 10000;
// Smallest growth factor: the fit can overshoot far below zero with many rows, and rows of
// negative length would point upstream.
constexpr double kMinGrowth = 0.1;

}  // namespace

bool Panel3dModel::BuildTrailingEdgeWake() {
    bool sound = true;
    const int n = ChordPanels();
    const double e = TrailingEdgeWakeFactor();
    for (int j = 0; j < StripCount(); ++j) {
        const Panel3dPanel& upper = wingPanels[2 * n * j];
        const Panel3dPanel& lower = wingPanels[2 * n * j + 2 * n - 1];
        const Panel3dPanel& leadingEdge = wingPanels[2 * n * j + n - 1];
        Panel3dTrailingEdgeWakePanel& wake = trailingEdgeWake[j];

        const Panel3dVector edge0 = upper.PlanarCorner(3);  // trailing edge of station j+1
        const Panel3dVector edge1 = upper.PlanarCorner(2);  // trailing edge of station j
        wake.SetPlanarCorner(0, edge0);
        wake.SetPlanarCorner(1, edge1);

        // A trailing-edge panel without x extent has no bisector to follow: the row then
        // continues straight downstream.
        const double run = upper.planarX[2] - upper.planarX[1];
        const double rise = 0.5 * (lower.planarZ[2] + upper.planarZ[1]) - upper.planarZ[2];
        wake.bisectorSlope = run != 0 ? rise / run : 0.0;
        const double s = wake.bisectorSlope;

        // Local chords of stations j and j+1, leading edge to trailing edge.
        const double chordA = upper.planarX[2] - leadingEdge.planarX[1];
        const double chordB = upper.planarX[3] - leadingEdge.planarX[0];
        wake.SetPlanarCorner(2, {edge1.x + e * chordA, edge1.y, edge1.z - e * chordA * s});
        wake.SetPlanarCorner(3, {edge0.x + e * chordB, edge0.y, edge0.z - e * chordB * s});
        wake.ComputePlanarGeometry();
        sound = sound && HasNormalAndSides(wake);
    }
    return sound;
}

bool Panel3dModel::BuildFreeWake() {
    const int n = ChordPanels();
    const int strips = StripCount();
    const int rows = WakeRows();
    const double firstRow = (wingPanels[0].planarX[2] - wingPanels[n - 1].planarX[1]) * 0.5;
    firstWakeRowLength = firstRow;

    const double target = 2.0 * WakeLengthFactor() * halfSpan;
    double q = 1.05;
    for (int pass = 0; pass < kMaxFitPasses; ++pass) {
        double sum = 0;
        double rowLength = firstRow;
        for (int k = 0; k < rows; ++k) {
            sum += rowLength;
            rowLength *= q;
        }
        wakeLengthSum = sum;
        q += 0.01 * (1.0 - sum / target);
        if (!(q >= kMinGrowth)) {
            q = kMinGrowth;
        }
        if (std::fabs(target - sum) / target < 0.01) {
            break;
        }
    }
    wakeGrowth = q;

    const double a = operatingPoint.alpha * panel3d::Panel3dPi / 180.0;
    const double b = operatingPoint.sideslip * panel3d::Panel3dPi / 180.0;
    const Panel3dVector direction{std::cos(a) * std::cos(b), std::cos(a) * std::sin(b),
                                  std::sin(a)};
    bool sound = true;
    double rowLength = firstRow;
    for (int r = 0; r < rows; ++r) {
        for (int j = 0; j < strips; ++j) {
            Panel3dFreeWakePanel& wake = freeWake[j + strips * r];
            const Panel3dPanel& front = r == 0
                                            ? static_cast<const Panel3dPanel&>(trailingEdgeWake[j])
                                            : freeWake[j + strips * (r - 1)];
            const Panel3dVector c0 = r == 0 ? front.PlanarCorner(3) : front.Corner(3);
            const Panel3dVector c1 = r == 0 ? front.PlanarCorner(2) : front.Corner(2);
            const Panel3dVector step = rowLength * direction;
            const Panel3dVector corners[4] = {c0, c1, c1 + step, c0 + step};
            for (int k = 0; k < 4; ++k) {
                wake.SetCorner(k, corners[k]);
                wake.SetPlanarCorner(k, corners[k]);
            }
            wake.ComputePlanarGeometry();
            sound = sound && HasNormalAndSides(wake);
        }
        rowLength *= q;
    }
    return sound;
}
