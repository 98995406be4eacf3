// The analysis computation as the analysis window runs it.

#include "llt/core/LltAnalysisRun.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/llt/core/LltTestWings.h"

namespace {

using llt_test::AnalysisWindowInputs;

TEST(LltAnalysisRun, WindowDefaultsGiveTheWindowsNumbers) {
    const auto s = LltSolveAnalysis(AnalysisWindowInputs());
    EXPECT_NEAR(s->area, 12.300, 5e-4);
    EXPECT_NEAR(s->meanChord, 1.637, 5e-4);
    EXPECT_NEAR(s->aspectRatio, 5.203, 5e-4);
    EXPECT_NEAR(s->clSolved, 0.358, 5e-4);
    EXPECT_NEAR(s->cdi, 0.008, 5e-4);
    EXPECT_NEAR(s->kFactor, 1.005, 5e-4);
}

TEST(LltAnalysisRun, NoSectionLiftForALiftSlopeFactorOfZeroOrBelow) {
    for (double f : {0.0, -1.0, -0.001}) {
        SCOPED_TRACE(f);
        LltAnalysisInputs in = AnalysisWindowInputs();
        in.liftSlope = f;
        const auto s = LltSolveAnalysis(in);
        for (int i = 0; i <= 102; ++i) {
            EXPECT_EQ(s->gamma[i], 0.0) << i;
            EXPECT_TRUE(std::isfinite(s->ca[i])) << i;
        }
        EXPECT_EQ(s->clSolved, 0.0);
        EXPECT_EQ(s->cdi, 0.0);
        EXPECT_TRUE(std::isnan(s->kFactor));  // 0/0: the window shows "---"
        EXPECT_NEAR(s->area, 12.3, 5e-4);     // the geometry does not depend on f
    }
}

}  // namespace
