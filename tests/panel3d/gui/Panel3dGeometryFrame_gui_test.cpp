// The geometry window of the panel method: its fields and flap box, the checks of "&Weiter",
// "Diskretisierung" opened once and closed with it, and the preview's redraws and drags.

#include <wx/stattext.h>
#include <wx/statusbr.h>
#include <wx/tooltip.h>
#include <wx/uiaction.h>
#include <wx/weakref.h>

#include <cmath>
#include <vector>

#include "common/core/NumberText.h"
#include "panel3d/gui/Panel3dDiscretisationFrame.h"
#include "panel3d/gui/Panel3dGeometryFrame.h"
#include "tests/panel3d/gui/Panel3dInputWindows.h"
#include "tests/support/InfoBox.h"

namespace {

using namespace luvo::test;

const double kDeg = std::acos(-1.0) / 180.0;

wxString Two(double v) { return wxString::FromUTF8(luvo::FormatNumber("%2.2f", v)); }

class Panel3dGeometryTest : public panel3d_test::Panel3dInputTest {
  protected:
    void SetUp() override {
        Panel3dInputTest::SetUp();
        panel3d::Panel3dCurrentFlowState.alphaStar = 2.5;
        f = new Panel3dGeometryFrame(wxS("Interaktives Erstellen einer Flügelkonfiguration"),
                                     wxDefaultPosition, wxSize(760, 730));
        panel3d::Panel3dGeometryWindow = f;
        f->Centre(wxBOTH);
        f->Show(true);
        Pump(100);
    }
    std::vector<wxTextCtrl*> FlapFields() const {
        return {f->flapInnerField,   f->flapOuterField,      f->hingePositionField,
                f->hingeHeightField, f->leftDeflectionField, f->rightDeflectionField};
    }
    // Counts each paint of the four views before the view's own handler runs.
    void CountPaints() {
        wxWindow* const views[] = {f->planformCanvas, f->frontViewCanvas, f->rootProfileCanvas,
                                   f->tipProfileCanvas};
        for (int i = 0; i < 4; ++i) {
            views[i]->Bind(wxEVT_PAINT, [this, i](wxPaintEvent& e) {
                ++paints[i];
                e.Skip();
            });
        }
    }
    void ExpectAllPainted(const int before[4], int more) const {
        for (int i = 0; i < 4; ++i) EXPECT_EQ(paints[i], before[i] + more) << "view " << i;
    }
    Panel3dGeometryFrame* f = nullptr;
    int paints[4] = {0, 0, 0, 0};
};

// What only this method's geometry window has: the thickness, sideslip and flap rows (the rest
// is tested with the vortex lattice's in tests/common/gui/WingGeometryWindow_gui_test.cpp).
TEST_F(Panel3dGeometryTest, FieldsLayout) {
    const struct {
        wxTextCtrl* field;
        const wchar_t* text;
        wxPoint at;
        const wchar_t* tip;
    } rows[] = {
        {f->spanField, L"6", {680, 30}, L"0,5  <= Spannweite <= 100"},
        {f->rootThicknessField, L"15", {680, 190}, L"6    <= Maximale Dicke an der Wurzel <= 20"},
        {f->tipIncidenceField, L"-2.5", {680, 325}, L"-5   <= Einstellwinkel Randbogen <= 5"},
        {f->betaField, L"0", {680, 460}, L"-30 <= Schiebewinkel <= 30"},
        {f->flapInnerField, L"50", {620, 545}, L"0 <= Position in Richtung Flügelwurzel <= Y2"},
        {f->hingeHeightField, L"50", {680, 595}, L"0 <= Position relativ zur Flügeldicke <= 100"},
        {f->leftDeflectionField,
         L"0",
         {620, 620},
         L"-30 <= Klappenausschlag linke Flügelhälfte <= 30"},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(r.field->GetValue(), wxString(r.text));
        EXPECT_EQ(r.field->GetPosition(), r.at) << r.text;
        EXPECT_EQ(r.field->GetToolTipText(), wxString(r.tip));
    }
    EXPECT_EQ(f->flapCheckBox->GetLabel(), wxS("aktiv"));
    EXPECT_FALSE(f->flapCheckBox->GetValue());
    EXPECT_NE(FindByLabel(f, wxS("Höhe des Klappendrehpunktes über UK [%]:")), nullptr);
    EXPECT_EQ(f->nextButton->GetId(), 4);
    EXPECT_EQ(f->cancelButton->GetId(), 5);
}

TEST_F(Panel3dGeometryTest, FlapBoxEnablesItsFieldsKeepsTheirTextsAndRedraws) {
    CountPaints();
    for (wxTextCtrl* field : FlapFields()) EXPECT_FALSE(field->IsEnabled());
    const int before[4] = {paints[0], paints[1], paints[2], paints[3]};
    SetCheck(f->flapCheckBox, true);
    ExpectAllPainted(before, 1);
    for (wxTextCtrl* field : FlapFields()) EXPECT_TRUE(field->IsEnabled());
    EXPECT_TRUE(f->Inputs().flapActive);
    SetText(f->leftDeflectionField, wxS("10"));
    SetCheck(f->flapCheckBox, false);
    ExpectAllPainted(before, 3);
    for (wxTextCtrl* field : FlapFields()) EXPECT_FALSE(field->IsEnabled());
    // The box governs the enabling only: the deflection still reads.
    EXPECT_EQ(f->leftDeflectionField->GetValue(), wxS("10"));
    EXPECT_DOUBLE_EQ(f->Inputs().leftDeflection, 10);
    EXPECT_FALSE(f->Inputs().flapActive);
}

TEST_F(Panel3dGeometryTest, NextChecksFifteenValuesInOrder) {
    const wxString spanMessage =
        wxS("Der Wert der Spannweite liegt in einem unzulässigen Bereich:\n\n0.5 <= Spannweite <= "
            "100\n");
    const wxString dihedralMessage =
        wxS("Der Wert der V-Form liegt in einem unzulässigen Bereich:\n\n-10 <= V-Form <= 30\n");
    const struct {
        wxTextCtrl* field;
        const wchar_t* text;
        wxString message;  // empty: passes
    } cases[] = {
        {f->spanField, L"0.5", wxString()},
        {f->spanField, L"100", wxString()},
        {f->spanField, L"0.49", spanMessage},
        // A text without a number is no value, not 0.
        {f->spanField, L".", spanMessage},
        {f->dihedralField, L"-", dihedralMessage},
        {f->dihedralField, L"30", wxString()},
        {f->dihedralField, L"30.01", dihedralMessage},
        {f->tipThicknessField, L"5.9",
         wxS("Der Wert der Profildicke am Flügelrandbogen liegt in einem unzulässigen "
             "Bereich:\n\n6 <= Profildicke Flügelrandbogen <= 20\n")},
        {f->rootThicknessField, L"20.5",
         wxS("Der Wert der Profildicke der Flügelwurzel liegt in einem unzulässigen "
             "Bereich:\n\n6 <= Dicke Flügelwurzel <= 20\n")},
        {f->betaField, L"-31",
         wxS("Der Wert des Schiebewinkels liegt in einem unzulässigen Bereich:\n\n-30 <= "
             "Schiebewinkel <= 30\n")},
        // Flap values are never range-checked here.
        {f->hingePositionField, L"150", wxString()},
    };
    for (const auto& c : cases) {
        const wxString before = c.field->GetValue();
        SetText(c.field, c.text);
        BoxRecorder boxes;
        Click(f->nextButton);
        if (c.message.empty()) {
            EXPECT_TRUE(boxes.boxes().empty()) << c.text;
        } else {
            ASSERT_EQ(boxes.boxes().size(), 1u) << c.text;
            EXPECT_EQ(boxes.boxes()[0].message, c.message);
            EXPECT_EQ(boxes.boxes()[0].caption, wxS("Die Eingaben sind nicht korrekt!"));
            EXPECT_TRUE(boxes.boxes()[0].HasIcon(wxICON_ERROR));
        }
        EXPECT_EQ(panel3d::Panel3dDiscretisationOpen(), c.message.empty()) << c.text;
        EXPECT_EQ(c.field->GetValue(), wxString(c.text));
        SetText(c.field, before);
        if (panel3d::Panel3dDiscretisationOpen())
            panel3d::Panel3dDiscretisationWindow->CloseWindow();
        Pump(20);
    }
    // Span 0 and root chord 0: the span's box only.
    SetText(f->spanField, wxS("0"));
    SetText(f->rootChordField, wxS("0"));
    {
        BoxRecorder boxes;
        Click(f->nextButton);
        ASSERT_EQ(boxes.boxes().size(), 1u);
        EXPECT_EQ(boxes.boxes()[0].message, spanMessage);
    }
    SetText(f->spanField, wxS("6"));
    SetText(f->rootChordField, wxS("1.0"));
    // The angle of attack comes from the flow state, not from this window.
    panel3d::Panel3dCurrentFlowState.alphaStar = 12;
    {
        BoxRecorder boxes;
        Click(f->nextButton);
        ASSERT_EQ(boxes.boxes().size(), 1u);
        EXPECT_NE(boxes.boxes()[0].message.Find(wxS("Anströmwinkel")), wxNOT_FOUND);
    }
    EXPECT_FALSE(panel3d::Panel3dDiscretisationOpen());
}

// "&Weiter" opens one window (tested with the vortex lattice's in
// WingGeometryWindow_gui_test.cpp); here it is centred again by the next "&Weiter" and closes
// with the geometry window.
TEST_F(Panel3dGeometryTest, OneCentredDiscretisationWindowThatGoesWithTheGeometryWindow) {
    Click(f->nextButton);
    Panel3dDiscretisationFrame* d = panel3d::Panel3dDiscretisationWindow;
    ASSERT_TRUE(panel3d::Panel3dDiscretisationOpen());
    EXPECT_EQ(d->GetSize(), wxSize(420, 590));
    d->Move(0, 0);
    Click(f->nextButton);
    EXPECT_EQ(panel3d::Panel3dDiscretisationWindow, d);
    // Centred again.
    const wxRect screen = wxGetClientDisplayRect();
    EXPECT_NEAR(d->GetScreenRect().GetLeft() + 210, screen.GetLeft() + screen.GetWidth() / 2, 30);

    // Closed, a new one comes.
    d->Close();
    Pump(50);
    EXPECT_FALSE(panel3d::Panel3dDiscretisationOpen());
    Click(f->nextButton);
    ASSERT_TRUE(panel3d::Panel3dDiscretisationOpen());
    wxWeakRef<wxFrame> dRef(panel3d::Panel3dDiscretisationWindow);

    // The geometry window takes it along: it reads the geometry fields.
    Click(f->cancelButton);
    Pump(50);
    EXPECT_FALSE(panel3d::Panel3dGeometryOpen());
    EXPECT_FALSE(panel3d::Panel3dDiscretisationOpen());
    EXPECT_FALSE(dRef);
}

TEST_F(Panel3dGeometryTest, DragsWriteTheirFieldsAndRedrawAllFourViews) {
    CountPaints();
    const wxPoint top(160, 160);
    // Tip leading-edge handle raised to the root leading edge's height: no sweep.
    const int tipLe = static_cast<int>(120 * std::tan(32 * kDeg) - 40);
    SendMouse(f->planformCanvas, wxEVT_LEFT_DOWN, top + wxPoint(120, tipLe), true);
    SendMouse(f->planformCanvas, wxEVT_MOTION, top + wxPoint(120, -40), true);
    SendMouse(f->planformCanvas, wxEVT_LEFT_UP, top + wxPoint(120, -40), false);
    EXPECT_EQ(f->sweepField->GetValue(), wxS("0.00"));
    // Now the tip runs from -40 to -20: pressed below its trailing edge, the tip chord follows.
    Drag(f->planformCanvas, top + wxPoint(120, -18), top + wxPoint(120, 0), 2);
    EXPECT_EQ(f->tipChordField->GetValue(), Two(40 * 6 / 240.0));
    // At the root, at or behind y = -3, each motion adds 0.01.
    for (int i = 0; i < 3; ++i) {
        SendMouse(f->planformCanvas, wxEVT_MOTION, top + wxPoint(0, -3 + i), true);
    }
    EXPECT_EQ(f->rootChordField->GetValue(), wxS("1.03"));
    // Without a button nothing changes.
    SendMouse(f->planformCanvas, wxEVT_MOTION, top + wxPoint(0, -60), false);
    EXPECT_EQ(f->rootChordField->GetValue(), wxS("1.03"));

    const wxPoint front(160, 110);
    const int before[4] = {paints[0], paints[1], paints[2], paints[3]};
    // Pressed on the handle, then upward in steps to y = -100.
    int y = static_cast<int>(-120 * std::tan(5 * kDeg));
    SendMouse(f->frontViewCanvas, wxEVT_LEFT_DOWN, front + wxPoint(120, y), true);
    while (y > -100) {
        y = std::max(y - 10, -100);
        SendMouse(f->frontViewCanvas, wxEVT_MOTION, front + wxPoint(120, y), true);
    }
    EXPECT_EQ(f->dihedralField->GetValue(), wxS("39.81"));
    EXPECT_TRUE(f->frontViewCanvas->draggingDihedral);
    EXPECT_GT(paints[0], before[0]);
    for (int i = 1; i < 4; ++i) EXPECT_EQ(paints[i], paints[0] - before[0] + before[i]);
    SendMouse(f->frontViewCanvas, wxEVT_LEFT_UP, front + wxPoint(120, -100), false);
    EXPECT_FALSE(f->frontViewCanvas->draggingDihedral);
}

// The screenshot tour: one window at a time on the screen.
class ScreenPanel3dGeometry : public Panel3dGeometryTest {};

// A fast real drag of the root leading edge 20 pixels upstream ends where the pointer ends:
// 60 pixels ahead of the root trailing edge at 240 pixels per 6 m of span.
TEST_F(ScreenPanel3dGeometry, RealDragOfTheRootHandleSetsTheChord) {
    wxToolTip::Enable(false);  // a tool tip popping up under load must not take the press
    CaptureFrame(f);
    RealFastDrag(f->planformCanvas, wxPoint(160, 120), wxPoint(160, 100));
    const bool reached =
        WaitFor([&] { return f->rootChordField->GetValue() == Two(60 * 6 / 240.0); }, 5000);
    wxToolTip::Enable(true);
    EXPECT_TRUE(reached) << f->rootChordField->GetValue();
}

TEST_F(ScreenPanel3dGeometry, Tour) {
    wxUIActionSimulator().MouseMove(1270, 1010);  // no tool tip over the shots
    EXPECT_TRUE(CaptureFrame(f).IsOk());
    SaveTourShot(f, "panel3d_geometry");
    SetCheck(f->flapCheckBox, true);
    SetText(f->leftDeflectionField, wxS("10"));
    SetText(f->rightDeflectionField, wxS("-10"));
    // The flap outline is drawn in black on the plan view, inside the right half's planform.
    const wxImage shot = CaptureFrame(f);
    SaveTourShot(f, "panel3d_geometry_flap");
    const wxPoint at = f->planformCanvas->GetScreenPosition() - f->GetScreenPosition() +
                       wxPoint(160 + 78, 160 + 28);  // on the hinge line, x = 78
    EXPECT_LT(shot.GetRed(at.x, at.y) + shot.GetRed(at.x, at.y + 1) + shot.GetRed(at.x, at.y - 1),
              3 * 255);
}

}  // namespace
