// The geometry window of both 3D methods, one suite over the methods that build it: its fields,
// status line and info box, the one "Diskretisierung" window that "&Weiter" opens, and the root
// handle of the plan view, driven by events and through the X server.

#include <wx/app.h>
#include <wx/statusbr.h>
#include <wx/tooltip.h>
#include <wx/uiaction.h>

#include <functional>
#include <ostream>
#include <vector>

#include "common/gui/WingGeometryWindow.h"
#include "panel3d/gui/Panel3dDiscretisationFrame.h"
#include "panel3d/gui/Panel3dGeometryFrame.h"
#include "tests/panel3d/gui/Panel3dInputWindows.h"
#include "tests/vlm/gui/VlmWindowFixture.h"

namespace {

using namespace luvo::test;

struct GeometryRoute {
    const char* id;
    std::function<void()> reset;  // the method's module as at program start
    std::function<luvo::WingGeometryWindow*()> open;
    size_t fields;    // every field of the window
    int equalsSigns;  // the "=" before the fields of the geometry and flow rows
    wxString infoPart;
    std::function<wxFrame*()> discretisationWindow;
};

void PrintTo(const GeometryRoute& route, std::ostream* os) { *os << route.id; }

void ResetPanel() {
    panel3d::Panel3dCurrentFlowState = Panel3dFlowState{};
    panel3d::Panel3dGeometryWindow.Release();
    panel3d::Panel3dDiscretisationWindow.Release();
    panel3d::Panel3dFlapWindow.Release();
}

std::vector<GeometryRoute> Routes() {
    GeometryRoute vlm;
    vlm.id = "Vlm";
    vlm.reset = vlm_test::ResetModule;
    vlm.open = []() -> luvo::WingGeometryWindow* {
        auto* method = dynamic_cast<VlmMethodFrame*>(OpenMethodWindow(4));
        if (method == nullptr) return nullptr;
        SelectRadio(method->taskRadio, 1);
        Click(method->okButton);
        return vlm::VlmGeometryWindow;
    };
    vlm.fields = 13;
    vlm.equalsSigns = 13;
    vlm.infoPart = wxS("Durch Ziehen und Verschieben der roten Kästchen");
    vlm.discretisationWindow = []() -> wxFrame* { return vlm::VlmDiscretisationWindow; };

    GeometryRoute panel;
    panel.id = "Panel3d";
    panel.reset = ResetPanel;
    panel.open = []() -> luvo::WingGeometryWindow* {
        panel3d::Panel3dCurrentFlowState.alphaStar = 2.5;
        auto* f = new Panel3dGeometryFrame(wxS("Interaktives Erstellen einer Flügelkonfiguration"),
                                           wxDefaultPosition, wxSize(760, 730));
        panel3d::Panel3dGeometryWindow = f;
        f->Centre(wxBOTH);
        f->Show(true);
        return f;
    };
    panel.fields = 20;
    panel.equalsSigns = 14;
    panel.infoPart = wxS("Dicke, Wölbung und Wölbungsrücklage");
    panel.discretisationWindow = []() -> wxFrame* { return panel3d::Panel3dDiscretisationWindow; };
    return {vlm, panel};
}

class WingGeometry : public GuiTest, public ::testing::WithParamInterface<GeometryRoute> {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        GetParam().reset();
        Panel3dPolarEvaluator::Create();
        f = GetParam().open();
        ASSERT_NE(f, nullptr);
        Pump(100);
    }
    void TearDown() override {
        GuiTest::TearDown();
        GetParam().reset();
        Panel3dPolarEvaluator::Release();
    }
    wxString Status() const { return f->GetStatusBar()->GetStatusText(0); }
    luvo::WingGeometryWindow* f = nullptr;
};

TEST_P(WingGeometry, FieldsStatusAndInfo) {
    const GeometryRoute& route = GetParam();
    EXPECT_EQ(Status(), wxS("Eingabe geometrischer Daten"));
    const std::vector<luvo::WingGeometryField*> fields = FindAll<luvo::WingGeometryField>(f);
    ASSERT_EQ(fields.size(), route.fields);
    for (luvo::WingGeometryField* field : fields) EXPECT_EQ(field->GetSize().x, 40);
    int equals = 0;
    for (wxStaticText* t : FindAll<wxStaticText>(f)) {
        if (t->GetLabel() == wxS("=")) {
            ++equals;
            EXPECT_EQ(t->GetPosition().x, 668);
        }
    }
    EXPECT_EQ(equals, route.equalsSigns);
    EXPECT_EQ(f->tipProfileCanvas->GetPosition(), wxPoint(360, 305));

    ShownBox seen;
    wxString statusWhileOpen;
    wxTEST_DIALOG(SendMenu(f, luvo::kIdMenuInfo),
                  ExpectBoxNotingStatus(&seen, &statusWhileOpen, f));
    EXPECT_EQ(seen.caption, wxS("Info Eingabe der Daten"));
    EXPECT_NE(seen.message.Find(route.infoPart), wxNOT_FOUND) << seen.message;
    EXPECT_TRUE(seen.HasIcon(wxICON_INFORMATION));
    EXPECT_EQ(statusWhileOpen, wxS("Info"));
    EXPECT_EQ(Status(), wxS("Eingabe geometrischer Daten"));
}

