#include "camber/core/CamberPlotGeometry.h"
#include "camber/core/CamberTheory.h"
#include "camber/gui/CamberPlot.h"
#include "tests/camber/gui/CamberGuiHelpers.h"

namespace {

using namespace luvo::test;
using namespace camber_test;

class CamberPlotTest : public GuiTest {};

TEST_F(CamberPlotTest, FreeStreamArrowEndPoints) {
    struct Case {
        double deg;
        // reference line, shaft, the two head lines: (x0, y0, x1, y1)
        int lines[4][4];
        bool arc;
    };
    const Case cases[] = {
        {0.0,
         {{50, 160, 10, 160}, {50, 160, 10, 160}, {50, 160, 45, 155}, {50, 160, 45, 165}},
         false},
        {5.0,
         {{50, 160, 10, 160}, {50, 160, 11, 170}, {50, 160, 43, 156}, {50, 160, 46, 166}},
         true},
        {-15.0,
         {{50, 160, 10, 160}, {50, 160, 21, 131}, {50, 160, 50, 152}, {50, 160, 42, 160}},
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.deg);
        const SvgDrawing d =
            DrawToSvg([&](wxDC& dc) { DrawFreeStreamArrow(dc, c.deg * kCamberRadPerDeg); });
        ASSERT_EQ(d.lines.size(), 4u);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(d.lines[i].x0, c.lines[i][0]) << i;
            EXPECT_EQ(d.lines[i].y0, c.lines[i][1]) << i;
            EXPECT_EQ(d.lines[i].x1, c.lines[i][2]) << i;
            EXPECT_EQ(d.lines[i].y1, c.lines[i][3]) << i;
            EXPECT_EQ(d.lines[i].stroke, "#0000FF");
        }
        EXPECT_EQ(d.arcs, c.arc ? 1 : 0);
        ASSERT_EQ(d.texts.size(), 1u);
        EXPECT_EQ(d.texts[0].text, "U");
    }
}

TEST_F(CamberPlotTest, AxisFramesAndCurvesInTheirColours) {
    const SvgDrawing pressure = DrawToSvg([](wxDC& dc) { DrawPressureAxes(dc); });
    ASSERT_EQ(pressure.lines.size(), 22u);  // frame, ticks, and the bar of x/t
    EXPECT_EQ(pressure.lines[0].x0, 60);
    EXPECT_EQ(pressure.lines[0].y0, 60);
    EXPECT_EQ(pressure.lines[0].y1, 200);
    std::vector<std::string> texts;
    for (const SvgText& t : pressure.texts) texts.push_back(t.text);
    const std::vector<std::string> expected = {
        "0.5",  "1.0",  "-1.0",
        "-2.0", "+0.5", "c",
        "p",    "x",    "Druckverteilung auf Ober- und Unterseite"};
    EXPECT_EQ(texts, expected);

    const SvgDrawing camber = DrawToSvg([](wxDC& dc) {
        DrawCamberAxes(dc);
        DrawNacaCamberLine(dc, 0.02, 0.4);
        DrawBirnbaumCamberLine(dc, 0.1, 0.08, -0.014, 0.0873);
        DrawExactPressure(dc, 0.08, 0.08, 0.02, 0.4);
    });
    const CamberSegments naca = CamberNacaLineSegments(0.02, 0.4);
    const CamberSegments red = CamberBirnbaumLineSegments(0.1, 0.08, -0.014, 0.0873);
    const CamberSegments exact = CamberExactPressureSegments(0.08, 0.08, 0.02, 0.4);
    ASSERT_EQ(camber.lines.size(), 23 + naca.size() + red.size() + exact.size());
    EXPECT_EQ(camber.lines[23].stroke, "#808080");
    EXPECT_EQ(camber.lines[23 + naca.size()].stroke, "#FF0000");
    EXPECT_EQ(camber.lines.back().stroke, "#808080");
    std::vector<std::string> camberTexts;
    for (const SvgText& t : camber.texts) camberTexts.push_back(t.text);
    const std::vector<std::string> camberExpected = {"0.5",   "1.0", "0.04", "0.08",
                                                     "-0.02", "z",   "x",    "Skelettlinie"};
    EXPECT_EQ(camberTexts, camberExpected);
}

