// Pieces of the interactive wing grid: NACA sections between root and tip, spanwise stations,
// chordwise fractions, flap zones and the chordwise flap split.

#include "panel3d/core/Panel3dWingGrid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

const double kPi = std::acos(-1.0);

// Root 2412-like section on a 1 m chord; a tapered, swept tip with other values, and the
// quarter-chord sweep derived from the leading-edge sweep as the windows do.
Panel3dWingShape TaperedWing() {
    Panel3dWingShape w;
    w.halfSpan = 3.0;
    w.rootChord = 1.0;
    w.tipChord = 0.5;
    w.leadingEdgeSweep = 20.0;
    w.quarterChordSweep = std::atan(std::tan(w.leadingEdgeSweep * kPi / 180.0) +
                                    (w.tipChord - w.rootChord) / (4.0 * w.halfSpan)) *
                          180.0 / kPi;
    w.rootCamber = 2.0;
    w.tipCamber = 4.0;
    w.rootCamberPosition = 40.0;
    w.tipCamberPosition = 60.0;
    w.rootThickness = 12.0;
    w.tipThickness = 8.0;
    return w;
}

TEST(Panel3dNacaSection, RootValuesOfTheFourDigitFormulas) {
    const Panel3dWingShape w = TaperedWing();
    struct Case {
        double x;
        double camber;
    };
    // 2 % camber at 40 %: the mean line peaks at 0.02 and passes 0.015 at x = 0.2 and 0.7.
    for (const Case c : {Case{0.2, 0.015}, Case{0.4, 0.02}, Case{0.7, 0.015}}) {
        SCOPED_TRACE(c.x);
        EXPECT_NEAR(Panel3dNacaCamber(w, c.x, 0.0), c.camber, 1e-12);
    }
    EXPECT_NEAR(Panel3dNacaThickness(w, 0.3, 0.0), 0.05964, 5e-6);
    EXPECT_NEAR(Panel3dNacaThickness(w, 0.5, 0.0), 0.05231, 5e-6);
}

TEST(Panel3dNacaSection, ZeroAtBothEdgesOfEveryStation) {
    const Panel3dWingShape w = TaperedWing();
    for (double y : {0.0, 0.7, 1.5, 3.0}) {
        SCOPED_TRACE(y);
        const double chord = w.rootChord - (w.rootChord - w.tipChord) * y / w.halfSpan;
        const double le = y * std::tan(w.leadingEdgeSweep * kPi / 180.0);
        EXPECT_EQ(Panel3dNacaCamber(w, le, y), 0.0);
        EXPECT_EQ(Panel3dNacaThickness(w, le, y), 0.0);
        EXPECT_NEAR(Panel3dNacaCamber(w, le + chord, y), 0.0, 1e-15);
        EXPECT_NEAR(Panel3dNacaThickness(w, le + chord, y), 0.0, 1e-15);
        // A point marginally ahead of the leading edge still gives a real thickness.
        EXPECT_TRUE(std::isfinite(Panel3dNacaThickness(w, le - 1e-12, y)));
    }
}

TEST(Panel3dNacaSection, TipUsesTipValuesWithTheMaximumBehindItsLeadingEdge) {
    const Panel3dWingShape w = TaperedWing();
    const double s = w.halfSpan;
    const double le = s * std::tan(w.leadingEdgeSweep * kPi / 180.0);
    EXPECT_NEAR(Panel3dTipLeadingEdgeX(w), le, 1e-12);
    const double xm = le + 0.01 * w.tipCamberPosition * w.tipChord;
    const double peak = 0.01 * w.tipCamber * w.tipChord;
    EXPECT_NEAR(Panel3dNacaCamber(w, xm, s), peak, 1e-12);
    EXPECT_LT(Panel3dNacaCamber(w, xm - 0.01, s), peak);
    EXPECT_LT(Panel3dNacaCamber(w, xm + 0.01, s), peak);
    // Tip thickness: 8 % of 0.5 m at the 30 % point, whose bracket is 0.099399 (see the root).
    EXPECT_NEAR(Panel3dNacaThickness(w, le + 0.15, s), 5 * 0.08 * 0.5 * 0.0993990, 1e-7);
}

TEST(Panel3dNacaSection, MidspanMaximumLiesAtTheChordWeightedPosition) {
    const Panel3dWingShape w = TaperedWing();
    const double y = 1.2;
    const double eta = y / w.halfSpan;
    const double chord = w.rootChord + (w.tipChord - w.rootChord) * eta;
    const double le = y * std::tan(w.leadingEdgeSweep * kPi / 180.0);
    const double p = (40.0 * w.rootChord * (1 - eta) + 60.0 * w.tipChord * eta) / chord / 100.0;
    const double peak = 0.01 * (2.0 + 2.0 * eta) * chord;
    EXPECT_NEAR(Panel3dNacaCamber(w, le + p * chord, y), peak, 1e-12);
    EXPECT_LT(Panel3dNacaCamber(w, le + p * chord + 1e-3, y), peak);
    EXPECT_LT(Panel3dNacaCamber(w, le + p * chord - 1e-3, y), peak);
}

