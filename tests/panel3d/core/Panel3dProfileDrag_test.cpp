#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "panel3d/core/Panel3dEvaluationRecord.h"
#include "panel3d/core/Panel3dModel.h"
#include "panel3d/core/Panel3dModule.h"
#include "panel3d/core/Panel3dPolarEvaluator.h"
#include "panel3d/core/Panel3dXfoil.h"
#include "tests/panel3d/core/Panel3dSolverFixtures.h"
#include "tests/panel3d/core/Panel3dTestGrids.h"
#include "tests/support/TempDir.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// A folded flat plate (z = 0) of N = 4: the contour runs x/c = 1, .75, .5, .25, 0 and back, so
// every run length is a sum of quarter-chord steps of the strip's mean chord. Station s lies at
// y = stations[s] with the chord chords[s]; speeds[j] holds the 8 panels' |V| of strip j.
struct Strips {
    std::vector<double> chords;
    std::vector<double> stations;
    std::vector<std::vector<double>> speeds;
};

std::shared_ptr<Panel3dModel> PlateWing(const Strips& in) {
    const int n = 4;
    const int m = static_cast<int>(in.stations.size()) / 2;
    Panel3dModelSizes sizes{n, m, 1, 0, 0.1, 5.0};
    auto w = Panel3dModel::Create(sizes);
    const double x[] = {1, 0.75, 0.5, 0.25, 0, 0.25, 0.5, 0.75, 1};
    panel3d_test::SetWingCorners(*w, [&](int i, int s) {
        return Panel3dVector{in.chords[s] * x[i], in.stations[s], 0.0};
    });
    for (int j = 0; j < 2 * m; ++j) {
        for (int i = 0; i < 2 * n; ++i) {
            Panel3dPanel& p = w->wingPanels[2 * n * j + i];
            const Panel3dVector mid =
                0.25 * (p.Corner(0) + p.Corner(1) + p.Corner(2) + p.Corner(3));
            p.centroid = {mid.x, mid.y, mid.z};
            p.velocityMagnitude = in.speeds[j][i];
        }
        w->stripLift[j] = 0.1 * (j + 1);
        w->stripInducedDrag[j] = 0.01 * (j + 1);
    }
    w->totalLift = 0.4;
    w->totalInducedDrag = 0.02;
    w->momentY = -0.1;
    w->referenceChord = 0.8;
    w->referenceArea = 2.0;
    return w;
}

// Integral of U^3 for U linear from ua to ub over [0, len], by Simpson's rule: an independent
// check of the closed form the evaluation uses.
double Simpson(double ua, double ub, double len) {
    const int steps = 2000;
    double sum = 0;
    for (int i = 0; i <= steps; ++i) {
        const double u = ua + (ub - ua) * i / steps;
        const double w = (i == 0 || i == steps) ? 1 : (i % 2 ? 4 : 2);
        sum += w * u * u * u;
    }
    return sum * len / (3.0 * steps);
}

Panel3dPolarEvaluator Evaluator(double v, double nu, int mode, double count) {
    Panel3dPolarEvaluator e;
    e.SetFlowState(v, nu, mode, -4, 2, count, 40, 30, 5, 300, 0.8);
    return e;
}

const std::vector<double> kProfile = {2.1, 1.1, 1.0, 0.1, 0.5, 0.9, 1.0, 1.05};

}  // namespace

