// The plots of the lifting-line method, checked step by step: handle positions, labels of the
// scaled twist plot, and plots whose scale is 0 or not finite. The circulation-lift curves are
// tested with the extended lifting line's in tests/common/core/WingCirculationLiftPlot_test.cpp.

#include "llt/core/LltPlotPaint.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "tests/support/RecordingPainter.h"

namespace {

using luvo::PlotPen;
using luvo::test::DrawStep;
using luvo::test::RecordingPainter;

std::vector<std::tuple<int, int>> Corners(const std::vector<DrawStep>& rects) {
    std::vector<std::tuple<int, int>> out;
    for (const DrawStep& r : rects) {
        EXPECT_EQ(r.x2, 4);
        EXPECT_EQ(r.y2, 4);
        out.emplace_back(r.x1, r.y1);
    }
    return out;
}

void ExpectText(const RecordingPainter& p, const std::string& text, int x, int y) {
    const DrawStep* s = p.FindText(text);
    ASSERT_NE(s, nullptr) << "no text \"" << text << "\"";
    EXPECT_EQ(s->x1, x) << text;
    EXPECT_EQ(s->y1, y) << text;
}

// Every coordinate that reached the painter lies near the canvas.
void ExpectNearTheCanvas(const RecordingPainter& p) {
    for (const DrawStep& s : p.steps) {
        for (int v : {s.x1, s.y1, s.x2, s.y2}) EXPECT_LT(std::abs(v), 1000);
    }
}

// Every text drawn, with its top-left corner, sorted.
using PlacedText = std::tuple<std::string, int, int>;
std::vector<PlacedText> Texts(const RecordingPainter& p) {
    std::vector<PlacedText> out;
    for (const DrawStep& s : p.Of(DrawStep::Text)) out.emplace_back(s.text, s.x1, s.y1);
    std::sort(out.begin(), out.end());
    return out;
}
std::vector<PlacedText> Sorted(std::vector<PlacedText> texts) {
    std::sort(texts.begin(), texts.end());
    return texts;
}

// The lines drawn with this pen, as (x1, y1, x2, y2), sorted or in drawing order.
using Segment = std::tuple<int, int, int, int>;
std::vector<Segment> Segments(const RecordingPainter& p, const PlotPen& pen, bool sorted = true) {
    std::vector<Segment> out;
    for (const DrawStep& s : p.LinesIn(pen)) out.emplace_back(s.x1, s.y1, s.x2, s.y2);
    if (sorted) std::sort(out.begin(), out.end());
    return out;
}

TEST(LltPlotPaint, ChordHandlesOfTheDefaultSegments) {
    // Span 8 (h = 4): a chord c lies 150 c / 4 pixels below the axis.
    RecordingPainter p;
    PaintChordHandles(p, 8, 50, 25, 25, 2.00, 1.70, 1.30, 0.6);
    using C = std::tuple<int, int>;
    // 63.75 - 2, 48.75 - 2 and 22.5 - 2, truncated; the three are drawn once more after the labels.
    const std::vector<C> once = {C{98, 61}, C{148, 46}, C{198, 20}};
    std::vector<C> expected = once;
    expected.insert(expected.end(), once.begin(), once.end());
    EXPECT_EQ(Corners(p.Of(DrawStep::Rect)), expected);
    for (const DrawStep& s : p.steps) EXPECT_EQ(s.pen, PlotPen::Grey());
    ExpectText(p, " A ", 8, 78);  // beside the chord axis's arrow head
    ExpectText(p, " B ", 98, 66);
    ExpectText(p, " C ", 148, 51);
    ExpectText(p, " D ", 198, 25);
}

TEST(LltPlotPaint, TwistHandlesOfTheDefaultSegments) {
    // 20 pixels per degree relative to the root, upwards; D always at the tip. The angle at C
    // is formed as (5 + -0.8) - 5 = -0.7999999999999998, so its handle truncates to 13, not 14.
    RecordingPainter p;
    p.measure = RecordingPainter::NoRoom;  // the places the plot gives
    PaintTwistHandles(p, 10, 5.0, -0.5, -0.8, -1.5, 50, 25, 25);
    using C = std::tuple<int, int>;
    const std::vector<C> expected = {C{98, 8}, C{148, 13}, C{198, 28}, C{-2, -2},
                                     C{98, 8}, C{148, 13}, C{198, 28}};
    EXPECT_EQ(Corners(p.Of(DrawStep::Rect)), expected);
    for (const DrawStep& s : p.steps) EXPECT_EQ(s.pen, PlotPen::Blue());
    ExpectText(p, " A ", 5, -15);
    ExpectText(p, " B ", 98, -5);
    ExpectText(p, " C ", 148, 0);
    ExpectText(p, " D ", 190, 15);
}

// A chord or angle beyond the rows where the handles move (chords 0 to 90 pixels below the
// axis, angles 3 to -2 degrees) has its mark at the edge of those rows, on the canvas, where a
// press picks it: span 8, chords of 50 m and angles of 20 and -3.5 degrees.
TEST(LltPlotPaint, HandlesBeyondTheirRowsAreDrawnAtTheEdge) {
    using C = std::tuple<int, int>;
    RecordingPainter chord;
    PaintChordHandles(chord, 8, 50, 25, 25, 2.0, 50, 1.3, 50);
    const std::vector<C> chordMarks = Corners(chord.Of(DrawStep::Rect));
    ASSERT_GE(chordMarks.size(), 3u);
    EXPECT_EQ(chordMarks[0], C(98, 88));   // B at row 90
    EXPECT_EQ(chordMarks[1], C(148, 46));  // C as it is
    EXPECT_EQ(chordMarks[2], C(198, 88));  // D at row 90
    RecordingPainter twist;
    twist.measure = RecordingPainter::NoRoom;
    PaintTwistHandles(twist, 8, 5.0, 20, -0.5, -3.5, 50, 25, 25);
    const std::vector<C> twistMarks = Corners(twist.Of(DrawStep::Rect));
    ASSERT_GE(twistMarks.size(), 3u);
    EXPECT_EQ(twistMarks[0], C(98, -62));  // B at row -60 (3 degrees)
    EXPECT_EQ(twistMarks[1], C(148, 8));   // C as it is
    EXPECT_EQ(twistMarks[2], C(198, 38));  // D at row 40 (-2 degrees)
}

TEST(LltPlotPaint, CoincidingSectionsKeepTheirLabelsApart) {
    // BC of length 0: B and C share x = 100; " B " moves 20 pixels left, " C " 10 right.
    RecordingPainter chord;
    PaintChordHandles(chord, 10, 50, 0, 50, 2, 1.5, 1.5, 1);
    ExpectText(chord, " B ", 80, 48);  // 150 * 1.5 / 5 + 3
    ExpectText(chord, " C ", 110, 48);
    ExpectText(chord, " D ", 198, 33);
    RecordingPainter twist;
    twist.measure = RecordingPainter::NoRoom;  // the places the plot gives
    PaintTwistHandles(twist, 10, 2, 1, 1, 0, 50, 0, 50);
    ExpectText(twist, " B ", 80, -35);  // -2 - 20 - 13
    ExpectText(twist, " C ", 110, -35);
    ExpectText(twist, " D ", 190, -15);

    // AB over the whole half span: B closes the planform at the tip.
    RecordingPainter tip;
    PaintChordHandles(tip, 10, 100, 0, 0, 2, 1, 1, 1);
    EXPECT_EQ(tip.FindText(" C "), nullptr);
    ExpectText(tip, " B ", 198, 33);
    const std::vector<DrawStep> lines = tip.Of(DrawStep::Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(std::make_tuple(lines[0].x1, lines[0].y1, lines[0].x2, lines[0].y2),
              std::make_tuple(200, -10, 200, 30));
}

TEST(LltPlotPaint, ChordPlotLayoutsOfTheTwoWindows) {
    LltSolver s;
    s.SetStations(8);
    s.SetTrapezoidChord(8, 50, 25, 25, 2.00, 1.70, 1.30, 0.6);
    RecordingPainter analysis;
    PaintChordPlot(analysis, s, LltChordPlotLayout::Analysis);
    const DrawStep& origin = analysis.steps.front();
    EXPECT_EQ(origin.kind, DrawStep::Origin);
    EXPECT_EQ(std::make_tuple(origin.x1, origin.y1), std::make_tuple(45, 55));
    ExpectText(analysis, "Profiltiefe [m]", -30, -55);
    // The tip chord closes the outline at x = 200: -50 * 0.6 / 4 and 150 * 0.6 / 4.
    const std::vector<DrawStep> grey = analysis.LinesIn(PlotPen::Grey());
    ASSERT_EQ(grey.size(), 101u);
    EXPECT_EQ(std::make_tuple(grey[0].x1, grey[0].y1, grey[0].x2, grey[0].y2),
              std::make_tuple(200, -7, 200, 22));
    // The root chord ends the trailing edge: 150 * 2 / 4 at x = 0.
    EXPECT_EQ(std::make_tuple(grey.back().x2, grey.back().y2), std::make_tuple(0, 75));
    ExpectText(analysis, "-0.50", -28, -32);  // -0.25 c_A above the axis, at -s_50 - 7
    ExpectText(analysis, "1.50", -32, 68);    // 0.75 c_A at s_150 - 7

    RecordingPainter twistDesign;
    PaintChordPlot(twistDesign, s, LltChordPlotLayout::TwistDesign);
    EXPECT_EQ(std::make_tuple(twistDesign.steps.front().x1, twistDesign.steps.front().y1),
              std::make_tuple(50, 75));
    ExpectText(twistDesign, "Profiltiefe [m]", -30, -60);
}

// A record whose twist runs linearly from `tip` at station 0 to `root` at station 51.
LltSolver TwistRecord(double tip, double root) {
    LltSolver s;
    s.SetStations(8);
    for (int i = 0; i <= 51; ++i) s.twistDeg[i] = tip + (root - tip) * i / 51.0;
    s.twistMax = std::max(tip, root);
    s.twistMin = std::min(tip, root);
    return s;
}

TEST(LltPlotPaint, ScaledTwistResultLabelsFollowTheRootsHeight) {
    struct Case {
        double tip, root;
        int y0;
        size_t up, down;
    };
    // The range is 6 degrees: labels in steps of 1.0, 20 pixels apart.
    const Case cases[] = {{7, 1, 60, 6, 0}, {1, 7, -60, 0, 6}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.y0);
        const LltSolver s = TwistRecord(c.tip, c.root);
        RecordingPainter p;
        PaintTwistResultPlot(p, s, 0.0);
        const std::vector<DrawStep> up = p.TextsAtX(-27);
        const std::vector<DrawStep> down = p.TextsAtX(-30);
        ASSERT_EQ(up.size(), c.up);
        ASSERT_EQ(down.size(), c.down + 1);  // the caption "alfa" also stands at x = -30
        for (size_t k = 1; k <= up.size(); ++k) {
            EXPECT_EQ(up[k - 1].y1, c.y0 - 20 * static_cast<int>(k) - 7);
            EXPECT_EQ(up[k - 1].text, std::to_string(k) + ".0");
        }
        for (size_t k = 1; k <= c.down; ++k) {
            EXPECT_EQ(down[k].y1, c.y0 + 20 * static_cast<int>(k) - 7);
            EXPECT_EQ(down[k].text, "-" + std::to_string(k) + ".0");
        }
        ExpectText(p, "0", -16, c.y0 - 7);
        // The span labels ride on the root's axis.
        ASSERT_EQ(p.TextsAtX(180).size(), 1u);
        EXPECT_EQ(p.TextsAtX(180)[0].y1, c.y0 + 4);
        EXPECT_EQ(p.TextsAtX(180)[0].text, "4.0");
    }

    // The root in the middle of the range: three labels each way.
    LltSolver middle = TwistRecord(4, 4);
    middle.twistDeg[0] = 7;
    middle.twistDeg[1] = 1;
    middle.twistMax = 7;
    middle.twistMin = 1;
    RecordingPainter p;
    PaintTwistResultPlot(p, middle, 0.0);
    EXPECT_EQ(p.TextsAtX(-27).size(), 3u);
    EXPECT_EQ(p.TextsAtX(-30).size(), 3u + 1u);
    // The right axis runs from twistMax at the top to twistMin at the bottom.
    const std::vector<DrawStep> right = p.TextsAtX(208);
    ASSERT_EQ(right.size(), 7u);
    EXPECT_EQ(right.front().text, "7.0");
    EXPECT_EQ(right.back().text, "1.0");
    EXPECT_EQ(right.back().y1, 53);
}

TEST(LltPlotPaint, UnscaledTwistResultIsRelativeToTheRoot) {
    const LltSolver s = TwistRecord(1, 2.5);
    RecordingPainter p;
    PaintTwistResultPlot(p, s, 1.0);
    const std::vector<DrawStep> right = p.TextsAtX(208);
    ASSERT_EQ(right.size(), 7u);
    EXPECT_EQ(right.front().text, "5.5");  // root + 3
    EXPECT_EQ(right.back().text, "-0.5");  // root - 3
    const std::vector<DrawStep> red = p.LinesIn(PlotPen::Red());
    ASSERT_EQ(red.size(), 51u);
    // The tip lies 1.5 degrees below the root: 30 pixels down at x = 200.
    EXPECT_EQ(std::make_tuple(red.front().x1, red.front().y1), std::make_tuple(200, 30));
    EXPECT_EQ(std::make_tuple(red.back().x2, red.back().y2), std::make_tuple(0, 0));
}

TEST(LltPlotPaint, EllipticCirculationReachesSixtyPixelsAtTheRoot) {
    for (double mode : {1.0, 0.0}) {
        SCOPED_TRACE(mode);
        LltSolver s;
        s.SetStations(10);
        // gamma / A = sin(theta) in both modes: A is a1 or a1FromCl.
        const double a = mode == 1.0 ? 1.0 : 0.25;
        (mode == 1.0 ? s.a1 : s.a1FromCl) = a;
        for (int i = 0; i <= 51; ++i) s.seriesGamma[i] = a * std::sin(s.theta[i]);
        RecordingPainter p;
        PaintCirculationPlot(p, s, mode);
        PaintCirculationHandles(p, s, mode);
        const std::vector<DrawStep> red = p.LinesIn(PlotPen::Red());
        ASSERT_EQ(red.size(), 50u);
        for (const DrawStep& l : red) {
            EXPECT_GE(l.y1, -60);
            EXPECT_LE(l.y1, 0);
        }
        EXPECT_EQ(std::make_tuple(red.back().x2, red.back().y2), std::make_tuple(0, -60));
        const std::vector<DrawStep> handles = p.Of(DrawStep::Rect);
        ASSERT_EQ(handles.size(), 3u);
        EXPECT_EQ(std::make_tuple(handles[0].x1, handles[0].y1), std::make_tuple(-2, -62));
        EXPECT_EQ(handles[1].x1, 59);
        EXPECT_EQ(handles[2].x1, 119);
    }
}

TEST(LltPlotPaint, TwistPlotShowsRelativeAnglesLeftAndAbsoluteAnglesRight) {
    // Angles that are exact in binary, so that every pixel follows from the formulas exactly:
    // 20 pixels per degree relative to the root, upwards; the half span 200 pixels wide.
    struct Case {
        double span;
        double alphaA, dB, dC, dD;  // root angle, angles relative to it
        double s1, s2, s3;
        std::vector<std::string> right;  // "%2.1f" of alphaA + 3 .. alphaA - 2, top to bottom
        std::string quarter, half;       // "%2.1f" of b / 4 and b / 2
        std::vector<Segment> blue;       // root -> B -> C -> tip
    };
    const std::vector<Segment> fallingToTheTip = {
        {0, 0, 100, 10}, {100, 10, 150, 15}, {150, 15, 200, 30}};
    const std::vector<Segment> risingToTheTip = {
        {0, 0, 50, -20}, {50, -20, 150, -10}, {150, -10, 200, -40}};
    // clang-format off
    const Case cases[] = {
        {8, 5.0, -0.5, -0.75, -1.5, 50, 25, 25,
         {"8.0", "7.0", "6.0", "5.0", "4.0", "3.0"}, "2.0", "4.0", fallingToTheTip},
        // A negative root angle and a wing twisted upwards towards the tip.
        {10, -1.5, 1.0, 0.5, 2.0, 25, 50, 25,
         {"1.5", "0.5", "-0.5", "-1.5", "-2.5", "-3.5"}, "2.5", "5.0", risingToTheTip},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.alphaA);
        LltSolver s;
        s.SetStations(c.span);
        s.SetTrapezoidTwist(c.span, c.alphaA, c.dB, c.dC, c.dD, c.s1, c.s2, c.s3);
        RecordingPainter p;
        p.measure = RecordingPainter::NoRoom;  // the places the plot gives
        PaintTwistPlot(p, s);

        const DrawStep& origin = p.steps.front();
        EXPECT_EQ(origin.kind, DrawStep::Origin);
        EXPECT_EQ(std::make_tuple(origin.x1, origin.y1), std::make_tuple(45, 90));
        EXPECT_GE(p.smallFontSelections, 1);

        std::vector<PlacedText> expected = {
            {c.quarter, 93, 4},
            {c.half, 180, 4},
            {"alfa", -30, -84},
            {"rel              g_y          g_y=0", -12, -81},
            {"[°] = alfa       - alfa", 2, -84},
            {"alfa", 188, -84},
            {"g", 206, -81},
            {"[°]", 213, -86},
            // The left axis: only angles relative to the root, the same for every wing.
            {"3.0", -21, -67},
            {"2.0", -21, -47},
            {"1.0", -21, -27},
            {"0.0", -21, -7},
            {"-1.0", -25, 13},
            {"-2.0", -25, 33},
        };
        for (int k = 0; k < 6; ++k) expected.emplace_back(c.right[k], 208, -67 + 20 * k);
        EXPECT_EQ(Texts(p), Sorted(expected));

        // Both vertical axes with their arrows at the top, the span axis without one, the ticks.
        std::vector<Segment> axes = {
            {0, -70, 0, 45},      {0, -70, -5, -65},    {0, -70, 5, -65}, {200, -70, 200, 45},
            {200, -70, 195, -65}, {200, -70, 205, -65}, {-3, 0, 200, 0}};
        for (int h = -60; h <= 20; h += 20) axes.emplace_back(-3, h, 3, h);
        for (int h = -60; h <= 40; h += 20) axes.emplace_back(197, h, 203, h);
        for (int x = 50; x <= 200; x += 50) axes.emplace_back(x, -3, x, 3);
        std::sort(axes.begin(), axes.end());
        EXPECT_EQ(Segments(p, PlotPen::Axis()), axes);

        EXPECT_EQ(Segments(p, PlotPen::Blue(), false), c.blue);
        // The curve clipped to the labelled angles, 3.0 down to -2.0.
        const std::vector<DrawStep> clips = p.Of(DrawStep::Clip);
        ASSERT_EQ(clips.size(), 1u);
        EXPECT_EQ(std::make_tuple(clips[0].x1, clips[0].y1, clips[0].x2, clips[0].y2),
                  std::make_tuple(0, -60, 201, 101));
        EXPECT_EQ(p.Of(DrawStep::Unclip).size(), 1u);
        EXPECT_EQ(p.steps.size(), 1 + expected.size() + axes.size() + c.blue.size() + 2);
    }
}

