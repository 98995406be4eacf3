// Multhopp lifting-line solver: stations, trapezoid distributions, the analysis sequence and its
// results against closed forms and the reference wings of the method.

#include "llt/core/LltSolver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "common/core/NumberText.h"
#include "llt/core/LltAnalysisRun.h"
#include "tests/llt/core/LltTestWings.h"

namespace {

using llt_test::RunAnalysis;
using TrapezoidWing = LltAnalysisInputs;

TEST(LltSolverRecord, StartsAtZeroWithFullSizedArrays) {
    const auto s = std::make_unique<LltSolver>();
    for (const auto* a : {&s->theta, &s->y, &s->seriesGamma, &s->chord, &s->twistDeg, &s->twistRad,
                          &s->gamma, &s->workVector, &s->ca, &s->alphaInd}) {
        ASSERT_EQ(a->size(), 103u);
        for (double v : *a) EXPECT_EQ(v, 0.0);
    }
    for (const auto* m : {&s->influence, &s->diagonal, &s->system}) {
        ASSERT_EQ(m->size(), 102u);
        for (const auto& row : *m)
            for (double v : row) EXPECT_EQ(v, 0.0);
    }
    for (double v : {s->twistMax,
                     s->chordMax,
                     s->gammaMax,
                     s->caMax,
                     s->twistMin,
                     s->span,
                     s->cl,
                     s->a1,
                     s->a3,
                     s->a5,
                     s->a1FromCl,
                     s->liftSlopeFactor,
                     s->area,
                     s->aspectRatio,
                     s->cdiSeries,
                     s->clSolved,
                     s->cdi,
                     s->meanChord,
                     s->kFactor,
                     s->fitValues[1],
                     s->fitCoefficients[3],
                     s->fitMatrix[3][3]})
        EXPECT_EQ(v, 0.0);
}

TEST(LltSolverStations, TipsAndRootAtTheirPositions) {
    for (double b : {8.0, 10.0, 0.3, 100.0}) {
        SCOPED_TRACE(b);
        LltSolver s;
        s.SetStations(b);
        EXPECT_EQ(s.span, b);
        EXPECT_EQ(s.theta[0], 0.0);
        EXPECT_EQ(s.y[0], b / 2);
        EXPECT_EQ(s.y[51], 0.0);
        EXPECT_NEAR(s.y[102], -b / 2, 1e-12 * b);
        EXPECT_NEAR(s.theta[102], LltPi, 1e-13);
        // Cosine spacing, mirror image about the root, decreasing from the right tip.
        for (int i = 1; i <= 102; ++i) {
            EXPECT_NEAR(s.theta[i], i * LltPi / 102, 1e-13);
            EXPECT_LT(s.y[i], s.y[i - 1]);
        }
        for (int k = 1; k <= 51; ++k) EXPECT_NEAR(s.y[51 + k], -s.y[51 - k], 1e-12 * b);
    }
}

TEST(LltSolverDistributions, PiecewiseLinearBetweenTheSections) {
    LltSolver s;
    s.SetStations(10);
    s.SetTrapezoidChord(10, 30, 30, 40, 2.0, 1.5, 1.0, 0.5);
    // Relative angles are added to the root angle, not to the section before.
    s.SetTrapezoidTwist(10, 2.0, 1.0, 1.0, -1.0, 30, 30, 40);
    EXPECT_EQ(s.twistB, 3.0);
    EXPECT_EQ(s.twistC, 3.0);
    EXPECT_EQ(s.twistD, 1.0);
    EXPECT_DOUBLE_EQ(s.chordSegment3, 0.4);
    EXPECT_DOUBLE_EQ(s.twistSegment1, 0.3);
    const double half = 5.0;
    for (int i = 0; i <= 51; ++i) {
        const double p = s.y[i] / half;  // fraction of the half span
        double chord, twist;
        if (p <= 0.3) {
            chord = 2.0 - 0.5 * p / 0.3;
            twist = 2.0 + p / 0.3;
        } else if (p <= 0.6) {
            chord = 1.5 - 0.5 * (p - 0.3) / 0.3;
            twist = 3.0;
        } else {
            chord = 1.0 - 0.5 * (p - 0.6) / 0.4;
            twist = 3.0 - 2.0 * (p - 0.6) / 0.4;
        }
        EXPECT_NEAR(s.chord[i], chord, 1e-12) << i;
        EXPECT_NEAR(s.twistDeg[i], twist, 1e-12) << i;
        EXPECT_NEAR(s.twistRad[i], twist * LltPi / 180, 1e-14) << i;
    }
    EXPECT_EQ(s.chord[0], 0.5);
    EXPECT_EQ(s.chord[51], 2.0);
    // twistDeg is not mirrored; chord and twistRad are.
    for (int i = 52; i <= 102; ++i) EXPECT_EQ(s.twistDeg[i], 0.0);
    for (int i = 0; i <= 102; ++i) {
        EXPECT_EQ(s.chord[i], s.chord[102 - i]);
        EXPECT_EQ(s.twistRad[i], s.twistRad[102 - i]);
    }
}

TEST(LltSolverDistributions, ZeroLengthTipSegmentTakesTheValueAtD) {
    // 7.9 % + 92.1 % fall just short of the whole half span, so the tip station lies beyond
    // the end of the second segment, in a third segment of zero length.
    ASSERT_LT(7.9 * 0.01 + 92.1 * 0.01, 1.0);
    TrapezoidWing w{8, 1, 7.9, 92.1, 0, 2.0, 1.7, 1.3, 0.6, 5.0, -0.5, -0.8, -1.5};
    const auto s = RunAnalysis(w);
    EXPECT_EQ(s->chord[0], 0.6);
    EXPECT_EQ(s->chord[102], 0.6);
    EXPECT_EQ(s->twistDeg[0], 3.5);
    EXPECT_NEAR(s->chord[1], 1.3 + (1.7 - 1.3) * (1 - s->y[1] / 4) / 0.921, 1e-9);
    for (double v : {s->area, s->aspectRatio, s->clSolved, s->cdi, s->kFactor, s->meanChord})
        EXPECT_TRUE(std::isfinite(v));
}

TEST(LltSolverAnalysis, ReferenceWings) {
    struct Case {
        const char* name;
        TrapezoidWing wing;
        double area, aspectRatio, meanChord, cl, cdi, k, gammaMax, caMax, tol;
        bool maximaAtRoot;
    };
    constexpr double kUnset = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {"rectangular",
         {10, 1, 30, 30, 40, 1, 1, 1, 1, 5, 0, 0, 0},
         10.0,
         10.0,
         1.0,
         0.4402,
         0.006699,
         1.0860,
         0.024464,
         0.48929,
         1e-4,
         true},
        {"tapered",
         {10, 1, 30, 30, 40, 2, 1.5, 1, 0.5, 5, 0, 0, 0},
         12.0001,
         8.3332,
         1.3610,
         0.43657,
         kUnset,
         1.0271,
         kUnset,
         kUnset,
         1e-4,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto s = RunAnalysis(c.wing);
        auto near = [&](double actual, double expected) {
            if (!std::isnan(expected)) {
                EXPECT_NEAR(actual, expected, c.tol * std::fabs(expected));
            }
        };
        near(s->area, c.area);
        near(s->aspectRatio, c.aspectRatio);
        near(s->meanChord, c.meanChord);
        near(s->clSolved, c.cl);
        near(s->cdi, c.cdi);
        near(s->kFactor, c.k);
        near(s->gammaMax, c.gammaMax);
        near(s->caMax, c.caMax);
        if (c.maximaAtRoot) {
            EXPECT_EQ(s->gammaMax, s->gamma[51]);
            EXPECT_EQ(s->caMax, s->ca[51]);
        }
    }
}

TEST(LltSolverAnalysis, AnalysisWindowDefaultsAtThreeDecimals) {
    const auto s = RunAnalysis(llt_test::AnalysisWindowInputs());
    EXPECT_EQ(luvo::FormatNumber("%.3f", s->area), "12.300");
    EXPECT_EQ(luvo::FormatNumber("%.3f", s->meanChord), "1.637");
    EXPECT_EQ(luvo::FormatNumber("%.3f", s->aspectRatio), "5.203");
    EXPECT_EQ(luvo::FormatNumber("%.3f", s->clSolved), "0.358");
    EXPECT_EQ(luvo::FormatNumber("%.3f", s->cdi), "0.008");
    EXPECT_EQ(luvo::FormatNumber("%.3f", s->kFactor), "1.005");
}

TEST(LltSolverAnalysis, SymmetryAndAspectRatioInvariants) {
    const TrapezoidWing wings[] = {
        llt_test::AnalysisWindowInputs(),
        {10, 1, 30, 30, 40, 2, 1.5, 1, 0.5, 5, 0, 0, 0},
        {12, 2.5, 20, 0, 80, 3, 2.5, 2.5, 0.2, -3, 4, 4, -5},
        {1.5, 0.8, 100, 0, 0, 0.4, 0.1, 0.1, 0.1, 10, -5, -5, -5},
    };
    for (const auto& w : wings) {
        SCOPED_TRACE(w.span);
        const auto s = RunAnalysis(w);
        EXPECT_EQ(s->y[51], 0.0);
        EXPECT_EQ(s->gamma[0], 0.0);
        EXPECT_EQ(s->gamma[102], 0.0);
        for (int i = 0; i <= 102; ++i) {
            EXPECT_EQ(s->chord[i], s->chord[102 - i]) << i;
            EXPECT_EQ(s->twistRad[i], s->twistRad[102 - i]) << i;
            EXPECT_EQ(s->gamma[i], s->gamma[102 - i]) << i;
        }
        EXPECT_DOUBLE_EQ(s->aspectRatio, s->span * s->span / s->area);
        // The solved circulation satisfies every row of the Multhopp system.
        for (int i = 1; i <= 101; ++i) {
            double lhs = s->diagonal[i][i] * s->gamma[i];
            for (int j = 1; j <= 101; ++j)
                if (j != i) lhs -= s->influence[i][j] * s->gamma[j];
            EXPECT_NEAR(lhs, s->twistRad[i], 1e-12) << i;
        }
    }
}

TEST(LltSolverAnalysis, SignOfTheAngleCarriesOverToTheCirculation) {
    TrapezoidWing w = llt_test::AnalysisWindowInputs();
    w.angleA = w.angleB = w.angleC = w.angleD = 0;
    auto zero = RunAnalysis(w);
    for (int i = 0; i <= 102; ++i) EXPECT_EQ(zero->gamma[i], 0.0);
    for (int i = 1; i <= 101; ++i) EXPECT_EQ(zero->ca[i], 0.0);
    EXPECT_EQ(zero->clSolved, 0.0);
    EXPECT_EQ(zero->cdi, 0.0);
    EXPECT_EQ(zero->gammaMax, 0.0);
    EXPECT_EQ(zero->caMax, 0.0);
    EXPECT_TRUE(std::isnan(zero->kFactor));  // 0/0 is kept; the windows show "---"

    w.angleA = -3;
    auto negative = RunAnalysis(w);
    for (int i = 1; i <= 101; ++i) EXPECT_LT(negative->gamma[i], 0.0) << i;
    EXPECT_LT(negative->clSolved, 0.0);
    EXPECT_EQ(negative->gammaMax, 0.0);
    EXPECT_EQ(negative->caMax, 0.0);
}

TEST(LltSolverAnalysis, EllipticChordGivesEllipticLoading) {
    // With c = c0 sin(theta) and a constant angle the exact solution is gamma = A sin(theta),
    // A = 2 alpha / (1 + 4 b / (6.28 f c0)), which Multhopp's quadrature reproduces.
    struct Case {
        double b, c0, alphaDeg, f;
    };
    for (const Case& c : {Case{8, 2, 5, 1}, Case{20, 1.2, -2, 2.5}, Case{3, 0.9, 10, 0.7}}) {
        SCOPED_TRACE(c.b);
        LltSolver s;
        s.SetStations(c.b);
        const double alpha = c.alphaDeg * LltPi / 180;
        for (int i = 0; i <= 102; ++i) {
            s.chord[i] = c.c0 * std::sin(s.theta[i]);
            s.twistRad[i] = alpha;
        }
        s.chord[0] = s.chord[102] = 0;
        LltSolveDistributions(s, c.b, c.f);
        const double a = 2 * alpha / (1 + 4 * c.b / (6.28 * c.f * c.c0));
        for (int i = 1; i <= 101; ++i) {
            EXPECT_NEAR(s.gamma[i], a * std::sin(s.theta[i]), 1e-12) << i;
            // Constant downwash a/2 and, with it, a constant local lift coefficient.
            EXPECT_NEAR(s.alphaInd[i], a / 2, 1e-12) << i;
            EXPECT_NEAR(s.ca[i], 2 * c.b * a / c.c0, 1e-10) << i;
        }
        EXPECT_NEAR(s.kFactor, 1.0, 1e-10);
        EXPECT_NEAR(s.clSolved, LltPi * s.aspectRatio * a / 2, 1e-12);
    }
}

TEST(LltSolverAnalysis, StationsWithoutLiftSlopeCarryNoCirculation) {
    struct Case {
        const char* name;
        TrapezoidWing wing;
    };
    const Case cases[] = {
        {"chord 0 from B on", {8, 1, 50, 25, 25, 2.0, 0, 0, 0, 5.0, -0.5, -0.8, -1.5}},
        {"chord 0 from C on", {8, 1, 50, 25, 25, 2.0, 1.7, 0, 0, 5.0, -0.5, -0.8, -1.5}},
        {"lift slope 0", {8, 0, 50, 25, 25, 2.0, 1.7, 1.3, 0.6, 5.0, -0.5, -0.8, -1.5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto s = RunAnalysis(c.wing);
        int withoutLift = 0;
        for (int i = 1; i <= 101; ++i) {
            ASSERT_TRUE(std::isfinite(s->gamma[i])) << i;
            ASSERT_TRUE(std::isfinite(s->ca[i])) << i;
            ASSERT_TRUE(std::isfinite(s->alphaInd[i])) << i;
            // Zero up to the rounding of the interpolation onto a station.
            if (std::fabs(s->chord[i]) <= 1e-12 * c.wing.chordA || c.wing.liftSlope == 0) {
                EXPECT_EQ(s->gamma[i], 0.0) << i;
                EXPECT_EQ(s->ca[i], 0.0) << i;
                ++withoutLift;
            } else {
                EXPECT_GT(s->gamma[i], 0.0) << i;
            }
        }
        EXPECT_GT(withoutLift, 0);
        for (double v : {s->area, s->meanChord, s->clSolved, s->cdi, s->gammaMax, s->caMax})
            EXPECT_TRUE(std::isfinite(v));
    }
    // The zero chord is the limit of a vanishing chord.
    TrapezoidWing zero = cases[0].wing, tiny = zero;
    tiny.chordB = tiny.chordC = tiny.chordD = 1e-10;
    const auto a = RunAnalysis(zero);
    const auto b = RunAnalysis(tiny);
    EXPECT_NEAR(a->clSolved, b->clSolved, 1e-9);
    EXPECT_NEAR(a->cdi, b->cdi, 1e-9);
    EXPECT_NEAR(a->kFactor, b->kFactor, 1e-7);
}

// A breakpoint of chord 0 that falls on a station leaves about 1e-15 there after the
// interpolation. That station still counts as chord 0: no circulation, no local lift, and the
// lift scale comes from the stations that carry lift.
TEST(LltSolverAnalysis, StationOnABreakpointOfChordZeroCarriesNoLift) {
    struct Case {
        const char* name;
        TrapezoidWing wing;
    };
    // Every breakpoint of chord 0 lies at y = b/4, on station 34 (cos(pi/3) = 1/2).
    const Case cases[] = {
        {"B = 0", {8, 1, 50, 25, 25, 2.0, 0, 1.3, 0.6, 5.0, -0.5, -0.8, -1.5}},
        {"C = 0", {8, 1, 25, 25, 50, 2.0, 1.7, 0, 0.6, 5.0, -0.5, -0.8, -1.5}},
        {"D = 0", {8, 1, 20, 20, 10, 2.0, 1.7, 1.3, 0, 5.0, -0.5, -0.8, -1.5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto s = RunAnalysis(c.wing);
        ASSERT_LT(std::fabs(s->chord[34]), 1e-12);
        EXPECT_EQ(s->gamma[34], 0.0);
        EXPECT_EQ(s->ca[34], 0.0);
        EXPECT_EQ(s->ca[68], 0.0);  // its mirror
        double largest = 0;
        for (int i = 1; i <= 101; ++i) {
            ASSERT_TRUE(std::isfinite(s->ca[i])) << i;
            if (i != 34 && i != 68) largest = std::fmax(largest, s->ca[i]);
        }
        EXPECT_DOUBLE_EQ(s->caMax, largest);
        EXPECT_LT(s->caMax, 1.0);
    }
}

}  // namespace
