#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "common/core/DenseLu.h"
#include "common/core/LuFactor.h"
#include "tests/panel3d/core/Panel3dSolverFixtures.h"

namespace {

using panel3d_test::PreparedWing;
using panel3d_test::Recorder;
using panel3d_test::SolveRun;

// The default wing with one setting angle at root and tip. The trailing-edge row of each strip
// follows the bisector of the strip's outer station, so only on an untwisted wing is the row of
// the left half the mirror image of the right one.
void Untwisted(Panel3dModel& w) { w.tipIncidence = w.rootIncidence; }

TEST(Panel3dSystem, HalfModelEqualsFullModelAtZeroSideslip) {
    auto full = PreparedWing(5, 4, 6, 0, 4.0, Untwisted);
    ASSERT_TRUE(full && SolveRun(*full, 0));
    auto half = PreparedWing(5, 4, 6, 1, 4.0, Untwisted);
    ASSERT_TRUE(half && SolveRun(*half, 0));
    EXPECT_EQ(half->SystemSize() * 2, full->SystemSize());
    for (int p = 0; p < full->WingPanelCount(); ++p) {
        EXPECT_NEAR(half->wingPanels[p].doubletStrength, full->wingPanels[p].doubletStrength,
                    1e-10);
        EXPECT_NEAR(half->wingPanels[p].pressureCoefficient,
                    full->wingPanels[p].pressureCoefficient, 1e-10);
    }
    EXPECT_NEAR(half->totalLift, full->totalLift, 1e-10);
    EXPECT_NEAR(half->totalInducedDrag, full->totalInducedDrag, 1e-10);
    EXPECT_GT(full->totalLift, 0.1);
    for (const auto* w : {full.get(), half.get()}) {
        EXPECT_EQ(w->momentX, 0.0);
        EXPECT_EQ(w->momentZ, 0.0);
        EXPECT_NE(w->momentY, 0.0);
    }
}

// A matrix indexed a[i][j] from 1, over a column-major block.
struct OneBased {
    std::vector<double>& m;
    int n;
    struct Row {
        std::vector<double>& m;
        int n, i;
        double& operator[](int j) { return m[luvo::ColumnMajor(i - 1, j - 1, n)]; }
        double operator[](int j) const { return m[luvo::ColumnMajor(i - 1, j - 1, n)]; }
    };
    Row operator[](int i) { return {m, n, i}; }
    Row operator[](int i) const { return {m, n, i}; }
};

TEST(Panel3dSystem, PivotedSolveEqualsTheUnpivotedLuOfTheWholeMatrix) {
    auto w = PreparedWing(4, 3, 5, 0, 6.0);
    ASSERT_TRUE(w);
    w->operatingPoint.iterationCount = 0;
    w->AssembleSystem();
    ASSERT_TRUE(w->SolveSystem());

    // The matrix entry by entry, as written down: wing, trailing-edge row, free wake.
    const int n = w->SystemSize();
    const int chord = 2 * w->ChordPanels();
    std::vector<double> a(static_cast<size_t>(n) * n);
    std::vector<double> rhs(n + 1), y(n + 1), x(n + 1);
    for (int i = 0; i < n; ++i) {
        const Panel3dVector c = w->wingPanels[i].Centroid();
        double sum = 0;
        for (int j = 0; j < n; ++j) {
            const Panel3dPanel& p = w->wingPanels[j];
            const bool far = Length(c - p.Centroid()) >= 5 * p.meanDiagonal;
            sum -= p.SourcePotential(c, far) * p.sourceStrength;
            a[luvo::ColumnMajor(i, j, n)] = -p.DoubletPotential(c, far);
        }
        rhs[i + 1] = sum;
        for (int j = 0; j < w->StripCount(); ++j) {
            double wake = w->trailingEdgeWake[j].DoubletPotential(c, false);
            for (int r = 0; r < w->WakeRows(); ++r) {
                wake += w->freeWake[j + w->StripCount() * r].DoubletPotential(c, false);
            }
            a[luvo::ColumnMajor(i, chord * j, n)] -= wake;
            a[luvo::ColumnMajor(i, chord * (j + 1) - 1, n)] += wake;
        }
    }
    OneBased m{a, n};
    luvo::LuFactor(m, n);
    luvo::LuForward(
        m, n, [&](int i) { return rhs[i]; }, y);
    luvo::LuBackward(m, n, y, x);
    for (int i = 0; i < n; ++i) {
        EXPECT_NEAR(w->wingPanels[i].doubletStrength, x[i + 1], 1e-10) << i;
    }
    // Every wake panel carries the lower minus the upper trailing-edge strength of its strip.
    for (int j = 0; j < w->StripCount(); ++j) {
        const double mu = x[chord * (j + 1)] - x[chord * j + 1];
        EXPECT_NEAR(w->trailingEdgeWake[j].doubletStrength, mu, 1e-10);
        for (int r = 0; r < w->WakeRows(); ++r) {
            EXPECT_EQ(w->freeWake[j + w->StripCount() * r].doubletStrength,
                      w->trailingEdgeWake[j].doubletStrength);
        }
    }
}

TEST(Panel3dSystem, EachRelaxationStepEqualsAFreshFactorisation) {
    for (int symmetric : {0, 1}) {
        auto w = PreparedWing(4, 3, 6, symmetric, 5.0);
        ASSERT_TRUE(w);
        w->operatingPoint.iterationCount = 3;
        symmetric ? w->AssembleSymmetricSystem() : w->AssembleSystem();
        const int n = w->SystemSize();
        const int chord = 2 * w->ChordPanels();
        const int solved = symmetric ? w->SpanPanels() : w->StripCount();
        const std::vector<double> assembled = w->influenceMatrix;
        int& step = w->operatingPoint.iteration;
        for (step = 0; step < 3; ++step) {
            ASSERT_TRUE(symmetric ? w->ResolveSymmetricInIteration() : w->ResolveInIteration());
            // Factored in place: the model keeps no second n x n copy beside the factors.
            EXPECT_TRUE(w->influenceMatrix.empty());
            std::vector<double> a = assembled;
            for (int j = 0; j < solved; ++j) {
                for (int i = 0; i < n; ++i) {
                    const double f = w->wakeColumns[luvo::ColumnMajor(i, j, n)];
                    a[luvo::ColumnMajor(i, chord * j, n)] -= f;
                    a[luvo::ColumnMajor(i, chord * (j + 1) - 1, n)] += f;
                }
            }
            luvo::DenseLu lu;
            ASSERT_TRUE(lu.Factor(a, n, luvo::kOneSolveDense));
            std::vector<double> x = w->rightHandSide;
            lu.Solve(x.data());
            for (int i = 0; i < n; ++i) {
                EXPECT_NEAR(w->wingPanels[i].doubletStrength, x[i], 1e-10)
                    << symmetric << " step " << step << " panel " << i;
            }
            symmetric ? w->RelaxSymmetricWake() : w->RelaxWake();
            for (Panel3dPanel& p : w->freeWake) p.UpdateGeometry();
        }
    }
}

TEST(Panel3dSystem, UnchangedWakeGivesIdenticalStrengths) {
    auto w = PreparedWing(4, 3, 4, 0, 5.0);
    ASSERT_TRUE(w);
    w->operatingPoint.iterationCount = 2;
    w->AssembleSystem();
    w->operatingPoint.iteration = 0;
    ASSERT_TRUE(w->ResolveInIteration());
    std::vector<double> first;
    for (const Panel3dPanel& p : w->wingPanels) first.push_back(p.doubletStrength);
    w->operatingPoint.iteration = 1;
    ASSERT_TRUE(w->ResolveInIteration());
    for (size_t p = 0; p < first.size(); ++p) {
        EXPECT_EQ(w->wingPanels[p].doubletStrength, first[p]);
    }
}

void Uncambered(Panel3dModel& w) {
    w.rootCamber = w.tipCamber = 0;
    w.rootIncidence = w.tipIncidence = 0;
    w.dihedral = 0;
}

TEST(Panel3dSystem, UncamberedUntwistedWingLiftIsOddInAlpha) {
    for (int symmetric : {0, 1}) {
        auto zero = PreparedWing(5, 3, 4, symmetric, 0.0, Uncambered);
        ASSERT_TRUE(zero && SolveRun(*zero, 0));
        auto up = PreparedWing(5, 3, 4, symmetric, 6.0, Uncambered);
        ASSERT_TRUE(up && SolveRun(*up, 0));
        auto down = PreparedWing(5, 3, 4, symmetric, -6.0, Uncambered);
        ASSERT_TRUE(down && SolveRun(*down, 0));
        EXPECT_NEAR(zero->totalLift, 0.0, 1e-9);
        EXPECT_GT(up->totalLift, 0.2);
        EXPECT_NEAR(down->totalLift, -up->totalLift, 1e-9);
    }
}

TEST(Panel3dSystem, SingularSystemIsReportedAndWritesNothing) {
    auto w = PreparedWing(3, 2, 2, 0, 5.0);
    ASSERT_TRUE(w);
    w->operatingPoint.iterationCount = 0;
    // Wing panels without area, seen from every point in the far field, induce nothing: only
    // the Kutta columns are left, and no wake term can fill the others. The matrix is singular
    // also when a solve has to build it again from the wing.
    for (Panel3dPanel& p : w->wingPanels) {
        p.area = 0;
        p.meanDiagonal = 0;
    }
    w->AssembleSystem();
    for (Panel3dPanel& p : w->wingPanels) p.doubletStrength = 7;
    EXPECT_FALSE(w->SolveSystem());
    for (const Panel3dPanel& p : w->wingPanels) EXPECT_EQ(p.doubletStrength, 7);
    // A model of the other kind is not solved by these operations.
    auto half = PreparedWing(3, 2, 2, 1, 5.0);
    half->AssembleSystem();
    EXPECT_FALSE(half->SolveSystem());
}

TEST(Panel3dSystem, BarAndTextsOfFlatAndRelaxedRuns) {
    const std::string rhs = "0:Rechte Seite des Gls bestimmen...";
    const std::string infl = "0:Einflusskoeffizienten bestimmen...";
    const std::string solve = "0:Gleichungssystem lösen...";
    struct Case {
        int symmetric;
        int steps;
        std::vector<double> percents;
        std::vector<std::string> texts;
    };
    std::vector<double> relaxed = {10.0 / 9, 30.0 / 9, 45.0 / 9};
    std::vector<std::string> relaxedTexts = {rhs, infl};
    for (int s = 0; s < 8; ++s) {
        relaxed.push_back(100.0 / 9 + 12.5 * s);
        relaxedTexts.push_back(infl);
        relaxedTexts.push_back(solve);
    }
    const Case cases[] = {
        {0, 0, {10, 30, 45, 65, 75, 85, 95, 99}, {rhs, infl, infl, solve}},
        {1, 0, {10, 30, 45, 65, 75, 80, 85, 95, 99}, {rhs, infl, infl, infl, solve}},
        {0, 8, relaxed, relaxedTexts},
    };
    for (const Case& c : cases) {
        auto w = PreparedWing(3, 2, 3, c.symmetric, 3.0);
        ASSERT_TRUE(w);
        Recorder r;
        w->reporter = &r;
        ASSERT_TRUE(SolveRun(*w, c.steps));
        ASSERT_EQ(r.percents.size(), c.percents.size());
        for (size_t k = 0; k < c.percents.size(); ++k) {
            EXPECT_NEAR(r.percents[k], c.percents[k], 1e-12) << k;
        }
        EXPECT_DOUBLE_EQ(w->progressPercent, c.percents.back());
        std::vector<std::string> texts = c.texts;
        texts.push_back("0:Geschwindigkeitsverteilung wird ermittelt...");
        EXPECT_EQ(r.texts, texts);
    }
    // I = 8 starts the steps at 11.1, 23.6, ..., 98.6 per cent.
    EXPECT_NEAR(relaxed[3], 11.1, 0.05);
    EXPECT_NEAR(relaxed[4], 23.6, 0.05);
    EXPECT_NEAR(relaxed.back(), 98.6, 0.05);
}

TEST(Panel3dSystem, FractionalCountBelowOneRunsOneStepWithAFiniteBar) {
    auto w = PreparedWing(3, 2, 3, 1, 3.0);
    ASSERT_TRUE(w);
    Recorder r;
    w->reporter = &r;
    w->operatingPoint.iterationCount = static_cast<int>(0.5);  // the window's 0.5, truncated
    w->AssembleSymmetricSystem();
    w->operatingPoint.iteration = 0;
    ASSERT_TRUE(w->ResolveSymmetricInIteration());
    for (double p : r.percents) EXPECT_TRUE(std::isfinite(p)) << p;
    EXPECT_EQ(r.percents.back(), 100.0);
}

}  // namespace
