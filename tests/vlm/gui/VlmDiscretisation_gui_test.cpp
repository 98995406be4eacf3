// The discretisation window: its own controls, the distribution preview and the checks of
// "Starte&n"; what it shares with the panel method's is tested in
// tests/common/gui/DiscretisationWindow_gui_test.cpp.

#include <wx/slider.h>
#include <wx/statbox.h>
#include <wx/uiaction.h>

#include <cmath>

#include "tests/vlm/gui/VlmWindowFixture.h"

namespace {

using namespace luvo::test;
using namespace vlm_test;

class VlmDiscretisationTest : public VlmWindowTest {
  protected:
    void SetUp() override {
        VlmWindowTest::SetUp();
        d = OpenDiscretisation();
        ASSERT_NE(d, nullptr);
    }
    void MoveSlider(int value) {
        d->distributionSlider->SetValue(value);
        wxCommandEvent moved(wxEVT_SLIDER, d->distributionSlider->GetId());
        moved.SetEventObject(d->distributionSlider);
        moved.SetInt(value);
        d->distributionSlider->ProcessWindowEvent(moved);
    }
    VlmDiscretisationFrame* d = nullptr;
};

// What only this method's window has: the Birnbaum count and the counts' defaults, and where
// the file rows and "Starte&n" stand (the rest is tested with the panel method's window in
// DiscretisationWindow_gui_test.cpp).
TEST_F(VlmDiscretisationTest, CountsAndPositions) {
    EXPECT_EQ(d->chordwiseCountField->GetValue(), wxS("30"));
    EXPECT_EQ(d->spanwiseCountField->GetValue(), wxS("15"));
    EXPECT_EQ(d->birnbaumCountField->GetValue(), wxS("21"));
    EXPECT_EQ(d->choose3dButton->GetPosition(), wxPoint(20, 355));
    EXPECT_EQ(d->caFileLabel->GetPosition(), wxPoint(120, 460));
    EXPECT_EQ(d->startButton->GetPosition(), wxPoint(170, 487));
}

TEST_F(VlmDiscretisationTest, StartChecksInTheirOrder) {
    const wxString caption = wxS("Die Eingaben sind nicht korrekt!");
    const wxString xLow =
        wxS("Die Wirbelzahl in x-Richtung ist zu niedrig:\n\n2 <= Wirbelzahl in x-Richtung \n");
    const wxString yLow =
        wxS("Die Wirbelzahl in y-Richtung ist zu niedrig:\n\n2 <= Wirbelzahl in y-Richtung \n");
    const wxString xHigh =
        wxS("Die Wirbelzahl in x-Richtung ist zu hoch:\n\nWirbelzahl in x-Richtung <= 100\n");
    const wxString yHigh =
        wxS("Die Wirbelzahl in y-Richtung ist zu hoch:\n\nWirbelzahl in y-Richtung <= 100\n");
    const wxString total = wxS("Die Gesamtzahl aller Wirbel ist zu hoch:\n\n2*nx*ny <= 8000\n");
    const wxString birnbaum =
        wxS("Die Anzahl der Birnbaumkoeffizienten liegt in einem unzulässigen Bereich:\n\n"
            "1 <= Anzahl Birnbaumkoeffizienten <= 21\n");
    const wxString iterations =
        wxS("Die Anzahl der Iterationen liegt in einem unzulässigen Bereich:\n\n"
            "1 <= Anzahl der Iterationen <= 100\n");
    const struct {
        const wchar_t *nx, *perHalf, *birnbaum;
        int wake;
        const wchar_t* iterations;
        wxString message;
    } cases[] = {
        {L"1", L"15", L"21", 0, L"0", xLow},
        {L"1", L"1", L"21", 0, L"0", xLow},  // both low: only the chordwise message
        {L"1.9", L"15", L"21", 0, L"0", xLow},
        {L"", L"15", L"21", 0, L"0", xLow},
        {L"30", L"1", L"21", 0, L"0", yLow},
        {L"101", L"15", L"21", 0, L"0", xHigh},
        {L"30", L"101", L"21", 0, L"0", yHigh},
        {L"100", L"41", L"21", 0, L"0", total},  // 8200 vortices
        {L"30", L"15", L"22", 0, L"0", birnbaum},
        {L"30", L"15", L"0", 0, L"0", birnbaum},
        {L"30", L"15", L"21", 1, L"0", iterations},
        {L"30", L"15", L"21", 1, L"101", iterations},
        {L"101", L"15", L"22", 1, L"0", xHigh},  // the counts come first
    };
    for (const auto& c : cases) {
        SetText(d->chordwiseCountField, c.nx);
        SetText(d->spanwiseCountField, c.perHalf);
        SetText(d->birnbaumCountField, c.birnbaum);
        SelectRadio(d->wakeRadioBox, c.wake);
        SetText(d->iterationsField, c.iterations);
        const ShownBox box = BoxOf(d->startButton);
        EXPECT_EQ(box.message, c.message) << c.nx << " " << c.perHalf << " " << c.birnbaum;
        EXPECT_EQ(box.caption, caption);
        EXPECT_TRUE(box.HasIcon(wxICON_ERROR));
        EXPECT_EQ(vlm::VlmProgressWindow, nullptr);
        EXPECT_TRUE(vlm::VlmDiscretisationOpen());
    }
}

TEST_F(VlmDiscretisationTest, StartChecksTheGeometryWindowAgain) {
    // A span typed after "&Weiter" is checked as the geometry window would.
    SetText(vlm::VlmGeometryWindow->spanField, wxS("0"));
    ShownBox box = BoxOf(d->startButton);
    EXPECT_EQ(box.message, wxS("Der Wert der Spannweite liegt in einem unzulässigen Bereich:\n\n"
                               "0.5 <= Spannweite <= 100\n"));
    EXPECT_EQ(box.caption, wxS("Die Eingaben sind nicht korrekt!"));
    EXPECT_EQ(vlm::VlmProgressWindow, nullptr);

    // Without the geometry window there is no wing to run.
    vlm::VlmGeometryWindow->Close();
    Settle();
    ASSERT_FALSE(vlm::VlmGeometryOpen());
    box = BoxOf(d->startButton);
    EXPECT_EQ(box.message, wxS("Die Flügelgeometrie fehlt:\n\nDas Geometriefenster ist "
                               "geschlossen.\n"));
    EXPECT_EQ(box.caption, wxS("Die Eingaben sind nicht korrekt!"));
    EXPECT_TRUE(box.HasIcon(wxICON_ERROR));
    EXPECT_TRUE(vlm::VlmDiscretisationOpen());
    EXPECT_EQ(vlm::VlmProgressWindow, nullptr);
}

// The preview on the screen: the construction for the slider's value after every move and
// every repaint.
class ScreenVlmDiscretisation : public VlmDiscretisationTest {
  protected:
    // Black pixels of the canvas column x (canvas coordinates), between y0 and y1.
    int BlackInColumn(const wxImage& shot, int x, int y0, int y1) {
        int n = 0;
        for (int y = y0; y <= y1; ++y) n += shot.GetRed(x, y) < 64 && shot.GetBlue(x, y) < 64;
        return n;
    }
};

TEST_F(ScreenVlmDiscretisation, SliderMovesAndRepaintsRedrawTheConstruction) {
    wxUIActionSimulator().MouseMove(1270, 1010);
    CaptureFrame(d);
    MoveSlider(100);
    EXPECT_EQ(d->distributionCanvas->Sketch().k, 100);
    // The vertical first ray from the trailing edge (20 + 100, 110) up to (120, 10).
    wxImage shot = ReadScreen(d->distributionCanvas);
    EXPECT_GE(BlackInColumn(shot, 120, 12, 108), 90);

    // A repaint draws the slider's value again, here a value set without an event.
    d->distributionSlider->SetValue(1);
    d->distributionCanvas->Refresh();
    d->distributionCanvas->Update();
    EXPECT_EQ(d->distributionCanvas->Sketch().k, 1);
    shot = ReadScreen(d->distributionCanvas);
    EXPECT_LT(BlackInColumn(shot, 120, 12, 100), 10);

    MoveSlider(100);
    shot = ReadScreen(d->distributionCanvas);
    EXPECT_GE(BlackInColumn(shot, 120, 12, 108), 90);
}

}  // namespace
