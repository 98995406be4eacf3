// The two design tasks without their windows: the recomputations in both circulation modes, the
// texts of their result labels, and what the drags on their plots write.

#include "llt/core/LltDesignTasks.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "common/core/NumberText.h"
#include "tests/llt/core/LltFileLines.h"
#include "tests/llt/core/LltTestWings.h"
#include "tests/support/TempDir.h"

namespace {

using luvo::FormatNumber;

using llt_test::ChordDesignWindowInputs;
using llt_test::TwistDesignWindowInputs;

std::array<std::string, 6> Texts(const LltTwistDesignTexts& t) {
    return {t.area, t.meanChord, t.aspectRatio, t.lift, t.inducedDrag, t.kFactor};
}

double Theta(int station) { return station * LltPi / 102.0; }

// a1, a3, a5 of the series through gamma at the stations 51, 41 and 30, by Cramer's rule.
std::array<double, 3> SeriesThrough(const std::array<double, 3>& gamma) {
    const int stations[3] = {51, 41, 30};
    double m[3][3];
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) m[r][c] = std::sin((2 * c + 1) * Theta(stations[r]));
    }
    auto det = [](double a[3][3]) {
        return a[0][0] * (a[1][1] * a[2][2] - a[1][2] * a[2][1]) -
               a[0][1] * (a[1][0] * a[2][2] - a[1][2] * a[2][0]) +
               a[0][2] * (a[1][0] * a[2][1] - a[1][1] * a[2][0]);
    };
    const double d = det(m);
    std::array<double, 3> out{};
    for (int c = 0; c < 3; ++c) {
        double k[3][3];
        for (int r = 0; r < 3; ++r) {
            for (int j = 0; j < 3; ++j) k[r][j] = j == c ? gamma[r] : m[r][j];
        }
        out[c] = det(k) / d;
    }
    return out;
}

double Series(const std::array<double, 3>& a, int station) {
    const double t = Theta(station);
    return a[0] * std::sin(t) + a[1] * std::sin(3 * t) + a[2] * std::sin(5 * t);
}

std::vector<std::string> TextsOf(const std::vector<LltWrite>& writes) {
    std::vector<std::string> out;
    for (const LltWrite& w : writes) out.push_back(w.text);
    return out;
}

TEST(LltTwistDesignRun, DefaultsInBothModes) {
    LltTwistDesignInputs in = TwistDesignWindowInputs();
    auto lift = LltRunTwistDesign(in);
    const std::array<std::string, 6> liftTexts = {"12.30", "1.64",  "5.20",
                                                  "0.30",  "0.006", "1.000"};
    EXPECT_EQ(Texts(LltTwistDesignResultTexts(*lift)), liftTexts);

    // a1 mode: the lift coefficient follows as pi Lambda a1 / 2, everything else is the wing's.
    in.circulationMode = 1.0;
    auto a1 = LltRunTwistDesign(in);
    const std::array<std::string, 6> a1Texts = {"12.30", "1.64", "5.20", "0.25", "0.004", "1.000"};
    EXPECT_EQ(Texts(LltTwistDesignResultTexts(*a1)), a1Texts);
    EXPECT_NEAR(a1->cl, LltPi * a1->aspectRatio * 0.03 / 2, 1e-15);

    // Only exactly 1.0 is the a1 mode.
    for (double mode : {0.0, 0.999, 2.0}) {
        in.circulationMode = mode;
        EXPECT_EQ(LltRunTwistDesign(in)->cl, 0.3) << mode;
    }
}

TEST(LltTwistDesignRun, TheTwoModesAgreeForTheSameFirstCoefficient) {
    // The a1 that the lift mode derives from CL gives the a1 mode the same wing, twist and lift.
    LltTwistDesignInputs in = TwistDesignWindowInputs();
    in.liftCoefficient = 0.7;
    in.a3 = 0.01;
    in.a5 = -0.004;
    auto lift = LltRunTwistDesign(in);
    in.circulationMode = 1.0;
    in.a1 = lift->a1FromCl;
    auto a1 = LltRunTwistDesign(in);
    for (int i = 0; i <= 51; ++i) EXPECT_NEAR(a1->twistDeg[i], lift->twistDeg[i], 1e-12) << i;
    EXPECT_NEAR(a1->cl, 0.7, 1e-14);
    EXPECT_NEAR(a1->kFactor, lift->kFactor, 1e-12);
    EXPECT_GT(lift->kFactor, 1.0);  // a3, a5 add induced drag to the elliptic loading
}

