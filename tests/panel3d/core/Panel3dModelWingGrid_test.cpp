// The interactive wing grid of the panel model: plain grid, flap grid, flap deflection and the
// inputs it refuses.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <vector>

#include "panel3d/core/Panel3dModel.h"
#include "panel3d/core/Panel3dModule.h"
#include "panel3d/core/Panel3dWingGrid.h"
#include "tests/panel3d/core/Panel3dTestWings.h"

namespace {

using panel3d_test::DefaultWing;

const double kPi = std::acos(-1.0);
double Rad(double degrees) { return degrees * kPi / 180.0; }

// Flat symmetric wing: no camber, twist or dihedral.
void MakeUncambered(Panel3dModel& w) {
    w.rootCamber = w.tipCamber = 0.0;
    w.rootIncidence = w.tipIncidence = 0.0;
    w.dihedral = 0.0;
}

// Window deflections in degrees (the model holds them negated).
void Deflect(Panel3dModel& w, double left, double right) {
    w.leftFlapDeflection = -left;
    w.rightFlapDeflection = -right;
}

std::shared_ptr<Panel3dModel> Built(std::shared_ptr<Panel3dModel> w) {
    EXPECT_TRUE(w->GenerateWingGrid());
    return w;
}

// Grid point i (0 ... 2N) of station `station` as strip `strip` holds it (the strip's own
// stations only), read from the panel whose rear edge it is or, for point 2N, the last panel.
Panel3dVector Point(const Panel3dModel& w, int strip, int station, int i) {
    const int n = w.ChordPanels();
    const bool first = station == strip;
    if (i < 2 * n) return w.wingPanels[2 * n * strip + i].Corner(first ? 2 : 3);
    return w.wingPanels[2 * n * strip + 2 * n - 1].Corner(first ? 1 : 0);
}

// Grid point (i, station) of an undeflected grid, whichever strip holds it.
Panel3dVector GridPoint(const Panel3dModel& w, int i, int station) {
    const int strip = station < 2 * w.SpanPanels() ? station : station - 1;
    return Point(w, strip, station, i);
}

Panel3dVector Normal(const Panel3dPanel& p) {
    return Cross(p.Corner(2) - p.Corner(0), p.Corner(1) - p.Corner(3));
}

void ExpectNear(const Panel3dVector& a, const Panel3dVector& b, double tol) {
    EXPECT_NEAR(a.x, b.x, tol);
    EXPECT_NEAR(a.y, b.y, tol);
    EXPECT_NEAR(a.z, b.z, tol);
}

bool Same(const Panel3dVector& a, const Panel3dVector& b) {
    return a.x == b.x && a.y == b.y && a.z == b.z;
}

// Every point is written identically into each corner of the strip that shares it; across
// strips only when `acrossStrips` (a deflected flap steps at the strip ends).
void ExpectSharedPoints(const Panel3dModel& w, bool acrossStrips) {
    const int n = w.ChordPanels();
    for (int strip = 0; strip < 2 * w.SpanPanels(); ++strip) {
        for (int i = 1; i < 2 * n; ++i) {
            const Panel3dPanel& behind = w.wingPanels[2 * n * strip + i];
            const Panel3dPanel& ahead = w.wingPanels[2 * n * strip + i - 1];
            EXPECT_TRUE(Same(behind.Corner(2), ahead.Corner(1))) << strip << " " << i;
            EXPECT_TRUE(Same(behind.Corner(3), ahead.Corner(0))) << strip << " " << i;
        }
        if (!acrossStrips || strip == 0) continue;
        for (int i = 0; i < 2 * n; ++i) {
            const Panel3dPanel& here = w.wingPanels[2 * n * strip + i];
            const Panel3dPanel& before = w.wingPanels[2 * n * (strip - 1) + i];
            EXPECT_TRUE(Same(here.Corner(2), before.Corner(3))) << strip << " " << i;
            EXPECT_TRUE(Same(here.Corner(1), before.Corner(0))) << strip << " " << i;
        }
    }
}

// The section of every strip station closes at the trailing edge.
void ExpectClosedSections(const Panel3dModel& w, double tol) {
    const int n = w.ChordPanels();
    for (int strip = 0; strip < 2 * w.SpanPanels(); ++strip)
        for (int station : {strip, strip + 1})
            ExpectNear(Point(w, strip, station, 0), Point(w, strip, station, 2 * n), tol);
}

TEST(Panel3dWingGridPlain, StationsAndFractionsWithoutGrading) {
    auto w = DefaultWing(2, 2);
    w->chordwiseGrading = 1.0;
    w->spanwiseGrading = 1.0;
    Built(w);
    const double s = w->halfSpan;
    const double c45 = std::cos(kPi / 4);
    const double y[] = {s, s * c45, 0.0, -s * c45, -s};
    for (int station = 0; station <= 4; ++station)
        for (int i = 0; i <= 4; ++i) EXPECT_NEAR(GridPoint(*w, i, station).y, y[station], 1e-14);
    // Root section: leading edge at x = 0, chord 1 m; upper points 2, 1, 0 and lower 2, 3, 4.
    const double xi[] = {0.0, 1.0 - c45, 1.0};
    for (int j = 0; j <= 2; ++j) {
        EXPECT_NEAR(GridPoint(*w, 2 - j, 2).x, xi[j], 1e-14);
        EXPECT_NEAR(GridPoint(*w, 2 + j, 2).x, xi[j], 1e-14);
    }
    // The strongest gradings still end at the root and at the trailing edge.
    auto graded = DefaultWing(30, 15);
    graded->chordwiseGrading = 0.505;
    Built(graded);
    for (int i = 0; i <= 60; ++i) EXPECT_NEAR(GridPoint(*graded, i, 15).y, 0.0, 1e-14);
    EXPECT_NEAR(GridPoint(*graded, 0, 15).x, 1.0, 1e-14);
}

TEST(Panel3dWingGridPlain, PointsAreSharedAndSectionsClosed) {
    for (auto [n, m] : {std::pair{2, 2}, std::pair{7, 3}, std::pair{30, 15}}) {
        SCOPED_TRACE(testing::Message() << n << " x " << m);
        auto w = Built(DefaultWing(n, m));
        ExpectSharedPoints(*w, true);
        ExpectClosedSections(*w, 1e-14);
        for (unsigned char mark : w->flapMarks) EXPECT_EQ(mark, 0);
    }
}

TEST(Panel3dWingGridPlain, EdgesFollowSweepDihedralAndTwist) {
    auto w = Built(DefaultWing(12, 6));
    const double s = w->halfSpan;
    for (int station = 0; station <= 12; ++station) {
        SCOPED_TRACE(station);
        const Panel3dVector le = GridPoint(*w, 12, station);
        const Panel3dVector te = GridPoint(*w, 0, station);
        const double y = std::fabs(le.y);
        EXPECT_NEAR(le.x, y * std::tan(Rad(32.0)), 1e-8);
        EXPECT_NEAR(le.z, y * std::tan(Rad(5.0)), 1e-8);
        const double chord = 1.0 - 0.5 * y / s;
        const double incidence = 2.5 - 5.0 * y / s;
        EXPECT_NEAR(te.x - le.x, chord, 1e-8);
        EXPECT_NEAR(le.z - te.z, chord * std::tan(Rad(incidence)), 1e-8);
    }
}

TEST(Panel3dWingGridPlain, UncamberedWingIsSymmetricWithOutwardNormals) {
    auto w = DefaultWing(10, 4);
    MakeUncambered(*w);
    Built(w);
    const int n = 10;
    for (int strip = 0; strip < 8; ++strip) {
        for (int k = 0; k < n; ++k) {
            const Panel3dPanel& up = w->wingPanels[2 * n * strip + n - 1 - k];
            const Panel3dPanel& lo = w->wingPanels[2 * n * strip + n + k];
            // Lower corner 3 - c is the upper corner c mirrored in z.
            for (int c = 0; c < 4; ++c) {
                EXPECT_EQ(lo.Corner(3 - c).x, up.Corner(c).x);
                EXPECT_EQ(lo.Corner(3 - c).y, up.Corner(c).y);
                EXPECT_NEAR(lo.Corner(3 - c).z, -up.Corner(c).z, 1e-15);
            }
            EXPECT_GT(Normal(up).z, 0.0) << strip << " " << k;
            EXPECT_LT(Normal(lo).z, 0.0) << strip << " " << k;
        }
    }
}

TEST(Panel3dWingGridPlain, LeftHalfMirrorsTheRightWithOutwardNormals) {
    auto w = Built(DefaultWing(9, 5));
    const int n = 9, m = 5;
    for (int station = 0; station <= m; ++station)
        for (int i = 0; i <= 2 * n; ++i) {
            const Panel3dVector r = GridPoint(*w, i, station);
            const Panel3dVector l = GridPoint(*w, i, 2 * m - station);
            EXPECT_EQ(l.x, r.x);
            EXPECT_EQ(l.y, -r.y);
            EXPECT_EQ(l.z, r.z);
        }
    for (int strip = 0; strip < m; ++strip)
        for (int i = 0; i < 2 * n; ++i) {
            const Panel3dVector nr = Normal(w->wingPanels[2 * n * strip + i]);
            const Panel3dVector nl = Normal(w->wingPanels[2 * n * (2 * m - 1 - strip) + i]);
            ExpectNear(nl, {nr.x, -nr.y, nr.z}, 1e-15);
        }
}

TEST(Panel3dNacaSectionOfTheModel, SectionsComeFromTheModelsWingInputs) {
    auto w = DefaultWing(4, 2);
    w->rootCamber = 2.0;
    w->rootCamberPosition = 40.0;
    w->rootThickness = 12.0;
    EXPECT_NEAR(w->NacaCamber(0.4, 0.0), 0.02, 1e-12);
    EXPECT_NEAR(w->NacaThickness(0.3, 0.0), 0.05964, 5e-6);
    // Tip: 4 % of 0.5 m, its maximum 40 % of the tip chord behind the swept leading edge.
    const double le = 3.0 * std::tan(Rad(32.0));
    EXPECT_NEAR(w->NacaCamber(le + 0.2, 3.0), 0.02, 1e-12);
}

// ---- flap grid ----

struct FlapCase {
    int n, m;
    double inner, outer, hinge;
    int tip, flap, nf;
};

TEST(Panel3dWingGridFlaps, ZonesMarksAndHinge) {
    const FlapCase cases[] = {
        {10, 8, 0.25, 0.75, 0.75, 1, 6, 4},
        {12, 8, 0.75, 0.25, 0.875, 1, 6, 4},  // ends in either order; nf raised to N/3
        {10, 10, 0.5, 1.0, 0.7, 0, 6, 5},     // a flap to the tip has no tip zone
        {30, 15, 0.5, 0.8, 0.75, 1, 9, 12},   // the windows' defaults
    };
    for (const FlapCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.n << " " << c.m << " " << c.inner << " " << c.outer);
        auto w = DefaultWing(c.n, c.m);
        w->flapInnerEnd = c.inner;
        w->flapOuterEnd = c.outer;
        w->hingePosition = c.hinge;
        Deflect(*w, 10.0, 0.0);  // the right half stays an undeflected flap grid
        Built(w);
        const double s = w->halfSpan;
        const double inner = std::min(c.inner, c.outer), outer = std::max(c.inner, c.outer);
        // Zone ends as stations; the left half is the mirror of this one before its deflection.
        EXPECT_EQ(GridPoint(*w, 0, 0).y, s);
        EXPECT_NEAR(GridPoint(*w, 0, c.tip).y, outer * s, 1e-12);
        EXPECT_NEAR(GridPoint(*w, 0, c.tip + c.flap).y, inner * s, 1e-12);
        EXPECT_NEAR(GridPoint(*w, 0, c.m).y, 0.0, 1e-12);
        for (int strip = 0; strip < 2 * c.m; ++strip) {
            const int half = strip < c.m ? strip : 2 * c.m - 1 - strip;
            const bool flap = half >= c.tip && half < c.tip + c.flap;
            for (int i = 0; i < 2 * c.n; ++i) {
                const bool behind = i < c.nf || i >= 2 * c.n - c.nf;
                EXPECT_EQ(w->flapMarks[2 * c.n * strip + i], flap && behind ? 1 : 0)
                    << strip << " " << i;
            }
        }
        ExpectSharedPoints(*w, false);
        // The hinge point lies at the hinge fraction of every local chord of the right half.
        for (int station = 0; station <= c.m; ++station) {
            const Panel3dVector le = GridPoint(*w, c.n, station);
            const double chord = 1.0 - 0.5 * le.y / s;
            EXPECT_NEAR(GridPoint(*w, c.nf, station).x, le.x + c.hinge * chord, 1e-12);
            EXPECT_NEAR(GridPoint(*w, 2 * c.n - c.nf, station).x, le.x + c.hinge * chord, 1e-12);
        }
    }
}

