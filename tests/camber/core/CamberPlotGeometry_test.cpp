#include "camber/core/CamberPlotGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "camber/core/CamberTheory.h"

namespace {

CamberState NacaDefault() { return CamberNacaFromAngle(CamberNacaLineTerms(0.02, 0.4), 5.0); }

CamberSegments Side(const CamberSegments& all, int side) {
    CamberSegments out;
    for (const CamberSegment& s : all) {
        if (s.side == side) out.push_back(s);
    }
    return out;
}

TEST(CamberPlotGeometry, CurvesStepFromTheLeadingEdgeTo0995) {
    const CamberState s = NacaDefault();
    // Camber lines: 199 segments of one pixel, the last from x 0.99 to 0.995.
    for (const CamberSegments& line : {CamberBirnbaumShiftedSegments(s.A0, s.A1, s.A2, s.alpha),
                                       CamberBirnbaumLineSegments(s.A0, s.A1, s.A2, s.alpha)}) {
        ASSERT_EQ(line.size(), 199u);
        EXPECT_EQ(line.front().from.x, 60);
        EXPECT_EQ(line.back().from.x, 258);
        EXPECT_EQ(line.back().to.x, 259);
        for (size_t i = 1; i < line.size(); ++i) EXPECT_EQ(line[i].from, line[i - 1].to) << i;
    }
    // The shifted line ends on the chord at the trailing edge.
    EXPECT_NEAR(CamberBirnbaumShiftedSegments(s.A0, s.A1, s.A2, s.alpha).back().to.y, 160, 1);

    // Pressure: the leading edge x = 0 is unbounded, so each side starts at x = 0.005.
    const CamberSegments p = CamberApproxPressureSegments(s.A0, s.A1, s.A2);
    const CamberSegments upper = Side(p, 0);
    const CamberSegments lower = Side(p, 1);
    ASSERT_EQ(upper.size(), 198u);
    EXPECT_EQ(upper.front().from.x, 61);
    EXPECT_EQ(upper.back().to.x, 259);
    // Upper side first at every step.
    const CamberSegment& lastUpper = p[p.size() - 2];
    EXPECT_EQ(lastUpper.side, 0);
    EXPECT_EQ(p.back().side, 1);
    EXPECT_EQ(lastUpper.from.x, p.back().from.x);
    // Suction upwards on the upper side, mirrored on the lower one, whose nose (cp > 1) lies
    // below the band and is left out.
    ASSERT_LT(lower.size(), upper.size());
    const int skipped = static_cast<int>(upper.size() - lower.size());
    for (size_t i = 0; i < lower.size(); ++i) {
        const CamberSegment& u = upper[i + skipped];
        EXPECT_EQ(u.from.x, lower[i].from.x);
        EXPECT_NEAR(u.from.y - 160, 160 - lower[i].from.y, 1) << i;
    }
    EXPECT_GT(CamberApproxPressure(0.005 * skipped, s.A0, s.A1, s.A2), 1.0);
}

TEST(CamberPlotGeometry, OnlyTheFirstEndOfASegmentIsClipped) {
    // Upper side of A0 = 0.3 alone: y = 160 - 24 sqrt((1 - x)/x) lies above the band (y < 64)
    // for x < 1/17. The step from 0.055 (y 60) to 0.06 (y 65) ends inside but starts outside
    // and is left out; the first segment drawn starts at x = 0.06.
    const CamberSegments upper = Side(CamberApproxPressureSegments(0.3, 0.0, 0.0), 0);
    ASSERT_EQ(upper.size(), 187u);
    EXPECT_EQ(upper.front().from.x, 72);
    EXPECT_EQ(upper.front().from.y, 65);

    // z = 3 x (1 - 4x + 8/3 x^2) climbs above z = 0.1 (y < 60) near x = 0.04: the segment that
    // starts inside and crosses the band's edge is drawn to its outside end.
    const CamberSegments leaving = CamberBirnbaumLineSegments(0.0, 0.0, -3.0, 0.0);
    bool crossed = false;
    for (const CamberSegment& s : leaving) {
        EXPECT_GE(s.from.y, 60);
        EXPECT_LE(s.from.y, 200);
        if (s.to.y < 60) crossed = true;
    }
    EXPECT_TRUE(crossed);
    EXPECT_LT(leaving.size(), 199u);
}

TEST(CamberPlotGeometry, NothingThatIsNotFiniteOrFarOffReachesAPixel) {
    EXPECT_FALSE(CamberToPixel(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(CamberToPixel(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(CamberToPixel(40000.0));
    EXPECT_FALSE(CamberToPixel(-32768.0));
    EXPECT_EQ(CamberToPixel(-3.7), -3);  // truncated towards zero
    EXPECT_EQ(CamberToPixel(199.99), 199);
    EXPECT_EQ(CamberToPixel(32767.0), 32767);

    // Coefficients far beyond anything a window can produce: every pixel stays in range.
    const double huge = 1e300;
    for (const CamberSegments& curve : {CamberApproxPressureSegments(huge, -huge, huge),
                                        CamberExactPressureSegments(huge, 1e9, 0.05, 0.2),
                                        CamberBirnbaumLineSegments(huge, huge, huge, 0.0),
                                        CamberApproxPressureSegments(std::nan(""), 0.0, 0.0)}) {
        for (const CamberSegment& s : curve) {
            for (int v : {s.from.x, s.from.y, s.to.x, s.to.y}) {
                EXPECT_LE(std::abs(v), 32767);
            }
        }
    }
    EXPECT_TRUE(CamberApproxPressureSegments(std::nan(""), 0.0, 0.0).empty());
    EXPECT_FALSE(CamberLineMarker({0.5, std::numeric_limits<double>::infinity()}));
    EXPECT_FALSE(CamberPressureMarker({std::nan(""), 0.0}));
}

TEST(CamberPlotGeometry, NacaLineIsTwoParabolasMeetingAtTheCamberPosition) {
    const CamberSegments line = CamberNacaLineSegments(0.02, 0.4);
    // 80 front segments to x = 0.4, then 120 from 0.4 on, the last ending at the trailing edge.
    ASSERT_EQ(line.size(), 200u);
    EXPECT_EQ(line[79].to.x, 140);
    EXPECT_EQ(line[80].from.x, 140);
    EXPECT_EQ(line.back().to.x, 260);
    // Highest point 0.02 at 0.4 (y = 140), both ends on the chord.
    EXPECT_EQ(line[80].from.y, 140);
    EXPECT_EQ(line.front().from.y, 160);
    EXPECT_EQ(line.back().to.y, 160);
    // The flat plate is the chord line.
    for (const CamberSegment& s : CamberNacaLineSegments(0.0, 0.1)) {
        EXPECT_EQ(s.from.y, 160);
        EXPECT_EQ(s.to.y, 160);
    }
    // The back part ends at most one step beyond the trailing edge.
    for (double p : {0.1, 0.2, 0.3, 0.5, 0.6, 0.7, 0.8, 0.9}) {
        const int end = CamberNacaLineSegments(0.03, p).back().to.x;
        EXPECT_TRUE(end == 260 || end == 261) << p << " ends at " << end;
    }
}

TEST(CamberPlotGeometry, ExactAndApproximatePressureOfTheFlatPlateCoincide) {
    const double A0 = 5.0 * kCamberRadPerDeg;
    const CamberSegments exact = CamberExactPressureSegments(A0, 0.0, 0.0, 0.1);
    const CamberSegments approx = CamberApproxPressureSegments(A0, 0.0, 0.0);
    ASSERT_EQ(exact.size(), approx.size());
    for (size_t i = 0; i < exact.size(); ++i) {
        EXPECT_EQ(exact[i].from.x, approx[i].from.x);
        EXPECT_NEAR(exact[i].from.y, approx[i].from.y, 1) << i;
        EXPECT_NEAR(exact[i].to.y, approx[i].to.y, 1) << i;
    }
}

TEST(CamberPlotGeometry, FreeStreamArrowAtThreeTimesTheAngle) {
    struct Case {
        double deg;
        CamberPixel tail, label, head1, head2;
        int arc;  // 0 none, 1 from (20,160) to the label, -1 from the label to (20,160)
    };
    const Case cases[] = {
        {0.0, {10, 160}, {20, 160}, {45, 155}, {45, 165}, 0},
        {5.0, {11, 170}, {21, 167}, {43, 156}, {46, 166}, 1},
        {-15.0, {21, 131}, {28, 138}, {50, 152}, {42, 160}, -1},
        {15.0, {21, 188}, {28, 181}, {42, 160}, {50, 167}, 1},
        // Below 0.014 rad no arc is drawn.
        {0.01 / kCamberRadPerDeg, {10, 161}, {20, 160}, {44, 155}, {45, 165}, 0},
        {-0.02 / kCamberRadPerDeg, {10, 157}, {20, 158}, {45, 154}, {44, 164}, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.deg);
        const CamberArrow a = CamberFreeStreamArrow(c.deg * kCamberRadPerDeg);
        EXPECT_EQ(a.referenceFrom, (CamberPixel{50, 160}));
        EXPECT_EQ(a.referenceTo, (CamberPixel{10, 160}));
        EXPECT_EQ(a.tip, (CamberPixel{50, 160}));
        EXPECT_EQ(a.tail, c.tail);
        EXPECT_EQ(a.label, c.label);
        EXPECT_EQ(a.head1, c.head1);
        EXPECT_EQ(a.head2, c.head2);
        EXPECT_EQ(a.hasArc, c.arc != 0);
        if (c.arc == 1) {
            EXPECT_EQ(a.arcFrom, (CamberPixel{20, 160}));
            EXPECT_EQ(a.arcTo, c.label);
        } else if (c.arc == -1) {
            EXPECT_EQ(a.arcFrom, c.label);
            EXPECT_EQ(a.arcTo, (CamberPixel{20, 160}));
        }
    }
}

TEST(CamberPlotGeometry, MarkersHaveThePointAtTheirTopLeftCorner) {
    const CamberPixel line[] = {{100, 149}, {140, 144}, {200, 149}};
    const CamberPixel pressure[] = {{100, 140}, {160, 146}, {220, 152}};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(CamberLineMarker(kDefaultCamberPoints[k]), line[k]);
        EXPECT_EQ(CamberPressureMarker(kDefaultPressurePoints[k]), pressure[k]);
    }
}

}  // namespace
