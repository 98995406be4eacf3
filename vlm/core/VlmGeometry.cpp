// Lattice geometry of the vortex-lattice method: the two wings, the chordwise spacing, the
// elements, the normals from the Birnbaum coefficients, the flat arrays and the flat wake.

#include <algorithm>
#include <cmath>

#include "vlm/core/VlmSolver.h"

namespace {

double Radians(double degrees) { return degrees * VlmPi / 180.0; }

VlmPoint Lerp(const VlmPoint& a, const VlmPoint& b, double t) {
    return {a[0] + t * (b[0] - a[0]), a[1] + t * (b[1] - a[1]), a[2] + t * (b[2] - a[2])};
}

VlmPoint Mean(const VlmPoint& a, const VlmPoint& b) { return Lerp(a, b, 0.5); }

VlmPoint MirrorY(const VlmPoint& p) { return {p[0], -p[1], p[2]}; }

double Distance(const VlmPoint& a, const VlmPoint& b) {
    return std::sqrt((a[0] - b[0]) * (a[0] - b[0]) + (a[1] - b[1]) * (a[1] - b[1]) +
                     (a[2] - b[2]) * (a[2] - b[2]));
}

}  // namespace

VlmSolver::VlmSolver(const VlmRunValues& values, luvo::RunReporter* reporter)
    : values_(values),
      progress_(reporter),
      nx_(values.chordwiseCount),
      ny_(values.spanwiseCount),
      nw_(values.wakeElementCount) {
    const size_t n = static_cast<size_t>(nx_) * static_cast<size_t>(ny_);
    for (int s = 0; s < values.segmentCount; ++s) {
        segments.emplace_back(nx_);
    }
    for (int r = 0; r <= nw_; ++r) {
        wakeRows.emplace_back(ny_ + 1);
    }
    for (int r = 0; r < nw_; ++r) {
        wakeWorkRows.emplace_back(ny_ + 1);
    }
    stripLiftCoefficient.assign(static_cast<size_t>(ny_), 0.0);
    stripCirculation.assign(static_cast<size_t>(ny_), 0.0);
    gamma.assign(n, 0.0);
    trailingGamma.assign(static_cast<size_t>(ny_) + 1, 0.0);
    wakeElementLength.assign(static_cast<size_t>(nw_), 0.0);
    for (VlmPointArrays* a : {&boundA, &boundMid, &boundB, &trailingEdgeA, &trailingEdgeB, &frontA,
                              &frontMid, &frontB, &rearA, &rearMid, &rearB, &colloc, &normal,
                              &legMid, &boundVel, &boundForce, &legVel, &legForce}) {
        *a = VlmPointArrays(n);
    }
    diagonal1.assign(n, 0.0);
    diagonal2.assign(n, 0.0);
    ringX.assign(4 * n, 0.0);
    ringY.assign(4 * n, 0.0);
    ringZ.assign(4 * n, 0.0);
    pressureDifference.assign(n, 0.0);
    // The strips of each segment; the counts have been checked to add up to ny.
    for (int s = 0; s < values.segmentCount; ++s) {
        segments[s].strips.assign(static_cast<size_t>(values.stripsPerSegment[s]), VlmStrip(nx_));
    }
}

void VlmSolver::ComputeChordwiseDistribution() {
    const double k = values_.distributionParameter;
    const double t0 = std::acos((k - 100.0) / (k + 100.0));
    const double t1 = std::acos((100.0 - k) / (k + 100.0));
    chordFraction.assign(static_cast<size_t>(nx_) + 1, 0.0);
    for (int m = 0; m <= nx_; ++m) {
        chordFraction[m] = (1.0 + std::cos(t1 + t0 * m / nx_)) * (0.5 + 0.005 * k);
    }
    collocAngle.assign(static_cast<size_t>(nx_), 0.0);
    for (int i = 0; i < nx_; ++i) {
        const double xc = chordFraction[i] + 0.25 * (chordFraction[i + 1] - chordFraction[i]);
        collocAngle[i] = std::acos(2.0 * xc - 1.0);
    }
}

