#pragma once
// The velocity kernels of the panels in their straightforward closed form, term by term with one
// arctangent per corner of each side, and the relaxation step built on them: the reference the
// faster kernels of the solver are checked against (tests) and timed against (benchmark).

#include <cmath>

#include "panel3d/core/Panel3dModel.h"
#include "panel3d/core/Panel3dModule.h"
#include "panel3d/core/Panel3dPanel.h"

namespace panel3d_reference {

struct LocalPoint {
    double x = 0, y = 0, z = 0;
    double r[4]{}, e[4]{}, h[4]{};
};

// The field point in the panel's axes, z clamped as the kernels take it, with the corner terms.
inline LocalPoint ToLocal(const Panel3dPanel& panel, const Panel3dVector& p) {
    const Panel3dVector d = p - panel.Centroid();
    LocalPoint q;
    q.x = Dot(d, panel.AxisL());
    q.y = Dot(d, panel.AxisM());
    q.z = Dot(d, panel.Normal());
    if (std::fabs(q.z) <= 1e-13 * (std::fabs(q.x) + std::fabs(q.y) + panel.meanDiagonal)) {
        q.z = 0;
    }
    const double eps = panel.minDistance;
    if (q.z > 0 && q.z < eps) {
        q.z = eps;
    } else if (q.z > -eps && q.z <= 0) {
        q.z = -eps;
    }
    for (int k = 0; k < 4; ++k) {
        const double dx = q.x - panel.localX[k];
        const double dy = q.y - panel.localY[k];
        q.r[k] = std::sqrt(dx * dx + dy * dy + q.z * q.z);
        q.e[k] = dx * dx + q.z * q.z;
        q.h[k] = dx * dy;
    }
    return q;
}

inline double ArctangentSum(const Panel3dPanel& panel, const LocalPoint& q) {
    double t = 0;
    for (int k = 0; k < 4; ++k) {
        const int k1 = (k + 1) % 4;
        const double m = panel.sideSlope[k];
        if (!std::isfinite(m)) {
            continue;
        }
        t += std::atan((m * q.e[k] - q.h[k]) / (q.z * q.r[k])) -
             std::atan((m * q.e[k1] - q.h[k1]) / (q.z * q.r[k1]));
    }
    return t;
}

inline Panel3dVector Segment(const Panel3dVector& b, const Panel3dVector& a, double gamma,
                             const Panel3dVector& p, double coreRadius, double exponent,
                             double eps) {
    const Panel3dVector r0 = a - b;
    const double length = Length(r0);
    if (!(length > 0) || gamma == 0) {
        return {};
    }
    const double delta = Length(Cross(p - b, r0)) / length;
    if (!(delta > eps)) {
        return {};
    }
    auto induced = [&](const Panel3dVector& at) {
        const Panel3dVector r1 = at - b;
        const Panel3dVector r2 = at - a;
        const Panel3dVector cr = Cross(r1, r2);
        const double k = gamma * panel3d::Panel3dInv4pi *
                         (Dot(r0, r1) / Length(r1) - Dot(r0, r2) / Length(r2)) / Dot(cr, cr);
        return k * cr;
    };
    if (delta > coreRadius) {
        return induced(p);
    }
    const double t = Dot(p - b, r0) / (length * length);
    const Panel3dVector foot = b + t * r0;
    const Panel3dVector d = p - foot;
    const double distance = Length(d);
    const Panel3dVector moved = foot + (coreRadius / distance) * d;
    return std::pow(distance / coreRadius, exponent) * induced(moved);
}

// A wing panel: source sheet and closed vortex ring of strength -mu.
inline Panel3dVector SourceVelocity(const Panel3dPanel& panel, const Panel3dVector& p,
                                    double coreRadius) {
    Panel3dVector result;
    if (panel.sourceStrength != 0) {
        const LocalPoint q = ToLocal(panel, p);
        double u = 0;
        double v = 0;
        for (int k = 0; k < 4; ++k) {
            const int k1 = (k + 1) % 4;
            const double d = panel.planarSideLength[k];
            if (!(d > 0)) {
                continue;
            }
            const double sum = q.r[k] + q.r[k1];
            double quotient = (sum - d) / (sum + d);
            if (!(quotient > panel.minDistance)) {
                quotient = panel.minDistance;
            }
            const double log = std::log(quotient);
            u += (panel.localY[k1] - panel.localY[k]) / d * log;
            v += (panel.localX[k] - panel.localX[k1]) / d * log;
        }
        const double s = panel.sourceStrength * panel3d::Panel3dInv4pi;
        const double normal = s * ArctangentSum(panel, q);
        result = (s * u) * panel.AxisL() + (s * v) * panel.AxisM() + normal * panel.Normal();
    }
    const double gamma = -panel.doubletStrength;
    const double eps = panel.minDistance;
    Panel3dVector c[4];
    for (int k = 0; k < 4; ++k) c[k] = panel.PlanarCorner(k);
    result = result + Segment(c[1], c[0], gamma, p, coreRadius, 1.0, eps);
    result = result + Segment(c[2], c[1], gamma, p, coreRadius, 1.0, eps);
    result = result + Segment(c[3], c[2], gamma, p, coreRadius, 1.0, eps);
    result = result + Segment(c[0], c[3], gamma, p, coreRadius, 1.0, eps);
    return result;
}

// A trailing-edge wake panel: open ring of strength mu without its downstream edge.
inline Panel3dVector DoubletVelocity(const Panel3dPanel& panel, const Panel3dVector& p,
                                     double coreRadius) {
    const double mu = panel.doubletStrength;
    const double eps = panel.minDistance;
    Panel3dVector c[4];
    for (int k = 0; k < 4; ++k) c[k] = panel.PlanarCorner(k);
    Panel3dVector v = Segment(c[1], c[0], mu, p, coreRadius, 1.0, eps);
    v = v + Segment(c[2], c[1], mu, p, coreRadius, 1.0, eps);
    v = v + Segment(c[0], c[3], mu, p, coreRadius, 1.0, eps);
    return v;
}

// A free-wake panel: its two streamwise sides of strength mu.
inline Panel3dVector WakeDoubletVelocity(const Panel3dPanel& panel, const Panel3dVector& p,
                                         double coreRadius) {
    const double mu = panel.doubletStrength;
    const double eps = panel.minDistance;
    Panel3dVector v =
        Segment(panel.PlanarCorner(2), panel.PlanarCorner(1), mu, p, coreRadius, 0.4, eps);
    v = v + Segment(panel.PlanarCorner(0), panel.PlanarCorner(3), mu, p, coreRadius, 0.4, eps);
    return v;
}

// Free stream plus what every panel of the model induces at p, summed panel by panel.
inline Panel3dVector NodeVelocity(const Panel3dModel& w, const Panel3dVector& freeStream,
                                  const Panel3dVector& p) {
    Panel3dVector v = freeStream;
    for (const Panel3dPanel& q : w.wingPanels) v = v + SourceVelocity(q, p, w.coreRadius);
    for (const Panel3dPanel& q : w.trailingEdgeWake) v = v + DoubletVelocity(q, p, w.coreRadius);
    for (const Panel3dPanel& q : w.freeWake) v = v + WakeDoubletVelocity(q, p, w.coreRadius);
    return v;
}

// One wake relaxation of the model (the half model moves its own half and mirrors it), the node
// velocities from the closed forms; the free-wake panels' geometry is left to the caller.
inline void Relax(Panel3dModel& w) {
    w.RelaxWith([&w](const Panel3dVector& freeStream, const Panel3dVector& at) {
        return NodeVelocity(w, freeStream, at);
    });
}

}  // namespace panel3d_reference