// Stagnation at panel 3 of a unit chord: side 1 runs 3-2-1 to the trailing-edge panel 0, side 2
// runs 3-4-5-6 to panel 7. Run lengths to the centroids are 0.25 per panel; the trailing edges
// lie 0.125 further. Both sides reach Re_TE = 10^6 at the start of their last segment.
TEST(Panel3dProfileDrag, EachFormulaOfOneSectionFromKnownSpeeds) {
    const double v = 10.0;
    const double nu = 0.525e-5;  // side 1: 10 * 2.1 * 0.25 / nu; side 2: 10 * 1.05 * 0.5 / nu
    auto w = PlateWing({{1.0, 1.0, 1.0}, {1.0, 0.0, -1.0}, {kProfile, kProfile}});
    auto e = Evaluator(v, nu, 0, 1);
    e.SetOperatingPoint(3.0, 1);
    e.EvaluateProfileDrag(*w);
    const auto r = e.Record();
    ASSERT_NE(r, nullptr);

    const double cf =
        0.0576 * std::pow(nu / (0.875 * v), 0.2) + 0.0576 * std::pow(nu / (1.125 * v), 0.2);
    EXPECT_NEAR(r->GetSectionCfEp(0), cf, 1e-15);

    const double re = v * 1.0 / nu;
    EXPECT_NEAR(r->GetSectionReynolds(1, 0), re, 1e-6);
    const double g = v * (0.5 + 1.0) / (0.25 + 0.25);
    const double start = 0.290042 * 1.619976 * std::pow(v * 0.1, 3) / std::sqrt(g * re);
    auto u = [&](int i) { return v * kProfile[i]; };
    const double sum1 = Simpson(u(3), u(2), 0.25) + Simpson(u(2), u(1), 0.25);
    const double sum2 =
        Simpson(u(3), u(4), 0.25) + Simpson(u(4), u(5), 0.25) + Simpson(u(5), u(6), 0.25);
    const double d1 = 2 * 0.625 * (start + sum1) / (80 * std::pow(u(0), 3)) * std::pow(2.1, 3.5);
    const double d2 = 2 * 0.625 * (start + sum2) / (80 * std::pow(u(7), 3)) * std::pow(1.05, 3.5);
    EXPECT_NEAR(r->GetSectionCfInt(0), d1 + d2, 1e-9 * (d1 + d2));

    const double logLaw = 2 * 0.455 / std::pow(6.0, 2.58);
    EXPECT_NEAR(r->GetSectionCfTurbulent(0), 2 * logLaw, 1e-12);

    EXPECT_DOUBLE_EQ(r->GetSectionLengthX(0), 1.0);
    EXPECT_DOUBLE_EQ(r->GetSectionLeadingEdgeY(0), 0.5);
    EXPECT_DOUBLE_EQ(r->GetSectionEta(0), 0.5);  // y of the leading edge over the tip's y
    EXPECT_DOUBLE_EQ(r->GetSectionEta(1), -0.5);
    EXPECT_DOUBLE_EQ(r->GetSectionCa(1), 0.2);
    EXPECT_DOUBLE_EQ(r->GetSectionCwi(1), 0.02);

    // Totals: means of equal sections, then the model's values and l_DP = -l_ref cMy / cA.
    EXPECT_NEAR(r->GetTotalCoefficient(0), cf, 1e-15);
    EXPECT_NEAR(r->GetTotalCoefficient(1), 2 * logLaw, 1e-12);
    EXPECT_DOUBLE_EQ(r->GetTotalCoefficient(2), 0.02);
    EXPECT_DOUBLE_EQ(r->GetTotalCoefficient(3), 0.4);
    EXPECT_DOUBLE_EQ(r->GetTotalCoefficient(4), -0.1);
    EXPECT_DOUBLE_EQ(r->GetTotalCoefficient(5), 0.8 * 0.1 / 0.4);
}

