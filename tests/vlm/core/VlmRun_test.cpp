// Whole vortex-lattice runs: progress and phase texts, symmetry properties, the relaxed wake's
// invariants, a grid file of the default wing, convergence towards Helmbold's lift slope, and the
// inputs that must end in an error instead of a broken lattice.

#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/TempDir.h"
#include "tests/vlm/core/VlmTestWings.h"

namespace {

using vlm_test::BuildInteractive;
using vlm_test::DefaultInputs;
using vlm_test::FlatRectangle;
using vlm_test::Recorder;

// Result files go nowhere unless a test names them.
VlmRunValues Quiet(VlmRunValues v) {
    v.result3dFileName = v.resultCpFileName = v.resultCaFileName = "";
    return v;
}

TEST(VlmRun, DefaultRunReportsItsPhasesAndProgress) {
    Recorder r;
    const VlmRunOutcome out =
        RunVlmInteractive(Quiet(VlmInteractiveRunValues(DefaultInputs())), &r);
    ASSERT_EQ(out.error, VlmRunError::kNone);
    ASSERT_TRUE(out.results);
    EXPECT_EQ(out.unwrittenFiles.size(), 3u);  // empty names
    ASSERT_GE(r.widths.size(), 10u);
    EXPECT_EQ(std::vector<int>(r.widths.begin(), r.widths.begin() + 5),
              (std::vector<int>{9, 27, 36, 72, 108}));
    EXPECT_EQ(std::vector<int>(r.widths.end() - 4, r.widths.end()),
              (std::vector<int>{171, 176, 178, 180}));
    for (size_t k = 1; k < r.widths.size(); ++k) EXPECT_NE(r.widths[k], r.widths[k - 1]);
    EXPECT_EQ(r.status0,
              (std::vector<std::string>{
                  "Einflusskoeffizienten bestimmen...", "Rechte Seite des Gls. bestimmen...",
                  "Gleichungssystem lösen...", "Berechnung Kräfte und Momente..."}));
    EXPECT_EQ(r.status1, (std::vector<std::string>{""}));
    EXPECT_GT(out.results->ca, 0.1);
    EXPECT_EQ(out.results->cmx, 0.0);
    EXPECT_EQ(out.results->cmz, 0.0);
}

TEST(VlmRun, RelaxedRunCountsItsIterations) {
    VlmInteractiveInputs in = DefaultInputs();
    in.chordwiseCount = 6;
    in.spanwiseCountPerHalf = 5;
    in.wakeModel = 1;
    in.iterationCount = 8;
    Recorder r;
    const VlmRunOutcome out = RunVlmInteractive(Quiet(VlmInteractiveRunValues(in)), &r);
    ASSERT_EQ(out.error, VlmRunError::kNone);
    std::vector<std::string> iterations;
    for (int k = 1; k <= 8; ++k)
        iterations.push_back("Iterationsschritt Nummer " + std::to_string(k));
    iterations.push_back("");
    EXPECT_EQ(r.status1, iterations);
    // 10 % after the wing, then 6 % per iteration up to 58 %.
    EXPECT_EQ(std::vector<int>(r.widths.begin(), r.widths.begin() + 10),
              (std::vector<int>{9, 18, 28, 39, 50, 61, 72, 82, 93, 104}));
}

TEST(VlmRun, SideslipMirrorsTheLoads) {
    VlmInteractiveInputs in = DefaultInputs();
    in.chordwiseCount = 8;
    in.spanwiseCountPerHalf = 6;
    in.alpha = 3.0;
    in.beta = 6.0;
    const auto plus = BuildInteractive(Quiet(VlmInteractiveRunValues(in)));
    in.beta = -6.0;
    const auto minus = BuildInteractive(Quiet(VlmInteractiveRunValues(in)));
    ASSERT_EQ(plus->Solve(), VlmRunError::kNone);
    ASSERT_EQ(minus->Solve(), VlmRunError::kNone);
    const int nx = 8, ny = 12;
    for (int j = 0; j < ny; ++j)
        for (int i = 0; i < nx; ++i)
            EXPECT_NEAR(plus->gamma[i + nx * j], minus->gamma[i + nx * (ny - 1 - j)], 1e-12);
    EXPECT_NEAR(plus->results.ca, minus->results.ca, 1e-12);
    EXPECT_NEAR(plus->results.cwi, minus->results.cwi, 1e-12);
    EXPECT_NEAR(plus->results.cmy, minus->results.cmy, 1e-12);
    EXPECT_NEAR(plus->results.cmx, -minus->results.cmx, 1e-12);
    EXPECT_NEAR(plus->results.cmz, -minus->results.cmz, 1e-12);
    EXPECT_GT(std::fabs(plus->results.cmx), 1e-4);
}

TEST(VlmRun, HalfAndFullForcesAgree) {
    VlmInteractiveInputs in = DefaultInputs();
    in.chordwiseCount = 8;
    in.spanwiseCountPerHalf = 6;
    in.alpha = 5.0;
    const VlmRunValues v = Quiet(VlmInteractiveRunValues(in));
    const auto half = BuildInteractive(v);
    ASSERT_EQ(half->Solve(), VlmRunError::kNone);
    VlmRunValues fullValues = v;
    fullValues.symmetryFlag = 1;
    const auto full = BuildInteractive(fullValues);
    ASSERT_FALSE(full->UsesHalfSystem());
    ASSERT_EQ(full->Solve(), VlmRunError::kNone);
    EXPECT_NEAR(half->results.ca, full->results.ca, 1e-10);
    EXPECT_NEAR(half->results.cwi, full->results.cwi, 1e-10);
    EXPECT_NEAR(half->results.cmy, full->results.cmy, 1e-10);
    EXPECT_EQ(half->results.cmx, 0.0);
    EXPECT_EQ(half->results.cmz, 0.0);
    EXPECT_NEAR(full->results.cmx, 0.0, 1e-10);
}

TEST(VlmRun, RelaxationWithoutCirculationKeepsTheFlatWake) {
    for (const double beta : {0.0, 5.0}) {
        VlmInteractiveInputs in = FlatRectangle(6, 1, 0, 4, 3);
        in.beta = beta;
        in.wakeModel = 1;
        in.iterationCount = 3;
        const auto s = BuildInteractive(Quiet(VlmInteractiveRunValues(in)));
        const std::vector<VlmWakeRow> flat = s->wakeRows;
        ASSERT_EQ(s->Solve(), VlmRunError::kNone);
        for (double g : s->gamma) ASSERT_EQ(g, 0.0);
        const int ny = 6;
        for (int p = 0; p <= ny; ++p) {
            EXPECT_EQ(s->wakeRows[0].x[p], flat[0].x[p]);
            EXPECT_EQ(s->wakeRows[0].y[p], flat[0].y[p]);
            for (int k = 1; k <= 25; ++k) {
                EXPECT_NEAR(s->wakeRows[k].x[p], flat[k].x[p], 1e-12);
                EXPECT_NEAR(s->wakeRows[k].y[p], flat[k].y[p], 1e-12);
                EXPECT_NEAR(s->wakeRows[k].z[p], flat[k].z[p], 1e-12);
                const double dx = s->wakeRows[k].x[p] - s->wakeRows[k - 1].x[p];
                const double dy = s->wakeRows[k].y[p] - s->wakeRows[k - 1].y[p];
                const double dz = s->wakeRows[k].z[p] - s->wakeRows[k - 1].z[p];
                EXPECT_NEAR(std::sqrt(dx * dx + dy * dy + dz * dz), s->wakeElementLength[k - 1],
                            1e-12);
            }
        }
    }
}

TEST(VlmRun, SymmetricRelaxationMirrorsTheWake) {
    VlmInteractiveInputs in = DefaultInputs();
    in.chordwiseCount = 6;
    in.spanwiseCountPerHalf = 5;
    in.alpha = 5.0;
    in.wakeModel = 1;
    in.iterationCount = 2;
    const auto s = BuildInteractive(Quiet(VlmInteractiveRunValues(in)));
    ASSERT_EQ(s->Solve(), VlmRunError::kNone);
    for (int k = 0; k <= 25; ++k) {
        // The middle filament follows its own velocity, which has no side component.
        EXPECT_NEAR(s->wakeRows[k].y[5], 0.0, 1e-12);
        for (int p = 0; p < 5; ++p) {
            EXPECT_EQ(s->wakeRows[k].x[10 - p], s->wakeRows[k].x[p]);
            EXPECT_EQ(s->wakeRows[k].y[10 - p], -s->wakeRows[k].y[p]);
            EXPECT_EQ(s->wakeRows[k].z[10 - p], s->wakeRows[k].z[p]);
        }
    }
}

TEST(VlmRun, DefaultWingFromAGridFileGivesTheInteractiveResults) {
    luvo::test::ScopedWorkDir work;
    for (const int wakeModel : {0, 1}) {
        VlmInteractiveInputs in = DefaultInputs();
        in.wakeModel = wakeModel;
        in.iterationCount = wakeModel == 1 ? 2 : 0;
        if (wakeModel == 1) {
            in.chordwiseCount = 10;
            in.spanwiseCountPerHalf = 6;
        }
        const VlmRunValues v = Quiet(VlmInteractiveRunValues(in));
        const auto built = BuildInteractive(v);
        {
            std::ofstream file("wing.fdw", std::ios::binary);
            file << vlm_test::GridFileText(*built, v);
        }
        const VlmRunOutcome interactive = RunVlmInteractive(v, nullptr);
        VlmGridRunInputs grid;
        grid.alpha = in.alpha;
        grid.beta = in.beta;
        grid.birnbaumCount = in.birnbaumCount;
        grid.iterationCount = in.iterationCount;
        grid.wakeModel = wakeModel;
        grid.dampingFactor = 1.0;
        const VlmRunOutcome fromFile = RunVlmGridFile(grid, "wing.fdw", nullptr);
        ASSERT_EQ(interactive.error, VlmRunError::kNone);
        ASSERT_EQ(fromFile.error, VlmRunError::kNone);
        const VlmResults& a = *interactive.results;
        const VlmResults& b = *fromFile.results;
        EXPECT_NEAR(a.span, b.span, 1e-12);
        for (auto [x, y] : {std::pair{a.ca, b.ca},
                            {a.cwi, b.cwi},
                            {a.cmy, b.cmy},
                            {a.refArea, b.refArea},
                            {a.refChord, b.refChord}}) {
            EXPECT_NEAR(x, y, 1e-10) << wakeModel;
        }
        ASSERT_EQ(a.spanCirculation.size(), b.spanCirculation.size());
        for (size_t j = 0; j < a.spanCirculation.size(); ++j)
            EXPECT_NEAR(a.spanCirculation[j], b.spanCirculation[j], 1e-10);
    }
}

TEST(VlmRun, FlatRectangleConvergesTowardsHelmbold) {
    // Aspect ratio 6 at 5 degrees.
    const double lambda = 6.0;
    const double helmbold =
        2 * VlmPi * lambda / (2 + std::sqrt(lambda * lambda + 4)) * 5 * VlmPi / 180;
    std::vector<double> ca;
    for (const int n : {8, 16, 32}) {
        const VlmRunOutcome out = RunVlmInteractive(
            Quiet(VlmInteractiveRunValues(FlatRectangle(6, 1, 5, n, n))), nullptr);
        ASSERT_EQ(out.error, VlmRunError::kNone);
        ca.push_back(out.results->ca);
        // A rectangle: l_mue is its chord and S its area.
        EXPECT_NEAR(out.results->refArea, 6.0, 1e-12);
        EXPECT_NEAR(out.results->refChord, 1.0, 1e-12);
    }
    EXPECT_LT(std::fabs(ca[2] - ca[1]), std::fabs(ca[1] - ca[0]));
    EXPECT_NEAR(ca[2] / helmbold, 1.0, 0.10);
}

TEST(VlmRun, ValuesThatWouldBreakTheLatticeAreRefused) {
    const VlmRunValues defaults = Quiet(VlmInteractiveRunValues(DefaultInputs()));
    struct Case {
        const char* what;
        void (*change)(VlmRunValues&);
    };
    const Case cases[] = {
        {"halves of unequal strip counts",
         [](VlmRunValues& v) {
             v.stripsPerSegment = {14, 16};
         }},
        {"strip counts not adding up",
         [](VlmRunValues& v) {
             v.stripsPerSegment = {15, 14};
         }},
        {"Birnbaum count 0", [](VlmRunValues& v) { v.birnbaumCount = 0; }},
        {"Birnbaum count 22", [](VlmRunValues& v) { v.birnbaumCount = 22; }},
        {"relaxed without iterations",
         [](VlmRunValues& v) {
             v.wakeModel = 1;
             v.iterationCount = 0;
         }},
        {"relaxed with 101 iterations",
         [](VlmRunValues& v) {
             v.wakeModel = 1;
             v.iterationCount = 101;
         }},
        {"one strip",
         [](VlmRunValues& v) {
             v.spanwiseCount = 1;
             v.stripsPerSegment = {1, 0};
         }},
        {"no chordwise element", [](VlmRunValues& v) { v.chordwiseCount = 0; }},
    };
    for (const Case& c : cases) {
        VlmRunValues v = defaults;
        c.change(v);
        const VlmRunOutcome out = RunVlmInteractive(v, nullptr);
        EXPECT_EQ(out.error, VlmRunError::kInvalidInput) << c.what;
        EXPECT_FALSE(out.results) << c.what;
    }
}

TEST(VlmRun, WakeThatCannotFitEndsInAnError) {
    // Span 0.5 with tip chord 30: the first wake element (15 m) is longer than the wake (2.5 m).
    VlmInteractiveInputs in = DefaultInputs();
    in.span = 0.5;
    in.tipChord = 30.0;
    in.chordwiseCount = 4;
    in.spanwiseCountPerHalf = 2;
    const auto s = BuildInteractive(Quiet(VlmInteractiveRunValues(in)));
    EXPECT_LE(s->wakeFitPasses, VlmSolver::kWakeFitPassLimit);
    const VlmRunOutcome out = RunVlmInteractive(Quiet(VlmInteractiveRunValues(in)), nullptr);
    EXPECT_EQ(out.error, VlmRunError::kWakeFit);
    EXPECT_FALSE(out.results);
}

TEST(VlmRun, DampingFactorsOfZeroAndBelowLeaveTheWakeUndamped) {
    luvo::test::ScopedWorkDir work;
    VlmInteractiveInputs in = DefaultInputs();
    in.chordwiseCount = 6;
    in.spanwiseCountPerHalf = 4;
    in.alpha = 5.0;
    const VlmRunValues v = Quiet(VlmInteractiveRunValues(in));
    const auto built = BuildInteractive(v);
    {
        std::ofstream file("wing.fdw", std::ios::binary);
        file << vlm_test::GridFileText(*built, v);
    }
    std::vector<double> ca;
    for (const double factor : {0.0, -1.0}) {
        VlmGridRunInputs grid;
        grid.alpha = 5.0;
        grid.birnbaumCount = 21;
        grid.iterationCount = 3;
        grid.wakeModel = 1;
        grid.dampingFactor = factor;
        const VlmRunOutcome out = RunVlmGridFile(grid, "wing.fdw", nullptr);
        ASSERT_EQ(out.error, VlmRunError::kNone) << factor;
        EXPECT_TRUE(std::isfinite(out.results->ca) && std::isfinite(out.results->cwi)) << factor;
        ca.push_back(out.results->ca);
    }
    EXPECT_EQ(ca[0], ca[1]);
}

}  // namespace
