// The chord design window driven as a student drives it: first painting with the root-angle
// search, the two radio boxes, dragging the circulation and the twist, a search that finds no
// angle, rejected inputs, a chosen result file, the info box.

#include <wx/dcclient.h>

#include <filesystem>

#include "common/core/NumberText.h"
#include "common/gui/WxNumber.h"
#include "llt/gui/LltChordDesignFrame.h"
#include "llt/gui/LltModule.h"
#include "tests/llt/gui/LltTaskWindowFixture.h"

namespace {

using namespace luvo::test;
using llt_test::Lines;
using llt_test::Row;
using llt_test::TwoDecimals;

const wxString kTitle =
    wxS("Entwurfsaufgabe - Vorgabe von Zirkulations- und Schränkungsverteilung");
const wxString kAreaMissed = wxString::FromUTF8(kLltAreaMissedStatus);

class LltChordDesignTest : public llt_test::TaskWindowTest<LltChordDesignFrame> {
  public:
    // The default name has a blank on either side, and the file is named just so.
    // The label's name loses its trailing blank when the file is created.
    LltChordDesignTest() : TaskWindowTest(" tiefe.dat", llt::chordFileName) {}

    LltChordDesignFrame* Open() {
        return OpenTask(llt::chordDesignFrame, kTitle, wxSize(845, 700));
    }
    // The root-angle label stands among the results.
    std::vector<wxString> Results(LltChordDesignFrame* f) const override {
        return {f->areaLabel->GetLabel(),        f->meanChordLabel->GetLabel(),
                f->aspectRatioLabel->GetLabel(), f->rootAngleLabel->GetLabel(),
                f->liftLabel->GetLabel(),        f->inducedDragLabel->GetLabel(),
                f->kFactorLabel->GetLabel()};
    }
    // The chord plot's repaint runs the window's recomputation.
    wxWindow* RecomputingPlot(LltChordDesignFrame* f) const override { return f->chordCanvas; }
    static std::vector<wxTextCtrl*> Fields(LltChordDesignFrame* f) {
        return {f->spanField,      f->liftCoefficientField,
                f->liftSlopeField, f->aspectRatioField,
                f->a1Field,        f->a3Field,
                f->a5Field,        f->rootAngleField,
                f->angleBField,    f->angleCField,
                f->angleDField,    f->segmentABField,
                f->segmentBCField, f->segmentCDField};
    }
    static std::vector<wxString> Texts(LltChordDesignFrame* f) {
        std::vector<wxString> out;
        for (wxTextCtrl* field : Fields(f)) out.push_back(field->GetValue());
        return out;
    }
    static bool RootAngleRowShown(LltChordDesignFrame* f) {
        const bool shown = f->rootAngleLabel->IsShown();
        EXPECT_EQ(f->rootAngleCaption->IsShown(), shown);
        EXPECT_EQ(f->rootAngleEquals->IsShown(), shown);
        return shown;
    }
};

TEST_F(LltChordDesignTest, FirstPaintingSearchesTheRootAngleAndWritesTheChordFile) {
    LltChordDesignFrame* f = Open();
    EXPECT_EQ(f->GetTitle(), kTitle);
    EXPECT_EQ(f->GetStatusBar()->GetFieldsCount(), 2);
    EXPECT_EQ(Status(f), wxS("Eingabe der Parameter"));
    const std::vector<wxString> expected = {wxS("37.500"), wxS("2.583"), wxS("6.000"), wxS("4.10"),
                                            wxS("0.300"),  wxS("0.005"), wxS("1.000")};
    EXPECT_EQ(Results(f), expected);

    // Lift mode: the lift coefficient and the aspect ratio are inputs, a1 and the root angle
    // are not; the root-angle row is shown.
    EXPECT_TRUE(f->liftCoefficientField->IsEnabled());
    EXPECT_TRUE(f->aspectRatioField->IsEnabled());
    EXPECT_FALSE(f->a1Field->IsEnabled());
    EXPECT_FALSE(f->rootAngleField->IsEnabled());
    EXPECT_TRUE(RootAngleRowShown(f));
    EXPECT_EQ(f->circulationModeRadio->GetId(), 1);
    EXPECT_EQ(f->chordScalingRadio->GetId(), 1);
    EXPECT_EQ(f->fileNameLabel->GetLabel(), wxS(" tiefe.dat "));
    EXPECT_EQ(llt::chordFileName, wxS(" tiefe.dat "));
    ASSERT_TRUE(llt::currentSolver);
    EXPECT_NEAR(llt::currentSolver->area, 37.5, 37.5e-6);

    // 61 lines; the summary holds the computed area, which is the target b² / Lambda.
    const std::vector<std::string> lines = Lines(FileBytes());
    ASSERT_EQ(lines.size(), 61u);
    EXPECT_EQ(lines[2], "#S      = 37.5");
    EXPECT_EQ(lines[4], "#Lambda = 6");
    const std::vector<double> root = Row(lines.back());
    ASSERT_EQ(root.size(), 4u);
    EXPECT_EQ(root[0], 51);
    EXPECT_NEAR(root[3], llt::currentSolver->twistA, 1e-6);
    EXPECT_EQ(luvo::FormatNumber("%.2f", root[3]), "4.10");
}

TEST_F(LltChordDesignTest, SwitchingTheModeChangesNoTextAndRecomputesThroughTheChordPlot) {
    LltChordDesignFrame* f = Open();
    const std::vector<wxString> texts = Texts(f);

    SelectRadio(f->circulationModeRadio, 1);
    EXPECT_EQ(f->circulationMode, 1.0);
    EXPECT_EQ(Texts(f), texts);
    EXPECT_FALSE(RootAngleRowShown(f));
    EXPECT_FALSE(f->liftCoefficientField->IsEnabled());
    EXPECT_FALSE(f->aspectRatioField->IsEnabled());
    EXPECT_TRUE(f->a1Field->IsEnabled());
    EXPECT_TRUE(f->rootAngleField->IsEnabled());
    // a1 = 0.03 at the root angle 5.0; the root-angle label keeps its last text.
    const std::vector<wxString> a1Mode = {wxS("26.152"), wxS("1.821"), wxS("8.603"), wxS("4.10"),
                                          wxS("0.405"),  wxS("0.006"), wxS("1.000")};
    EXPECT_EQ(Results(f), a1Mode);
    EXPECT_EQ(Lines(FileBytes())[2], "#S      = 26.2");

    // The a1 mode takes the root angle from its field.
    SetText(f->rootAngleField, wxS("6.0"));
    EXPECT_DOUBLE_EQ(llt::currentSolver->twistA, 6.0);

    // The scaling radio box runs the same handler: it re-reads the mode too.
    SelectRadio(f->chordScalingRadio, 1);
    EXPECT_EQ(f->chordScaling, 1.0);
    EXPECT_EQ(f->circulationMode, 1.0);

    SelectRadio(f->circulationModeRadio, 0);
    EXPECT_TRUE(RootAngleRowShown(f));
    EXPECT_TRUE(f->liftCoefficientField->IsEnabled());
    EXPECT_FALSE(f->rootAngleField->IsEnabled());
    EXPECT_EQ(f->rootAngleLabel->GetLabel(), wxS("4.10"));
    EXPECT_EQ(f->areaLabel->GetLabel(), wxS("37.500"));
    EXPECT_EQ(f->rootAngleField->GetValue(), wxS("6.0"));
}

TEST_F(LltChordDesignTest, TwistDragWritesTheRelativeAngles) {
    LltChordDesignFrame* f = Open();
    // Plot origin (45, 90): B at x = 100; y = -60 is 3 degrees above the root.
    Drag(f->twistCanvas, wxPoint(145, 70), wxPoint(145, 30), 2);
    EXPECT_EQ(f->angleBField->GetValue(), wxS("3.00"));
    EXPECT_DOUBLE_EQ(llt::currentSolver->twistB - llt::currentSolver->twistA, 3.0);
    // D at the tip, y = 40: 2 degrees below the root.
    Drag(f->twistCanvas, wxPoint(245, 110), wxPoint(245, 130), 2);
    EXPECT_EQ(f->angleDField->GetValue(), wxS("-2.00"));
    // On the axis, y = 0: -0.05 * 0 is a negative zero, written as "0.00"; C is then level with
    // the root.
    std::filesystem::remove(DefaultFile());
    Drag(f->twistCanvas, wxPoint(195, 90), wxPoint(195, 90), 1);
    EXPECT_EQ(f->angleCField->GetValue(), wxS("0.00"));
    EXPECT_TRUE(std::filesystem::exists(DefaultFile()));
    EXPECT_DOUBLE_EQ(llt::currentSolver->twistC, llt::currentSolver->twistA);
    // Beyond the accepted band, between the columns, or without motion: nothing.
    Drag(f->twistCanvas, wxPoint(195, 131), wxPoint(195, 131), 1);
    Drag(f->twistCanvas, wxPoint(170, 80), wxPoint(170, 80), 1);
    SendMouse(f->twistCanvas, wxEVT_LEFT_DOWN, wxPoint(195, 80), true);
    EXPECT_EQ(f->angleCField->GetValue(), wxS("0.00"));

    // Moving without a button names the input in the status line.
    f->SetStatusText(wxS(""), 0);
    SendMouse(f->twistCanvas, wxEVT_MOTION, wxPoint(20, 20), false);
    EXPECT_EQ(Status(f), wxS("Eingabe der Parameter"));
}

TEST_F(LltChordDesignTest, CirculationDragWritesTheCoefficients) {
    LltChordDesignFrame* f = Open();
    // Lift variant: the root handle (plot origin (50, 110)) dragged down refits the series and
    // writes the lift coefficient with the prescribed aspect ratio.
    Drag(f->circulationCanvas, wxPoint(50, 50), wxPoint(50, 100), 2);
    for (wxTextCtrl* field : {f->liftCoefficientField, f->a1Field, f->a3Field, f->a5Field}) {
        EXPECT_TRUE(TwoDecimals(field->GetValue())) << field->GetValue();
    }
    EXPECT_NE(f->liftCoefficientField->GetValue(), wxS("0.30"));
    EXPECT_EQ(f->liftLabel->GetLabel(),
              luvo::FormatWx("%.3f", luvo::ToNumber(f->liftCoefficientField->GetValue())));
    EXPECT_EQ(Status(f), wxS("Eingabe der Zirkulations-Parameter"));

    // a1 variant: the lift coefficient field, unused in this mode, is left alone.
    SelectRadio(f->circulationModeRadio, 1);
    SetText(f->a1Field, wxS("0.5"));
    f->liftCoefficientField->ChangeValue(wxS("0.7"));
    Drag(f->circulationCanvas, wxPoint(50, 80), wxPoint(50, 80), 1);
    EXPECT_EQ(f->liftCoefficientField->GetValue(), wxS("0.7"));
    EXPECT_NE(f->a1Field->GetValue(), wxS("0.50"));
    EXPECT_TRUE(TwoDecimals(f->a1Field->GetValue()));
    EXPECT_DOUBLE_EQ(llt::currentSolver->a1, luvo::ToNumber(f->a1Field->GetValue()));
}

// The handle that the press picked follows the pointer until the release: the root handle
// dragged into the box of station 41 writes what the same height writes in its own column, and
// the twist handle of B dragged into C's column moves B alone. A press beside all handles moves
// none, and the series is refitted unchanged.
TEST_F(LltChordDesignTest, APressHoldsItsHandleUntilTheRelease) {
    LltChordDesignFrame* f = Open();
    const auto coefficients = [&] {
        return std::vector<wxString>{f->liftCoefficientField->GetValue(), f->a1Field->GetValue(),
                                     f->a3Field->GetValue(), f->a5Field->GetValue()};
    };
    const auto restore = [&](const std::vector<wxString>& texts) {
        wxTextCtrl* const fields[] = {f->liftCoefficientField, f->a1Field, f->a3Field, f->a5Field};
        for (int i = 0; i < 4; ++i) SetText(fields[i], texts[i]);
    };
    // Plot origin (50, 110): the root's box is -10 <= x <= 10, station 41's 50 <= x <= 70.
    const std::vector<wxString> start = coefficients();
    Drag(f->circulationCanvas, wxPoint(50, 60), wxPoint(50, 60), 1);
    const std::vector<wxString> rootAt50 = coefficients();
    ASSERT_NE(rootAt50, start);
    restore(start);
    Drag(f->circulationCanvas, wxPoint(200, 60), wxPoint(200, 60), 1);
    const std::vector<wxString> refitted = coefficients();
    restore(start);
    Drag(f->circulationCanvas, wxPoint(50, 80), wxPoint(115, 60), 1);
    EXPECT_EQ(coefficients(), rootAt50);
    restore(start);
    Drag(f->circulationCanvas, wxPoint(85, 80), wxPoint(50, 60), 1);
    EXPECT_EQ(coefficients(), refitted);

    // Twist plot, origin (45, 90): B at x = 100, C at 150.
    const wxString c = f->angleCField->GetValue();
    Drag(f->twistCanvas, wxPoint(145, 80), wxPoint(195, 50), 4);
    EXPECT_EQ(f->angleBField->GetValue(), wxS("2.00"));
    EXPECT_EQ(f->angleCField->GetValue(), c);
}

// A small wing meets its area as a large one does: the chord file's wing has b² / Lambda.
TEST_F(LltChordDesignTest, ChordFileHoldsTheAreaOfASmallWing) {
    LltChordDesignFrame* f = Open();
    SetText(f->spanField, wxS("2"));
    SetText(f->liftCoefficientField, wxS("0.6"));
    SetText(f->aspectRatioField, wxS("8"));
    EXPECT_EQ(f->areaLabel->GetLabel(), wxS("0.500"));
    EXPECT_EQ(Status(f), wxS("Eingabe der Parameter"));
    const std::vector<std::string> lines = Lines(FileBytes());
    ASSERT_GE(lines.size(), 3u);
    ASSERT_EQ(lines[2].rfind("#S      = ", 0), 0u);
    EXPECT_NEAR(std::stod(lines[2].substr(10)), 0.5, 0.0025);
    EXPECT_NEAR(llt::currentSolver->area, 0.5, 0.5e-6);
}

TEST_F(LltChordDesignTest, AreaOutOfReachSaysSo) {
    LltChordDesignFrame* f = Open();
    // Without lift the chord vanishes at every root angle: no wing has 37.5 m².
    SetText(f->liftCoefficientField, wxS("0"));
    EXPECT_EQ(Status(f), kAreaMissed);
    EXPECT_EQ(f->areaLabel->GetLabel(), wxS("0.000"));
    EXPECT_EQ(f->rootAngleLabel->GetLabel(), wxS("90.00"));
    EXPECT_EQ(llt::currentSolver->twistA, 90.0);
    EXPECT_EQ(Lines(FileBytes()).size(), 61u);
    Repaint(f);
    f->twistCanvas->Refresh();
    f->twistCanvas->Update();

    // Drags and the info box do not hide the failure while its results are shown.
    SendMouse(f->twistCanvas, wxEVT_MOTION, wxPoint(20, 20), false);
    EXPECT_EQ(Status(f), kAreaMissed);
    ExpectInfoBox(f, wxS("INFO 2. Entwurfsaufgabe"), kAreaMissed);

    // A lift coefficient that reaches the area again clears the text.
    SetText(f->liftCoefficientField, wxS("0.3"));
    EXPECT_EQ(f->rootAngleLabel->GetLabel(), wxS("4.10"));
    EXPECT_EQ(f->areaLabel->GetLabel(), wxS("37.500"));
    EXPECT_EQ(Status(f), wxS("Eingabe der Parameter"));
}

TEST_F(LltChordDesignTest, TwistPlotPaintRecomputesNothing) {
    LltChordDesignFrame* f = Open();
    // Another plot painted by a late expose of the X server would recompute by design; only
    // the twist plot's own paints are judged.
    const Repainted seen =
        PaintsByPlot({f->circulationCanvas, f->twistCanvas, f->chordCanvas}, [f] {
            f->twistCanvas->Refresh();
            f->twistCanvas->Update();
        });
    // The paint reached the twist plot; that its own handler then draws the plot, the screen
    // test TwistPlotRepaintedAloneShowsItsPlot sees.
    ASSERT_EQ(seen.plots.count(f->twistCanvas), 1u);
    EXPECT_EQ(seen.plots.at(f->twistCanvas).recomputations, 0);
    if (seen.plots.size() == 1) {
        EXPECT_FALSE(seen.fileWritten);
    }
    const LltSolver* record = llt::currentSolver.get();
    // The circulation plot's repaint does recompute.
    f->circulationCanvas->Refresh();
    f->circulationCanvas->Update();
    EXPECT_NE(llt::currentSolver.get(), record);
    EXPECT_TRUE(std::filesystem::exists(DefaultFile()));
}

TEST_F(LltChordDesignTest, EveryRepaintOfAPlotButTheTwistPlotRecomputes) {
    // A full repaint recomputes twice: through the circulation and the chord plot.
    LltChordDesignFrame* f = Open();
    ExpectRepaintsOfThePlots(
        f, {{f->circulationCanvas, true}, {f->twistCanvas, false}, {f->chordCanvas, true}});
}

TEST_F(LltChordDesignTest, RejectedInputNeverReachesTheFile) {
    LltChordDesignFrame* f = Open();
    const std::string accepted = FileBytes();
    const std::vector<wxString> results = Results(f);

    const WhileOpen seen =
        RepaintWhileBoxOpen(f, [&] { SetText(f->aspectRatioField, wxS("12.55")); });
    EXPECT_EQ(seen.box.caption, wxS("Eingabe der Flügelstreckung"));
    EXPECT_TRUE(seen.box.message.Contains(wxS("maximal 3 Ziffern")));
    EXPECT_EQ(seen.file, accepted);
    EXPECT_EQ(seen.results, results);
    // After OK the reset text "4.0" is a change whose pass recomputes: target 15² / 4.
    EXPECT_EQ(f->aspectRatioField->GetValue(), wxS("4.0"));
    EXPECT_EQ(f->areaLabel->GetLabel(), wxS("56.250"));

    ExpectRepaintWritesNothing(f, f->spanField, wxS("0"));
}

TEST_F(LltChordDesignTest, ChosenFileTakesEffectAtTheNextRecomputation) {
    LltChordDesignFrame* f = Open();
    ExpectChosenFileAtTheNextRecomputation(
        f, dir().file("meine Tiefen.dat"), [&] { Repaint(f); }, 61);
}

TEST_F(LltChordDesignTest, InfoBoxAndClosing) {
    LltChordDesignFrame* f = Open();
    const ShownBox seen =
        ExpectInfoBox(f, wxS("INFO 2. Entwurfsaufgabe"), wxS("Info: 2. Entwurfsaufgabe"));
    EXPECT_TRUE(seen.message.StartsWith(
        wxS("Die 2. Entwurfsaufgabe: \n\nDurch Eingabe der Zirkulation über die "
            "Fourierkoeffizienten oder \ndurch Ziehen der roten Kästen und durch Veränderung der "
            "Schrän-\nkung über die Halbspannweite errechnet das Programm die Tiefen- "
            "\nverteilung.")));
    EXPECT_TRUE(seen.message.Contains(wxS("Hinweis:")));

    ExpectClosingForgetsTheWindow(
        f, [&] { SendMenu(f, luvo::kIdMenuClose); }, llt::chordDesignOpen);
}

// Pictures for the screenshot tour, and the twist plot on screen.
class ScreenLltChordDesign : public LltChordDesignTest {};

TEST_F(ScreenLltChordDesign, ChordDesignWindow) {
    LltChordDesignFrame* f = Open();
    const wxImage shot = CaptureFrame(f);
    ASSERT_TRUE(shot.IsOk());
    SaveTourShot(f, "llt_chord_design");
    // The blue handle of B in the twist plot, origin (45, 90), 0.4 degrees below the root: its
    // left edge at x = 98 from y = -2 + 8 on.
    const wxPoint blue = InShot(f, f->twistCanvas, wxPoint(45 + 98, 90 + 7));
    EXPECT_EQ(shot.GetRed(blue.x, blue.y), 0);
    EXPECT_EQ(shot.GetBlue(blue.x, blue.y), 255);
    // The red root handle of the circulation plot.
    ExpectRedRootHandle(f, shot);

    SelectRadio(f->circulationModeRadio, 1);
    SaveTourShot(f, "llt_chord_design_a1");
    SelectRadio(f->circulationModeRadio, 0);
    SetText(f->liftCoefficientField, wxS("0.001"));
    SaveTourShot(f, "llt_chord_design_noangle");

    // A wide chord in true scale: the top chord label climbs towards the caption.
    SetText(f->liftCoefficientField, wxS("0.3"));
    SetText(f->aspectRatioField, wxS("4.8"));
    SelectRadio(f->chordScalingRadio, 0);
    SaveTourShot(f, "llt_chord_design_wide_chord");
}

// When only the twist plot is uncovered, its own paint draws it: axes, curve and blue handles.
TEST_F(ScreenLltChordDesign, TwistPlotRepaintedAloneShowsItsPlot) {
    LltChordDesignFrame* f = Open();
    CaptureFrame(f);
    wxWindow* plot = f->twistCanvas;
    const auto pixels = [plot](auto isWanted) {
        const wxImage image = ReadScreen(plot);
        int n = 0;
        for (int y = 3; y < image.GetHeight() - 3; ++y) {
            for (int x = 3; x < image.GetWidth() - 3; ++x) {
                if (isWanted(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y))) ++n;
            }
        }
        return n;
    };
    const auto dark = [](int r, int g, int b) { return r + g + b < 3 * 160; };
    const auto blue = [](int r, int g, int b) { return r < 40 && g < 40 && b > 200; };
    {
        // Wipe it as a window lying over it would, then expose it alone.
        wxClientDC dc(plot);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
    }
    Pump(100);
    ASSERT_LT(pixels(dark), 20);
    plot->Refresh();
    plot->Update();
    Pump(200);
    EXPECT_GT(pixels(dark), 300);
    EXPECT_GT(pixels(blue), 10);
}

}  // namespace
