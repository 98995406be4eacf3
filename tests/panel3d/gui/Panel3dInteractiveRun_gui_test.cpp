// The interactive run as "Starte&n" hands it over: the geometry window's wing, the texts in the
// starting window, the results window, the starting window closed after a finished run and kept
// after a failed one; the geometry window stays either way.

#include <wx/app.h>
#include <wx/statusbr.h>

#include <filesystem>

#include "common/gui/LuvoFrame.h"
#include "panel3d/core/Panel3dModel.h"
#include "panel3d/core/Panel3dModule.h"
#include "panel3d/gui/Panel3dDiscretisationFrame.h"
#include "panel3d/gui/Panel3dGeometryFrame.h"
#include "panel3d/gui/Panel3dRunWindows.h"
#include "tests/panel3d/gui/Panel3dInputWindows.h"

namespace {

using namespace luvo::test;

class Panel3dInteractiveRunTest : public panel3d_test::Panel3dInputTest {
  protected:
    void SetUp() override {
        Panel3dInputTest::SetUp();
        panel3d::Panel3dPanelModel.reset();
        panel3d::Panel3dWakeRowCount = 3;  // a short wake keeps the runs quick
        panel3d::Panel3dCurrentFlowState.alphaStar = 2.5;
        panel3d::Panel3dCurrentFlowState.angleCount = 1;
        panel3d::Panel3dCurrentFlowState.pointCount = 1;
        g = new Panel3dGeometryFrame(wxS("Interaktives Erstellen einer Flügelkonfiguration"),
                                     wxDefaultPosition, wxSize(760, 730));
        panel3d::Panel3dGeometryWindow = g;
        g->Show(true);
        // Stands in for "Diskretisierung": two status fields.
        start = new luvo::LuvoFrame(wxS("Start"), wxDefaultPosition, wxSize(400, 300),
                                    luvo::FileMenu::Close, 2);
        start->SetStatusText(wxS("bereit"), 0);
        start->Show(true);
        values.chordPanels = 4;
        values.spanPanels = 3;
        values.clustering = 4;
        values.result3dFileName = "3D.dat";
        values.resultCpFileName = "cp-x.dat";
        values.resultCaFileName = "ca-y.dat";
    }
    void TearDown() override {
        Panel3dInputTest::TearDown();
        panel3d::Panel3dPanelModel.reset();
        panel3d::Panel3dWakeRowCount = 25;
    }
    static int FramesTitled(const wxString& title) {
        int count = 0;
        for (wxFrame* f : OpenFrames()) {
            if (f->GetTitle() == title && !wxTheApp->IsScheduledForDestruction(f)) ++count;
        }
        return count;
    }

