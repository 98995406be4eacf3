// Loads of the vortex-lattice method: reference values, strip and element loads, and the forces
// and moments by the Kutta-Joukowski law at the bound vortices and the trailing legs.

#include <cmath>

#include "common/core/FreeCores.h"
#include "vlm/core/VlmSolver.h"

namespace {

VlmPoint Sub(const VlmPoint& a, const VlmPoint& b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}

VlmPoint Add(const VlmPoint& a, const VlmPoint& b) {
    return {a[0] + b[0], a[1] + b[1], a[2] + b[2]};
}

VlmPoint Scale(const VlmPoint& a, double s) { return {a[0] * s, a[1] * s, a[2] * s}; }

double Dot(const VlmPoint& a, const VlmPoint& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

VlmPoint Cross(const VlmPoint& a, const VlmPoint& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

double Norm(const VlmPoint& a) { return std::sqrt(Dot(a, a)); }

// The point of the station line a -> b that lies on the line through c along d.
VlmPoint StationPoint(const VlmPoint& c, const VlmPoint& a, const VlmPoint& b, const VlmPoint& d) {
    const double t = Dot(Sub(c, a), d) / Dot(Sub(b, a), d);
    return Add(a, Scale(Sub(b, a), t));
}

}  // namespace

void VlmSegment::ComputeChordSquareIntegral() {
    const double cA = trailingEdgeA[0] - leadingEdgeA[0];
    const double cB = trailingEdgeB[0] - leadingEdgeB[0];
    const double yA = trailingEdgeA[1];
    const double yB = trailingEdgeB[1];
    const double m = (cB - cA) / (yB - yA);
    const double n = cA - m * yA;
    auto f = [&](double y) { return m * m * y * y * y / 3.0 + m * n * y * y + n * n * y; };
    chordSquareIntegral = f(yB) - f(yA);
}

void VlmSolver::ComputeLoads() {
    const double v = values_.freeStreamSpeed;
    double area = 0.0;
    double chordSquares = 0.0;
    for (VlmSegment& segment : segments) {
        const double cA = segment.trailingEdgeA[0] - segment.leadingEdgeA[0];
        const double cB = segment.trailingEdgeB[0] - segment.leadingEdgeB[0];
        segment.area = 0.5 * (cA + cB) * (segment.trailingEdgeB[1] - segment.trailingEdgeA[1]);
        area += segment.area;
        segment.ComputeChordSquareIntegral();
        chordSquares += segment.chordSquareIntegral;
    }
    results = VlmResults();
    results.chordwiseCount = nx_;
    results.spanwiseCount = ny_;
    results.span = values_.span;
    results.refArea = area;
    results.refChord = chordSquares / area;

    for (int j = 0; j < ny_; ++j) {
        double circulation = 0.0;
        for (int i = 0; i < nx_; ++i) {
            circulation += gamma[j * nx_ + i];
        }
        stripCirculation[j] = circulation;
        const size_t e = static_cast<size_t>((j + 1) * nx_ - 1);
        const double cA = trailingEdgeA.x[e] - frontA.x[e];
        const double cB = trailingEdgeB.x[e] - frontB.x[e];
        stripLiftCoefficient[j] = 4.0 * circulation / ((cA + cB) * v);
    }
    results.spanCirculation = stripCirculation;
    results.spanCa = stripLiftCoefficient;
    results.spanY.resize(static_cast<size_t>(ny_));
    for (int j = 0; j < ny_; ++j) {
        results.spanY[j] = colloc.y[static_cast<size_t>(j) * nx_];
    }

    // Pressure difference: the circulation over the element's length through the collocation
    // point, times the free stream's component from the bound vortex towards that point.
    const VlmPoint dir = FreeStreamDirection();
    for (size_t e = 0; e < gamma.size(); ++e) {
        const VlmPoint c = colloc.At(e);
        const VlmPoint d = Sub(boundB.At(e), boundA.At(e));
        const VlmPoint front = StationPoint(c, frontA.At(e), frontB.At(e), d);
        const VlmPoint rear = StationPoint(c, rearA.At(e), rearB.At(e), d);
        const double length = Norm(Sub(rear, front));
        const VlmPoint fromBound = Sub(c, boundA.At(e));
        const VlmPoint s = Sub(fromBound, Scale(d, Dot(fromBound, d) / Dot(d, d)));
        const VlmPoint sHat = Scale(s, 1.0 / Norm(s));
        pressureDifference[e] = gamma[e] * Dot(dir, sHat) / (length * v);
    }

    const size_t tip = 0;
    const size_t root = static_cast<size_t>((ny_ / 2 - 1) * nx_);
    const size_t n = static_cast<size_t>(nx_);
    results.cpTipX.resize(2 * n);
    results.cpTip.resize(2 * n);
    results.cpRootX.resize(2 * n);
    results.cpRoot.resize(2 * n);
    for (size_t i = 0; i < n; ++i) {
        results.cpTipX[i] = colloc.x[tip + i];
        results.cpTip[i] = -pressureDifference[tip + i];
        results.cpRootX[i] = colloc.x[root + i];
        results.cpRoot[i] = -pressureDifference[root + i];
    }
    for (size_t l = n; l < 2 * n; ++l) {
        const size_t m = 2 * n - 1 - l;
        results.cpTipX[l] = colloc.x[tip + m];
        results.cpTip[l] = pressureDifference[tip + m];
        results.cpRootX[l] = colloc.x[root + m];
        results.cpRoot[l] = pressureDifference[root + m];
    }
    results.cpTipLeadingX = frontMid.x[tip + n - 1];
    results.cpRootLeadingX = frontMid.x[root + n - 1];
    results.cpTipTrailingX = rearMid.x[tip];
    results.cpRootTrailingX = rearMid.x[root];

    progress_.SetProgress(108);
    progress_.SetStatus(0, "Berechnung Kräfte und Momente...");
    progress_.SetStatus(1, "");
    ComputeForces(UsesHalfSystem());
    progress_.SetProgress(171);
    unwrittenFiles = WriteResultFiles();
    progress_.SetProgress(176);
}

void VlmSolver::ComputeForces(bool half) {
    const size_t count = half ? gamma.size() / 2 : gamma.size();
    const double rho = values_.density;
    const double factor = half ? 2.0 : 1.0;
    SegmentStrengths();
    // The forces of elements [first, last) on the free cores: each element's two points take one
    // pass over the segments.
    const int threads = luvo::LoopThreads();
    auto forces = [&](size_t first, size_t last) {
        if (first >= last) {
            return;
        }
#pragma omp parallel for schedule(dynamic, 1) num_threads(threads)
        for (size_t m = first; m < last; ++m) {
            VlmPoint bVel, lVel;
            InducedVelocities(boundMid.At(m), legMid.At(m), bVel, lVel);
            const VlmPoint bForce =
                Scale(Cross(bVel, Sub(boundB.At(m), boundA.At(m))), rho * gamma[m]);
            const VlmPoint legs =
                Add(Sub(boundA.At(m), trailingEdgeA.At(m)), Sub(trailingEdgeB.At(m), boundB.At(m)));
            const VlmPoint lForce = Scale(Cross(lVel, legs), rho * gamma[m]);
            boundVel.Set(m, bVel);
            boundForce.Set(m, bForce);
            legVel.Set(m, lVel);
            legForce.Set(m, lForce);
        }
    };
    // The bar grows by 35 % over the elements, one step before each; with a window to draw it,
    // the elements go to the cores in the runs between two widths of the bar.
    double p = 60.0;
    if (progress_.Reports()) {
        size_t first = 0;
        int width = -1;
        for (size_t m = 0; m < count; ++m) {
            p += 35.0 / static_cast<double>(count);
            const int w = static_cast<int>(1.8 * p);
            if (w != width) {
                forces(first, m);
                first = m;
                width = w;
                progress_.SetPercent(p);
            }
        }
        forces(first, count);
    } else {
        forces(0, count);
    }
    // Summed in element order, so that the totals do not depend on the number of threads.
    VlmPoint force = {0.0, 0.0, 0.0};
    VlmPoint moment = {0.0, 0.0, 0.0};
    for (size_t m = 0; m < count; ++m) {
        const VlmPoint bForce = boundForce.At(m);
        const VlmPoint lForce = legForce.At(m);
        const VlmPoint f = Add(bForce, lForce);
        const VlmPoint mo = Add(Cross(boundMid.At(m), bForce), Cross(legMid.At(m), lForce));
        force = Add(force, Scale(f, factor));
        moment = Add(moment, Scale(mo, factor));
    }
    if (half) {
        // The two halves' side forces, rolling and yawing moments cancel.
        force[1] = 0.0;
    }
    const double a = values_.alpha * VlmPi / 180.0;
    const double b = values_.beta * VlmPi / 180.0;
    const double inPlane = std::cos(b) * force[0] + std::sin(b) * force[1];
    const double lift = std::cos(a) * force[2] - std::sin(a) * inPlane;
    const double drag = std::cos(a) * inPlane + std::sin(a) * force[2];
    const double v = values_.freeStreamSpeed;
    const double qs = 0.5 * rho * v * v * results.refArea;
    const double span = values_.span;
    results.ca = lift / qs;
    results.cwi = drag / qs;
    results.kFactor =
        results.cwi * VlmPi * span * span / (results.ca * results.ca * results.refArea);
    results.cmx = half ? 0.0 : moment[0] / (qs * results.refChord);
    results.cmy = moment[1] / (qs * results.refChord);
    results.cmz = half ? 0.0 : moment[2] / (qs * results.refChord);
    results.liftPerSpan = lift / span;
}