// The span mean weights each section by its x length: with two strips it is the weighted
// mean whatever their widths, and a value equal on every strip is its own mean.
TEST(Panel3dProfileDrag, SpanMeansWeightSectionsByTheirLength) {
    const double v = 20.0;
    const double nu = 1.5e-5;
    {
        // Strip chords 1 and 2: the mean of their stations' chords.
        auto w = PlateWing({{1.0, 1.0, 3.0}, {2.0, 1.7, -1.0}, {kProfile, kProfile}});
        auto e = Evaluator(v, nu, 0, 1);
        e.SetOperatingPoint(0.0, 1);
        e.EvaluateProfileDrag(*w);
        const auto r = e.Record();
        const double mean = (r->GetSectionCfEp(0) * 1.0 + r->GetSectionCfEp(1) * 2.0) / 3.0;
        EXPECT_NE(r->GetSectionCfEp(0), r->GetSectionCfEp(1));
        EXPECT_NEAR(r->GetTotalCoefficient(0), mean, 1e-15);
    }
    {
        // Trailing-edge speeds scaled by 1/chord keep Re_TE, and so the log law, equal.
        const std::vector<double> chords = {0.5, 1.0, 2.0, 4.0, 8.0};
        Strips in{chords, {3.0, 2.9, 1.0, -0.5, -3.0}, {}};
        for (int j = 0; j < 4; ++j) {
            const double c = 0.5 * (chords[j] + chords[j + 1]);
            auto speeds = kProfile;
            speeds[0] /= c;
            speeds[7] /= c;
            in.speeds.push_back(speeds);
        }
        auto w = PlateWing(in);
        auto e = Evaluator(v, nu, 0, 1);
        e.SetOperatingPoint(0.0, 1);
        e.EvaluateProfileDrag(*w);
        const auto r = e.Record();
        const double t = r->GetSectionCfTurbulent(0);
        for (int s = 1; s < 4; ++s) {
            EXPECT_NEAR(r->GetSectionCfTurbulent(s), t, 1e-15 * 4);
        }
        EXPECT_NEAR(r->GetTotalCoefficient(1), t, 1e-15 * 4);
    }
}

// A stagnation panel at either end of a strip takes its velocity gradient from its one
// neighbour inside the strip, and a side without an integrated segment still gives a number.
TEST(Panel3dProfileDrag, StagnationAtAStripEndStaysInsideTheStrip) {
    const double v = 15.0;
    const double nu = 1.5e-5;
    const std::vector<double> atFirst = {0.05, 0.6, 0.9, 1.0, 1.1, 1.2, 1.25, 1.3};
    const std::vector<double> atLast = {1.3, 1.25, 1.2, 1.1, 1.0, 0.9, 0.6, 0.05};
    // The other strip's panels next door are slower still: they must not be read.
    const std::vector<double> slow = {0.01, 0.01, 0.01, 0.01, 0.01, 0.01, 0.01, 0.01};
    struct Case {
        std::vector<std::vector<double>> speeds;
        int strip;
        int stag;
        int neighbour;
    };
    const Case cases[] = {
        {{slow, atFirst}, 1, 0, 1},
        {{atLast, slow}, 0, 7, 6},
    };
    for (const Case& c : cases) {
        auto w = PlateWing({{1.0, 1.0, 1.0}, {1.0, 0.0, -1.0}, c.speeds});
        auto e = Evaluator(v, nu, 0, 1);
        e.SetOperatingPoint(0.0, 1);
        e.EvaluateProfileDrag(*w);
        const auto r = e.Record();
        const auto& speeds = c.speeds[c.strip];
        const double re = v / nu;
        const double g = v * speeds[c.neighbour] / 0.25;
        const double start =
            0.290042 * 1.619976 * std::pow(v * speeds[c.stag], 3) / std::sqrt(g * re);
        // The long side integrates six segments from the stagnation centroid.
        double sum = 0;
        const int step = c.neighbour - c.stag;
        for (int k = 0; k < 6; ++k) {
            const int a = c.stag + k * step;
            sum += Simpson(v * speeds[a], v * speeds[a + step], 0.25);
        }
        const int te = c.stag + 7 * step;
        const double longSide = 2 * 0.625 * (start + sum) / (80 * std::pow(v * speeds[te], 3)) *
                                std::pow(speeds[te], 3.5);
        // The short side is the stagnation panel itself: no segment, nothing added.
        const double shortSide = 2 * 0.625 * start / (80 * std::pow(v * speeds[c.stag], 3)) *
                                 std::pow(speeds[c.stag], 3.5);
        EXPECT_NEAR(r->GetSectionCfInt(c.strip), longSide + shortSide,
                    1e-9 * (longSide + shortSide));
        EXPECT_TRUE(std::isfinite(r->GetSectionCfEp(c.strip)));
    }
}