TEST(LltTwistDesignRun, FirstCoefficientZeroShowsDashes) {
    for (double mode : {0.0, 1.0}) {
        SCOPED_TRACE(mode);
        LltTwistDesignInputs in = TwistDesignWindowInputs();
        in.circulationMode = mode;
        in.liftCoefficient = 0;
        in.a1 = 0;
        const LltTwistDesignTexts t = LltTwistDesignResultTexts(*LltRunTwistDesign(in));
        EXPECT_EQ(t.area, "12.30");
        EXPECT_EQ(t.lift, "0.00");
        EXPECT_EQ(t.inducedDrag, "---");
        EXPECT_EQ(t.kFactor, "---");
    }
}

// A design station on a breakpoint of chord 0 (about 1e-15 after the interpolation) has no
// twist: the file writes 0 there, and the twist scale comes from the other stations.
TEST(LltTwistDesignRun, StationOnAChordOfZeroHasNoTwist) {
    const struct {
        const char* name;
        double s1, s2, s3, chordB, chordC, chordD;
    } cases[] = {
        // Each breakpoint of chord 0 lies at y = b/4, on station 34.
        {"B = 0", 50, 25, 25, 0, 1.3, 0.6},
        {"C = 0", 25, 25, 50, 1.7, 0, 0.6},
        {"D = 0", 20, 20, 10, 1.7, 1.3, 0},
    };
    luvo::test::ScopedWorkDir work;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LltTwistDesignInputs in = TwistDesignWindowInputs();
        in.s1 = c.s1;
        in.s2 = c.s2;
        in.s3 = c.s3;
        in.chordB = c.chordB;
        in.chordC = c.chordC;
        in.chordD = c.chordD;
        const auto s = LltRunTwistDesign(in);
        ASSERT_LT(std::fabs(s->chord[34]), 1e-12);
        EXPECT_FALSE(std::isfinite(s->twistDeg[34]));
        double largest = 0.01;  // the scales' starting values
        double smallest = 370;
        for (int i = 0; i <= 51; ++i) {
            if (i == 34) continue;
            ASSERT_TRUE(std::isfinite(s->twistDeg[i])) << i;
            largest = std::fmax(largest, s->twistDeg[i]);
            smallest = std::fmin(smallest, s->twistDeg[i]);
        }
        EXPECT_DOUBLE_EQ(s->twistMax, largest);
        EXPECT_DOUBLE_EQ(s->twistMin, smallest);
        EXPECT_LT(s->twistMax - s->twistMin, 1e4);

        ASSERT_TRUE(s->WriteTwistFile("alfaGeom.dat"));
        const std::vector<std::string> lines =
            llt_test::Lines(luvo::test::ReadFileBytes("alfaGeom.dat"));
        // Rows: station, y, chord, twist.
        int rows = 0;
        for (const std::string& line : lines) {
            const std::vector<double> row = llt_test::Row(line);
            if (row.size() != 4 || row[0] != 34) continue;
            ++rows;
            EXPECT_EQ(row[3], 0.0);
        }
        EXPECT_EQ(rows, 1);
    }
}

