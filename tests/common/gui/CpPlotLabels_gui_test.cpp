// The labels of the cp axis in the plots' small font: on the scaled axis they never lie on each
// other, however deep the suction peak makes the axis.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/core/CpPlot.h"
#include "tests/support/PlotTexts.h"

namespace {

using namespace luvo::test;

// One strip of two points whose lowest cp is `cpMin`.
luvo::CpPlotStrip Strip(double cpMin) {
    luvo::CpPlotStrip s;
    s.chordFraction = {0.25, 0.75};
    s.cp = {cpMin, 0.2};
    s.sidePoints = 2;
    return s;
}

// Steps of 1 to 60 pixels: from a gentle peak to one of cp -37 (39 steps 3 pixels apart) and
// beyond the 120 steps of the deepest axis. The top and zero-line labels stay; the bottom one
// only while it keeps clear of the zero line's. The zero line, low on a deep axis, runs through
// no text (the legend moves above it).
TEST(CpPlotLabels, ScaledAxisLabelsOnlyWhatFits) {
    const struct {
        double cpMin;
        const char* top;
        bool bottomLabelled;
    } cases[] = {{-0.5, "-1.00", true},   {-3.4, "-4.00", true},    {-7.5, "-8.00", true},
                 {-8.0, "-9.00", false},  {-10.5, "-11.00", false}, {-37.0, "-38.00", false},
                 {-1e9, "-119.00", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cpMin);
        RecordingPainter p = MeasuringPainter(wxSize(330, 200));
        luvo::DrawCpPlot(p, Strip(c.cpMin), Strip(0.0), true);
        EXPECT_EQ(CrowdedTexts(p, wxSize(330, 200)), std::vector<std::string>());
        EXPECT_EQ(TextsOnLines(p, luvo::PlotPen::StockBlack()), std::vector<std::string>());
        EXPECT_NE(p.FindText(c.top), nullptr);
        EXPECT_NE(p.FindText("0.00"), nullptr);
        EXPECT_EQ(p.FindText("1.00") != nullptr, c.bottomLabelled);
    }
}

}  // namespace
