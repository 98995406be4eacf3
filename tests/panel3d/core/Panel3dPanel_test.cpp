#include "panel3d/core/Panel3dPanel.h"

#include <gtest/gtest.h>

#include <cmath>

#include "panel3d/core/Panel3dFreeWakePanel.h"
#include "panel3d/core/Panel3dTrailingEdgeWakePanel.h"

namespace {

void SetCorners(Panel3dPanel& p, const Panel3dVector (&c)[4]) {
    for (int k = 0; k < 4; ++k) p.SetCorner(k, c[k]);
}

TEST(Panel3dPanelGeometry, UnitSquare) {
    Panel3dPanel p;
    SetCorners(p, {{1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0, 0, 0}});
    p.ComputeGeometry();
    EXPECT_DOUBLE_EQ(p.centroid[0], 0.5);
    EXPECT_DOUBLE_EQ(p.centroid[1], 0.5);
    EXPECT_DOUBLE_EQ(p.centroid[2], 0.0);
    EXPECT_NEAR(p.area, 1.0, 1e-12);
    EXPECT_NEAR(p.meanDiagonal, std::sqrt(2.0), 1e-12);
    for (double side : p.sideLength) EXPECT_NEAR(side, 1.0, 1e-12);
    EXPECT_NEAR(p.angle1, M_PI / 2, 1e-12);
    EXPECT_NEAR(p.angle3, M_PI / 2, 1e-12);
    const Panel3dVector n = p.Normal();
    EXPECT_NEAR(n.x, 0.0, 1e-15);
    EXPECT_NEAR(n.y, 0.0, 1e-15);
    EXPECT_NEAR(n.z, -1.0, 1e-15);
}

const Panel3dVector kTwisted[4] = {{1, 0, 0.1}, {1.2, 1, -0.15}, {0.1, 1.1, 0.2}, {0, 0, -0.05}};

TEST(Panel3dPanelGeometry, TwistedPanelIsProjectedIntoItsMeanPlane) {
    Panel3dPanel p;
    SetCorners(p, kTwisted);
    p.ComputeGeometry();
    const Panel3dVector c = 0.25 * (kTwisted[0] + kTwisted[1] + kTwisted[2] + kTwisted[3]);
    const Panel3dVector normal = Cross(kTwisted[2] - kTwisted[0], kTwisted[1] - kTwisted[3]);
    const Panel3dVector n = (1.0 / Length(normal)) * normal;
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        const Panel3dVector q = p.PlanarCorner(k);
        EXPECT_NEAR(Dot(q - c, n), 0.0, 1e-15);
        // Moved along the normal only.
        EXPECT_NEAR(Length(Cross(q - kTwisted[k], n)), 0.0, 1e-15);
        EXPECT_GT(Length(q - kTwisted[k]), 1e-3);
        EXPECT_NEAR(p.localZ[k], 0.0, 1e-15);
        EXPECT_EQ(p.cornerX[k], kTwisted[k].x);
        EXPECT_EQ(p.cornerY[k], kTwisted[k].y);
        EXPECT_EQ(p.cornerZ[k], kTwisted[k].z);
    }
}

TEST(Panel3dPanelGeometry, AreaIsHalfTheCrossProductOfTheDiagonals) {
    const struct {
        const char* what;
        Panel3dVector corners[4];
    } cases[] = {
        {"trapezoid", {{2, 0, 0}, {1.5, 1, 0}, {0.5, 1, 0}, {0, 0, 0}}},
        {"irregular convex", {{3, 0.2, 0}, {2.5, 2, 0}, {0.3, 1.7, 0}, {0, 0, 0}}},
        {"tilted in space", {{1, 0, 1}, {1, 1, 1.5}, {0, 1, 0.5}, {0, 0, 0}}},
        {"twisted", {kTwisted[0], kTwisted[1], kTwisted[2], kTwisted[3]}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Panel3dPanel p;
        SetCorners(p, c.corners);
        p.ComputeGeometry();
        const double expected =
            0.5 * Length(Cross(c.corners[2] - c.corners[0], c.corners[1] - c.corners[3]));
        EXPECT_NEAR(p.area, expected, 1e-12 * expected);
        EXPECT_NEAR(p.normalLength, 2.0 * expected, 1e-12 * expected);
    }
}

TEST(Panel3dPanelGeometry, EachOperationWritesOnlyItsFields) {
    const Panel3dPanel::Corners sentinel{7, 7, 7, 7};
    Panel3dPanel given;
    SetCorners(given, kTwisted);
    // A wake builder's planar corners: the unit square.
    const Panel3dVector square[4] = {{1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0, 0, 0}};
    for (int k = 0; k < 4; ++k) given.SetPlanarCorner(k, square[k]);
    given.planarSideLength = sentinel;

    Panel3dPanel planar = given;
    planar.ComputePlanarGeometry();
    EXPECT_EQ(planar.planarX, given.planarX);
    EXPECT_EQ(planar.planarY, given.planarY);
    EXPECT_EQ(planar.planarZ, given.planarZ);
    EXPECT_EQ(planar.planarSideLength, sentinel);
    EXPECT_EQ(planar.cornerZ, given.cornerZ);
    EXPECT_DOUBLE_EQ(planar.centroid[0], 0.5);  // from the planar corners, not the given ones
    EXPECT_NEAR(planar.area, 1.0, 1e-12);

    Panel3dPanel updated = given;
    updated.UpdateGeometry();
    EXPECT_NE(updated.planarZ, given.planarZ);
    EXPECT_EQ(updated.planarSideLength, sentinel);
    EXPECT_EQ(updated.cornerZ, given.cornerZ);

    Panel3dPanel full = given;
    full.ComputeGeometry();
    EXPECT_EQ(full.planarZ, updated.planarZ);
    EXPECT_EQ(full.area, updated.area);
    for (int k = 0; k < 4; ++k) {
        const int next = (k + 1) % 4;
        const double dx = full.localX[next] - full.localX[k];
        const double dy = full.localY[next] - full.localY[k];
        EXPECT_NEAR(full.planarSideLength[k], std::hypot(dx, dy), 1e-15);
        EXPECT_NEAR(full.planarSideLength[k], full.sideLength[k], 1e-14);
    }
}

TEST(Panel3dPanelRecords, NewRecordsStartAtZero) {
    const Panel3dFreeWakePanel wake;
    EXPECT_EQ(wake.doubletStrength, 0.0);
    EXPECT_EQ(wake.sourceStrength, 0.0);
    EXPECT_EQ(wake.velocityMagnitude, 0.0);
    EXPECT_EQ(wake.pressureCoefficient, 0.0);
    EXPECT_EQ(wake.minDistance, 1e-8);
    const Panel3dTrailingEdgeWakePanel edge;
    EXPECT_EQ(edge.bisectorSlope, 0.0);
    EXPECT_EQ(edge.centroid[2], 0.0);
    EXPECT_EQ(edge.minDistance, 1e-8);
    const Panel3dVector v;
    EXPECT_EQ(Length(v), 0.0);
}

}  // namespace
