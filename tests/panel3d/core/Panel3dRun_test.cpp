// The headless panel run of both paths: the phase texts, the operating points of the three task
// modes, the relaxation steps, the choice of the half model and the failures that leave the
// module as it was.

#include "panel3d/core/Panel3dRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/core/NumberText.h"
#include "common/core/TextScanner.h"
#include "panel3d/core/Panel3dModule.h"
#include "panel3d/core/Panel3dPolarEvaluator.h"
#include "tests/panel3d/core/Panel3dSolverFixtures.h"
#include "tests/panel3d/core/Panel3dTestGeometry.h"
#include "tests/panel3d/core/Panel3dTestGrids.h"
#include "tests/support/TempDir.h"

namespace {

using panel3d_test::Recorder;

Panel3dFlowState SingleState(double alpha) {
    Panel3dFlowState f;
    f.taskMode = 0;
    f.alphaStar = alpha;
    f.angleCount = 1;
    f.pointCount = 1;
    return f;
}

// A speed polar as the method window sets it: the two angles -10 and +10 deg, then the speeds.
Panel3dFlowState SpeedPolar(double speedMin, double speedMax, int speeds) {
    Panel3dFlowState f;
    f.taskMode = 2;
    f.alphaStar = -10;
    f.alphaStep = 20;
    f.angleCount = 2;
    f.pointCount = speeds;
    f.speedMin = speedMin;
    f.speedMax = speedMax;
    f.speedCount = speeds;
    f.wingLoading = 300;
    return f;
}

// An evaluator as the method window's "&OK" leaves it for the flow state.
std::shared_ptr<Panel3dPolarEvaluator> EvaluatorFor(const Panel3dFlowState& f) {
    auto e = std::make_shared<Panel3dPolarEvaluator>();
    e->SetFlowState(30, 1.5e-5, f.taskMode, f.alphaStar, f.alphaStep, f.pointCount, f.speedMax,
                    f.speedMin, f.speedCount, f.wingLoading, 0.8);
    return e;
}

class Panel3dRunTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // A grid wing of N 2, M 2 with the header's symmetry flag as given by the test.
        WriteGrid("grid.fdp", 1);
    }

    void WriteGrid(const std::string& name, int symmetry, int wakeRows = 3) {
        std::vector<std::string> header = panel3d_test::GridHeaderTokens(2, 2);
        header[10] = std::to_string(wakeRows);
        header[16] = std::to_string(symmetry);
        std::ofstream(dir_.dir().file(name))
            << panel3d_test::GridText(header, panel3d_test::TestWing{}.Points());
    }

    Panel3dGridRunSettings GridSettings(const Panel3dFlowState& flow) const {
        Panel3dGridRunSettings s;
        s.flow = flow;
        s.gridFileName = "grid.fdp";
        s.result3dFileName = "3D.dat";
        s.resultCpFileName = "cp-x.dat";
        s.resultCaFileName = "ca-y.dat";
        return s;
    }

    // cA of the grid wing solved on its own at one angle, the reference for a polar's points.
    double SingleLift(double alpha) {
        const Panel3dRunOutcome single =
            RunPanel3dGridFile(GridSettings(SingleState(alpha)), nullptr, nullptr);
        return single.model ? single.model->totalLift : NAN;
    }

    static std::string Read(const std::string& name) {
        std::string text;
        luvo::ReadTextFile(name, text);
        return text;
    }

    luvo::test::ScopedWorkDir dir_;
};

