// The discretisation window: its controls, the distribution preview, the wake choice, the info
// box and the checks of "Starte&n".

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

TEST_F(VlmDiscretisationTest, ControlsAndDefaults) {
    EXPECT_EQ(d->GetStatusBar()->GetFieldsCount(), 2);
    EXPECT_EQ(Status(d, 0), wxS("Rechnung starten"));
    const std::vector<wxString> texts = StaticTexts(d);
    for (const wchar_t* t :
         {L"1:     vorne fein, hinten fein", L"100: vorne fein, hinten grob",
          L"Wirbelzahl in x-Richtung:", L"Wirbelzahl in y-Richtung pro Halbspannweite:",
          L"Anzahl an Birnbaumkoeffizienten:", L"Anzahl der Iterationen:"}) {
        EXPECT_NE(std::find(texts.begin(), texts.end(), wxString(t)), texts.end()) << t;
    }
    std::vector<wxString> boxes;
    for (wxStaticBox* b : FindAll<wxStaticBox>(d)) boxes.push_back(b->GetLabel());
    EXPECT_EQ(boxes.front(), wxS("Verteilung der Stützststellen in Tiefenrichtung:"));
    EXPECT_EQ(d->distributionSlider->GetValue(), 4);
    EXPECT_EQ(d->distributionSlider->GetMin(), 1);
    EXPECT_EQ(d->distributionSlider->GetMax(), 100);
    EXPECT_EQ(d->distributionCanvas->GetToolTipText(),
              wxS("Verteilung der Stützstellen in Tiefenrichtung:"));
    EXPECT_EQ(d->chordwiseCountField->GetValue(), wxS("30"));
    EXPECT_EQ(d->spanwiseCountField->GetValue(), wxS("15"));
    EXPECT_EQ(d->birnbaumCountField->GetValue(), wxS("21"));
    EXPECT_EQ(d->iterationsField->GetValue(), wxS("0"));
    EXPECT_FALSE(d->iterationsField->IsEnabled());
    EXPECT_EQ(d->wakeRadioBox->GetSelection(), 0);
    EXPECT_EQ(d->result3dFileLabel->GetLabel(), wxS("3D.dat"));
    EXPECT_EQ(d->cpFileLabel->GetLabel(), wxS("cp-x.dat"));
    EXPECT_EQ(d->caFileLabel->GetLabel(), wxS("ca-y.dat"));
    EXPECT_EQ(d->choose3dButton->GetPosition(), wxPoint(20, 355));
    EXPECT_EQ(d->caFileLabel->GetPosition(), wxPoint(120, 460));
    EXPECT_EQ(d->startButton->GetLabel(), wxS("Starte&n"));
    EXPECT_EQ(d->startButton->GetPosition(), wxPoint(170, 487));
    // No cancel button: "Starte&n" and the three file buttons are all.
    EXPECT_EQ(FindAll<wxButton>(d).size(), 4u);
}

// The slider's range labels "1" and "100" keep clear of the two texts that explain its ends.
TEST_F(VlmDiscretisationTest, SliderKeepsClearOfItsTexts) {
    wxStaticBox* box = FindBox(d, wxS("Verteilung der Stützststellen in Tiefenrichtung:"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(CrowdingInBox(box), std::vector<std::string>());
}

TEST_F(VlmDiscretisationTest, WakeChoiceInfoAndFileDialog) {
    SelectRadio(d->wakeRadioBox, 1);
    EXPECT_EQ(d->iterationsField->GetValue(), wxS("8"));
    EXPECT_TRUE(d->iterationsField->IsEnabled());
    SetText(d->iterationsField, wxS("12"));
    SelectRadio(d->wakeRadioBox, 0);
    EXPECT_EQ(d->iterationsField->GetValue(), wxS("0"));
    EXPECT_FALSE(d->iterationsField->IsEnabled());

    ShownBox seen;
    wxString statusWhileOpen;
    wxTEST_DIALOG(SendMenu(d, luvo::kIdMenuInfo),
                  ExpectBoxNotingStatus(&seen, &statusWhileOpen, d));
    EXPECT_EQ(seen.caption, wxS("Info Eingabe der Diskretisierungsparameter"));
    EXPECT_TRUE(seen.message.EndsWith(wxS("Gesamtzahl aller Wirbel = 2*nx*ny")));
    EXPECT_TRUE(seen.HasIcon(wxICON_INFORMATION));
    EXPECT_EQ(statusWhileOpen, wxS("Info"));
    EXPECT_EQ(Status(d), wxS("Rechnung starten"));

    // The dialog proposes the built-in name; a cancelled one leaves the label.
    const wxString path = wxString::FromUTF8(dir().file("mein-cp.dat"));
    ShownFileDialog shown;
    wxTEST_DIALOG(Click(d->chooseCpButton), ExpectFile(path, wxID_OK, &shown));
    EXPECT_EQ(shown.proposedName, wxS("cp-x.dat"));
    EXPECT_EQ(d->cpFileLabel->GetLabel(), path);
    wxTEST_DIALOG(Click(d->chooseCpButton),
                  ExpectFile(wxString::FromUTF8(dir().file("x.dat")), wxID_CANCEL, &shown));
    EXPECT_EQ(shown.proposedName, wxS("cp-x.dat"));
    EXPECT_EQ(d->cpFileLabel->GetLabel(), path);
}

TEST_F(VlmDiscretisationTest, CloseClearsTheFlagAndKeepsTheGeometryWindow) {
    wxWeakRef<wxFrame> ref(d);
    SendMenu(d, luvo::kIdMenuClose);
    Settle();
    EXPECT_FALSE(ref);
    EXPECT_FALSE(VlmDiscretisationOpen);
    EXPECT_TRUE(VlmGeometryOpen);
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
        EXPECT_EQ(VlmProgressWindow, nullptr);
        EXPECT_TRUE(VlmDiscretisationOpen);
    }
}

TEST_F(VlmDiscretisationTest, StartChecksTheGeometryWindowAgain) {
    // A span typed after "&Weiter" is checked as the geometry window would.
    SetText(VlmGeometryWindow->spanField, wxS("0"));
    ShownBox box = BoxOf(d->startButton);
    EXPECT_EQ(box.message, wxS("Der Wert der Spannweite liegt in einem unzulässigen Bereich:\n\n"
                               "0.5 <= Spannweite <= 100\n"));
    EXPECT_EQ(box.caption, wxS("Die Eingaben sind nicht korrekt!"));
    EXPECT_EQ(VlmProgressWindow, nullptr);

    // Without the geometry window there is no wing to run.
    VlmGeometryWindow->Close();
    Settle();
    ASSERT_FALSE(VlmGeometryOpen);
    box = BoxOf(d->startButton);
    EXPECT_EQ(box.message, wxS("Die Flügelgeometrie fehlt:\n\nDas Geometriefenster ist "
                               "geschlossen.\n"));
    EXPECT_EQ(box.caption, wxS("Die Eingaben sind nicht korrekt!"));
    EXPECT_TRUE(box.HasIcon(wxICON_ERROR));
    EXPECT_TRUE(VlmDiscretisationOpen);
    EXPECT_EQ(VlmProgressWindow, nullptr);
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