// Every line and label of both axis frames, at the places the plots are laid out with.
TEST_F(CamberPlotTest, AxisFramesLineByLine) {
    std::vector<std::vector<int>> frame = {
        {60, 60, 60, 200},    {57, 160, 280, 160},  {60, 60, 55, 65},  {60, 60, 65, 65},
        {280, 160, 275, 155}, {280, 160, 275, 165}, {57, 80, 63, 80},  {57, 100, 63, 100},
        {57, 120, 63, 120},   {57, 140, 63, 140},   {57, 180, 63, 180}};
    for (int x = 80; x <= 260; x += 20) frame.push_back({x, 157, x, 163});
    struct Label {
        const char* text;
        int x, y;  // top-left corner
    };
    struct Case {
        const char* what;
        void (*draw)(wxDC&);
        std::vector<std::vector<int>> bars;
        std::vector<Label> labels;
    };
    const Case cases[] = {
        {"pressure",
         DrawPressureAxes,
         {{292, 155, 297, 155}},
         {{"0.5", 153, 164},
          {"1.0", 253, 164},
          {"-1.0", 35, 113},
          {"-2.0", 35, 73},
          {"+0.5", 35, 173},
          {"c", 55, 38},
          {"p", 61, 41},
          {"x", 292, 153},
          {"Druckverteilung auf Ober- und Unterseite", 80, 15}}},
        {"camber",
         DrawCamberAxes,
         {{59, 44, 64, 44}, {292, 155, 297, 155}},
         {{"0.5", 153, 164},
          {"1.0", 253, 164},
          {"0.04", 35, 113},
          {"0.08", 35, 73},
          {"-0.02", 30, 173},
          {"z", 59, 42},
          {"x", 292, 153},
          {"Skelettlinie", 140, 15}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const SvgDrawing d = DrawToSvg([&](wxDC& dc) { c.draw(dc); });
        std::vector<std::vector<int>> lines;
        for (const SvgLine& l : d.lines) {
            lines.push_back({l.x0, l.y0, l.x1, l.y1});
            EXPECT_EQ(l.stroke, "#000000");
        }
        std::vector<std::vector<int>> expected = frame;
        expected.insert(expected.end(), c.bars.begin(), c.bars.end());
        EXPECT_EQ(lines, expected);
        ASSERT_EQ(d.texts.size(), c.labels.size());
        // The context writes a text at its baseline: one offset below the corner for all.
        const double baseline = d.texts[0].y - c.labels[0].y;
        for (size_t i = 0; i < c.labels.size(); ++i) {
            EXPECT_EQ(d.texts[i].text, c.labels[i].text);
            EXPECT_EQ(d.texts[i].x, c.labels[i].x) << c.labels[i].text;
            EXPECT_EQ(d.texts[i].y - c.labels[i].y, baseline) << c.labels[i].text;
        }
    }
}

TEST_F(CamberPlotTest, PixelsOfADrawingInABitmap) {
    // The shaft of the arrow at 0 degrees is blue, the red line of the plate lies on the chord.
    const wxImage image = RenderToImage(330, 260, [](wxDC& dc) {
        DrawCamberAxes(dc);
        DrawFreeStreamArrow(dc, 0.0);
        DrawBirnbaumCamberShifted(dc, 0.0, 0.0, 0.0, 0.0);
    });
    EXPECT_EQ(image.GetRed(30, 160), 0);
    EXPECT_EQ(image.GetBlue(30, 160), 255);
    EXPECT_GE(image.GetRed(150, 160), 240);  // over the black axis, with round line caps
    EXPECT_EQ(image.GetGreen(150, 160), 0);
    EXPECT_EQ(image.GetRed(150, 100), 255);  // white above the chord
    EXPECT_EQ(image.GetGreen(150, 100), 255);
}

}  // namespace