TEST_F(Panel3dRunTest, SingleStateSendsThePhaseTextsInOrderAndWritesTheFilesOnce) {
    Recorder rec;
    const Panel3dRunOutcome out = RunPanel3dGridFile(GridSettings(SingleState(4)), nullptr, &rec);
    ASSERT_EQ(out.error, Panel3dRunError::kNone);
    ASSERT_TRUE(out.model);
    EXPECT_EQ(panel3d::Panel3dPanelModel, out.model);
    // The run's own texts, with the solver steps' field-0 texts in between.
    std::vector<std::string> own;
    for (const std::string& t : rec.texts) {
        if (t.rfind("1:", 0) == 0 || t == "0:Rechnung läuft" ||
            t == "0:Ergebnisse werden in Datei geschrieben..." || t == "0:Rechnung beendet!") {
            own.push_back(t);
        }
    }
    const std::vector<std::string> expected = {
        "0:Rechnung läuft", "1:Eigeninduktion Flügel berechnen...", "1:Postprocessing...",
        "0:Ergebnisse werden in Datei geschrieben...", "0:Rechnung beendet!"};
    EXPECT_EQ(own, expected);
    EXPECT_NE(std::find(rec.texts.begin(), rec.texts.end(), "0:Gleichungssystem lösen..."),
              rec.texts.end());
    EXPECT_EQ(out.model->operatingPoint.alpha, 4);
    EXPECT_GT(out.model->totalLift, 0.1);
    EXPECT_TRUE(out.unwrittenFiles.empty());
    // The header's counts and wake values are the module's now.
    EXPECT_EQ(panel3d::Panel3dChordPanelCount, 2);
    EXPECT_EQ(panel3d::Panel3dSpanPointCount, 5);
    EXPECT_EQ(panel3d::Panel3dWakeRowCount, 3);
    for (const char* name : {"3D.dat", "cp-x.dat", "ca-y.dat"}) {
        EXPECT_FALSE(Read(name).empty()) << name;
    }
    EXPECT_NE(Read("ca-y.dat").find("#cA_ges= " + luvo::FormatNumber("%.8g", out.model->totalLift)),
              std::string::npos);
}

TEST_F(Panel3dRunTest, LiftPolarSolvesEachAngleAsASingleStateWouldAndWritesAfterEach) {
    Panel3dFlowState flow;
    flow.taskMode = 1;
    flow.alphaStar = -4;
    flow.alphaStep = 2;
    flow.angleCount = 4;
    flow.pointCount = 4;
    Recorder rec;
    const auto evaluator = EvaluatorFor(flow);
    const Panel3dRunOutcome out = RunPanel3dGridFile(GridSettings(flow), evaluator.get(), &rec);
    ASSERT_EQ(out.error, Panel3dRunError::kNone);
    // Every angle evaluated into the run's record, at index p - 1.
    ASSERT_TRUE(out.evaluation);
    EXPECT_EQ(out.evaluation, evaluator->Record());
    for (int p = 0; p < 4; ++p) EXPECT_EQ(out.evaluation->GetPointAlpha(p), -4 + 2 * p);
    EXPECT_EQ(out.evaluation->GetPointCa(3), out.model->totalLift);
    EXPECT_EQ(
        std::count(rec.texts.begin(), rec.texts.end(), "1:Eigeninduktion Flügel berechnen..."), 4);
    EXPECT_EQ(std::count(rec.texts.begin(), rec.texts.end(),
                         "0:Ergebnisse werden in Datei geschrieben..."),
              4);
    EXPECT_EQ(out.model->operatingPoint.alpha, 2);
    const double last = out.model->totalLift;
    const double first = out.evaluation->GetPointCa(0);
    // The files hold the last point.
    EXPECT_NE(Read("ca-y.dat").find("#cA_ges= " + luvo::FormatNumber("%.8g", last)),
              std::string::npos);
    // Each point as a fresh run at its angle gives it: the wake turns with every angle.
    EXPECT_NEAR(first, SingleLift(-4), 1e-9);
    EXPECT_NEAR(last, SingleLift(2), 1e-9);
}