TEST(LltPlotPaint, ChordResultInBothScalings) {
    // b = 12.8 (h = 6.4) and the largest chord m = 3.2: m / h = 1/2 exactly. An elliptic chord
    // m sin(theta): station 0 is the tip (x = 200, chord 0), station 51 the root (chord m).
    const double b = 12.8;
    const double m = 3.2;
    LltSolver s;
    s.SetStations(b);
    for (int i = 0; i <= 51; ++i) s.chord[i] = m * std::sin(s.theta[i]);
    s.chordMax = m;

    struct Case {
        double scaling;
        std::vector<PlacedText> labels;  // of the chord axis
        std::vector<int> ticks;          // heights of its ticks
        double rootHeight;               // pixels above the axis for the chord m
        int captionY;                    // "Profiltiefe [m]"
    };
    const Case cases[] = {
        // Not to scale: the largest chord 80 pixels high, labels "%2.1f" 20 pixels apart.
        {1.0,
         {{"3.2", -21, -87}, {"2.4", -21, -67}, {"1.6", -21, -47}, {"0.8", -21, -27}},
         {-80, -60, -40, -20},
         80,
         -105},
        // True scale: a chord c is 200 c / h pixels high, as the span; l = m / h = 0.5, so the
        // labels "%2.2f" stand at -200 l - 7 = -107, -150 l - 7, -100 l - 7 and -50 l - 7. The
        // top label's row would run into the caption's at -105: the caption stands above it.
        {0.0,
         {{"3.20", -28, -107}, {"2.40", -28, -82}, {"1.60", -28, -57}, {"0.80", -28, -32}},
         {-100, -75, -50, -25},
         100,
         -120},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scaling);
        RecordingPainter p;
        PaintChordResultPlot(p, s, c.scaling);
        EXPECT_EQ(std::make_tuple(p.steps.front().x1, p.steps.front().y1),
                  std::make_tuple(45, 130));

        std::vector<PlacedText> expected = {{"3.2", 93, 4},
                                            {"6.4", 193, 4},
                                            {"y", 215, 4},
                                            {"Profiltiefe [m]", -30, c.captionY},
                                            {"0", -16, -7}};
        expected.insert(expected.end(), c.labels.begin(), c.labels.end());
        EXPECT_EQ(Texts(p), Sorted(expected));

        std::vector<Segment> ticks;
        for (int h : c.ticks) ticks.emplace_back(-3, h, 3, h);
        std::sort(ticks.begin(), ticks.end());
        std::vector<Segment> leftTicks;
        for (const Segment& l : Segments(p, PlotPen::Axis())) {
            if (std::get<0>(l) == -3 && std::get<2>(l) == 3) leftTicks.push_back(l);
        }
        EXPECT_EQ(leftTicks, ticks);

        // The grey curve from the tip to the root, upwards: station i at x = 200 cos(theta_i)
        // and c.rootHeight sin(theta_i) above the axis, within the pixel of truncation.
        const std::vector<Segment> grey = Segments(p, PlotPen::Grey(), false);
        ASSERT_EQ(grey.size(), 51u);
        for (int i = 0; i <= 50; ++i) {
            for (int end = 0; end < 2; ++end) {
                const double theta = (i + end) * LltPi / 102.0;
                const int x = end == 0 ? std::get<0>(grey[i]) : std::get<2>(grey[i]);
                const int y = end == 0 ? std::get<1>(grey[i]) : std::get<3>(grey[i]);
                EXPECT_NEAR(x, 200.0 * std::cos(theta), 1.0) << i;
                EXPECT_NEAR(y, -c.rootHeight * std::sin(theta), 1.0) << i;
            }
        }
        EXPECT_EQ(std::make_tuple(std::get<0>(grey.front()), std::get<1>(grey.front())),
                  std::make_tuple(200, 0));
        EXPECT_EQ(std::make_tuple(std::get<2>(grey.back()), std::get<3>(grey.back())),
                  std::make_tuple(0, -static_cast<int>(c.rootHeight)));
    }
}

