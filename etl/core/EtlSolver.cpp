#include "etl/core/EtlSolver.h"

#include "common/core/LuFactor.h"
#include "common/core/Multhopp.h"
#include "common/core/NumberText.h"

namespace {

constexpr int kFirst = 1;      // first solved station
constexpr int kLastRow = 101;  // last solved station
// The step 1/102, 1/180 and 1/408 as the method stores them.
constexpr double kStationStep = 0.00980392156862745;
constexpr double kDegToRad = 0.005555555555555556;
constexpr double kKernelFactor = 0.0024509803921568627;
constexpr double kPercent = 0.01;

// Outer bounds s_0 = 0, s_m = (L_1 + ... + L_m) b/2 of the pieces 1..n.
void Bounds(const double* length, int n, double halfSpan, double* bound) {
    double sum = 0.0;
    bound[0] = 0.0;
    for (int m = 1; m <= n; ++m) {
        sum += length[m];
        bound[m] = sum * halfSpan;
    }
}

// The piece that holds a station at the distance |y| from the root: the first piece of positive
// length whose outer bound is at or beyond it. A piece of length 0 holds no station (its
// interpolation would divide by 0), and a station beyond the last bound, as when the lengths fall
// short of 1 by rounding, belongs to the last piece of positive length. 0 when no piece has a
// positive length.
int PieceOf(double absY, const double* length, const double* bound, int n) {
    int last = 0;
    for (int m = 1; m <= n; ++m) {
        if (!(length[m] > 0.0)) {
            continue;
        }
        if (absY <= bound[m]) {
            return m;
        }
        last = m;
    }
    return last;
}

}  // namespace

double EtlSolver::QuarterChordSweep(double cIn, double cOut, double leadingEdgeSweep, double length,
                                    double halfSpan) {
    const double l = length * halfSpan;
    return -std::atan((cIn / 4.0 - l * std::tan(leadingEdgeSweep) - cOut / 4.0) / l);
}

EtlSolver::TrapezoidArray EtlSolver::TrapezoidQuarterChordSweeps(double b, double phiVK1,
                                                                 double phiVK2, double phiVK3,
                                                                 double lAB, double lBC, double lCD,
                                                                 double cA, double cB, double cC,
                                                                 double cD) {
    const double lengths[kTrapezoids + 1] = {0.0, lAB * kPercent, lBC * kPercent, lCD * kPercent};
    const double sweeps[kTrapezoids + 1] = {0.0, phiVK1, phiVK2, phiVK3};
    const double chords[kTrapezoids + 1] = {cA, cB, cC, cD};
    TrapezoidArray out{};
    for (int m = 1; m <= kTrapezoids; ++m) {
        // A trapezoid of length 0 has no sweep of its own (the formula would divide by 0).
        out[m] = lengths[m] == 0.0
                     ? 0.0
                     : QuarterChordSweep(chords[m - 1], chords[m], EtlPi * sweeps[m] * kDegToRad,
                                         lengths[m], b * 0.5);
    }
    return out;
}

EtlSolver::EtlSolver()
    : theta(kStations, 0.0),
      y(kStations, 0.0),
      chord(kStations, 0.0),
      twistDeg(kStations, 0.0),
      alpha(kStations, 0.0),
      gamma(kStations, 0.0),
      ca(kStations, 0.0),
      alphaInduced(kStations, 0.0),
      withoutCirculation(kStations, 0),
      influenceMatrix(kMatrixSize, std::array<double, kMatrixSize>{}),
      sweepMatrix(kMatrixSize, std::array<double, kMatrixSize>{}),
      systemMatrix(kMatrixSize, std::array<double, kMatrixSize>{}) {}

void EtlSolver::SetStations(double b) {
    span = b;
    theta[0] = 0.0;
    for (int k = 1; k <= kLastStation; ++k) {
        theta[k] = theta[k - 1] + EtlPi * kStationStep;
    }
    for (int k = kLastRow; k >= 0; --k) {
        y[k] = std::cos(theta[k]) * b * 0.5;
    }
    y[kRoot] = 0.0;
}

