// The analysis window driven as a student drives it: first painting, typing, dragging the
// handles, a rejected input with its box, a chosen result file.

#include <cmath>
#include <filesystem>
#include <initializer_list>
#include <memory>

#include "llt/gui/LltAnalysisFrame.h"
#include "llt/gui/LltMethodFrame.h"
#include "llt/gui/LltModule.h"
#include "tests/llt/gui/LltTaskWindowFixture.h"

namespace {

using namespace luvo::test;
using llt_test::Lines;
using llt_test::Row;

class LltAnalysisFrameTest : public llt_test::TaskWindowTest<LltAnalysisFrame> {
  public:
    // The label's name loses its trailing blank when the file is created.
    LltAnalysisFrameTest() : TaskWindowTest(" GammaUndCa.dat", llt::analysisFileName) {}

    // Opens the window through the method window and waits for its first painting.
    LltAnalysisFrame* Open() {
        method_ = new LltMethodFrame(wxS(" Luvo - Einfaches Traglinienverfahren"),
                                     wxDefaultPosition, wxSize(475, 380));
        SelectRadio(method_->taskRadio, 3);
        Click(method_->okButton);
        return AwaitFirstPainting(llt::analysisFrame.get());
    }

    LltMethodFrame* method_ = nullptr;
};

TEST_F(LltAnalysisFrameTest, FirstPaintingShowsTheResultsAndWritesTheFile) {
    LltAnalysisFrame* f = Open();
    EXPECT_EQ(Status(f), wxS("Eingabe geometrischer Daten"));
    const std::vector<wxString> expected = {wxS("12.300"), wxS("1.637"), wxS("5.203"),
                                            wxS("0.358"),  wxS("0.008"), wxS("1.005")};
    EXPECT_EQ(Results(f), expected);
    EXPECT_EQ(f->fileNameLabel->GetLabel(), wxS(" GammaUndCa.dat "));
    EXPECT_EQ(llt::analysisFileName, wxS(" GammaUndCa.dat "));
    ASSERT_TRUE(llt::currentSolver);
    EXPECT_DOUBLE_EQ(llt::currentSolver->span, 8.0);

    // The name with its leading blank, in the working directory, ending in ".dat"; 62 lines.
    EXPECT_FALSE(std::filesystem::exists(dir().file(" GammaUndCa.dat ")));
    const std::vector<std::string> lines = Lines(FileBytes());
    ASSERT_EQ(lines.size(), 62u);
    EXPECT_EQ(lines[2], "#S      = 12.3");
    const std::vector<double> first = Row(lines[11]);
    ASSERT_EQ(first.size(), 6u);
    EXPECT_EQ(first[0], 1);
    EXPECT_NEAR(first[1], 4.0 * std::cos(LltPi / 102.0), 1e-6);  // y of station 1, b = 8
}

TEST_F(LltAnalysisFrameTest, EveryRepaintOfAPlotRecomputes) {
    // Covering and uncovering the window repaints its three plots and so recomputes three times.
    LltAnalysisFrame* f = Open();
    ExpectRepaintsOfThePlots(
        f, {{f->chordCanvas, true}, {f->twistCanvas, true}, {f->circulationCanvas, true}});
}

TEST_F(LltAnalysisFrameTest, TypingRecomputesAndLimitCasesStayReadable) {
    LltAnalysisFrame* f = Open();
    const std::vector<wxString> defaults = Results(f);

    // A chord of 0 at B passes its check; the results stay finite.
    SetText(f->chordBField, wxS("0"));
    EXPECT_NE(Results(f), defaults);
    for (const wxString& label : Results(f)) EXPECT_NE(label, wxS("---"));

    // A lift-slope factor of 0 or below: the sections carry no lift, the k-factor is 0/0.
    for (const wchar_t* factor : {L"0", L"-1"}) {
        SCOPED_TRACE(wxString(factor).utf8_str().data());
        SetText(f->liftSlopeField, factor);
        EXPECT_EQ(f->liftLabel->GetLabel(), wxS("0.000"));
        EXPECT_EQ(f->inducedDragLabel->GetLabel(), wxS("0.000"));
        EXPECT_EQ(f->kFactorLabel->GetLabel(), wxS("---"));
        const std::vector<std::string> lines = Lines(FileBytes());
        ASSERT_EQ(lines.size(), 62u);
        for (size_t i = 11; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i].find("nan"), std::string::npos) << lines[i];
            EXPECT_EQ(Row(lines[i]).size(), 6u) << lines[i];
        }
    }
}