TEST(LltPlotPaint, ZeroOrInfiniteScalesDrawAxesAndLabelsButNoCurve) {
    LltSolver s;
    s.SetStations(8);  // no circulation, no chord: gammaMax, caMax, chordMax and a1 are 0

    // The circulation-lift plot's curves are tested with the other method's in
    // tests/common/core/WingCirculationLiftPlot_test.cpp; its gamma label reads 0.
    RecordingPainter lift;
    PaintCirculationLiftPlot(lift, s);
    // Only the two legend lines are drawn in colour.
    EXPECT_EQ(lift.LinesIn(PlotPen::Red()).size(), 1u);
    EXPECT_EQ(lift.LinesIn(PlotPen::Green()).size(), 1u);
    EXPECT_GT(lift.LinesIn(PlotPen::Axis()).size(), 10u);
    // The gamma labels end 3 pixels before the ticks (6 pixels a character here).
    ExpectText(lift, "0.000", -36, -87);

    RecordingPainter circulation;
    PaintCirculationPlot(circulation, s, 1.0);
    PaintCirculationHandles(circulation, s, 1.0);
    EXPECT_TRUE(circulation.LinesIn(PlotPen::Red()).empty());
    EXPECT_TRUE(circulation.Of(DrawStep::Rect).empty());
    ExpectText(circulation, "gamma/a  [-]", -30, -85);

    RecordingPainter chord;
    PaintChordResultPlot(chord, s, 1.0);
    EXPECT_TRUE(chord.LinesIn(PlotPen::Grey()).empty());
    ExpectText(chord, "Profiltiefe [m]", -30, -105);

    // Equal twists everywhere: the scaled plot has no range.
    LltSolver flat = TwistRecord(0.5, 0.5);
    RecordingPainter twist;
    PaintTwistResultPlot(twist, flat, 0.0);
    EXPECT_TRUE(twist.LinesIn(PlotPen::Red()).empty());
    ExpectText(twist, "0", -16, -7);

    // An infinite chord at one station (a vanishing denominator of the chord design): in true
    // scale the two segments at that station are left out, the others drawn.
    LltSolver inf;
    inf.SetStations(8);
    for (int i = 0; i <= 51; ++i) inf.chord[i] = 1.0;
    inf.chord[10] = std::numeric_limits<double>::infinity();
    inf.chordMax = std::numeric_limits<double>::infinity();
    RecordingPainter trueScale;
    PaintChordResultPlot(trueScale, inf, 0.0);
    EXPECT_EQ(trueScale.LinesIn(PlotPen::Grey()).size(), 49u);
    ExpectText(trueScale, "0", -16, -7);
    RecordingPainter notToScale;
    PaintChordResultPlot(notToScale, inf, 1.0);
    EXPECT_TRUE(notToScale.LinesIn(PlotPen::Grey()).empty());

    for (const RecordingPainter* p :
         {&lift, &circulation, &chord, &twist, &trueScale, &notToScale}) {
        ExpectNearTheCanvas(*p);
    }
}

}  // namespace
