// The panel method window, the geometry-source chooser it opens, and the single grid-input and
// geometry windows that the chooser opens.

#include <wx/app.h>
#include <wx/statusbr.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <vector>

#include "app/MainFrame.h"
#include "panel3d/gui/Panel3dDiscretisationFrame.h"
#include "panel3d/gui/Panel3dFlapFrame.h"
#include "panel3d/gui/Panel3dGeometryFrame.h"
#include "panel3d/gui/Panel3dGridInputFrame.h"
#include "panel3d/gui/Panel3dMethodFrame.h"
#include "panel3d/gui/Panel3dSourceFrame.h"
#include "tests/common/gui/EndedWindows.h"
#include "tests/panel3d/gui/Panel3dInputWindows.h"
#include "tests/support/InfoBox.h"

namespace {

using namespace luvo::test;
using panel3d_test::Panel3dInputTest;

const wchar_t* const kCheckCaption = L"Die Eingaben sind nicht korrekt!";

class Panel3dMethodFrameTest : public Panel3dInputTest {
  protected:
    // The main window's way of opening the method.
    static Panel3dMethodFrame* OpenMethod() {
        auto* frame = dynamic_cast<Panel3dMethodFrame*>(OpenMethodWindow(1));
        EXPECT_NE(frame, nullptr);
        return frame;
    }
    static wxString Status(wxFrame* f) { return f->GetStatusBar()->GetStatusText(); }
    template <class T>
    static std::vector<T*> Open() {
        std::vector<T*> out;
        for (wxFrame* f : OpenFrames()) {
            if (auto* t = dynamic_cast<T*>(f)) out.push_back(t);
        }
        return out;
    }
    static void CloseAll(const std::vector<Panel3dSourceFrame*>& choosers) {
        for (Panel3dSourceFrame* c : choosers) Click(c->cancelButton);
        wxTheApp->ProcessIdle();
    }
};

TEST_F(Panel3dMethodFrameTest, EachTaskEnablesItsFieldsAndHandsItsDefaultsOver) {
    Panel3dMethodFrame* f = OpenMethod();
    EXPECT_EQ(f->GetTitle(), wxS(" Luvo - 3D Panelverfahren"));
    EXPECT_EQ(f->GetSize(), wxSize(420, 760));
    EXPECT_EQ(f->taskRadio->GetSelection(), 0);
    const wchar_t* initial[] = {L"2.5", L"-4.0", L"2.0", L"4",   L"100", L"17.08",
                                L"30",  L"90",   L"5",   L"200", L"0.95"};
    for (int i = 0; i < kPanel3dFlowFieldCount; ++i) {
        EXPECT_EQ(f->fields[i]->GetValue(), wxString(initial[i])) << i;
        EXPECT_EQ(f->fields[i]->GetToolTipText(), wxString()) << i;
    }
    // The viscosity is entered in 10^-6 m²/s (17.08 is air's 1.708e-5 m²/s).
    const std::vector<wxString> texts = StaticTexts(f);
    EXPECT_NE(
        std::find(texts.begin(), texts.end(), wxString(L"Kinematische Viskosität [10^-6 m²/s]:")),
        texts.end());

    struct Row {
        int task;
        const wchar_t* status;
        std::vector<int> enabled;  // field indices
        Panel3dFlowState state;
        // What the evaluator receives: V, nu, alpha*, delta alpha, count, v_max, v_min,
        // wing loading, efficiency.
        std::array<double, 9> evaluator;
    };
    const Row rows[] = {
        {0,
         L"Gewählt: Einzelner Anströmzustand",
         {kPanel3dAlpha, kPanel3dSpeed, kPanel3dViscosity},
         {0, 2.5, 1.0, 1, 1, 1.0, 1.0, 1, 1.0, 1.0},
         {100, 1.708e-5, 2.5, 1.0, 1, 1.0, 1.0, 1.0, 1.0}},
        {1,
         L"Gewählt: CA / CW Polare, CA / alpha Polare....",
         {kPanel3dAlphaMin, kPanel3dAlphaStep, kPanel3dPointCount, kPanel3dSpeed,
          kPanel3dViscosity},
         {1, -4.0, 2.0, 4, 4, 1.0, 1.0, 1, 1.0, 1.0},
         {100, 1.708e-5, -4.0, 2.0, 4, 1.0, 1.0, 1.0, 1.0}},
        {2,
         L"Gewählt: Leistungs- / Schubpolare, Sinkflugpolare",
         {kPanel3dViscosity, kPanel3dSpeedMin, kPanel3dSpeedMax, kPanel3dSpeedCount,
          kPanel3dWingLoading, kPanel3dEfficiency},
         {2, -10.0, 20.0, 2, 5, 30, 90, 5, 200, 0.95},
         {30, 1.708e-5, -10.0, 20.0, 5, 90, 30, 200, 0.95}},
    };
    const auto evaluator = Panel3dPolarEvaluator::Shared();
    // Backwards, so that every row changes the selection.
    for (int r = 2; r >= 0; --r) {
        const Row& row = rows[r];
        SCOPED_TRACE(row.task);
        SelectRadio(f->taskRadio, row.task);
        EXPECT_EQ(Status(f), wxString(row.status));
        for (int i = 0; i < kPanel3dFlowFieldCount; ++i) {
            const bool on =
                std::find(row.enabled.begin(), row.enabled.end(), i) != row.enabled.end();
            EXPECT_EQ(f->fields[i]->IsEnabled(), on) << i;
        }
        Click(f->okButton);
        const Panel3dFlowState& s = panel3d::Panel3dCurrentFlowState;
        EXPECT_EQ(s.taskMode, row.state.taskMode);
        EXPECT_DOUBLE_EQ(s.alphaStar, row.state.alphaStar);
        EXPECT_DOUBLE_EQ(s.alphaStep, row.state.alphaStep);
        EXPECT_EQ(s.angleCount, row.state.angleCount);
        EXPECT_EQ(s.pointCount, row.state.pointCount);
        EXPECT_DOUBLE_EQ(s.speedMin, row.state.speedMin);
        EXPECT_DOUBLE_EQ(s.speedMax, row.state.speedMax);
        EXPECT_EQ(s.speedCount, row.state.speedCount);
        EXPECT_DOUBLE_EQ(s.wingLoading, row.state.wingLoading);
        EXPECT_DOUBLE_EQ(s.efficiency, row.state.efficiency);
        EXPECT_EQ(evaluator->GetMode(), row.task);
        EXPECT_DOUBLE_EQ(evaluator->GetPointCount(), row.evaluator[4]);
        for (int k = 0; k < 9; ++k) {
            EXPECT_NEAR(evaluator->flowState[k], row.evaluator[k],
                        1e-12 * (1 + std::abs(row.evaluator[k])))
                << k;
        }
        CloseAll(Open<Panel3dSourceFrame>());
    }

    // The info box, then the status and enabling of the current task again.
    SelectRadio(f->taskRadio, 1);
    wxString statusWhileOpen;
    const ShownBox seen = ShowInfoBox(f, &statusWhileOpen);
    EXPECT_EQ(statusWhileOpen, wxS("Gewählt: Info"));
    EXPECT_EQ(seen.caption, wxS("Info 3D-Panelverfahren"));
    EXPECT_TRUE(seen.HasIcon(wxICON_INFORMATION));
    EXPECT_TRUE(seen.message.StartsWith(wxS("Mit Hilfe des Panelverfahrens lassen sich Polaren")));
    EXPECT_TRUE(seen.message.EndsWith(wxS("nicht benötigten Werte werden ausgeblendet.")));
    EXPECT_EQ(Status(f), wxS("Gewählt: CA / CW Polare, CA / alpha Polare...."));
    EXPECT_FALSE(f->fields[kPanel3dAlpha]->IsEnabled());
    EXPECT_TRUE(f->fields[kPanel3dPointCount]->IsEnabled());
}

TEST_F(Panel3dMethodFrameTest, RefusedInputsShowTheirBoxAndChangeNothing) {
    Panel3dMethodFrame* f = OpenMethod();
    SelectRadio(f->taskRadio, 1);
    Click(f->okButton);
    CloseAll(Open<Panel3dSourceFrame>());
    const Panel3dFlowState before = panel3d::Panel3dCurrentFlowState;
    const auto evaluator = Panel3dPolarEvaluator::Shared();
    const std::array<double, 9> evaluatorBefore = evaluator->flowState;

    struct Case {
        int task;
        std::vector<std::pair<int, const wchar_t*>> texts;
        const wchar_t* message;
    };
    const wchar_t* const points =
        L"Die Anzahl der Punkte liegt in einem unzulässigen Bereich:\n\n"
        L"2 <= Anzahl der Punkte <= 99\n";
    const wchar_t* const speeds =
        L"Der Wert der minimalen Geschwindigkeit liegt in einem unzulässigen Bereich:\n\n"
        L"0 < minimale Geschwindigkeit < maximale Geschwindigkeit\n";
    const Case cases[] = {
        {1, {{kPanel3dPointCount, L"1.9"}}, points},
        {1, {{kPanel3dPointCount, L""}}, points},
        {1, {{kPanel3dPointCount, L"100"}}, points},
        {2, {{kPanel3dSpeedMin, L"90"}, {kPanel3dSpeedMax, L"30"}}, speeds},
        {2,
         {{kPanel3dSpeedCount, L"1"}},
         L"Die Anzahl der Geschwindigkeiten liegt in einem unzulässigen Bereich:\n\n"
         L"2 <= Anzahl der Geschwindigkeiten <= 99\n"},
        {2,
         {{kPanel3dEfficiency, L"0"}},
         L"Der Wert des Wirkungsgrades liegt in einem unzulässigen Bereich:\n\n0 < Wirkungsgrad\n"},
        {0,
         {{kPanel3dViscosity, L"0"}},
         L"Der Wert der kinematischen Viskosität liegt in einem unzulässigen Bereich:\n\n"
         L"0 < Kinematische Viskosität\n"},
        {0,
         {{kPanel3dSpeed, L"nan"}},
         L"Der Wert der Geschwindigkeit liegt in einem unzulässigen Bereich:\n\n"
         L"0 < Geschwindigkeit\n"},
        {1, {{kPanel3dSpeed, L"1e999"}}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.task << " " << wxString(c.texts[0].second).utf8_string());
        SelectRadio(f->taskRadio, c.task);
        std::vector<wxString> kept;
        for (const auto& [field, text] : c.texts) {
            kept.push_back(f->fields[field]->GetValue());
            SetText(f->fields[field], text);
        }
        ShownBox seen;
        wxTEST_DIALOG(Click(f->okButton), ExpectBox(&seen));
        EXPECT_EQ(seen.caption, wxString(kCheckCaption));
        EXPECT_TRUE(seen.HasIcon(wxICON_ERROR));
        if (c.message) {
            EXPECT_EQ(seen.message, wxString(c.message));
        }
        EXPECT_EQ(panel3d::Panel3dCurrentFlowState.taskMode, before.taskMode);
        EXPECT_EQ(panel3d::Panel3dCurrentFlowState.pointCount, before.pointCount);
        EXPECT_EQ(evaluator->flowState, evaluatorBefore);
        EXPECT_EQ(evaluator->GetMode(), 1);
        EXPECT_TRUE(Open<Panel3dSourceFrame>().empty());
        for (size_t k = 0; k < c.texts.size(); ++k) SetText(f->fields[c.texts[k].first], kept[k]);
    }
}

TEST_F(Panel3dMethodFrameTest, OkOpensAChooserUnlessTheGridInputWindowIsOpen) {
    Panel3dMethodFrame* f = OpenMethod();
    Click(f->okButton);
    Click(f->okButton);
    const std::vector<Panel3dSourceFrame*> choosers = Open<Panel3dSourceFrame>();
    ASSERT_EQ(choosers.size(), 2u);
    EXPECT_EQ(panel3d::Panel3dSourceWindow, choosers[1]);

    // The chooser's "&OK" twice with choice 0: one grid-input window.
    Panel3dSourceFrame* chooser = choosers[0];
    EXPECT_EQ(chooser->GetTitle(), wxS(" Luvo - 3D Panelverfahren, Punkt"));
    EXPECT_EQ(chooser->GetSize(), wxSize(420, 380));
    Click(chooser->okButton);
    ASSERT_TRUE(panel3d::Panel3dGridInputOpen());
    Panel3dGridInputFrame* input = panel3d::Panel3dGridInputWindow;
    SetText(input->sideslipField, wxS("12"));
    Click(chooser->okButton);
    ASSERT_EQ(Open<Panel3dGridInputFrame>().size(), 1u);
    EXPECT_EQ(panel3d::Panel3dGridInputWindow, input);
    EXPECT_EQ(input->sideslipField->GetValue(), wxS("12"));
    EXPECT_TRUE(input->IsShown());
    EXPECT_EQ(input->GetTitle(), wxS("Daten über eine Datei einlesen"));

    // While it is open, "&OK" only changes the flow state.
    CloseAll(choosers);
    EXPECT_EQ(panel3d::Panel3dSourceWindow.get(), nullptr);  // the closed chooser is forgotten
    SetText(f->fields[kPanel3dAlpha], wxS("7.5"));
    Click(f->okButton);
    EXPECT_TRUE(Open<Panel3dSourceFrame>().empty());
    EXPECT_DOUBLE_EQ(panel3d::Panel3dCurrentFlowState.alphaStar, 7.5);
    EXPECT_DOUBLE_EQ(Panel3dPolarEvaluator::Shared()->flowState[2], 7.5);

    // Once closed, a fresh one with its initial labels.
    SendMenu(input, luvo::kIdMenuClose);
    wxTheApp->ProcessIdle();
    EXPECT_FALSE(panel3d::Panel3dGridInputOpen());
    Click(f->okButton);
    ASSERT_EQ(Open<Panel3dSourceFrame>().size(), 1u);
    Click(Open<Panel3dSourceFrame>()[0]->okButton);
    ASSERT_TRUE(panel3d::Panel3dGridInputOpen());
    Panel3dGridInputFrame* fresh = panel3d::Panel3dGridInputWindow;
    EXPECT_EQ(fresh->sideslipField->GetValue(), wxS("0.0"));
    EXPECT_EQ(fresh->gridFileLabel->GetLabel(), wxS("grid.fdp"));
    EXPECT_EQ(fresh->result3dFileLabel->GetLabel(), wxS("3D.dat"));
    EXPECT_EQ(fresh->resultCpFileLabel->GetLabel(), wxS("cp-x.dat"));
    EXPECT_EQ(fresh->resultCaFileLabel->GetLabel(), wxS("ca-y.dat"));
}

TEST_F(Panel3dMethodFrameTest, ChooserStatusInfoAndTheSingleGeometryWindow) {
    Click(OpenMethod()->okButton);
    Panel3dSourceFrame* chooser = panel3d::Panel3dSourceWindow;
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(Status(chooser), wxS("Gewählt: Einlesen der Daten aus Datei"));
    SelectRadio(chooser->sourceRadio, 1);
    EXPECT_EQ(Status(chooser), wxS("Gewählt: Interaktive Erzeugung eines Tragflügels"));

    wxString statusWhileOpen;
    const ShownBox seen = ShowInfoBox(chooser, &statusWhileOpen);
    EXPECT_EQ(statusWhileOpen, wxS("Gewählt: Info"));
    EXPECT_EQ(seen.caption, wxS("Info 3D-Panelverfahren"));
    EXPECT_TRUE(seen.HasIcon(wxICON_INFORMATION));
    EXPECT_TRUE(
        seen.message.EndsWith(wxS("2. Interaktives Erzeugen eines einfachen Trapezflügels")));
    EXPECT_EQ(Status(chooser), wxS("Gewählt: Interaktive Erzeugung eines Tragflügels"));

    Click(chooser->okButton);
    Click(chooser->okButton);
    const std::vector<Panel3dGeometryFrame*> geometry = Open<Panel3dGeometryFrame>();
    ASSERT_EQ(geometry.size(), 1u);
    EXPECT_TRUE(panel3d::Panel3dGeometryOpen());
    EXPECT_EQ(panel3d::Panel3dGeometryWindow, geometry[0]);
    EXPECT_EQ(geometry[0]->GetTitle(), wxS("Interaktives Erstellen einer Flügelkonfiguration"));
    EXPECT_EQ(geometry[0]->GetSize(), wxSize(760, 730));
    EXPECT_FALSE(panel3d::Panel3dGridInputOpen());
    geometry[0]->Close();
    wxTheApp->ProcessIdle();
    EXPECT_FALSE(panel3d::Panel3dGeometryOpen());
    EXPECT_TRUE(Open<Panel3dGeometryFrame>().empty());
    // The chooser stays open and makes a new one.
    Click(chooser->okButton);
    EXPECT_EQ(Open<Panel3dGeometryFrame>().size(), 1u);
}

// A single window that is gone, or only about to go, is never shown again: the next opening
// builds a fresh window, whether the old one was deleted without its close handler or closed
// and asked for again before the program was idle.
TEST_F(Panel3dMethodFrameTest, AGoneInputWindowIsRebuiltNotReshown) {
    Panel3dMethodFrame* method = OpenMethod();
    Click(method->okButton);
    Panel3dSourceFrame* chooser = panel3d::Panel3dSourceWindow;
    ASSERT_NE(chooser, nullptr);
    auto choose = [chooser](int source) {
        SelectRadio(chooser->sourceRadio, source);
        Click(chooser->okButton);
    };
    auto openDiscretisation = [choose] {
        choose(1);
        Click(panel3d::Panel3dGeometryWindow->nextButton);
    };
    // While the grid-input window is open the method window's "&OK" opens no chooser; once it is
    // gone it does again.
    auto methodOkOpensAChooser = [method] {
        Click(method->okButton);
        EXPECT_EQ(Open<Panel3dSourceFrame>().size(), 2u);
        CloseAll({panel3d::Panel3dSourceWindow.get()});
    };
    ExpectGoneInputWindowsRebuilt({
        {"grid input", [choose] { choose(0); }, [] { return panel3d::Panel3dGridInputOpen(); },
         [] { return static_cast<wxFrame*>(panel3d::Panel3dGridInputWindow.get()); },
         methodOkOpensAChooser},
        {"geometry", [choose] { choose(1); }, [] { return panel3d::Panel3dGeometryOpen(); },
         [] { return static_cast<wxFrame*>(panel3d::Panel3dGeometryWindow.get()); }},
        {"discretisation", openDiscretisation, [] { return panel3d::Panel3dDiscretisationOpen(); },
         [] { return static_cast<wxFrame*>(panel3d::Panel3dDiscretisationWindow.get()); }},
        {"flap view",
         [openDiscretisation] {
             openDiscretisation();
             Click(panel3d::Panel3dDiscretisationWindow->showFlapsButton);
         },
         [] { return panel3d::Panel3dFlapOpen(); },
         [] { return static_cast<wxFrame*>(panel3d::Panel3dFlapWindow.get()); }},
    });
}

TEST_F(Panel3dMethodFrameTest, PanelWindowsKeepTheEvaluatorAfterTheMainWindowQuit) {
    Panel3dMethodFrame* f = OpenMethod();
    Click(f->okButton);
    Click(panel3d::Panel3dSourceWindow->okButton);
    std::weak_ptr<Panel3dPolarEvaluator> evaluator = Panel3dPolarEvaluator::Shared();
    Panel3dPolarEvaluator::Release();
    // The method window and the grid-input window are closed; the chooser alone holds it.
    f->Close(true);
    panel3d::Panel3dGridInputWindow->Close(true);
    wxTheApp->ProcessIdle();
    EXPECT_FALSE(evaluator.expired());
    Click(panel3d::Panel3dSourceWindow->okButton);
    ASSERT_TRUE(panel3d::Panel3dGridInputOpen());
    panel3d::Panel3dSourceWindow->Close(true);
    wxTheApp->ProcessIdle();
    EXPECT_FALSE(evaluator.expired());
    panel3d::Panel3dGridInputWindow->Close(true);
    wxTheApp->ProcessIdle();
    EXPECT_TRUE(evaluator.expired());
}

// The interactive chain hands the evaluator on from window to window, so "Diskretisierung"
// opened after "&Beenden..." still has the one the method window's "&OK" set.
TEST_F(Panel3dMethodFrameTest, DiscretisationTakesTheEvaluatorOfItsGeometryWindow) {
    Panel3dMethodFrame* f = OpenMethod();
    Click(f->okButton);
    SelectRadio(panel3d::Panel3dSourceWindow->sourceRadio, 1);
    Click(panel3d::Panel3dSourceWindow->okButton);
    ASSERT_TRUE(panel3d::Panel3dGeometryOpen());
    std::weak_ptr<Panel3dPolarEvaluator> evaluator = Panel3dPolarEvaluator::Shared();
    Panel3dPolarEvaluator::Release();
    f->Close(true);
    panel3d::Panel3dSourceWindow->Close(true);
    wxTheApp->ProcessIdle();
    Click(panel3d::Panel3dGeometryWindow->nextButton);
    ASSERT_TRUE(panel3d::Panel3dDiscretisationOpen());
    ASSERT_FALSE(evaluator.expired());
    EXPECT_EQ(panel3d::Panel3dDiscretisationWindow->Evaluator(), evaluator.lock());
    Click(panel3d::Panel3dDiscretisationWindow->showFlapsButton);
    ASSERT_TRUE(panel3d::Panel3dFlapOpen());
    EXPECT_EQ(panel3d::Panel3dFlapWindow->Evaluator(), evaluator.lock());
    // The geometry window takes "Diskretisierung" and the flap view with it, and with them the
    // evaluator goes.
    panel3d::Panel3dGeometryWindow->Close(true);
    wxTheApp->ProcessIdle();
    EXPECT_FALSE(panel3d::Panel3dDiscretisationOpen());
    EXPECT_TRUE(evaluator.expired());
}

}  // namespace