    Panel3dGeometryFrame* g = nullptr;
    luvo::LuvoFrame* start = nullptr;
    Panel3dDiscretisationValues values;
};

TEST_F(Panel3dInteractiveRunTest, AFinishedRunOpensItsResultsClosesTheStarterAndKeepsTheGeometry) {
    struct Case {
        const wchar_t* left;
        const wchar_t* right;
        int symmetric;
    };
    for (const Case& c : {Case{L"5", L"5", 1}, Case{L"5", L"0", 0}}) {
        SetText(g->leftDeflectionField, c.left);
        SetText(g->rightDeflectionField, c.right);
        int closes = 0;
        Panel3dRunInteractive(*start, values, Panel3dPolarEvaluator::Shared(), [&] { ++closes; });
        EXPECT_EQ(closes, 1);
        EXPECT_FALSE(panel3d::Panel3dRunActive);
        EXPECT_EQ(panel3d::Panel3dProgressWindow, nullptr);
        EXPECT_EQ(start->GetStatusBar()->GetStatusText(0), wxS("Rechnung beendet!"));
        wxTheApp->ProcessIdle();
        EXPECT_EQ(FramesTitled(wxS("Rechnung läuft!")), 0);
        EXPECT_EQ(FramesTitled(wxS("Ergebnisse")), 1);
        EXPECT_TRUE(panel3d::Panel3dGeometryOpen());
        ASSERT_TRUE(panel3d::Panel3dPanelModel);
        EXPECT_EQ(panel3d::Panel3dPanelModel->ChordPanels(), 4);
        EXPECT_EQ(panel3d::Panel3dPanelModel->SpanPanels(), 3);
        EXPECT_EQ(panel3d::Panel3dPanelModel->Symmetric(), c.symmetric);
        EXPECT_EQ(panel3d::Panel3dPanelModel->leftFlapDeflection, -5);
        EXPECT_TRUE(std::filesystem::exists("ca-y.dat"));
        for (wxFrame* f : OpenFrames()) {
            if (f->GetTitle() == wxS("Ergebnisse")) f->Destroy();
        }
        wxTheApp->ProcessIdle();
    }
}

TEST_F(Panel3dInteractiveRunTest, AFailedRunShowsItsBoxAndKeepsTheStarter) {
    values.chordPanels = 1;  // what the window's checks would have refused
    int closes = 0;
    ShownBox seen;
    wxTEST_DIALOG(
        Panel3dRunInteractive(*start, values, Panel3dPolarEvaluator::Shared(), [&] { ++closes; }),
        ExpectBox(&seen));
    EXPECT_EQ(seen.caption, wxS("Die Eingaben sind nicht korrekt!"));
    EXPECT_TRUE(seen.HasIcon(wxICON_ERROR));
    EXPECT_EQ(closes, 0);
    EXPECT_EQ(start->GetStatusBar()->GetStatusText(0), wxS("bereit"));
    EXPECT_FALSE(panel3d::Panel3dPanelModel);
    EXPECT_FALSE(panel3d::Panel3dRunActive);
    wxTheApp->ProcessIdle();
    EXPECT_EQ(FramesTitled(wxS("Rechnung läuft!")), 0);
    EXPECT_EQ(FramesTitled(wxS("Ergebnisse")), 0);
}

}  // namespace

namespace {

// Through the window: "Starte&n" after "A&nzeigen".
class Panel3dDiscretisationStartTest : public panel3d_test::Panel3dInputTest {
  protected:
    void TearDown() override {
        Panel3dInputTest::TearDown();
        panel3d::Panel3dPanelModel.reset();
        panel3d::Panel3dWakeRowCount = 25;
    }
};

TEST_F(Panel3dDiscretisationStartTest, TheRunClosesFlapViewAndDiscretisationAndKeepsTheGeometry) {
    panel3d::Panel3dWakeRowCount = 3;
    panel3d::Panel3dCurrentFlowState.alphaStar = 2.5;
    panel3d::Panel3dCurrentFlowState.angleCount = 1;
    panel3d::Panel3dCurrentFlowState.pointCount = 1;
    auto* g = new Panel3dGeometryFrame(wxS("Interaktives Erstellen einer Flügelkonfiguration"),
                                       wxDefaultPosition, wxSize(760, 730));
    panel3d::Panel3dGeometryWindow = g;
    g->Show(true);
    Click(g->nextButton);
    Panel3dDiscretisationFrame* d = panel3d::Panel3dDiscretisationWindow;
    ASSERT_NE(d, nullptr);
    SetText(d->chordPanelsField, wxS("4"));
    SetText(d->spanPanelsField, wxS("3"));
    Click(d->showFlapsButton);
    ASSERT_TRUE(panel3d::Panel3dFlapOpen());
    Click(d->startButton);
    EXPECT_FALSE(panel3d::Panel3dDiscretisationOpen());
    EXPECT_FALSE(panel3d::Panel3dFlapOpen());
    wxTheApp->ProcessIdle();
    int results = 0, others = 0;
    for (wxFrame* f : OpenFrames()) {
        if (wxTheApp->IsScheduledForDestruction(f)) continue;
        if (f->GetTitle() == wxS("Ergebnisse")) ++results;
        if (f->GetTitle() == wxS("Klappenausschlag") || f->GetTitle() == wxS("Diskretisierung") ||
            f->GetTitle() == wxS("Rechnung läuft!")) {
            ++others;
        }
    }
    EXPECT_EQ(results, 1);
    EXPECT_EQ(others, 0);
    EXPECT_TRUE(panel3d::Panel3dGeometryOpen());
    ASSERT_TRUE(panel3d::Panel3dPanelModel);
    EXPECT_EQ(panel3d::Panel3dPanelModel->ChordPanels(), 4);
}

}  // namespace