TEST_P(WingGeometry, NextOpensOneDiscretisationWindow) {
    Click(f->nextButton);
    wxFrame* d = GetParam().discretisationWindow();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->GetTitle(), wxS("Diskretisierung"));
    Click(f->nextButton);
    EXPECT_EQ(GetParam().discretisationWindow(), d);
    int count = 0;
    for (wxFrame* open : OpenFrames()) count += open->GetTitle() == wxS("Diskretisierung");
    EXPECT_EQ(count, 1);
}

// The root chord of 1 m lies 40 pixels ahead of the trailing edge (240 pixels per 6 m of span):
// pressed there, each motion along the trailing edge adds 0.01 m; without a button nothing
// changes.
TEST_P(WingGeometry, RootHandleGrowsTheChordByOneHundredthPerMotion) {
    const wxPoint origin(160, 160);
    SendMouse(f->planformCanvas, wxEVT_LEFT_DOWN, origin + wxPoint(0, -50), true);
    SendMouse(f->planformCanvas, wxEVT_LEFT_UP, origin + wxPoint(0, -50), false);
    SendMouse(f->planformCanvas, wxEVT_MOTION, origin + wxPoint(0, -50), false);
    EXPECT_EQ(f->rootChordField->GetValue(), wxS("1.0"));

    SendMouse(f->planformCanvas, wxEVT_LEFT_DOWN, origin + wxPoint(0, -40), true);
    SendMouse(f->planformCanvas, wxEVT_MOTION, origin + wxPoint(0, -40), true);
    EXPECT_EQ(f->rootChordField->GetValue(), wxS("1.00"));
    for (int i = 0; i < 5; ++i) {
        SendMouse(f->planformCanvas, wxEVT_MOTION, origin + wxPoint(i - 2, 0), true);
    }
    EXPECT_EQ(f->rootChordField->GetValue(), wxS("1.05"));
    SendMouse(f->planformCanvas, wxEVT_LEFT_UP, origin + wxPoint(2, 0), false);
    SendMouse(f->planformCanvas, wxEVT_MOTION, origin + wxPoint(0, -60), false);
    EXPECT_EQ(f->rootChordField->GetValue(), wxS("1.05"));
}

// Real input through the X server.
class ScreenWingGeometry : public WingGeometry {};

// From the root leading edge (160, 120) of the canvas 20 pixels upstream in ten steps: the chord
// of the last position, 60 pixels ahead of the trailing edge, 60 * 6 / 240 m, and the handle
// drawn red there.
TEST_P(ScreenWingGeometry, RealDragOfTheRootHandleSetsTheChordAndShowsIt) {
    wxToolTip::Enable(false);  // a tool tip popping up under load must not take the press
    CaptureFrame(f);
    wxUIActionSimulator sim;
    const wxPoint from = f->planformCanvas->ClientToScreen(wxPoint(160, 120));
    sim.MouseMove(from);
    Pump(100);
    sim.MouseDown();
    Pump(50);
    for (int i = 1; i <= 10; ++i) {
        sim.MouseMove(from + wxPoint(0, -2 * i));
        Pump(30);
    }
    Pump(100);
    sim.MouseUp();
    const bool reached =
        WaitFor([&] { return f->rootChordField->GetValue() == wxS("1.50"); }, 5000);
    wxToolTip::Enable(true);
    ASSERT_TRUE(reached) << f->rootChordField->GetValue() << " at "
                         << f->planformCanvas->lastMouseY;
    const wxImage shot = CaptureFrame(f);
    const wxPoint at = f->planformCanvas->GetScreenPosition() - f->GetScreenPosition() +
                       wxPoint(160 - 2, 160 - 60 - 2);
    EXPECT_EQ(shot.GetRed(at.x, at.y), 255);
    EXPECT_EQ(shot.GetGreen(at.x, at.y), 0);
}

std::string RouteName(const ::testing::TestParamInfo<GeometryRoute>& info) { return info.param.id; }

INSTANTIATE_TEST_SUITE_P(Methods, WingGeometry, ::testing::ValuesIn(Routes()), RouteName);
// The prefix keeps the real-input test among the suites that start with "Screen".
INSTANTIATE_TEST_SUITE_P(Screen, ScreenWingGeometry, ::testing::ValuesIn(Routes()), RouteName);

}  // namespace
