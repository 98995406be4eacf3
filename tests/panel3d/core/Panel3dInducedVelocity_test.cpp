// The velocity kernels of the relaxation (shared corner terms, paired arctangents, vector maths)
// against the straightforward closed forms, term by term, on points where each form takes a
// different branch: in the panel's plane inside and outside, just off an edge, at a corner, on
// a side's extension, inside a segment's core, far away.

#include "panel3d/core/Panel3dInducedVelocity.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "tests/panel3d/core/Panel3dReferenceVelocity.h"
#include "tests/panel3d/core/Panel3dSolverFixtures.h"

namespace {

Panel3dPanel Quad(const Panel3dVector& c0, const Panel3dVector& c1, const Panel3dVector& c2,
                  const Panel3dVector& c3) {
    Panel3dPanel p;
    p.SetCorner(0, c0);
    p.SetCorner(1, c1);
    p.SetCorner(2, c2);
    p.SetCorner(3, c3);
    p.ComputeGeometry();
    p.sourceStrength = 0.7;
    p.doubletStrength = -1.3;
    return p;
}

struct NamedPanel {
    std::string name;
    Panel3dPanel panel;
};

std::vector<NamedPanel> Panels() {
    return {
        {"unit square", Quad({0, 0, 0}, {0, 1, 0}, {1, 1, 0}, {1, 0, 0})},
        // Out of every axis plane, not quite planar: the planar corners are a projection.
        {"skewed", Quad({0.1, 0.0, 0.05}, {0.0, 1.2, 0.3}, {0.9, 1.0, 0.35}, {1.1, -0.1, 0.05})},
        // Side 0-1 at right angles to the diagonal 0-2: an infinite slope in the local axes.
        {"infinite slope", Quad({0, 0, 0}, {0, 1, 0}, {2, 0, 0}, {1, -1, 0})},
        // Corners 1 and 2 together: a side of no length.
        {"triangle", Quad({0, 0, 0}, {0, 1, 0}, {0, 1, 0}, {1, 0, 0})},
        // A long thin wing panel near the trailing edge, tilted a little.
        {"sliver", Quad({0.98, 0.2, 0.001}, {0.98, 0.0, 0.001}, {1.0, 0.0, 0.0}, {1.0, 0.2, 0.0})},
    };
}

// Points relative to a panel: its centroid c, a corner k0, the midpoint e of side 0-1, the
// mean diagonal d and the unit normal n.
std::vector<Panel3dVector> Points(const Panel3dPanel& p) {
    const Panel3dVector c = p.Centroid();
    const Panel3dVector n = p.Normal();
    const Panel3dVector k0 = p.PlanarCorner(0);
    const Panel3dVector k1 = p.PlanarCorner(1);
    const Panel3dVector e = 0.5 * (k0 + k1);
    const Panel3dVector side = k1 - k0;
    const double d = p.meanDiagonal;
    const Panel3dVector out = e + 0.3 * (e - c);  // in the plane, beyond side 0-1
    return {
        c,                                          // in the plane at the centroid (z clamped)
        c + 1e-9 * n,                               // just above, inside the clamp
        c + 0.3 * d * n,                            // above
        c - 0.7 * d * n,                            // below
        out,                                        // in the plane outside
        e + 1e-6 * n,                               // just above an edge
        e - 0.02 * d * n,                           // just below an edge, inside the core
        k0 + 1e-5 * (n + (k0 - c)),                 // at a corner
        k1 + 0.5 * side,                            // on side 0-1's extension
        k1 + 0.5 * side + 1e-3 * d * n,             // just off it
        c + 10 * d * Panel3dVector{0.6, 0.0, 0.8},  // far
        c + Panel3dVector{50 * d, -20 * d, 3 * d},  // farther, nearly in the plane
    };
}

double Gap(const Panel3dVector& a, const Panel3dVector& b) { return Length(a - b); }

// 1e-12 of the velocity v, but no less than 1e-16 of the strengths: far away the closed forms
// sum terms of the order of the strengths that cancel down to the velocity, and the rounding of
// those terms is all either form can resolve.
double Tolerance(const Panel3dVector& v, const Panel3dPanel& p) {
    return std::max(1e-12 * Length(v),
                    1e-16 * (std::fabs(p.sourceStrength) + std::fabs(p.doubletStrength)));
}

TEST(Panel3dInducedVelocity, EveryKernelMatchesTheTermByTermClosedForms) {
    const double core = 0.05;
    const Panel3dVector zero{};
    for (const NamedPanel& np : Panels()) {
        const Panel3dPanel& p = np.panel;
        Panel3dTrailingEdgeWakePanel edgePanel;
        static_cast<Panel3dPanel&>(edgePanel) = p;
        Panel3dFreeWakePanel wakePanel;
        static_cast<Panel3dPanel&>(wakePanel) = p;
        for (const Panel3dVector& q : Points(p)) {
            const std::string where = np.name + " at " + std::to_string(q.x) + " " +
                                      std::to_string(q.y) + " " + std::to_string(q.z);
            const Panel3dVector wing = panel3d_reference::SourceVelocity(p, q, core);
            const Panel3dVector edge = panel3d_reference::DoubletVelocity(p, q, core);
            const Panel3dVector wake = panel3d_reference::WakeDoubletVelocity(p, q, core);
            ASSERT_TRUE(std::isfinite(Length(wing))) << where;
            EXPECT_LE(Gap(p.SourceVelocity(q, core), wing), Tolerance(wing, p)) << where;
            EXPECT_LE(Gap(p.DoubletVelocity(q, core), edge), Tolerance(edge, p)) << where;
            EXPECT_LE(Gap(p.WakeDoubletVelocity(q, core), wake), Tolerance(wake, p)) << where;
            // The sums of a model, two and (where the processor has them) four lanes wide.
            for (bool wide : {false, true}) {
                const Panel3dInducedVelocity w({p}, {}, {}, core, wide);
                const Panel3dInducedVelocity e({}, {edgePanel}, {}, core, wide);
                const Panel3dInducedVelocity f({}, {}, {wakePanel}, core, wide);
                EXPECT_LE(Gap(w.Add(zero, q), wing), Tolerance(wing, p)) << where << wide;
                EXPECT_LE(Gap(e.Add(zero, q), edge), Tolerance(edge, p)) << where << wide;
                EXPECT_LE(Gap(f.Add(zero, q), wake), Tolerance(wake, p)) << where << wide;
            }
            // The term-by-term sum of eight arctangents carries a rounding error of a few units
            // of the last place of pi, so far away the paired form is compared to that.
            const double doublet = p.DoubletPotential(q, false);
            EXPECT_LE(std::fabs(p.PairedDoubletPotential(q) - doublet),
                      1e-12 * std::max(std::fabs(doublet), 1e-4))
                << where;
        }
    }
}

TEST(Panel3dInducedVelocity, TheSourceSheetAloneAndTheRingAloneMatchToo) {
    for (const NamedPanel& np : Panels()) {
        Panel3dPanel source = np.panel;
        source.doubletStrength = 0;
        Panel3dPanel ring = np.panel;
        ring.sourceStrength = 0;
        for (const Panel3dVector& q : Points(np.panel)) {
            for (const Panel3dPanel* p : {&source, &ring}) {
                const Panel3dVector v = panel3d_reference::SourceVelocity(*p, q, 0.05);
                EXPECT_LE(Gap(p->SourceVelocity(q, 0.05), v), Tolerance(v, *p))
                    << np.name << " " << q.x << " " << q.y << " " << q.z;
            }
        }
    }
}

// A solved wing: the summed velocity at every wake node and the step that follows equal those of
// the closed forms, for the full and the half model.
TEST(Panel3dInducedVelocity, ARelaxationStepMatchesTheClosedForms) {
    for (int symmetric : {0, 1}) {
        auto fast = panel3d_test::PreparedWing(6, 4, 5, symmetric, 8.0);
        auto slow = panel3d_test::PreparedWing(6, 4, 5, symmetric, 8.0);
        ASSERT_TRUE(fast && slow);
        ASSERT_TRUE(panel3d_test::SolveRun(*fast, 1));
        ASSERT_TRUE(panel3d_test::SolveRun(*slow, 1));

        const Panel3dInducedVelocity induced(fast->wingPanels, fast->trailingEdgeWake,
                                             fast->freeWake, fast->coreRadius);
        const Panel3dVector stream{1, 0, 0};
        for (const Panel3dFreeWakePanel& w : fast->freeWake) {
            for (int k = 0; k < 4; ++k) {
                // The corners themselves lie on segments, the midpoints inside their cores.
                for (const Panel3dVector& at :
                     {w.Corner(k), 0.5 * (w.Corner(k) + w.Corner((k + 1) % 4))}) {
                    const Panel3dVector v = panel3d_reference::NodeVelocity(*fast, stream, at);
                    EXPECT_LE(Gap(induced.Add(stream, at), v), 1e-12 * Length(v));
                }
            }
        }

        symmetric ? fast->RelaxSymmetricWake() : fast->RelaxWake();
        panel3d_reference::Relax(*slow);
        ASSERT_EQ(fast->wakeNodes.size(), slow->wakeNodes.size());
        for (size_t k = 0; k < fast->wakeNodes.size(); ++k) {
            for (int i = 0; i < 3; ++i) {
                EXPECT_NEAR(fast->wakeNodes[k].velocity[i], slow->wakeNodes[k].velocity[i], 1e-12)
                    << symmetric << " " << k;
                EXPECT_NEAR(fast->wakeNodes[k].step[i], slow->wakeNodes[k].step[i], 1e-12);
            }
        }
        for (size_t j = 0; j < fast->freeWake.size(); ++j) {
            for (int k = 0; k < 4; ++k) {
                EXPECT_LE(Gap(fast->freeWake[j].Corner(k), slow->freeWake[j].Corner(k)), 1e-12)
                    << symmetric << " " << j << " " << k;
            }
        }
    }
}

}  // namespace