void VlmStrip::BuildElements(const std::vector<double>& chordFraction) {
    // Point at chord fraction X on the line from a leading-edge to a trailing-edge point.
    auto at = [](const VlmPoint& le, const VlmPoint& te, double x) {
        return Lerp(te, le, 1.0 - x);
    };
    for (size_t i = 0; i < elements.size(); ++i) {
        VlmLatticeElement& el = elements[i];
        const double front = chordFraction[i + 1];
        const double rear = chordFraction[i];
        el.frontA = at(leadingEdgeA, trailingEdgeA, front);
        el.frontMid = at(leadingEdgeMid, trailingEdgeMid, front);
        el.frontB = at(leadingEdgeB, trailingEdgeB, front);
        el.rearA = at(leadingEdgeA, trailingEdgeA, rear);
        el.rearMid = at(leadingEdgeMid, trailingEdgeMid, rear);
        el.rearB = at(leadingEdgeB, trailingEdgeB, rear);
        el.trailingEdgeA = trailingEdgeA;
        el.trailingEdgeB = trailingEdgeB;
        el.boundA = Lerp(el.rearA, el.frontA, 0.75);
        el.boundB = Lerp(el.rearB, el.frontB, 0.75);
        el.boundMid = Mean(el.boundA, el.boundB);
        el.colloc = Lerp(el.rearMid, el.frontMid, 0.25);
        el.legMidA = Mean(el.trailingEdgeA, el.boundA);
        el.legMidB = Mean(el.trailingEdgeB, el.boundB);
        el.legMid = Mean(el.legMidA, el.legMidB);
    }
}

void VlmSolver::BuildTrapezoidWing() {
    const double b = values_.span;
    const double cr = values_.rootChord;
    const double ct = values_.tipChord;
    const double tanSweep = std::tan(Radians(values_.sweep));
    const double tanRoot = std::tan(Radians(values_.rootIncidence));
    const double tanTip = std::tan(Radians(values_.tipIncidence));
    const double tanDihedral = std::tan(Radians(values_.dihedral[0]));
    const int n = values_.stripsPerSegment[0];

    // The root section turns about its trailing edge; the tip hangs below its leading edge.
    VlmSegment& right = segments[0];
    right.leadingEdgeA = {0.0, 0.0, cr * tanRoot};
    right.trailingEdgeA = {cr, 0.0, 0.0};
    right.leadingEdgeB = {b / 2 * tanSweep, b / 2, b / 2 * tanDihedral + cr * tanRoot};
    right.trailingEdgeB = {b / 2 * tanSweep + ct, b / 2,
                           b / 2 * tanDihedral + cr * tanRoot - ct * tanTip};

    // Cosine spacing, fine towards the tip.
    spanCosineOuter.assign(static_cast<size_t>(n), 0.0);
    spanCosineInner.assign(static_cast<size_t>(n), 0.0);
    for (int i = 0; i < n; ++i) {
        spanCosineOuter[i] = std::cos(VlmPi / 2 * (i + 1) / n);
        spanCosineInner[i] = std::cos(VlmPi / 2 * i / n);
    }
    for (int i = 0; i < n; ++i) {
        VlmStrip& strip = right.strips[i];
        strip.leadingEdgeA = Lerp(right.leadingEdgeA, right.leadingEdgeB, spanCosineOuter[i]);
        strip.trailingEdgeA = Lerp(right.trailingEdgeA, right.trailingEdgeB, spanCosineOuter[i]);
        strip.leadingEdgeB = Lerp(right.leadingEdgeA, right.leadingEdgeB, spanCosineInner[i]);
        strip.trailingEdgeB = Lerp(right.trailingEdgeA, right.trailingEdgeB, spanCosineInner[i]);
        strip.leadingEdgeMid = Mean(strip.leadingEdgeA, strip.leadingEdgeB);
        strip.trailingEdgeMid = Mean(strip.trailingEdgeA, strip.trailingEdgeB);
    }

    // The left half is the mirror image with the edges exchanged.
    VlmSegment& left = segments[1];
    left.leadingEdgeA = MirrorY(right.leadingEdgeB);
    left.trailingEdgeA = MirrorY(right.trailingEdgeB);
    left.leadingEdgeB = MirrorY(right.leadingEdgeA);
    left.trailingEdgeB = MirrorY(right.trailingEdgeA);
    for (int j = 0; j < n; ++j) {
        const VlmStrip& mirror = right.strips[n - 1 - j];
        VlmStrip& strip = left.strips[j];
        strip.leadingEdgeA = MirrorY(mirror.leadingEdgeB);
        strip.trailingEdgeA = MirrorY(mirror.trailingEdgeB);
        strip.leadingEdgeB = MirrorY(mirror.leadingEdgeA);
        strip.trailingEdgeB = MirrorY(mirror.trailingEdgeA);
        strip.leadingEdgeMid = MirrorY(mirror.leadingEdgeMid);
        strip.trailingEdgeMid = MirrorY(mirror.trailingEdgeMid);
    }

    ComputeChordwiseDistribution();
    for (VlmSegment& segment : segments) {
        for (VlmStrip& strip : segment.strips) {
            strip.BuildElements(chordFraction);
        }
    }
}

