#pragma once
// An estimate of the lift of the 3D solvers' default plan form (span 6 m, chords 1 and 0.5 m,
// leading edge swept 32 deg, setting angles 2.5 and -2.5 deg, NACA 44xx sections) that owes
// nothing to their code: the extended lifting line, itself pinned to a separate calculation, with
// the sections' zero-lift angle from thin-airfoil theory integrated here. Dihedral is left out.

#include <cmath>

#include "etl/core/EtlRuns.h"

namespace luvo::test {

// Zero-lift angle [deg] of the NACA four-digit mean line of camber m at p (fractions of the
// chord): alpha0 = -(1/pi) integral of dz/dx (cos theta - 1) over 0..pi.
inline double NacaZeroLiftAngleDeg(double m, double p) {
    const double pi = std::acos(-1.0);
    const int steps = 20000;
    double sum = 0;
    for (int i = 0; i < steps; ++i) {
        const double theta = (i + 0.5) * pi / steps;
        const double x = (1 - std::cos(theta)) / 2;
        const double slope =
            x < p ? 2 * m / (p * p) * (p - x) : 2 * m / ((1 - p) * (1 - p)) * (p - x);
        sum += slope * (std::cos(theta) - 1) * pi / steps;
    }
    return -sum / pi * 180 / pi;
}

// cA of the default plan form at alpha and sideslip [deg]; the section lift slope is
// 2 pi liftSlopeFactor.
inline double DefaultPlanformLiftEstimate(double alphaDeg, double betaDeg, double liftSlopeFactor) {
    EtlAnalysisInputs in{};
    in.span = 6;
    in.sideslip = betaDeg;
    in.liftSlopeFactor = liftSlopeFactor;
    in.sweep1 = 32;
    in.lengthAB = 100;
    in.chordA = 1;
    in.chordB = in.chordC = in.chordD = 0.5;
    in.angleA = alphaDeg + 2.5 - NacaZeroLiftAngleDeg(0.04, 0.4);
    in.angleB = in.angleC = in.angleD = -5;
    return EtlSolveAnalysis(in)->liftCoefficient;
}

}  // namespace luvo::test
