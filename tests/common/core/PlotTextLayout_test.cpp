#include "common/core/PlotTextLayout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "tests/support/RecordingPainter.h"

namespace {

std::tuple<int, int, int, int> Of(const luvo::PlotRect& r) {
    return std::make_tuple(r.x, r.y, r.width, r.height);
}

// A 20 x 10 text preferred at (x, y) in the area (0, 0)-(99, 49), where a box (40, 20, 10, 10)
// and a vertical line at x = 70 are kept: it stays where it is free and otherwise moves by the
// fewest pixels to a free place inside the area, 2 pixels clear of things left and right of it.
TEST(PlotTextLayout, EachTextTakesTheFreePlaceNearestToItsOwn) {
    const struct {
        int x, y;
        int placedX, placedY;
    } cases[] = {
        {5, 5, 5, 5},      // free
        {35, 15, 35, 10},  // overlaps the box by 5 rows: up 5
        {45, 22, 45, 30},  // into the box: down 8 (7 to the right would touch the line)
        {60, 30, 48, 30},  // across the line: left of it (12 pixels) rather than right (13)
        {90, -3, 80, 0},   // beyond two edges: down 3, left 10
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        luvo::PlotTextLayout layout({0, 0, 100, 50});
        layout.Keep({40, 20, 10, 10});
        layout.KeepLine(70, 0, 70, 49);
        EXPECT_EQ(Of(layout.Place({20, 10}, c.x, c.y)),
                  std::make_tuple(c.placedX, c.placedY, 20, 10));
    }
}

// A placed text is kept: the next one moves around it. A text far outside the area goes to the
// free place nearest to where it enters the area; without any free place it stays there.
TEST(PlotTextLayout, PlacedTextsAreKeptAndAFullAreaLeavesTheTextInside) {
    luvo::PlotTextLayout layout({0, 0, 100, 50});
    EXPECT_EQ(Of(layout.Place({20, 10}, 10, 10)), std::make_tuple(10, 10, 20, 10));
    EXPECT_EQ(Of(layout.Place({20, 10}, 12, 12)), std::make_tuple(12, 20, 20, 10));
    layout.Keep({80, 0, 20, 15});
    EXPECT_EQ(Of(layout.Place({20, 10}, 90, -200)), std::make_tuple(80, 15, 20, 10));

    luvo::PlotTextLayout full({0, 0, 100, 50});
    full.Keep({0, 0, 100, 50});
    EXPECT_EQ(Of(full.Place({20, 10}, 95, 45)), std::make_tuple(80, 40, 20, 10));
}

// Drawn where the layout puts it; a place that is no number draws nothing.
TEST(PlotTextLayout, PlaceTextDrawsAtThePlaceFound) {
    luvo::test::RecordingPainter p;
    luvo::PlotPixels px(p, 1e6);
    luvo::PlotTextLayout layout({0, 0, 100, 50});
    layout.Keep({0, 0, 100, 10});
    luvo::PlaceText(px, layout, "ab", 3, 4);  // 12 x 13 in the estimate
    luvo::PlaceNumber(px, layout, "%.1f", 1.0, std::nan(""), 4);
    const auto texts = p.Of(luvo::test::DrawStep::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(std::make_tuple(texts[0].text, texts[0].x1, texts[0].y1),
              std::make_tuple(std::string("ab"), 3, 10));
}

}  // namespace