namespace {

// Birnbaum coefficients of a NACA four-digit camber line at an incidence, through 1000 samples
// of the Glauert angle split at the position of maximum camber.
struct NacaSampling {
    double& maxCamberAngle;
    std::array<double, 1000>& angle;
    std::array<double, 1000>& slope;
    std::array<double, kVlmBirnbaumTerms>& sums;
    double& slopeIntegral;
};

std::array<double, kVlmBirnbaumTerms> NacaBirnbaum(NacaSampling s, double camber, double position,
                                                   double incidence) {
    const double m = camber * 0.01;
    const double p = position * 0.1;
    const double thetaP = std::acos(0.2 * position - 1.0);
    s.maxCamberAngle = thetaP;
    for (int k = 0; k < 1000; ++k) {
        if (k < 500) {
            s.angle[k] = thetaP * (k + 1) / 500.0;
            s.slope[k] = m / ((1.0 - p) * (1.0 - p)) * ((2.0 * p - 1.0) - std::cos(s.angle[k]));
        } else {
            s.angle[k] = thetaP + (VlmPi - thetaP) * (k - 499) / 500.0;
            s.slope[k] = m / (p * p) * ((2.0 * p - 1.0) - std::cos(s.angle[k]));
        }
    }
    std::array<double, kVlmBirnbaumTerms> a{};
    for (int n = 0; n < kVlmBirnbaumTerms; ++n) {
        double sum = 0.0;
        for (int k = 0; k < 1000; ++k) {
            const double step = k < 500 ? thetaP / 500.0 : (VlmPi - thetaP) / 500.0;
            sum += std::cos(n * s.angle[k]) * s.slope[k] * step;
        }
        s.sums[n] = sum;
        a[n] = n == 0 ? -(1.0 / VlmPi) * sum : -(2.0 / VlmPi) * sum;
    }
    // The slopes of the truncated series, and the rise of its camber line over the chord.
    for (int k = 0; k < 1000; ++k) {
        double series = 0.0;
        for (int n = 0; n < kVlmBirnbaumTerms; ++n) {
            series += a[n] * std::cos(n * s.angle[k]);
        }
        s.slope[k] = -series;
    }
    double z = 0.5 * (std::cos(s.angle[0]) - 1.0) * s.slope[0];
    for (int k = 1; k < 1000; ++k) {
        z += 0.5 * (std::cos(s.angle[k]) - std::cos(s.angle[k - 1])) * s.slope[k];
    }
    s.slopeIntegral = z;
    a[0] = a[0] + incidence * VlmPi / 180.0 - z;
    return a;
}

}  // namespace

void VlmSolver::ComputeNacaBirnbaumCoefficients() {
    const auto root = NacaBirnbaum(
        {rootMaxCamberAngle, camberAngleRoot, camberSlopeRoot, birnbaumSumRoot, slopeIntegralRoot},
        values_.rootCamber, values_.rootCamberPosition, values_.rootIncidence);
    const auto tip = NacaBirnbaum(
        {tipMaxCamberAngle, camberAngleTip, camberSlopeTip, birnbaumSumTip, slopeIntegralTip},
        values_.tipCamber, values_.tipCamberPosition, values_.tipIncidence);
    segments[0].birnbaumA = root;
    segments[1].birnbaumB = root;
    segments[0].birnbaumB = tip;
    segments[1].birnbaumA = tip;
    for (size_t s = 0; s < segments.size(); ++s) {
        segments[s].ComputeNormals(collocAngle, values_.birnbaumCount, values_.dihedral[s]);
    }
}

