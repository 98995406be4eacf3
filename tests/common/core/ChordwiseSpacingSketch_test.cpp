// The circle construction of the chordwise distribution preview.

#include "common/core/ChordwiseSpacingSketch.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/RecordingPainter.h"

namespace {

using luvo::test::DrawStep;
using luvo::test::RecordingPainter;

const double kPi = std::acos(-1.0);

// The lines of the construction in drawing order: chord, 12 rays, 12 feet, 200 profile lines.
struct Construction {
    DrawStep chord;
    std::vector<DrawStep> rays, feet;
    DrawStep arc;
};

Construction Record(int k) {
    RecordingPainter p;
    luvo::DrawChordwiseSpacingSketch(p, luvo::ChordwiseSpacingSketchFor(k));
    const auto lines = p.Of(DrawStep::Line);
    EXPECT_EQ(lines.size(), 1u + 12u + 12u + 200u);
    EXPECT_EQ(p.Of(DrawStep::Arc).size(), 1u);
    EXPECT_EQ(p.steps.front().kind, DrawStep::Origin);
    EXPECT_EQ(p.steps.front().x1, 20);
    EXPECT_EQ(p.steps.front().y1, 110);
    Construction c{lines[0],
                   {lines.begin() + 1, lines.begin() + 13},
                   {lines.begin() + 13, lines.begin() + 25},
                   p.Of(DrawStep::Arc)[0]};
    return c;
}

TEST(ChordwiseSpacingSketch, SliderAtHundredPutsTheCentreAtTheTrailingEdge) {
    const luvo::ChordwiseSpacingSketch c = luvo::ChordwiseSpacingSketchFor(100);
    EXPECT_DOUBLE_EQ(c.phi0, kPi / 2);
    EXPECT_DOUBLE_EQ(c.radius, 100.0);
    EXPECT_DOUBLE_EQ(c.deltaPhi, kPi / 24);
    const Construction d = Record(100);
    EXPECT_EQ(d.chord.x1, 0);
    EXPECT_EQ(d.chord.x2, 100);
    // The arc starts 100 pixels above the trailing edge and ends at the leading edge.
    EXPECT_EQ(d.arc.x1, 100);
    EXPECT_EQ(d.arc.y1, -100);
    EXPECT_EQ(d.arc.x2, 0);
    EXPECT_EQ(d.arc.y2, 0);
    EXPECT_EQ(d.arc.xc, 100);
    EXPECT_EQ(d.arc.yc, 0);
    // The first ray is vertical.
    EXPECT_EQ(d.rays[0].x1, 100);
    EXPECT_EQ(d.rays[0].x2, 100);
    EXPECT_EQ(d.rays[0].y2, -100);
}

TEST(ChordwiseSpacingSketch, RaysAndFeetFollowTheCircle) {
    for (int k : {1, 4, 37, 100}) {
        const double r = 50.0 + 0.5 * k;
        const double e = 50.0 - 0.5 * k;
        const double h = std::sqrt(r * r - e * e);
        EXPECT_NEAR(h, 10.0 * std::sqrt(k), 1e-9);
        const double phi0 = k == 100 ? kPi / 2 : std::atan(h / e);
        const Construction d = Record(k);
        EXPECT_EQ(d.arc.y1, static_cast<int>(-h)) << k;
        int previous = 101;
        for (int j = 0; j < 12; ++j) {
            const double phi = phi0 + j * (kPi - phi0) / 12;
            const int x = static_cast<int>(r + r * std::cos(phi));
            const int y = static_cast<int>(-r * std::sin(phi));
            EXPECT_EQ(d.rays[j].x1, static_cast<int>(r)) << k;
            EXPECT_EQ(d.rays[j].x2, x) << k << " " << j;
            EXPECT_EQ(d.rays[j].y2, y) << k << " " << j;
            // Each foot drops from the circle to the chord, moving towards the leading edge.
            EXPECT_EQ(d.feet[j].x1, x);
            EXPECT_EQ(d.feet[j].x2, x);
            EXPECT_EQ(d.feet[j].y1, y);
            EXPECT_EQ(d.feet[j].y2, 0);
            EXPECT_LT(x, previous);
            previous = x;
        }
    }
    // Slider 1 is fine at both edges, 100 fine only at the leading edge.
    const Construction fine = Record(1);
    EXPECT_LE(fine.feet[0].x1 - fine.feet[1].x1, 4);
    EXPECT_LE(fine.feet[10].x1 - fine.feet[11].x1, 4);
    const Construction coarse = Record(100);
    EXPECT_GE(coarse.feet[0].x1 - coarse.feet[1].x1, 12);
    EXPECT_LE(coarse.feet[10].x1 - coarse.feet[11].x1, 4);
}

}  // namespace