TEST(LltChordDesignRun, DefaultsInBothModes) {
    LltChordDesignInputs in = ChordDesignWindowInputs();
    const LltChordDesignResult lift = LltRunChordDesign(in);
    EXPECT_TRUE(lift.liftMode);
    EXPECT_FALSE(lift.AreaMissed());
    // b² / Lambda, which the wing found has.
    EXPECT_EQ(lift.area, "37.500");
    EXPECT_NEAR(lift.record->area, 37.5, 37.5e-6);
    EXPECT_EQ(lift.meanChord, "2.583");
    EXPECT_EQ(lift.aspectRatio, "6.000");
    EXPECT_EQ(lift.rootAngleText, "4.10");
    EXPECT_EQ(lift.lift, "0.300");
    // cdi = CL² / (pi Lambda) for the elliptic loading.
    EXPECT_EQ(lift.inducedDrag, FormatNumber("%.3f", 0.09 / (LltPi * 6)));
    EXPECT_EQ(lift.kFactor, "1.000");
    EXPECT_EQ(lift.rootAngle, lift.record->twistA);
    EXPECT_EQ(lift.record->aspectRatio, 6.0);

    in.circulationMode = 1.0;
    const LltChordDesignResult a1 = LltRunChordDesign(in);
    EXPECT_FALSE(a1.liftMode);
    EXPECT_FALSE(a1.AreaMissed());
    EXPECT_EQ(a1.area, "26.152");
    EXPECT_EQ(a1.meanChord, "1.821");
    EXPECT_EQ(a1.aspectRatio, "8.603");
    EXPECT_EQ(a1.rootAngleText, "");
    EXPECT_EQ(a1.lift, "0.405");
    EXPECT_EQ(a1.inducedDrag, "0.006");
    EXPECT_EQ(a1.kFactor, "1.000");
    EXPECT_EQ(a1.rootAngle, 5.0);
    EXPECT_EQ(a1.record->twistA, 5.0);
}

// The chord design meets its area b²/Lambda, or says that it cannot and shows the area it has.
TEST(LltChordDesignRun, AreaMetOrReported) {
    struct Case {
        const char* name;
        double span, lift, aspectRatio;
        bool missed;
        const char* area;
    };
    const Case cases[] = {
        {"defaults", 15, 0.3, 6, false, "37.500"},
        {"span 2", 2, 0.6, 8, false, "0.500"},
        {"no lift", 15, 0.0, 6, true, "0.000"},
    };
    luvo::test::TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LltChordDesignInputs in = ChordDesignWindowInputs();
        in.span = c.span;
        in.liftCoefficient = c.lift;
        in.aspectRatio = c.aspectRatio;
        const LltChordDesignResult r = LltRunChordDesign(in);
        EXPECT_EQ(r.AreaMissed(), c.missed);
        EXPECT_EQ(r.area, c.area);
        EXPECT_EQ(r.lift, FormatNumber("%.3f", c.lift));
        // The chord file holds the wing shown: its summary's area, and the chord rows that
        // integrate to it.
        const std::string path = dir.file("tiefe.dat");
        ASSERT_TRUE(r.record->WriteChordFile(path));
        const std::vector<std::string> lines = llt_test::Lines(luvo::test::ReadFileBytes(path));
        const double target = c.span * c.span / c.aspectRatio;
        double half = 0, lastY = 0, lastChord = 0;  // the tip: y = b/2, chord 0
        bool first = true;
        for (const std::string& line : lines) {
            const std::vector<double> row = llt_test::Row(line);
            if (row.size() != 4) continue;
            if (first) {
                lastY = c.span / 2;
                first = false;
            }
            half += 0.5 * (row[2] + lastChord) * (lastY - row[1]);
            lastY = row[1];
            lastChord = row[2];
        }
        if (!c.missed) {
            EXPECT_NEAR(2 * half, target, 0.005 * target);
        } else {
            EXPECT_EQ(2 * half, 0.0);
        }
    }

    // The same inputs in the a1 mode search nothing.
    LltChordDesignInputs in = ChordDesignWindowInputs();
    in.liftCoefficient = 0;
    in.circulationMode = 1.0;
    EXPECT_FALSE(LltRunChordDesign(in).AreaMissed());
}

TEST(LltChordDesignRun, FirstCoefficientZeroShowsDashes) {
    LltChordDesignInputs in = ChordDesignWindowInputs();
    in.circulationMode = 1.0;
    in.a1 = 0;
    const LltChordDesignResult r = LltRunChordDesign(in);
    // No circulation, no chord: the wing has no area.
    EXPECT_EQ(r.area, "0.000");
    for (const std::string& t : {r.meanChord, r.aspectRatio, r.lift, r.inducedDrag, r.kFactor}) {
        EXPECT_EQ(t, "---");
    }
}

