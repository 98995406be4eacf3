#include "camber/core/CamberThreePoints.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "camber/core/CamberTheory.h"
#include "common/core/NumberText.h"

namespace {

double LineZ(double x, double c0, double A1, double A2) {
    return c0 * (1 - x) + A1 * x * (1 - x) - A2 * x * (1 - 4 * x + 8.0 / 3.0 * x * x);
}

std::string Label(double v) { return luvo::FormatResult("%.3f", v); }

const char* const kNacaDefaultLabels[kResultCount] = {"0.083",  "0.081",  "-0.014", "-0.257",
                                                      "0.020",  "0.265",  "5.000",  "0.776",
                                                      "-0.247", "-0.053", "-2.077", "0.318"};

TEST(CamberThreePoints, LinePointsGiveBackTheCamberLineThroughThem) {
    struct Case {
        double c0, A1, A2;
        double x1, x2, x3;
    };
    const Case cases[] = {
        {0.0, 0.0, 0.0, 0.2, 0.4, 0.7},   // flat plate
        {0.03, 0.0, 0.0, 0.1, 0.5, 0.9},  // straight line z = s (1 - x)
        {-0.0045, 0.081, -0.014, 0.2, 0.4, 0.7},
        {0.01, 0.16, 0.05, 0.0, 0.5, 1.0},      // both ends of the chord
        {0.002, -0.03, 0.02, 0.9, 0.15, 0.55},  // any order in x
        {0.0, 0.1, 0.0, 0.5, 0.505, 0.51},      // neighbouring pixel columns
    };
    for (const Case& c : cases) {
        const CamberPointSet points = {{{c.x1, LineZ(c.x1, c.c0, c.A1, c.A2)},
                                        {c.x2, LineZ(c.x2, c.c0, c.A1, c.A2)},
                                        {c.x3, LineZ(c.x3, c.c0, c.A1, c.A2)}}};
        const CamberLineSolution s = CamberSolveLinePoints(points);
        EXPECT_NEAR(s.c0, c.c0, 1e-9);
        EXPECT_NEAR(s.A1, c.A1, 1e-9);
        EXPECT_NEAR(s.A2, c.A2, 1e-9);
    }
}

TEST(CamberThreePoints, DefaultLinePointsGiveTheNacaDefaultResults) {
    const CamberLineSolution s = CamberSolveLinePoints(kDefaultCamberPoints);
    const double alpha = 5.0 * kCamberRadPerDeg;
    const CamberResults r = CamberComputeResults({s.c0 + alpha, s.A1, s.A2, alpha, 5.0});
    for (int i = 0; i < kResultCount; ++i) EXPECT_EQ(Label(r[i]), kNacaDefaultLabels[i]) << i;
    // The default points lie on the NACA task's three-mode line at 5 degrees.
    const CamberNacaTerms t = CamberNacaLineTerms(0.02, 0.4);
    EXPECT_NEAR(s.A1, t.A1, 1e-5);
    EXPECT_NEAR(s.A2, t.A2, 1e-5);
    EXPECT_NEAR(s.c0, -t.I, 1e-5);
}

TEST(CamberThreePoints, PressurePointsGiveBackTheDistributionThroughThem) {
    struct Case {
        double A0, A1, A2;
        double x1, x2, x3;
    };
    const Case cases[] = {
        {0.0873, 0.0, 0.0, 0.2, 0.5, 0.8},  // flat plate
        {0.083, 0.081, -0.014, 0.2, 0.5, 0.8},
        {-0.02, 0.2, 0.05, 0.005, 0.5, 0.995},
        {0.05, 0.1, 0.01, 0.7, 0.3, 0.705},
    };
    for (const Case& c : cases) {
        CamberPointSet points;
        const double xs[] = {c.x1, c.x2, c.x3};
        for (int k = 0; k < 3; ++k) {
            points[k] = {xs[k], CamberUpperPressure(xs[k], c.A0, c.A1, c.A2)};
        }
        const CamberPressureSolution s = CamberSolvePressurePoints(points);
        EXPECT_NEAR(s.A0, c.A0, 1e-9);
        EXPECT_NEAR(s.A1, c.A1, 1e-9);
        EXPECT_NEAR(s.A2, c.A2, 1e-9);
    }
    // Suction on the upper side for positive A0, the lower side carries the opposite sign.
    EXPECT_LT(CamberUpperPressure(0.3, 0.08, 0.08, -0.014), 0.0);
}

TEST(CamberThreePoints, DefaultPressurePointsGiveTheNacaDefaultResults) {
    const CamberPressureSolution s = CamberSolvePressurePoints(kDefaultPressurePoints);
    const double alpha = 5.0 * kCamberRadPerDeg;
    // After a drag (A0 as solved) and after an angle edit (shifted by the small difference
    // between the points' angle and 5 degrees) the labels are the same.
    for (double A0 : {s.A0, s.A0 + (alpha - kDefaultPointsAngle)}) {
        const CamberResults r = CamberComputeResults({A0, s.A1, s.A2, alpha, 5.0});
        for (int i = 0; i < kResultCount; ++i) EXPECT_EQ(Label(r[i]), kNacaDefaultLabels[i]) << i;
    }
}

struct DragCase {
    const char* what;
    CamberPointSet before;
    double x;
    double value;
    int moved;  // index of the point that moves to (x, value), -1: none
};

using PickPoint = int (*)(const CamberPointSet&, double, double);
using MovePoint = bool (*)(CamberPointSet&, int, double, double);

// A press and a motion at the same place: the point that moves there, -1 when none does.
int PressAndMove(CamberPointSet& points, double x, double v, PickPoint pick, MovePoint move) {
    const int k = pick(points, x, v);
    return k >= 0 && move(points, k, x, v) ? k : -1;
}

void CheckDrags(const DragCase* cases, size_t count, PickPoint pick, MovePoint move) {
    for (size_t i = 0; i < count; ++i) {
        const DragCase& c = cases[i];
        SCOPED_TRACE(c.what);
        CamberPointSet points = c.before;
        EXPECT_EQ(PressAndMove(points, c.x, c.value, pick, move), c.moved);
        for (int k = 0; k < 3; ++k) {
            if (k == c.moved) {
                EXPECT_EQ(points[k].x, c.x);
                EXPECT_EQ(points[k].v, c.value);
            } else {
                EXPECT_EQ(points[k].x, c.before[k].x);
                EXPECT_EQ(points[k].v, c.before[k].v);
            }
        }
    }
}

TEST(CamberThreePoints, LineDragMovesOnlyTheFirstPointInItsColumnAndBand) {
    const CamberPointSet d = kDefaultCamberPoints;
    const CamberPointSet close = {{{0.2, 0.01}, {0.24, 0.03}, {0.7, 0.01}}};
    const CamberPointSet edges = {{{0.03, 0.0}, {0.5, 0.098}, {0.98, -0.038}}};
    const DragCase cases[] = {
        {"point 2 upwards", d, 0.4, 0.021, 1},
        {"9 pixels beside point 3", d, 0.745, 0.011, 2},
        {"11 pixels beside point 3", d, 0.755, 0.011, -1},
        {"7 pixels above point 1", d, 0.2, 0.010295 + 0.007, -1},
        {"left of the chord", d, -0.005, 0.01, -1},
        {"right of the chord", edges, 1.005, -0.038, -1},
        {"between the columns", d, 0.3, 0.012, -1},
        {"leading edge", edges, 0.0, 0.001, 0},
        {"trailing edge", edges, 1.0, -0.035, 2},
        {"above the plot", edges, 0.5, 0.101, -1},
        {"below the plot", edges, 0.98, -0.041, -1},
        {"near two points the first decides", close, 0.23, 0.03, -1},
        {"near two points the first moves", close, 0.23, 0.012, 0},
        {"onto the column of another point", close, 0.24, 0.012, -1},
        {"one pixel beside another point", close, 0.235, 0.012, 0},
    };
    CheckDrags(cases, sizeof cases / sizeof cases[0], CamberPickLinePoint, CamberMoveLinePoint);
}

TEST(CamberThreePoints, PressureDragMovesOnlyTheFirstPointInItsColumnAndBand) {
    const CamberPointSet d = kDefaultPressurePoints;
    const CamberPointSet close = {{{0.2, -0.5}, {0.22, -1.0}, {0.8, -0.2}}};
    const CamberPointSet edges = {{{0.02, -2.45}, {0.5, 0.9}, {0.97, 0.0}}};
    const DragCase cases[] = {
        {"point 2 upwards, 3 pixels", d, 0.5, -0.42, 1},
        {"5 pixels above point 2", d, 0.5, -0.45, -1},
        {"7 pixels below point 2", d, 0.5, -0.15, 1},
        {"9 pixels below point 2", d, 0.5, -0.1, -1},
        {"at the leading edge", edges, 0.0, -2.4, -1},
        {"just behind the leading edge", edges, 0.005, -2.4, 0},
        {"at the trailing edge", edges, 1.0, 0.0, -1},
        {"above the plot", edges, 0.02, -2.55, -1},
        {"below the plot", edges, 0.5, 1.05, -1},
        {"near two points the first decides", close, 0.21, -1.0, -1},
        {"onto the column of another point", close, 0.22, -0.5, -1},
    };
    CheckDrags(cases, sizeof cases / sizeof cases[0], CamberPickPressurePoint,
               CamberMovePressurePoint);
}

// Once picked, a point follows the pointer beyond the window its press needed, also into the
// column of another point; only the chord and another point's own column (which would make the
// system singular) stop it. Beyond the plot's range it stops at the range's edge, however far
// the pointer went.
TEST(CamberThreePoints, HeldPointFollowsThePointerBeyondItsPickWindow) {
    struct Move {
        const char* what;
        double x, value;
        bool moves;
        double endsAt = std::nan("");  // the value it ends at when not `value`
    };
    const struct Task {
        const char* name;
        CamberPointSet start;
        PickPoint pick;
        MovePoint move;
        double pressX, pressValue;  // on point 2
        std::vector<Move> moves;
    } tasks[] = {
        {"camber line",
         kDefaultCamberPoints,
         CamberPickLinePoint,
         CamberMoveLinePoint,
         0.4,
         0.016,
         {{"20 pixels up", 0.45, 0.036, true},
          {"into the column of point 1", 0.25, 0.012, true},
          {"above the plot", 0.3, 0.101, true, 0.1},
          {"far above the plot", 0.32, 0.3, true, 0.1},
          {"below the plot", 0.3, -0.041, true, -0.04},
          {"left of the chord", -0.005, 0.01, false},
          {"right of the chord", 1.005, 0.01, false},
          {"onto point 3's column", 0.7, 0.01, false},
          {"the trailing edge", 1.0, 0.0, true}}},
        {"pressure",
         kDefaultPressurePoints,
         CamberPickPressurePoint,
         CamberMovePressurePoint,
         0.5,
         -0.325,
         {{"20 pixels up", 0.53, -0.825, true},
          {"into the column of point 3", 0.76, -0.1, true},
          {"above the plot", 0.5, -2.55, true, -2.5},
          {"below the plot", 0.5, 1.05, true, 1.0},
          {"at the leading edge", 0.0, -0.5, false},
          {"at the trailing edge", 1.0, -0.5, false},
          {"onto point 1's column", 0.2, -0.5, false},
          {"just behind the leading edge", 0.005, -2.4, true}}},
    };
    for (const Task& t : tasks) {
        SCOPED_TRACE(t.name);
        CamberPointSet points = t.start;
        const int k = t.pick(points, t.pressX, t.pressValue);
        ASSERT_EQ(k, 1);
        for (const Move& m : t.moves) {
            SCOPED_TRACE(m.what);
            const CamberPointSet before = points;
            EXPECT_EQ(t.move(points, k, m.x, m.value), m.moves);
            const double value = std::isnan(m.endsAt) ? m.value : m.endsAt;
            const CamberPoint expected = m.moves ? CamberPoint{m.x, value} : before[1];
            EXPECT_EQ(points[1].x, expected.x);
            EXPECT_EQ(points[1].v, expected.v);
            for (int j : {0, 2}) {
                EXPECT_EQ(points[j].x, before[j].x);
                EXPECT_EQ(points[j].v, before[j].v);
            }
        }
        // A press that picked nothing moves nothing.
        EXPECT_FALSE(t.move(points, -1, 0.5, 0.0));
    }
}

// Many drags anywhere on the plot, also across the other points' columns: the solution
// always stays finite, because no two points ever share a column.
TEST(CamberThreePoints, RandomDragsKeepTheSolutionsFinite) {
    std::mt19937 random(1234);
    std::uniform_int_distribution<int> column(40, 290);
    std::uniform_int_distribution<int> jitter(-5, 5);
    std::uniform_int_distribution<int> row(0, 260);
    CamberPointSet line = kDefaultCamberPoints;
    CamberPointSet pressure = kDefaultPressurePoints;
    int lineMoves = 0;
    int pressureMoves = 0;
    for (int i = 0; i < 20000; ++i) {
        // A press beside one of the points, then a motion anywhere on the plot.
        const int k = i % 3;
        const int lineColumn = static_cast<int>(line[k].x * 200 + 60) + jitter(random);
        const int pressureColumn = static_cast<int>(pressure[k].x * 200 + 60) + jitter(random);
        const int zPixel = static_cast<int>(160 - line[k].v * 1000) + jitter(random);
        const int pPixel = static_cast<int>(pressure[k].v * 40 + 160) + jitter(random);
        const int lineHeld =
            CamberPickLinePoint(line, (lineColumn - 60) * 0.005, (zPixel - 160) * -0.001);
        const int pressureHeld = CamberPickPressurePoint(pressure, (pressureColumn - 60) * 0.005,
                                                         (pPixel - 160) * 0.025);
        const int mx = column(random);
        const int my = row(random);
        lineMoves += CamberMoveLinePoint(line, lineHeld, (mx - 60) * 0.005, (my - 160) * -0.001);
        pressureMoves +=
            CamberMovePressurePoint(pressure, pressureHeld, (mx - 60) * 0.005, (my - 160) * 0.025);
        const CamberLineSolution ls = CamberSolveLinePoints(line);
        const CamberPressureSolution ps = CamberSolvePressurePoints(pressure);
        ASSERT_TRUE(std::isfinite(ls.c0) && std::isfinite(ls.A1) && std::isfinite(ls.A2)) << i;
        ASSERT_TRUE(std::isfinite(ps.A0) && std::isfinite(ps.A1) && std::isfinite(ps.A2)) << i;
    }
    EXPECT_GT(lineMoves, 100);
    EXPECT_GT(pressureMoves, 100);
}

}  // namespace