TEST_F(LltAnalysisFrameTest, DraggingTheHandlesWritesIntoTheFields) {
    LltAnalysisFrame* f = Open();
    const std::vector<wxString> defaults = Results(f);

    // Chord plot, origin (45, 55): B at x = 100 (span 8); y = 45 means 0.5 * 8 * 45 / 150.
    Drag(f->chordCanvas, wxPoint(145, 70), wxPoint(145, 100), 3);
    EXPECT_EQ(f->chordBField->GetValue(), wxS("1.20"));
    EXPECT_NE(Results(f), defaults);
    EXPECT_DOUBLE_EQ(llt::currentSolver->chordB, 1.2);

    // Twist plot, origin (45, 90): y = -30 is 1.5 degrees above the root.
    Drag(f->twistCanvas, wxPoint(145, 80), wxPoint(145, 60), 2);
    EXPECT_EQ(f->angleBField->GetValue(), wxS("1.50"));
    Drag(f->twistCanvas, wxPoint(245, 100), wxPoint(245, 130), 2);  // D at the tip, y = 40
    EXPECT_EQ(f->angleDField->GetValue(), wxS("-2.00"));
    // On the axis, y = 0: -0.05 * 0 is a negative zero, written "0.00"; the window recomputes
    // with B level with the root.
    std::filesystem::remove(DefaultFile());
    Drag(f->twistCanvas, wxPoint(145, 90), wxPoint(145, 90), 1);
    EXPECT_EQ(f->angleBField->GetValue(), wxS("0.00"));
    EXPECT_TRUE(std::filesystem::exists(DefaultFile()));
    EXPECT_DOUBLE_EQ(llt::currentSolver->twistB, llt::currentSolver->twistA);
    Drag(f->twistCanvas, wxPoint(195, 140), wxPoint(195, 140), 1);  // C, but below y = 40
    EXPECT_EQ(f->angleCField->GetValue(), wxS("-0.8"));
    Drag(f->twistCanvas, wxPoint(170, 80), wxPoint(170, 80), 1);          // between two columns
    SendMouse(f->chordCanvas, wxEVT_LEFT_DOWN, wxPoint(195, 100), true);  // no motion
    EXPECT_EQ(f->angleCField->GetValue(), wxS("-0.8"));
    EXPECT_EQ(f->chordCField->GetValue(), wxS("1.30"));

    // Moving without a button shows the plot's status text.
    SendMouse(f->chordCanvas, wxEVT_MOTION, wxPoint(20, 20), false);
    EXPECT_EQ(Status(f), wxS("Eingabe der Tiefenverteilung"));
    SendMouse(f->twistCanvas, wxEVT_MOTION, wxPoint(20, 20), false);
    EXPECT_EQ(Status(f), wxS("Eingabe der Parameter"));

    // B and C coincide when BC is 0: one drag step writes both (y = 30: 0.5 * 8 * 30 / 150).
    f->segmentBCField->ChangeValue(wxS("0"));
    f->segmentCDField->ChangeValue(wxS("50"));
    Drag(f->chordCanvas, wxPoint(145, 85), wxPoint(145, 85), 1);
    EXPECT_EQ(f->chordBField->GetValue(), wxS("0.80"));
    EXPECT_EQ(f->chordCField->GetValue(), wxS("0.80"));
}

