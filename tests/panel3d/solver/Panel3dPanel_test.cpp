#include "panel3d/solver/Panel3dPanel.h"

#include <gtest/gtest.h>

#include <cmath>

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

}  // namespace
