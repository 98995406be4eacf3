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
// velocities summed on all cores; the free-wake panels' geometry is left to the caller.
inline void Relax(Panel3dModel& w) {
    const bool symmetric = w.Symmetric() == 1;
    const int strips = w.StripCount();
    const int stations = strips + 1;
    const int rows = w.WakeRows();
    const int movedStations = symmetric ? w.SpanPanels() + 1 : stations;
    const int movedStrips = movedStations - 1;
    auto panel = [&](int strip, int row) -> Panel3dFreeWakePanel& {
        return w.freeWake[strip + strips * row];
    };
    const double a = panel3d::Panel3dPi * w.operatingPoint.alpha / 180.0;
    const double b = panel3d::Panel3dPi * w.operatingPoint.sideslip / 180.0;
    const Panel3dVector freeStream{std::cos(a) * std::cos(b), std::cos(a) * std::sin(b),
                                   std::sin(a)};
    auto side = [&](int s, int r, Panel3dVector& from, Panel3dVector& to) {
        if (s == 0) {
            from = panel(0, r).Corner(1);
            to = panel(0, r).Corner(2);
        } else {
            from = panel(s - 1, r).Corner(0);
            to = panel(s - 1, r).Corner(3);
        }
    };
    const long nodes = static_cast<long>(movedStations) * rows;
#pragma omp parallel for schedule(dynamic, 1)
    for (long e = 0; e < nodes; ++e) {
        const int s = static_cast<int>(e % movedStations);
        const int r = static_cast<int>(e / movedStations);
        Panel3dVector from, to;
        side(s, r, from, to);
        const Panel3dVector at = 0.5 * (from + to);
        const Panel3dVector v = NodeVelocity(w, freeStream, at);
        Panel3dWakeNode& node = w.wakeNodes[s + stations * r];
        node.position = {at.x, at.y, at.z};
        node.velocity = {v.x, v.y, v.z};
        const Panel3dPanel& owner = s == 0 ? panel(0, r) : panel(s - 1, r);
        const double length = s == 0 ? owner.sideLength[1] : owner.sideLength[3];
        Panel3dVector step;
        const double vu = v.y / v.x;
        const double wu = v.z / v.x;
        if (v.x > 0 && std::isfinite(vu) && std::isfinite(wu)) {
            const double along = length / std::sqrt(1 + vu * vu + wu * wu);
            step = {along, along * vu, along * wu};
        } else {
            const Panel3dVector old = to - from;
            step = (length / Length(old)) * old;
        }
        node.step = {step.x, step.y, step.z};
    }
    for (int r = 0; r < rows; ++r) {
        if (r >= 1) {
            for (int j = 0; j < movedStrips; ++j) {
                panel(j, r).SetCorner(1, panel(j, r - 1).Corner(2));
                panel(j, r).SetCorner(0, panel(j, r - 1).Corner(3));
            }
        }
        Panel3dFreeWakePanel& first = panel(0, r);
        const auto& s0 = w.wakeNodes[stations * r].step;
        first.SetCorner(2, first.Corner(1) + Panel3dVector{s0[0], s0[1], s0[2]});
        for (int j = 0; j < movedStrips; ++j) {
            Panel3dFreeWakePanel& p = panel(j, r);
            const auto& sj = w.wakeNodes[j + 1 + stations * r].step;
            const Panel3dVector c3 = p.Corner(0) + Panel3dVector{sj[0], sj[1], sj[2]};
            p.SetCorner(3, c3);
            if (j < movedStrips - 1) {
                panel(j + 1, r).SetCorner(2, c3);
            }
        }
    }
    if (symmetric) {
        static const int kMirrorCorner[4] = {1, 0, 3, 2};
        for (int r = 0; r < rows; ++r) {
            for (int j = movedStrips; j < strips; ++j) {
                const Panel3dFreeWakePanel& source = panel(strips - 1 - j, r);
                Panel3dFreeWakePanel& p = panel(j, r);
                for (int k = 0; k < 4; ++k) {
                    Panel3dVector c = source.Corner(kMirrorCorner[k]);
                    c.y = -c.y;
                    p.SetCorner(k, c);
                }
            }
        }
    }
}

}  // namespace panel3d_reference