// A segment whose ends have the same U adds U^3 * length instead of 0/0.
TEST(Panel3dProfileDrag, EqualSpeedsOnASegmentAddTheirCubeTimesLength) {
    const double v = 10.0;
    const double nu = 1e-5;
    auto flat = kProfile;
    flat[1] = flat[2] = 1.0;  // segment 2-1 has equal ends
    auto w = PlateWing({{1.0, 1.0, 1.0}, {1.0, 0.0, -1.0}, {flat, kProfile}});
    auto e = Evaluator(v, nu, 0, 1);
    e.SetOperatingPoint(0.0, 1);
    e.EvaluateProfileDrag(*w);
    const double cfi = e.Record()->GetSectionCfInt(0);
    ASSERT_TRUE(std::isfinite(cfi));
    const double g = v * (0.5 + 1.0) / 0.5;
    const double start = 0.290042 * 1.619976 * std::pow(v * 0.1, 3) / std::sqrt(g * v / nu);
    const double sum1 = Simpson(v * 0.1, v * 1.0, 0.25) + std::pow(v * 1.0, 3) * 0.25;
    const double sum2 = Simpson(v * 0.1, v * 0.5, 0.25) + Simpson(v * 0.5, v * 0.9, 0.25) +
                        Simpson(v * 0.9, v * 1.0, 0.25);
    const double d1 = 2 * 0.625 * (start + sum1) / (80 * std::pow(v * 2.1, 3)) * std::pow(2.1, 3.5);
    const double d2 =
        2 * 0.625 * (start + sum2) / (80 * std::pow(v * 1.05, 3)) * std::pow(1.05, 3.5);
    EXPECT_NEAR(cfi, d1 + d2, 1e-9 * (d1 + d2));
}

// The contour for the profile files: chord-normalised, leading edge at x = 0, trailing edge at
// x = 1, z over the section's x length.
TEST(Panel3dProfileDrag, SectionContoursAreNormalisedToTheChord) {
    auto w = PlateWing({{2.0, 2.0, 2.0}, {1.0, 0.0, -1.0}, {kProfile, kProfile}});
    // Give the contour a thickness: raise the upper and lower middle points.
    for (Panel3dPanel& p : w->wingPanels) {
        for (int k = 0; k < 4; ++k) {
            if (std::abs(p.cornerX[k] - 1.0) < 1e-12) {
                p.cornerZ[k] = 0.1;
            }
        }
    }
    auto e = Evaluator(10, 1e-5, 0, 1);
    e.SetOperatingPoint(0.0, 1);
    e.EvaluateProfileDrag(*w);
    const auto r = e.Record();
    const double x[] = {1, 0.75, 0.5, 0.25, 0, 0.25, 0.5, 0.75, 1};
    for (int s = 0; s < 2; ++s) {
        for (int k = 0; k < 9; ++k) {
            EXPECT_NEAR(r->GetSectionX(s, k), x[k], 1e-15);
            EXPECT_NEAR(r->GetSectionZ(s, k), (k == 2 || k == 6) ? 0.05 : 0.0, 1e-15);
        }
    }
    EXPECT_TRUE(std::isnan(r->GetSectionX(0, 9)));
    EXPECT_TRUE(std::isnan(r->GetSectionX(2, 0)));
}

