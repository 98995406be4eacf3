// "Diskretisierung" of the panel method: its own controls, the checks of "A&nzeigen" and
// "Starte&n", the wing grid it builds and the spacing sketch; what it shares with the vortex
// lattice's window is tested in tests/common/gui/DiscretisationWindow_gui_test.cpp.

#include <wx/app.h>
#include <wx/slider.h>
#include <wx/statbox.h>
#include <wx/statusbr.h>
#include <wx/uiaction.h>
#include <wx/weakref.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "panel3d/core/Panel3dModel.h"
#include "panel3d/core/Panel3dModule.h"
#include "panel3d/core/Panel3dRun.h"
#include "panel3d/gui/Panel3dDiscretisationFrame.h"
#include "panel3d/gui/Panel3dFlapFrame.h"
#include "panel3d/gui/Panel3dGeometryFrame.h"
#include "panel3d/gui/Panel3dRunWindows.h"
#include "panel3d/gui/Panel3dWingSource.h"
#include "tests/panel3d/gui/Panel3dInputWindows.h"

namespace {

using namespace luvo::test;

const wxString kCaption = wxS("Die Eingaben sind nicht korrekt!");

class Panel3dDiscretisationTest : public panel3d_test::Panel3dInputTest {
  protected:
    void SetUp() override {
        Panel3dInputTest::SetUp();
        ResetModel();
        panel3d::Panel3dCurrentFlowState.alphaStar = 2.5;
        g = new Panel3dGeometryFrame(wxS("Interaktives Erstellen einer Flügelkonfiguration"),
                                     wxDefaultPosition, wxSize(760, 730));
        panel3d::Panel3dGeometryWindow = g;
        g->Show(true);
        Click(g->nextButton);
        d = panel3d::Panel3dDiscretisationWindow;
        ASSERT_NE(d, nullptr);
        Pump(100);
    }
    void TearDown() override {
        Panel3dInputTest::TearDown();
        ResetModel();
    }
    static void ResetModel() {
        panel3d::Panel3dPanelModel.reset();
        panel3d::Panel3dChordPanelCount = panel3d::Panel3dSpanPanelCount = 0;
        panel3d::Panel3dChordPointCount = panel3d::Panel3dSpanPointCount = 0;
        panel3d::Panel3dWakeRowCount = 25;
    }
    static void Settle() {
        for (int i = 0; i < 5; ++i) wxTheApp->ProcessIdle();
    }
    static wxString Status(wxFrame* f, int field = 0) {
        return f->GetStatusBar()->GetStatusText(field);
    }
    // The box a button shows, or an empty caption when none appears.
    static ShownBox BoxOf(wxButton* button) {
        BoxRecorder boxes;
        Click(button);
        EXPECT_LE(boxes.boxes().size(), 1u);
        return boxes.boxes().empty() ? ShownBox() : boxes.boxes().front();
    }
    void MoveSlider(int value) {
        d->spacingSlider->SetValue(value);
        wxCommandEvent moved(wxEVT_SLIDER, d->spacingSlider->GetId());
        moved.SetEventObject(d->spacingSlider);
        moved.SetInt(value);
        d->spacingSlider->ProcessWindowEvent(moved);
    }
    // "A&nzeigen" that must pass: no box, and the module's model is the new one.
    std::shared_ptr<Panel3dModel> Show() {
        const ShownBox box = BoxOf(d->showFlapsButton);
        EXPECT_EQ(box.message, wxString()) << box.message;
        return panel3d::Panel3dPanelModel;
    }
    Panel3dGeometryFrame* g = nullptr;
    Panel3dDiscretisationFrame* d = nullptr;
};

// What only this method's window shows of its controls (the rest is tested with the vortex
// lattice's window in DiscretisationWindow_gui_test.cpp).
TEST_F(Panel3dDiscretisationTest, ControlsAndDefaults) {
    EXPECT_EQ(d->GetTitle(), wxS("Diskretisierung"));
    EXPECT_EQ(d->GetSize(), wxSize(420, 590));
    std::vector<wxString> boxes;
    for (wxStaticBox* b : FindAll<wxStaticBox>(d)) boxes.push_back(b->GetLabel());
    const std::vector<wxString> expectedBoxes = {
        wxS("Verteilung der Stützststellen in Tiefenrichtung:"), wxS("Eingabe weiterer Parameter:"),
        wxS("Auswahl der Ergebnisdatei 3D:"), wxS("Auswahl der Ergebnisdatei cp über x:"),
        wxS("Auswahl der Ergebnisdatei ca über y:")};
    EXPECT_EQ(boxes, expectedBoxes);
    EXPECT_EQ(d->spacingSlider->GetId(), 15);
    EXPECT_TRUE(d->spacingSlider->HasFlag(wxSL_LABELS));
    EXPECT_EQ(d->clusteringCanvas->GetSize(), wxSize(150, 140));
    EXPECT_EQ(d->clusteringCanvas->GetBackgroundColour(), *wxWHITE);
    EXPECT_EQ(d->chordPanelsField->GetValue(), wxS("30"));
    EXPECT_EQ(d->spanPanelsField->GetValue(), wxS("15"));
    EXPECT_EQ(d->iterationsField->GetToolTipText(), wxS("Anzahl der Iterationen eingeben"));
    EXPECT_EQ(d->wakeRadioBox->GetLabel(), wxS("Nachlauf:"));
    EXPECT_EQ(d->wakeRadioBox->GetString(1), wxS("relaxiert"));
    EXPECT_EQ(d->wakeMode, 0);
    const struct {
        wxButton* button;
        int id;
        const wchar_t* label;
        const wchar_t* tip;
    } buttons[] = {
        {d->showFlapsButton, 6, L"A&nzeigen", L""},
        {d->choose3dButton, 11, L"D&atei wählen",
         L"Festlegen des Dateinamens für 3D-Ergebnisdaten"},
        {d->chooseCpButton, 12, L"Da&tei wählen", L"Festlegen des Dateinamens für cp-Verlauf"},
        {d->chooseCaButton, 13, L"Dat&ei wählen", L"Festlegen des Dateinamens für ca-Verlauf"},
        {d->startButton, 5100, L"Starte&n", L""},
    };
    for (const auto& b : buttons) {
        EXPECT_EQ(b.button->GetId(), b.id);
        EXPECT_EQ(b.button->GetLabel(), wxString(b.label));
        EXPECT_EQ(b.button->GetToolTipText(), wxString(b.tip));
    }
}

// The wake choice also sets the window's wake mode, which the run reads.
TEST_F(Panel3dDiscretisationTest, WakeChoiceSetsTheWakeMode) {
    SelectRadio(d->wakeRadioBox, 1);
    EXPECT_EQ(d->wakeMode, 1);
    SelectRadio(d->wakeRadioBox, 0);
    EXPECT_EQ(d->wakeMode, 0);
}

TEST_F(Panel3dDiscretisationTest, ShowRefusesWhatTheGridCannotTake) {
    const wxString xLow =
        wxS("Die Panelzahl in x-Richtung ist zu niedrig:\n\n2 <= Panelzahl in x-Richtung \n");
    const wxString yLow =
        wxS("Die Panelzahl in y-Richtung ist zu niedrig:\n\n2 <= Panelzahl in y-Richtung \n");
    const wxString total = wxS("Die Gesamtzahl aller Panels ist zu hoch:\n\n4*nx*ny <= 6000\n");
    const wxString rootChord =
        wxS("Der Wert der Flügelwurzeltiefe liegt in einem unzulässigen Bereich:\n\n"
            "0.1 <= Flügelwurzeltiefe <= 50\n");
    const wxString hinge =
        wxS("Der Wert der Position des Klappendrehpunktes liegt in einem unzulässigen "
            "Bereich:\n\n0 < Position des Klappendrehpunktes < 100\n");
    // One model built first: a refused press leaves it and the module's counts as they were.
    SetText(d->chordPanelsField, wxS("4"));
    SetText(d->spanPanelsField, wxS("3"));
    const std::shared_ptr<Panel3dModel> before = Show();
    ASSERT_NE(before, nullptr);
    const struct {
        const wchar_t *n, *m;
        wxTextCtrl* field;
        const wchar_t* text;
        wxString message;
    } cases[] = {
        {L"1.9", L"15", nullptr, L"", xLow},
        {L"1", L"1", nullptr, L"", xLow},  // both wrong: the x box only
        {L"", L"15", nullptr, L"", xLow},
        {L"1e999", L"15", nullptr, L"", xLow},  // not finite
        {L"30", L"1.5", nullptr, L"", yLow},
        {L"31", L"50", nullptr, L"", total},
        // Edited in the geometry window after "&Weiter".
        {L"30", L"15", g->rootChordField, L"0", rootChord},
        {L"30", L"15", g->hingePositionField, L"150", hinge},
    };
    for (const auto& c : cases) {
        SetText(g->rootChordField, wxS("1.0"));
        SetText(d->chordPanelsField, c.n);
        SetText(d->spanPanelsField, c.m);
        if (c.field == g->hingePositionField) SetText(g->rightDeflectionField, wxS("10"));
        if (c.field) SetText(c.field, c.text);
        const ShownBox box = BoxOf(d->showFlapsButton);
        EXPECT_EQ(box.message, c.message) << c.n << " " << c.m;
        EXPECT_EQ(box.caption, kCaption);
        EXPECT_TRUE(box.HasIcon(wxICON_ERROR));
        EXPECT_EQ(panel3d::Panel3dPanelModel, before);
        EXPECT_EQ(panel3d::Panel3dChordPanelCount, 4);
        EXPECT_EQ(panel3d::Panel3dSpanPanelCount, 3);
    }
    // The same hinge without a deflection: the grid ignores the flap fields.
    SetText(g->rightDeflectionField, wxS("0"));
    SetText(g->rootChordField, wxS("1.0"));
    EXPECT_NE(Show(), before);
}

TEST_F(Panel3dDiscretisationTest, ShowBuildsTheWingGridFromBothWindows) {
    SetText(d->chordPanelsField, wxS("2.9"));
    SetText(d->spanPanelsField, wxS("3"));
    std::shared_ptr<Panel3dModel> model = Show();
    ASSERT_NE(model, nullptr);
    EXPECT_EQ(model->ChordPanels(), 2);
    EXPECT_EQ(model->SpanPanels(), 3);
    EXPECT_EQ(panel3d::Panel3dChordPanelCount, 2);
    EXPECT_EQ(panel3d::Panel3dSpanPanelCount, 3);
    EXPECT_EQ(panel3d::Panel3dChordPointCount, 5);
    EXPECT_EQ(panel3d::Panel3dSpanPointCount, 7);
    // A preview builds no linear system.
    EXPECT_TRUE(model->influenceMatrix.empty());
    EXPECT_TRUE(model->rightHandSide.empty());
    EXPECT_DOUBLE_EQ(model->halfSpan, 3.0);
    EXPECT_DOUBLE_EQ(model->chordwiseGrading, 0.52);
    EXPECT_DOUBLE_EQ(model->spanwiseGrading, 0.52);
    const double deg = std::acos(-1.0) / 180.0;
    EXPECT_NEAR(model->quarterChordSweep,
                std::atan(std::tan(32 * deg) + (0.5 - 1.0) / (2 * 6.0)) / deg, 1e-12);
    // The grid is there: the root leading edge at the origin, the tip's swept back by
    // s tan(32°) + (cr - ct)/4 ... measured on the tip row's leading-edge point.
    const int n = 2;
    const Panel3dPanel& rootUpper = model->wingPanels[2 * n * 2 + n - 1];  // strip 2, last upper
    EXPECT_NEAR(rootUpper.Corner(0).y, 0.0, 1e-12);
    EXPECT_NEAR(rootUpper.Corner(0).x, 0.0, 1e-12);
    const Panel3dPanel& tipUpper = model->wingPanels[n - 1];  // strip 0 at the right tip
    EXPECT_NEAR(tipUpper.Corner(1).y, 3.0, 1e-12);
    EXPECT_NEAR(tipUpper.Corner(1).x, 3.0 * std::tan(32 * deg), 1e-9);

    // Slider, sweep and flap fields reach the next model.
    const struct {
        int slider;
        const wchar_t* sweep;
        double chordwise, spanwise;
    } cases[] = {{1, L"-18", 0.505, 0.52}, {100, L"9", 1.0, 0.76}, {4, L"32", 0.52, 0.52}};
    for (const auto& c : cases) {
        MoveSlider(c.slider);
        SetText(g->sweepField, c.sweep);
        model = Show();
        ASSERT_NE(model, nullptr);
        EXPECT_DOUBLE_EQ(model->chordwiseGrading, c.chordwise) << c.slider;
        EXPECT_NEAR(model->spanwiseGrading, c.spanwise, 1e-15) << c.sweep;
    }
    // The flap fields count whether "aktiv" is set or not.
    SetCheck(g->flapCheckBox, true);
    SetText(g->flapInnerField, wxS("20"));
    SetText(g->flapOuterField, wxS("60"));
    SetText(g->hingePositionField, wxS("70"));
    SetText(g->hingeHeightField, wxS("30"));
    SetText(g->leftDeflectionField, wxS("10"));
    SetText(g->rightDeflectionField, wxS("-5"));
    SetCheck(g->flapCheckBox, false);
    model = Show();
    ASSERT_NE(model, nullptr);
    EXPECT_DOUBLE_EQ(model->flapInnerEnd, 0.2);
    EXPECT_DOUBLE_EQ(model->flapOuterEnd, 0.6);
    EXPECT_DOUBLE_EQ(model->hingePosition, 0.7);
    EXPECT_DOUBLE_EQ(model->hingeHeight, 0.3);
    EXPECT_DOUBLE_EQ(model->leftFlapDeflection, -10);
    EXPECT_DOUBLE_EQ(model->rightFlapDeflection, 5);
    EXPECT_NE(std::count(model->flapMarks.begin(), model->flapMarks.end(), 1), 0);
}

TEST_F(Panel3dDiscretisationTest, OnlyTheCurrentModelLivesAndAFailedBuildChangesNothing) {
    const long baseline = Panel3dModel::LiveCount();
    SetText(d->chordPanelsField, wxS("6"));
    SetText(d->spanPanelsField, wxS("4"));
    for (int i = 0; i < 50; ++i) Show();
    EXPECT_EQ(Panel3dModel::LiveCount(), baseline + 1);
    const std::shared_ptr<Panel3dModel> current = panel3d::Panel3dPanelModel;

    // A model that cannot be had (here: sizes the model refuses) gives a box, and the module
    // keeps its model and counts.
    panel3d::Panel3dWakeRowCount = 0;
    SetText(d->chordPanelsField, wxS("8"));
    const ShownBox box = BoxOf(d->showFlapsButton);
    EXPECT_EQ(box.caption, wxS("Fehler!"));
    EXPECT_TRUE(box.message.StartsWith(wxS("Das Panelnetz konnte nicht erzeugt werden")));
    EXPECT_TRUE(box.HasIcon(wxICON_ERROR));
    EXPECT_EQ(panel3d::Panel3dPanelModel, current);
    EXPECT_EQ(panel3d::Panel3dChordPanelCount, 6);
    EXPECT_EQ(Panel3dModel::LiveCount(), baseline + 1);
}

TEST_F(Panel3dDiscretisationTest, StartChecksAllInputsAndReadsBothWindows) {
    // The run repeats the flow state's checks that the grid leaves out.
    panel3d::Panel3dCurrentFlowState.alphaStar = 12;
    ShownBox box = BoxOf(d->startButton);
    EXPECT_EQ(box.message, wxS("Der Wert des Anströmwinkels liegt in einem unzulässigen "
                               "Bereich:\n\n-10 <= Anströmwinkel <= 10\n"));
    EXPECT_EQ(box.caption, kCaption);
    panel3d::Panel3dCurrentFlowState.alphaStar = 2.5;
    SetText(d->chordPanelsField, wxS("1"));
    box = BoxOf(d->startButton);
    EXPECT_EQ(
        box.message,
        wxS("Die Panelzahl in x-Richtung ist zu niedrig:\n\n2 <= Panelzahl in x-Richtung \n"));
    // A relaxed wake needs a relaxation step.
    SetText(d->chordPanelsField, wxS("12.7"));
    SelectRadio(d->wakeRadioBox, 1);
    SetText(d->iterationsField, wxS("0"));
    box = BoxOf(d->startButton);
    EXPECT_EQ(box.message, wxS("Die Anzahl der Iterationen liegt in einem unzulässigen Bereich:\n\n"
                               "1 <= Anzahl der Iterationen <= 100\n"));

    SetText(d->spanPanelsField, wxS("9"));
    SetText(d->iterationsField, wxS("5.9"));
    MoveSlider(37);
    SetText(g->betaField, wxS("-4"));
    SetText(g->leftDeflectionField, wxS("3"));
    const wxString path = wxString::FromUTF8(dir().file("ergebnis-ca.dat"));
    wxTEST_DIALOG(Click(d->chooseCaButton), ExpectFile(path));
    EXPECT_EQ(BoxOf(d->startButton).message, wxString());
    const Panel3dInteractiveRunSettings settings =
        Panel3dInteractiveSettings(d->RunValues(), *Panel3dWingSource::Open());
    EXPECT_DOUBLE_EQ(settings.chordPanels, 12.7);
    EXPECT_DOUBLE_EQ(settings.spanPanels, 9);
    EXPECT_EQ(settings.clustering, 37);
    EXPECT_EQ(settings.wakeMode, 1);
    EXPECT_DOUBLE_EQ(settings.iterationCount, 5.9);
    EXPECT_DOUBLE_EQ(settings.flow.alphaStar, 2.5);
    EXPECT_DOUBLE_EQ(settings.sideslip, -4);
    EXPECT_DOUBLE_EQ(settings.wing.beta, -4);
    EXPECT_DOUBLE_EQ(settings.wing.leftDeflection, 3);
    EXPECT_DOUBLE_EQ(settings.wing.span, 6);
    EXPECT_EQ(settings.result3dFileName, "3D.dat");
    EXPECT_EQ(settings.resultCpFileName, "cp-x.dat");
    EXPECT_EQ(settings.resultCaFileName, std::string(path.ToUTF8()));
}

// Closing the geometry window takes this window with it (the menu and the title bar's close box
// are tested with the vortex lattice's window in DiscretisationWindow_gui_test.cpp).
TEST_F(Panel3dDiscretisationTest, TheGeometryWindowTakesItWhenItCloses) {
    wxWeakRef<wxFrame> window(d);
    g->Close();
    Settle();
    EXPECT_FALSE(window);
    EXPECT_FALSE(panel3d::Panel3dDiscretisationOpen());
}

// The sketch on the screen: drawn for the slider's value after every move and every repaint,
// and the slider dragged with the real mouse.
class ScreenPanel3dDiscretisation : public Panel3dDiscretisationTest {
  protected:
    // Dark pixels of the canvas column x (canvas coordinates), between y0 and y1.
    static int BlackInColumn(const wxImage& shot, int x, int y0, int y1) {
        int n = 0;
        for (int y = y0; y <= y1; ++y) n += shot.GetRed(x, y) < 64 && shot.GetBlue(x, y) < 64;
        return n;
    }
};

TEST_F(ScreenPanel3dDiscretisation, SliderMovesAndRepaintsRedrawTheSketch) {
    g->Hide();
    wxUIActionSimulator().MouseMove(1270, 1010);
    CaptureFrame(d);
    MoveSlider(100);
    EXPECT_EQ(d->clusteringCanvas->Sketch().k, 100);
    EXPECT_DOUBLE_EQ(d->clusteringCanvas->Sketch().phi0, std::acos(-1.0) / 2);
    EXPECT_DOUBLE_EQ(d->clusteringCanvas->Sketch().radius, 100.0);
    // At 100 the first ray stands upright over the trailing edge (20 + 100, 110).
    wxImage shot = ReadScreen(d->clusteringCanvas);
    EXPECT_GE(BlackInColumn(shot, 120, 12, 108), 90);

    // A repaint draws the slider's value again, here one set without an event.
    d->spacingSlider->SetValue(1);
    d->clusteringCanvas->Refresh();
    d->clusteringCanvas->Update();
    EXPECT_EQ(d->clusteringCanvas->Sketch().k, 1);
    shot = ReadScreen(d->clusteringCanvas);
    EXPECT_LT(BlackInColumn(shot, 120, 12, 100), 10);
}

TEST_F(ScreenPanel3dDiscretisation, RealSliderDragSetsTheChordwiseGrading) {
    g->Hide();
    Present(d);
    wxSlider* s = d->spacingSlider;
    const wxSize size = s->GetSize();
    // The trough runs through the middle, between the value above and the end labels below.
    // From the thumb near the left end to beyond the right end: the slider ends at 100.
    const int y = size.y / 2;
    RealFastDrag(s, wxPoint(16, y), wxPoint(size.x + 60, y));
    ASSERT_TRUE(WaitFor([&] { return s->GetValue() == 100; }, 2000)) << s->GetValue();
    ASSERT_TRUE(WaitFor([&] { return d->clusteringCanvas->Sketch().k == 100; }, 2000));
    wxImage shot = ReadScreen(d->clusteringCanvas);
    EXPECT_GE(BlackInColumn(shot, 120, 12, 108), 90);
    std::shared_ptr<Panel3dModel> model = Show();
    ASSERT_NE(model, nullptr);
    EXPECT_DOUBLE_EQ(model->chordwiseGrading, 1.0);

    // And back beyond the left end: 1, fine at both edges. The flap view that opened goes
    // away from the slider first.
    if (panel3d::Panel3dFlapOpen()) panel3d::Panel3dFlapWindow->Hide();
    Present(d);
    RealFastDrag(s, wxPoint(size.x - 16, y), wxPoint(-60, y));
    ASSERT_TRUE(WaitFor([&] { return s->GetValue() == 1; }, 2000)) << s->GetValue();
    ASSERT_TRUE(WaitFor([&] { return d->clusteringCanvas->Sketch().k == 1; }, 2000));
    model = Show();
    ASSERT_NE(model, nullptr);
    EXPECT_DOUBLE_EQ(model->chordwiseGrading, 0.505);
}

TEST_F(ScreenPanel3dDiscretisation, TourOfTheDiscretisationWindow) {
    g->Hide();
    EXPECT_TRUE(CaptureFrame(d).IsOk());
    SaveTourShot(d, "panel3d_discretisation");
    SelectRadio(d->wakeRadioBox, 1);
    MoveSlider(60);
    d->result3dFileLabel->SetLabel(
        wxS("/home/studentin/Übungen/Aerodynamik/Tragflügel/Ergebnisse/gepfeilt_3D.dat"));
    SaveTourShot(d, "panel3d_discretisation_relaxed");
}

}  // namespace