TEST(Panel3dWingGridFlaps, WithoutAFlapStripTheGridIsPlain) {
    struct Case {
        int m;
        double inner, outer, hinge, height, left, right;
    };
    const Case cases[] = {
        {6, 0.1, 0.9, 0.3, 0.9, 0.0, 0.0},     // no deflection: flap values do not matter
        {6, -2.0, 1.5, 7.0, -1.0, 0.0, 0.0},   // not even ones "A&nzeigen" refuses
        {2, 0.4, 0.6, 0.75, 0.5, 10.0, 10.0},  // deflected, but the flap gets no strip
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.m << " " << c.inner << " " << c.left);
        auto plain = Built(DefaultWing(8, c.m));
        auto w = DefaultWing(8, c.m);
        w->flapInnerEnd = c.inner;
        w->flapOuterEnd = c.outer;
        w->hingePosition = c.hinge;
        w->hingeHeight = c.height;
        Deflect(*w, c.left, c.right);
        Built(w);
        for (std::size_t p = 0; p < w->wingPanels.size(); ++p) {
            for (int k = 0; k < 4; ++k)
                EXPECT_TRUE(Same(w->wingPanels[p].Corner(k), plain->wingPanels[p].Corner(k)));
            EXPECT_EQ(w->flapMarks[p], 0);
        }
    }
}

