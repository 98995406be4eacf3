#include "llt/core/LltSolver.h"

#include <functional>
#include <limits>

#include "common/core/LuFactor.h"
#include "common/core/Multhopp.h"
#include "llt/core/LltTrapezoid.h"

namespace {

constexpr int kFirst = 1;      // first solved station
constexpr int kLastRow = 101;  // last solved station
// The step 1/102 as the method stores it.
constexpr double kStationStep = 0.00980392156862745;
constexpr double kDegToRad = 0.005555555555555556;  // 1/180

}  // namespace

LltSolver::LltSolver()
    : theta(kStations, 0.0),
      y(kStations, 0.0),
      seriesGamma(kStations, 0.0),
      chord(kStations, 0.0),
      twistDeg(kStations, 0.0),
      twistRad(kStations, 0.0),
      gamma(kStations, 0.0),
      workVector(kStations, 0.0),
      ca(kStations, 0.0),
      alphaInd(kStations, 0.0),
      influence(kMatrixSize, std::array<double, kMatrixSize>{}),
      diagonal(kMatrixSize, std::array<double, kMatrixSize>{}),
      system(kMatrixSize, std::array<double, kMatrixSize>{}) {}

void LltSolver::SetStations(double b) {
    // Accumulated rather than multiplied out, so theta[102] is pi only up to rounding.
    theta[0] = 0.0;
    for (int i = 1; i <= kLastStation; ++i) {
        theta[i] = theta[i - 1] + LltPi * kStationStep;
    }
    span = b;
    for (int i = kLastStation; i >= 0; --i) {
        y[i] = std::cos(theta[i]) * b * 0.5;
    }
    y[kRoot] = 0.0;
}

void LltSolver::SetTrapezoidChord(double b, double s1, double s2, double s3, double cA, double cB,
                                  double cC, double cD) {
    span = b;
    chordSegment1 = s1 * 0.01;
    chordSegment2 = s2 * 0.01;
    chordSegment3 = s3 * 0.01;
    chordA = cA;
    chordB = cB;
    chordC = cC;
    chordD = cD;
    const LltTrapezoid planform(b, chordSegment1, chordSegment2, chordSegment3, cA, cB, cC, cD);
    for (int i = kRoot; i >= 0; --i) {
        chord[i] = planform.At(y[i]);
    }
    MirrorToLeftHalf(chord);
    // A station where the chord is 0 (a section of chord 0 on it, a tip chord of 0) keeps a
    // residue of about 1e-15 of either sign from the interpolation; it is the zero chord the
    // solver already takes it for, and the files write it as 0.
    const double zeroChord = ZeroChordLimit();
    for (double& c : chord) {
        if (std::fabs(c) <= zeroChord) c = 0.0;
    }
}

void LltSolver::SetTrapezoidTwist(double b, double alphaA, double deltaB, double deltaC,
                                  double deltaD, double s1, double s2, double s3) {
    span = b;
    twistSegment1 = s1 * 0.01;
    twistSegment2 = s2 * 0.01;
    twistSegment3 = s3 * 0.01;
    // Each relative angle is added to the root angle, not to the section before.
    twistA = alphaA;
    twistB = alphaA + deltaB;
    twistC = alphaA + deltaC;
    twistD = alphaA + deltaD;
    const LltTrapezoid twist(b, twistSegment1, twistSegment2, twistSegment3, twistA, twistB, twistC,
                             twistD);
    for (int i = kRoot; i >= 0; --i) {
        twistDeg[i] = twist.At(y[i]);
    }
    SetTwistRadians();
}

void LltSolver::MirrorToLeftHalf(StationArray& v) {
    for (int k = 0; k <= 50; ++k) {
        v[52 + k] = v[50 - k];
    }
}

void LltSolver::SetTwistRadians() {
    // twistDeg itself stays unmirrored.
    for (int i = 0; i <= kRoot; ++i) {
        twistRad[i] = LltPi * twistDeg[i] * kDegToRad;
    }
    MirrorToLeftHalf(twistRad);
}