TEST(LltDesignDrag, CirculationHandleBoxes) {
    struct Case {
        int x, y;
        LltCirculationHandle handle;
    };
    using H = LltCirculationHandle;
    const Case cases[] = {
        {0, -60, H::Root},        {-10, 0, H::Root},        {10, -110, H::Root},
        {0, 1, H::None},          {0, -111, H::None},       {11, -50, H::None},
        {50, -1, H::Station41},   {70, -100, H::Station41}, {71, -50, H::None},
        {110, -30, H::Station30}, {130, -30, H::Station30}, {131, -30, H::None},
        {-11, -30, H::None},      {120, 5, H::None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LltPickCirculationHandle(c.x, c.y), c.handle) << c.x << ", " << c.y;
    }
}

// A press and a motion at the same place of a circulation plot.
std::vector<LltWrite> TwistDesignCirculationAt(const LltTwistDesignInputs& in, int x, int y) {
    return LltTwistDesignCirculationDrag(in, LltPickCirculationHandle(x, y), y);
}
std::vector<LltWrite> ChordDesignCirculationAt(const LltChordDesignInputs& in, int x, int y) {
    return LltChordDesignCirculationDrag(in, LltPickCirculationHandle(x, y), y);
}

TEST(LltDesignDrag, CirculationDragRefitsThroughTheMovedHandle) {
    // a1 mode with a first coefficient large enough that two decimals show the fit.
    LltTwistDesignInputs in = TwistDesignWindowInputs();
    in.circulationMode = 1.0;
    in.a1 = 0.6;
    in.a3 = 0.1;
    in.a5 = -0.05;
    const std::array<double, 3> a = {in.a1, in.a3, in.a5};
    struct Case {
        int x, y;
        int station;  // whose circulation becomes -y a1 / 60; 0: none
    };
    for (const Case& c : {Case{0, -30, 51}, Case{60, -80, 41}, Case{120, 0, 30}}) {
        SCOPED_TRACE(c.station);
        std::array<double, 3> gamma = {Series(a, 51), Series(a, 41), Series(a, 30)};
        gamma[c.station == 51 ? 0 : c.station == 41 ? 1 : 2] = -c.y * in.a1 / 60.0;
        const std::array<double, 3> fit = SeriesThrough(gamma);
        const double aspectRatio = 64.0 / LltRunTwistDesign(in)->area;
        const std::vector<std::string> expected = {
            FormatNumber("%2.2f", LltPi * aspectRatio * fit[0] / 2), FormatNumber("%2.2f", fit[0]),
            FormatNumber("%2.2f", fit[1]), FormatNumber("%2.2f", fit[2])};
        const std::vector<LltWrite> writes = TwistDesignCirculationAt(in, c.x, c.y);
        ASSERT_EQ(writes.size(), 4u);
        EXPECT_EQ(writes[0].input, LltInput::TotalLift);
        EXPECT_EQ(writes[1].input, LltInput::A1);
        EXPECT_EQ(writes[2].input, LltInput::A3);
        EXPECT_EQ(writes[3].input, LltInput::A5);
        EXPECT_EQ(TextsOf(writes), expected);
    }
}

TEST(LltDesignDrag, CirculationDragOutsideTheHandlesRewritesTheSameSeries) {
    // The lift mode scales the handles with a1 = 2 CL / (pi Lambda) and writes it into the a1
    // field too; with two decimals a coefficient of 0.004 becomes 0.00.
    LltTwistDesignInputs twist = TwistDesignWindowInputs();
    twist.a3 = 0.004;
    const double a1FromCl = 2 * 0.3 / (LltPi * (64.0 / 12.3));
    EXPECT_EQ(TextsOf(TwistDesignCirculationAt(twist, 200, -50)),
              (std::vector<std::string>{"0.30", FormatNumber("%2.2f", a1FromCl), "0.00", "0.00"}));
    // With a3 = a5 = 0 the root handle at 60 pixels is gamma = a1FromCl, the value it already
    // has; any other height changes the coefficients.
    twist.a3 = 0;
    EXPECT_EQ(TextsOf(TwistDesignCirculationAt(twist, 0, -60)),
              TextsOf(TwistDesignCirculationAt(twist, 200, -50)));
    EXPECT_NE(TextsOf(TwistDesignCirculationAt(twist, 0, -80)),
              TextsOf(TwistDesignCirculationAt(twist, 200, -50)));

    // Chord design, lift variant: Lambda is the prescribed aspect ratio.
    LltChordDesignInputs chord = ChordDesignWindowInputs();
    chord.liftCoefficient = 0.8;
    EXPECT_EQ(TextsOf(ChordDesignCirculationAt(chord, -20, -50)),
              (std::vector<std::string>{"0.80", FormatNumber("%2.2f", 1.6 / (LltPi * 6)), "0.00",
                                        "0.00"}));

    // Chord design, a1 variant: the lift coefficient is not written (the working record has no
    // aspect ratio); a1, a3, a5 are.
    chord.circulationMode = 1.0;
    chord.a1 = 0.5;
    chord.a5 = -0.25;
    const std::vector<LltWrite> writes = ChordDesignCirculationAt(chord, 300, -50);
    ASSERT_EQ(writes.size(), 3u);
    EXPECT_EQ(writes[0].input, LltInput::A1);
    EXPECT_EQ(TextsOf(writes), (std::vector<std::string>{"0.50", "0.00", "-0.25"}));
}

