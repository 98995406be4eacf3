// The extended lifting line against numbers that do not come from its code: three wings whose
// values etl_expected_values.py (beside this file) computes from the method's equations with a
// solve of its own, and the limits the method must meet: the unswept elliptic wing's k-factor
// and the lift slope of a swept wing between the vortex lattice and Helmbold's formula.

#include <gtest/gtest.h>

#include <cmath>

#include "etl/core/EtlRuns.h"
#include "etl/core/EtlSolver.h"
#include "tests/vlm/core/VlmTestWings.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Station {
    int slot;
    double gamma;
};

struct IndependentCase {
    const char* name;
    EtlAnalysisInputs in;
    double ca, cwi, k;
    Station gamma[5];
};

// Each row: the wing of the script's table and the values it prints (12 digits).
// Inputs: b; beta, f; leading-edge sweeps; lengths AB, BC, CD; chords A..D; root angle and the
// angles at B, C, D relative to it.
const IndependentCase kCases[] = {
    {"unswept rectangular",
     {10, 0, 1, 0, 0, 0, 50, 40, 10, 2, 2, 2, 2, 5, 0, 0, 0},
     0.3455620848,
     0.0076701963145,
     1.00896054978,
     {{1, 0.00158674032098},
      {13, 0.0194725748445},
      {26, 0.0331377749722},
      {40, 0.0402162171194},
      {51, 0.0416993966534}}},
    {"swept tapered, washed out",
     {12, 0, 0.95, 30, 25, 20, 30, 30, 40, 3, 2.5, 1.5, 1, 6, -1, -2, -4},
     0.338731459579,
     0.00622605030472,
     1.06268314469,
     {{1, 0.00078585973877},
      {13, 0.0100603952802},
      {26, 0.020689017529},
      {40, 0.0352476023012},
      {51, 0.0401502480062}}},
    {"window wing in sideslip",
     {10, 10, 1, 15, 15, 15, 50, 40, 10, 2, 2, 2, 2, 10, 0, 0, 0},
     0.683173996015,
     0.0300928094486,
     1.01279128986,
     {{1, 0.00320016001923},
      {13, 0.0392057890401},
      {26, 0.0662151169049},
      {40, 0.0792110442358},
      {51, 0.0809359168533}}},
};

// The script's values carry 12 digits; both solves agree far below that.
constexpr double kPrintPrecision = 1e-10;

TEST(EtlSolverIndependent, WingsMatchTheSeparateCalculation) {
    for (const IndependentCase& c : kCases) {
        SCOPED_TRACE(c.name);
        const auto s = EtlSolveAnalysis(c.in);
        EXPECT_NEAR(s->liftCoefficient / c.ca, 1.0, kPrintPrecision) << s->liftCoefficient;
        EXPECT_NEAR(s->inducedDragCoefficient / c.cwi, 1.0, kPrintPrecision)
            << s->inducedDragCoefficient;
        EXPECT_NEAR(s->kFactor / c.k, 1.0, kPrintPrecision) << s->kFactor;
        for (const Station& st : c.gamma) {
            EXPECT_NEAR(s->gamma[st.slot] / st.gamma, 1.0, kPrintPrecision)
                << "slot " << st.slot << ": " << s->gamma[st.slot];
            // The other half mirrors the first.
            EXPECT_NEAR(s->gamma[102 - st.slot] / st.gamma, 1.0, kPrintPrecision);
        }
    }
}

// An unswept wing of elliptic chord without sideslip or twist carries an elliptic loading: k = 1
// up to what the sweep matrix's chord term and the 101 stations leave, here 0.12 %.
TEST(EtlSolverIndependent, UnsweptEllipticWingHasUnitKFactor) {
    for (const double b : {6.0, 10.0, 30.0}) {
        SCOPED_TRACE(b);
        EtlSolver s;
        s.SetStations(b);
        s.SetTrapezoidChord(b, 100, 0, 0, 2, 2, 2, 2);
        for (int k = 0; k <= 102; ++k) s.chord[k] = 2 * std::sin(s.theta[k]);
        s.SetTrapezoidSweep(b, 0, 0, 0, 100, 0, 0);
        s.SetTrapezoidTwist(b, 5, 5, 5, 5, 100, 0, 0);
        s.ComputePlanform();
        s.BuildInfluenceMatrix(b);
        s.BuildSweepMatrixTrapezoid(0, 100, 0, 0, 1);
        s.SolveCirculation();
        s.ComputeInducedAngles();
        s.ComputeCoefficients();
        EXPECT_GE(s.kFactor, 1.0 - 1e-9);
        EXPECT_LT(s.kFactor, 1.005);
        // Area of the ellipse pi b c_root / 4, within the trapezoidal rule's error.
        EXPECT_NEAR(s.area / (kPi * b * 2 / 4), 1.0, 1e-3);
    }
}

// The vortex lattice's plan form (span 6 m, chords 1 and 0.5 m, leading edge swept 32 deg,
// aspect ratio 8): the lift slope of the extended lifting line lies between the lattice's on a
// fine grid (4.354/rad) and Helmbold's formula with the mid-chord sweep (4.442/rad), and within
// 3 % of Helmbold.
TEST(EtlSolverIndependent, SweptWingLiftSlopeBetweenVortexLatticeAndHelmbold) {
    const double alphaDeg = 4;
    const double alpha = alphaDeg * kPi / 180;
    EtlAnalysisInputs in{};
    in.span = 6;
    in.liftSlopeFactor = 1;
    in.sweep1 = 32;
    in.lengthAB = 100;
    in.chordA = 1;
    in.chordB = in.chordC = in.chordD = 0.5;
    in.angleA = alphaDeg;
    const auto etl = EtlSolveAnalysis(in);
    ASSERT_NEAR(etl->aspectRatio, 8.0, 1e-9);
    const double etlSlope = etl->liftCoefficient / alpha;

    const double tanMid = std::tan(32 * kPi / 180) - (1 - 0.5) / 2 / 3;
    const double lambda = 8;
    const double helmbold =
        2 * kPi * lambda / (2 + std::sqrt(lambda * lambda * (1 + tanMid * tanMid) + 4));

    VlmInteractiveInputs lattice = vlm_test::FlatRectangle(6, 1, alphaDeg, 24, 24);
    lattice.tipChord = 0.5;
    lattice.sweep = 32;
    VlmRunValues v = VlmInteractiveRunValues(lattice);
    v.result3dFileName = v.resultCpFileName = v.resultCaFileName = "";
    const VlmRunOutcome vlm = RunVlmInteractive(v, nullptr);
    ASSERT_EQ(vlm.error, VlmRunError::kNone);
    const double vlmSlope = vlm.results->ca / alpha;

    EXPECT_GT(etlSlope, vlmSlope) << etlSlope;
    EXPECT_LT(etlSlope, helmbold) << etlSlope;
    EXPECT_NEAR(etlSlope / helmbold, 1.0, 0.03) << etlSlope;
}

}  // namespace
