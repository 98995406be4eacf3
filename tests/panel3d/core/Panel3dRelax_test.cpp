#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "tests/panel3d/core/Panel3dSolverFixtures.h"

namespace {

using panel3d_test::PreparedWing;

// The streamwise sides whose nodes the relaxation steps: c2 - c1 of strip 0 and c3 - c0 of
// every strip, row by row.
std::vector<Panel3dVector> StreamwiseSides(const Panel3dModel& w) {
    std::vector<Panel3dVector> sides;
    const int strips = w.StripCount();
    for (int r = 0; r < w.WakeRows(); ++r) {
        const Panel3dPanel& first = w.freeWake[strips * r];
        sides.push_back(first.Corner(2) - first.Corner(1));
        for (int j = 0; j < strips; ++j) {
            const Panel3dPanel& p = w.freeWake[j + strips * r];
            sides.push_back(p.Corner(3) - p.Corner(0));
        }
    }
    return sides;
}

void ZeroStrengths(Panel3dModel& w) {
    for (Panel3dPanel& p : w.wingPanels) p.sourceStrength = p.doubletStrength = 0;
    for (Panel3dPanel& p : w.trailingEdgeWake) p.doubletStrength = 0;
    for (Panel3dPanel& p : w.freeWake) p.doubletStrength = 0;
}

void Relax(Panel3dModel& w) {
    w.Symmetric() ? w.RelaxSymmetricWake() : w.RelaxWake();
    for (Panel3dPanel& p : w.freeWake) p.UpdateGeometry();
}

TEST(Panel3dRelax, FreeStreamEverywhereKeepsTheWake) {
    // No strength anywhere: every node sees the free stream. Also with a single wake row, whose
    // last node takes the c3-c0 side of the row's last panel. At 180 deg the flow runs upstream
    // (u < 0) at every node, which keeps each side's direction.
    struct Case {
        int rows;
        int symmetric;
        double alpha;
    };
    const Case cases[] = {{5, 0, 6.0}, {5, 1, 6.0}, {1, 0, 6.0}, {1, 1, -4.0}, {4, 0, 180.0}};
    for (const Case& c : cases) {
        auto w = PreparedWing(3, 2, c.rows, c.symmetric, c.alpha);
        ASSERT_TRUE(w);
        ZeroStrengths(*w);
        const std::vector<Panel3dVector> before = StreamwiseSides(*w);
        Relax(*w);
        const std::vector<Panel3dVector> after = StreamwiseSides(*w);
        // The half model moves its own half only and mirrors it.
        const int strips = w->StripCount();
        const int moved = c.symmetric ? w->SpanPanels() + 1 : strips + 1;
        for (size_t k = 0; k < before.size(); ++k) {
            if (static_cast<int>(k) % (strips + 1) >= moved) continue;
            EXPECT_NEAR(Length(after[k]), Length(before[k]), 1e-12) << c.rows << " " << k;
            EXPECT_NEAR(Length(Cross(after[k], before[k])), 0.0, 1e-12) << c.rows << " " << k;
            EXPECT_GT(Dot(after[k], before[k]), 0.0);
        }
    }
}

TEST(Panel3dRelax, MovedRowsFollowTheLocalFlowAndStayJoined) {
    for (int symmetric : {0, 1}) {
        auto w = PreparedWing(4, 3, 5, symmetric, 8.0);
        ASSERT_TRUE(w);
        ASSERT_TRUE(panel3d_test::SolveRun(*w, 1));
        const int strips = w->StripCount();
        const int stations = strips + 1;
        const int moved = symmetric ? w->SpanPanels() : strips;
        for (int r = 0; r < w->WakeRows(); ++r) {
            // Row 0 stays on the trailing-edge row, every later row starts where the one
            // before it ends, neighbours share their corners.
            for (int j = 0; j < moved; ++j) {
                const Panel3dPanel& p = w->freeWake[j + strips * r];
                const Panel3dPanel& front =
                    r == 0 ? static_cast<const Panel3dPanel&>(w->trailingEdgeWake[j])
                           : w->freeWake[j + strips * (r - 1)];
                const Panel3dVector c1 = r == 0 ? front.PlanarCorner(2) : front.Corner(2);
                EXPECT_NEAR(Length(p.Corner(1) - c1), 0.0, 1e-15);
                if (j + 1 < moved) {
                    EXPECT_NEAR(Length(p.Corner(3) - w->freeWake[j + 1 + strips * r].Corner(2)),
                                0.0, 1e-15);
                }
            }
            // The streamwise sides of the moved half point along the node velocities.
            for (int s = 1; s <= moved; ++s) {
                const Panel3dWakeNode& node = w->wakeNodes[s + stations * r];
                const Panel3dPanel& p = w->freeWake[s - 1 + strips * r];
                const Panel3dVector side = p.Corner(3) - p.Corner(0);
                const Panel3dVector v{node.velocity[0], node.velocity[1], node.velocity[2]};
                EXPECT_NEAR(Length(Cross(side, v)) / (Length(side) * Length(v)), 0.0, 1e-12);
                EXPECT_GT(Dot(side, v), 0.0);
            }
        }
        if (symmetric) {
            // The left half is the mirror image of the right one, corner for corner.
            const int kMirror[4] = {1, 0, 3, 2};
            for (int r = 0; r < w->WakeRows(); ++r) {
                for (int j = w->SpanPanels(); j < strips; ++j) {
                    const Panel3dPanel& p = w->freeWake[j + strips * r];
                    const Panel3dPanel& m = w->freeWake[strips - 1 - j + strips * r];
                    for (int k = 0; k < 4; ++k) {
                        EXPECT_EQ(p.cornerX[k], m.cornerX[kMirror[k]]);
                        EXPECT_EQ(p.cornerY[k], -m.cornerY[kMirror[k]]);
                        EXPECT_EQ(p.cornerZ[k], m.cornerZ[kMirror[k]]);
                    }
                }
            }
        }
    }
}

TEST(Panel3dRelax, NodeWithoutDownstreamFlowKeepsItsDirection) {
    auto w = PreparedWing(3, 2, 3, 0, 5.0);
    ASSERT_TRUE(w);
    ZeroStrengths(*w);
    // A strong sink on the upper trailing-edge panel of strip 1 turns the flow upstream
    // (u <= 0) at the nearest nodes of row 0; the nodes farther away still see a flow that
    // runs downstream.
    w->wingPanels[2 * w->ChordPanels() * 1].sourceStrength = -300.0;
    const std::vector<Panel3dVector> before = StreamwiseSides(*w);
    Relax(*w);
    const std::vector<Panel3dVector> after = StreamwiseSides(*w);
    int reversed = 0, forward = 0;
    for (int s = 0; s <= w->StripCount(); ++s) {
        const Panel3dWakeNode& node = w->wakeNodes[s];
        const Panel3dVector v{node.velocity[0], node.velocity[1], node.velocity[2]};
        const Panel3dVector& side = after[s];
        EXPECT_NEAR(Length(side), Length(before[s]), 1e-12);
        if (v.x <= 0) {
            ++reversed;
            EXPECT_NEAR(Length(Cross(side, before[s])) / Length(side) / Length(before[s]), 0.0,
                        1e-12)
                << s;
            EXPECT_GT(Dot(side, before[s]), 0.0);
        } else {
            ++forward;
            EXPECT_NEAR(Length(Cross(side, v)) / Length(side) / Length(v), 0.0, 1e-12) << s;
        }
    }
    EXPECT_GT(reversed, 0);
    EXPECT_GT(forward, 0);
}

}  // namespace