// ---- deflection ----

// Rotation of p about the axis through a0 along the unit vector a, in the vector form.
Panel3dVector Turned(const Panel3dVector& p, const Panel3dVector& a0, const Panel3dVector& a,
                     double angle) {
    const Panel3dVector v = p - a0;
    const Panel3dVector along = Dot(a, v) * a;
    return a0 + along + std::cos(angle) * (v - along) + std::sin(angle) * Cross(a, v);
}

// The flap strip of a deflected wing next to the same strip undeflected: `wing` deflected on
// its right half, `reference` deflected on its left half only.
struct FlapStripPair {
    std::shared_ptr<Panel3dModel> wing, reference;
    int n, nf, strip;
    double theta;

    // Hinge axis of the strip from the undeflected grid.
    Panel3dVector A0() const {
        const Panel3dVector up = Point(*reference, strip, strip, nf);
        const Panel3dVector lo = Point(*reference, strip, strip, 2 * n - nf);
        return {up.x, up.y, lo.z + reference->hingeHeight * (up.z - lo.z)};
    }
    Panel3dVector Axis() const {
        const Panel3dVector up = Point(*reference, strip, strip + 1, nf - 1);
        const Panel3dVector lo = Point(*reference, strip, strip + 1, 2 * n - nf + 1);
        const Panel3dVector a1{up.x, up.y, lo.z + reference->hingeHeight * (up.z - lo.z)};
        return (1.0 / Length(a1 - A0())) * (a1 - A0());
    }
    // Grid index of the point k steps behind the hinge.
    int Index(bool upper, int k) const { return upper ? nf - k : 2 * n - nf + k; }
    Panel3dVector Deflected(bool upper, int station, int k) const {
        return Point(*wing, strip, strip + station, Index(upper, k));
    }
    Panel3dVector Undeflected(bool upper, int station, int k) const {
        return Point(*reference, strip, strip + station, Index(upper, k));
    }
    Panel3dVector Rotated(bool upper, int station, int k) const {
        return Turned(Undeflected(upper, station, k), A0(), Axis(), theta);
    }
};