// Which arrays a point fills: a single state none, a lift polar index p-1 of each series, a
// speed polar 0 to 4 of the speed series with each point's own speed.
TEST(Panel3dProfileDrag, PointsFillTheirIndexOfThePolarSeries) {
    const double nu = 1.5e-5;
    {
        auto w = PlateWing({{1.0, 1.0, 1.0}, {1.0, 0.0, -1.0}, {kProfile, kProfile}});
        auto e = Evaluator(30, nu, 0, 1);
        e.SetOperatingPoint(5.0, 1);
        e.EvaluateProfileDrag(*w);
        const auto r = e.Record();
        EXPECT_TRUE(r->pointCa.empty());
        EXPECT_TRUE(r->pointSpeed.empty());
        EXPECT_TRUE(std::isnan(r->GetPointCa(0)));
        EXPECT_DOUBLE_EQ(r->GetTotalCoefficient(3), 0.4);
        EXPECT_DOUBLE_EQ(e.GetPointCount(), 1.0);
        EXPECT_DOUBLE_EQ(r->GetPointStripLift(1, 1), 0.2);
    }
    {
        auto w = PlateWing({{1.0, 1.0, 1.0}, {1.0, 0.0, -1.0}, {kProfile, kProfile}});
        auto e = Evaluator(30, nu, 1, 4);
        for (int p = 1; p <= 4; ++p) {
            w->totalLift = 0.1 * p;
            w->momentY = -0.02 * p * p;
            w->stripLift[0] = p;
            e.SetOperatingPoint(-4 + 2 * (p - 1), p);
            e.EvaluateProfileDrag(*w);
            const auto r = e.Record();
            EXPECT_DOUBLE_EQ(r->GetPointCa(p - 1), 0.1 * p);
            EXPECT_DOUBLE_EQ(r->GetPointAlpha(p - 1), -4 + 2 * (p - 1));
            EXPECT_DOUBLE_EQ(r->GetPointCmy(p - 1), -0.02 * p * p);
            EXPECT_DOUBLE_EQ(r->GetPointLdp(p - 1), 0.8 * 0.02 * p * p / (0.1 * p));
            EXPECT_TRUE(p == 4 || std::isnan(r->GetPointCa(p)));
        }
        const auto r = e.Record();
        EXPECT_EQ(r->EvaluatedPoints(), 4);
        for (int p = 1; p <= 4; ++p) {
            EXPECT_DOUBLE_EQ(r->GetPointStripLift(p, 0), p);  // each point keeps its own lifts
            EXPECT_NEAR(r->GetSectionReynolds(p, 1), 30.0 / nu, 1e-6);
        }
        EXPECT_EQ(r->sectionReynolds.size(), 4u * 2u);
        // l_NP from the end points: (cMy(0) - cMy(3)) * l_ref / (cA(3) - cA(0)).
        EXPECT_NEAR(e.NeutralPoint(), (-0.02 + 0.32) * 0.8 / 0.3, 1e-15);
        EXPECT_TRUE(std::isnan(r->GetPointCa(4)));
    }
    {
        auto w = PlateWing({{1.0, 1.0, 1.0}, {1.0, 0.0, -1.0}, {kProfile, kProfile}});
        auto e = Evaluator(30, nu, 2, 5);
        for (int i = 0; i < 5; ++i) {
            const double v = 30 + 10 * i;
            w->totalLift = i == 4 ? 0.0 : 1.0 / (i + 1);
            e.SetSpeedPoint(i, v, 0.5, 2.0);
            e.SetOperatingPoint(2.0, i + 1);
            e.EvaluateProfileDrag(*w);
            const auto r = e.Record();
            EXPECT_DOUBLE_EQ(r->GetPointSpeed(i), v);
            // Speeds use the point's own v: the Reynolds number grows with it.
            EXPECT_NEAR(r->GetSectionReynolds(i + 1, 0), v / nu, 1e-6);
            const double ca = r->GetTotalCoefficient(3);
            const double drags[] = {r->GetTotalCoefficient(2) + r->GetTotalCoefficient(0),
                                    r->GetTotalCoefficient(2) + r->GetTotalCoefficient(1),
                                    r->GetTotalCoefficient(2)};
            const double vv[] = {r->GetVvEp(i), r->GetVvInt(i), r->GetVvInduced(i)};
            const double vh[] = {r->GetVhEp(i), r->GetVhInt(i), r->GetVhInduced(i)};
            const double power[] = {r->GetPowerEp(i), r->GetPowerInt(i), r->GetPowerInduced(i)};
            const double thrust[] = {r->GetThrustEp(i), r->GetThrustInt(i), r->GetThrustInduced(i)};
            for (int k = 0; k < 3; ++k) {
                EXPECT_NEAR(std::hypot(vv[k], vh[k]), v, 1e-12 * v);
                if (ca != 0) {
                    EXPECT_NEAR(vv[k] / vh[k], -drags[k] / ca, 1e-12);
                } else {
                    EXPECT_NEAR(vv[k], -v, 1e-12);  // without lift straight down
                }
                EXPECT_NEAR(thrust[k], drags[k] * 2.0 * v * v * 1.225 / 2, 1e-9);
                EXPECT_NEAR(power[k], thrust[k] * v / 0.8, 1e-9);
            }
        }
        const auto r = e.Record();
        EXPECT_TRUE(std::isnan(r->GetVvEp(5)));
        EXPECT_TRUE(std::isnan(r->GetVvXfoil(0)));  // the XFOIL series wait for XFOIL
        EXPECT_DOUBLE_EQ(e.GetPointCount(), 5.0);
    }
}