// The handles that the press picked follow the pointer until the release, out of their column,
// into another handle's column, and back into the drag window after leaving it; a motion with a
// button held but no press on a handle moves nothing.
TEST_F(LltAnalysisFrameTest, APressHoldsItsHandlesUntilTheRelease) {
    LltAnalysisFrame* f = Open();
    const wxPoint chord(45, 55);
    const wxPoint twist(45, 90);
    const auto texts = [&] {
        return std::vector<wxString>{f->chordBField->GetValue(), f->chordCField->GetValue(),
                                     f->angleBField->GetValue(), f->angleDField->GetValue()};
    };
    struct Step {
        wxEventType type;
        wxPoint at;                         // logical pixels of the plot
        std::vector<const wchar_t*> texts;  // chord B, chord C, angle B, angle D
    };
    const struct Case {
        const char* what;
        bool chordPlot;
        std::vector<Step> steps;
    } cases[] = {
        {"chord B",
         true,
         {{wxEVT_LEFT_DOWN, {100, 30}, {L"1.70", L"1.30", L"-0.5", L"-1.5"}},
          {wxEVT_MOTION, {130, 45}, {L"1.20", L"1.30", L"-0.5", L"-1.5"}},
          {wxEVT_MOTION, {150, 60}, {L"1.60", L"1.30", L"-0.5", L"-1.5"}},
          {wxEVT_MOTION, {150, 95}, {L"1.60", L"1.30", L"-0.5", L"-1.5"}},
          {wxEVT_LEFT_UP, {10, 75}, {L"2.00", L"1.30", L"-0.5", L"-1.5"}},
          {wxEVT_MOTION, {100, 45}, {L"2.00", L"1.30", L"-0.5", L"-1.5"}}}},
        {"twist D across B's column",
         false,
         {{wxEVT_LEFT_DOWN, {200, 20}, {L"2.00", L"1.30", L"-0.5", L"-1.5"}},
          {wxEVT_MOTION, {100, -40}, {L"2.00", L"1.30", L"-0.5", L"2.00"}},
          {wxEVT_LEFT_UP, {100, -40}, {L"2.00", L"1.30", L"-0.5", L"2.00"}}}},
        {"a press beside every column",
         false,
         {{wxEVT_LEFT_DOWN, {125, -20}, {L"2.00", L"1.30", L"-0.5", L"2.00"}},
          {wxEVT_MOTION, {100, -20}, {L"2.00", L"1.30", L"-0.5", L"2.00"}},
          {wxEVT_LEFT_UP, {200, -20}, {L"2.00", L"1.30", L"-0.5", L"2.00"}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        wxWindow* plot = c.chordPlot ? static_cast<wxWindow*>(f->chordCanvas) : f->twistCanvas;
        const wxPoint origin = c.chordPlot ? chord : twist;
        for (const Step& step : c.steps) {
            SendMouse(plot, step.type, origin + step.at, step.type != wxEVT_LEFT_UP);
            EXPECT_EQ(texts(), std::vector<wxString>(step.texts.begin(), step.texts.end()))
                << step.at.x << ", " << step.at.y;
        }
    }
    // B and C share a column when BC is 0: the press picks both, and both follow.
    f->segmentBCField->ChangeValue(wxS("0"));
    f->segmentCDField->ChangeValue(wxS("50"));
    SendMouse(f->chordCanvas, wxEVT_LEFT_DOWN, chord + wxPoint(101, 40), true);
    SendMouse(f->chordCanvas, wxEVT_MOTION, chord + wxPoint(160, 15), true);
    EXPECT_EQ(f->chordBField->GetValue(), wxS("0.40"));
    EXPECT_EQ(f->chordCField->GetValue(), wxS("0.40"));
}

TEST_F(LltAnalysisFrameTest, DragsActWithinTwoPixelsOfAColumnAndInsideTheDragWindow) {
    LltAnalysisFrame* f = Open();
    // Span 8, segments 50/25/25: B, C, D at x = 100, 150, 200 (logical pixels). The chord plot
    // (origin (45, 55)) takes 0 <= y <= 90 and writes 0.5 * 8 * y / 150; the twist plot (origin
    // (45, 90)) takes -60 <= y <= 40 and writes -0.05 y.
    wxTextCtrl* const dragged[] = {f->chordBField, f->chordCField, f->chordDField,
                                   f->angleBField, f->angleCField, f->angleDField};
    struct Case {
        bool chordPlot;
        int x, y;
        wxTextCtrl* field;  // nullptr: the motion is ignored
        const wchar_t* text;
    };
    // Each case starts from the window's texts of the dragged fields.
    std::vector<wxString> start;
    for (wxTextCtrl* field : dragged) start.push_back(field->GetValue());
    auto runCases = [&](std::initializer_list<Case> cases) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message()
                         << (c.chordPlot ? "chord " : "twist ") << c.x << ", " << c.y);
            for (size_t i = 0; i < start.size(); ++i) dragged[i]->ChangeValue(start[i]);
            const std::shared_ptr<LltSolver> before = llt::currentSolver;
            const wxPoint origin = c.chordPlot ? wxPoint(45, 55) : wxPoint(45, 90);
            wxWindow* plot = c.chordPlot ? static_cast<wxWindow*>(f->chordCanvas) : f->twistCanvas;
            // A press and a motion at the same place.
            Drag(plot, origin + wxPoint(c.x, c.y), origin + wxPoint(c.x, c.y), 1);
            std::vector<wxString> expected = start;
            for (size_t i = 0; i < start.size(); ++i) {
                if (dragged[i] == c.field) expected[i] = c.text;
            }
            std::vector<wxString> texts;
            for (wxTextCtrl* field : dragged) texts.push_back(field->GetValue());
            EXPECT_EQ(texts, expected);
            // An accepted write passes the checks and recomputes; an ignored motion does not.
            EXPECT_EQ(llt::currentSolver != before, c.field != nullptr);
        }
    };
    runCases({
        // Each column two pixels either side, D's too; three pixels off, nothing.
        {true, 98, 45, f->chordBField, L"1.20"},
        {true, 102, 45, f->chordBField, L"1.20"},
        {true, 97, 45, nullptr, L""},
        {true, 103, 45, nullptr, L""},
        {true, 152, 30, f->chordCField, L"0.80"},
        {true, 147, 30, nullptr, L""},
        {true, 198, 30, f->chordDField, L"0.80"},
        {true, 202, 30, f->chordDField, L"0.80"},
        {true, 197, 30, nullptr, L""},
        {true, 203, 30, nullptr, L""},
        // The edges of the chord plot's drag window are included; beyond them, nothing.
        {true, 100, 0, f->chordBField, L"0.00"},
        {true, 100, 90, f->chordBField, L"2.40"},
        {true, 100, -1, nullptr, L""},
        {true, 100, 91, nullptr, L""},
        // The twist plot: the same columns, its own window.
        {false, 98, -30, f->angleBField, L"1.50"},
        {false, 102, -30, f->angleBField, L"1.50"},
        {false, 97, -30, nullptr, L""},
        {false, 103, -30, nullptr, L""},
        {false, 198, 20, f->angleDField, L"-1.00"},
        {false, 202, 20, f->angleDField, L"-1.00"},
        {false, 203, 20, nullptr, L""},
        {false, 150, -60, f->angleCField, L"3.00"},
        {false, 150, 40, f->angleCField, L"-2.00"},
        {false, 150, -61, nullptr, L""},
        {false, 150, 41, nullptr, L""},
    });

    // A column between two pixels, AB 33.3: B at x = 66.6, so 64.6 <= x <= 68.6.
    f->segmentABField->ChangeValue(wxS("33.3"));
    f->segmentBCField->ChangeValue(wxS("33.3"));
    f->segmentCDField->ChangeValue(wxS("33.4"));
    runCases({
        {true, 65, 45, f->chordBField, L"1.20"},
        {true, 68, 45, f->chordBField, L"1.20"},
        {true, 64, 45, nullptr, L""},
        {true, 69, 45, nullptr, L""},
        {false, 65, -10, f->angleBField, L"0.50"},
        {false, 69, -10, nullptr, L""},
    });
}

