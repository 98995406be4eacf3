#include "panel3d/solver/core/Panel3dInducedVelocity.h"

#include <cmath>

#include "panel3d/solver/core/Panel3dModule.h"
#include "panel3d/solver/core/Panel3dPairedArctangents.h"

namespace {

// Velocity of the straight vortex segment from b to a of strength gamma at p, with the core
// radius R and the damping exponent inside the core: inside the core the velocity at the core
// radius, damped towards the line.
Panel3dVector CoreSegment(const Panel3dVector& b, const Panel3dVector& a, double gamma,
                          const Panel3dVector& p, double coreRadius, double exponent) {
    const Panel3dVector r0 = a - b;
    const double length = Length(r0);
    const double t = Dot(p - b, r0) / (length * length);
    const Panel3dVector foot = b + t * r0;
    const Panel3dVector d = p - foot;
    const double distance = Length(d);
    const Panel3dVector moved = foot + (coreRadius / distance) * d;
    const Panel3dVector r1 = moved - b;
    const Panel3dVector r2 = moved - a;
    const Panel3dVector cr = Cross(r1, r2);
    const double k =
        gamma * Panel3dInv4pi * (Dot(r0, r1) / Length(r1) - Dot(r0, r2) / Length(r2)) / Dot(cr, cr);
    const double ratio = distance / coreRadius;
    return (exponent == 1.0 ? ratio : std::pow(ratio, exponent)) * (k * cr);
}

// The field point's offsets from the corners, and their inverse lengths.
struct Corners {
    Panel3dVector d[4];
    double inverse[4];
};

[[gnu::always_inline]] inline Corners CornerOffsets(const Panel3dVelocityTerms& t,
                                                    const Panel3dVector& p) {
    Corners c;
    for (int k = 0; k < 4; ++k) {
        c.d[k] = p - t.corner[k];
        c.inverse[k] = 1 / Length(c.d[k]);
    }
    return c;
}

// Segment k from corner b to corner a, with r1 = p - b and r2 = p - a. |r1 x r2| is the
// distance from the segment's line times its length: nothing on the line and its extension
// (below the smallest distance), the damped form inside the core.
[[gnu::always_inline]] inline Panel3dVector Segment(const Panel3dVelocityTerms& t, int k, int b,
                                                    int a, const Corners& c, const Panel3dVector& p,
                                                    double coreRadius, double exponent) {
    const double length = t.segmentLength[k];
    if (!(length > 0)) {
        return {};
    }
    const Panel3dVector& r1 = c.d[b];
    const Panel3dVector& r2 = c.d[a];
    const Panel3dVector cr = Cross(r1, r2);
    const double square = Dot(cr, cr);
    const double least = t.minDistance * length;
    if (!(square > least * least)) {
        return {};
    }
    const double core = coreRadius * length;
    if (!(square > core * core)) {
        return CoreSegment(t.corner[b], t.corner[a], t.gamma, p, coreRadius, exponent);
    }
    const Panel3dVector r0 = t.corner[a] - t.corner[b];
    const double f = t.gamma * Panel3dInv4pi *
                     (Dot(r0, r1) * c.inverse[b] - Dot(r0, r2) * c.inverse[a]) / square;
    return f * cr;
}

// The source sheet's velocity: the tangential parts from the logarithms of the side terms, the
// normal part from the arctangent sum.
Panel3dVector Source(const Panel3dVelocityTerms& t, const Panel3dVector& p) {
    const Panel3dVector d = p - t.centroid;
    const double x = Dot(d, t.axisL);
    const double y = Dot(d, t.axisM);
    double z = Dot(d, t.normal);
    // A point in the plane counts as lying on the side opposite the normal; a distance at the
    // rounding level of the coordinates is taken as in the plane.
    if (std::fabs(z) <= 1e-13 * (std::fabs(x) + std::fabs(y) + t.meanDiagonal)) {
        z = 0;
    }
    const double eps = t.minDistance;
    if (z > 0 && z < eps) {
        z = eps;
    } else if (z > -eps && z <= 0) {
        z = -eps;
    }
    double r[4], e[4], h[4];
    for (int k = 0; k < 4; ++k) {
        const double dx = x - t.localX[k];
        const double dy = y - t.localY[k];
        r[k] = std::sqrt(dx * dx + dy * dy + z * z);
        e[k] = dx * dx + z * z;
        h[k] = dx * dy;
    }
    double logs[4];
    for (int k = 0; k < 4; ++k) {
        const int k1 = (k + 1) % 4;
        const double sum = r[k] + r[k1];
        const double length = t.sideLength[k];
        double quotient = length > 0 ? (sum - length) / (sum + length) : 1.0;
        if (!(quotient > eps)) {
            quotient = eps;
        }
        logs[k] = quotient;
    }
    panel3d_kernels::Log4(logs);
    double u = 0, v = 0;
    for (int k = 0; k < 4; ++k) {
        u += t.sideU[k] * logs[k];
        v += t.sideV[k] * logs[k];
    }
    const double sum = panel3d_kernels::PairedArctangentSum(z, r, e, h, t.slope);
    const double s = t.s;
    return (s * u) * t.axisL + (s * v) * t.axisM + (s * sum) * t.normal;
}

Panel3dVelocityTerms SegmentTerms(const Panel3dPanel& panel, double gamma) {
    Panel3dVelocityTerms t;
    t.gamma = gamma;
    t.minDistance = panel.minDistance;
    for (int k = 0; k < 4; ++k) t.corner[k] = panel.PlanarCorner(k);
    for (int k = 0; k < 4; ++k) {
        t.segmentLength[k] = gamma == 0 ? 0.0 : Length(t.corner[k] - t.corner[(k + 1) % 4]);
    }
    return t;
}

}  // namespace

