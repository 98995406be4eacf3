#include "supersonic/core/SupersonicPlots.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "supersonic/core/SupersonicSettings.h"
#include "tests/support/RecordingPainter.h"

namespace {

using luvo::test::DrawStep;
using luvo::test::RecordingPainter;

std::vector<std::string> TextsAt(const RecordingPainter& p, int x) {
    std::vector<std::string> out;
    for (const DrawStep& s : p.TextsAtX(x)) out.push_back(s.text);
    return out;
}

TEST(SupersonicPlotFrame, LabelsTicksAndLetters) {
    RecordingPainter p;
    DrawPlotFrame(p, kSupersonicCamberPlot, "Skelettlinie", false);
    // x labels at ticks 5 and 10 only.
    EXPECT_EQ(TextsAt(p, 50 + 5 * 38 - 6), std::vector<std::string>{"0.5"});
    EXPECT_EQ(TextsAt(p, 50 + 10 * 38 - 6), std::vector<std::string>{"1.0"});
    // z labels every tick above and below the axis: 0.01 .. 0.04 and -0.01.
    const std::vector<std::string> above = {"0.01", "0.03"};
    EXPECT_EQ(TextsAt(p, 50 - 27), above);
    EXPECT_EQ(TextsAt(p, 50 - 32), std::vector<std::string>{"-0.01"});
    const DrawStep* title = p.FindText("Skelettlinie");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->x1, 50 + 190 - 40);
    EXPECT_EQ(title->y1, 15);
    ASSERT_NE(p.FindText("z"), nullptr);
    EXPECT_EQ(p.FindText("z")->y1, 140 - 100 - 33);
    EXPECT_EQ(p.FindText("cp"), nullptr);

    RecordingPainter cp;
    DrawPlotFrame(cp, kSupersonicPressurePlot, "cp Verlauf", true);
    EXPECT_EQ(TextsAt(cp, 50 - 32), (std::vector<std::string>{"-0.10", "-0.30"}));
    EXPECT_EQ(TextsAt(cp, 50 - 27), (std::vector<std::string>{"0.10", "0.30"}));
    ASSERT_NE(cp.FindText("cp (Stoß/Exp.)"), nullptr);
    const auto green = cp.LinesIn(luvo::PlotPen{kSupersonicGreen, 2, luvo::PlotPenStyle::Solid});
    ASSERT_EQ(green.size(), 1u);
    EXPECT_EQ(green[0].x1, 330);
    EXPECT_EQ(green[0].y1, 177);
}

TEST(SupersonicPlotFrame, ResultFrameHasTwoAxesTenTicksAndItsLegend) {
    RecordingPainter p;
    DrawResultFrame(p, kSupersonicResultPlot, 0.02, -0.1, 2, "Profil / cp Verlauf");
    const int xr = 50 + 380;
    EXPECT_EQ(TextsAt(p, xr + 5), (std::vector<std::string>{"-0.10", "-0.30"}));
    EXPECT_EQ(TextsAt(p, xr + 10), (std::vector<std::string>{"0.10", "0.30"}));
    EXPECT_EQ(TextsAt(p, 50 - 27), (std::vector<std::string>{"0.02", "0.06"}));
    EXPECT_EQ(TextsAt(p, 50 - 32), (std::vector<std::string>{"-0.02", "-0.06"}));
    EXPECT_NE(p.FindText("0.5"), nullptr);
    EXPECT_EQ(p.FindText("1.0"), nullptr);
    int xTicks = 0;
    for (const DrawStep& s : p.Of(DrawStep::Line)) {
        if (s.x1 == s.x2 && s.y1 == 103 && s.y2 == 97) ++xTicks;
    }
    EXPECT_EQ(xTicks, 10);
    EXPECT_EQ(
        p.LinesIn(luvo::PlotPen{luvo::PlotColour::Red(), 2, luvo::PlotPenStyle::Solid}).size(), 1u);
    ASSERT_NE(p.FindText("Profil"), nullptr);
    EXPECT_EQ(p.FindText("Profil")->x1, 100);
}

TEST(SupersonicPlotCurve, SortsSupportPointsAndClosesMirrors) {
    SupersonicProfile profile(true);
    profile.part2.supportCount = 3;
    const std::vector<SupersonicPoint> pts = {{0.6, 0.02}, {0.2, 0.02}, {0.4, 0.04}};
    RecordingPainter p;
    DrawCurve(p, profile, 3, pts, 50, 100, 38, 20, 0.1, 0.02, true, true);
    const auto lines = p.Of(DrawStep::Line);
    ASSERT_EQ(lines.size(), 8u);  // (0,0), three points, (1,0); twice
    EXPECT_EQ(lines[0].x1, 50);
    EXPECT_EQ(lines[0].x2, 50 + 76);   // x = 0.2 first
    EXPECT_EQ(lines[1].x2, 50 + 152);  // then 0.4
    EXPECT_EQ(lines[1].y2, 60);
    EXPECT_EQ(lines[3].x2, 430);
    EXPECT_EQ(lines[5].y2, 140);  // the mirror image
    // A count that is no support count keeps the given order.
    RecordingPainter q;
    DrawCurve(q, profile, 2, pts, 50, 100, 38, 20, 0.1, 0.02, false, false);
    ASSERT_EQ(q.Of(DrawStep::Line).size(), 1u);
    EXPECT_EQ(q.Of(DrawStep::Line)[0].x1, 50 + 228);
}

