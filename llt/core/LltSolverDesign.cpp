// Design relations of the simple lifting-line method: the circulation is prescribed as the series
// gamma = A sin(theta) + a3 sin(3 theta) + a5 sin(5 theta), and the twist or the chord follows from
// the lifting-line equation in closed form.

#include <cmath>
#include <functional>
#include <limits>

#include "common/core/LuFactor.h"
#include "llt/core/LltSolver.h"
#include "llt/core/LltTrapezoid.h"

namespace {

constexpr double kTwoDegToRad = 0.011111111111111112;  // 2/180

// The sines of the series' three terms at the station angle t.
struct Sines {
    double s1, s3, s5;
};
Sines SinesAt(double t) { return {std::sin(t), std::sin(3.0 * t), std::sin(5.0 * t)}; }

// What the twist and the chord relations keep of their inputs; returns the section lift slope
// 2 pi f.
double KeepSeriesInputs(LltSolver& s, double b, double coefA3, double coefA5, double f) {
    s.span = b;
    s.a3 = coefA3;
    s.a5 = coefA5;
    s.liftSlopeFactor = f;
    return (LltPi * f) + (LltPi * f);
}

}  // namespace

void LltSolver::SetSeriesCirculation(double firstCoefficient, double coefA3, double coefA5) {
    for (int i = kRoot; i >= 0; --i) {
        const auto [s1, s3, s5] = SinesAt(theta[i]);
        seriesGamma[i] = firstCoefficient * s1 + coefA3 * s3 + coefA5 * s5;
    }
}

void LltSolver::TwistFromSeries(double b, double first, double coefA3, double coefA5, double f) {
    const double twoPiF = KeepSeriesInputs(*this, b, coefA3, coefA5, f);
    const double zeroChord = ZeroChordLimit();
    for (int i = kRoot; i >= 1; --i) {
        if (ZeroChord(i, zeroChord)) {
            // No section there, so no twist: not a number, which the file writes as 0 and the
            // plot and its scale pass over.
            twistDeg[i] = std::numeric_limits<double>::quiet_NaN();
            continue;
        }
        const auto [s1, s3, s5] = SinesAt(theta[i]);
        const double k = 4.0 * b * s1 / twoPiF / chord[i];
        twistDeg[i] = (180.0 / LltPi) *
                      (first * (k + 1.0) * s1 + coefA3 * (k + 3.0) * s3 + coefA5 * (k + 5.0) * s5) /
                      (2.0 * s1);
    }
    // At the tip the formula is 0/0; its limit does not depend on the chord.
    twistDeg[0] = (180.0 / LltPi) * 0.5 * (first + 9.0 * coefA3 + 25.0 * coefA5);
    twistMax = RunningExtreme(0.01, twistDeg, 0, kRoot, std::greater_equal<>());
    twistMin = RunningExtreme(370.0, twistDeg, 0, kRoot, std::less_equal<>());
}

void LltSolver::TwistFromFourier(double b, double coefA1, double coefA3, double coefA5, double f) {
    a1 = coefA1;
    TwistFromSeries(b, coefA1, coefA3, coefA5, f);
}

void LltSolver::TwistFromFourierCl(double b, double coefA3, double coefA5, double f) {
    TwistFromSeries(b, a1FromCl, coefA3, coefA5, f);
}

void LltSolver::ChordFromSeries(double b, double first, double coefA3, double coefA5, double f) {
    const double twoPiF = KeepSeriesInputs(*this, b, coefA3, coefA5, f);
    for (int i = 1; i <= kRoot; ++i) {
        const auto [s1, s3, s5] = SinesAt(theta[i]);
        const double sigma = first * s1 + coefA3 * s3 + coefA5 * s5;
        const double twiceAlphaSin = s1 * twistDeg[i] * LltPi * kTwoDegToRad;
        const double d = twiceAlphaSin - first * s1 - 3.0 * coefA3 * s3 - 5.0 * coefA5 * s5;
        chord[i] = (4.0 * b * s1 / twoPiF) * sigma / d;
    }
    chord[0] = 0.0;
    chordMax = RunningExtreme(0.0, chord, 0, kRoot, std::greater_equal<>());
}

void LltSolver::ChordFromFourier(double b, double coefA1, double coefA3, double coefA5, double f) {
    a1 = coefA1;
    ChordFromSeries(b, coefA1, coefA3, coefA5, f);
}

void LltSolver::ChordFromFourierCl(double b, double coefA3, double coefA5, double f) {
    ChordFromSeries(b, a1FromCl, coefA3, coefA5, f);
}

void LltSolver::ComputeSeriesCoefficients(double firstCoefficient) {
    const double a1Squared = std::pow(firstCoefficient, 2);
    const double delta = (3.0 * std::pow(a3, 2) + 5.0 * std::pow(a5, 2)) / a1Squared;
    cdiSeries = a1Squared * (1.0 + delta) * aspectRatio * LltPi * 0.25;
    kFactor = cdiSeries / (std::pow(cl, 2) / (LltPi * aspectRatio));
}

void LltSolver::FitFourierCoefficients(double gamma51, double gamma41, double gamma30,
                                       double mode) {
    fitValues[1] = gamma51;
    fitValues[2] = gamma41;
    fitValues[3] = gamma30;
    const int stations[4] = {0, 51, 41, 30};
    for (int r = 1; r <= 3; ++r) {
        const double t = theta[stations[r]];
        fitMatrix[r][1] = std::sin(t);
        fitMatrix[r][2] = std::sin(3.0 * t);
        fitMatrix[r][3] = std::sin(5.0 * t);
    }
    luvo::LuFactor(fitMatrix, 3);
    luvo::LuForward(
        fitMatrix, 3, [this](int r) { return fitValues[r]; }, workVector);
    luvo::LuBackward(fitMatrix, 3, workVector, fitCoefficients);
    if (mode == 1.0) {
        a1 = fitCoefficients[1];
    } else {
        a1FromCl = fitCoefficients[1];
    }
    cl = fitCoefficients[1] * aspectRatio * LltPi * 0.5;
    a3 = fitCoefficients[2];
    a5 = fitCoefficients[3];
}