FlapStripPair MakePair(int n, double hinge, double windowDeflection) {
    FlapStripPair pair;
    pair.wing = DefaultWing(n, 6);
    pair.reference = DefaultWing(n, 6);
    for (auto* w : {pair.wing.get(), pair.reference.get()}) {
        w->flapInnerEnd = 0.0;
        w->flapOuterEnd = 1.0;
        w->hingePosition = hinge;
    }
    Deflect(*pair.wing, 0.0, windowDeflection);
    Deflect(*pair.reference, windowDeflection, 0.0);
    Built(pair.wing);
    Built(pair.reference);
    pair.n = n;
    pair.nf = Panel3dFlapPanelCount(n, hinge);
    pair.strip = 2;
    pair.theta = -Rad(windowDeflection);
    return pair;
}

TEST(Panel3dWingGridDeflection, EachHalfFollowsItsOwnDeflection) {
    auto rightOnly = DefaultWing(12, 6);
    auto leftOnly = DefaultWing(12, 6);
    auto both = DefaultWing(12, 6);
    Deflect(*rightOnly, 0.0, 10.0);
    Deflect(*leftOnly, 10.0, 0.0);
    Deflect(*both, -20.0, 10.0);
    for (auto* w : {rightOnly.get(), leftOnly.get(), both.get()})
        EXPECT_TRUE(w->GenerateWingGrid());
    const int n = 12, m = 6;
    static constexpr int kMirrored[4] = {1, 0, 3, 2};
    int changed = 0;
    for (int strip = 0; strip < 2 * m; ++strip)
        for (int i = 0; i < 2 * n; ++i) {
            const int p = 2 * n * strip + i;
            const int mirror = 2 * n * (2 * m - 1 - strip) + i;
            for (int c = 0; c < 4; ++c) {
                const Panel3dVector r = rightOnly->wingPanels[p].Corner(c);
                if (strip >= m) {
                    // Left half: the undeflected flap grid of the other wing's right half.
                    Panel3dVector v = leftOnly->wingPanels[mirror].Corner(kMirrored[c]);
                    v.y = -v.y;
                    EXPECT_TRUE(Same(r, v)) << strip << " " << i;
                } else {
                    // Right half: the left deflection does not matter; only flap panels move.
                    EXPECT_TRUE(Same(r, both->wingPanels[p].Corner(c)));
                    const bool moved = !Same(r, leftOnly->wingPanels[p].Corner(c));
                    changed += moved;
                    if (!rightOnly->flapMarks[p]) {
                        EXPECT_FALSE(moved) << strip << " " << i;
                    }
                }
            }
        }
    EXPECT_GT(changed, 0);
}