TEST_F(Panel3dRunTest, SpeedPolarFliesEachSpeedAtTheLiftItsWingLoadingDemands) {
    const Panel3dFlowState flow = SpeedPolar(30, 90, 5);
    // The lift curve bends: the straight line through -10 and +10 deg alone misses the demand
    // at every speed, most at the highest.
    for (const int wakeMode : {0, 1}) {
        Panel3dGridRunSettings s = GridSettings(flow);
        s.wakeMode = wakeMode;
        s.iterationCount = 2;
        Recorder rec;
        const auto evaluator = EvaluatorFor(flow);
        const Panel3dRunOutcome out = RunPanel3dGridFile(s, evaluator.get(), &rec);
        ASSERT_EQ(out.error, Panel3dRunError::kNone);
        ASSERT_TRUE(out.evaluation);
        const Panel3dEvaluationRecord& r = *out.evaluation;
        EXPECT_EQ(r.EvaluatedPoints(), 5);
        auto freshLift = [&](double alpha) {
            Panel3dGridRunSettings single = GridSettings(SingleState(alpha));
            single.wakeMode = wakeMode;
            single.iterationCount = 2;
            // Files of their own: the polar's stay to be read.
            single.result3dFileName = "fresh-3D.dat";
            single.resultCpFileName = "fresh-cp-x.dat";
            single.resultCaFileName = "fresh-ca-y.dat";
            const Panel3dRunOutcome fresh = RunPanel3dGridFile(single, nullptr, nullptr);
            return fresh.model ? fresh.model->totalLift : NAN;
        };
        // The line through the lifts at the two angles.
        const double firstLift = freshLift(-10);
        const double lastLift = freshLift(10);
        const double slope = (lastLift - firstLift) / 20;
        const double lift0 = (firstLift + lastLift) / 2;
        for (int p = 0; p < 5; ++p) {
            const double v = 30 + 15 * p;
            EXPECT_EQ(r.GetPointSpeed(p), v);
            const double required = 2 * 300.0 / (1.225 * v * v);
            EXPECT_NEAR(r.GetPointCa(p), required, 0.005 * required) << wakeMode << " v " << v;
            EXPECT_TRUE(r.PointLiftReached(p));
            // Not the line's angle: the correction moved it.
            EXPECT_GT(std::fabs(r.GetPointAlpha(p) - (required - lift0) / slope), 1e-6);
        }
        // The evaluator got the angle and the lift of the last point as flown.
        EXPECT_EQ(evaluator->speedPointIndex, 4);
        EXPECT_EQ(evaluator->speedPoint[0], 90);
        EXPECT_EQ(evaluator->speedPoint[1], r.GetPointCa(4));
        EXPECT_EQ(evaluator->speedPoint[2], r.GetPointAlpha(4));
        EXPECT_EQ(evaluator->speedPoint[2], out.model->operatingPoint.alpha);
        EXPECT_EQ(evaluator->currentPoint, 5);
        // The files hold the last point as flown.
        EXPECT_NE(Read("ca-y.dat").find("#cA_ges= " + luvo::FormatNumber("%.8g", r.GetPointCa(4))),
                  std::string::npos);
        // Each lift is what a fresh run at its angle gives: the reused factors change nothing.
        EXPECT_NEAR(freshLift(out.model->operatingPoint.alpha), r.GetPointCa(4), 1e-9);
    }
}

TEST_F(Panel3dRunTest, SpeedPolarFliesADemandBeyondReachAtTheClosestAngle) {
    // At 2 m/s the wing loading demands cA 122: no angle gives it.
    const Panel3dFlowState flow = SpeedPolar(2, 60, 3);
    const auto evaluator = EvaluatorFor(flow);
    const Panel3dRunOutcome out = RunPanel3dGridFile(GridSettings(flow), evaluator.get(), nullptr);
    ASSERT_EQ(out.error, Panel3dRunError::kNone);
    const Panel3dEvaluationRecord& r = *out.evaluation;
    EXPECT_FALSE(r.PointLiftReached(0));
    EXPECT_TRUE(r.PointLiftReached(1));
    EXPECT_TRUE(r.PointLiftReached(2));
    // Flown with the flow still from ahead, at the most lift found there.
    const double alpha = r.GetPointAlpha(0);
    EXPECT_LE(std::fabs(alpha), 90.0);
    EXPECT_GT(r.GetPointCa(0), SingleLift(10));
    EXPECT_NEAR(r.GetPointCa(0), SingleLift(alpha), 1e-9);
}

TEST_F(Panel3dRunTest, RelaxedWakeCountsItsStepsAsADoubleAndScalesTheBarForTheWholeSteps) {
    Panel3dGridRunSettings s = GridSettings(SingleState(4));
    s.wakeMode = 1;
    s.iterationCount = 2.5;
    Recorder rec;
    const Panel3dRunOutcome out = RunPanel3dGridFile(s, nullptr, &rec);
    ASSERT_EQ(out.error, Panel3dRunError::kNone);
    std::vector<std::string> steps;
    for (const std::string& t : rec.texts) {
        if (t.rfind("1:Iterationsschritt", 0) == 0) steps.push_back(t);
    }
    const std::vector<std::string> expected = {"1:Iterationsschritt Nummer 1",
                                               "1:Iterationsschritt Nummer 2",
                                               "1:Iterationsschritt Nummer 3"};
    EXPECT_EQ(steps, expected);
    EXPECT_EQ(out.model->operatingPoint.iterationCount, 2);
    EXPECT_EQ(out.model->operatingPoint.iteration, 3);
    // Bar of a relaxation step k: 100/3 + 100/2 k, for the count 2.
    EXPECT_NEAR(rec.percents.back(), 100.0 / 3 + 50.0 * 2, 1e-9);
}