// Every getter answers NaN outside its array, also before the first evaluation.
TEST(Panel3dProfileDrag, GettersAnswerNaNOutOfRange) {
    Panel3dPolarEvaluator empty;
    EXPECT_TRUE(std::isnan(empty.GetSectionEta(0)));
    EXPECT_TRUE(std::isnan(empty.GetTotalCoefficient(0)));
    EXPECT_TRUE(std::isnan(empty.NeutralPoint()));

    auto w = PlateWing({{1.0, 1.0, 1.0}, {1.0, 0.0, -1.0}, {kProfile, kProfile}});
    auto e = Evaluator(30, 1.5e-5, 2, 3);
    e.SetSpeedPoint(0, 30, 0.5, 2.0);
    e.SetOperatingPoint(2.0, 1);
    e.EvaluateProfileDrag(*w);
    using Get = double (Panel3dPolarEvaluator::*)(int) const;
    struct Case {
        Get get;
        int size;
    };
    const Case cases[] = {
        {&Panel3dPolarEvaluator::GetSectionEta, 3},
        {&Panel3dPolarEvaluator::GetSectionCwi, 3},
        {&Panel3dPolarEvaluator::GetSectionCfEp, 3},
        {&Panel3dPolarEvaluator::GetSectionCfInt, 3},
        {&Panel3dPolarEvaluator::GetSectionCwXfoil, 3},
        {&Panel3dPolarEvaluator::GetSectionCwrXfoil, 3},
        {&Panel3dPolarEvaluator::GetSectionCwpXfoil, 3},
        {&Panel3dPolarEvaluator::GetTotalCoefficient, 6},
        {&Panel3dPolarEvaluator::GetXfoilTotalCoefficient, 9},
        {&Panel3dPolarEvaluator::GetPointCa, 3},
        {&Panel3dPolarEvaluator::GetPointLdp, 3},
        {&Panel3dPolarEvaluator::GetVvEp, 3},
        {&Panel3dPolarEvaluator::GetVhInduced, 3},
        {&Panel3dPolarEvaluator::GetPowerInt, 3},
        {&Panel3dPolarEvaluator::GetThrustXfoil, 3},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(std::isnan((e.*c.get)(-1)));
        EXPECT_TRUE(std::isnan((e.*c.get)(c.size)));
        EXPECT_TRUE(std::isnan((e.*c.get)(1 << 30)));
    }
    // Station 2M is room the strips never fill.
    EXPECT_TRUE(std::isnan(e.GetSectionEta(2)));
    EXPECT_FALSE(std::isnan(e.GetSectionEta(1)));
    const auto r = e.Record();
    EXPECT_TRUE(std::isnan(r->GetSectionReynolds(0, 0)));
    EXPECT_TRUE(std::isnan(r->GetSectionReynolds(4, 0)));
    EXPECT_TRUE(std::isnan(r->GetSectionReynolds(1, 2)));
    EXPECT_TRUE(std::isnan(r->GetPointStripLift(2, 0)));  // not yet evaluated
    EXPECT_TRUE(std::isnan(r->GetPointStripLift(1, 2)));
}