// A press and a motion at the same place of a section handle plot.
std::vector<LltHandleMove> ChordDragAt(double span, double s1, double s2, double s3, int x, int y) {
    return LltTwistDesignChordDrag(span, s1, s2, s3,
                                   LltPickSectionHandles(s1, s2, s3, kLltChordRows, x, y), y);
}
std::vector<LltHandleMove> TwistDragAt(double s1, double s2, double s3, int x, int y) {
    return LltChordDesignTwistDrag(s1, s2, s3,
                                   LltPickSectionHandles(s1, s2, s3, kLltTwistRows, x, y), y);
}

TEST(LltDesignDrag, ChordHandlesOfTheTwistDesign) {
    // Span 8, segments 50/25/25: B, C, D at x = 100, 150, 200; a chord (b/2) y / 150.
    auto texts = [](const std::vector<LltHandleMove>& moves) {
        std::vector<std::pair<LltInput, std::string>> out;
        for (const LltHandleMove& m : moves) out.push_back({m.write.input, m.write.text});
        return out;
    };
    using P = std::vector<std::pair<LltInput, std::string>>;
    EXPECT_EQ(texts(ChordDragAt(8, 50, 25, 25, 100, 45)), (P{{LltInput::ChordB, "1.20"}}));
    EXPECT_EQ(texts(ChordDragAt(8, 50, 25, 25, 98, 90)), (P{{LltInput::ChordB, "2.40"}}));
    EXPECT_EQ(texts(ChordDragAt(8, 50, 25, 25, 152, 0)), (P{{LltInput::ChordC, "0.00"}}));
    EXPECT_EQ(texts(ChordDragAt(8, 50, 25, 25, 202, 30)), (P{{LltInput::ChordD, "0.80"}}));
    for (auto [x, y] : {std::pair{97, 45}, {103, 45}, {100, -1}, {100, 91}, {125, 45}}) {
        EXPECT_TRUE(ChordDragAt(8, 50, 25, 25, x, y).empty()) << x << ", " << y;
    }
    // BC of length 0: B and C coincide and one motion moves both.
    EXPECT_EQ(texts(ChordDragAt(8, 50, 0, 50, 100, 15)),
              (P{{LltInput::ChordB, "0.40"}, {LltInput::ChordC, "0.40"}}));
    // The mark stands at the handle's column and the pointer's height.
    const std::vector<LltHandleMove> moves = ChordDragAt(8, 33.3, 33.3, 33.4, 67, 45);
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0].markX, 64);  // 66.6 - 2, truncated
    EXPECT_EQ(moves[0].markY, 43);
}

