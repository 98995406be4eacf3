// The grid-file run through its window: the progress window and its guarded pause, the results
// window it opens, the boxes of a failed run and of unwritten files, and the bar on the screen
// in the middle of the run.

#include <wx/app.h>
#include <wx/statusbr.h>
#include <wx/weakref.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "common/gui/WxNumber.h"
#include "panel3d/core/Panel3dEvaluationRecord.h"
#include "panel3d/core/Panel3dModule.h"
#include "panel3d/gui/Panel3dGridInputFrame.h"
#include "panel3d/gui/Panel3dPolarResultsFrame.h"
#include "panel3d/gui/Panel3dResultsFrame.h"
#include "panel3d/gui/Panel3dRunWindows.h"
#include "tests/panel3d/core/Panel3dTestGrids.h"
#include "tests/panel3d/gui/Panel3dInputWindows.h"

namespace {

using namespace luvo::test;

// The filled width of a bar read from the screen: the filled rectangle has a one-pixel black
// border, so its blue ends one pixel before its right edge.
int FilledWidth(const wxImage& bar) {
    int lastBlue = -1;
    for (int x = 0; x < bar.GetWidth(); ++x) {
        if (bar.GetBlue(x, 12) == 255 && bar.GetRed(x, 12) == 0) lastBlue = x;
    }
    return lastBlue < 0 ? 0 : lastBlue - 5 + 2;
}
using panel3d_test::Panel3dInputTest;

const wchar_t* const kFileErrorText =
    L"Fehler beim Einlesen der Datei!\nDateiformat falsch oder Datei nicht vorhanden.\n";

class Panel3dGridRunTest : public Panel3dInputTest {
  protected:
    void SetUp() override {
        Panel3dInputTest::SetUp();
        panel3d::Panel3dCurrentFlowState.taskMode = 0;
        panel3d::Panel3dCurrentFlowState.alphaStar = 4;
        panel3d::Panel3dCurrentFlowState.angleCount = 1;
        panel3d::Panel3dCurrentFlowState.pointCount = 1;
        std::vector<std::string> header = panel3d_test::GridHeaderTokens(2, 2);
        header[10] = "3";  // three free-wake rows keep the run short
        gridText_ = panel3d_test::GridText(header, panel3d_test::TestWing{}.Points());
        WriteGrid(gridText_);
    }
    void TearDown() override {
        Panel3dInputTest::TearDown();
        panel3d::Panel3dPanelModel.reset();
    }

    static Panel3dGridInputFrame* OpenWindow() {
        auto* f = new Panel3dGridInputFrame(wxS("Daten über eine Datei einlesen"),
                                            wxDefaultPosition, wxSize(420, 450));
        panel3d::Panel3dGridInputWindow = f;
        f->Centre(wxBOTH);
        f->Show(true);
        return f;
    }
    void WriteGrid(const std::string& text) {
        std::ofstream(dir().file("grid.fdp"), std::ios::binary) << text;
    }
    static std::vector<wxFrame*> FramesTitled(const wxString& title) {
        std::vector<wxFrame*> found;
        for (wxFrame* f : OpenFrames()) {
            if (f->GetTitle() == title && !wxTheApp->IsScheduledForDestruction(f)) {
                found.push_back(f);
            }
        }
        return found;
    }