void EtlSolver::Distribute(const double* v, int n, StationArray& out) const {
    const double halfSpan = span * 0.5;
    double bound[kSegments + 1];
    Bounds(sectionLength.data(), n, halfSpan, bound);
    for (int k = kRoot; k >= 0; --k) {
        const int m = PieceOf(y[k], sectionLength.data(), bound, n);
        if (m == 0) {
            // No piece has a length: the root value is all there is.
            out[k] = v[0];
            continue;
        }
        out[k] =
            v[m - 1] + (v[m] - v[m - 1]) * (y[k] - bound[m - 1]) / (sectionLength[m] * halfSpan);
    }
}

void EtlSolver::MirrorToSecondHalf(StationArray& v) {
    for (int m = 0; m <= 50; ++m) {
        v[52 + m] = v[50 - m];
    }
}

void EtlSolver::StoreTrapezoidLengths(double lAB, double lBC, double lCD) {
    sectionLength.fill(0.0);
    sectionLength[1] = lAB * kPercent;
    sectionLength[2] = lBC * kPercent;
    sectionLength[3] = lCD * kPercent;
}

void EtlSolver::SetTrapezoidChord(double b, double lAB, double lBC, double lCD, double cA,
                                  double cB, double cC, double cD) {
    span = b;
    StoreTrapezoidLengths(lAB, lBC, lCD);
    sectionChord = {cA, cB, cC, cD};
    Distribute(sectionChord.data(), kTrapezoids, chord);
    MirrorToSecondHalf(chord);
}

void EtlSolver::SetTrapezoidSweep(double b, double phiVK1, double phiVK2, double phiVK3, double lAB,
                                  double lBC, double lCD) {
    span = b;
    const double sweeps[kTrapezoids + 1] = {0.0, phiVK1, phiVK2, phiVK3};
    for (int m = 1; m <= kTrapezoids; ++m) {
        trapezoidLeadingEdgeSweep[m] = EtlPi * sweeps[m] * kDegToRad;
    }
    trapezoidQuarterChordSweep =
        TrapezoidQuarterChordSweeps(b, phiVK1, phiVK2, phiVK3, lAB, lBC, lCD, sectionChord[0],
                                    sectionChord[1], sectionChord[2], sectionChord[3]);
}

void EtlSolver::SetAlphaFromTwist() {
    for (int k = 1; k <= kRoot; ++k) {
        alpha[k] = EtlPi * twistDeg[k] * kDegToRad;
    }
    MirrorToSecondHalf(alpha);
}

void EtlSolver::SetTrapezoidTwist(double b, double alphaA, double alphaB, double alphaC,
                                  double alphaD, double lAB, double lBC, double lCD) {
    span = b;
    StoreTrapezoidLengths(lAB, lBC, lCD);
    sectionTwist = {alphaA, alphaB, alphaC, alphaD};
    Distribute(sectionTwist.data(), kTrapezoids, twistDeg);
    SetAlphaFromTwist();
}

void EtlSolver::ComputePlanform() {
    double sumArea = 0.0;
    double sumChord = 0.0;
    for (int k = 1; k <= kRoot; ++k) {
        const double c = (chord[k] + chord[k - 1]) / 2.0;
        const double dy = y[k - 1] - y[k];
        sumArea += c * dy;
        sumChord += c * c * dy;
    }
    area = 2.0 * sumArea;
    aspectRatio = span * span / area;
    meanChord = 2.0 / area * sumChord;
}

void EtlSolver::BuildInfluenceMatrix(double b) {
    span = b;
    luvo::MulthoppInfluence(theta, influenceMatrix);
}

