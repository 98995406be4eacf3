// The twist design window driven as a student drives it: first painting, the two radio boxes,
// dragging the circulation and the chords, rejected inputs, a chosen result file, the info box.

#include <filesystem>

#include "common/gui/WxNumber.h"
#include "llt/gui/LltModule.h"
#include "llt/gui/LltTwistDesignFrame.h"
#include "tests/llt/gui/LltTaskWindowFixture.h"

namespace {

using namespace luvo::test;
using llt_test::Lines;
using llt_test::Row;
using llt_test::TwoDecimals;

const wxString kTitle = wxS("Entwurfsaufgabe - Vorgabe von Zirkulations- und Tiefenverteilung");

class LltTwistDesignTest : public llt_test::TaskWindowTest<LltTwistDesignFrame> {
  public:
    LltTwistDesignTest() : TaskWindowTest("alfaGeom.dat", llt::twistFileName) {}

    LltTwistDesignFrame* Open() {
        return OpenTask(llt::twistDesignFrame, kTitle, wxSize(775, 680));
    }
};

TEST_F(LltTwistDesignTest, FirstPaintingShowsTheResultsAndWritesTheTwistFile) {
    LltTwistDesignFrame* f = Open();
    EXPECT_EQ(f->GetTitle(), kTitle);
    EXPECT_EQ(f->GetStatusBar()->GetFieldsCount(), 2);
    EXPECT_EQ(Status(f), wxS("Eingabe der Parameter"));
    const std::vector<wxString> expected = {wxS("12.30"), wxS("1.64"),  wxS("5.20"),
                                            wxS("0.30"),  wxS("0.006"), wxS("1.000")};
    EXPECT_EQ(Results(f), expected);

    // Lift mode at start: the a1 field is disabled; both radio boxes share the id 1.
    EXPECT_TRUE(f->liftCoefficientField->IsEnabled());
    EXPECT_FALSE(f->a1Field->IsEnabled());
    EXPECT_EQ(f->circulationModeRadio->GetSelection(), 0);
    EXPECT_EQ(f->twistScalingRadio->GetSelection(), 0);
    EXPECT_EQ(f->circulationModeRadio->GetId(), 1);
    EXPECT_EQ(f->twistScalingRadio->GetId(), 1);
    EXPECT_EQ(f->circulationModeRadio->GetString(1), wxS("1. Fourierkoeffizienten"));
    EXPECT_EQ(f->twistScalingRadio->GetString(0), wxS("Alfa-Verteilung skaliert   "));

    ASSERT_TRUE(llt::currentSolver);
    EXPECT_DOUBLE_EQ(llt::currentSolver->span, 8.0);
    EXPECT_EQ(llt::twistFileName, wxS("alfaGeom.dat"));

    // 63 lines; rows from the tip (index 0, y = b/2) to the root, the elliptic loading's twist.
    const std::vector<std::string> lines = Lines(FileBytes());
    ASSERT_EQ(lines.size(), 63u);
    EXPECT_EQ(lines[0], "TITLE = \" Verteilung des geometrischen Anstellwinkels\"");
    EXPECT_EQ(lines[2], "#S      = 12.3");
    EXPECT_EQ(lines[5], "#caGes  = 0.3");
    const std::vector<double> tip = Row(lines[11]);
    const std::vector<double> root = Row(lines[62]);
    ASSERT_EQ(tip.size(), 4u);
    ASSERT_EQ(root.size(), 4u);
    EXPECT_EQ(tip[0], 0);
    EXPECT_EQ(tip[1], 4);
    EXPECT_NEAR(tip[3], 1.051, 5e-4);
    EXPECT_EQ(root[0], 51);
    EXPECT_NEAR(root[3], 3.729, 5e-4);
}

TEST_F(LltTwistDesignTest, EveryRepaintOfAPlotRecomputes) {
    LltTwistDesignFrame* f = Open();
    ExpectRepaintsOfThePlots(
        f, {{f->circulationCanvas, true}, {f->chordCanvas, true}, {f->twistCanvas, true}});
}

TEST_F(LltTwistDesignTest, SwitchingTheCirculationModeWritesTheDisabledField) {
    LltTwistDesignFrame* f = Open();
    SetText(f->liftCoefficientField, wxS("0.5"));
    EXPECT_EQ(f->liftLabel->GetLabel(), wxS("0.50"));

    // a1 given: "0.3" goes into the lift field, which is then disabled; the recomputation of
    // that write already uses a1 = 0.03, so the lift shows pi Lambda a1 / 2.
    SelectRadio(f->circulationModeRadio, 1);
    EXPECT_EQ(f->circulationMode, 1.0);
    EXPECT_EQ(f->liftCoefficientField->GetValue(), wxS("0.3"));
    EXPECT_FALSE(f->liftCoefficientField->IsEnabled());
    EXPECT_TRUE(f->a1Field->IsEnabled());
    EXPECT_EQ(f->liftLabel->GetLabel(), wxS("0.25"));
    EXPECT_EQ(Lines(FileBytes())[5], "#caGes  = 0.245");
    SetText(f->a1Field, wxS("0.05"));
    EXPECT_EQ(f->liftLabel->GetLabel(), wxS("0.41"));
    EXPECT_EQ(llt::currentSolver->a1, 0.05);

    // Back to the lift coefficient: "0.03" goes into the a1 field, which is disabled again.
    SelectRadio(f->circulationModeRadio, 0);
    EXPECT_EQ(f->a1Field->GetValue(), wxS("0.03"));
    EXPECT_FALSE(f->a1Field->IsEnabled());
    EXPECT_TRUE(f->liftCoefficientField->IsEnabled());
    EXPECT_EQ(f->liftLabel->GetLabel(), wxS("0.30"));

    // A change of the scaling alone runs the same handler: it too rewrites the disabled field
    // and recomputes, and the repaint after it uses the new scaling.
    f->a1Field->ChangeValue(wxS("0.07"));
    std::filesystem::remove(DefaultFile());
    double scalingAtTheWrite = -1;
    auto atTheWrite = [&](wxCommandEvent& e) {
        scalingAtTheWrite = f->twistScaling;
        e.Skip();
    };
    f->a1Field->Bind(wxEVT_TEXT, atTheWrite);
    SelectRadio(f->twistScalingRadio, 1);
    EXPECT_TRUE(f->a1Field->Unbind(wxEVT_TEXT, atTheWrite));
    EXPECT_EQ(scalingAtTheWrite, 0.0);
    EXPECT_EQ(f->a1Field->GetValue(), wxS("0.03"));
    EXPECT_EQ(f->twistScaling, 1.0);
    EXPECT_EQ(f->circulationMode, 0.0);
    EXPECT_TRUE(std::filesystem::exists(DefaultFile()));
    f->liftCoefficientField->ChangeValue(wxS("0.9"));
    SelectRadio(f->twistScalingRadio, 0);
    EXPECT_EQ(f->twistScaling, 0.0);
    EXPECT_EQ(f->liftCoefficientField->GetValue(), wxS("0.9"));  // enabled: left alone
}

TEST_F(LltTwistDesignTest, CirculationDragWritesTheFourCoefficientsAndRecomputes) {
    LltTwistDesignFrame* f = Open();
    // A large lift, so that two decimals show how the fit changes every coefficient.
    SetText(f->liftCoefficientField, wxS("2.0"));
    const std::string before = FileBytes();

    // Plot origin (50, 110): the root handle dragged down to half its height and below.
    Drag(f->circulationCanvas, wxPoint(50, 50), wxPoint(50, 90), 2);
    for (wxTextCtrl* field : {f->liftCoefficientField, f->a1Field, f->a3Field, f->a5Field}) {
        EXPECT_TRUE(TwoDecimals(field->GetValue())) << field->GetValue();
    }
    EXPECT_NE(f->liftCoefficientField->GetValue(), wxS("2.00"));
    EXPECT_NE(f->a3Field->GetValue(), wxS("0.00"));
    // The lift mode shows the lift coefficient as written, and the record has it.
    EXPECT_EQ(f->liftLabel->GetLabel(), f->liftCoefficientField->GetValue());
    EXPECT_DOUBLE_EQ(llt::currentSolver->a3, luvo::ToNumber(f->a3Field->GetValue()));
    EXPECT_NE(FileBytes(), before);
    EXPECT_EQ(Status(f), wxS("Eingabe der Zirkulations-Parameter"));

    // Presses, releases and motion without a button change nothing.
    const wxString lift = f->liftCoefficientField->GetValue();
    f->SetStatusText(wxS("Eingabe der Parameter"), 0);
    SendMouse(f->circulationCanvas, wxEVT_LEFT_DOWN, wxPoint(50, 100), true);
    SendMouse(f->circulationCanvas, wxEVT_MOTION, wxPoint(50, 100), false);
    SendMouse(f->circulationCanvas, wxEVT_LEFT_UP, wxPoint(50, 100), false);
    EXPECT_EQ(f->liftCoefficientField->GetValue(), lift);
    EXPECT_EQ(Status(f), wxS("Eingabe der Parameter"));
}

TEST_F(LltTwistDesignTest, ChordDragWritesTheSectionChord) {
    LltTwistDesignFrame* f = Open();
    const std::vector<wxString> defaults = Results(f);

    // Plot origin (50, 75), span 8: B at x = 100, y = 45 is the chord 4 * 45 / 150.
    Drag(f->chordCanvas, wxPoint(150, 90), wxPoint(150, 120), 3);
    EXPECT_EQ(f->chordBField->GetValue(), wxS("1.20"));
    EXPECT_DOUBLE_EQ(llt::currentSolver->chordB, 1.2);
    EXPECT_NE(Results(f), defaults);

    // Moving without a button names the input in the status line.
    SendMouse(f->chordCanvas, wxEVT_MOTION, wxPoint(20, 20), false);
    EXPECT_EQ(Status(f), wxS("Eingabe der Tiefenverteilung"));

    // On a wide wing a drag can write a chord one character too long for its field: the length
    // message, then the field's reset text.
    SetText(f->spanField, wxS("40"));
    ShownBox seen;
    SendMouse(f->chordCanvas, wxEVT_LEFT_DOWN, wxPoint(250, 165), true);
    wxTEST_DIALOG(SendMouse(f->chordCanvas, wxEVT_MOTION, wxPoint(250, 165), true),
                  ExpectBox(&seen));
    SendMouse(f->chordCanvas, wxEVT_LEFT_UP, wxPoint(250, 165), false);
    EXPECT_EQ(seen.caption, wxS("Eingabe der Tiefe an der Flügelspitze"));
    EXPECT_TRUE(seen.message.Contains(wxS("maximal 4 Stellen")));
    EXPECT_EQ(f->chordDField->GetValue(), wxS("2.0"));
}

TEST_F(LltTwistDesignTest, FirstCoefficientZeroShowsDashes) {
    LltTwistDesignFrame* f = Open();
    SetText(f->liftCoefficientField, wxS("0"));
    EXPECT_EQ(f->liftLabel->GetLabel(), wxS("0.00"));
    EXPECT_EQ(f->inducedDragLabel->GetLabel(), wxS("---"));
    EXPECT_EQ(f->kFactorLabel->GetLabel(), wxS("---"));
    EXPECT_EQ(f->areaLabel->GetLabel(), wxS("12.30"));
    // Repaints of the plots with no circulation to scale by.
    Repaint(f);
    f->twistCanvas->Refresh();
    f->twistCanvas->Update();
    const std::vector<std::string> lines = Lines(FileBytes());
    ASSERT_EQ(lines.size(), 63u);
    for (size_t i = 11; i < lines.size(); ++i) EXPECT_EQ(Row(lines[i]).size(), 4u) << lines[i];
}

TEST_F(LltTwistDesignTest, RejectedInputNeverReachesTheFile) {
    LltTwistDesignFrame* f = Open();
    const std::string accepted = FileBytes();
    const std::vector<wxString> results = Results(f);

    const WhileOpen seen = RepaintWhileBoxOpen(f, [&] { SetText(f->a3Field, wxS("1.5")); });
    EXPECT_EQ(seen.box.caption, wxS("Eingabe des 3. Fourierkoeffizienten "));
    EXPECT_TRUE(seen.box.HasIcon(wxICON_ERROR));
    EXPECT_EQ(seen.file, accepted);
    EXPECT_EQ(seen.results, results);
    // After OK the reset text is a change whose pass recomputes.
    EXPECT_EQ(f->a3Field->GetValue(), wxS("0.0"));

    ExpectRepaintWritesNothing(f, f->chordAField, wxS("0"));
    f->chordAField->ChangeValue(wxS("2.00"));
    Repaint(f);
    EXPECT_EQ(FileBytes(), accepted);
}

TEST_F(LltTwistDesignTest, ChosenFileTakesEffectAtTheNextRecomputation) {
    LltTwistDesignFrame* f = Open();
    ExpectChosenFileAtTheNextRecomputation(
        f, dir().file("meine Werte.dat"), [&] { SetText(f->chordCField, wxS("1.20")); }, 63);
}

TEST_F(LltTwistDesignTest, InfoBoxAndClosing) {
    LltTwistDesignFrame* f = Open();
    const ShownBox seen =
        ExpectInfoBox(f, wxS("INFO 1. Entwurfsaufgabe"), wxS("Info: 1. Entwurfsaufgabe"));
    EXPECT_TRUE(seen.message.StartsWith(
        wxS("Die 1. Entwurfsaufgabe: \n\nDurch Eingabe der Zirkulation über die "
            "Fourierkoeffizienten oder\ndurch Ziehen der roten Kästen und durch Veränderung der "
            "Tiefen-\nverteilung über die Halbspannweite errechnet das Programm die "
            "\nSchränkungsverteilung.")));
    EXPECT_TRUE(seen.message.Contains(wxS("Hinweis:")));

    ExpectClosingForgetsTheWindow(
        f, [&] { Click(f->closeButton); }, llt::twistDesignOpen);
}

// Pictures for the screenshot tour.
class ScreenLltTwistDesign : public LltTwistDesignTest {};

TEST_F(ScreenLltTwistDesign, TwistDesignWindow) {
    LltTwistDesignFrame* f = Open();
    const wxImage shot = CaptureFrame(f);
    ASSERT_TRUE(shot.IsOk());
    SaveTourShot(f, "llt_twist_design");
    // The plots are on screen: the red root handle of the circulation plot and the grey handle
    // of B in the chord plot at (50 + 100, 75 + 63).
    ExpectRedRootHandle(f, shot);
    const wxPoint grey = InShot(f, f->chordCanvas, wxPoint(50 + 100 - 2, 75 + 63));
    EXPECT_EQ(shot.GetRed(grey.x, grey.y), 128);
    EXPECT_EQ(shot.GetBlue(grey.x, grey.y), 128);

    // A large twist: a tiny tip chord, and the lift raised; the right-axis labels grow.
    SetText(f->chordDField, wxS("0.05"));
    SetText(f->liftCoefficientField, wxS("1.2"));
    SaveTourShot(f, "llt_twist_design_large_twist");
    SelectRadio(f->twistScalingRadio, 1);
    SaveTourShot(f, "llt_twist_design_large_twist_unscaled");
}

}  // namespace
