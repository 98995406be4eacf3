// Wake relaxation: every free-wake row is re-aligned with the local flow at its nodes, the
// velocity there being the free stream plus what the wing, the trailing-edge row and the free
// wake induce. The node velocities are summed on all cores, each node in one fixed order.

#include <cmath>

#include "common/core/FreeCores.h"
#include "panel3d/core/Panel3dModel.h"
#include "panel3d/core/Panel3dModule.h"

namespace {

Panel3dVector Midpoint(const Panel3dVector& a, const Panel3dVector& b) { return 0.5 * (a + b); }

std::array<double, 3> ToArray(const Panel3dVector& v) { return {v.x, v.y, v.z}; }

Panel3dVector FromArray(const std::array<double, 3>& a) { return {a[0], a[1], a[2]}; }

}  // namespace

void Panel3dModel::RelaxWake() {
    if (Symmetric() == 0) {
        Relax(false);
    }
}

void Panel3dModel::RelaxSymmetricWake() {
    if (Symmetric() == 1) {
        Relax(true);
    }
}

void Panel3dModel::RelaxWith(const NodeVelocity& velocity) {
    RelaxNodes(Symmetric() == 1, velocity);
}

void Panel3dModel::Relax(bool symmetric) {
    induced_.Set(wingPanels, trailingEdgeWake, freeWake, coreRadius);
    RelaxNodes(symmetric, [this](const Panel3dVector& freeStream, const Panel3dVector& at) {
        return induced_.Add(freeStream, at);
    });
}

void Panel3dModel::RelaxNodes(bool symmetric, const NodeVelocity& velocity) {
    const int strips = StripCount();
    const int stations = strips + 1;
    const int rows = WakeRows();
    // The half model moves stations 0..M (M on the plane of symmetry) and mirrors the rest.
    const int movedStations = symmetric ? SpanPanels() + 1 : stations;
    const int movedStrips = movedStations - 1;
    auto panel = [&](int strip, int row) -> Panel3dFreeWakePanel& {
        return freeWake[strip + strips * row];
    };

    const double a = panel3d::Panel3dPi * operatingPoint.alpha / 180.0;
    const double b = panel3d::Panel3dPi * operatingPoint.sideslip / 180.0;
    const Panel3dVector freeStream{std::cos(a) * std::cos(b), std::cos(a) * std::sin(b),
                                   std::sin(a)};

    // The upstream edge of each node's streamwise side and that side as it lies now.
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
#pragma omp parallel for schedule(dynamic, 1) num_threads(luvo::LoopThreads())
    for (long e = 0; e < nodes; ++e) {
        const int s = static_cast<int>(e % movedStations);
        const int r = static_cast<int>(e / movedStations);
        Panel3dVector from, to;
        side(s, r, from, to);
        const Panel3dVector at = Midpoint(from, to);
        const Panel3dVector v = velocity(freeStream, at);
        Panel3dWakeNode& node = wakeNodes[s + stations * r];
        node.position = ToArray(at);
        node.velocity = ToArray(v);

        // A step of the side's length along the local velocity. A node where the flow does
        // not run downstream (or is not finite) keeps the side's direction: a reversed or
        // infinite step would fold the wake back into the wing.
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
        node.step = ToArray(step);
    }

    for (int r = 0; r < rows; ++r) {
        if (r >= 1) {
            for (int j = 0; j < movedStrips; ++j) {
                panel(j, r).SetCorner(1, panel(j, r - 1).Corner(2));
                panel(j, r).SetCorner(0, panel(j, r - 1).Corner(3));
            }
        }
        Panel3dFreeWakePanel& first = panel(0, r);
        first.SetCorner(2, first.Corner(1) + FromArray(wakeNodes[stations * r].step));
        for (int j = 0; j < movedStrips; ++j) {
            Panel3dFreeWakePanel& w = panel(j, r);
            const Panel3dVector c3 = w.Corner(0) + FromArray(wakeNodes[j + 1 + stations * r].step);
            w.SetCorner(3, c3);
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
                Panel3dFreeWakePanel& w = panel(j, r);
                for (int k = 0; k < 4; ++k) {
                    Panel3dVector c = source.Corner(kMirrorCorner[k]);
                    c.y = -c.y;
                    w.SetCorner(k, c);
                }
            }
        }
    }
}