TEST(Panel3dNacaSection, ZeroCamberIsFlatWhateverThePosition) {
    Panel3dWingShape w = TaperedWing();
    w.rootCamber = w.tipCamber = 0.0;
    for (double position : {0.0, 40.0, 100.0}) {
        w.rootCamberPosition = w.tipCamberPosition = position;
        for (double y : {0.0, 1.0, 3.0})
            for (double x : {0.0, 0.3, 0.9, 1.6}) EXPECT_EQ(Panel3dNacaCamber(w, x, y), 0.0);
    }
}

TEST(Panel3dGridSpacing, StationsAndFractionsOfTheCosineSpacing) {
    const double c45 = std::cos(kPi / 4);
    const std::vector<double> y = Panel3dZoneStations(2.0, 2.0, 1.0, 2);
    ASSERT_EQ(y.size(), 3u);
    EXPECT_EQ(y[0], 2.0);
    EXPECT_NEAR(y[1], 2.0 * c45, 1e-15);
    EXPECT_NEAR(y[2], 0.0, 1e-15);

    const std::vector<double> xi = Panel3dChordFractions(1.0, 2);
    ASSERT_EQ(xi.size(), 3u);
    EXPECT_EQ(xi[0], 0.0);
    EXPECT_NEAR(xi[1], 1.0 - c45, 1e-15);
    EXPECT_NEAR(xi[2], 1.0, 1e-15);

    // The strongest gradings still end at the root and at the trailing edge, and are monotonic.
    const std::vector<double> ys = Panel3dZoneStations(5.0, 5.0, 0.52, 15);
    EXPECT_NEAR(ys.back(), 0.0, 1e-14);
    const std::vector<double> xs = Panel3dChordFractions(0.505, 30);
    EXPECT_NEAR(xs.back(), 1.0, 1e-14);
    for (std::size_t k = 1; k < ys.size(); ++k) EXPECT_LT(ys[k], ys[k - 1]);
    for (std::size_t k = 1; k < xs.size(); ++k) EXPECT_GT(xs[k], xs[k - 1]);

    // A zone elsewhere on the span: from its start down by its length.
    const std::vector<double> zone = Panel3dZoneStations(2.4, 0.9, 0.76, 4);
    EXPECT_EQ(zone.front(), 2.4);
    EXPECT_NEAR(zone.back(), 1.5, 1e-14);
}

TEST(Panel3dFlapGrid, StripsPerZone) {
    struct Case {
        int m;
        double a, b;
        int root, flap, tip;
    };
    const Case cases[] = {
        {8, 0.25, 0.75, 1, 6, 1},  // 1.6 and 1.6 truncated, the flap takes the remainder
        {8, 0.75, 0.25, 1, 6, 1},  // ends in either order
        {10, 0.5, 1.0, 4, 6, 0},   // a flap to the tip has no tip zone
        {10, 0.0, 0.3, 0, 5, 5},   // nor one from the root a root zone
        {15, 0.5, 0.8, 5, 9, 1},   // the windows' default flap
        {2, 0.4, 0.6, 1, 0, 1},    // a short inner flap on two strips gets none
        {3, 0.01, 0.02, 1, 1, 1},  // tiny zones still get one strip each
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.m << " " << c.a << " " << c.b);
        const Panel3dFlapZones z = Panel3dFlapStripCounts(c.m, c.a, c.b);
        EXPECT_EQ(z.root, c.root);
        EXPECT_EQ(z.flap, c.flap);
        EXPECT_EQ(z.tip, c.tip);
    }
}

TEST(Panel3dFlapGrid, FlapPanelsPerSideStayBelowTheSideCount) {
    struct Case {
        int n;
        double hinge;
        int nf;
    };
    const Case cases[] = {
        {10, 0.75, 4},                   // ceil(3.75)
        {12, 0.875, 4},                  // ceil(2.25) = 3, raised to N/3
        {30, 0.75, 12},                  // the windows' default: ceil(11.25)
        {10, 0.2, 9},                    // ceil(12) would exceed N
        {10, 1.0 / 3, 9},                // ceil(10) = N, lowered to N - 1
        {2, 0.5, 1},                     // ceil(1.5)
        {2, 0.01, 1},     {5, 0.99, 1},  // N/3 = 1
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.n << " " << c.hinge);
        EXPECT_EQ(Panel3dFlapPanelCount(c.n, c.hinge), c.nf);
    }
}

TEST(Panel3dFlapGrid, ChordSplitsExactlyAtTheHinge) {
    for (double f : {0.505, 0.52, 1.0}) {
        const std::vector<double> xi = Panel3dFlapChordFractions(f, 10, 4, 0.75);
        ASSERT_EQ(xi.size(), 11u);
        EXPECT_EQ(xi[0], 0.0);
        EXPECT_EQ(xi[6], 0.75);
        EXPECT_NEAR(xi[10], 1.0, 1e-15);
        for (std::size_t k = 1; k < xi.size(); ++k) EXPECT_GT(xi[k], xi[k - 1]);
        // Both parts are the plain spacing scaled into their interval.
        const std::vector<double> front = Panel3dChordFractions(f, 6);
        const std::vector<double> back = Panel3dChordFractions(f, 4);
        EXPECT_NEAR(xi[3], 0.75 * front[3], 1e-15);
        EXPECT_NEAR(xi[8], 0.75 + 0.25 * back[2], 1e-15);
    }
}

}  // namespace