// Equal deflections on both halves: everything but the turned flap points is the mirror image
// of the other half, and every flap strip, on either half, turns about the axis from the hinge
// of its first station to the first flap point of its second. The stations run from the right
// tip to the left one, so that axis leans the other way on the left half than the mirror image
// of the right half's: the two flaps are not mirror images.
TEST(Panel3dWingGridDeflection, EqualDeflectionsTurnEveryStripAboutItsOwnAxisOnBothHalves) {
    const int n = 8, m = 8;  // hinge at 75 %: nf = 3, no transition curve
    auto make = [&](double left, double right) {
        auto w = DefaultWing(n, m);
        w->flapInnerEnd = 0.3;
        w->flapOuterEnd = 0.7;
        Deflect(*w, left, right);
        return Built(w);
    };
    const auto both = make(10.0, 10.0);
    // Undeflected flap grids of the right and of the left half.
    const auto right = make(10.0, 0.0);
    const auto left = make(0.0, 10.0);
    const int nf = Panel3dFlapPanelCount(n, 0.75);
    ASSERT_EQ(nf, 3);
    static constexpr int kMirrored[4] = {1, 0, 3, 2};
    int flapStrips = 0;
    for (int strip = 0; strip < 2 * m; ++strip) {
        for (int i = 0; i < 2 * n; ++i) {
            const int p = 2 * n * strip + i;
            if (both->flapMarks[p]) continue;
            for (int c = 0; c < 4; ++c) {
                Panel3dVector v =
                    both->wingPanels[2 * n * (2 * m - 1 - strip) + i].Corner(kMirrored[c]);
                v.y = -v.y;
                EXPECT_TRUE(Same(both->wingPanels[p].Corner(c), v)) << strip << " " << i;
            }
        }
        if (!both->flapMarks[2 * n * strip]) continue;
        ++flapStrips;
        FlapStripPair f;
        f.wing = both;
        f.reference = strip < m ? right : left;
        f.n = n;
        f.nf = nf;
        f.strip = strip;
        f.theta = -Rad(10.0);
        for (bool upper : {true, false})
            for (int station : {0, 1}) {
                SCOPED_TRACE(testing::Message() << strip << " " << upper << " " << station);
                EXPECT_TRUE(Same(f.Deflected(upper, station, 0), f.Undeflected(upper, station, 0)));
                for (int k = 1; k <= nf; ++k)
                    ExpectNear(f.Deflected(upper, station, k), f.Rotated(upper, station, k), 1e-12);
            }
    }
    EXPECT_EQ(flapStrips, 2 * Panel3dFlapStripCounts(m, 0.3, 0.7).flap);
}

