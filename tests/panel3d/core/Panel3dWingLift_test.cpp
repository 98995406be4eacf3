// The panel method at wing level against numbers that do not come from its code: a rectangular
// wing of aspect ratio 6 against the lifting line and Helmbold's formula as the grid is refined,
// and the lift slope of a swept, tapered wing against the vortex lattice on the same plan form.

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "llt/core/LltAnalysisRun.h"
#include "panel3d/core/Panel3dModule.h"
#include "panel3d/core/Panel3dRun.h"
#include "tests/panel3d/core/Panel3dSolverFixtures.h"
#include "tests/vlm/core/VlmTestWings.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kAlphaDeg = 4.0;

// A flat, uncambered wing of span 6 m and root chord 1 m at alpha 4 deg, the half model with a
// flat wake, no result files.
Panel3dInteractiveRunSettings Wing(double sweep, double tipChord, double thickness, int n, int m) {
    Panel3dInteractiveRunSettings s = panel3d_test::DefaultRunSettings();
    s.flow.alphaStar = kAlphaDeg;
    s.wing.span = 6;
    s.wing.sweep = sweep;
    s.wing.dihedral = 0;
    s.wing.rootChord = 1;
    s.wing.tipChord = tipChord;
    s.wing.rootIncidence = s.wing.tipIncidence = 0;
    s.wing.rootThickness = s.wing.tipThickness = thickness;
    s.wing.rootCamber = s.wing.tipCamber = 0;
    s.chordPanels = n;
    s.spanPanels = m;
    return s;
}

double PanelLift(const Panel3dInteractiveRunSettings& s) {
    const Panel3dRunOutcome out = RunPanel3dInteractive(s, nullptr, nullptr);
    EXPECT_EQ(out.error, Panel3dRunError::kNone);
    const double lift = out.error == Panel3dRunError::kNone ? out.model->totalLift : NAN;
    panel3d::Panel3dPanelModel.reset();
    return lift;
}

// Helmbold's lift slope [1/rad] of a wing of aspect ratio `lambda` with mid-chord sweep tangent
// `tanMid` and section lift slope 2 pi.
double Helmbold(double lambda, double tanMid) {
    return 2 * kPi * lambda / (2 + std::sqrt(lambda * lambda * (1 + tanMid * tanMid) + 4));
}

const std::vector<std::pair<int, int>> kGrids = {{8, 6}, {12, 8}, {16, 12}, {24, 16}};

// NACA 0012, aspect ratio 6: the lifting line and Helmbold give cA = 0.3162 at 4 deg. The panel
// value falls towards them as the grid is refined (each step changes it less than the one
// before) and ends within 2 % of both; a thick section in inviscid flow lifts a little more than
// the thin wing of both theories, the tip's cross flow over the thickness a little less.
TEST(Panel3dWingLift, RectangleOfAspectRatioSixConvergesOnTheLiftingLine) {
    LltAnalysisInputs in;
    in.span = 6;
    in.liftSlope = 1;
    in.s1 = 50, in.s2 = 40, in.s3 = 10;
    in.chordA = in.chordB = in.chordC = in.chordD = 1;
    in.angleA = kAlphaDeg;
    const double liftingLine = LltSolveAnalysis(in)->clSolved;
    const double helmbold = Helmbold(6, 0) * kAlphaDeg * kPi / 180;
    ASSERT_NEAR(liftingLine, helmbold, 0.002);

    std::vector<double> ca;
    for (const auto& [n, m] : kGrids) ca.push_back(PanelLift(Wing(0, 1, 12, n, m)));
    for (size_t k = 1; k + 1 < ca.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_LT(ca[k + 1], ca[k]);
        EXPECT_LT(std::fabs(ca[k + 1] - ca[k]), std::fabs(ca[k] - ca[k - 1]));
    }
    EXPECT_NEAR(ca.back() / liftingLine, 1.0, 0.02) << ca.back();
    EXPECT_NEAR(ca.back() / helmbold, 1.0, 0.02) << ca.back();
}

// The vortex lattice's plan form (span 6 m, chords 1 and 0.5 m, leading edge swept 32 deg) with a
// section of 6 % thickness: the panel's lift slope lies above the lattice's by less than 6 %. In
// inviscid flow a section of thickness t lifts about 0.77 t more than the thin plate, 4.6 % here.
TEST(Panel3dWingLift, SweptTaperedWingHasTheLiftSlopeOfTheVortexLattice) {
    VlmInteractiveInputs lattice = vlm_test::FlatRectangle(6, 1, kAlphaDeg, 24, 24);
    lattice.tipChord = 0.5;
    lattice.sweep = 32;
    VlmRunValues v = VlmInteractiveRunValues(lattice);
    v.result3dFileName = v.resultCpFileName = v.resultCaFileName = "";
    const VlmRunOutcome vlm = RunVlmInteractive(v, nullptr);
    ASSERT_EQ(vlm.error, VlmRunError::kNone);
    const double alpha = kAlphaDeg * kPi / 180;
    const double vlmSlope = vlm.results->ca / alpha;

    const double panelSlope = PanelLift(Wing(32, 0.5, 6, 24, 16)) / alpha;
    EXPECT_GT(panelSlope, vlmSlope) << panelSlope << " " << vlmSlope;
    EXPECT_LT(panelSlope, 1.06 * vlmSlope) << panelSlope << " " << vlmSlope;
}

}  // namespace
