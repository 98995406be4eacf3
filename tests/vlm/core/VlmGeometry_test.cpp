// Lattice geometry of the vortex-lattice method: chordwise spacing, NACA camber lines as
// Birnbaum coefficients, the trapezoid wing and its normals, and the flat wake's growth ratio.

#include <gtest/gtest.h>

#include <cmath>

#include "tests/vlm/core/VlmTestWings.h"

namespace {

using vlm_test::BuildInteractive;
using vlm_test::DefaultInputs;

TEST(VlmGeometry, ChordwiseStationsAndCollocationAngles) {
    VlmRunValues v = VlmInteractiveRunValues(DefaultInputs());
    v.chordwiseCount = 4;
    v.distributionParameter = 100;
    VlmSolver fine(v);
    fine.ComputeChordwiseDistribution();
    const double x100[] = {1.0, 0.617317, 0.292893, 0.076120, 0.0};
    for (int m = 0; m <= 4; ++m) {
        EXPECT_NEAR(fine.chordFraction[m], x100[m], 1e-6) << m;
        EXPECT_NEAR(fine.chordFraction[m], 1.0 - std::sin(VlmPi / 2 * m / 4), 1e-14) << m;
    }

    VlmSolver defaults(VlmInteractiveRunValues(DefaultInputs()));  // k 4, nx 30
    defaults.ComputeChordwiseDistribution();
    EXPECT_NEAR(defaults.chordFraction[0], 1.0, 1e-15);
    EXPECT_NEAR(defaults.chordFraction[30], 0.0, 1e-15);
    EXPECT_NEAR(defaults.chordFraction[1], 0.979703, 1e-6);
    EXPECT_NEAR(defaults.chordFraction[15], 0.418020, 1e-6);
    EXPECT_NEAR(defaults.chordFraction[29], 0.002178, 1e-6);
    EXPECT_NEAR(defaults.collocAngle[0], 0.142588, 1e-6);
    EXPECT_NEAR((1.0 + std::cos(defaults.collocAngle[0])) / 2, 0.994926, 1e-6);
}

TEST(VlmGeometry, NacaCamberLinesBecomeBirnbaumCoefficients) {
    // Root: camber 4 % at 40 %, incidence 2.5 deg. Tip: no camber, incidence 2.5 deg.
    VlmInteractiveInputs in = DefaultInputs();
    in.tipCamber = 0.0;
    in.tipCamberPosition = 0.0;
    in.tipIncidence = 2.5;
    const auto s = BuildInteractive(VlmInteractiveRunValues(in));
    EXPECT_NEAR(s->rootMaxCamberAngle, 1.772154, 1e-6);
    EXPECT_NEAR(-s->birnbaumSumRoot[0] / VlmPi, -0.009148, 1e-6);  // A0 before the closure
    const auto& root = s->segments[0].birnbaumA;
    EXPECT_NEAR(root[1], 0.163014, 1e-6);
    EXPECT_NEAR(root[2], -0.028047, 1e-6);
    EXPECT_NEAR(s->slopeIntegralRoot, -0.000205, 1e-6);
    EXPECT_NEAR(root[0], 0.034690, 1e-6);

    const auto& tip = s->segments[0].birnbaumB;
    EXPECT_NEAR(tip[0], 0.0436332, 1e-7);
    EXPECT_NEAR(tip[0], 2.5 * VlmPi / 180, 1e-15);
    for (int n = 1; n < kVlmBirnbaumTerms; ++n) EXPECT_EQ(tip[n], 0.0) << n;
    EXPECT_EQ(s->slopeIntegralTip, 0.0);
    // The halves carry the same sections, exchanged.
    EXPECT_EQ(s->segments[1].birnbaumB, root);
    EXPECT_EQ(s->segments[1].birnbaumA, tip);
}

TEST(VlmGeometry, NormalsFollowCamberIncidenceAndDihedral) {
    struct Case {
        double incidence;
        double dihedral;
        int birnbaumCount;
    };
    for (const Case c : {Case{0.0, 5.0, 21}, Case{2.5, 0.0, 21}, Case{2.5, 0.0, 1}}) {
        VlmInteractiveInputs in = DefaultInputs();
        in.rootCamber = in.tipCamber = 0.0;
        in.rootCamberPosition = in.tipCamberPosition = 0.0;
        in.rootIncidence = in.tipIncidence = c.incidence;
        in.dihedral = c.dihedral;
        in.birnbaumCount = c.birnbaumCount;
        const auto s = BuildInteractive(VlmInteractiveRunValues(in));
        const double d = c.dihedral * VlmPi / 180;
        const double tilt = std::atan(c.incidence * VlmPi / 180);
        for (int g = 0; g < 2; ++g) {
            const double side = g == 0 ? 1.0 : -1.0;  // segment 1 has dihedral -d
            for (const VlmStrip& strip : s->segments[g].strips) {
                for (const VlmLatticeElement& el : strip.elements) {
                    EXPECT_NEAR(el.normal[0], std::sin(tilt), 1e-14);
                    EXPECT_NEAR(el.normal[1], -side * std::cos(tilt) * std::sin(d), 1e-14);
                    EXPECT_NEAR(el.normal[2], std::cos(tilt) * std::cos(d), 1e-14);
                }
            }
        }
    }
}

TEST(VlmGeometry, TrapezoidHalvesMirrorEachOther) {
    const VlmRunValues v = VlmInteractiveRunValues(DefaultInputs());
    const auto s = BuildInteractive(v);
    ASSERT_EQ(s->elementCount(), 900);
    const VlmSegment& right = s->segments[0];
    const VlmSegment& left = s->segments[1];
    EXPECT_NEAR(right.strips[0].trailingEdgeA[1] / 3.0, std::cos(VlmPi / 30), 1e-15);
    EXPECT_NEAR(right.strips[0].trailingEdgeA[1] / 3.0, 0.994522, 1e-6);
    EXPECT_EQ(right.strips[0].trailingEdgeB[1], 3.0);
    // Strip 0 of the left half lies next to the root.
    EXPECT_NEAR(left.strips[0].trailingEdgeB[1], 0.0, 1e-15);
    auto mirrored = [](const VlmPoint& a, const VlmPoint& b) {
        return a[0] == b[0] && a[1] == -b[1] && a[2] == b[2];
    };
    EXPECT_TRUE(mirrored(left.leadingEdgeA, right.leadingEdgeB));
    EXPECT_TRUE(mirrored(left.trailingEdgeB, right.trailingEdgeA));
    for (int j = 0; j < 15; ++j) {
        const VlmStrip& r = right.strips[14 - j];
        const VlmStrip& l = left.strips[j];
        for (int i = 0; i < 30; ++i) {
            const VlmLatticeElement& a = r.elements[i];
            const VlmLatticeElement& b = l.elements[i];
            EXPECT_TRUE(mirrored(a.boundA, b.boundB) && mirrored(a.boundB, b.boundA) &&
                        mirrored(a.colloc, b.colloc) && mirrored(a.trailingEdgeA, b.trailingEdgeB))
                << j << " " << i;
            EXPECT_NEAR(a.normal[0], b.normal[0], 1e-15);
            EXPECT_NEAR(a.normal[1], -b.normal[1], 1e-15);
            EXPECT_NEAR(a.normal[2], b.normal[2], 1e-15);
        }
    }
}

TEST(VlmGeometry, WakeGrowthRatioFitsTheWakeLength) {
    const auto s = BuildInteractive(VlmInteractiveRunValues(DefaultInputs()));
    EXPECT_EQ(s->wakeFitPasses, 33);
    EXPECT_NEAR(s->wakeGrowthRatio, 1.11262, 5e-6);
    EXPECT_EQ(s->wakeElementLength[0], 0.25);
    double total = 0.0;
    for (int k = 0; k < 25; ++k) total += s->wakeElementLength[k];
    EXPECT_NEAR(total / 30.0, 1.0, 0.02);
    // Row 0 on the trailing edge; the flat wake leaves along the free stream.
    EXPECT_EQ(s->wakeRows[0].y[0], 3.0);
    EXPECT_EQ(s->wakeRows[0].x[30], s->segments[1].trailingEdgeA[0]);
    EXPECT_NEAR(s->wakeRows[25].x[0] - s->wakeRows[0].x[0], total, 1e-12);
}

}  // namespace
