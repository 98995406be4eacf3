#include "common/core/PlotPainter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>
#include <vector>

#include "tests/support/RecordingPainter.h"

namespace {

using luvo::PlotPixels;
using luvo::test::DrawStep;
using luvo::test::RecordingPainter;

using Segment = std::tuple<int, int, int, int>;
std::vector<Segment> Segments(const RecordingPainter& p) {
    std::vector<Segment> out;
    for (const DrawStep& s : p.Of(DrawStep::Line)) out.emplace_back(s.x1, s.y1, s.x2, s.y2);
    return out;
}

TEST(PlotPixels, TruncatesTowardZeroAndLeavesOutWhatCannotBeDrawn) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    RecordingPainter p;
    PlotPixels px(p, 32767);
    px.Line(-3.9, 2.9, 34.98, -0.5);
    px.Line(0, 0, nan, 1);
    px.Line(0, -inf, 1, 1);
    px.Line(0, 0, 32768, 1);
    px.Line(0, 0, -32767, 1);  // the limit itself is drawn
    px.Arc(80, 0, 0, -80, 0, 0);
    px.Arc(80, nan, 0, -80, 0, 0);
    px.EllipticArc(-120, -40.7, 240, 80.9, 0, 180);
    px.EllipticArc(-120, inf, 240, 80, 0, 180);
    px.EllipticArc(-120, 0, 240, 80, nan, 180);
    px.Text("a", 1e9, 0);
    px.Number("%1.2f", nan, 5.5, 6.5);
    px.Handle(-2.5, nan);
    px.Dot(79.9, -0.9, 4);

    const std::vector<Segment> lines = {{-3, 2, 34, 0}, {0, 0, -32767, 1}};
    EXPECT_EQ(Segments(p), lines);
    ASSERT_EQ(p.Of(DrawStep::Arc).size(), 1u);
    const std::vector<DrawStep> ell = p.Of(DrawStep::EllipticArc);
    ASSERT_EQ(ell.size(), 1u);
    EXPECT_EQ(std::make_tuple(ell[0].x1, ell[0].y1, ell[0].x2, ell[0].y2, ell[0].start, ell[0].end),
              std::make_tuple(-120, -40, 240, 80, 0.0, 180.0));
    const std::vector<DrawStep> texts = p.Of(DrawStep::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(std::make_tuple(texts[0].text, texts[0].x1, texts[0].y1),
              std::make_tuple(std::string("---"), 5, 6));
    EXPECT_TRUE(p.Of(DrawStep::Rect).empty());
    // A dot is centred on its truncated point.
    const std::vector<DrawStep> dots = p.Of(DrawStep::Ellipse);
    ASSERT_EQ(dots.size(), 1u);
    EXPECT_EQ(std::make_tuple(dots[0].x1, dots[0].y1, dots[0].x2, dots[0].y2),
              std::make_tuple(77, -2, 4, 4));
}

// An ellipse without a pixel of width or height is what the device cannot draw: left out.
TEST(PlotPixels, EllipsesWithoutExtentAreLeftOut) {
    RecordingPainter p;
    PlotPixels px(p, 32767);
    px.EllipticArc(-120, 0, 240, 0, 0, 180);
    px.EllipticArc(-120, 0, 240, 0.9, 0, 180);
    px.EllipticArc(-120, 0, 0.5, 80, 0, 180);
    px.EllipticArc(-120, 40, 240, -80, 0, 180);
    px.Dot(10, 10, 0);
    EXPECT_TRUE(p.steps.empty());
    px.EllipticArc(-120, 0, 240, 1, 0, 180);
    EXPECT_EQ(p.Of(DrawStep::EllipticArc).size(), 1u);
}

// The comparison curve of a span load: above the axis for positive lift, its mirror image
// below for negative lift, nothing where its peak is not a whole pixel off the axis.
TEST(PlotPixels, HalfEllipseAboveOrMirroredBelowTheAxis) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double peak;
        bool drawn;
        int top, height;
        double start, end;
    };
    const Case cases[] = {
        {57.3, true, -57, 114, 0, 180}, {-57.3, true, -57, 114, 180, 360},
        {1.0, true, -1, 2, 0, 180},     {-1.0, true, -1, 2, 180, 360},
        {0.99, false, 0, 0, 0, 0},      {-0.99, false, 0, 0, 0, 0},
        {0.0, false, 0, 0, 0, 0},       {-0.0, false, 0, 0, 0, 0},
        {1e-17, false, 0, 0, 0, 0},     {nan, false, 0, 0, 0, 0},
        {40000.0, false, 0, 0, 0, 0},  // beyond the limit
    };
    for (const Case& c : cases) {
        RecordingPainter p;
        PlotPixels(p, 32767).HalfEllipseOverAxis(-120, 240, c.peak);
        const std::vector<DrawStep> arcs = p.Of(DrawStep::EllipticArc);
        ASSERT_EQ(arcs.size(), c.drawn ? 1u : 0u) << c.peak;
        EXPECT_EQ(p.steps.size(), arcs.size()) << c.peak;
        if (!c.drawn) continue;
        EXPECT_EQ(std::make_tuple(arcs[0].x1, arcs[0].y1, arcs[0].x2, arcs[0].y2, arcs[0].start,
                                  arcs[0].end),
                  std::make_tuple(-120, c.top, 240, c.height, c.start, c.end))
            << c.peak;
    }
}

