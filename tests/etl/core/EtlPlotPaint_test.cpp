// The plots of the extended lifting-line method, checked step by step against values computed
// here from the wing's geometry. The circulation-lift curves are tested with the simple lifting
// line's in tests/common/core/WingCirculationLiftPlot_test.cpp.

#include "etl/core/EtlPlotPaint.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "etl/core/EtlRuns.h"
#include "tests/etl/core/EtlTestWings.h"
#include "tests/support/RecordingPainter.h"

namespace {

using luvo::test::DrawStep;
using luvo::test::RecordingPainter;

using Corner = std::tuple<int, int>;

std::vector<Corner> Boxes(const RecordingPainter& p) {
    std::vector<Corner> out;
    for (const DrawStep& r : p.Of(DrawStep::Rect)) {
        EXPECT_EQ(r.x2, 4);
        EXPECT_EQ(r.y2, 4);
        out.emplace_back(r.x1, r.y1);
    }
    return out;
}

std::vector<std::tuple<std::string, int, int>> Labels(const RecordingPainter& p) {
    std::vector<std::tuple<std::string, int, int>> out;
    for (const DrawStep& s : p.Of(DrawStep::Text)) out.emplace_back(s.text, s.x1, s.y1);
    return out;
}

void ExpectText(const RecordingPainter& p, const std::string& text, int x, int y) {
    const DrawStep* s = p.FindText(text);
    ASSERT_NE(s, nullptr) << "no text \"" << text << "\"";
    EXPECT_EQ(s->x1, x) << text;
    EXPECT_EQ(s->y1, y) << text;
}

void ExpectNearTheCanvas(const RecordingPainter& p) {
    for (const DrawStep& s : p.steps) {
        if (s.kind == DrawStep::Clip) continue;  // the recorder's drawing area is far larger
        for (int v : {s.x1, s.y1, s.x2, s.y2, s.xc, s.yc}) EXPECT_LT(std::abs(v), 1000);
    }
}

EtlAnalysisInputs Straight() {
    EtlAnalysisInputs in = etl_test::AnalysisWindowInputs();
    in.sweep1 = in.sweep2 = in.sweep3 = 0.0;
    return in;
}

double TanDeg(double deg) { return std::tan(deg * std::acos(-1.0) / 180.0); }

TEST(EtlPlotPaint, StraightWingWithoutSideslip) {
    const auto s = EtlSolveAnalysis(Straight());
    RecordingPainter p;
    EtlPaintPlanform(p, *s);
    // The quarter-chord line: dashes of 4 pixels every 8 on the span axis of the root chord,
    // 13 + 10 + 3 of them over the 100, 80 and 20 pixels of the trapezoids. The other lines of
    // that pen close A-B at B on the leading and trailing edges.
    int dashes = 0;
    for (const DrawStep& d : p.LinesIn(luvo::PlotPen::Axis())) {
        EXPECT_EQ(d.y1, d.y2);
        if (d.y1 == 0) {
            EXPECT_EQ(d.x2 - d.x1, 4);
            EXPECT_EQ(d.x1 % 8 == 0 || (d.x1 - 100) % 8 == 0 || (d.x1 - 180) % 8 == 0, true);
            ++dashes;
        } else {
            EXPECT_TRUE(d.y1 == -20 || d.y1 == 60) << d.y1;
            EXPECT_TRUE(d.x1 >= 95 && d.x2 == 100) << d.x1 << " " << d.x2;
        }
    }
    EXPECT_EQ(dashes, 26);
    EXPECT_TRUE(p.Of(DrawStep::Arc).empty());
    for (const char* label : {"phi_VK1", "phi_VK2", "phi_VK3"}) {
        EXPECT_EQ(p.FindText(label), nullptr) << label;
    }
    // The flow arrow points straight down the chord axis.
    const auto red = p.LinesIn(luvo::PlotPen::StockRed());
    EXPECT_NE(std::find_if(red.begin(), red.end(),
                           [](const DrawStep& l) {
                               return l.x1 == 210 && l.y1 == -55 && l.x2 == 210 && l.y2 == -40;
                           }),
              red.end());
    // Leading and trailing edge of a constant chord 2 on b/2 = 5: 20 pixels ahead, 60 behind.
    const auto grey = p.LinesIn(luvo::PlotPen::Grey());
    ASSERT_FALSE(grey.empty());
    for (const DrawStep& l : grey) {
        if (l.y1 != l.y2) {
            // The tip chord at D.
            EXPECT_EQ(std::make_tuple(l.x1, l.y1, l.x2, l.y2), std::make_tuple(200, -20, 200, 60));
            continue;
        }
        EXPECT_TRUE((l.y1 == -20 && l.y2 == -20) || (l.y1 == 60 && l.y2 == 60));
    }
    ExpectText(p, "Str\xc3\xb6mungsrichtung", 150, -70);
    ExpectText(p, "2.00", -32, 3 * 20 - 7);
    ExpectText(p, "0", -28, -27);
    ExpectNearTheCanvas(p);
}

TEST(EtlPlotPaint, SideslipTiltsTheArrowTipToSmallerX) {
    for (double beta : {5.0, 20.0}) {
        EtlAnalysisInputs in = Straight();
        in.sideslip = beta;
        const auto s = EtlSolveAnalysis(in);
        RecordingPainter p;
        EtlPaintPlanform(p, *s);
        const auto red = p.LinesIn(luvo::PlotPen::StockRed());
        const auto shaft = std::find_if(red.begin(), red.end(), [](const DrawStep& l) {
            return l.x1 == 210 && l.y1 == -55 && l.y2 > -50;
        });
        ASSERT_NE(shaft, red.end());
        EXPECT_EQ(shaft->x2, static_cast<int>(210 - 15 * std::sin(beta * std::acos(-1.0) / 180)));
        EXPECT_LT(shaft->x2, 210);
    }
}

TEST(EtlPlotPaint, SweepAnglesOfTheInitialWing) {
    // Equal chords: the quarter-chord sweep equals the leading-edge sweep of 15 degrees.
    const auto s = EtlSolveAnalysis(etl_test::AnalysisWindowInputs());
    RecordingPainter p;
    p.measure = RecordingPainter::NoRoom;  // the places the plot gives
    EtlPaintPlanform(p, *s);
    const auto arcs = p.Of(DrawStep::Arc);
    ASSERT_EQ(arcs.size(), 3u);
    const double t = TanDeg(15);
    // Vertices: leading edges at the inner end of each trapezoid (40 pixels per metre).
    const std::vector<Corner> centres = {Corner{0, -20}, Corner{100, int(2.5 * t * 40 - 20)},
                                         Corner{180, int(4.5 * t * 40 - 20)}};
    const double radius[3] = {50, 40, 10};
    for (int m = 0; m < 3; ++m) {
        EXPECT_EQ(Corner(arcs[m].xc, arcs[m].yc), centres[m]);
        EXPECT_EQ(arcs[m].pen, luvo::PlotPen::Red());
        // From 20 degrees (towards +y) back to -5 degrees.
        const double xc = std::get<0>(centres[m]);
        const double yc = 2.5 * t * 40 * (m == 0 ? 0 : 1);
        (void)yc;
        EXPECT_EQ(arcs[m].x1, int(xc + radius[m] * std::cos(20.0 / 180 * std::acos(-1.0))));
        EXPECT_EQ(arcs[m].x2, int(xc + radius[m] * std::cos(-5.0 / 180 * std::acos(-1.0))));
        EXPECT_GT(arcs[m].y1, arcs[m].yc);
        EXPECT_LT(arcs[m].y2, arcs[m].yc);
    }
    ExpectText(p, "phi_VK1", 9, -37);
    ExpectText(p, "phi_VK2", 109, -37);
    ExpectText(p, "phi_VK3", 189, -37);
    // A negative sweep turns its arc the other way.
    EtlAnalysisInputs in = etl_test::AnalysisWindowInputs();
    in.sweep1 = -10;
    const auto n = EtlSolveAnalysis(in);
    RecordingPainter q;
    EtlPaintPlanform(q, *n);
    const DrawStep first = q.Of(DrawStep::Arc).front();
    // From +5 degrees to -15 degrees on the radius 50 about the root leading edge (0, -20).
    EXPECT_EQ(std::make_tuple(first.x1, first.y1, first.x2, first.y2),
              std::make_tuple(49, -15, 48, -32));
}

TEST(EtlPlotPaint, ResultsPlotIsTheAnalysisPlotMoved) {
    const auto s = EtlSolveAnalysis(etl_test::AnalysisWindowInputs());
    RecordingPainter a;
    RecordingPainter r;
    EtlPaintCirculationLiftPlot(a, *s);
    EtlPaintResultsCirculationLiftPlot(r, *s);
    ASSERT_EQ(a.steps.size(), r.steps.size());
    EXPECT_EQ(std::make_tuple(r.steps[0].x1 - a.steps[0].x1, r.steps[0].y1 - a.steps[0].y1),
              std::make_tuple(20, 23));
    for (size_t k = 1; k < a.steps.size(); ++k) {
        const DrawStep& moved = a.steps[k];
        EXPECT_EQ(std::tie(moved.kind, moved.x1, moved.y1, moved.x2, moved.y2, moved.text),
                  std::tie(r.steps[k].kind, r.steps[k].x1, r.steps[k].y1, r.steps[k].x2,
                           r.steps[k].y2, r.steps[k].text))
            << k;
        EXPECT_EQ(moved.pen, r.steps[k].pen) << k;
    }
}

TEST(EtlPlotPaint, WingWithoutLift) {
    EtlAnalysisInputs in = etl_test::AnalysisWindowInputs();
    in.liftSlopeFactor = 0;  // no section lift
    const auto s = EtlSolveAnalysis(in);
    RecordingPainter p;
    EtlPaintCirculationLiftPlot(p, *s);
    const auto gammaLabels = p.TextsAtX(-42);  // 3 pixels before the ticks
    ASSERT_EQ(gammaLabels.size(), 4u);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(gammaLabels[k].text, "0.0000");
        EXPECT_EQ(gammaLabels[k].y1, -87 + 20 * k);
    }
    // Only the legend lines, no curve.
    EXPECT_EQ(p.LinesIn(luvo::PlotPen::Red()).size(), 1u);
    EXPECT_EQ(p.LinesIn(luvo::PlotPen::Green()).size(), 1u);
    ExpectNearTheCanvas(p);
    RecordingPainter q;
    EtlPaintPlanform(q, *s);
    EtlPaintTwistPlot(q, *s);
    ExpectNearTheCanvas(q);
}