TEST(LltDesignDrag, TwistHandlesOfTheChordDesign) {
    // Angles relative to the root, 20 pixels per degree upwards, between -2 and 3 degrees.
    struct Case {
        int x, y;
        LltInput input;
        const char* text;
        int markX;
    };
    const Case cases[] = {
        {100, -60, LltInput::AngleB, "3.00", 98},
        {98, 40, LltInput::AngleB, "-2.00", 98},
        {152, -10, LltInput::AngleC, "0.50", 148},
        {200, 40, LltInput::AngleD, "-2.00", 198},
        {202, -30, LltInput::AngleD, "1.50", 198},
        // On the axis the angle is 0 * -0.05, a negative zero, written without its sign.
        {100, 0, LltInput::AngleB, "0.00", 98},
    };
    for (const Case& c : cases) {
        const std::vector<LltHandleMove> moves = TwistDragAt(50, 25, 25, c.x, c.y);
        ASSERT_EQ(moves.size(), 1u) << c.x << ", " << c.y;
        EXPECT_EQ(moves[0].write.input, c.input);
        EXPECT_EQ(moves[0].write.text, c.text);
        EXPECT_EQ(moves[0].markX, c.markX);
        EXPECT_EQ(moves[0].markY, c.y - 2);
    }
    for (auto [x, y] : {std::pair{100, -61}, {100, 41}, {97, 0}, {125, 0}}) {
        EXPECT_TRUE(TwistDragAt(50, 25, 25, x, y).empty()) << x << ", " << y;
    }
    // The mark of D stays at the tip when the lengths do not reach it.
    const std::vector<LltHandleMove> d = TwistDragAt(50, 25, 20, 190, 10);
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].write.input, LltInput::AngleD);
    EXPECT_EQ(d[0].markX, 198);
    // BC of length 0: B and C move together.
    EXPECT_EQ(TwistDragAt(50, 0, 50, 100, 20).size(), 2u);
}

// The handles picked at the press move to the pointer's height wherever the pointer is across
// the plot, together when they share a column, and only while it stays within their rows; the
// circulation handle likewise takes the pointer only within the plot's height above the axis.
TEST(LltDesignDrag, HeldHandlesFollowThePointerWithinTheirRows) {
    using P = std::vector<std::pair<LltInput, std::string>>;
    auto texts = [](const std::vector<LltHandleMove>& moves) {
        P out;
        for (const LltHandleMove& m : moves) out.push_back({m.write.input, m.write.text});
        return out;
    };
    const luvo::DragHandles b = LltPickSectionHandles(50, 25, 25, kLltChordRows, 101, 30);
    ASSERT_EQ(b, luvo::DragHandle(0));
    EXPECT_EQ(texts(LltTwistDesignChordDrag(8, 50, 25, 25, b, 75)),
              (P{{LltInput::ChordB, "2.00"}}));
    EXPECT_TRUE(LltTwistDesignChordDrag(8, 50, 25, 25, b, 91).empty());
    EXPECT_TRUE(LltTwistDesignChordDrag(8, 50, 25, 25, 0, 45).empty());
    // B and C share a column when BC is 0: one press picks both.
    const luvo::DragHandles bc = LltPickSectionHandles(50, 0, 50, kLltTwistRows, 99, -10);
    EXPECT_EQ(bc, luvo::DragHandle(0) | luvo::DragHandle(1));
    EXPECT_EQ(texts(LltChordDesignTwistDrag(50, 0, 50, bc, -40)),
              (P{{LltInput::AngleB, "2.00"}, {LltInput::AngleC, "2.00"}}));
    EXPECT_TRUE(LltChordDesignTwistDrag(50, 0, 50, bc, -61).empty());
    // A press beside every column or outside the rows picks nothing.
    EXPECT_EQ(LltPickSectionHandles(50, 25, 25, kLltTwistRows, 125, 0), 0u);
    EXPECT_EQ(LltPickSectionHandles(50, 25, 25, kLltTwistRows, 100, 41), 0u);

    LltTwistDesignInputs in = TwistDesignWindowInputs();
    in.circulationMode = 1.0;
    in.a1 = 0.6;
    const auto unchanged =
        TextsOf(LltTwistDesignCirculationDrag(in, LltCirculationHandle::None, -30));
    EXPECT_NE(TextsOf(LltTwistDesignCirculationDrag(in, LltCirculationHandle::Root, -90)),
              unchanged);
    EXPECT_EQ(TextsOf(LltTwistDesignCirculationDrag(in, LltCirculationHandle::Root, 5)), unchanged);
    EXPECT_EQ(TextsOf(LltTwistDesignCirculationDrag(in, LltCirculationHandle::Root, -111)),
              unchanged);
}

}  // namespace
