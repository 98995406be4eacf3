// Design relations of the lifting-line method: the series circulation, twist and chord from the
// series, the series coefficients, the three-point fit and the chord design's root-angle search.

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "common/core/NumberText.h"
#include "llt/core/LltAnalysisRun.h"
#include "llt/core/LltDesignTasks.h"
#include "llt/core/LltSolver.h"
#include "tests/llt/core/LltTestWings.h"

namespace {

using llt_test::ChordDesignWindowInputs;
using llt_test::TwistDesignWindowInputs;
using luvo::FormatNumber;

double Series(double a1, double a3, double a5, double t) {
    return a1 * std::sin(t) + a3 * std::sin(3 * t) + a5 * std::sin(5 * t);
}

TEST(LltDesignSeries, CirculationFollowsTheSineSeries) {
    LltSolver s;
    s.SetStations(8);
    s.SetSeriesCirculation(0.4, -0.1, 0.05);
    EXPECT_EQ(s.seriesGamma[0], 0.0);
    for (int i = 1; i <= 51; ++i) {
        EXPECT_NEAR(s.seriesGamma[i], Series(0.4, -0.1, 0.05, i * LltPi / 102), 1e-14) << i;
    }
    // Root: sin 3(pi/2) = -1, sin 5(pi/2) = 1.
    EXPECT_NEAR(s.seriesGamma[51], 0.4 + 0.1 + 0.05, 1e-15);
    for (int i = 52; i <= 102; ++i) EXPECT_EQ(s.seriesGamma[i], 0.0);
}

TEST(LltDesignSeries, CoefficientsGiveInducedDragAndKFactor) {
    // cdi = (pi L / 4)(A^2 + 3 a3^2 + 5 a5^2), cl = pi L A / 2, k = 1 + (3 a3^2 + 5 a5^2) / A^2.
    struct Case {
        double first, a3, a5, aspectRatio;
    };
    for (const Case& c : {Case{1, 0, 0, 6}, Case{0.03, 0, 0, 5.2}, Case{0.2, 0.05, -0.02, 8},
                          Case{-0.3, 0.1, 0.1, 12}}) {
        LltSolver s;
        s.a3 = c.a3;
        s.a5 = c.a5;
        s.aspectRatio = c.aspectRatio;
        s.cl = LltPi * c.aspectRatio * c.first / 2;
        s.ComputeSeriesCoefficients(c.first);
        const double weighted = c.first * c.first + 3 * c.a3 * c.a3 + 5 * c.a5 * c.a5;
        EXPECT_NEAR(s.cdiSeries, LltPi * c.aspectRatio / 4 * weighted, 1e-13);
        EXPECT_NEAR(s.kFactor, weighted / (c.first * c.first), 1e-12);
    }
    // A first coefficient of 0 leaves both undefined; the record keeps that.
    LltSolver zero;
    zero.aspectRatio = 6;
    zero.a3 = 0.1;
    zero.ComputeSeriesCoefficients(0.0);
    EXPECT_FALSE(std::isfinite(zero.cdiSeries));
    EXPECT_FALSE(std::isfinite(zero.kFactor));
}

TEST(LltDesignTwist, TipLimitAndExtremes) {
    struct Case {
        double a1, a3, a5, tipDeg;
    };
    // Elliptic loading: 90/pi at the tip; the tip does not depend on the chord.
    for (const Case& c : {Case{1, 0, 0, 90 / LltPi}, Case{0.5, 0.1, 0, 40.107}}) {
        for (double chord : {0.5, 2.0}) {
            LltSolver s;
            s.SetStations(8);
            s.SetTrapezoidChord(8, 50, 25, 25, chord, chord, chord, chord);
            s.TwistFromFourier(8, c.a1, c.a3, c.a5, 1);
            EXPECT_NEAR(s.twistDeg[0], c.tipDeg, 1e-3);
            EXPECT_EQ(s.a1, c.a1);
        }
    }
    // All angles negative: twistMax keeps its floor 0.01, twistMin the smallest angle.
    LltSolver s;
    s.SetStations(8);
    s.SetTrapezoidChord(8, 50, 25, 25, 2, 1.7, 1.3, 0.6);
    s.a1 = 0.77;
    s.a1FromCl = -0.02;
    s.TwistFromFourierCl(8, 0, 0, 1);
    EXPECT_EQ(s.a1, 0.77);  // the lift-mode variant leaves a1 alone
    EXPECT_EQ(s.twistMax, 0.01);
    double smallest = 1e300;
    for (int i = 0; i <= 51; ++i) {
        EXPECT_LT(s.twistDeg[i], 0.0);
        smallest = std::min(smallest, s.twistDeg[i]);
    }
    EXPECT_EQ(s.twistMin, smallest);
}

TEST(LltDesignTwist, TwistDesignWindowDefaults) {
    const auto s = LltRunTwistDesign(TwistDesignWindowInputs());
    EXPECT_EQ(FormatNumber("%.2f", s->area), "12.30");
    EXPECT_EQ(FormatNumber("%.2f", s->meanChord), "1.64");
    EXPECT_EQ(FormatNumber("%.2f", s->aspectRatio), "5.20");
    EXPECT_EQ(FormatNumber("%.2f", s->cl), "0.30");
    EXPECT_EQ(FormatNumber("%.3f", s->cdiSeries), "0.006");
    EXPECT_EQ(FormatNumber("%.3f", s->kFactor), "1.000");
    EXPECT_NEAR(s->twistDeg[51], 3.729, 5e-4);
    EXPECT_NEAR(s->twistDeg[0], 1.051, 5e-4);
    // The a1 mode's lift coefficient for a1 = 0.03 on the same wing.
    EXPECT_EQ(FormatNumber("%.2f", 0.03 * s->aspectRatio * LltPi * 0.5), "0.25");
}

TEST(LltDesignTwist, AnalysisOfTheDesignedTwistGivesThePrescribedLift) {
    // Solving the designed wing back with the Multhopp system returns the prescribed lift and
    // the elliptic loading; the small gap is the literal 6.28 against 2 pi.
    for (double liftCoefficient : {0.3, 0.8, -0.4}) {
        SCOPED_TRACE(liftCoefficient);
        LltTwistDesignInputs in = TwistDesignWindowInputs();
        in.liftCoefficient = liftCoefficient;
        const auto design = LltRunTwistDesign(in);
        LltSolver s;
        s.SetStations(in.span);
        s.SetTrapezoidChord(in.span, in.s1, in.s2, in.s3, in.chordA, in.chordB, in.chordC,
                            in.chordD);
        for (int i = 0; i <= 51; ++i) {
            s.twistDeg[i] = design->twistDeg[i];
            s.twistRad[i] = s.twistRad[102 - i] = design->twistDeg[i] * LltPi / 180;
        }
        LltSolveDistributions(s, in.span, in.liftSlope);
        EXPECT_NEAR(s.clSolved, liftCoefficient, 1e-3 * std::fabs(liftCoefficient));
        EXPECT_NEAR(s.kFactor, 1.0, 1e-3);
        for (int i = 1; i <= 51; ++i) {
            EXPECT_NEAR(s.gamma[i], design->seriesGamma[i],
                        1e-3 * std::fabs(design->seriesGamma[51]))
                << i;
        }
    }
}

TEST(LltDesignChord, ChordAndTwistRelationsAreInverse) {
    struct Case {
        double a1, a3, a5, f;
    };
    for (const Case& c :
         {Case{0.03, 0, 0, 1}, Case{0.05, 0.01, -0.005, 1.5}, Case{0.1, -0.02, 0.01, 3}}) {
        LltSolver s;
        s.SetStations(15);
        s.SetTrapezoidTwist(15, 8, -0.4, -0.75, -1.5, 50, 25, 25);
        s.ChordFromFourier(15, c.a1, c.a3, c.a5, c.f);
        EXPECT_EQ(s.a1, c.a1);
        const auto twist = s.twistDeg;
        s.TwistFromFourier(15, c.a1, c.a3, c.a5, c.f);
        for (int i = 1; i <= 51; ++i) EXPECT_NEAR(s.twistDeg[i], twist[i], 1e-9) << i;
    }
}

TEST(LltDesignChord, TipChordZeroAndMaximumNeverBelowZero) {
    LltSolver s;
    s.SetStations(15);
    s.SetTrapezoidTwist(15, 5, -0.4, -0.75, -1.5, 50, 25, 25);
    s.ChordFromFourier(15, 0.03, 0, 0, 1);
    EXPECT_EQ(s.chord[0], 0.0);
    double largest = 0;
    for (int i = 1; i <= 51; ++i) largest = std::max(largest, s.chord[i]);
    EXPECT_EQ(s.chordMax, largest);
    EXPECT_GT(s.chordMax, 0.0);
    // An angle below what the circulation needs gives negative chords; the maximum stays 0.
    s.SetTrapezoidTwist(15, -5, 0, 0, 0, 50, 25, 25);
    s.ChordFromFourier(15, 0.03, 0, 0, 1);
    for (int i = 1; i <= 51; ++i) EXPECT_LT(s.chord[i], 0.0);
    EXPECT_EQ(s.chordMax, 0.0);
}

TEST(LltDesignChord, ChordDesignA1ModeDefaults) {
    LltChordDesignInputs in = ChordDesignWindowInputs();
    in.circulationMode = 1.0;
    const auto s = LltRunChordDesign(in).record;
    EXPECT_EQ(FormatNumber("%.3f", s->area), "26.152");
    EXPECT_EQ(FormatNumber("%.3f", s->meanChord), "1.821");
    EXPECT_EQ(FormatNumber("%.3f", s->aspectRatio), "8.603");
    EXPECT_EQ(FormatNumber("%.3f", s->cl), "0.405");
    EXPECT_EQ(FormatNumber("%.3f", s->cdiSeries), "0.006");
    EXPECT_EQ(FormatNumber("%.3f", s->kFactor), "1.000");
}

TEST(LltDesignFit, ThreePointFitReproducesItsInputs) {
    struct Case {
        double a1, a3, a5;
    };
    for (const Case& c : {Case{0.3, 0.05, -0.02}, Case{0.03, 0, 0}, Case{-0.2, 0.1, 0.3}}) {
        LltSolver s;
        s.SetStations(8);
        s.aspectRatio = 5.2;
        const double g51 = Series(c.a1, c.a3, c.a5, s.theta[51]);
        const double g41 = Series(c.a1, c.a3, c.a5, s.theta[41]);
        const double g30 = Series(c.a1, c.a3, c.a5, s.theta[30]);
        s.FitFourierCoefficients(g51, g41, g30, 1.0);
        EXPECT_NEAR(s.a1, c.a1, 1e-13);
        EXPECT_NEAR(s.a3, c.a3, 1e-13);
        EXPECT_NEAR(s.a5, c.a5, 1e-13);
        EXPECT_NEAR(s.cl, c.a1 * 5.2 * LltPi / 2, 1e-12);
        EXPECT_EQ(s.fitValues[1], g51);
        // The root row is (1, -1, 1).
        s.SetSeriesCirculation(s.a1, s.a3, s.a5);
        EXPECT_NEAR(s.seriesGamma[51], g51, 1e-14);
        EXPECT_NEAR(s.seriesGamma[41], g41, 1e-14);
        EXPECT_NEAR(s.seriesGamma[30], g30, 1e-14);
    }
}

TEST(LltDesignFit, ModeOneWritesA1OtherModesA1FromCl) {
    struct Case {
        double mode;
        bool writesA1;
    };
    for (const Case& c :
         {Case{1.0, true}, Case{0.0, false}, Case{2.0, false}, Case{0.999, false}}) {
        SCOPED_TRACE(c.mode);
        LltSolver s;
        s.SetStations(8);
        s.aspectRatio = 6;
        s.a1 = 7;
        s.a1FromCl = 8;
        s.FitFourierCoefficients(0.1, 0.09, 0.07, c.mode);
        EXPECT_EQ(c.writesA1 ? s.a1 : s.a1FromCl, s.fitCoefficients[1]);
        EXPECT_EQ(c.writesA1 ? s.a1FromCl : s.a1, c.writesA1 ? 8.0 : 7.0);
    }
}

// The area of the record's chord by the trapezoid rule over both halves, summed here.
double AreaOfRecord(const LltSolver& s) {
    double half = 0;
    for (int i = 1; i <= 51; ++i)
        half += 0.5 * (s.chord[i] + s.chord[i - 1]) * (s.y[i - 1] - s.y[i]);
    return 2 * half;
}

// The area of the wing at one root angle, through the record's own operations.
double AreaAt(LltSolver& s, const LltChordDesignInputs& in, double rootAngle) {
    s.SetTrapezoidTwist(in.span, rootAngle, in.angleB, in.angleC, in.angleD, in.s1, in.s2, in.s3);
    s.ChordFromFourierCl(in.span, in.a3, in.a5, in.liftSlope);
    return s.TrapezoidArea();
}

LltRootAngleResult Search(LltSolver& s, const LltChordDesignInputs& in) {
    return s.SearchRootAngle(in.span, in.angleB, in.angleC, in.angleD, in.s1, in.s2, in.s3, in.a3,
                             in.a5, in.liftSlope);
}

LltChordDesignInputs With(double span, double lift, double aspectRatio, double a3, double a5) {
    LltChordDesignInputs in = ChordDesignWindowInputs();
    in.span = span;
    in.liftCoefficient = lift;
    in.aspectRatio = aspectRatio;
    in.a3 = a3;
    in.a5 = a5;
    return in;
}

// The wing found has the area b²/Lambda to 1e-6, and its twist and chord stay in the record.
TEST(LltRootAngleSearch, MeetsTheTargetArea) {
    struct Case {
        const char* name;
        LltChordDesignInputs in;
    };
    const Case cases[] = {
        {"defaults", ChordDesignWindowInputs()},
        {"span 2, CL 0.6, Lambda 8", With(2, 0.6, 8, 0, 0)},
        {"series with a3, a5", With(12, 0.6, 9, 0.01, -0.004)},
        {"large area", With(15, 0.3, 0.5, 0, 0)},
        {"negative lift", With(10, -0.4, 7, 0, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto s = llt_test::PrepareChordDesignLiftMode(c.in);
        const double target = c.in.span * c.in.span / c.in.aspectRatio;
        const LltRootAngleResult r = Search(*s, c.in);
        EXPECT_TRUE(r.reached);
        EXPECT_LE(std::fabs(r.area - target), 1e-6 * target) << r.area;
        EXPECT_GE(r.rootAngle, -90.0);
        EXPECT_LE(r.rootAngle, 90.0);
        EXPECT_EQ(s->twistDeg[51], r.rootAngle);
        EXPECT_NEAR(AreaOfRecord(*s), target, 1e-6 * target);
        EXPECT_EQ(s->aspectRatio, c.in.aspectRatio);  // the prescribed value stays
    }
}

// An untwisted wing of elliptic loading is the elliptic wing: its angle of attack is
// alpha = CL (1 + 2 f / Lambda) / (2 pi f), whatever its span.
TEST(LltRootAngleSearch, UntwistedEllipticWingTakesTheLiftingLineAngle) {
    for (const auto& [span, lift, aspectRatio, f] :
         {std::tuple{15.0, 0.3, 6.0, 1.0}, {2.0, 0.6, 8.0, 1.0}, {10.0, 0.5, 5.0, 0.9}}) {
        LltChordDesignInputs in = With(span, lift, aspectRatio, 0, 0);
        in.angleB = in.angleC = in.angleD = 0;
        in.liftSlope = f;
        auto s = llt_test::PrepareChordDesignLiftMode(in);
        const LltRootAngleResult r = Search(*s, in);
        ASSERT_TRUE(r.reached);
        const double expected = lift * (1 + 2 * f / aspectRatio) / (2 * LltPi * f) * 180 / LltPi;
        // The trapezoid rule takes a little off the ellipse's area, which a slightly smaller
        // angle gives back.
        EXPECT_NEAR(r.rootAngle, expected, 2e-3 * expected) << span;
    }
}

// No grid angle of the scan comes closer to the target than the angle found.
TEST(LltRootAngleSearch, NoGridAngleComesCloser) {
    for (const LltChordDesignInputs& in :
         {ChordDesignWindowInputs(), With(2, 0.6, 8, 0, 0), With(15, 0.001, 6, 0, 0)}) {
        auto s = llt_test::PrepareChordDesignLiftMode(in);
        auto grid = llt_test::PrepareChordDesignLiftMode(in);
        const double target = in.span * in.span / in.aspectRatio;
        const LltRootAngleResult r = Search(*s, in);
        for (int q = 0; q <= 3600; ++q) {
            const double area = AreaAt(*grid, in, 90.0 - q * 0.05);
            if (std::isnan(area)) continue;
            ASSERT_GE(std::fabs(area - target), std::fabs(r.area - target)) << q;
        }
    }
}

// Without lift the chord vanishes at every angle: no angle reaches the area, and the result
// says so with the wing's own area.
TEST(LltRootAngleSearch, AreaOutOfReachIsReported) {
    const LltChordDesignInputs in = With(15, 0.0, 6, 0, 0);
    auto s = llt_test::PrepareChordDesignLiftMode(in);
    const LltRootAngleResult r = Search(*s, in);
    EXPECT_FALSE(r.reached);
    EXPECT_EQ(r.area, 0.0);
    EXPECT_EQ(s->twistDeg[51], r.rootAngle);
}

}  // namespace
