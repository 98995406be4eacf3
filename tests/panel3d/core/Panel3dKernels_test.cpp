#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "panel3d/core/Panel3dModule.h"
#include "panel3d/core/Panel3dPanel.h"

namespace {

// Panel with the outward normal a x b around the centre c, sides a and b.
Panel3dPanel Face(const Panel3dVector& c, const Panel3dVector& a, const Panel3dVector& b) {
    Panel3dPanel p;
    p.SetCorner(0, c - 0.5 * a - 0.5 * b);
    p.SetCorner(1, c - 0.5 * a + 0.5 * b);
    p.SetCorner(2, c + 0.5 * a + 0.5 * b);
    p.SetCorner(3, c + 0.5 * a - 0.5 * b);
    p.ComputeGeometry();
    return p;
}

// The unit square c0 = (0,0,0), c1 = (0,1,0), c2 = (1,1,0), c3 = (1,0,0), normal +z.
Panel3dPanel UnitSquare() { return Face({0.5, 0.5, 0}, {1, 0, 0}, {0, 1, 0}); }

// A skewed planar quadrilateral, tilted out of every axis plane.
Panel3dPanel Skewed() {
    Panel3dPanel p;
    p.SetCorner(0, {0.1, 0.0, 0.05});
    p.SetCorner(1, {0.0, 1.2, 0.3});
    p.SetCorner(2, {0.9, 1.0, 0.35});
    p.SetCorner(3, {1.1, -0.1, 0.05});
    p.ComputeGeometry();
    return p;
}

// A panel whose planar corners alone are set: the velocity kernels read nothing else.
Panel3dPanel Segments(const Panel3dVector (&c)[4], double mu) {
    Panel3dPanel p;
    for (int k = 0; k < 4; ++k) p.SetPlanarCorner(k, c[k]);
    p.doubletStrength = mu;
    return p;
}

TEST(Panel3dKernels, UnitSquareAtItsCentroid) {
    const Panel3dPanel p = UnitSquare();
    ASSERT_NEAR(p.Normal().z, 1.0, 1e-15);
    const double source = -panel3d::Panel3dInv4pi * 4 * std::log(1 + std::sqrt(2.0));
    EXPECT_NEAR(p.SourcePotential({0.5, 0.5, 0}, false), source, 1e-12);
    EXPECT_NEAR(source, -0.28055, 1e-5);
    // In the plane the point counts as lying below (opposite the normal).
    EXPECT_NEAR(p.DoubletPotential({0.5, 0.5, 0}, false), 0.5, 1e-8);
    EXPECT_NEAR(p.DoubletPotential({0.5, 0.5, 0.001}, false), -0.4991, 1e-4);
    EXPECT_NEAR(p.DoubletPotential({0.5, 0.5, -0.001}, false), 0.4991, 1e-4);
}

TEST(Panel3dKernels, FarFieldFromFiveMeanDiagonals) {
    const Panel3dPanel p = UnitSquare();
    const double d = 5 * p.meanDiagonal;
    const Panel3dVector at{0.5 + 0.6 * d, 0.5, 0.8 * d};  // exactly 5 mean diagonals away
    EXPECT_TRUE(p.IsFarField(at));
    EXPECT_FALSE(p.IsFarField({0.5 + 0.6 * d * 0.999, 0.5, 0.8 * d * 0.999}));
    EXPECT_NEAR(p.SourcePotential(at, true), -panel3d::Panel3dInv4pi / d, 1e-15);
    EXPECT_NEAR(p.DoubletPotential(at, true), -panel3d::Panel3dInv4pi * 0.8 * d / (d * d * d),
                1e-15);
    // The point forms are close to the closed forms out there.
    EXPECT_NEAR(p.SourcePotential(at, true), p.SourcePotential(at, false), 1e-4);
    EXPECT_NEAR(p.DoubletPotential(at, true), p.DoubletPotential(at, false), 1e-4);
}

// Midpoint rule over the unit square: -(1/4pi) int 1/r dA and -(1/4pi) int z/r^3 dA.
void Quadrature(const Panel3dVector& q, double& source, double& doublet) {
    const int n = 3000;
    const double h = 1.0 / n;
    double s = 0, d = 0;
    for (int i = 0; i < n; ++i) {
        const double dx = q.x - (i + 0.5) * h;
        for (int j = 0; j < n; ++j) {
            const double dy = q.y - (j + 0.5) * h;
            const double r2 = dx * dx + dy * dy + q.z * q.z;
            const double r = std::sqrt(r2);
            s += 1 / r;
            d += q.z / (r2 * r);
        }
    }
    source = -panel3d::Panel3dInv4pi * s * h * h;
    doublet = -panel3d::Panel3dInv4pi * d * h * h;
}

TEST(Panel3dKernels, ClosedFormsMatchQuadrature) {
    const Panel3dPanel p = UnitSquare();
    const Panel3dVector points[] = {
        {0.3, 0.6, 0.3},   // near, above
        {0.7, 0.2, -0.4},  // near, below
        {3.0, -2.0, 4.0},  // far
        {2.0, 0.5, 0.0},   // in its plane beside it
    };
    for (const Panel3dVector& q : points) {
        double source = 0, doublet = 0;
        Quadrature(q, source, doublet);
        EXPECT_NEAR(p.SourcePotential(q, false), source, 1e-6) << q.x << " " << q.z;
        EXPECT_NEAR(p.DoubletPotential(q, false), doublet, 1e-6) << q.x << " " << q.z;
    }
}

// The one-pass kernel of the assembly against the two potentials it stands for, each with the
// far-field rule: every region where the pass takes a shortcut (point forms, one set of corner
// terms for both, a second set for a clamped distance).
TEST(Panel3dKernels, BothPotentialsInOnePassEqualTheSeparateKernels) {
    const Panel3dPanel skewed = Skewed();
    const Panel3dPanel square = UnitSquare();
    const double d = 5 * square.meanDiagonal;
    const Panel3dVector points[] = {
        {0.5, 0.5, 0.0},                       // its own centroid (z clamped to -eps)
        {0.2, 0.7, 3e-9},                      // just above the plane, inside the clamp
        {0.3, 0.6, -1e-17},                    // at the rounding level of the plane
        {2.0, 0.5, 0.0},                       // in its plane beside it
        {0.3, 0.6, 0.3},                       // near, above
        {0.7, 0.2, -0.4},                      // near, below
        {0.5 + 0.6 * d, 0.5, 0.8 * d},         // exactly 5 mean diagonals away: far
        {0.5 + 0.6 * d, 0.5, 0.8 * d * 0.99},  // just inside
        {9.0, -4.0, 1e-12},                    // far, in the plane
        {3.0, -2.0, 4.0},                      // far
    };
    for (const Panel3dPanel* p : {&square, &skewed}) {
        for (const Panel3dVector& q : points) {
            const bool far = p->IsFarField(q);
            const Panel3dPanel::Potentials u = p->UnitPotentials(q);
            EXPECT_EQ(u.source, p->SourcePotential(q, far)) << q.x << " " << q.y << " " << q.z;
            EXPECT_EQ(u.doublet, p->DoubletPotential(q, far)) << q.x << " " << q.y << " " << q.z;
        }
    }
    EXPECT_TRUE(square.IsFarField(points[6]));
    EXPECT_FALSE(square.IsFarField(points[7]));
    EXPECT_NEAR(square.UnitPotentials(points[0]).doublet, 0.5, 1e-8);
}

TEST(Panel3dKernels, ClosedBoxDoubletsSumToOneInsideAndZeroOutside) {
    const Panel3dVector x{1, 0, 0}, y{0, 1, 0}, z{0, 0, 1};
    const std::vector<Panel3dPanel> box = {
        Face({1, 0.5, 0.5}, y, z), Face({0, 0.5, 0.5}, z, y), Face({0.5, 1, 0.5}, z, x),
        Face({0.5, 0, 0.5}, x, z), Face({0.5, 0.5, 1}, x, y), Face({0.5, 0.5, 0}, y, x),
    };
    for (const Panel3dPanel& face : box) {
        const Panel3dVector outward = face.Centroid() - Panel3dVector{0.5, 0.5, 0.5};
        ASSERT_NEAR(Dot(face.Normal(), outward), 0.5, 1e-15);
    }
    struct Case {
        Panel3dVector at;
        double sum;
    };
    const Case cases[] = {
        {{0.3, 0.4, 0.6}, 1.0},  {{0.5, 0.5, 1.0}, 1.0},   // inside; a face centroid
        {{0.9, 0.1, 0.05}, 1.0}, {{1.7, 0.2, -0.4}, 0.0},  // near a corner; outside
        {{0.5, 0.5, 1.3}, 0.0},
    };
    for (const Case& c : cases) {
        double sum = 0;
        for (const Panel3dPanel& face : box) sum += face.DoubletPotential(c.at, false);
        EXPECT_NEAR(sum, c.sum, 1e-7) << c.at.x << " " << c.at.y << " " << c.at.z;
    }
}

TEST(Panel3dKernels, SourceVelocityIsTheGradientOfThePotential) {
    Panel3dPanel p = Skewed();
    p.sourceStrength = 0.7;
    p.doubletStrength = -1.3;
    const double core = 0.01;
    auto potential = [&](const Panel3dVector& q) {
        return p.sourceStrength * p.SourcePotential(q, false) -
               p.doubletStrength * p.DoubletPotential(q, false);
    };
    const Panel3dVector points[] = {{0.3, 0.2, 0.6}, {2.0, -1.0, 0.3}, {0.5, 0.5, -0.4}};
    const double h = 1e-5;
    for (const Panel3dVector& q : points) {
        const Panel3dVector v = p.SourceVelocity(q, core);
        const double gx =
            (potential(q + Panel3dVector{h, 0, 0}) - potential(q - Panel3dVector{h, 0, 0})) /
            (2 * h);
        const double gy =
            (potential(q + Panel3dVector{0, h, 0}) - potential(q - Panel3dVector{0, h, 0})) /
            (2 * h);
        const double gz =
            (potential(q + Panel3dVector{0, 0, h}) - potential(q - Panel3dVector{0, 0, h})) /
            (2 * h);
        EXPECT_NEAR(v.x, gx, 1e-7) << q.x;
        EXPECT_NEAR(v.y, gy, 1e-7) << q.x;
        EXPECT_NEAR(v.z, gz, 1e-7) << q.x;
    }
}

TEST(Panel3dKernels, SegmentExtensionGetsNothing) {
    // Free-wake panel: its sides c2-c1 (y = 1) and c0-c3 (y = 0).
    const Panel3dPanel wake = Segments({{0, 0, 0}, {0, 1, 0}, {1, 1, 0}, {1, 0, 0}}, 1.0);
    // The same panel with the side c2-c1 pulled to a point: only c0-c3 is left.
    const Panel3dPanel single = Segments({{0, 0, 0}, {0, 1, 0}, {0, 1, 0}, {1, 0, 0}}, 1.0);
    const Panel3dVector onExtension{40.0, 1.0, 0.0};
    const Panel3dVector a = wake.WakeDoubletVelocity(onExtension, 0.0);
    const Panel3dVector b = single.WakeDoubletVelocity(onExtension, 0.0);
    EXPECT_NE(b.z, 0.0);
    EXPECT_EQ(a.x, b.x);
    EXPECT_EQ(a.y, b.y);
    EXPECT_EQ(a.z, b.z);
    // Biot-Savart of the segment from (0,0,0) to (1,0,0) at (40, 1, 0).
    const double cos1 = 40 / std::sqrt(1601.0), cos2 = 39 / std::sqrt(1522.0);
    EXPECT_NEAR(b.z, panel3d::Panel3dInv4pi * (cos1 - cos2) / 1.0, 1e-15);
}

TEST(Panel3dKernels, CoreDampingInsideTheCoreRadius) {
    // Only the side c0-c3 from (0,0,0) to (1,0,0) is left in each kernel.
    const Panel3dPanel one = Segments({{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {1, 0, 0}}, 2.0);
    const double core = 0.05;
    const Panel3dVector atCore{0.5, 0, core};
    const Panel3dVector atHalf{0.5, 0, core / 2};
    const double wake =
        one.WakeDoubletVelocity(atHalf, core).y / one.WakeDoubletVelocity(atCore, core).y;
    const double edge = one.DoubletVelocity(atHalf, core).y / one.DoubletVelocity(atCore, core).y;
    EXPECT_NEAR(edge, 0.5, 1e-12);
    EXPECT_NEAR(wake, std::pow(0.5, 0.4), 1e-12);
    EXPECT_NEAR(wake, 0.758, 1e-3);
}

TEST(Panel3dKernels, ZeroStrengthsGiveNoVelocity) {
    Panel3dPanel p = UnitSquare();
    p.sourceStrength = 0;
    p.doubletStrength = 0;
    const Panel3dVector points[] = {{0.5, 0.5, 0.0}, {0.2, 0.9, 0.01}, {3, 4, 5}};
    for (const Panel3dVector& q : points) {
        for (const Panel3dVector v :
             {p.SourceVelocity(q, 0.1), p.DoubletVelocity(q, 0.1), p.WakeDoubletVelocity(q, 0.1)}) {
            EXPECT_EQ(v.x, 0.0);
            EXPECT_EQ(v.y, 0.0);
            EXPECT_EQ(v.z, 0.0);
        }
    }
}

}  // namespace