TEST(EtlPlotPaint, ChordHandles) {
    const double t = TanDeg(15);
    // b = 10: 40 pixels per metre; trailing edges three quarters of a chord of 2 behind x25.
    const int teB = int((2.5 * t + 1.5) * 40);
    const int teC = int((4.5 * t + 1.5) * 40);
    const int teD = int((5.0 * t + 1.5) * 40);
    using L = std::tuple<std::string, int, int>;
    struct Case {
        double ab, bc, cd;
        std::vector<Corner> boxes;
        std::vector<L> labels;
    };
    const double yB = (2.5 * t + 1.5) * 40;
    const Case cases[] = {
        {50,
         40,
         10,
         {Corner{98, int(yB - 1)}, Corner{178, int((4.5 * t + 1.5) * 40 - 2)},
          Corner{198, int((5.0 * t + 1.5) * 40 - 2)}},
         {L{" A ", 4, 63}, L{" B ", 98, int(yB + 1 + 0.4)}, L{" C ", 178, teC + 3},
          L{" D ", 198, teD + 3}}},
        {100,
         0,
         0,
         {Corner{198, int((5.0 * t + 1.5) * 40 - 1)}},
         {L{" A ", 4, 63}, L{" B ", 198, int((5.0 * t + 1.5) * 40 + 1.4)}}},
        {50,
         0,
         50,
         {Corner{98, int(yB - 1)}, Corner{98, int(yB - 2)},
          Corner{198, int((5.0 * t + 1.5) * 40 - 2)}},
         {L{" A ", 4, 63}, L{" B ", 80, int(yB + 1.4)}, L{" C ", 110, int(yB + 3)},
          L{" D ", 198, teD + 3}}},
        {50,
         50,
         0,
         {Corner{98, int(yB - 1)}, Corner{198, int((5.0 * t + 1.5) * 40 - 2)}},
         {L{" A ", 4, 63}, L{" B ", 98, int(yB + 1.4)}, L{" C ", 198, teD + 3}}},
    };
    (void)teB;
    for (const Case& c : cases) {
        RecordingPainter p;
        p.measure = RecordingPainter::NoRoom;  // the places the plot gives
        EtlPaintChordHandles(p, 10, c.ab, c.bc, c.cd, 2, 2, 2, 2, 15, 15, 15);
        EXPECT_EQ(Boxes(p), c.boxes) << c.ab << "/" << c.bc << "/" << c.cd;
        EXPECT_EQ(Labels(p), c.labels) << c.ab << "/" << c.bc << "/" << c.cd;
        for (const DrawStep& s : p.steps) EXPECT_EQ(s.pen, luvo::PlotPen::Grey());
    }
}