TEST(SupersonicPlotCurve, PointsBeyondThePixelRangeAreLeftOut) {
    SupersonicProfile profile(true);
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<SupersonicPoint> pts = {
        {0.1, 0.0}, {0.2, 1e300}, {0.3, inf}, {0.4, 0.0}, {0.5, 0.0}};
    RecordingPainter p;
    DrawCurve(p, profile, 5, pts, 50, 100, 38, 20, 0.1, 0.02, false, false);
    ASSERT_EQ(p.Of(DrawStep::Line).size(), 1u);
    EXPECT_EQ(p.Of(DrawStep::Line)[0].x1, 50 + 152);
}

TEST(SupersonicPlotArrow, HeadIsHorizontalAtThreeDegrees) {
    RecordingPainter p;
    DrawFlowArrow(p, 50, 140, 3.0);
    const auto lines = p.LinesIn(luvo::PlotPen{kSupersonicBlue, 1, luvo::PlotPenStyle::Solid});
    ASSERT_EQ(lines.size(), 3u);
    // Shaft 25 pixels long ending at T = (45, 140).
    EXPECT_EQ(lines[0].x2, 45);
    EXPECT_EQ(lines[0].y2, 140);
    EXPECT_NEAR(std::hypot(lines[0].x2 - lines[0].x1, lines[0].y2 - lines[0].y1), 25, 1.5);
    EXPECT_EQ(lines[1].x1, 35);
    EXPECT_EQ(lines[1].y1, 140);
}

TEST(SupersonicPlotCanvases, CanvasesDrawWhatTheirOptionsAsk) {
    SupersonicProfile profile = SupersonicStartProfile(
        SupersonicWindow::Parts, SupersonicDefaultSettings(SupersonicWindow::Parts));
    SupersonicPressureOptions none;
    for (bool& b : none.show) b = false;
    RecordingPainter frameOnly;
    PaintResultCanvas(frameOnly, profile, false, none);
    RecordingPainter all;
    SupersonicPressureOptions every;
    for (bool& b : every.show) b = true;
    PaintResultCanvas(all, profile, true, every);
    const size_t curve = 190;
    EXPECT_EQ(all.Of(DrawStep::Line).size(), frameOnly.Of(DrawStep::Line).size() + 8 * curve);
    EXPECT_EQ(all.LinesIn(luvo::PlotPen{kSupersonicGreen, 1, luvo::PlotPenStyle::Dot}).size(),
              curve);
    EXPECT_EQ(all.LinesIn(luvo::PlotPen{kSupersonicBlue, 1, luvo::PlotPenStyle::ShortDash}).size(),
              curve);

    // Marks: one support point on the camber canvas; none in coefficient mode; none for a
    // contour read from a file.
    RecordingPainter camber;
    PaintCamberCanvas(camber, profile, 3.0);
    ASSERT_EQ(camber.Of(DrawStep::Rect).size(), 1u);
    EXPECT_EQ(camber.Of(DrawStep::Rect)[0].x1, 50 - 2 + 190);
    EXPECT_EQ(camber.Of(DrawStep::Rect)[0].y1, 140 - 2 - 50);
    profile.part1.coefficientMode = true;
    RecordingPainter coefficients;
    PaintCamberCanvas(coefficients, profile, 3.0);
    EXPECT_TRUE(coefficients.Of(DrawStep::Rect).empty());

    SupersonicContour contour;
    contour.upper = {{0, 0}, {0.5, 0.05}, {1, 0}};
    contour.lower = {{0, 0}, {0.5, -0.05}, {1, 0}};
    SupersonicProfile file = SupersonicStartProfile(
        SupersonicWindow::Contour, SupersonicDefaultSettings(SupersonicWindow::Contour), &contour);
    RecordingPainter drawn;
    PaintContourCanvas(drawn, file, 4.0);
    EXPECT_TRUE(drawn.Of(DrawStep::Rect).empty());
    EXPECT_EQ(drawn.LinesIn(luvo::PlotPen::StockRed()).size(), 4u);
}

TEST(SupersonicPlotPick, FirstSlotWithinTheToleranceIncludingItsBounds) {
    SupersonicCurve curve(6, 191, true, false);
    curve.supportCount = 3;
    curve.supportPoints[0] = {0.5, 0.02};
    curve.supportPoints[1] = {0.52, 0.02};
    curve.supportPoints[2] = {0.2, 0.0};
    EXPECT_EQ(PickSupportPoint(curve, 0.51, 0.02, 0.025, 0.005), 0);
    EXPECT_EQ(PickSupportPoint(curve, 0.54, 0.02, 0.025, 0.005), 1);
    EXPECT_EQ(PickSupportPoint(curve, 0.2 + 0.025, 0.0 + 0.005, 0.025, 0.005), 2);
    EXPECT_EQ(PickSupportPoint(curve, 0.2 + 0.026, 0.0, 0.025, 0.005), -1);
    curve.supportCount = 2;
    EXPECT_EQ(PickSupportPoint(curve, 0.2, 0.0, 0.025, 0.005), -1);
}

}  // namespace