    std::string gridText_;
};

TEST_F(Panel3dGridRunTest, ARunOpensItsResultsWindowAndClosesProgressAndInputWindows) {
    struct Case {
        int taskMode;
        const wchar_t* title;
    };
    for (const Case& c : {Case{0, L"Ergebnisse"}, Case{1, L"Polaren"}, Case{2, L"Polaren"}}) {
        SCOPED_TRACE(c.taskMode);
        Panel3dFlowState& flow = panel3d::Panel3dCurrentFlowState;
        flow.taskMode = c.taskMode;
        flow.alphaStar = c.taskMode == 2 ? -10 : 4;
        flow.alphaStep = c.taskMode == 2 ? 20 : 2;
        flow.angleCount = c.taskMode == 0 ? 1 : 2;
        flow.speedMin = 30;
        flow.speedMax = 60;
        flow.speedCount = 2;
        flow.wingLoading = 300;
        std::filesystem::remove("ca-y.dat");
        Panel3dGridInputFrame* f = OpenWindow();
        wxWeakRef<wxFrame> input(f);
        Click(f->startButton);
        EXPECT_FALSE(panel3d::Panel3dGridInputOpen());
        EXPECT_EQ(panel3d::Panel3dProgressWindow, nullptr);
        EXPECT_FALSE(panel3d::Panel3dRunActive);
        EXPECT_TRUE(std::filesystem::exists("ca-y.dat"));
        ASSERT_TRUE(panel3d::Panel3dPanelModel);
        wxTheApp->ProcessIdle();
        EXPECT_FALSE(input);
        EXPECT_TRUE(FramesTitled(wxS("Rechnung läuft!")).empty());
        const std::vector<wxFrame*> results = FramesTitled(c.title);
        ASSERT_EQ(results.size(), 1u);
        EXPECT_EQ(results[0]->GetSize(), wxSize(640, 565));
        EXPECT_EQ(results[0]->GetWindowStyle(), wxDEFAULT_FRAME_STYLE);
        EXPECT_EQ(results[0]->GetStatusBar()->GetStatusText(0), wxS("Ergebnisse"));
        // The task's window, on this run's model and evaluation.
        auto* shown = dynamic_cast<Panel3dResultsWindow*>(results[0]);
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(shown->Run().model, panel3d::Panel3dPanelModel);
        ASSERT_TRUE(shown->Run().record);
        if (auto* single = dynamic_cast<Panel3dResultsFrame*>(shown)) {
            EXPECT_EQ(c.taskMode, 0);
            const Panel3dModel& m = *panel3d::Panel3dPanelModel;
            const double values[9] = {
                m.totalLift,      m.totalInducedDrag, m.momentX,
                m.momentY,        m.momentZ,          m.referenceArea,
                m.referenceChord, m.kFactor,          shown->Run().record->GetTotalCoefficient(1)};
            for (int i = 0; i < 9; ++i) {
                EXPECT_EQ(single->valueTexts[i]->GetLabel(), luvo::FormatLabel("%1.3f", values[i]))
                    << i;
            }
        } else if (c.taskMode == 1) {
            EXPECT_NE(dynamic_cast<Panel3dPolarResultsFrame*>(shown), nullptr);
        } else {
            EXPECT_NE(dynamic_cast<Panel3dSpeedPolarResultsFrame*>(shown), nullptr);
        }
        // Centred on the screen.
        const wxRect screen = wxGetClientDisplayRect();
        const wxRect r = results[0]->GetRect();
        EXPECT_NEAR(r.x + r.width / 2, screen.x + screen.width / 2, 2);
        results[0]->Destroy();
        wxTheApp->ProcessIdle();
    }
}

TEST_F(Panel3dGridRunTest, AFailedRunShowsTheFileBoxAndLeavesModuleAndModelAsTheyWere) {
    // A model of an earlier run.
    Click(OpenWindow()->startButton);
    const std::shared_ptr<Panel3dModel> before = panel3d::Panel3dPanelModel;
    ASSERT_TRUE(before);
    for (wxFrame* r : FramesTitled(wxS("Ergebnisse"))) r->Destroy();

    std::string wrongTag = gridText_;
    wrongTag.replace(wrongTag.find("#e"), 2, "#f");
    const std::string shortBody = gridText_.substr(0, gridText_.size() - 40);
    for (const std::string& text : {wrongTag, shortBody, std::string()}) {
        if (text.empty()) {
            std::filesystem::remove("grid.fdp");
        } else {
            WriteGrid(text);
        }
        Panel3dGridInputFrame* f = OpenWindow();
        SetText(f->sideslipField, wxS("5"));
        ShownBox seen;
        wxString statusWhileShown;
        wxTEST_DIALOG(Click(f->startButton), ExpectBoxNotingStatus(&seen, &statusWhileShown, f));
        EXPECT_EQ(seen.caption, wxS("Fehler beim Einlesen der Datei"));
        EXPECT_EQ(seen.message, wxString(kFileErrorText));
        EXPECT_TRUE(seen.HasIcon(wxICON_ERROR));
        EXPECT_EQ(statusWhileShown, wxS("Fehler!"));
        EXPECT_EQ(f->GetStatusBar()->GetStatusText(0), wxS("Rechnung starten"));
        EXPECT_TRUE(panel3d::Panel3dGridInputOpen());
        EXPECT_FALSE(panel3d::Panel3dRunActive);
        EXPECT_EQ(panel3d::Panel3dProgressWindow, nullptr);
        wxTheApp->ProcessIdle();
        EXPECT_TRUE(FramesTitled(wxS("Rechnung läuft!")).empty());
        EXPECT_TRUE(FramesTitled(wxS("Ergebnisse")).empty());
        EXPECT_EQ(panel3d::Panel3dPanelModel, before);
        EXPECT_EQ(panel3d::Panel3dWakeRowCount, 3);
        EXPECT_EQ(panel3d::Panel3dSymmetryFlag, 1);
        f->Destroy();
    }
}

TEST_F(Panel3dGridRunTest, StartAndCloseDuringThePauseDoNothing) {
    Panel3dGridInputFrame* f = OpenWindow();
    bool sawRun = false;
    bool progressStayed = false;
    // Handled in the one-second pause, while the run holds the progress window.
    f->CallAfter([&] {
        sawRun = panel3d::Panel3dRunActive && panel3d::Panel3dProgressWindow != nullptr;
        Click(f->startButton);
        panel3d::Panel3dProgressWindow->Close();
        f->Close();
        SendMenu(f, luvo::kIdMenuClose);
        progressStayed = !wxTheApp->IsScheduledForDestruction(panel3d::Panel3dProgressWindow) &&
                         !wxTheApp->IsScheduledForDestruction(f);
    });
    Click(f->startButton);
    EXPECT_TRUE(sawRun);
    EXPECT_TRUE(progressStayed);
    wxTheApp->ProcessIdle();
    // One run, one results window.
    EXPECT_EQ(FramesTitled(wxS("Ergebnisse")).size(), 1u);
    EXPECT_TRUE(FramesTitled(wxS("Rechnung läuft!")).empty());
}

TEST_F(Panel3dGridRunTest, UnwrittenFilesGiveOneBoxOverTheOpenResultsWindow) {
    panel3d::Panel3dCurrentFlowState.taskMode = 1;
    panel3d::Panel3dCurrentFlowState.alphaStep = 2;
    panel3d::Panel3dCurrentFlowState.angleCount = 3;
    std::filesystem::create_directory("ordner");
    Panel3dGridInputFrame* f = OpenWindow();
    f->resultCpFileLabel->SetLabel(wxS("ordner"));
    ShownBox seen;
    size_t resultsWhileShown = 0;
    wxTEST_DIALOG(Click(f->startButton), ExpectBox(&seen, [&] {
                      resultsWhileShown = FramesTitled(wxS("Polaren")).size();
                  }));
    EXPECT_EQ(seen.caption, wxS("Fehler beim Schreiben der Datei"));
    EXPECT_EQ(seen.message,
              wxS("Folgende Ergebnisdateien konnten nicht geschrieben werden:\n\nordner\n"));
    EXPECT_TRUE(seen.HasIcon(wxICON_ERROR));
    EXPECT_EQ(resultsWhileShown, 1u);
    EXPECT_FALSE(panel3d::Panel3dGridInputOpen());
}

TEST_F(Panel3dGridRunTest, AWindowLeftOpenAfterQuitFinishesItsRunWithTheEvaluatorItHolds) {
    Panel3dGridInputFrame* f = OpenWindow();
    std::weak_ptr<Panel3dPolarEvaluator> evaluator = Panel3dPolarEvaluator::Shared();
    evaluator.lock()->SetFlowState(30, 1.5e-5, 0, 4, 0, 1, 0, 0, 0, 0, 0.8);
    // "&Beenden..." drops the module's reference.
    Panel3dPolarEvaluator::Release();
    Click(f->startButton);
    ASSERT_FALSE(evaluator.expired());
    ASSERT_TRUE(evaluator.lock()->Record());
    EXPECT_EQ(evaluator.lock()->Record()->GetTotalCoefficient(3),
              panel3d::Panel3dPanelModel->totalLift);
    wxTheApp->ProcessIdle();
    // The results window holds it now; with the last panel window it goes.
    const std::vector<wxFrame*> results = FramesTitled(wxS("Ergebnisse"));
    ASSERT_EQ(results.size(), 1u);
    EXPECT_FALSE(evaluator.expired());
    results[0]->Destroy();
    wxTheApp->ProcessIdle();
    EXPECT_TRUE(evaluator.expired());
}

class ScreenPanel3dGridRun : public Panel3dGridRunTest {};

TEST_F(ScreenPanel3dGridRun, TheBarShowsTheLastPercentageInTheMiddleOfTheRun) {
    Panel3dGridInputFrame* f = OpenWindow();
    wxImage bar;
    wxImage window;
    // The status line is painted right after the bar at each of the solver's points.
    f->GetStatusBar()->Bind(wxEVT_PAINT, [&](wxPaintEvent& e) {
        e.Skip();
        if (!bar.IsOk() && panel3d::Panel3dProgressWindow != nullptr &&
            f->GetStatusBar()->GetStatusText(0) == wxS("Gleichungssystem lösen...")) {
            bar = ReadScreen(panel3d::Panel3dProgressWindow->progressCanvas);
            window = ReadScreen(panel3d::Panel3dProgressWindow);
        }
    });
    Click(f->startButton);
    ASSERT_TRUE(bar.IsOk());
    // The flat solve of the half model: the mirror wake's columns end at 80 % of 180 pixels.
    EXPECT_EQ(FilledWidth(bar), static_cast<int>(1.8 * 80));
    SaveTourImage(window, "panel3d_progress_run");
}

TEST_F(ScreenPanel3dGridRun, DrawBarFillsTruncatedPercentagesOfItsWidth) {
    Panel3dProgressFrame* progress = luvo::ShowProgressWindow();
    CaptureFrame(progress);
    for (auto [percent, pixels] :
         {std::pair{50.0, 90}, std::pair{99.9, 179}, std::pair{100.0, 180}, std::pair{0.0, 0}}) {
        progress->progressCanvas->SetProgress(percent);
        EXPECT_EQ(FilledWidth(ReadScreen(progress->progressCanvas)), pixels) << percent;
    }
    progress->Destroy();
}

}  // namespace