void EtlSolver::BuildSweepMatrix(double beta, const Pieces& pieces, double f) {
    sideslip = EtlPi * beta * kDegToRad;
    const double s = span / 2.0;
    const double sinBeta = std::sin(sideslip);
    const double cosBeta = std::cos(sideslip);
    double bound[kSegments + 1];
    Bounds(pieces.length, pieces.count, s, bound);

    // Per vortex station: |y|, the tangent of its piece's quarter-chord sweep and the kernel's
    // sine.
    std::array<double, kStations> absY{};
    std::array<double, kStations> tanSweep{};
    std::array<double, kStations> sinKernel{};
    for (int j = kFirst; j <= kLastRow; ++j) {
        absY[j] = std::fabs(y[j]);
        const int m = PieceOf(absY[j], pieces.length, bound, pieces.count);
        tanSweep[j] = m == 0 ? 0.0 : std::tan(pieces.quarterChordSweep[m]);
        sinKernel[j] = std::sin(j * EtlPi * kStationStep);
    }

    for (int i = kFirst; i <= kLastRow; ++i) {
        auto& row = sweepMatrix[i];
        const double a = 2.0 * EtlPi * f * chord[i] * cosBeta / (4.0 * EtlPi);
        // Without a positive lift slope (f or chord not above 0, |beta| beyond 90 degrees, a value
        // that is no number) the section carries no circulation; SolveCirculation gives it a
        // unit row instead of the kernel's infinite or undefined terms.
        withoutCirculation[i] = std::isfinite(a) && a > 0.0 ? 0 : 1;
        if (withoutCirculation[i] != 0) {
            row.fill(0.0);
            continue;
        }
        for (int j = kFirst; j <= kLastRow; ++j) {
            if (j == i) {
                const double q = 2.0 * a / s;
                row[j] = (sinKernel[i] * kKernelFactor) / (q * q);
                continue;
            }
            const double w = (y[i] - y[j]) / s;
            const double d = (a + (absY[i] - absY[j]) * (tanSweep[j] - sinBeta)) / s;
            // (1 - d/sqrt(d^2 + w^2)) / w^2 without squaring d: hypot cannot overflow for a large
            // lift slope, and for d > 0 the form 1/(h (h + d)) keeps the digits the difference
            // would cancel; both tend to 0 as d grows.
            const double h = std::hypot(d, w);
            const double kernel = d > 0.0 ? 1.0 / h / (h + d) : (1.0 - d / h) / (w * w);
            row[j] = sinKernel[j] * kernel * kKernelFactor;
        }
    }
}

void EtlSolver::BuildSweepMatrixTrapezoid(double beta, double lAB, double lBC, double lCD,
                                          double f) {
    const double lengths[kTrapezoids + 1] = {0.0, lAB * kPercent, lBC * kPercent, lCD * kPercent};
    BuildSweepMatrix(beta, Pieces{kTrapezoids, lengths, trapezoidQuarterChordSweep.data()}, f);
}

void EtlSolver::SolveCirculation() {
    for (int i = kFirst; i <= kLastRow; ++i) {
        auto& row = systemMatrix[i];
        if (withoutCirculation[i] != 0) {
            row.fill(0.0);
            row[i] = 1.0;
            continue;
        }
        const auto& b = influenceMatrix[i];
        const auto& c = sweepMatrix[i];
        for (int j = kFirst; j <= kLastRow; ++j) {
            if (j == i) {
                row[j] = 2.0 * (b[j] + c[j]);
            } else if ((i - j) % 2 == 0) {
                row[j] = 2.0 * c[j];
            } else {
                row[j] = -2.0 * (b[j] - c[j]);
            }
        }
    }
    luvo::LuFactor(systemMatrix, kLastRow);
    // The forward vector goes into `gamma` itself; the back substitution reads each entry before
    // it overwrites it.
    luvo::LuForward(
        systemMatrix, kLastRow,
        [this](int i) { return withoutCirculation[i] != 0 ? 0.0 : alpha[i]; }, gamma);
    luvo::LuBackward(systemMatrix, kLastRow, gamma, gamma);
    gammaMax = 0.0;
    for (int k = kFirst; k <= kRoot; ++k) {
        if (gamma[k] > gammaMax) {
            gammaMax = gamma[k];
        }
    }
}