TEST_F(Panel3dRunTest, HalfModelOnlyWithoutSideslipAndWithEqualDeflections) {
    struct GridCase {
        int fileFlag;
        double beta;
        int symmetric;
    };
    for (const GridCase& c : {GridCase{1, 0, 1}, GridCase{0, 0, 0}, GridCase{1, 5, 0}}) {
        WriteGrid("grid.fdp", c.fileFlag);
        Panel3dGridRunSettings s = GridSettings(SingleState(2));
        s.sideslip = c.beta;
        const Panel3dRunOutcome out = RunPanel3dGridFile(s, nullptr, nullptr);
        ASSERT_EQ(out.error, Panel3dRunError::kNone);
        EXPECT_EQ(out.model->Symmetric(), c.symmetric) << c.fileFlag << " " << c.beta;
        EXPECT_EQ(panel3d::Panel3dSymmetryFlag, c.symmetric);
    }
    struct WingCase {
        double left, right, beta;
        int symmetric;
    };
    Panel3dFlowState polar;
    polar.taskMode = 1;
    polar.alphaStar = 0;
    polar.alphaStep = 4;
    polar.angleCount = 2;
    polar.pointCount = 2;
    for (const WingCase& c :
         {WingCase{0, 0, 0, 1}, WingCase{5, 5, 0, 1}, WingCase{5, 0, 0, 0}, WingCase{0, 0, 3, 0}}) {
        Panel3dInteractiveRunSettings s;
        s.flow = polar;
        s.wing = panel3d_test::DefaultGeometry();
        s.wing.leftDeflection = c.left;
        s.wing.rightDeflection = c.right;
        s.wing.beta = c.beta;
        s.chordPanels = 3;
        s.spanPanels = 2;
        s.clustering = 4;
        const Panel3dRunOutcome out = RunPanel3dInteractive(s, nullptr, nullptr);
        ASSERT_EQ(out.error, Panel3dRunError::kNone);
        // Every point of the polar on the same model.
        EXPECT_EQ(out.model->Symmetric(), c.symmetric) << c.left << "/" << c.right;
        EXPECT_EQ(out.model->operatingPoint.sideslip, -c.beta);
        EXPECT_EQ(out.model->operatingPoint.alpha, 4);
    }
}

TEST_F(Panel3dRunTest, InteractiveRunBuildsTheWindowsWingAndEmptiesThePhaseFieldAfterPointOne) {
    Panel3dInteractiveRunSettings s;
    s.flow = SingleState(3);
    s.wing = panel3d_test::DefaultGeometry();
    s.chordPanels = 4.9;  // truncated
    s.spanPanels = 3;
    s.clustering = 4;
    Recorder rec;
    const Panel3dRunOutcome out = RunPanel3dInteractive(s, nullptr, &rec);
    ASSERT_EQ(out.error, Panel3dRunError::kNone);
    EXPECT_EQ(out.model->ChordPanels(), 4);
    EXPECT_EQ(panel3d::Panel3dChordPointCount, 9);
    EXPECT_EQ(panel3d::Panel3dSpanPointCount, 7);
    EXPECT_TRUE(out.model->interactiveGrid);
    EXPECT_DOUBLE_EQ(out.model->halfSpan, 3);
    EXPECT_DOUBLE_EQ(out.model->chordwiseGrading, 0.52);
    // The largest mean diagonal of the first half wing, no factor.
    double largest = 0;
    for (int p = 0; p < out.model->WingPanelCount() / 2; ++p) {
        largest = std::max(largest, out.model->wingPanels[p].meanDiagonal);
    }
    EXPECT_EQ(out.model->coreRadius, largest);
    const auto writing = std::find(rec.texts.begin(), rec.texts.end(),
                                   "0:Ergebnisse werden in Datei geschrieben...");
    ASSERT_NE(writing, rec.texts.end());
    EXPECT_EQ(*(writing + 1), "1:");
}

