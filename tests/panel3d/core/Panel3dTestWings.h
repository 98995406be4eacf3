#pragma once
// Interactive wings for the panel-model tests and benchmarks.

#include <algorithm>
#include <cmath>
#include <memory>

#include "panel3d/core/Panel3dModel.h"
#include "panel3d/core/Panel3dModule.h"

namespace panel3d_test {

// The geometry window's default wing (span 6 m, 32 deg sweep, 5 deg dihedral, 2.5/-2.5 deg
// setting angles, NACA 4415 at root and tip, flap 50-80 % hinged at 75 % and half height) with
// its default slider position, flaps not deflected; one free-wake row and the half model unless
// asked otherwise.
inline std::shared_ptr<Panel3dModel> DefaultWing(int n, int m, int wakeRows = 1,
                                                 int symmetric = 1) {
    Panel3dModelSizes sizes;
    sizes.chordPanels = n;
    sizes.spanPanels = m;
    sizes.wakeRows = wakeRows;
    sizes.symmetric = symmetric;
    sizes.trailingEdgeWakeFactor = 0.1;
    sizes.wakeLengthFactor = 5.0;
    auto w = Panel3dModel::Create(sizes);
    w->halfSpan = 3.0;
    w->rootChord = 1.0;
    w->tipChord = 0.5;
    w->leadingEdgeSweep = 32.0;
    w->quarterChordSweep = std::atan(std::tan(panel3d::Panel3dPi * 32.0 / 180.0) +
                                     (w->tipChord - w->rootChord) / (4 * w->halfSpan)) *
                           180 / panel3d::Panel3dPi;
    w->rootIncidence = 2.5;
    w->tipIncidence = -2.5;
    w->rootThickness = w->tipThickness = 15.0;
    w->rootCamber = w->tipCamber = 4.0;
    w->rootCamberPosition = w->tipCamberPosition = 40.0;
    w->dihedral = 5.0;
    w->chordwiseGrading = 0.5 + 0.005 * 4;
    w->spanwiseGrading = 1 - std::min(32.0, 18.0) * 0.4 / 15;
    w->flapInnerEnd = 0.5;
    w->flapOuterEnd = 0.8;
    w->hingePosition = 0.75;
    w->hingeHeight = 0.5;
    w->interactiveGrid = true;
    return w;
}

// Changes the default wing into one without camber and twist: at zero angle of attack it has
// no lift.
inline void MakeSymmetric(Panel3dModel& w) {
    w.rootCamber = w.tipCamber = 0.0;
    w.rootIncidence = w.tipIncidence = 0.0;
    w.dihedral = 0.0;
}

}  // namespace panel3d_test
