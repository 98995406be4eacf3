// The XFOIL coupling with the installed XFOIL program: a solved panel run goes out as section
// profiles and commands, XFOIL runs the batch file on a virtual display, and its polar files
// come back as profile drag.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "panel3d/core/Panel3dModule.h"
#include "panel3d/core/Panel3dPolarEvaluator.h"
#include "panel3d/core/Panel3dRun.h"
#include "panel3d/core/Panel3dXfoil.h"
#include "tests/support/TempDir.h"

namespace {

using luvo::test::ReadFileBytes;
using luvo::test::ScopedWorkDir;

// A straight wing of NACA 2412 sections, span 6 m, chord 1 m, coarse: 4 sections of 17 points.
// At 2 and 4 degrees and 30 m/s its sections lie between cl 0.1 and 0.5 at Re 2e6, where XFOIL
// converges every time.
Panel3dInteractiveRunSettings SmallWing(double alpha) {
    Panel3dInteractiveRunSettings s;
    s.flow.alphaStar = alpha;
    s.flow.angleCount = 1;
    s.flow.pointCount = 1;
    Panel3dGeometryInputs& w = s.wing;
    w.span = 6;
    w.rootChord = w.tipChord = 1;
    w.rootThickness = w.tipThickness = 12;
    w.rootCamber = w.tipCamber = 2;
    w.rootCamberPosition = w.tipCamberPosition = 40;
    w.flapInner = 50;
    w.flapOuter = 80;
    w.hingePosition = 75;
    w.hingeHeight = 50;
    s.chordPanels = 8;
    s.spanPanels = 2;
    s.clustering = 4;
    return s;
}

// A single state (one angle) or a lift polar (several), each point solved and evaluated.
std::shared_ptr<Panel3dEvaluationRecord> Solve(const std::vector<double>& alphas) {
    const int points = static_cast<int>(alphas.size());
    Panel3dPolarEvaluator evaluator;
    evaluator.SetFlowState(30, 1.5e-5, points > 1 ? 1 : 0, alphas[0], 2, points, 0, 0, 0, 0, 1);
    for (int p = 0; p < points; ++p) {
        const Panel3dRunOutcome out = RunPanel3dInteractive(SmallWing(alphas[p]), nullptr, nullptr);
        EXPECT_EQ(out.error, Panel3dRunError::kNone);
        if (!out.model) return nullptr;
        evaluator.SetOperatingPoint(alphas[p], p + 1);
        evaluator.EvaluateProfileDrag(*out.model);
    }
    return evaluator.Record();
}

TEST(Panel3dXfoilRun, InstalledXfoilComputesEverySectionAtEveryPoint) {
    ScopedWorkDir work;
    const auto record = Solve({2, 4});
    ASSERT_TRUE(record);
    Panel3dXfoilNames names;
    names.program = "/usr/bin/xfoil";
    ASSERT_EQ(CheckXfoilInput(names, *record), "");
    ASSERT_TRUE(WriteXfoilFiles(names, *record).empty());
    ASSERT_EQ(std::system("xvfb-run -a sh batch.bat > xfoil.out 2>&1"), 0)
        << ReadFileBytes("xfoil.out").substr(0, 2000);

    Panel3dEvaluationRecord reading = *record;
    const Panel3dXfoilResults r = ReadXfoilResults(names, reading);
    EXPECT_EQ(r.codes, std::vector<int>(8, 0)) << ReadFileBytes("XFOIL_abnormalties.txt");
    EXPECT_FALSE(r.failed);
    for (int p = 0; p < 2; ++p) {
        const double cw = reading.GetXfoilTotalCoefficient(3 * p);
        EXPECT_GT(cw, 0.003) << p;
        EXPECT_LT(cw, 0.03) << p;
        EXPECT_DOUBLE_EQ(cw, reading.GetXfoilTotalCoefficient(3 * p + 1) +
                                 reading.GetXfoilTotalCoefficient(3 * p + 2));
    }
    // Each point at its own section lifts.
    EXPECT_NE(reading.GetXfoilTotalCoefficient(0), reading.GetXfoilTotalCoefficient(3));
    // The run's own record keeps no reading.
    EXPECT_NE(record->GetXfoilTotalCoefficient(0), reading.GetXfoilTotalCoefficient(0));
}

TEST(Panel3dXfoilRun, DefaultProgramIsNotFoundAndEveryFileIsMissing) {
    ScopedWorkDir work;
    const auto record = Solve({2});
    ASSERT_TRUE(record);
    ASSERT_TRUE(WriteXfoilFiles(Panel3dXfoilNames(), *record).empty());
    const int status = std::system("sh batch.bat > xfoil.out 2>&1");
    EXPECT_EQ(WEXITSTATUS(status), 127);
    EXPECT_NE(ReadFileBytes("xfoil.out").find("not found"), std::string::npos);
    Panel3dEvaluationRecord reading = *record;
    const Panel3dXfoilResults r = ReadXfoilResults(Panel3dXfoilNames(), reading);
    EXPECT_EQ(r.codes, std::vector<int>(4, 1));
    EXPECT_TRUE(r.failed);
    // No section computed: no drag, not a drag of zero.
    EXPECT_TRUE(std::isnan(reading.GetXfoilTotalCoefficient(0)));
}

}  // namespace
