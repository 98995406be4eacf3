// The extended lifting-line record: planform closed forms, the Multhopp sums for an elliptic
// loading, properties of the solution for a table of wings, the piece rules (lengths of 0, sums
// that fall short of 1), the two sequences against each other, and sections without lift.

#include "etl/core/EtlSolver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "common/core/NumberText.h"
#include "etl/core/EtlRuns.h"
#include "tests/etl/core/EtlTestWings.h"

namespace {

using etl_test::AnalysisWindowInputs;

constexpr double kDeg = 3.14159265358979323846 / 180.0;

// What the windows show and the files hold: the wing's values and the distributions.
bool AllFinite(const EtlSolver& s) {
    for (double v :
         {s.area, s.aspectRatio, s.meanChord, s.liftCoefficient, s.inducedDragCoefficient}) {
        if (!std::isfinite(v)) return false;
    }
    for (int k = 1; k <= 101; ++k) {
        if (!std::isfinite(s.gamma[k]) || !std::isfinite(s.ca[k])) return false;
    }
    return true;
}

struct FileSegmentsCase {
    const char* name;
    EtlGridHeader header;
    bool solves;
};

// |a - b| within a relative tolerance of the larger magnitude.
::testing::AssertionResult NearRelative(double a, double b, double rel) {
    const double scale = std::max(std::fabs(a), std::fabs(b));
    if (std::fabs(a - b) <= rel * scale) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << a << " vs " << b << " (relative " << rel << ")";
}

// A record with stations, a three-trapezoid chord and the planform values.
std::unique_ptr<EtlSolver> Planform(double b, double lAB, double lBC, double lCD, double cA,
                                    double cB, double cC, double cD) {
    auto s = std::make_unique<EtlSolver>();
    s->SetStations(b);
    s->SetTrapezoidChord(b, lAB, lBC, lCD, cA, cB, cC, cD);
    s->ComputePlanform();
    return s;
}

TEST(EtlSolverPlanform, ConstantChordAreaMeanChordAndAspectRatio) {
    struct Case {
        double b, c, lAB, lBC, lCD;
    };
    const Case cases[] = {
        {10, 2, 50, 40, 10}, {1.5, 0.3, 100, 0, 0}, {100, 50, 29, 71, 0}, {8, 0.01, 10, 10, 80}};
    for (const Case& c : cases) {
        const auto s = Planform(c.b, c.lAB, c.lBC, c.lCD, c.c, c.c, c.c, c.c);
        EXPECT_TRUE(NearRelative(s->area, c.b * c.c, 1e-13)) << c.b << " " << c.c;
        EXPECT_TRUE(NearRelative(s->meanChord, c.c, 1e-13));
        EXPECT_TRUE(NearRelative(s->aspectRatio, c.b / c.c, 1e-13));
        // The root has y exactly 0, the first tip y = b/2; the chord is mirrored.
        EXPECT_EQ(s->y[51], 0.0);
        EXPECT_DOUBLE_EQ(s->y[0], c.b / 2);
        for (int k = 0; k <= 102; ++k) EXPECT_TRUE(NearRelative(s->chord[k], c.c, 1e-14)) << k;
    }
}

TEST(EtlSolverPlanform, QuarterChordSweepOfEachTrapezoid) {
    struct Case {
        double b, lAB, lBC, lCD, cA, cB, cC, cD, phi1, phi2, phi3;
    };
    const Case cases[] = {
        {10, 50, 40, 10, 2, 2, 2, 2, 15, 15, 15},       // equal chords: the leading-edge sweeps
        {10, 50, 40, 10, 2, 2, 2, 2, -45, 0, 45},       // equal chords, both signs
        {12, 30, 30, 40, 3, 2, 1.5, 0.5, 10, -20, 30},  // tapered
        {6, 60, 0, 40, 1, 2, 5, 0.8, -5, 40, 25},       // a trapezoid of length 0 has no sweep
    };
    for (const Case& c : cases) {
        EtlSolver s;
        s.SetStations(c.b);
        s.SetTrapezoidChord(c.b, c.lAB, c.lBC, c.lCD, c.cA, c.cB, c.cC, c.cD);
        s.SetTrapezoidSweep(c.b, c.phi1, c.phi2, c.phi3, c.lAB, c.lBC, c.lCD);
        const double lengths[] = {c.lAB, c.lBC, c.lCD};
        const double chords[] = {c.cA, c.cB, c.cC, c.cD};
        const double sweeps[] = {c.phi1, c.phi2, c.phi3};
        for (int m = 0; m < 3; ++m) {
            EXPECT_NEAR(s.trapezoidLeadingEdgeSweep[m + 1], sweeps[m] * kDeg, 1e-15);
            if (lengths[m] == 0) {
                EXPECT_EQ(s.trapezoidQuarterChordSweep[m + 1], 0.0);
                continue;
            }
            const double l = lengths[m] / 100 * c.b / 2;
            const double expected =
                std::tan(sweeps[m] * kDeg) + (chords[m + 1] - chords[m]) / (4 * l);
            EXPECT_NEAR(std::tan(s.trapezoidQuarterChordSweep[m + 1]), expected, 1e-13)
                << "trapezoid " << m + 1 << " of case b=" << c.b;
        }
    }
}

// Piecewise-linear chord and twist through the section values; a piece of length 0 holds no
// station, so the next piece starts from its own inner value.
TEST(EtlSolverPlanform, DistributionsFollowTheSections) {
    const double b = 10, h = 5;
    EtlSolver s;
    s.SetStations(b);
    s.SetTrapezoidChord(b, 50, 0, 50, 2, 1, 3, 1);
    s.SetTrapezoidTwist(b, 4, 2, -2, 6, 50, 0, 50);
    for (int k = 0; k <= 51; ++k) {
        const double eta = s.y[k] / h;
        const double chord = eta <= 0.5 ? 2 - (eta / 0.5) : 3 - 2 * (eta - 0.5) / 0.5;
        const double twist = eta <= 0.5 ? 4 - 2 * (eta / 0.5) : -2 + 8 * (eta - 0.5) / 0.5;
        EXPECT_NEAR(s.chord[k], chord, 1e-13) << k;
        EXPECT_NEAR(s.twistDeg[k], twist, 1e-13) << k;
        // The second half mirrors the first; twistDeg keeps only the first half.
        EXPECT_EQ(s.chord[102 - k], s.chord[k]);
        if (k >= 1) {
            EXPECT_NEAR(s.alpha[k], twist * kDeg, 1e-15) << k;
            EXPECT_EQ(s.alpha[102 - k], s.alpha[k]);
        }
    }
    EXPECT_EQ(s.twistDeg[52], 0.0);
    EXPECT_EQ(s.sectionChord[2], 3.0);
    EXPECT_EQ(s.sectionTwist[3], 6.0);
}

// gamma = c sin(theta) is the elliptic loading: the quadrature gives the induced angle c/2 at
// every station, CL = pi Lambda c / 2 and k = 1.
TEST(EtlSolverCoefficients, EllipticLoadingGivesUnitKFactor) {
    for (double c : {0.05, 0.2, -0.1}) {
        auto s = Planform(10, 50, 40, 10, 2, 2, 2, 2);
        s->BuildInfluenceMatrix(10);
        for (int k = 1; k <= 101; ++k) s->gamma[k] = c * std::sin(s->theta[k]);
        s->ComputeInducedAngles();
        s->ComputeCoefficients();
        for (int k = 1; k <= 101; ++k) EXPECT_NEAR(s->alphaInduced[k], c / 2, 1e-9) << k;
        EXPECT_NEAR(s->liftCoefficient, EtlPi * s->aspectRatio * c / 2, 1e-9);
        EXPECT_NEAR(s->kFactor, 1.0, 1e-9);
        EXPECT_NEAR(s->ca[51], 2 * 10 * c / 2, 1e-12);
    }
}

struct WingCase {
    const char* name;
    EtlAnalysisInputs in;
};

std::vector<WingCase> WingTable() {
    std::vector<WingCase> wings;
    EtlAnalysisInputs in = AnalysisWindowInputs();
    wings.push_back({"window defaults", in});
    in.chordA = 3.0, in.chordB = 2.0, in.chordC = 1.2, in.chordD = 0.4;
    in.angleB = -1, in.angleC = -2, in.angleD = -4;
    wings.push_back({"tapered, washed out", in});
    in.sweep1 = -30, in.sweep2 = -10, in.sweep3 = 0;
    in.sideslip = -30;
    wings.push_back({"forward swept, beta -30", in});
    in.sweep1 = 45, in.sweep2 = 30, in.sweep3 = -45;
    in.sideslip = 30;
    in.liftSlopeFactor = 0.9;
    wings.push_back({"mixed sweeps, beta 30", in});
    in = AnalysisWindowInputs();
    in.span = 40, in.lengthAB = 20, in.lengthBC = 0, in.lengthCD = 80;
    in.chordA = 1, in.chordB = 0.8, in.chordC = 2, in.chordD = 0.3;
    in.sideslip = 12.5, in.angleA = 2, in.angleD = 5;
    wings.push_back({"slender, piece of length 0, beta 12.5", in});
    return wings;
}

// Any solved loading has k >= 1, and the kernel's |y| and W² make matrix and loading symmetric
// about the root for every sideslip angle.
TEST(EtlSolverCoefficients, KFactorAndSymmetryForATableOfWings) {
    for (const WingCase& w : WingTable()) {
        SCOPED_TRACE(w.name);
        const auto s = EtlSolveAnalysis(w.in);
        EXPECT_GT(s->liftCoefficient, 0.0);
        EXPECT_GE(s->kFactor, 1 - 1e-9);
        for (int k = 1; k <= 101; ++k) {
            EXPECT_TRUE(NearRelative(s->gamma[102 - k], s->gamma[k], 1e-10)) << k;
        }
        for (int i = 1; i <= 101; ++i) {
            for (int j = 1; j <= 101; ++j) {
                ASSERT_TRUE(
                    NearRelative(s->sweepMatrix[102 - i][102 - j], s->sweepMatrix[i][j], 1e-10))
                    << i << "," << j;
            }
        }
        EXPECT_DOUBLE_EQ(s->sideslip, w.in.sideslip * kDeg);
        EXPECT_GT(s->gammaMax, 0.0);
        EXPECT_GT(s->caMax, 0.0);
    }
}

// The kernel's diagonal in its second form: sin(theta_i) s² / (408 f² c² cos² beta).
TEST(EtlSolverCoefficients, SweepMatrixDiagonal) {
    for (const WingCase& w : WingTable()) {
        SCOPED_TRACE(w.name);
        const auto s = EtlSolveAnalysis(w.in);
        const double half = w.in.span / 2, f = w.in.liftSlopeFactor;
        const double cosBeta = std::cos(w.in.sideslip * kDeg);
        for (int i = 1; i <= 101; ++i) {
            const double c = s->chord[i];
            const double expected = std::sin(i * kDeg * 180 / 102) * half * half /
                                    (408 * f * f * c * c * cosBeta * cosBeta);
            EXPECT_TRUE(NearRelative(s->sweepMatrix[i][i], expected, 1e-12)) << i;
        }
    }
}

void ExpectSameSolution(const EtlSolver& a, const EtlSolver& b, double rel);

// The sideslip skews the kernel through (t - sin beta): a quarter-chord sweep with tan phi =
// sin beta cancels it, which leaves the unswept wing without sideslip whose lift slope is
// reduced by cos beta.
TEST(EtlSolverCoefficients, SweepThatCancelsTheSideslip) {
    for (double betaDeg : {-25.0, 10.0, 30.0}) {
        SCOPED_TRACE(betaDeg);
        EtlAnalysisInputs in = AnalysisWindowInputs();
        in.angleB = -1, in.angleC = -1.5, in.angleD = -3;
        in.sideslip = betaDeg;
        in.sweep1 = in.sweep2 = in.sweep3 = std::atan(std::sin(betaDeg * kDeg)) / kDeg;
        const auto skewed = EtlSolveAnalysis(in);
        in.sideslip = 0;
        in.sweep1 = in.sweep2 = in.sweep3 = 0;
        in.liftSlopeFactor = std::cos(betaDeg * kDeg);
        ExpectSameSolution(*skewed, *EtlSolveAnalysis(in), 1e-11);
    }
}

void ExpectSameSolution(const EtlSolver& a, const EtlSolver& b, double rel) {
    EXPECT_TRUE(NearRelative(a.area, b.area, rel));
    EXPECT_TRUE(NearRelative(a.meanChord, b.meanChord, rel));
    EXPECT_TRUE(NearRelative(a.liftCoefficient, b.liftCoefficient, rel));
    EXPECT_TRUE(NearRelative(a.inducedDragCoefficient, b.inducedDragCoefficient, rel));
    EXPECT_TRUE(NearRelative(a.kFactor, b.kFactor, rel));
    for (int k = 1; k <= 101; ++k) {
        EXPECT_TRUE(NearRelative(a.gamma[k], b.gamma[k], rel)) << k;
        EXPECT_TRUE(NearRelative(a.ca[k], b.ca[k], rel)) << k;
    }
    // Tip slot 0 included: a NaN there fails the comparison.
    for (int k = 0; k <= 51; ++k) {
        EXPECT_TRUE(NearRelative(a.chord[k], b.chord[k], rel)) << k;
        EXPECT_TRUE(NearRelative(a.twistDeg[k], b.twistDeg[k], rel)) << k;
    }
}

// Equal chords, twists and sweeps: where the section edges lie does not matter, also when the
// lengths fall short of 1 by rounding and the tip lies beyond the last piece of length 0 (every
// value stays finite).
TEST(EtlSolverPieces, OnePlanformSplitDifferentlyGivesOneSolution) {
    EtlAnalysisInputs in = AnalysisWindowInputs();
    in.sideslip = 7.0;
    in.sweep1 = in.sweep2 = in.sweep3 = 20.0;
    in.angleB = in.angleC = in.angleD = 0.0;
    const auto reference = EtlSolveAnalysis(in);

    struct Split {
        double lAB, lBC, lCD;
    };
    for (const Split& split : {Split{30, 30, 40}, Split{7.9, 92.1, 0}, Split{100, 0, 0}}) {
        SCOPED_TRACE(std::to_string(split.lAB) + "/" + std::to_string(split.lBC));
        in.lengthAB = split.lAB, in.lengthBC = split.lBC, in.lengthCD = split.lCD;
        ExpectSameSolution(*EtlSolveAnalysis(in), *reference, 1e-12);
    }
    // These lengths do add up to a little less than 1.
    ASSERT_LT(7.9 * 0.01 + 92.1 * 0.01, 1.0);
    ASSERT_LT(0.2 + 0.7 + 0.1, 1.0);

    // The same wing from a file of the lengths 0.2, 0.7, 0.1, 0, ...
    EtlGridHeader header{in.span, in.liftSlopeFactor, in.chordA, in.angleA};
    const std::string file = etl_test::WingFileText(
        header,
        {{0.2, in.angleA, 2.0, 20.0}, {0.7, in.angleA, 2.0, 20.0}, {0.1, in.angleA, 2.0, 20.0}});
    const auto fromFile = EtlSolveGridText(file, header, in.sideslip);
    ASSERT_NE(fromFile, nullptr);
    ExpectSameSolution(*fromFile, *reference, 1e-12);
}

// A file with segments 0.5, 0.4, 0.1 and the analysis of the same wing, with the same angle
// handed to the sweep matrix.
TEST(EtlSolverPieces, WingFileSequenceEqualsTheAnalysisSequence) {
    for (const WingCase& w : WingTable()) {
        if (w.in.lengthAB != 50) continue;
        SCOPED_TRACE(w.name);
        EtlGridHeader header;
        const std::string file = etl_test::AnalysisWingAsFile(w.in, header);
        const auto fromFile = EtlSolveGridText(file, header, w.in.sideslip);
        ASSERT_NE(fromFile, nullptr);
        const auto analysis = EtlSolveAnalysis(w.in);
        ExpectSameSolution(*fromFile, *analysis, 1e-12);
        for (int m = 1; m <= 3; ++m) {
            EXPECT_NEAR(fromFile->segmentQuarterChordSweep[m],
                        analysis->trapezoidQuarterChordSweep[m], 1e-14);
        }
        for (int k = 0; k <= 51; ++k) {
            EXPECT_NEAR(fromFile->chord[k], analysis->chord[k], 1e-13) << k;
            EXPECT_NEAR(fromFile->twistDeg[k], analysis->twistDeg[k], 1e-13) << k;
        }
    }
}

// A wing file of ten segments of 0.1: ten linear pieces through the file's values.
TEST(EtlSolverPieces, TenSegmentsGiveTenLinearPieces) {
    EtlGridHeader header{6, 1, 1.0, 2.0};
    std::vector<etl_test::FileSegment> segments;
    for (int k = 1; k <= 10; ++k) {
        segments.push_back({0.1, 2.0 - 0.5 * k * (k % 2 == 0 ? 1 : -1), 1.0 + 0.1 * (k % 3), 5.0});
    }
    const auto s = EtlSolveGridText(etl_test::WingFileText(header, segments), header, 0.0);
    ASSERT_NE(s, nullptr);
    for (int k = 0; k <= 51; ++k) {
        const double eta = s->y[k] / 3.0;
        const int m = std::min(10, std::max(1, static_cast<int>(std::ceil(eta * 10 - 1e-12))));
        const double inner = m == 1 ? header.rootChord : segments[m - 2].chord;
        const double innerTwist = m == 1 ? header.rootAngle : segments[m - 2].twist;
        const double t = (eta - 0.1 * (m - 1)) / 0.1;
        EXPECT_NEAR(s->chord[k], inner + (segments[m - 1].chord - inner) * t, 1e-12) << k;
        EXPECT_NEAR(s->twistDeg[k], innerTwist + (segments[m - 1].twist - innerTwist) * t, 1e-12)
            << k;
    }
}

// Sections whose lift slope f c cos(beta) / 2 is not above 0 carry no circulation: no lift, the
// k-factor 0/0 stays NaN, and nothing infinite reaches the results.
TEST(EtlSolverPieces, SectionsWithoutLiftSlopeCarryNoCirculation) {
    struct Case {
        const char* name;
        double f, beta;
    };
    const Case cases[] = {{"f = 0", 0, 0},
                          {"f = -1", -1, 0},
                          {"beta 120", 1, 120},
                          {"beta -91", 1, -91},
                          {"f not a number", std::nan(""), 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EtlAnalysisInputs in = AnalysisWindowInputs();
        in.liftSlopeFactor = c.f;
        in.sideslip = c.beta;
        const auto s = EtlSolveAnalysis(in);
        for (int k = 1; k <= 101; ++k) {
            EXPECT_EQ(s->gamma[k], 0.0) << k;
            EXPECT_EQ(s->ca[k], 0.0) << k;
            EXPECT_TRUE(std::isfinite(s->alphaInduced[k]));
        }
        EXPECT_EQ(s->liftCoefficient, 0.0);
        EXPECT_TRUE(std::isnan(s->kFactor));
        EXPECT_EQ(s->gammaMax, 0.0);
        EXPECT_EQ(s->caMax, 0.0);
    }
}

// Where the chord is 0 the wing carries nothing; the rest of it still lifts.
TEST(EtlSolverPieces, StationsOfChordZeroCarryNothing) {
    EtlAnalysisInputs in = AnalysisWindowInputs();
    in.chordB = in.chordC = in.chordD = 0.0;
    const auto s = EtlSolveAnalysis(in);
    int without = 0;
    for (int k = 1; k <= 101; ++k) {
        if (s->chord[k] == 0.0) {
            ++without;
            EXPECT_EQ(s->gamma[k], 0.0) << k;
            EXPECT_EQ(s->ca[k], 0.0) << k;
        } else {
            EXPECT_GT(s->gamma[k], 0.0) << k;
            EXPECT_TRUE(std::isfinite(s->ca[k])) << k;
        }
    }
    EXPECT_GT(without, 50);  // pieces BC and CD
    EXPECT_GT(s->liftCoefficient, 0.0);
    EXPECT_GE(s->kFactor, 1 - 1e-9);
}

// The sweep matrix vanishes as the lift slope grows; the kernel must reach that limit and not
// overflow on the way (the square of D does beyond a factor of about 1e154).
TEST(EtlSolverCoefficients, LargeLiftSlopeFactorsReachTheirLimit) {
    EtlAnalysisInputs in = AnalysisWindowInputs();
    in.sideslip = 5.0;
    in.liftSlopeFactor = 1e6;
    const auto reference = EtlSolveAnalysis(in);
    ASSERT_GT(reference->liftCoefficient, 1.0);
    for (double f : {1e12, 1e100, 1e160, 1e200, 1e300}) {
        SCOPED_TRACE(f);
        in.liftSlopeFactor = f;
        const auto s = EtlSolveAnalysis(in);
        ASSERT_TRUE(AllFinite(*s));
        EXPECT_TRUE(NearRelative(s->liftCoefficient, reference->liftCoefficient, 1e-10));
        EXPECT_TRUE(
            NearRelative(s->inducedDragCoefficient, reference->inducedDragCoefficient, 1e-10));
        for (int k = 1; k <= 101; ++k) {
            ASSERT_TRUE(NearRelative(s->gamma[k], reference->gamma[k], 1e-10)) << k;
        }
    }
}

// A wing file whose numbers overflow or vanish on the way has no results to show (labels of
// "---", an area or aspect ratio of 0): the run is refused like a file that cannot be read.
TEST(EtlSolverPieces, WingFilesWithoutResultsToShowGiveNone) {
    const std::vector<FileSegmentsCase> cases = {
        {"span 1e300", {1e300, 1, 2.0, 5.0}, false},
        {"span 1e150", {1e150, 1, 2.0, 5.0}, false},
        {"span 1e-300", {1e-300, 1, 2.0, 5.0}, false},
        {"root angle 1e300", {10, 1, 2.0, 1e300}, false},
        {"root angle 1e10", {10, 1, 2.0, 1e10}, false},
        {"root chord 1e300", {10, 1, 1e300, 5.0}, false},
        {"factor 1e300", {10, 1e300, 2.0, 5.0}, true},
        {"span 1e6", {1e6, 1, 2.0, 5.0}, true},
    };
    for (const FileSegmentsCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto s = EtlSolveGridText(
            etl_test::WingFileText(c.header, {{0.6, 4.0, 1.5, 10.0}, {0.4, 3.0, 1.0, 30.0}}),
            c.header, 0.0);
        EXPECT_EQ(s != nullptr, c.solves);
        if (s) {
            EXPECT_TRUE(AllFinite(*s));
            for (double v : {s->area, s->aspectRatio, s->meanChord, s->liftCoefficient,
                             s->inducedDragCoefficient, s->kFactor}) {
                EXPECT_NE(luvo::FormatResult("%.3f", v), "---");
            }
        }
    }
    // A wing without lift has no k-factor, and still runs.
    const EtlGridHeader flat{10, 1, 2.0, 0.0};
    const auto s = EtlSolveGridText(
        etl_test::WingFileText(flat, {{0.6, 0.0, 1.5, 10.0}, {0.4, 0.0, 1.0, 30.0}}), flat, 0.0);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->liftCoefficient, 0.0);
    EXPECT_EQ(luvo::FormatResult("%.3f", s->kFactor), "---");
}

// A pointed tip (chord 0 at the last segment's end) solves to finite values everywhere.
TEST(EtlSolverPieces, PointedTipIsFinite) {
    EtlGridHeader header{10, 1, 2.0, 5.0};
    const auto s = EtlSolveGridText(
        etl_test::WingFileText(header, {{0.6, 4.0, 1.5, 10.0}, {0.4, 3.0, 0.0, 30.0}}), header,
        -5.0);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->chord[0], 0.0);
    for (int k = 1; k <= 101; ++k) {
        EXPECT_TRUE(std::isfinite(s->gamma[k]) && std::isfinite(s->ca[k])) << k;
    }
    EXPECT_GE(s->kFactor, 1 - 1e-9);
}

}  // namespace
