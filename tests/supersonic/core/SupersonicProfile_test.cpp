// The profile record: its arrays, and how Compute builds, resamples and combines the two parts
// in parts and in contour mode.

#include "supersonic/core/SupersonicProfile.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(SupersonicProfileRecord, StartsAtZeroWithItsArrays) {
    for (bool partsMode : {true, false}) {
        const SupersonicProfile p(partsMode, 191, 7);
        EXPECT_EQ(p.partsMode, partsMode);
        EXPECT_EQ(p.pointCount, 191);
        EXPECT_EQ(p.part1.lagrange, partsMode);
        EXPECT_TRUE(p.part1.curved);
        EXPECT_FALSE(p.part2.curved);
        EXPECT_EQ(p.part2.pointCount, 7);
        EXPECT_EQ(p.part2.points.size(), 7u);
        for (const SupersonicCurve* c : {&p.part1, &p.part2}) {
            EXPECT_EQ(c->capacity, 6);
            EXPECT_EQ(c->supportCount, 0);
            EXPECT_EQ(c->supportPoints.size(), 6u);
            EXPECT_EQ(c->coefficients.size(), 6u);
            EXPECT_TRUE(c->rebuild);
            EXPECT_FALSE(c->coefficientMode);
            for (double v : c->coefficients) EXPECT_EQ(v, 0.0);
        }
        for (const auto* a : {&p.camberLine, &p.thickness, &p.upper, &p.lower}) {
            ASSERT_EQ(a->size(), 191u);
            for (const SupersonicPoint& q : *a) EXPECT_EQ(q.x + q.z, 0.0);
        }
        ASSERT_EQ(p.rows.size(), 192u);
        for (double v : {p.mach, p.alpha, p.kappa, p.linLift, p.linMoment, p.linDragAlphaCamber,
                         p.linDragThickness, p.linPressurePoint, p.seDrag, p.seLift, p.seMoment,
                         p.sePressurePoint}) {
            EXPECT_EQ(v, 0.0);
        }
    }
}

TEST(SupersonicProfileCompute, PartsModeAddsAndSubtractsTheHalfThickness) {
    SupersonicProfile p(true);
    p.mach = 2.0;
    p.alpha = 1.0;
    p.kappa = 1.4;
    p.part1.supportPoints[0] = {0.4, 0.03};
    p.part1.supportCount = 1;
    p.part2.supportPoints[0] = {0.5, 0.05};
    p.part2.supportPoints[1] = {0.2, 0.04};
    p.part2.supportCount = 2;
    p.Compute();
    for (int i = 0; i < 191; ++i) {
        // Built parts lie on the grid and are copied unchanged.
        EXPECT_EQ(p.camberLine[i].x, p.part1.points[i].x);
        EXPECT_EQ(p.camberLine[i].z, p.part1.points[i].z);
        EXPECT_EQ(p.thickness[i].z, p.part2.points[i].z);
        EXPECT_EQ(p.upper[i].x, p.camberLine[i].x);
        EXPECT_EQ(p.lower[i].x, p.camberLine[i].x);
        EXPECT_EQ(p.upper[i].z, p.camberLine[i].z + p.thickness[i].z);
        EXPECT_EQ(p.lower[i].z, p.camberLine[i].z - p.thickness[i].z);
    }
    EXPECT_NEAR(p.thickness[38].z, 0.04, 1e-15);  // x = 0.2
}

TEST(SupersonicProfileCompute, ContourModeFormsCamberAndThickness) {
    SupersonicProfile p(false);
    p.mach = 3.0;
    p.alpha = 4.0;
    p.kappa = 1.4;
    p.part1.supportPoints[0] = {0.333, 0.052};
    p.part1.supportCount = 1;
    p.part2.supportPoints[0] = {0.6, -0.02};
    p.part2.supportCount = 1;
    p.part2.curved = false;
    p.Compute();
    for (int i = 0; i < 191; ++i) {
        EXPECT_EQ(p.camberLine[i].z, 0.5 * (p.upper[i].z + p.lower[i].z));
        EXPECT_EQ(p.thickness[i].z, 0.5 * (p.upper[i].z - p.lower[i].z));
        EXPECT_EQ(p.camberLine[i].x, p.upper[i].x);
    }
    EXPECT_NEAR(p.lower[114].z, -0.02, 1e-15);  // x = 0.6, straight lines
    EXPECT_NEAR(p.upper[0].z, 0.0, 1e-15);
}

TEST(SupersonicProfileCompute, ContourFromPointsOnlyResamples) {
    // Sides as a coordinate file gives them: five points each, not rebuilt.
    SupersonicProfile p(false, 5, 5);
    p.mach = 2.0;
    p.alpha = 2.0;
    p.kappa = 1.4;
    p.part1.points = {{0, 0}, {0.25, 0.03}, {0.5, 0.04}, {0.75, 0.03}, {1, 0}};
    p.part2.points = {{0, 0}, {0.25, -0.01}, {0.5, -0.02}, {0.75, -0.01}, {1, 0}};
    for (SupersonicCurve* c : {&p.part1, &p.part2}) {
        c->rebuild = false;
        // Support points that would give another contour if they were used.
        c->supportPoints[0] = {0.5, 0.3};
        c->supportCount = 1;
    }
    p.Compute();
    EXPECT_EQ(p.part1.points.size(), 5u);
    for (int i = 0; i < 191; ++i) {
        const double x = i / 190.0;
        const double up = x <= 0.25   ? 0.12 * x
                          : x <= 0.5  ? 0.03 + 0.04 * (x - 0.25)
                          : x <= 0.75 ? 0.04 - 0.04 * (x - 0.5)
                                      : 0.03 - 0.12 * (x - 0.75);
        EXPECT_NEAR(p.upper[i].z, up, 1e-14) << i;
        EXPECT_NEAR(p.upper[i].x, x, 1e-15);
    }
    EXPECT_FALSE(p.subsonic);
    EXPECT_GT(p.seLift, 0.0);
}

}  // namespace