void VlmSegment::ComputeNormals(const std::vector<double>& collocAngle, int birnbaumCount,
                                double dihedralDeg) {
    const double d = Radians(dihedralDeg);
    for (size_t i = 0; i < collocAngle.size(); ++i) {
        double sA = 0.0;
        double sB = 0.0;
        for (int p = 0; p < birnbaumCount; ++p) {
            sA -= birnbaumA[p] * std::cos(p * collocAngle[i]);
            sB -= birnbaumB[p] * std::cos(p * collocAngle[i]);
        }
        camberSlopeA[i] = VlmPi / 2 + std::atan(sA);
        camberSlopeB[i] = VlmPi / 2 + std::atan(sB);
    }
    const double yA = trailingEdgeA[1];
    const double yB = trailingEdgeB[1];
    for (VlmStrip& strip : strips) {
        for (size_t i = 0; i < strip.elements.size(); ++i) {
            VlmLatticeElement& el = strip.elements[i];
            const double w = (el.colloc[1] - yB) / (yA - yB);
            const double angle = camberSlopeB[i] + (camberSlopeA[i] - camberSlopeB[i]) * w;
            // cos and sin of the angle through its tilt from pi/2, so that a flat section's
            // normal has an x component of exactly 0 (cos(pi/2) is not).
            const double tilt = angle - VlmPi / 2;
            el.normal = {-std::sin(tilt), -std::cos(tilt) * std::sin(d),
                         std::cos(tilt) * std::cos(d)};
        }
    }
}

void VlmSolver::BuildWingFromGrid(const VlmGridTables& grid) {
    auto station = [&](int t, bool leading) -> VlmPoint {
        if (leading) {
            return {grid.stationLeadingX[t], grid.stationLeadingY[t], grid.stationLeadingZ[t]};
        }
        return {grid.stationTrailingX[t], grid.stationTrailingY[t], grid.stationTrailingZ[t]};
    };
    auto boundary = [&](int p, bool leading) -> VlmPoint {
        if (leading) {
            return {grid.stripEdgeLeadingX[p], grid.stripEdgeLeadingY[p],
                    grid.stripEdgeLeadingZ[p]};
        }
        return {grid.stripEdgeTrailingX[p], grid.stripEdgeTrailingY[p], grid.stripEdgeTrailingZ[p]};
    };
    int strip = 0;
    for (size_t s = 0; s < segments.size(); ++s) {
        VlmSegment& segment = segments[s];
        const int t = static_cast<int>(s);
        segment.leadingEdgeB = station(t, true);
        segment.trailingEdgeB = station(t, false);
        segment.leadingEdgeA = station(t + 1, true);
        segment.trailingEdgeA = station(t + 1, false);
        for (VlmStrip& st : segment.strips) {
            st.leadingEdgeB = boundary(strip, true);
            st.trailingEdgeB = boundary(strip, false);
            st.leadingEdgeA = boundary(strip + 1, true);
            st.trailingEdgeA = boundary(strip + 1, false);
            st.leadingEdgeMid = Mean(st.leadingEdgeA, st.leadingEdgeB);
            st.trailingEdgeMid = Mean(st.trailingEdgeA, st.trailingEdgeB);
            ++strip;
        }
    }
    ComputeChordwiseDistribution();
    for (VlmSegment& segment : segments) {
        for (VlmStrip& st : segment.strips) {
            st.BuildElements(chordFraction);
        }
    }
    values_.span = segments.front().trailingEdgeB[1] - segments.back().trailingEdgeA[1];
}

void VlmSolver::CopyGridBirnbaumCoefficients(const VlmGridTables& grid) {
    for (size_t s = 0; s < segments.size(); ++s) {
        for (int n = 0; n < kVlmBirnbaumTerms; ++n) {
            segments[s].birnbaumB[n] = grid.stationBirnbaum[n][s];
            segments[s].birnbaumA[n] = grid.stationBirnbaum[n][s + 1];
        }
        segments[s].ComputeNormals(collocAngle, values_.birnbaumCount, values_.dihedral[s]);
    }
}

void VlmSolver::FlattenLattice() {
    size_t e = 0;
    for (const VlmSegment& segment : segments) {
        for (const VlmStrip& strip : segment.strips) {
            for (const VlmLatticeElement& el : strip.elements) {
                boundA.Set(e, el.boundA);
                boundMid.Set(e, el.boundMid);
                boundB.Set(e, el.boundB);
                trailingEdgeA.Set(e, el.trailingEdgeA);
                trailingEdgeB.Set(e, el.trailingEdgeB);
                frontA.Set(e, el.frontA);
                frontMid.Set(e, el.frontMid);
                frontB.Set(e, el.frontB);
                rearA.Set(e, el.rearA);
                rearMid.Set(e, el.rearMid);
                rearB.Set(e, el.rearB);
                colloc.Set(e, el.colloc);
                normal.Set(e, el.normal);
                legMid.Set(e, el.legMid);
                ++e;
            }
        }
    }
}

