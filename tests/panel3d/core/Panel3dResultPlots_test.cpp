// The plots of the panel method's results windows, recorded step by step from a small
// hand-made run.

#include "panel3d/core/Panel3dResultPlots.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <tuple>
#include <utility>

#include "panel3d/core/Panel3dModel.h"
#include "tests/support/RecordingPainter.h"

namespace {

using luvo::PlotPen;
using luvo::test::DrawStep;
using luvo::test::RecordingPainter;

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kPi = std::acos(-1.0);

// Four panels per half span (eight strips) of a wing of span 4, strip centres at y = 1.75 down
// to -1.75; ca peaks at 0.5, Gamma at 0.4.
Panel3dSpanSeries SpanRun() {
    Panel3dSpanSeries s;
    s.halfSpan = 2.0;
    s.totalLiftCirculation = 1.2;
    s.stripY = {1.75, 1.25, 0.75, 0.25, -0.25, -0.75, -1.25, -1.75};
    s.stripLift = {0.2, 0.4, 0.5, 0.5, 0.5, 0.5, 0.4, 0.2};
    s.stripCirculation = {0.1, 0.3, 0.4, 0.4, 0.4, 0.4, 0.3, 0.1};
    s.eta = {0.875, 0.625, 0.375, 0.125, -0.125, -0.375, -0.625, -0.875};
    s.cwi = {0.01, 0.02, 0.02, 0.02, 0.02, 0.02, 0.02, 0.01};
    s.cfEp = std::vector<double>(8, 0.004);
    s.cfInt = std::vector<double>(8, 0.006);
    s.cdfXfoil = std::vector<double>(8, 0.005);
    return s;
}

// Lines that are neither axis, tick nor legend: drawn in `pen` with both ends inside the plot
// and not on the legend rows.
std::vector<DrawStep> CurveLines(const RecordingPainter& p, const PlotPen& pen, int legendX) {
    std::vector<DrawStep> out;
    for (const DrawStep& s : p.LinesIn(pen)) {
        if (s.x1 != legendX) out.push_back(s);
    }
    return out;
}

std::vector<DrawStep> Ticks(const RecordingPainter& p, int x1, int x2) {
    std::vector<DrawStep> out;
    for (const DrawStep& s : p.Of(DrawStep::Line)) {
        if (s.x1 == x1 && s.x2 == x2 && s.y1 == s.y2) out.push_back(s);
    }
    return out;
}

TEST(Panel3dSpanLoadPlot, CurvesScalesAndTheEllipse) {
    const Panel3dSpanSeries s = SpanRun();
    RecordingPainter p;
    DrawPanel3dSpanLoad(p, s);
    // The outermost strip at each tip is left out of ca and Gamma: 2M-3 segments; cw runs over
    // every section: 2M-1.
    const auto ca = CurveLines(p, PlotPen::StockRed(), -20);
    const auto gamma = CurveLines(p, PlotPen::StockGreen(), -20);
    const auto cw = CurveLines(p, PlotPen::StockCyan(), -20);
    ASSERT_EQ(ca.size(), 5u);
    ASSERT_EQ(gamma.size(), 5u);
    ASSERT_EQ(cw.size(), 7u);
    // Strip 1 at y 1.25 of 2 -> 75 pixels, ca 0.4 of 0.5 -> 48 pixels up.
    EXPECT_EQ(ca[0].x1, 75);
    EXPECT_EQ(ca[0].y1, -48);
    EXPECT_EQ(ca[4].x2, -75);
    // Gamma 0.3 of 0.4 -> 45 up; cw = cwi + cwr_int on the ca scale: 0.016 -> -1.92.
    EXPECT_EQ(gamma[0].y1, -45);
    EXPECT_EQ(cw[0].x1, 105);
    EXPECT_EQ(cw[0].y1, static_cast<int>(0.016 * -120));
    EXPECT_EQ(cw[6].x2, -105);
    EXPECT_EQ(p.FindText("0.50")->x1, -152);
    EXPECT_EQ(p.FindText("-0.50")->x1, -155);
    EXPECT_EQ(p.TextsAtX(132).front().text, "0.40");
    EXPECT_EQ(p.TextsAtX(135).front().text, "-0.40");

    // The ellipse's peak 2 I / (pi s) = 0.382 lies 57 pixels up on the Gamma scale of 0.4.
    const auto ellipse = p.Of(DrawStep::EllipticArc);
    ASSERT_EQ(ellipse.size(), 1u);
    const double peak = 2 * 1.2 / (kPi * 2.0);
    EXPECT_NEAR(ellipse[0].y1, -60 * peak / 0.4, 1.0);
    EXPECT_NEAR(ellipse[0].y2, 120 * peak / 0.4, 1.0);
    EXPECT_EQ(ellipse[0].x1, -120);
    EXPECT_EQ(ellipse[0].x2, 240);
    EXPECT_EQ(ellipse[0].start, 0);
    EXPECT_EQ(ellipse[0].end, 180);
    EXPECT_EQ(ellipse[0].pen, PlotPen::LightGrey());
    EXPECT_TRUE(ellipse[0].brush.transparent);
}

// Negative lift: the loads and the elliptic comparison below the axis, the ellipse the mirror
// image of the one of the opposite lift; without lift (a symmetric wing at zero incidence,
// rounding noise) there is no ellipse to draw.
TEST(Panel3dSpanLoadPlot, EllipseOfNegativeLiftIsMirroredAndOfNoLiftLeftOut) {
    const Panel3dSpanSeries up = SpanRun();
    Panel3dSpanSeries down = up;
    for (auto* v : {&down.stripLift, &down.stripCirculation}) {
        for (double& x : *v) x = -x;
    }
    down.totalLiftCirculation = -up.totalLiftCirculation;
    RecordingPainter above, below;
    DrawPanel3dSpanLoad(above, up);
    DrawPanel3dSpanLoad(below, down);
    const auto a = above.Of(DrawStep::EllipticArc);
    const auto b = below.Of(DrawStep::EllipticArc);
    ASSERT_EQ(a.size(), 1u);
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(std::make_tuple(b[0].x1, b[0].y1, b[0].x2, b[0].y2),
              std::make_tuple(a[0].x1, a[0].y1, a[0].x2, a[0].y2));
    EXPECT_EQ(std::make_pair(b[0].start, b[0].end), std::make_pair(180.0, 360.0));
    const auto gamma = CurveLines(below, PlotPen::StockGreen(), -20);
    ASSERT_EQ(gamma.size(), 5u);
    EXPECT_EQ(gamma[0].y1, 45);

    for (double lift : {0.0, -0.0, 1e-17, -1e-17}) {
        Panel3dSpanSeries none = SpanRun();
        for (auto* v : {&none.stripLift, &none.stripCirculation}) {
            for (double& x : *v) x = lift;
        }
        none.totalLiftCirculation = lift;
        RecordingPainter p;
        DrawPanel3dSpanLoad(p, none);
        EXPECT_TRUE(p.Of(DrawStep::EllipticArc).empty()) << lift;
        EXPECT_NE(p.FindText("Gamma_elliptisch"), nullptr);
        // ca and Gamma lie on the axis, against their floors.
        for (const PlotPen& pen : {PlotPen::StockRed(), PlotPen::StockGreen()}) {
            const auto lines = CurveLines(p, pen, -20);
            ASSERT_EQ(lines.size(), 5u) << lift;
            for (const DrawStep& l : lines)
                EXPECT_EQ(std::make_pair(l.y1, l.y2), std::make_pair(0, 0));
        }
    }
}

TEST(Panel3dSpanLoadPlot, SmallMaximaAreDrawnAgainstTheFloors) {
    Panel3dSpanSeries s = SpanRun();
    for (double& v : s.stripLift) v *= 0.01;  // largest 0.005 < 0.01
    for (double& v : s.cwi) v *= 0.01;        // cw, on the same axis, even smaller
    for (double& v : s.cfInt) v *= 0.01;
    for (double& v : s.stripCirculation) v *= 1e-5;  // largest 4e-6 < 1e-5
    RecordingPainter p;
    DrawPanel3dSpanLoad(p, s);
    // The half of the floor needs a third decimal to read apart from it.
    const auto labels = p.TextsAtX(-152);
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_EQ(labels[0].text, "0.010");
    EXPECT_EQ(labels[1].text, "0.005");
    const auto ca = CurveLines(p, PlotPen::StockRed(), -20);
    ASSERT_EQ(ca.size(), 5u);
    EXPECT_NEAR(ca[1].y1, -30, 1);  // not -60
    const auto gamma = CurveLines(p, PlotPen::StockGreen(), -20);
    ASSERT_EQ(gamma.size(), 5u);
    EXPECT_NEAR(gamma[1].y1, -24, 1);  // not -60
}

// Without lift cw alone sets the scale of the ca and cw axis: its curve stays between the ticks
// at +-60, below the title, and the tick labels of both axes read apart.
TEST(Panel3dSpanLoadPlot, ZeroLiftScalesTheAxisToTheDragWithDistinctLabels) {
    Panel3dSpanSeries s = SpanRun();
    for (auto* v : {&s.stripLift, &s.stripCirculation}) v->assign(v->size(), 0.0);
    s.totalLiftCirculation = 0;
    RecordingPainter p;
    DrawPanel3dSpanLoad(p, s);
    const auto cw = CurveLines(p, PlotPen::StockCyan(), -20);
    ASSERT_EQ(cw.size(), 7u);
    int top = 0;
    for (const DrawStep& l : cw) top = std::min({top, l.y1, l.y2});
    EXPECT_EQ(top, -60);
    for (int x : {-152, 132}) {
        const auto labels = p.TextsAtX(x);
        ASSERT_EQ(labels.size(), 2u) << x;
        EXPECT_NE(labels[0].text, labels[1].text) << x;
    }
}

TEST(Panel3dSpanLoadPlot, ValuesWithoutNumberStayOutOfScaleAndCurve) {
    Panel3dSpanSeries s = SpanRun();
    s.stripLift[3] = kNaN;
    s.stripCirculation[2] = std::numeric_limits<double>::infinity();
    s.cwi.assign(8, kNaN);
    s.totalLiftCirculation = kNaN;
    RecordingPainter p;
    DrawPanel3dSpanLoad(p, s);
    EXPECT_EQ(p.TextsAtX(-152).front().text, "0.50");
    EXPECT_EQ(p.TextsAtX(132).front().text, "0.40");
    EXPECT_EQ(CurveLines(p, PlotPen::StockRed(), -20).size(), 3u);
    EXPECT_EQ(CurveLines(p, PlotPen::StockGreen(), -20).size(), 3u);
    EXPECT_EQ(CurveLines(p, PlotPen::StockCyan(), -20).size(), 0u);
    EXPECT_TRUE(p.Of(DrawStep::EllipticArc).empty());
    EXPECT_NE(p.FindText("Gamma_elliptisch"), nullptr);
}

TEST(Panel3dSpanDragPlot, FourCurvesOnOneScale) {
    RecordingPainter p;
    DrawPanel3dSpanDrag(p, SpanRun());
    EXPECT_EQ(p.TextsAtX(-152).front().text, "0.020");
    EXPECT_EQ(p.TextsAtX(-157).front().text, "-0.020");
    const PlotPen pens[4] = {PlotPen::StockRed(), PlotPen::StockGreen(), PlotPen::StockCyan(),
                             PlotPen::LightGrey()};
    const double firstValue[4] = {0.01, 0.004, 0.005, 0.006};
    for (int c = 0; c < 4; ++c) {
        const auto lines = CurveLines(p, pens[c], -20);
        ASSERT_EQ(lines.size(), 7u) << c;
        EXPECT_EQ(lines[0].y1, static_cast<int>(firstValue[c] * (-60 / 0.02))) << c;
    }
    const char* names[4] = {"cwi_lokal", "cwr_ep_lokal", "cwr_xf_lokal", "cwr_int_lokal"};
    for (int c = 0; c < 4; ++c) {
        ASSERT_NE(p.FindText(names[c]), nullptr);
        EXPECT_EQ(p.FindText(names[c])->y1, 13 + 18 * c);
    }
}

// Four operating points of a lift polar and of a speed polar.
Panel3dPolarSeries PolarRun() {
    Panel3dPolarSeries s;
    s.alpha = {-4, -2, 0, 2};
    s.ca = {-0.2, 0.0, 0.2, 0.4};
    s.cwi = {0.002, 0.0, 0.002, 0.008};
    s.cwrEp = std::vector<double>(4, 0.006);
    s.cwrInt = std::vector<double>(4, 0.008);
    s.cwrXfoil = std::vector<double>(4, 0.012);
    s.ldp = {0.5, kNaN, 0.3, 0.25};
    for (int c = 0; c < 4; ++c) {
        s.speed[c].vh = {30.0 - c, 45.0 - c, 60.0 - c, 75.0 - c};
        s.speed[c].vv = {-1.0 - 0.1 * c, -1.2, -1.8, -2.5};
        s.speed[c].power = {300.0 + c, 400, 600, 900};
        s.speed[c].thrust = {10.0, 9, 10, 12.0 + c};
    }
    return s;
}

Panel3dPolarSeries Truncated(Panel3dPolarSeries s, size_t n) {
    for (auto* v : {&s.alpha, &s.ca, &s.cwi, &s.cwrEp, &s.cwrInt, &s.cwrXfoil, &s.ldp}) {
        v->resize(n);
    }
    for (auto& k : s.speed) {
        for (auto* v : {&k.vh, &k.vv, &k.power, &k.thrust}) v->resize(n);
    }
    return s;
}

// Every polar plot, as the windows draw them.
void DrawEveryPolar(RecordingPainter* p, const Panel3dPolarSeries& s) {
    DrawPanel3dLiftAlpha(p[0], s);
    DrawPanel3dDragPolar(p[1], s, false);
    DrawPanel3dDragPolar(p[2], s, true);
    DrawPanel3dSpeedPolar(p[3], s, false);
    DrawPanel3dSpeedPolar(p[4], s, true);
    DrawPanel3dPowerPolar(p[5], s, false, false);
    DrawPanel3dPowerPolar(p[6], s, true, true);
}

TEST(Panel3dPolarPlots, LiftCurveAndPressurePointOnTheirAxes) {
    RecordingPainter p;
    DrawPanel3dLiftAlpha(p, PolarRun());
    // alpha -4..2 on a symmetric axis of 4 -> 30 px per degree; cA 0.4 -> 60 px.
    const auto ca = CurveLines(p, PlotPen::StockRed(), -20);
    ASSERT_EQ(ca.size(), 3u);
    EXPECT_EQ(ca[0].x1, -120);
    EXPECT_EQ(ca[0].y1, 30);
    EXPECT_EQ(ca[2].x2, 60);
    EXPECT_EQ(ca[2].y2, -60);
    // l_DP: the point without number leaves out both its segments; the first point, left
    // without a neighbour, is marked by a cross instead.
    const auto ldp = CurveLines(p, PlotPen::StockGreen(), -20);
    ASSERT_EQ(ldp.size(), 3u);
    EXPECT_EQ(ldp[0].y1, static_cast<int>(0.3 * (-60 / 0.5)));
    EXPECT_EQ(ldp[1].x1, -122);
    EXPECT_EQ(ldp[1].y1, -60);
    EXPECT_EQ(ldp[2].x1, -120);
    EXPECT_EQ(ldp[2].y1, -62);
    EXPECT_EQ(p.FindText("4.000")->x1, 93);
    EXPECT_EQ(p.FindText("-4.000")->x1, -117);
    EXPECT_EQ(p.TextsAtX(132).front().text, "0.50");
    EXPECT_EQ(p.TextsAtX(-157).front().text, "-0.400");
}

TEST(Panel3dPolarPlots, DragPolarSumsOnASymmetricAxis) {
    RecordingPainter p;
    DrawPanel3dDragPolar(p, PolarRun(), true);
    // Largest drag sum 0.008 + 0.012 = 0.02: 120 px; both ends labelled, -max on the left.
    EXPECT_EQ(p.FindText("0.020")->x1, 93);
    EXPECT_EQ(p.FindText("-0.020")->x1, -117);
    const auto xf = CurveLines(p, PlotPen::LightGrey(), -90);
    ASSERT_EQ(xf.size(), 3u);
    EXPECT_EQ(xf[2].x2, 120);
    EXPECT_EQ(xf[2].y2, -60);
    const auto ep = CurveLines(p, PlotPen::StockGreen(), -90);
    ASSERT_EQ(ep.size(), 3u);
    EXPECT_NEAR(ep[0].x1, 48, 1);
    // Without XFOIL the largest sum is 0.016 and there is no grey curve.
    RecordingPainter q;
    DrawPanel3dDragPolar(q, PolarRun(), false);
    EXPECT_NE(q.FindText("0.016"), nullptr);
    EXPECT_TRUE(q.LinesIn(PlotPen::LightGrey()).empty());
    EXPECT_EQ(q.FindText("cWi + cWr_xf"), nullptr);
}

// The small cross that marks a point whose neighbours failed, centred at (x, y).
bool HasCross(const std::vector<DrawStep>& lines, int x, int y) {
    bool across = false, down = false;
    for (const DrawStep& s : lines) {
        across = across || (s.x1 == x - 2 && s.x2 == x + 3 && s.y1 == y && s.y2 == y);
        down = down || (s.x1 == x && s.x2 == x && s.y1 == y - 2 && s.y2 == y + 3);
    }
    return across && down;
}

// Points of a failed XFOIL section have no drag: a valid point between two of them, or at an end
// next to one, is drawn as a cross; points with a valid neighbour keep their segments only.
TEST(Panel3dPolarPlots, PointsBetweenFailedXfoilPointsAreMarked) {
    struct Case {
        const char* name;
        std::vector<double> cwrXfoil;
        std::vector<int> marked;  // points with a cross
        size_t segments;
    };
    const Case cases[] = {
        {"every other point failed", {kNaN, 0.012, kNaN, 0.012}, {1, 3}, 0},
        {"first point alone", {0.012, kNaN, 0.012, 0.012}, {0}, 1},
        {"none failed", {0.012, 0.012, 0.012, 0.012}, {}, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Panel3dPolarSeries s = PolarRun();
        s.cwrXfoil = c.cwrXfoil;
        RecordingPainter p;
        DrawPanel3dDragPolar(p, s, true);
        const auto xf = CurveLines(p, PlotPen::LightGrey(), -90);
        EXPECT_EQ(xf.size(), c.segments + 2 * c.marked.size());
        // The largest sum is 0.008 + 0.012 = 0.02 (120 px); cA 0.4 is 60 px up.
        for (int i : c.marked) {
            const double cw = s.cwi[i] + s.cwrXfoil[i];
            EXPECT_TRUE(HasCross(xf, static_cast<int>(cw * 120 / 0.02),
                                 static_cast<int>(s.ca[i] * -60 / 0.4)))
                << i;
        }
    }
    // The speed polar's XFOIL curve the same way: sink speed 2.5 is 120 px down, vh 75 is 240 px.
    Panel3dPolarSeries s = PolarRun();
    s.speed[3].vv = {kNaN, -1.2, kNaN, kNaN};
    RecordingPainter speed;
    DrawPanel3dSpeedPolar(speed, s, true);
    const auto xf = CurveLines(speed, PlotPen::LightGrey(), 10);
    ASSERT_EQ(xf.size(), 2u);
    EXPECT_TRUE(
        HasCross(xf, static_cast<int>(42.0 * 240 / 75), static_cast<int>(-1.2 * -120 / 2.5)));
}

TEST(Panel3dPolarPlots, SinkSpeedsBelowTheAxisPowerAndThrustAbove) {
    RecordingPainter speed, power, thrust;
    DrawPanel3dSpeedPolar(speed, PolarRun(), false);
    DrawPanel3dPowerPolar(power, PolarRun(), false, false);
    DrawPanel3dPowerPolar(thrust, PolarRun(), true, false);
    // Largest |vv| 2.5 lies 120 px below the axis; vh 75 -> 240 px.
    const auto ep = CurveLines(speed, PlotPen::StockRed(), 10);
    ASSERT_EQ(ep.size(), 3u);
    for (const DrawStep& s : ep) EXPECT_GT(s.y1, 0);
    EXPECT_EQ(ep[2].x2, 240);
    EXPECT_EQ(ep[2].y2, 120);
    EXPECT_EQ(speed.FindText("-2.50")->y1, 115);
    EXPECT_EQ(speed.FindText("-0.62")->y1, 25);  // -0.625 by printf's rounding to even
    EXPECT_EQ(speed.FindText("75.00")->x1, 213);
    EXPECT_EQ(speed.FindText("37.50")->y1, -20);
    EXPECT_NE(speed.FindText("Geschwindigkeitspolare "), nullptr);

    const auto p = CurveLines(power, PlotPen::StockRed(), 10);
    ASSERT_EQ(p.size(), 3u);
    for (const DrawStep& s : p) EXPECT_LT(s.y1, 0);
    EXPECT_EQ(p[2].y2, -120);
    EXPECT_EQ(power.FindText("900")->y1, -127);
    EXPECT_EQ(power.FindText("675")->y1, -97);
    EXPECT_EQ(power.FindText("75.00")->y1, 8);
    EXPECT_NE(power.FindText("P [W]"), nullptr);
    EXPECT_NE(thrust.FindText("Schubpolare"), nullptr);
    EXPECT_EQ(thrust.FindText("14")->y1, -127);  // the largest thrust without "xf" (15)
}

TEST(Panel3dPolarPlots, LegendEntriesAtTheirPlaces) {
    RecordingPainter p[7];
    DrawEveryPolar(p, PolarRun());
    const struct {
        int plot;
        const char* name;
        int x, y;           // of the name
        int lineX1, lineY;  // of its line
        PlotPen pen;
    } cases[] = {
        {0, "alpha", 8, 13, -20, 20, PlotPen::StockRed()},
        {0, "l_DP", 8, 31, -20, 38, PlotPen::StockGreen()},
        {1, "cWi", -62, 13, -90, 20, PlotPen::StockRed()},
        {1, "cWi + cWr_ep", -62, 31, -90, 38, PlotPen::StockGreen()},
        {1, "cWi + cWr_int", -62, 49, -90, 56, PlotPen::StockCyan()},
        {2, "cWi + cWr_xf", -62, 67, -90, 74, PlotPen::LightGrey()},
        {3, "ep", 38, 73, 10, 80, PlotPen::StockRed()},
        {3, "int", 38, 91, 10, 98, PlotPen::StockGreen()},
        {3, "indu", 38, 109, 10, 116, PlotPen::StockCyan()},
        {4, "xf", 38, 127, 10, 133, PlotPen::LightGrey()},
        {5, "ep", 38, -127, 10, -120, PlotPen::StockRed()},
        {5, "indu", 38, -91, 10, -84, PlotPen::StockCyan()},
        {6, "xf", 38, -73, 10, -66, PlotPen::LightGrey()},
    };
    for (const auto& c : cases) {
        bool name = false;
        for (const DrawStep& t : p[c.plot].TextsAtX(c.x)) {
            name = name ||
                   (t.text == c.name && t.y1 == c.y && t.textColour == luvo::PlotColour::Black());
        }
        EXPECT_TRUE(name) << c.plot << " " << c.name;
        bool line = false;
        for (const DrawStep& s : p[c.plot].LinesIn(c.pen)) {
            line = line || (s.x1 == c.lineX1 && s.y1 == c.lineY && s.y2 == c.lineY &&
                            s.x2 == c.lineX1 + 20);
        }
        EXPECT_TRUE(line) << c.plot << " " << c.name;
    }
    EXPECT_EQ(p[3].FindText("xf"), nullptr);
    EXPECT_EQ(p[5].FindText("xf"), nullptr);
}

TEST(Panel3dPolarPlots, OnePointZerosAndValuesWithoutNumberDrawOnlyTheFrame) {
    Panel3dPolarSeries zero = PolarRun();
    for (auto* v :
         {&zero.alpha, &zero.ca, &zero.cwi, &zero.cwrEp, &zero.cwrInt, &zero.cwrXfoil, &zero.ldp}) {
        v->assign(4, 0.0);
    }
    Panel3dPolarSeries none = zero;
    for (auto* v : {&none.alpha, &none.ca, &none.cwi, &none.ldp}) v->assign(4, kNaN);
    for (auto& k : zero.speed) {
        for (auto* v : {&k.vh, &k.vv, &k.power, &k.thrust}) v->assign(4, 0.0);
    }
    for (auto& k : none.speed) {
        for (auto* v : {&k.vh, &k.vv, &k.power, &k.thrust}) v->assign(4, kNaN);
    }
    const Panel3dPolarSeries one = Truncated(PolarRun(), 1);
    const Panel3dPolarSeries empty = Truncated(PolarRun(), 0);
    for (const Panel3dPolarSeries* s :
         std::vector<const Panel3dPolarSeries*>{&one, &zero, &none, &empty}) {
        RecordingPainter p[7];
        DrawEveryPolar(p, *s);
        for (int k = 0; k < 7; ++k) {
            // Only the legend lines are drawn in the curves' pens.
            for (const PlotPen& pen : {PlotPen::StockRed(), PlotPen::StockGreen(),
                                       PlotPen::StockCyan(), PlotPen::LightGrey()}) {
                EXPECT_LE(p[k].LinesIn(pen).size(), 1u) << k;
            }
            EXPECT_GE(p[k].Of(DrawStep::Text).size(), 8u) << k;
        }
        // An axis without extent or without numbers is labelled from 0.
        if (s != &one) {
            EXPECT_EQ(p[1].TextsAtX(93).front().text, "0.000");
        }
    }
    RecordingPainter p;
    DrawPanel3dLiftAlpha(p, zero);
    EXPECT_EQ(p.FindText("0.000")->y1, -69);
}

// A model of N = 2 chordwise panels per side and the given M, every strip a unit chord from
// x = 0 to 1 with its panels' centroids at x = 0.75, 0.25 (upper) and 0.25, 0.75 (lower).
std::shared_ptr<Panel3dModel> PressureModel(int m) {
    Panel3dModelSizes sizes;
    sizes.chordPanels = 2;
    sizes.spanPanels = m;
    sizes.wakeRows = 1;
    sizes.symmetric = 1;
    sizes.trailingEdgeWakeFactor = 0.1;
    sizes.wakeLengthFactor = 5;
    auto model = Panel3dModel::Create(sizes);
    const double cx[4] = {0.75, 0.25, 0.25, 0.75};
    const double x0[4] = {0.5, 0.0, 0.0, 0.5};  // leading corners 0, 1 of the panel
    const double x1[4] = {1.0, 0.5, 0.5, 1.0};  // trailing corners 2, 3
    for (int j = 0; j < 2 * m; ++j) {
        for (int i = 0; i < 4; ++i) {
            Panel3dPanel& p = model->wingPanels[4 * j + i];
            p.centroid[0] = cx[i];
            p.planarX = {x0[i], x0[i], x1[i], x1[i]};
            p.pressureCoefficient = 0.1 * j;
        }
    }
    return model;
}

void SetCp(Panel3dModel& m, int strip, std::array<double, 4> cp) {
    for (int i = 0; i < 4; ++i) m.wingPanels[4 * strip + i].pressureCoefficient = cp[i];
}

TEST(Panel3dPressurePlot, FittedAxisFollowsTheLowestCp) {
    const struct {
        double cpMin;
        int axisY;
        std::vector<int> longTicks, shortTicks;
        const char* top;
        const char* zeroLabel;
        int zeroLabelY;
    } cases[] = {
        {-0.5, 0, {60, 0, -60}, {30, -30}, "-1.00", "0.00", -5},
        {-2.3, 30, {60, 30, 0, -30, -60}, {45, 15, -15, -45}, "-3.00", "0.00", 25},
        {-5.0, 43, {60, 43, 26, 9, -8, -25, -42, -60}, {}, "-6.00", "0.00", 38},
    };
    for (const auto& c : cases) {
        auto model = PressureModel(4);
        SetCp(*model, 2, {-0.2, c.cpMin, 0.5, 0.2});
        SetCp(*model, 3, {-0.1, -0.3, 0.3, 0.1});
        RecordingPainter p;
        p.measure = RecordingPainter::NoRoom;  // the places the plot gives
        DrawPanel3dPressure(p, *model, true);
        EXPECT_EQ(p.Of(DrawStep::Line)[0].y1, c.axisY) << c.cpMin;
        EXPECT_EQ(p.Of(DrawStep::Line)[0].x1, -120);
        std::vector<int> longY, shortY;
        for (const DrawStep& s : Ticks(p, -115, -125)) longY.push_back(s.y1);
        for (const DrawStep& s : Ticks(p, -118, -122)) shortY.push_back(s.y1);
        EXPECT_EQ(longY, c.longTicks) << c.cpMin;
        if (!c.shortTicks.empty()) {
            EXPECT_EQ(shortY, c.shortTicks) << c.cpMin;
        }
        ASSERT_NE(p.FindText(c.top), nullptr) << c.cpMin;
        EXPECT_EQ(p.FindText(c.top)->x1, -155);
        EXPECT_EQ(p.FindText(c.top)->y1, -69);
        EXPECT_EQ(p.FindText("1.00")->y1, 55);
        EXPECT_EQ(p.FindText(c.zeroLabel)->y1, c.zeroLabelY) << c.cpMin;
    }
}

TEST(Panel3dPressurePlot, CurvesOfTipAndRootStrip) {
    auto model = PressureModel(4);
    SetCp(*model, 2, {-0.4, -0.5, 0.5, 0.25});  // upper TE, upper LE, lower LE, lower TE
    SetCp(*model, 3, {0.0, -0.25, 0.25, 0.0});
    RecordingPainter p;
    DrawPanel3dPressure(p, *model, false);
    // One segment per side and strip, from the leading edge (x 0.25 -> -60) backward.
    const auto tip = CurveLines(p, PlotPen::StockRed(), 20);
    ASSERT_EQ(tip.size(), 2u);
    EXPECT_EQ(tip[0].x1, -60);
    EXPECT_EQ(tip[0].y1, 30);  // lower side cp 0.5
    EXPECT_EQ(tip[0].x2, 60);
    EXPECT_EQ(tip[0].y2, 15);
    EXPECT_EQ(tip[1].y1, -30);  // upper side cp -0.5
    EXPECT_EQ(tip[1].y2, -24);
    const auto root = CurveLines(p, PlotPen::StockGreen(), 20);
    ASSERT_EQ(root.size(), 2u);
    EXPECT_EQ(root[1].y1, -15);
    // The fixed axis.
    EXPECT_EQ(p.Of(DrawStep::Line)[0].y1, 0);
    std::vector<int> longY;
    for (const DrawStep& s : Ticks(p, -115, -125)) longY.push_back(s.y1);
    EXPECT_EQ(longY, (std::vector<int>{-60, 60, 0}));
    EXPECT_EQ(Ticks(p, -118, -122).size(), 2u);
    EXPECT_EQ(p.FindText("-1.00")->y1, -69);
    EXPECT_EQ(p.FindText("0.00")->y1, -5);
    EXPECT_EQ(p.FindText("1.00")->y1, 55);
    EXPECT_EQ(p.FindText("cp Randbogen rechts")->y1, 68);
    EXPECT_EQ(p.FindText("cp Wurzel")->y1, 51);
}

TEST(Panel3dPressurePlot, SevenStepsPutCpZeroOnePixelAboveTheAxis) {
    auto model = PressureModel(4);
    SetCp(*model, 2, {0.0, -5.0, 0.0, 0.0});
    SetCp(*model, 3, {0.0, 0.0, 0.0, 0.0});
    RecordingPainter p;
    DrawPanel3dPressure(p, *model, true);
    EXPECT_EQ(p.Of(DrawStep::Line)[0].y1, 43);
    const auto root = CurveLines(p, PlotPen::StockGreen(), 20);
    ASSERT_EQ(root.size(), 2u);
    EXPECT_EQ(root[0].y1, 42);
}

TEST(Panel3dPressurePlot, StripsByHalfSpanCount) {
    // M = 2: the tip strip 2 is the first strip of the left half, the root strip is strip 1.
    auto two = PressureModel(2);
    SetCp(*two, 2, {-0.6, -0.6, -0.6, -0.6});
    SetCp(*two, 1, {0.4, 0.4, 0.4, 0.4});
    RecordingPainter p;
    DrawPanel3dPressure(p, *two, false);
    EXPECT_EQ(CurveLines(p, PlotPen::StockRed(), 20)[0].y1, static_cast<int>(-0.6 * 60));
    EXPECT_EQ(CurveLines(p, PlotPen::StockGreen(), 20)[0].y1, 24);
    // M = 1 has no strip 2: only the root strip is drawn.
    auto one = PressureModel(1);
    RecordingPainter q;
    DrawPanel3dPressure(q, *one, true);
    EXPECT_TRUE(CurveLines(q, PlotPen::StockRed(), 20).empty());
    EXPECT_EQ(CurveLines(q, PlotPen::StockGreen(), 20).size(), 2u);
}

TEST(Panel3dWarnings, RedLinesSeventeenPixelsApart) {
    const struct {
        const std::vector<std::string>* lines;
        std::vector<std::string> texts;
    } cases[] = {
        {&luvo::KFactorWarningLines(),
         {"ACHTUNG: Der k-Faktor ist wegen zu", "grober  Diskretisierung sehr ungenau"}},
        {&Panel3dXfoilWarningLines(),
         {"ACHTUNG: Die XFOIL Rechnung war ", "nicht in allen Punkten erfolgreich. ",
          "Vgl. XFOIL-Logfile"}},
    };
    for (const auto& c : cases) {
        RecordingPainter p;
        luvo::DrawWarningText(p, *c.lines);
        const auto texts = p.Of(DrawStep::Text);
        ASSERT_EQ(texts.size(), c.texts.size());
        for (size_t i = 0; i < texts.size(); ++i) {
            EXPECT_EQ(texts[i].text, c.texts[i]);
            EXPECT_EQ(texts[i].x1, 5);
            EXPECT_EQ(texts[i].y1, 5 + 17 * static_cast<int>(i));
            EXPECT_EQ(texts[i].textColour, luvo::PlotColour::Red());
        }
    }
    const struct {
        double k;
        bool warn;
    } ks[] = {{0.999, true}, {1.0, false}, {9999, false}, {kNaN, true}};
    for (const auto& c : ks) EXPECT_EQ(luvo::NeedsKFactorWarning(c.k), c.warn) << c.k;
}

}  // namespace