double LltSolver::TrapezoidAreaOf(const double* c) const {
    double sum = 0.0;
    for (int k = kRoot; k >= 1; --k) {
        sum += 0.5 * (c[k] + c[k - 1]) * (y[k - 1] - y[k]);
    }
    return 2.0 * sum;
}

double LltSolver::TrapezoidArea() const { return TrapezoidAreaOf(chord.data()); }

void LltSolver::ComputeArea() {
    area = TrapezoidArea();
    aspectRatio = std::pow(span, 2) / area;
}

double LltSolver::LiftSlopeDenominator(int i) const { return chord[i] * liftSlopeFactor * 6.28; }

double LltSolver::ZeroChordLimit() const {
    double largest = 0.0;
    for (double c : chord) largest = std::fmax(largest, std::fabs(c));
    return 1e-12 * largest;
}

void LltSolver::BuildInfluenceMatrix(double b, double f) {
    span = b;
    liftSlopeFactor = f;
    luvo::MulthoppInfluence(theta, influence);
    const double zeroChord = ZeroChordLimit();
    for (int i = kFirst; i <= kLastRow; ++i) {
        const auto& row = influence[i];
        // The literal 6.28 (not 2 pi) is the method's section lift slope.
        if (CarriesNoCirculation(i, zeroChord)) {
            // Chord 0 or f = 0: the lift-slope term is infinite and the station carries no
            // circulation. A unit row (with a zero right-hand side in the solve) says exactly
            // that and keeps the factorisation finite.
            diagonal[i][i] = std::numeric_limits<double>::infinity();
            system[i].fill(0.0);
            system[i][i] = 1.0;
            continue;
        }
        diagonal[i][i] = row[i] + 2.0 * b / LiftSlopeDenominator(i);
        auto& systemRow = system[i];
        for (int j = kFirst; j <= kLastRow; ++j) {
            systemRow[j] = j == i ? diagonal[i][i] : -row[j];
        }
    }
}

void LltSolver::SolveCirculation() {
    const double zeroChord = ZeroChordLimit();
    luvo::LuFactor(system, kLastRow);
    luvo::LuForward(
        system, kLastRow,
        [&](int i) { return CarriesNoCirculation(i, zeroChord) ? 0.0 : twistRad[i]; }, workVector);
    luvo::LuBackward(system, kLastRow, workVector, gamma);
    gamma[0] = 0.0;
    // The left half copies the right half (this also sets the left tip to 0).
    MirrorToLeftHalf(gamma);
    gammaMax = RunningExtreme(0.0, gamma, kFirst, kRoot, std::greater_equal<>());
}

void LltSolver::ComputeLocalLift() {
    const double zeroChord = ZeroChordLimit();
    for (int i = kFirst; i <= kLastRow; ++i) {
        // A station of zero chord carries no circulation and so no lift.
        ca[i] = ZeroChord(i, zeroChord) ? 0.0 : 2.0 * span * gamma[i] / chord[i];
    }
    caMax = RunningExtreme(0.0, ca, kFirst, kRoot, std::greater_equal<>());
}

void LltSolver::ComputeLift() {
    const double factor = LltPi * aspectRatio * kStationStep;
    double sum = 0.0;
    for (int i = kFirst; i <= kLastRow; ++i) {
        sum += gamma[i] * std::sin(theta[i]);
    }
    clSolved = factor * sum;
}

void LltSolver::ComputeInducedAngles() { luvo::MulthoppInducedAngles(influence, gamma, alphaInd); }

void LltSolver::ComputeInducedDrag() {
    const double factor = LltPi * aspectRatio / 102.0;
    double sum = 0.0;
    for (int i = kFirst; i <= kLastRow; ++i) {
        sum += gamma[i] * alphaInd[i] * std::sin(theta[i]);
    }
    cdi = factor * sum;
    kFactor = cdi / (std::pow(clSolved, 2) / (LltPi * aspectRatio));
}

void LltSolver::ComputeMeanChord() {
    double sum = 0.0;
    for (int k = kRoot; k >= 1; --k) {
        sum += std::pow((chord[k] + chord[k - 1]) / 2.0, 2) * (y[k - 1] - y[k]);
    }
    meanChord = 2.0 / area * sum;
}
