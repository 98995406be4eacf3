// The bar of the progress windows.

#include "common/core/ProgressBar.h"

#include <gtest/gtest.h>

#include "tests/support/RecordingPainter.h"

namespace {

using luvo::test::DrawStep;
using luvo::test::RecordingPainter;

TEST(ProgressBar, OutlineThenTheFilledPartInBlue) {
    const struct {
        int filled;
        size_t rectangles;
    } cases[] = {{0, 1}, {9, 2}, {104, 2}, {180, 2}};
    for (const auto& c : cases) {
        RecordingPainter p;
        luvo::DrawProgressBar(p, c.filled);
        const auto rects = p.Of(DrawStep::Rect);
        ASSERT_EQ(rects.size(), c.rectangles) << c.filled;
        EXPECT_EQ(p.smallFontSelections, 1);
        EXPECT_EQ(rects[0].x1, 5);
        EXPECT_EQ(rects[0].y1, 5);
        EXPECT_EQ(rects[0].x2, 180);
        EXPECT_EQ(rects[0].y2, 15);
        EXPECT_EQ(rects[0].pen, luvo::PlotPen::StockBlack());
        EXPECT_EQ(rects[0].brush, luvo::PlotBrush::Solid(luvo::PlotColour::White()));
        if (c.rectangles == 2) {
            EXPECT_EQ(rects[1].x1, 5);
            EXPECT_EQ(rects[1].x2, c.filled);
            EXPECT_EQ(rects[1].y2, 15);
            EXPECT_EQ(rects[1].brush, luvo::PlotBrush::Solid(luvo::PlotColour::Blue()));
        }
    }
}

}  // namespace