// Dashes are 2-pixel lines every 4 pixels between the first and the last pixel of the run.
TEST(PlotPixels, DashRunsInEitherDirection) {
    RecordingPainter right;
    PlotPixels(right, 32767).HorizontalDashes(-120, 122, -40.5);
    const std::vector<Segment> r = Segments(right);
    ASSERT_EQ(r.size(), 61u);
    EXPECT_EQ(r.front(), Segment(-120, -40, -118, -40));
    EXPECT_EQ(r.back(), Segment(120, -40, 122, -40));

    RecordingPainter up;
    PlotPixels(up, 32767).VerticalDashes(0, -40, -58);
    const std::vector<Segment> u = {
        {0, -40, 0, -42}, {0, -44, 0, -46}, {0, -48, 0, -50}, {0, -52, 0, -54}, {0, -56, 0, -58}};
    EXPECT_EQ(Segments(up), u);

    RecordingPainter down;
    PlotPixels(down, 32767).VerticalDashes(-140, -105, -79);
    const std::vector<Segment> d = Segments(down);
    ASSERT_EQ(d.size(), 7u);
    EXPECT_EQ(d.back(), Segment(-140, -81, -140, -79));

    RecordingPainter none;
    PlotPixels(none, 32767).HorizontalDashes(0, std::nan(""), 0);
    PlotPixels(none, 32767).VerticalDashes(0, 0, 1);  // too short for one dash
    EXPECT_TRUE(none.steps.empty());
}

TEST(PlotPixels, PensBrushesAndTextColourReachThePainterInOrder) {
    RecordingPainter p;
    PlotPixels px(p, 100);
    px.Pen(luvo::PlotPen::LightGrey());
    px.Brush(luvo::PlotBrush::Transparent());
    px.TextColour(luvo::PlotColour::Red());
    px.Text("x", 0, 0);
    px.Pen({luvo::PlotColour{10, 20, 30}, 2, luvo::PlotPenStyle::ShortDash});
    px.Line(0, 0, 1, 1);
    ASSERT_EQ(p.steps.size(), 2u);
    EXPECT_EQ(p.steps[0].pen, luvo::PlotPen::LightGrey());
    EXPECT_EQ(p.steps[0].brush, luvo::PlotBrush::Transparent());
    EXPECT_EQ(p.steps[0].textColour, luvo::PlotColour::Red());
    EXPECT_EQ(p.steps[1].pen,
              (luvo::PlotPen{luvo::PlotColour{10, 20, 30}, 2, luvo::PlotPenStyle::ShortDash}));
    EXPECT_NE(p.steps[1].pen, luvo::PlotPen::StockBlack());
}

}  // namespace