Panel3dVelocityTerms Panel3dWingVelocityTerms(const Panel3dPanel& panel) {
    Panel3dVelocityTerms t = SegmentTerms(panel, -panel.doubletStrength);
    t.hasSource = panel.sourceStrength != 0;
    t.s = panel.sourceStrength * Panel3dInv4pi;
    t.centroid = panel.Centroid();
    t.axisL = panel.AxisL();
    t.axisM = panel.AxisM();
    t.normal = panel.Normal();
    t.meanDiagonal = panel.meanDiagonal;
    for (int k = 0; k < 4; ++k) {
        const int k1 = (k + 1) % 4;
        t.localX[k] = panel.localX[k];
        t.localY[k] = panel.localY[k];
        const double d = panel.planarSideLength[k];
        t.sideLength[k] = d;
        if (d > 0) {
            t.sideU[k] = (panel.localY[k1] - panel.localY[k]) / d;
            t.sideV[k] = (panel.localX[k] - panel.localX[k1]) / d;
        }
        t.slope[k] = panel.sideSlope[k];
    }
    return t;
}

Panel3dVelocityTerms Panel3dWakeVelocityTerms(const Panel3dPanel& panel) {
    return SegmentTerms(panel, panel.doubletStrength);
}

Panel3dVector Panel3dWingVelocity(const Panel3dVelocityTerms& t, const Panel3dVector& p,
                                  double coreRadius) {
    Panel3dVector result = t.hasSource ? Source(t, p) : Panel3dVector{};
    if (t.gamma == 0) {
        return result;
    }
    const Corners c = CornerOffsets(t, p);
    result = result + Segment(t, 0, 1, 0, c, p, coreRadius, 1.0);
    result = result + Segment(t, 1, 2, 1, c, p, coreRadius, 1.0);
    result = result + Segment(t, 2, 3, 2, c, p, coreRadius, 1.0);
    result = result + Segment(t, 3, 0, 3, c, p, coreRadius, 1.0);
    return result;
}

Panel3dVector Panel3dTrailingEdgeVelocity(const Panel3dVelocityTerms& t, const Panel3dVector& p,
                                          double coreRadius) {
    if (t.gamma == 0) {
        return {};
    }
    const Corners c = CornerOffsets(t, p);
    Panel3dVector v = Segment(t, 0, 1, 0, c, p, coreRadius, 1.0);
    v = v + Segment(t, 1, 2, 1, c, p, coreRadius, 1.0);
    v = v + Segment(t, 3, 0, 3, c, p, coreRadius, 1.0);
    return v;
}

Panel3dVector Panel3dFreeWakeVelocity(const Panel3dVelocityTerms& t, const Panel3dVector& p,
                                      double coreRadius) {
    if (t.gamma == 0) {
        return {};
    }
    const Corners c = CornerOffsets(t, p);
    Panel3dVector v = Segment(t, 1, 2, 1, c, p, coreRadius, 0.4);
    v = v + Segment(t, 3, 0, 3, c, p, coreRadius, 0.4);
    return v;
}

Panel3dVector Panel3dPanel::SourceVelocity(const Panel3dVector& p, double coreRadius) const {
    return Panel3dWingVelocity(Panel3dWingVelocityTerms(*this), p, coreRadius);
}

Panel3dVector Panel3dPanel::DoubletVelocity(const Panel3dVector& p, double coreRadius) const {
    return Panel3dTrailingEdgeVelocity(Panel3dWakeVelocityTerms(*this), p, coreRadius);
}

Panel3dVector Panel3dPanel::WakeDoubletVelocity(const Panel3dVector& p, double coreRadius) const {
    return Panel3dFreeWakeVelocity(Panel3dWakeVelocityTerms(*this), p, coreRadius);
}

Panel3dInducedVelocity::Panel3dInducedVelocity(
    const std::vector<Panel3dPanel>& wing,
    const std::vector<Panel3dTrailingEdgeWakePanel>& trailingEdgeWake,
    const std::vector<Panel3dFreeWakePanel>& freeWake, double coreRadius)
    : coreRadius_(coreRadius) {
    wing_.reserve(wing.size());
    for (const Panel3dPanel& p : wing) wing_.push_back(Panel3dWingVelocityTerms(p));
    trailingEdge_.reserve(trailingEdgeWake.size());
    for (const Panel3dPanel& p : trailingEdgeWake) {
        trailingEdge_.push_back(Panel3dWakeVelocityTerms(p));
    }
    free_.reserve(freeWake.size());
    for (const Panel3dPanel& p : freeWake) free_.push_back(Panel3dWakeVelocityTerms(p));
}

Panel3dVector Panel3dInducedVelocity::Add(Panel3dVector v, const Panel3dVector& p) const {
    for (const Panel3dVelocityTerms& t : wing_) v = v + Panel3dWingVelocity(t, p, coreRadius_);
    for (const Panel3dVelocityTerms& t : trailingEdge_) {
        v = v + Panel3dTrailingEdgeVelocity(t, p, coreRadius_);
    }
    for (const Panel3dVelocityTerms& t : free_) v = v + Panel3dFreeWakeVelocity(t, p, coreRadius_);
    return v;
}
