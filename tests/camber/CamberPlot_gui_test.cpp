#include "CamberGuiHelpers.h"
#include "camber/CamberPlot.h"
#include "camber/CamberPlotGeometry.h"
#include "camber/CamberTheory.h"

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
