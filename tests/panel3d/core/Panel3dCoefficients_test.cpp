#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "panel3d/core/Panel3dModel.h"
#include "panel3d/core/Panel3dModule.h"
#include "tests/panel3d/core/Panel3dTestGrids.h"

namespace {

struct Point2 {
    double x, z;
};

// A wing of N chordwise and M spanwise panels from one section, 2N+1 points from the upper
// trailing edge around the leading edge (x, z), at the 2M+1 stations y (the first at the tip).
std::shared_ptr<Panel3dModel> HandWing(int n, int m, const std::vector<Point2>& section,
                                       const std::vector<double>& stations) {
    Panel3dModelSizes sizes;
    sizes.chordPanels = n;
    sizes.spanPanels = m;
    sizes.wakeRows = 1;
    sizes.symmetric = 0;
    sizes.trailingEdgeWakeFactor = 0.1;
    sizes.wakeLengthFactor = 5.0;
    auto w = Panel3dModel::Create(sizes);
    auto point = [&](int i, int s) {
        return Panel3dVector{section[i].x, stations[s], section[i].z};
    };
    panel3d_test::SetWingCorners(*w, point);
    for (Panel3dPanel& p : w->wingPanels) p.ComputeGeometry();
    w->halfSpan = 0.5 * (stations.front() - stations.back());
    return w;
}

void SetFlow(Panel3dModel& w, double alpha, double sideslip) {
    w.operatingPoint.alpha = alpha;
    w.operatingPoint.sideslip = sideslip;
}

Panel3dVector FreeStream(const Panel3dModel& w) {
    const double a = w.operatingPoint.alpha * panel3d::Panel3dPi / 180,
                 b = w.operatingPoint.sideslip * panel3d::Panel3dPi / 180;
    return {std::cos(a) * std::cos(b), std::cos(a) * std::sin(b), std::sin(a)};
}

Panel3dVector Vec(const std::array<double, 3>& a) { return {a[0], a[1], a[2]}; }

TEST(Panel3dSurfaceVelocity, ZeroStrengthsGiveTheFreeStream) {
    auto w =
        HandWing(2, 2, {{1, 0}, {0.5, 0.06}, {0, 0}, {0.5, -0.05}, {1, 0}}, {2, 1.2, 0, -1.2, -2});
    SetFlow(*w, 5, -3);
    w->ComputeSurfaceVelocity();
    const Panel3dVector v = FreeStream(*w);
    for (const Panel3dPanel& p : w->wingPanels) {
        EXPECT_NEAR(p.velocity[0], v.x, 1e-15);
        EXPECT_NEAR(p.velocity[1], v.y, 1e-15);
        EXPECT_NEAR(p.velocity[2], v.z, 1e-15);
        EXPECT_NEAR(p.velocityMagnitude, 1.0, 1e-15);
        EXPECT_NEAR(p.pressureCoefficient, 0.0, 1e-15);
    }
}

TEST(Panel3dSurfaceVelocity, OneSidedGradientsOfALinearDoubletOnTheSmallestGrid) {
    // N = M = 1: two panels per strip, two strips, every derivative one-sided, which is exact
    // for a strength linear in the position. With mu = -Vinf . C and sigma = -Vinf . n' the
    // surface velocity vanishes: |V| = 0 and cp = 1.
    auto w = HandWing(1, 1, {{1, 0.04}, {0, 0}, {1, -0.03}}, {1.5, 0.2, -1.0});
    SetFlow(*w, 7, 4);
    const Panel3dVector g{0.3, -0.7, 0.2};
    for (Panel3dPanel& p : w->wingPanels) {
        p.doubletStrength = Dot(g, p.Centroid());
        p.sourceStrength = 0;
    }
    w->ComputeSurfaceVelocity();
    for (const Panel3dPanel& p : w->wingPanels) {
        const Panel3dVector induced = Vec(p.velocity) - FreeStream(*w);
        EXPECT_NEAR(Dot(induced, Vec(p.chordTangent)), Dot(g, Vec(p.chordTangent)), 1e-14);
        EXPECT_NEAR(Dot(induced, Vec(p.spanTangent)), Dot(g, Vec(p.spanTangent)), 1e-14);
        EXPECT_NEAR(Dot(induced, Vec(p.surfaceNormal)), 0.0, 1e-14);
    }

    const Panel3dVector vinf = FreeStream(*w);
    for (Panel3dPanel& p : w->wingPanels) {
        p.doubletStrength = -Dot(vinf, p.Centroid());
        p.sourceStrength = -Dot(vinf, Vec(p.surfaceNormal));
    }
    w->ComputeSurfaceVelocity();
    for (const Panel3dPanel& p : w->wingPanels) {
        EXPECT_NEAR(p.velocityMagnitude, 0.0, 1e-14);
        EXPECT_NEAR(p.pressureCoefficient, 1.0, 1e-14);
    }
}

// A flat plate of chord 1 in the x-y plane, strips 0.6 and 1.4 wide (stations 1, 0.4, -1);
// panel 2s is the upper, 2s + 1 the lower panel of strip s.
std::shared_ptr<Panel3dModel> FlatPlate() {
    return HandWing(1, 1, {{1, 0}, {0, 0}, {1, 0}}, {1.0, 0.4, -1.0});
}

void SetLoads(Panel3dModel& w, const double (&cp)[4]) {
    for (int p = 0; p < 4; ++p) w.wingPanels[p].pressureCoefficient = cp[p];
}

TEST(Panel3dCoefficients, FlatPlateWithGivenPressures) {
    for (double alpha : {0.0, 10.0}) {
        auto w = FlatPlate();
        SetFlow(*w, alpha, 0);
        SetLoads(*w, {-1.0, 0.5, -0.5, 0.3});
        w->ComputeCoefficients();
        const double ca = std::cos(alpha * panel3d::Panel3dPi / 180);
        const double cw = std::sin(alpha * panel3d::Panel3dPi / 180);
        const double jump[2] = {1.5, 0.8};  // cp lower minus cp upper
        const double width[2] = {0.6, 1.4};
        const double y[2] = {0.7, -0.3};
        EXPECT_NEAR(w->referenceArea, 2.0, 1e-14);
        EXPECT_NEAR(w->referenceChord, 1.0, 1e-14);
        double lift = 0, drag = 0, roll = 0, circulation = 0;
        for (int s = 0; s < 2; ++s) {
            EXPECT_NEAR(w->stripArea[s], width[s], 1e-14);
            EXPECT_NEAR(w->stripChord[s], 1.0, 1e-14);
            EXPECT_NEAR(w->stripNormalZ[s], 1.0, 1e-15);
            EXPECT_NEAR(w->stripLift[s], ca * jump[s], 1e-14);
            EXPECT_NEAR(w->stripInducedDrag[s], cw * jump[s], 1e-14);
            EXPECT_NEAR(w->stripCirculation[s], 0.5 * ca * jump[s], 1e-14);
            EXPECT_NEAR(w->stripLiftDirectionZ[s], ca, 1e-15);
            lift += ca * jump[s] * width[s] / 2;
            drag += cw * jump[s] * width[s] / 2;
            roll += y[s] * jump[s] * width[s] / 2;
            circulation += 0.5 * ca * jump[s] * ca * width[s];
        }
        // The area-weighted mean of the strips.
        EXPECT_NEAR(w->totalLift, lift, 1e-14);
        EXPECT_NEAR(w->totalInducedDrag, drag, 1e-14);
        EXPECT_NEAR(w->totalLiftCirculation, circulation, 1e-14);
        EXPECT_NEAR(w->momentX, roll, 1e-14);
        EXPECT_NEAR(w->momentY, -0.5 * (lift / ca), 1e-14);  // all loads at x = 0.5
        EXPECT_EQ(w->momentZ, 0.0);
        const double k = 4.0 / 2.0 * panel3d::Panel3dPi * drag / (lift * lift);  // b = 2
        EXPECT_NEAR(w->kFactor, k, 1e-12);
    }
}

TEST(Panel3dCoefficients, SmallMomentsAreDroppedBelowOneTenMillionth) {
    auto w = FlatPlate();
    SetFlow(*w, 0, 0);
    // A load on strip 0 alone gives cMx = 0.7 * 0.6 / 2 * jump = 0.21 * jump.
    struct Case {
        double moment;
        double stored;
    };
    const Case cases[] = {
        {9.9e-8, 0.0}, {1.0000001e-7, 1.0000001e-7}, {-9.9e-8, 0.0}, {-2e-7, -2e-7}};
    for (const Case& c : cases) {
        SetLoads(*w, {0, c.moment / 0.21, 0, 0});
        w->ComputeCoefficients();
        EXPECT_NEAR(w->momentX, c.stored, 1e-20) << c.moment;
    }
}

TEST(Panel3dCoefficients, KFactorCappedAbove9999AndKeptWhenNegative) {
    // The lower surface falls to the trailing edge, so its pressure has a drag component.
    auto w = HandWing(1, 1, {{1, 0}, {0, 0}, {1, -0.2}}, {1.0, 0.0, -1.0});
    SetFlow(*w, 0, 0);
    for (double lower : {1.0, -1.0}) {
        // Upper pressures that cancel the lift of the lower surface in every strip.
        for (int s = 0; s < 2; ++s) {
            const Panel3dPanel& up = w->wingPanels[2 * s];
            Panel3dPanel& lo = w->wingPanels[2 * s + 1];
            lo.pressureCoefficient = lower;
            w->wingPanels[2 * s].pressureCoefficient =
                -lo.Normal().z * lo.area * lower / (up.Normal().z * up.area);
        }
        w->ComputeCoefficients();
        EXPECT_NEAR(w->totalLift, 0.0, 1e-15);
        if (lower > 0) {
            EXPECT_GT(w->totalInducedDrag, 0.0);
            EXPECT_EQ(w->kFactor, 9999.0);
        } else {
            EXPECT_LT(w->totalInducedDrag, 0.0);
            EXPECT_LT(w->kFactor, 0.0);
        }
    }
}

}  // namespace