TEST_F(Panel3dRunTest, FailedRunsLeaveTheModuleAndTheModelAsTheyWere) {
    // A model and module values of an earlier run.
    ASSERT_EQ(RunPanel3dGridFile(GridSettings(SingleState(1)), nullptr, nullptr).error,
              Panel3dRunError::kNone);
    const std::shared_ptr<Panel3dModel> before = panel3d::Panel3dPanelModel;
    const std::string text = Read("grid.fdp");
    std::string wrongTag = text;
    wrongTag.replace(wrongTag.find("#sf"), 3, "#xf");
    std::string shortBody = text.substr(0, text.size() - 30);
    std::string notNumber = text;
    notNumber.replace(notNumber.rfind('\n', notNumber.size() - 2) + 1, 1, "x");
    // Every point in one place: read, but no panel to build.
    const std::string noWing = panel3d_test::GridText(
        panel3d_test::GridHeaderTokens(2, 2), std::vector<Panel3dVector>(25, Panel3dVector{}));
    struct Case {
        const char* name;
        std::string content;  // empty: no file
    };
    for (const Case& c :
         {Case{"wrong tag", wrongTag}, Case{"short body", shortBody},
          Case{"not a number", notNumber}, Case{"no wing", noWing}, Case{"missing", ""}}) {
        std::remove("bad.fdp");
        if (!c.content.empty()) std::ofstream("bad.fdp") << c.content;
        Panel3dGridRunSettings s = GridSettings(SingleState(7));
        s.gridFileName = "bad.fdp";
        s.sideslip = 3;
        s.result3dFileName = "other.dat";
        const Panel3dRunOutcome out = RunPanel3dGridFile(s, nullptr, nullptr);
        EXPECT_EQ(out.error, Panel3dRunError::kGridFile) << c.name;
        EXPECT_FALSE(out.model);
        EXPECT_EQ(panel3d::Panel3dPanelModel, before) << c.name;
        EXPECT_EQ(panel3d::Panel3dSymmetryFlag, 1) << c.name;
        EXPECT_EQ(panel3d::Panel3dWakeRowCount, 3) << c.name;
        EXPECT_EQ(panel3d::Panel3dSpanPanelCount, 2) << c.name;
    }
    // Inputs the windows refuse do not reach the solver either.
    Panel3dGridRunSettings relaxed = GridSettings(SingleState(1));
    relaxed.wakeMode = 1;
    for (double count : {0.0, 0.5, 100.5}) {
        relaxed.iterationCount = count;
        EXPECT_EQ(RunPanel3dGridFile(relaxed, nullptr, nullptr).error,
                  Panel3dRunError::kInvalidInput)
            << count;
    }
    Panel3dInteractiveRunSettings wing;
    wing.flow = SingleState(1);
    wing.wing = panel3d_test::DefaultGeometry();
    for (auto [n, m] : {std::pair{1.9, 3.0}, std::pair{3.0, 1.9}, std::pair{31.0, 50.0}}) {
        wing.chordPanels = n;
        wing.spanPanels = m;
        EXPECT_EQ(RunPanel3dInteractive(wing, nullptr, nullptr).error,
                  Panel3dRunError::kInvalidInput);
    }
    EXPECT_EQ(panel3d::Panel3dPanelModel, before);
    EXPECT_EQ(panel3d::Panel3dChordPanelCount, 2);
}

TEST_F(Panel3dRunTest, EachRunKeepsItsOwnEvaluationRecord) {
    const auto evaluator = EvaluatorFor(SingleState(2));
    const Panel3dRunOutcome first =
        RunPanel3dGridFile(GridSettings(SingleState(2)), evaluator.get(), nullptr);
    const Panel3dRunOutcome second =
        RunPanel3dGridFile(GridSettings(SingleState(6)), evaluator.get(), nullptr);
    ASSERT_TRUE(first.evaluation && second.evaluation);
    EXPECT_NE(first.evaluation, second.evaluation);
    EXPECT_EQ(evaluator->Record(), second.evaluation);
    // The older record still holds its own point.
    EXPECT_EQ(first.evaluation->GetTotalCoefficient(3), first.model->totalLift);
    EXPECT_EQ(second.evaluation->GetTotalCoefficient(3), second.model->totalLift);
    EXPECT_NE(first.model->totalLift, second.model->totalLift);
}

TEST_F(Panel3dRunTest, UnwritableFilesAreNamedOnceAndTheRunGoesOn) {
    Panel3dFlowState flow;
    flow.taskMode = 1;
    flow.alphaStar = 0;
    flow.alphaStep = 2;
    flow.angleCount = 3;
    flow.pointCount = 3;
    Panel3dGridRunSettings s = GridSettings(flow);
    std::filesystem::create_directory("ordner");
    s.result3dFileName = "ordner";
    const Panel3dRunOutcome out = RunPanel3dGridFile(s, nullptr, nullptr);
    ASSERT_EQ(out.error, Panel3dRunError::kNone);
    EXPECT_EQ(out.unwrittenFiles, std::vector<std::string>{"ordner"});
    EXPECT_FALSE(Read("ca-y.dat").empty());
}

}  // namespace
