// The plots of the vortex-lattice results window, recorded step by step.

#include "vlm/core/VlmResultPlots.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>
#include <utility>

#include "tests/support/RecordingPainter.h"

namespace {

using luvo::test::DrawStep;
using luvo::test::RecordingPainter;

const double kNaN = std::numeric_limits<double>::quiet_NaN();

// Two chordwise points per side and four strips, cp from -3.4 to 0.5.
VlmResults SmallRun() {
    VlmResults r;
    r.chordwiseCount = 2;
    r.spanwiseCount = 4;
    r.span = 4.0;
    r.kFactor = 1.0;
    r.liftPerSpan = 0.3;
    r.spanY = {1.5, 0.5, -0.5, -1.5};
    r.spanCa = {0.2, 0.4, 0.4, 0.2};
    r.spanCirculation = {0.1, 0.2, 0.2, 0.1};
    // Upper side from the trailing to the leading edge, then the lower side back.
    r.cpTipX = {0.75, 0.25, 0.25, 0.75};
    r.cpTip = {-0.5, -3.4, 0.5, 0.2};
    r.cpRootX = {0.75, 0.25, 0.25, 0.75};
    r.cpRoot = {-0.3, -1.0, 0.3, 0.1};
    r.cpTipLeadingX = r.cpRootLeadingX = 0.0;
    r.cpTipTrailingX = r.cpRootTrailingX = 1.0;
    return r;
}

std::vector<DrawStep> Ticks(const RecordingPainter& p, int x1, int x2) {
    std::vector<DrawStep> out;
    for (const DrawStep& s : p.Of(DrawStep::Line)) {
        if (s.x1 == x1 && s.x2 == x2 && s.y1 == s.y2) out.push_back(s);
    }
    return out;
}

TEST(VlmPressurePlot, ScaledAxisFollowsTheLowestCp) {
    const VlmResults r = SmallRun();
    EXPECT_EQ(VlmScaledCpSteps(r), 5);
    RecordingPainter p;
    p.measure = RecordingPainter::NoRoom;  // the places the plot gives
    DrawVlmPressure(p, r, true);
    // 1.00 at the bottom, -4.00 at the top, 0.00 at the zero line 24 pixels above 1.
    ASSERT_NE(p.FindText("-4.00"), nullptr);
    EXPECT_EQ(p.FindText("-4.00")->x1, -155);
    EXPECT_EQ(p.FindText("-4.00")->y1, -69);
    EXPECT_EQ(p.FindText("1.00")->y1, 55);
    EXPECT_EQ(p.FindText("0.00")->y1, 31);
    const auto longTicks = Ticks(p, -115, -125);
    ASSERT_EQ(longTicks.size(), 6u);
    EXPECT_EQ(longTicks.front().y1, 60);
    EXPECT_EQ(longTicks.back().y1, -60);
    EXPECT_EQ(Ticks(p, -118, -122).size(), 5u);
    // The chord axis on cp = 0.
    const auto axis = p.Of(DrawStep::Line)[0];
    EXPECT_EQ(axis.x1, -120);
    EXPECT_EQ(axis.y1, 36);
    // The tip's suction peak at the leading edge: x = 0.25 -> -60, cp -3.4 -> -3.4 * 24 + 36.
    const auto tip = p.LinesIn(luvo::PlotPen::Red());
    ASSERT_GE(tip.size(), 2u);
    EXPECT_EQ(tip[0].x1, 60);
    EXPECT_EQ(tip[0].x2, -60);
    EXPECT_EQ(tip[0].y2, static_cast<int>(-3.4 * 24 + 36));
    // One line per side and strip; the two sides are not joined at the leading edge.
    EXPECT_EQ(tip.size(), 2u + 1u);  // and the legend
    EXPECT_EQ(p.LinesIn(luvo::PlotPen::Green()).size(), 2u + 1u);
}

TEST(VlmPressurePlot, FixedAxisRunsFromMinusOneToOne) {
    RecordingPainter p;
    DrawVlmPressure(p, SmallRun(), false);
    EXPECT_EQ(p.FindText("-1.00")->y1, -69);
    EXPECT_EQ(p.FindText("0.00")->y1, -5);
    EXPECT_EQ(Ticks(p, -115, -125).size(), 3u);
    EXPECT_EQ(p.Of(DrawStep::Line)[0].y1, 0);
    EXPECT_EQ(p.LinesIn(luvo::PlotPen::Red())[0].y2, static_cast<int>(-3.4 * 60));
}

TEST(VlmPressurePlot, NoCurveForOnePointAndNoScaleFromValuesWithoutNumber) {
    VlmResults one = SmallRun();
    one.chordwiseCount = 1;
    one.cpTipX = {0.5, 0.5};
    one.cpTip = {-0.5, 0.5};
    one.cpRootX = {0.5, 0.5};
    one.cpRoot = {-0.2, 0.2};
    RecordingPainter p;
    DrawVlmPressure(p, one, true);
    EXPECT_EQ(p.LinesIn(luvo::PlotPen::Red()).size(), 1u);  // the legend alone
    EXPECT_EQ(p.LinesIn(luvo::PlotPen::Green()).size(), 1u);
    EXPECT_NE(p.FindText("cp Randbogen rechts"), nullptr);

    VlmResults holes = SmallRun();
    holes.cpTip[1] = -std::numeric_limits<double>::infinity();
    holes.cpRoot[0] = kNaN;
    EXPECT_EQ(VlmScaledCpSteps(holes), 3);  // from the lowest finite value, -1.0
    VlmResults deep = SmallRun();
    deep.cpTip[1] = -1e9;
    EXPECT_EQ(VlmScaledCpSteps(deep), 120);
    RecordingPainter q;
    DrawVlmPressure(q, deep, true);
    EXPECT_EQ(Ticks(q, -115, -125).size(), 121u);
}

TEST(VlmSpanLoadPlot, CurvesOnTheirScalesAndTheEllipse) {
    const VlmResults r = SmallRun();
    RecordingPainter p;
    DrawVlmSpanLoad(p, r);
    // ca: largest 0.4 -> -60 pixels; y 1.5 of a span of 4 -> 90 pixels.
    const auto ca = p.LinesIn(luvo::PlotPen::Red());
    ASSERT_EQ(ca.size(), 3u + 1u);
    EXPECT_EQ(ca[0].x1, 90);
    EXPECT_EQ(ca[0].y1, -30);
    EXPECT_EQ(ca[0].y2, -60);
    EXPECT_EQ(p.FindText("0.40")->x1, -152);
    EXPECT_EQ(p.FindText("-0.40")->y1, 55);
    const auto gamma = p.LinesIn(luvo::PlotPen::Green());
    ASSERT_EQ(gamma.size(), 3u + 1u);
    EXPECT_EQ(gamma[1].y1, -60);
    EXPECT_EQ(p.TextsAtX(132).front().text, "0.20");
    const auto ellipse = p.Of(DrawStep::EllipticArc);
    ASSERT_EQ(ellipse.size(), 1u);
    EXPECT_EQ(ellipse[0].x1, -120);
    EXPECT_EQ(ellipse[0].y1, static_cast<int>(-240 * 0.3 / (VlmPi * 0.2)));
    EXPECT_EQ(ellipse[0].x2, 240);
    EXPECT_EQ(ellipse[0].y2, static_cast<int>(480 * 0.3 / (VlmPi * 0.2)));
    EXPECT_EQ(ellipse[0].pen, luvo::PlotPen::LightGrey());
    EXPECT_TRUE(ellipse[0].brush.transparent);
}

// Negative lift draws the comparison ellipse as the mirror image below the axis.
TEST(VlmSpanLoadPlot, EllipseOfNegativeLiftLiesBelowTheAxis) {
    VlmResults r = SmallRun();
    for (auto* v : {&r.spanCa, &r.spanCirculation}) {
        for (double& x : *v) x = -x;
    }
    r.liftPerSpan = -r.liftPerSpan;
    RecordingPainter p;
    DrawVlmSpanLoad(p, r);
    const auto ellipse = p.Of(DrawStep::EllipticArc);
    ASSERT_EQ(ellipse.size(), 1u);
    EXPECT_EQ(std::make_tuple(ellipse[0].x1, ellipse[0].y1, ellipse[0].x2, ellipse[0].y2),
              std::make_tuple(-120, static_cast<int>(-240 * 0.3 / (VlmPi * 0.2)), 240,
                              static_cast<int>(480 * 0.3 / (VlmPi * 0.2))));
    EXPECT_EQ(std::make_pair(ellipse[0].start, ellipse[0].end), std::make_pair(180.0, 360.0));
    EXPECT_EQ(p.LinesIn(luvo::PlotPen::Green())[1].y1, 60);
}

TEST(VlmSpanLoadPlot, WingWithoutLiftStillDrawsBothAxes) {
    VlmResults r = SmallRun();
    r.spanCa.assign(4, 0.0);
    r.spanCirculation.assign(4, 0.0);
    r.liftPerSpan = 0.0;
    RecordingPainter p;
    DrawVlmSpanLoad(p, r);
    EXPECT_EQ(p.TextsAtX(-152).front().text, "0.01");
    EXPECT_EQ(p.TextsAtX(132).front().text, "0.00");
    EXPECT_EQ(Ticks(p, -115, -125).size(), 2u);
    EXPECT_EQ(Ticks(p, 125, 115).size(), 2u);
    // The flat ca curve lies on the span axis; the last red line is the legend's.
    const auto ca = p.LinesIn(luvo::PlotPen::Red());
    ASSERT_EQ(ca.size(), 3u + 1u);
    for (size_t i = 0; i < 3; ++i) EXPECT_EQ(ca[i].y1, 0);

    // Its comparison ellipse has no height: none is drawn, also for a lift of rounding noise.
    EXPECT_TRUE(p.Of(DrawStep::EllipticArc).empty());
    r.liftPerSpan = 1e-17;
    RecordingPainter noise;
    DrawVlmSpanLoad(noise, r);
    EXPECT_TRUE(noise.Of(DrawStep::EllipticArc).empty());

    // A value without number is left out and does not set the scale.
    VlmResults holes = SmallRun();
    holes.spanCa[1] = kNaN;
    RecordingPainter q;
    DrawVlmSpanLoad(q, holes);
    EXPECT_EQ(q.LinesIn(luvo::PlotPen::Red()).size(), 1u + 1u);
    EXPECT_EQ(q.TextsAtX(-152).front().text, "0.40");
}

TEST(VlmResultsWarning, WhenKIsNotOneOrMore) {
    VlmResults r;
    const struct {
        double k;
        bool warn;
    } cases[] = {{1.0, false}, {1.2, false}, {0.999, true}, {kNaN, true}, {-1.0, true}};
    for (const auto& c : cases) {
        r.kFactor = c.k;
        EXPECT_EQ(VlmNeedsKFactorWarning(r), c.warn) << c.k;
    }
    RecordingPainter p;
    DrawVlmWarning(p);
    ASSERT_NE(p.FindText("grober  Diskretisierung sehr ungenau"), nullptr);
    EXPECT_EQ(p.FindText("ACHTUNG: Der k-Faktor ist wegen zu")->textColour,
              luvo::PlotColour::Red());
    EXPECT_EQ(p.FindText("grober  Diskretisierung sehr ungenau")->y1, 22);
}

}  // namespace