LltRootAngleResult LltSolver::SearchRootAngle(double b, double deltaB, double deltaC, double deltaD,
                                              double s1, double s2, double s3, double coefA3,
                                              double coefA5, double f) {
    constexpr int kLastStep = 3600;  // 90 down to -90 degrees in steps of 0.05
    const double target = std::pow(b, 2) / aspectRatio;
    const double first = a1FromCl;
    const double f1 = s1 * 0.01;
    const double f2 = s2 * 0.01;
    const double f3 = s3 * 0.01;

    // Everything that does not depend on the root angle, evaluated once and in the same order as
    // SetTrapezoidTwist, ChordFromFourierCl and TrapezoidArea do, so every area is the same to
    // the last bit.
    const double twoPiF = (LltPi * f) + (LltPi * f);
    std::array<double, kRoot + 1> sinT{}, chordNumerator{}, termA{}, term3{}, term5{};
    for (int i = 1; i <= kRoot; ++i) {
        const auto [sin1, sin3, sin5] = SinesAt(theta[i]);
        sinT[i] = sin1;
        chordNumerator[i] =
            (4.0 * b * sin1 / twoPiF) * (first * sin1 + coefA3 * sin3 + coefA5 * sin5);
        termA[i] = first * sin1;
        term3[i] = 3.0 * coefA3 * sin3;
        term5[i] = 5.0 * coefA5 * sin5;
    }

    auto angleOf = [](int q) { return 90.0 - static_cast<double>(q) * 0.05; };
    auto areaAt = [&](double alphaA) {
        const LltTrapezoid twist(b, f1, f2, f3, alphaA, alphaA + deltaB, alphaA + deltaC,
                                 alphaA + deltaD);
        std::array<double, kRoot + 1> c{};  // the tip chord stays 0
        for (int i = 1; i <= kRoot; ++i) {
            const double twiceAlphaSin = sinT[i] * twist.At(y[i]) * LltPi * kTwoDegToRad;
            c[i] = chordNumerator[i] / (twiceAlphaSin - termA[i] - term3[i] - term5[i]);
        }
        return TrapezoidAreaOf(c.data());
    };

    // How far an area lies from the target; an area that is no number is as far as can be.
    auto miss = [target](double candidate) {
        return std::isnan(candidate) ? std::numeric_limits<double>::infinity()
                                     : std::fabs(candidate - target);
    };
    std::array<double, kLastStep + 1> areas{};
    int bestStep = 0;
    double bestMiss = std::numeric_limits<double>::infinity();
    for (int q = 0; q <= kLastStep; ++q) {
        areas[q] = areaAt(angleOf(q));
        if (miss(areas[q]) < bestMiss) {
            bestMiss = miss(areas[q]);
            bestStep = q;
        }
    }
    double bestAngle = angleOf(bestStep);
    auto evaluate = [&](double alphaA) {
        const double m = miss(areaAt(alphaA));
        if (m < bestMiss) {
            bestMiss = m;
            bestAngle = alphaA;
        }
        return m;
    };

    // Refine between the best grid angle and each neighbour: by bisection where the area crosses
    // the target there, else by a golden-section search for the closest area.
    const double wanted = 1e-6 * target;
    for (const int neighbour : {bestStep - 1, bestStep + 1}) {
        if (neighbour < 0 || neighbour > kLastStep || bestMiss <= wanted) continue;
        double lo = angleOf(bestStep);
        double hi = angleOf(neighbour);
        const double below = areas[bestStep] - target;
        const double beyond = areas[neighbour] - target;
        if (std::isfinite(below) && std::isfinite(beyond) && (below < 0) != (beyond < 0)) {
            for (int i = 0; i < 200 && bestMiss > wanted; ++i) {
                const double mid = 0.5 * (lo + hi);
                if (mid == lo || mid == hi) break;
                const double midArea = areaAt(mid);
                evaluate(mid);
                if (!std::isfinite(midArea)) break;
                ((midArea - target < 0) == (below < 0) ? lo : hi) = mid;
            }
            continue;
        }
        const double golden = 0.5 * (std::sqrt(5.0) - 1.0);
        double left = std::fmin(lo, hi);
        double right = std::fmax(lo, hi);
        double inner = right - golden * (right - left);
        double outer = left + golden * (right - left);
        double missInner = evaluate(inner);
        double missOuter = evaluate(outer);
        for (int i = 0; i < 200 && bestMiss > wanted && inner < outer; ++i) {
            if (missInner < missOuter) {
                right = outer;
                outer = inner;
                missOuter = missInner;
                inner = right - golden * (right - left);
                missInner = evaluate(inner);
            } else {
                left = inner;
                inner = outer;
                missInner = missOuter;
                outer = left + golden * (right - left);
                missOuter = evaluate(outer);
            }
        }
    }

    LltRootAngleResult result;
    result.rootAngle = bestAngle;
    result.reached = bestMiss <= kLltAreaTolerance * target;

    SetTrapezoidTwist(b, result.rootAngle, deltaB, deltaC, deltaD, s1, s2, s3);
    ChordFromFourierCl(b, coefA3, coefA5, f);
    result.area = TrapezoidArea();
    return result;
}