TEST(EtlPlotPaint, TwistHandles) {
    using L = std::tuple<std::string, int, int>;
    struct Case {
        double ab, bc, cd;
        std::vector<L> labels;
    };
    // Root 2, B 3, C 4, D 5 degrees: the boxes stand 20, 40 and 60 pixels above the axis.
    const Case cases[] = {
        {50, 40, 10, {L{" A ", 5, -15}, L{" B ", 98, -35}, L{" C ", 178, -55}, L{" D ", 190, -75}}},
        {100, 0, 0, {L{" A ", 5, -15}, L{" B ", 198, -35}}},
        {50, 0, 50, {L{" A ", 5, -15}, L{" B ", 80, -35}, L{" C ", 110, -55}, L{" D ", 190, -75}}},
        {50, 50, 0, {L{" A ", 5, -15}, L{" B ", 98, -35}, L{" C ", 198, -55}}},
    };
    for (const Case& c : cases) {
        RecordingPainter p;
        p.measure = RecordingPainter::NoRoom;  // the places the plot gives
        EtlPaintTwistHandles(p, 10, 2, 3, 4, 5, c.ab, c.bc, c.cd);
        const int xB = int(2 * c.ab) - 2;
        const int xC = int(2 * (c.ab + c.bc)) - 2;
        EXPECT_EQ(Boxes(p),
                  (std::vector<Corner>{Corner{xB, -22}, Corner{xC, -42}, Corner{198, -62}}));
        EXPECT_EQ(Labels(p), c.labels) << c.ab << "/" << c.bc << "/" << c.cd;
        for (const DrawStep& s : p.steps) EXPECT_EQ(s.pen, luvo::PlotPen::Blue());
    }
}