TEST_F(LltAnalysisFrameTest, CorrectionsAndRejectedInputsNeverReachTheFile) {
    LltAnalysisFrame* f = Open();

    // Case 7: CD becomes 5.00 and the nested pass recomputes with 70, 25, 5.
    SetText(f->segmentABField, wxS("70"));
    EXPECT_EQ(f->segmentCDField->GetValue(), wxS("5.00"));
    EXPECT_DOUBLE_EQ(llt::currentSolver->chordSegment3, 0.05);
    const std::string accepted = FileBytes();
    const std::vector<wxString> results = Results(f);

    // An unchecked field changed quietly: a recomputation from the fields would now differ.
    f->liftSlopeField->ChangeValue(wxS("2"));
    const WhileOpen seen = RepaintWhileBoxOpen(f, [&] { SetText(f->spanField, wxS("12.55")); });
    EXPECT_EQ(seen.file, accepted);
    EXPECT_EQ(seen.results, results);

    // After OK the reset "10.0" is a change whose pass recomputes: the file holds span 10.
    EXPECT_EQ(f->spanField->GetValue(), wxS("10.0"));
    std::vector<std::string> lines = Lines(FileBytes());
    ASSERT_EQ(lines.size(), 62u);
    EXPECT_NEAR(Row(lines[11])[1], 5.0 * std::cos(LltPi / 102.0), 1e-6);
    EXPECT_DOUBLE_EQ(llt::currentSolver->liftSlopeFactor, 2.0);

    // A text that failed its check, left in a field: repaints draw but write nothing.
    const std::string tenMetres = FileBytes();
    f->spanField->ChangeValue(wxS("0"));
    Repaint(f);
    EXPECT_EQ(FileBytes(), tenMetres);
    // Once the fields pass again, a repaint alone recomputes and rewrites.
    f->spanField->ChangeValue(wxS("10.0"));
    f->liftSlopeField->ChangeValue(wxS("1"));
    Repaint(f);
    EXPECT_NE(FileBytes(), tenMetres);
    EXPECT_DOUBLE_EQ(llt::currentSolver->liftSlopeFactor, 1.0);
}