TEST(Panel3dWingGridDeflection, ThreeFlapPanelsTurnAndSnapBackAtTheHinge) {
    // N = 8, hinge at 75 %: nf = ceil(3) = 3, so no transition curve.
    const FlapStripPair f = MakePair(8, 0.75, 15.0);
    ASSERT_EQ(f.nf, 3);
    for (bool upper : {true, false})
        for (int station : {0, 1}) {
            SCOPED_TRACE(testing::Message() << upper << " " << station);
            EXPECT_TRUE(Same(f.Deflected(upper, station, 0), f.Undeflected(upper, station, 0)));
            const int hingePanel =
                2 * f.n * f.strip + (upper ? f.n - 1 - (f.n - f.nf) : f.n + f.n - f.nf);
            const int corner = upper ? (station == 0 ? 1 : 0) : (station == 0 ? 2 : 3);
            EXPECT_TRUE(Same(f.wing->wingPanels[hingePanel].Corner(corner),
                             f.Undeflected(upper, station, 0)));
            for (int k = 1; k <= 3; ++k)
                ExpectNear(f.Deflected(upper, station, k), f.Rotated(upper, station, k), 1e-12);
        }
    ExpectSharedPoints(*f.wing, false);
}

TEST(Panel3dWingGridDeflection, SixFlapPanelsBendOverTheHingeAlongTheCurve) {
    // N = 12, hinge at 70 %: nf = ceil(5.4) = 6, q = 2; 10 deg pushes no point ahead (e = 0),
    // so L = 2 and the curve has the four points C0, C1, R1, R2.
    const FlapStripPair f = MakePair(12, 0.7, 10.0);
    ASSERT_EQ(f.nf, 6);
    for (bool upper : {true, false})
        for (int station : {0, 1}) {
            SCOPED_TRACE(testing::Message() << upper << " " << station);
            const Panel3dVector c0 = f.Undeflected(upper, station, 0);
            const Panel3dVector before = f.Undeflected(upper, station, -1);
            const Panel3dVector c1 = c0 + 0.01 * (c0 - before);
            const Panel3dVector r1 = f.Rotated(upper, station, 1);
            const Panel3dVector r2 = f.Rotated(upper, station, 2);
            EXPECT_TRUE(Same(f.Deflected(upper, station, 0), c0));
            ExpectNear(f.Deflected(upper, station, 1), 0.125 * (c0 + 3.0 * c1 + 3.0 * r1 + r2),
                       1e-12);
            ExpectNear(f.Deflected(upper, station, 2), r2, 1e-12);
            for (int k = 3; k <= 6; ++k)
                ExpectNear(f.Deflected(upper, station, k), f.Rotated(upper, station, k), 1e-12);
        }
    ExpectSharedPoints(*f.wing, false);
}