// Each run makes its own record: a window holding the older one keeps its sizes and values,
// and the newest run's counts and flow state go with its own record.
TEST(Panel3dProfileDrag, EachRunKeepsItsOwnRecord) {
    auto e = Evaluator(30, 1.5e-5, 1, 2);
    auto small = PlateWing({{1.0, 1.0, 1.0}, {1.0, 0.0, -1.0}, {kProfile, kProfile}});
    for (int p = 1; p <= 2; ++p) {
        small->totalLift = 0.5 * p;
        e.SetOperatingPoint(p, p);
        e.EvaluateProfileDrag(*small);
    }
    const auto older = e.Record();

    e.SetFlowState(50, 1.5e-5, 0, 3, 0, 1, 0, 0, 0, 0, 0);
    auto large =
        PlateWing({{1, 1, 1, 1, 1}, {2, 1, 0, -1, -2}, {kProfile, kProfile, kProfile, kProfile}});
    e.SetOperatingPoint(3, 1);
    e.EvaluateProfileDrag(*large);

    ASSERT_NE(e.Record(), older);
    EXPECT_EQ(older->SpanPanels(), 1);
    EXPECT_EQ(older->GetMode(), 1);
    EXPECT_DOUBLE_EQ(older->GetPointCa(1), 1.0);
    EXPECT_TRUE(std::isnan(older->GetSectionEta(2)));
    EXPECT_EQ(e.Record()->SpanPanels(), 2);
    EXPECT_EQ(e.Record()->GetMode(), 0);
    EXPECT_DOUBLE_EQ(e.Record()->FlowState()[0], 50.0);
    EXPECT_FALSE(std::isnan(e.GetSectionEta(3)));
    // The method window's mode stands beside the record's.
    e.SetFlowState(50, 1.5e-5, 2, -10, 20, 5, 40, 20, 5, 300, 0.8);
    EXPECT_EQ(e.GetMode(), 2);
    EXPECT_EQ(e.Record()->GetMode(), 0);
}

// A polar whose end lifts agree, or of one point, has no neutral point.
TEST(Panel3dProfileDrag, NeutralPointNeedsDifferentEndLifts) {
    auto w = PlateWing({{1.0, 1.0, 1.0}, {1.0, 0.0, -1.0}, {kProfile, kProfile}});
    auto e = Evaluator(30, 1.5e-5, 1, 3);
    for (int p = 1; p <= 3; ++p) {
        w->momentY = -0.1 * p;
        e.SetOperatingPoint(p, p);
        e.EvaluateProfileDrag(*w);  // totalLift 0.4 at every point
    }
    EXPECT_TRUE(std::isnan(e.NeutralPoint()));
}

// l_DP = -l_ref cMy / cA has no value without lift: a lift of rounding noise, with its moment
// dropped as noise or not, leaves the pressure point without a position instead of placing it
// at 0 or beyond every scale.
TEST(Panel3dProfileDrag, PressurePointNeedsLift) {
    const struct {
        double lift, moment, pressurePoint;  // NaN: none
    } cases[] = {
        {0.4, -0.1, 0.8 * 0.1 / 0.4}, {-0.2, 0.05, 0.8 * 0.05 / 0.2}, {2e-7, -1e-7, 0.4},
        {1e-17, 0.0, std::nan("")},   {-1e-17, -0.0, std::nan("")},   {0.0, 0.0, std::nan("")},
        {1e-17, -0.05, std::nan("")}, {-9e-8, 0.02, std::nan("")},
    };
    auto w = PlateWing({{1.0, 1.0, 1.0}, {1.0, 0.0, -1.0}, {kProfile, kProfile}});
    auto e = Evaluator(30, 1.5e-5, 1, std::size(cases));
    for (size_t k = 0; k < std::size(cases); ++k) {
        w->totalLift = cases[k].lift;
        w->momentY = cases[k].moment;
        e.SetOperatingPoint(static_cast<double>(k), static_cast<int>(k) + 1);
        e.EvaluateProfileDrag(*w);
        const auto r = e.Record();
        const double expected = cases[k].pressurePoint;
        for (double ldp : {r->GetTotalCoefficient(5), r->GetPointLdp(static_cast<int>(k))}) {
            if (std::isnan(expected)) {
                EXPECT_TRUE(std::isnan(ldp)) << k << ": " << ldp;
            } else {
                EXPECT_NEAR(ldp, expected, 1e-12) << k;
            }
        }
    }
}