TEST(EtlPlotPaint, TwistPlot) {
    EtlAnalysisInputs in = etl_test::AnalysisWindowInputs();
    in.angleA = 2;
    in.angleB = 1;
    in.angleC = 2;
    in.angleD = 3;
    const auto s = EtlSolveAnalysis(in);
    RecordingPainter p;
    EtlPaintTwistPlot(p, *s);
    using S = std::tuple<int, int, int, int>;
    std::vector<S> blue;
    for (const DrawStep& l : p.LinesIn(luvo::PlotPen::Blue()))
        blue.emplace_back(l.x1, l.y1, l.x2, l.y2);
    EXPECT_EQ(blue,
              (std::vector<S>{S{0, 0, 100, -20}, S{100, -20, 180, -40}, S{180, -40, 200, -60}}));
    std::vector<std::string> right;
    for (const DrawStep& t : p.TextsAtX(208)) right.push_back(t.text);
    EXPECT_EQ(right, (std::vector<std::string>{"5.0", "4.0", "3.0", "2.0", "1.0", "0.0"}));
    ExpectText(p, "-2.0", -24, 33);
    ExpectText(p, "2.5", 93, 4);
    ExpectText(p, "[\xc2\xb0] = alfa       - alfa", -8, -84);
}

}  // namespace