TEST(Panel3dWingGridDeflection, AxisRotationKeepsAxisPointsAndTurnsOthersByTheAngle) {
    const Panel3dVector a0{0.3, 1.0, 0.02};
    const Panel3dVector a1{0.35, -0.2, 0.05};
    const Panel3dVector a = (1.0 / Length(a1 - a0)) * (a1 - a0);
    for (double theta : {Rad(30.0), Rad(-12.5)}) {
        const Panel3dAxisRotation r(a0, a, theta);
        for (double t : {0.0, 1.0, 0.4, -2.0})
            ExpectNear(r.Apply(a0 + t * (a1 - a0)), a0 + t * (a1 - a0), 1e-15);
        for (const Panel3dVector p : {Panel3dVector{1.0, 0.5, 0.0}, Panel3dVector{-0.2, 3.0, 0.4}})
            ExpectNear(r.Apply(p), Turned(p, a0, a, theta), 1e-14);
    }
}

TEST(Panel3dWingGridDeflection, FlapBehindTheCurveTurnsByTheDeflection) {
    for (double window : {10.0, -10.0, 25.0}) {
        SCOPED_TRACE(window);
        const FlapStripPair f = MakePair(30, 0.75, window);  // nf 12, q 4
        const Panel3dVector a0 = f.A0(), a = f.Axis();
        auto perpendicular = [&](const Panel3dVector& p) {
            const Panel3dVector v = p - a0;
            return v - Dot(a, v) * a;
        };
        for (bool upper : {true, false})
            for (int station : {0, 1})
                for (int k = 6; k <= f.nf; ++k) {
                    const Panel3dVector before = perpendicular(f.Undeflected(upper, station, k));
                    const Panel3dVector after = perpendicular(f.Deflected(upper, station, k));
                    EXPECT_NEAR(Length(after), Length(before), 1e-12);
                    const double angle =
                        std::atan2(Dot(Cross(before, after), a), Dot(before, after));
                    EXPECT_NEAR(angle, f.theta, 1e-12);
                }
        // A positive window value turns the trailing edge down.
        const double drop = f.Deflected(true, 0, f.nf).z - f.Undeflected(true, 0, f.nf).z;
        EXPECT_EQ(drop<0, window> 0);
    }
}

TEST(Panel3dWingGridDeflection, ExtremeDeflectionsStayFiniteAndClosed) {
    for (int n : {2, 3, 4, 5, 6, 9})
        for (double hinge : {0.2, 0.6, 0.95})
            for (double window : {30.0, -30.0})
                for (double height : {0.0, 1.0}) {
                    SCOPED_TRACE(testing::Message()
                                 << n << " " << hinge << " " << window << " " << height);
                    auto w = DefaultWing(n, 2);
                    w->rootThickness = w->tipThickness = 20.0;
                    w->flapInnerEnd = 0.0;
                    w->flapOuterEnd = 1.0;
                    w->hingePosition = hinge;
                    w->hingeHeight = height;
                    Deflect(*w, -window, window);
                    Built(w);
                    for (const Panel3dPanel& p : w->wingPanels)
                        for (int c = 0; c < 4; ++c) {
                            const Panel3dVector v = p.Corner(c);
                            ASSERT_TRUE(std::isfinite(v.x) && std::isfinite(v.y) &&
                                        std::isfinite(v.z));
                        }
                    ExpectSharedPoints(*w, false);
                    ExpectClosedSections(*w, 1e-12);
                }
}

// ---- refused inputs ----