// A symmetric wing solved at -4 to 4 degrees: no pressure point at 0 degrees, the same one at
// opposite angles (by symmetry), and the coefficient file says so instead of showing l_DP = 0.
TEST(Panel3dProfileDrag, SymmetricWingWithoutLiftHasNoPressurePointInRecordOrFile) {
    luvo::test::ScopedWorkDir work;
    const double alphas[] = {-4, -2, 0, 2, 4};
    auto e = Evaluator(30, 1.5e-5, 1, 5);
    for (int p = 0; p < 5; ++p) {
        auto w = panel3d_test::PreparedWing(4, 3, 1, 1, alphas[p], panel3d_test::MakeSymmetric);
        ASSERT_NE(w, nullptr);
        ASSERT_TRUE(panel3d_test::SolveRun(*w, 0));
        e.SetOperatingPoint(alphas[p], p + 1);
        e.EvaluateProfileDrag(*w);
    }
    const auto r = e.Record();
    EXPECT_LT(std::fabs(r->GetPointCa(2)), 1e-12);
    EXPECT_GT(r->GetPointCa(4), 0.1);
    EXPECT_TRUE(std::isnan(r->GetPointLdp(2))) << r->GetPointLdp(2);
    for (int p : {0, 1}) {
        EXPECT_GT(r->GetPointLdp(p), 0.1) << p;
        EXPECT_NEAR(r->GetPointLdp(p), r->GetPointLdp(4 - p), 1e-9) << p;
    }
    ASSERT_TRUE(WriteCoefficientFile("beiwerte.dat", *r));
    std::istringstream file(luvo::test::ReadFileBytes("beiwerte.dat"));
    std::vector<std::string> ldpColumn;
    for (std::string line; std::getline(file, line);) {
        std::istringstream words(line);
        std::vector<std::string> row{std::istream_iterator<std::string>(words), {}};
        if (row.size() == 7 && row[0] != "ca") ldpColumn.push_back(row[6]);
    }
    ASSERT_EQ(ldpColumn.size(), 5u);
    EXPECT_EQ(ldpColumn[2], "nan");
    EXPECT_EQ(ldpColumn[0], ldpColumn[4]);
    EXPECT_NE(ldpColumn[0], "nan");
}

// The default wing solved: every section finite, the stagnation near the leading edge, the
// flat-plate drag of a plausible size (a turbulent plate at Re 2e6 has about 0.004 per side).
TEST(Panel3dProfileDrag, SolvedDefaultWingGivesPlausibleSections) {
    auto w = panel3d_test::PreparedWing(8, 4, 1, 0, 4.0);
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(panel3d_test::SolveRun(*w, 0));
    auto e = Evaluator(30, 1.5e-5, 0, 1);
    e.SetOperatingPoint(4.0, 1);
    e.EvaluateProfileDrag(*w);
    const auto r = e.Record();
    for (int s = 0; s < 8; ++s) {
        EXPECT_TRUE(std::isfinite(r->GetSectionCfInt(s))) << s;
        EXPECT_GT(r->GetSectionCfEp(s), 0.004) << s;
        EXPECT_LT(r->GetSectionCfEp(s), 0.02) << s;
        EXPECT_NEAR(r->GetSectionX(s, 8), 0.0, 1e-12) << s;  // the leading edge at point N
        EXPECT_NEAR(r->GetSectionX(s, 0), 1.0, 1e-12) << s;
        EXPECT_LE(std::abs(r->GetSectionEta(s)), 1.0) << s;
    }
    EXPECT_NEAR(r->GetSectionEta(0), -r->GetSectionEta(7), 1e-12);
    EXPECT_TRUE(std::isfinite(r->GetTotalCoefficient(0)));
    EXPECT_TRUE(std::isfinite(r->GetTotalCoefficient(1)));
}