TEST_F(LltAnalysisFrameTest, ChosenFileTakesEffectAtTheNextRecomputation) {
    LltAnalysisFrame* f = Open();
    const std::string chosen = dir().file("eigene Werte.dat");
    ExpectChosenFileAtTheNextRecomputation(
        f, chosen, [&] { SetText(f->chordCField, wxS("1.20")); }, 62);

    // Cancelling the dialog keeps the name.
    wxTEST_DIALOG(Click(f->chooseFileButton),
                  ExpectFile(wxString::FromUTF8(dir().file("anders.dat")), wxID_CANCEL));
    EXPECT_EQ(f->fileNameLabel->GetLabelText(), wxString::FromUTF8(chosen));
}

TEST_F(LltAnalysisFrameTest, InfoBoxAndItsStatusTexts) {
    LltAnalysisFrame* f = Open();
    const ShownBox seen =
        ExpectInfoBox(f, wxS("Info Nachrechenaufgabe"), wxS("INFO: Nachrechenaufgabe"));
    EXPECT_TRUE(seen.message.StartsWith(
        wxS("Durch Ziehen und Verschieben der grauen bzw. blauen Kästchen \nper Maus, bzw. durch "
            "alfanumerische Eingabe über die Tastatur,\nwerden die Flügelgeometrie oder "
            "Anstellwinkelverteilung einge-\ngeben.\n\nAls Ausgabe entstehen somit die "
            "Verteilungen der Zirkulation\nund des lokalen Auftriebsbeiwertes.")));
    EXPECT_TRUE(seen.message.EndsWith(wxS("All diese werden auch in die Datei geschrieben.\n\n")));
}

// A handle whose value lies beyond the rows its plot shows is drawn at their edge, and a press
// on that mark picks it: a motion then sets the value at the pointer. Span 8: chords at 150
// pixels for b/2 = 4 m below the chord plot's axis (rows 0 to 90), angles at 20 pixels per
// degree above the twist plot's (rows -60 to 40).
TEST_F(LltAnalysisFrameTest, HandlesBeyondThePlotArePickedAtItsEdge) {
    LltAnalysisFrame* f = Open();
    const wxPoint chord(45, 55);
    const wxPoint twist(45, 90);
    const struct {
        const char* name;
        wxTextCtrl* field;
        const char* value;
        wxWindow* canvas;
        wxPoint mark;  // where the mark is drawn, on the canvas
        int toY;       // the motion's row, on the plot
        const char* written;
    } cases[] = {
        {"chord B of 50 m", f->chordBField, "50", f->chordCanvas, chord + wxPoint(100, 90), 60,
         "1.60"},
        {"angle D of -3.5", f->angleDField, "-3.5", f->twistCanvas, twist + wxPoint(200, 40), 30,
         "-1.50"},
        {"angle B of 20", f->angleBField, "20", f->twistCanvas, twist + wxPoint(100, -60), -50,
         "2.50"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        wxTextCtrl* field = c.field;
        SetText(field, wxString::FromUTF8(c.value));
        ASSERT_EQ(field->GetValue(), wxString::FromUTF8(c.value));
        wxWindow* canvas = c.canvas;
        const wxPoint origin = canvas == f->chordCanvas ? chord : twist;
        Drag(canvas, c.mark, wxPoint(c.mark.x, origin.y + c.toY), 1);
        EXPECT_EQ(field->GetValue(), wxString::FromUTF8(c.written));
    }
}

// Pictures for the screenshot tour.
class ScreenLltAnalysis : public LltAnalysisFrameTest {};

TEST_F(ScreenLltAnalysis, AnalysisWindow) {
    LltAnalysisFrame* f = Open();
    method_->Hide();
    const wxImage shot = CaptureFrame(f);
    ASSERT_TRUE(shot.IsOk());
    SaveTourShot(f, "llt_analysis");
    // The plots are on screen: the grey handle of B in the chord plot, (45 + 100, 55 + 63).
    const wxPoint handle = InShot(f, f->chordCanvas, wxPoint(45 + 100, 55 + 61));
    EXPECT_EQ(shot.GetRed(handle.x, handle.y), 128);
    EXPECT_EQ(shot.GetBlue(handle.x, handle.y), 128);

    // A wing at a negative angle of attack: its circulation and lift below the axis.
    SetText(f->rootAngleField, wxS("-6"));
    ASSERT_TRUE(llt::currentSolver);
    EXPECT_LT(llt::currentSolver->clSolved, 0.0);
    SaveTourShot(f, "llt_analysis_negative_lift");
}

}  // namespace