void VlmSolver::ComputeDampingRadius() {
    double radius = 0.0;
    for (size_t e = 0; e < gamma.size(); ++e) {
        diagonal1[e] = Distance(rearB.At(e), frontA.At(e));
        diagonal2[e] = Distance(rearA.At(e), frontB.At(e));
        radius = std::max({radius, diagonal1[e], diagonal2[e]});
    }
    if (values_.gridRoute == 1) {
        radius *= values_.dampingFactor;
    }
    dampingRadius = radius;
}

bool VlmSolver::BuildWake() {
    const VlmSegment& tipSegment = segments[0];
    const double first = 0.5 * (tipSegment.trailingEdgeB[0] - tipSegment.leadingEdgeB[0]);
    const double target = values_.wakeLength * values_.span;
    // Growth ratio q of the wake elements so that their lengths add up to the target within 1 %;
    // the ratio is corrected once more after the pass that meets the tolerance.
    double q = 1.05;
    int passes = 0;
    for (;;) {
        double sum = 0.0;
        double power = 1.0;
        for (int k = 0; k < nw_; ++k) {
            sum += first * power;
            power *= q;
        }
        const double err = (target - sum) / target;
        q = q + 0.01 * (1.0 - sum / target);
        ++passes;
        if (!std::isfinite(q) || !std::isfinite(err)) {
            wakeFitPasses = passes;
            wakeGrowthRatio = q;
            return false;
        }
        if (std::fabs(err) < 0.01) {
            break;
        }
        if (passes >= kWakeFitPassLimit) {
            wakeFitPasses = passes;
            wakeGrowthRatio = q;
            return false;
        }
    }
    wakeFitPasses = passes;
    wakeGrowthRatio = q;
    if (nw_ > 0) {
        wakeElementLength[0] = first;
    }
    for (int k = 1; k < nw_; ++k) {
        wakeElementLength[k] = q * wakeElementLength[k - 1];
    }

    VlmWakeRow& edge = wakeRows[0];
    edge.x[0] = trailingEdgeB.x[0];
    edge.y[0] = trailingEdgeB.y[0];
    edge.z[0] = trailingEdgeB.z[0];
    for (int p = 0; p < ny_; ++p) {
        const size_t e = static_cast<size_t>(nx_) * p;
        edge.x[p + 1] = trailingEdgeA.x[e];
        edge.y[p + 1] = trailingEdgeA.y[e];
        edge.z[p + 1] = trailingEdgeA.z[e];
    }
    const VlmPoint dir = FreeStreamDirection();
    for (int k = 1; k <= nw_; ++k) {
        const double l = wakeElementLength[k - 1];
        for (int p = 0; p <= ny_; ++p) {
            wakeRows[k].x[p] = wakeRows[k - 1].x[p] + l * dir[0];
            wakeRows[k].y[p] = wakeRows[k - 1].y[p] + l * dir[1];
            wakeRows[k].z[p] = wakeRows[k - 1].z[p] + l * dir[2];
        }
    }
    UpdateWakeMidpoints();
    return true;
}

VlmPoint VlmSolver::FreeStreamDirection() const {
    const double a = Radians(values_.alpha);
    const double b = Radians(values_.beta);
    return {std::cos(a) * std::cos(b), std::cos(a) * std::sin(b), std::sin(a)};
}

void VlmSolver::PackVortexPoints() {
    for (size_t e = 0; e < gamma.size(); ++e) {
        const VlmPoint corners[4] = {trailingEdgeA.At(e), boundA.At(e), boundB.At(e),
                                     trailingEdgeB.At(e)};
        for (int c = 0; c < 4; ++c) {
            ringX[4 * e + c] = corners[c][0];
            ringY[4 * e + c] = corners[c][1];
            ringZ[4 * e + c] = corners[c][2];
        }
    }
    wingSegments_.Resize(3 * gamma.size());
    for (size_t e = 0; e < gamma.size(); ++e) {
        for (size_t c = 0; c < 3; ++c) {
            const size_t k = 4 * e + c;
            wingSegments_.Set(3 * e + c, {ringX[k], ringY[k], ringZ[k]},
                              {ringX[k + 1], ringY[k + 1], ringZ[k + 1]});
        }
    }
}
