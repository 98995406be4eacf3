#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "panel3d/core/Panel3dModel.h"
#include "panel3d/core/Panel3dModule.h"
#include "tests/panel3d/core/Panel3dTestGrids.h"

namespace {

using panel3d_test::ModelOf;
using panel3d_test::TestWing;
using panel3d_test::WakeValues;

void ExpectSame(const Panel3dVector& a, const Panel3dVector& b) {
    EXPECT_EQ(a.x, b.x);
    EXPECT_EQ(a.y, b.y);
    EXPECT_EQ(a.z, b.z);
}

TEST(Panel3dTrailingEdgeWake, RowFollowsTheBisectorForLocalChordTimesFactor) {
    const struct {
        const char* what;
        TestWing wing;
    } cases[] = {
        {"symmetric untwisted section, chord 2", {2, 2, 2.0, 2.0, 3.0, 0.12, 0.0}},
        {"cambered section, chord 2", {3, 1, 2.0, 2.0, 3.0, 0.12, 0.04}},
        {"tapered and cambered", {2, 2, 2.0, 0.8, 3.0, 0.1, 0.03}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const TestWing& wing = c.wing;
        const int n = wing.chordPanels;
        const auto model = ModelOf(wing);
        ASSERT_TRUE(model);
        model->ComputeWingGeometry();
        EXPECT_TRUE(model->BuildTrailingEdgeWake());
        for (int j = 0; j < model->StripCount(); ++j) {
            SCOPED_TRACE(j);
            const Panel3dTrailingEdgeWakePanel& t = model->trailingEdgeWake[j];
            const Panel3dPanel& upper = model->wingPanels[2 * n * j];
            ExpectSame(t.PlanarCorner(0), upper.PlanarCorner(3));
            ExpectSame(t.PlanarCorner(1), upper.PlanarCorner(2));
            // The side edges stay in planes of constant y.
            EXPECT_EQ(t.planarY[2], t.planarY[1]);
            EXPECT_EQ(t.planarY[3], t.planarY[0]);

            // Slope of the line from the trailing edge back to the middle of the last upper
            // and lower points of station j.
            const Panel3dVector edge = wing.Point(0, j);
            const Panel3dVector up = wing.Point(1, j);
            const Panel3dVector low = wing.Point(2 * n - 1, j);
            const double slope = (0.5 * (up.z + low.z) - edge.z) / (edge.x - up.x);
            EXPECT_NEAR(t.bisectorSlope, slope, 1e-12);
            if (wing.camber == 0) {
                EXPECT_NEAR(t.bisectorSlope, 0.0, 1e-15);
            }

            const double lengthA = 0.1 * wing.StationChord(j);
            const double lengthB = 0.1 * wing.StationChord(j + 1);
            EXPECT_NEAR(t.planarX[2] - t.planarX[1], lengthA, 1e-12);
            EXPECT_NEAR(t.planarX[3] - t.planarX[0], lengthB, 1e-12);
            EXPECT_NEAR(t.planarZ[2] - t.planarZ[1], -lengthA * slope, 1e-12);
            EXPECT_NEAR(t.planarZ[3] - t.planarZ[0], -lengthB * slope, 1e-12);
            EXPECT_GT(t.area, 0.0);  // its geometry is computed
        }
    }
}

TEST(Panel3dTrailingEdgeWake, EdgePanelWithoutXExtentGetsSlopeZero) {
    TestWing wing;
    wing.camber = 0.05;
    std::vector<Panel3dVector> points = wing.Points();
    for (int s = 0; s < wing.Stations(); ++s) {
        points[s * wing.ChordPoints() + 1].x = wing.StationChord(s);  // above the edge
    }
    const auto model = ModelOf(wing.chordPanels, wing.spanPanels, points);
    ASSERT_TRUE(model);
    model->ComputeWingGeometry();
    EXPECT_TRUE(model->BuildTrailingEdgeWake());
    for (const Panel3dTrailingEdgeWakePanel& t : model->trailingEdgeWake) {
        EXPECT_EQ(t.bisectorSlope, 0.0);
        EXPECT_EQ(t.planarZ[2], t.planarZ[1]);
        EXPECT_TRUE(std::isfinite(t.area) && t.area > 0);
    }
}

// A rectangular wing whose tip chord is twice the first free-wake row.
TestWing WingForFirstRow(double firstRow, double halfSpan) {
    TestWing wing;
    wing.rootChord = wing.tipChord = 2.0 * firstRow;
    wing.halfSpan = halfSpan;
    return wing;
}

TEST(Panel3dFreeWake, GrowthIsFittedToTheWakeLength) {
    const struct {
        double firstRow, halfSpan, growth, growthTolerance, sum, sumTolerance;
    } cases[] = {
        {0.5, 5.0, 1.1006, 5e-5, 49.52, 5e-3},  // target 50 m, 31 passes
        {2.0, 0.5, 0.604, 5e-4, 5.05, 5e-3},    // rows shorten downstream
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.firstRow);
        const auto model = ModelOf(WingForFirstRow(c.firstRow, c.halfSpan));
        ASSERT_TRUE(model);
        ASSERT_TRUE(model->PrepareWing(1.0));
        EXPECT_NEAR(model->firstWakeRowLength, c.firstRow, 1e-12);
        EXPECT_NEAR(model->wakeGrowth, c.growth, c.growthTolerance);
        EXPECT_NEAR(model->wakeLengthSum, c.sum, c.sumTolerance);
    }
}

TEST(Panel3dFreeWake, RowsRunAlongTheFreeStreamFromTheRowInFront) {
    const TestWing wing = WingForFirstRow(0.5, 5.0);
    for (const auto& [alpha, sideslip] :
         {std::pair{0.0, 0.0}, std::pair{7.0, 0.0}, std::pair{-4.0, 12.0}}) {
        SCOPED_TRACE(testing::Message() << "alpha " << alpha << " sideslip " << sideslip);
        const auto model = ModelOf(wing);
        ASSERT_TRUE(model);
        model->operatingPoint.alpha = alpha;
        model->operatingPoint.sideslip = sideslip;
        ASSERT_TRUE(model->PrepareWing(1.0));
        const double a = alpha * M_PI / 180;
        const double b = sideslip * M_PI / 180;
        const Panel3dVector d{std::cos(a) * std::cos(b), std::cos(a) * std::sin(b), std::sin(a)};
        const int strips = model->StripCount();
        for (int r = 0; r < model->WakeRows(); ++r) {
            const double length = 0.5 * std::pow(model->wakeGrowth, r);
            for (int j = 0; j < strips; ++j) {
                const Panel3dFreeWakePanel& w = model->freeWake[j + strips * r];
                const Panel3dPanel& front =
                    r == 0 ? static_cast<const Panel3dPanel&>(model->trailingEdgeWake[j])
                           : model->freeWake[j + strips * (r - 1)];
                ExpectSame(w.Corner(0), front.PlanarCorner(3));
                ExpectSame(w.Corner(1), front.PlanarCorner(2));
                for (int k : {2, 3}) {
                    const Panel3dVector step = w.Corner(k) - w.Corner(k == 2 ? 1 : 0);
                    EXPECT_NEAR(step.x, length * d.x, 1e-12);
                    EXPECT_NEAR(step.y, length * d.y, 1e-12);
                    EXPECT_NEAR(step.z, length * std::sin(a), 1e-12);
                }
                for (int k = 0; k < 4; ++k) ExpectSame(w.PlanarCorner(k), w.Corner(k));
                EXPECT_GT(w.area, 0.0);
            }
        }
    }
}

TEST(Panel3dFreeWake, FitsThatCannotReachTheTargetEnd) {
    TestWing defaultWing;  // the interactive window's wing: span 6 m, chords 1 and 0.5 m
    defaultWing.rootChord = 1.0;
    defaultWing.tipChord = 0.5;
    defaultWing.halfSpan = 3.0;
    const struct {
        const char* what;
        WakeValues wake;
        bool reachesTarget;
        bool sound;
    } cases[] = {
        {"one row", {1, 0.1, 5.0}, false, true},
        {"target below the first row", {5, 0.1, 0.01}, false, true},
        {"200 rows", {200, 0.1, 5.0}, true, true},
        // The growth stays at its floor 0.1, and from about the 16th row on a row is shorter
        // than the spacing of doubles at the wake's x: its corners coincide.
        {"target below the first row, 25 rows", {25, 0.1, 0.01}, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto model = ModelOf(defaultWing, c.wake);
        ASSERT_TRUE(model);
        EXPECT_EQ(model->PrepareWing(1.0), c.sound);
        EXPECT_TRUE(std::isfinite(model->wakeGrowth));
        EXPECT_GE(model->wakeGrowth, 0.1);
        const double target = 2.0 * c.wake.lengthFactor * defaultWing.halfSpan;
        if (c.reachesTarget) {
            EXPECT_LT(std::fabs(target - model->wakeLengthSum) / target, 0.01);
        }
        if (!c.sound) continue;
        for (const Panel3dFreeWakePanel& w : model->freeWake) {
            for (int k = 0; k < 4; ++k) {
                ASSERT_TRUE(std::isfinite(w.cornerX[k]) && std::isfinite(w.cornerZ[k]));
            }
            ASSERT_GT(w.cornerX[2], w.cornerX[1]);
            ASSERT_GT(w.cornerX[3], w.cornerX[0]);
            ASSERT_TRUE(std::isfinite(w.Normal().z));
        }
    }
}

}  // namespace