TEST(Panel3dWingGridInputs, RefusedInputsLeaveTheCornersAsTheyWere) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        const char* what;
        int n, m;
        std::function<void(Panel3dModel&)> change;
    };
    auto flap = [](double left) { return [left](Panel3dModel& w) { Deflect(w, left, 0.0); }; };
    const Case cases[] = {
        {"one chordwise panel", 1, 4, [](Panel3dModel&) {}},
        {"one spanwise panel", 4, 1, [](Panel3dModel&) {}},
        {"chordwise grading below the slider", 4, 4,
         [](Panel3dModel& w) { w.chordwiseGrading = 0.5; }},
        {"chordwise grading above", 4, 4, [](Panel3dModel& w) { w.chordwiseGrading = 1.01; }},
        {"spanwise grading below the sweep's", 4, 4,
         [](Panel3dModel& w) { w.spanwiseGrading = 0.51; }},
        {"spanwise grading NaN", 4, 4, [=](Panel3dModel& w) { w.spanwiseGrading = nan; }},
        {"half span too small", 4, 4, [](Panel3dModel& w) { w.halfSpan = 0.2; }},
        {"half span infinite", 4, 4, [=](Panel3dModel& w) { w.halfSpan = inf; }},
        {"root chord 0", 4, 4, [](Panel3dModel& w) { w.rootChord = 0.0; }},
        {"tip chord too long", 4, 4, [](Panel3dModel& w) { w.tipChord = 31.0; }},
        {"sweep", 4, 4, [](Panel3dModel& w) { w.leadingEdgeSweep = 61.0; }},
        {"quarter-chord sweep NaN", 4, 4, [=](Panel3dModel& w) { w.quarterChordSweep = nan; }},
        {"tip camber maximum outside the tip chord", 4, 4,
         [](Panel3dModel& w) { w.quarterChordSweep = 0.0; }},
        {"root incidence", 4, 4, [](Panel3dModel& w) { w.rootIncidence = 5.5; }},
        {"tip incidence", 4, 4, [](Panel3dModel& w) { w.tipIncidence = -6.0; }},
        {"thickness", 4, 4, [](Panel3dModel& w) { w.rootThickness = 5.0; }},
        {"camber", 4, 4, [](Panel3dModel& w) { w.tipCamber = 10.5; }},
        {"camber position 0", 4, 4, [](Panel3dModel& w) { w.rootCamberPosition = 0.0; }},
        {"camber position 100", 4, 4, [](Panel3dModel& w) { w.tipCamberPosition = 100.0; }},
        {"dihedral", 4, 4, [](Panel3dModel& w) { w.dihedral = 31.0; }},
        {"deflection beyond 30", 4, 4, flap(31.0)},
        {"deflection NaN", 4, 4, flap(nan)},
        {"flap ends equal", 4, 4,
         [](Panel3dModel& w) {
             w.flapInnerEnd = w.flapOuterEnd = 0.5;
             Deflect(w, 5, 5);
         }},
        {"flap end negative", 4, 4,
         [](Panel3dModel& w) {
             w.flapInnerEnd = -0.1;
             Deflect(w, 5, 5);
         }},
        {"flap end beyond the tip", 4, 4,
         [](Panel3dModel& w) {
             w.flapOuterEnd = 1.2;
             Deflect(w, 5, 5);
         }},
        {"hinge at the leading edge", 4, 4,
         [](Panel3dModel& w) {
             w.hingePosition = 0.0;
             Deflect(w, 5, 5);
         }},
        {"hinge at the trailing edge", 4, 4,
         [](Panel3dModel& w) {
             w.hingePosition = 1.0;
             Deflect(w, 5, 5);
         }},
        {"hinge height below", 4, 4,
         [](Panel3dModel& w) {
             w.hingeHeight = -0.1;
             Deflect(w, 5, 5);
         }},
        {"hinge height above", 4, 4,
         [](Panel3dModel& w) {
             w.hingeHeight = 1.1;
             Deflect(w, 5, 5);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto w = DefaultWing(c.n, c.m);
        c.change(*w);
        for (Panel3dPanel& p : w->wingPanels)
            for (int k = 0; k < 4; ++k) p.SetCorner(k, {7.0, 8.0, 9.0});
        std::fill(w->flapMarks.begin(), w->flapMarks.end(), 3);
        EXPECT_FALSE(w->GenerateWingGrid());
        for (const Panel3dPanel& p : w->wingPanels)
            for (int k = 0; k < 4; ++k) ASSERT_TRUE(Same(p.Corner(k), {7.0, 8.0, 9.0}));
        for (unsigned char mark : w->flapMarks) ASSERT_EQ(mark, 3);
    }
}

}  // namespace