void EtlSolver::ComputeInducedAngles() {
    luvo::MulthoppInducedAngles(influenceMatrix, gamma, alphaInduced);
}

void EtlSolver::ComputeCoefficients() {
    caMax = 0.0;
    for (int k = kFirst; k <= kLastRow; ++k) {
        // A section without circulation has no lift, also where its chord is 0.
        ca[k] = withoutCirculation[k] != 0 ? 0.0 : 2.0 * span * gamma[k] / chord[k];
        if (k <= kRoot && ca[k] > caMax) {
            caMax = ca[k];
        }
    }
    const double factor = EtlPi * aspectRatio * kStationStep;
    double lift = 0.0;
    double drag = 0.0;
    for (int k = kFirst; k <= kLastRow; ++k) {
        const double sinTheta = std::sin(theta[k]);
        lift += gamma[k] * sinTheta;
        drag += gamma[k] * alphaInduced[k] * sinTheta;
    }
    liftCoefficient = factor * lift;
    inducedDragCoefficient = factor * drag;
    // A wing without lift has no k-factor: 0/0 stays NaN and the windows show "---".
    kFactor = inducedDragCoefficient / (liftCoefficient * liftCoefficient / (EtlPi * aspectRatio));
}

bool EtlSolver::HasShowableResults() const {
    auto shown = [](double v) { return luvo::FormatResult("%.3f", v); };
    for (double v :
         {area, aspectRatio, meanChord, liftCoefficient, inducedDragCoefficient, gammaMax, caMax}) {
        if (shown(v) == "---") return false;
    }
    if (area == 0.0 || aspectRatio == 0.0) return false;
    if (shown(liftCoefficient) != "0.000" && shown(kFactor) == "---") return false;
    for (int k = kFirst; k <= kLastRow; ++k) {
        if (!std::isfinite(gamma[k]) || !std::isfinite(ca[k]) || !std::isfinite(alphaInduced[k]) ||
            !std::isfinite(chord[k]) || !std::isfinite(y[k])) {
            return false;
        }
    }
    return true;
}

void EtlSolver::SetSegmentSweep(double b) {
    span = b;
    segmentQuarterChordSweep.fill(0.0);
    for (int k = 1; k <= kSegments; ++k) {
        // A segment of length 0, the first one included, has no sweep of its own.
        if (segmentLength[k] == 0.0) {
            continue;
        }
        segmentQuarterChordSweep[k] = QuarterChordSweep(
            chord[k], chord[k + 1], EtlPi * segmentLeadingEdgeSweep[k] * kDegToRad,
            segmentLength[k], b * 0.5);
    }
}

void EtlSolver::DistributeSegments(double root, StationArray& values, SectionArray& sections) {
    sectionLength = segmentLength;
    // The raw slots 2..11 become the section values before the distribution replaces them.
    sections[0] = root;
    for (int m = 1; m <= kSegments; ++m) {
        sections[m] = values[m + 1];
    }
    Distribute(sections.data(), kSegments, values);
}

void EtlSolver::SetSegmentChord(double b, double rootChordValue) {
    span = b;
    DistributeSegments(rootChordValue, chord, sectionChord);
    MirrorToSecondHalf(chord);
}

void EtlSolver::BuildSweepMatrixSegments(double beta, double f) {
    BuildSweepMatrix(beta, Pieces{kSegments, segmentLength.data(), segmentQuarterChordSweep.data()},
                     f);
}

void EtlSolver::SetSegmentTwist(double b) {
    span = b;
    DistributeSegments(rootTwist, twistDeg, sectionTwist);
    SetAlphaFromTwist();
}
