// The analysis window of the extended lifting-line method: opening it from the method window,
// its first painting and circulation file, the checks of its fields, the one computation per
// change, and the drags on its two input plots.

#include <wx/app.h>
#include <wx/statbox.h>
#include <wx/statusbr.h>
#include <wx/uiaction.h>
#include <wx/weakref.h>

#include <cmath>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "app/MainFrame.h"
#include "common/core/NumberText.h"
#include "etl/gui/EtlAnalysisFrame.h"
#include "etl/gui/EtlMethodFrame.h"
#include "etl/gui/EtlModule.h"
#include "tests/support/GuiHarness.h"
#include "tests/support/InfoBox.h"

namespace {

using namespace luvo::test;
using In = EtlInput;

constexpr double kPi = 3.14159265358979323846;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The data rows of a circulation file: station, chord, twist, gamma, ca.
std::vector<std::vector<double>> DataRows(const std::string& text) {
    std::vector<std::vector<double>> rows;
    for (const std::string& line : Lines(text)) {
        if (line.empty() || !std::isdigit(static_cast<unsigned char>(line[0]))) continue;
        std::istringstream words(line);
        std::vector<double> row;
        for (double v; words >> v;) row.push_back(v);
        rows.push_back(row);
    }
    return rows;
}

std::string Utf8(const wxString& s) { return std::string(s.utf8_str()); }

wxWindow* FindFirstLabelStartingWith(wxWindow* root, const wxString& start) {
    for (wxWindow* child : root->GetChildren()) {
        if (child->GetLabel().StartsWith(start)) return child;
    }
    return nullptr;
}

class EtlAnalysisFrameTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        etl::EtlCurrentSolver.reset();
        etl::EtlAnalysisFileName.clear();
    }
    void TearDown() override {
        GuiTest::TearDown();
        etl::EtlCurrentSolver.reset();
    }

    static EtlMethodFrame* OpenMethod() {
        auto* method = dynamic_cast<EtlMethodFrame*>(OpenMethodWindow(3));
        EXPECT_NE(method, nullptr);
        return method;
    }

    // "&OK" on the analysis task; waits for the first painting when the window is new.
    EtlAnalysisFrame* OpenAnalysis(EtlMethodFrame* method) {
        // A file left by an earlier window must not pass for the new window's first painting.
        if (!etl::EtlAnalysisOpen()) std::filesystem::remove(File());
        SelectRadio(method->taskRadio, 1);
        Click(method->okButton);
        EXPECT_TRUE(etl::EtlAnalysisOpen());
        EXPECT_TRUE(WaitFor([&] { return std::filesystem::exists(File()); })) << "not painted";
        Pump(100);
        return etl::EtlAnalysisWindow.get();
    }
    EtlAnalysisFrame* OpenAnalysis() { return OpenAnalysis(OpenMethod()); }

    std::string File() const { return dir().file("GammaUndCa.dat"); }
    std::string FileBytes() const { return ReadFileBytes(File()); }
    static wxString Status(wxFrame* f) { return f->GetStatusBar()->GetStatusText(0); }

    static void Repaint(wxWindow* w) {
        w->Refresh();
        w->Update();
    }

    static std::vector<wxString> Results(EtlAnalysisFrame* f) {
        std::vector<wxString> out;
        for (wxStaticText* t : f->sweepLabels) out.push_back(t->GetLabel());
        for (wxStaticText* t : f->resultLabels) out.push_back(t->GetLabel());
        return out;
    }
};

TEST_F(EtlAnalysisFrameTest, MethodWindowOpensOneAnalysisWindow) {
    EtlMethodFrame* method = OpenMethod();
    EtlAnalysisFrame* f = OpenAnalysis(method);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->GetTitle(),
              wxS("Nachrechenaufgabe - Eingabe der Tiefen- und Schränkungsverteilung"));
    EXPECT_EQ(f->GetSize(), wxSize(860, 680));
    EXPECT_EQ(Status(f), wxS("Eingabe geometrischer Daten"));

    // A second "&OK", also from another method window, shows the same window.
    Click(method->okButton);
    EXPECT_EQ(etl::EtlAnalysisWindow.get(), f);
    EtlMethodFrame* second = OpenMethod();
    SelectRadio(second->taskRadio, 1);
    Click(second->okButton);
    EXPECT_EQ(etl::EtlAnalysisWindow.get(), f);
    int windows = 0;
    for (wxFrame* frame : OpenFrames())
        windows += dynamic_cast<EtlAnalysisFrame*>(frame) != nullptr;
    EXPECT_EQ(windows, 1);

    wxString statusWhileOpen;
    const ShownBox info = ShowInfoBox(f, &statusWhileOpen);
    EXPECT_EQ(statusWhileOpen, wxS("Info"));
    EXPECT_EQ(info.caption, wxS("Info Nachrechenaufgabe"));
    EXPECT_TRUE(info.HasIcon(wxICON_INFORMATION));
    EXPECT_TRUE(info.message.EndsWith(wxS("in den Feldern auf der rechten Seite.\n")));
    EXPECT_EQ(Status(f), wxS("INFO: Nachrechenaufgabe"));

    // After closing, "&OK" builds a fresh window with the initial texts.
    f->spanField->SetValue(wxS("12"));
    wxWeakRef<wxFrame> weak(f);
    Click(f->cancelButton);
    EXPECT_FALSE(etl::EtlAnalysisOpen());
    wxTheApp->ProcessIdle();
    EXPECT_FALSE(weak);
    std::filesystem::remove(File());
    EtlAnalysisFrame* fresh = OpenAnalysis(second);
    ASSERT_NE(fresh, nullptr);
    const std::vector<std::pair<wxTextCtrl*, const char*>> initial = {
        {fresh->spanField, "10"},       {fresh->sideslipField, "0.0"},
        {fresh->liftSlopeField, "1"},   {fresh->sweepABField, "15.0"},
        {fresh->sweepBCField, "15.0"},  {fresh->sweepCDField, "15.0"},
        {fresh->lengthABField, "50.0"}, {fresh->lengthBCField, "40.0"},
        {fresh->lengthCDField, "10.0"}, {fresh->chordAField, "2.00"},
        {fresh->chordBField, "2.00"},   {fresh->chordCField, "2.00"},
        {fresh->chordDField, "2.00"},   {fresh->angleAField, "10.00"},
        {fresh->angleBField, "0.00"},   {fresh->angleCField, "0.00"},
        {fresh->angleDField, "0.00"}};
    for (const auto& [field, text] : initial) EXPECT_EQ(Utf8(field->GetValue()), text);
    EXPECT_EQ(fresh->fileNameLabel->GetLabel(), wxS(" GammaUndCa.dat "));
}

// The constructor computes nothing; the first painting solves the initial wing (b = 10 m, all
// chords 2 m, 10 degrees everywhere), shows its results and writes the file.
TEST_F(EtlAnalysisFrameTest, FirstPaintingWritesTheFileAndTheResults) {
    auto* f = new EtlAnalysisFrame(
        wxS("Nachrechenaufgabe - Eingabe der Tiefen- und Schränkungsverteilung"), wxDefaultPosition,
        wxSize(860, 680));
    etl::EtlAnalysisWindow = f;
    Pump(100);
    EXPECT_FALSE(std::filesystem::exists(File()));
    EXPECT_FALSE(etl::EtlCurrentSolver);
    EXPECT_EQ(f->resultLabels[0]->GetLabel(), wxS("3"));
    EXPECT_EQ(f->sweepLabels[0]->GetLabel(), wxS("16.0"));

    f->Show(true);
    ASSERT_TRUE(WaitFor([&] { return std::filesystem::exists(File()); }));
    EXPECT_EQ(etl::EtlAnalysisFileName, wxS("GammaUndCa.dat"));
    const std::vector<std::string> lines = Lines(FileBytes());
    ASSERT_EQ(lines.size(), 61u);
    EXPECT_EQ(lines[2], "#S      = 20");
    const auto rows = DataRows(FileBytes());
    ASSERT_EQ(rows.size(), 51u);
    for (const auto& row : rows) {
        ASSERT_EQ(row.size(), 5u);
        EXPECT_EQ(row[1], 2.0);
        EXPECT_EQ(row[2], 10.0);
    }
    // S = b c, Lambda = b / c; with equal chords the quarter-chord line is parallel to the
    // leading edge.
    const std::vector<wxString> results = Results(f);
    EXPECT_EQ(results[0], wxS("15.0"));
    EXPECT_EQ(results[1], wxS("15.0"));
    EXPECT_EQ(results[2], wxS("15.0"));
    EXPECT_EQ(results[3], wxS("20.000"));
    EXPECT_EQ(results[4], wxS("2.000"));
    EXPECT_EQ(results[5], wxS("5.000"));
    ASSERT_TRUE(etl::EtlCurrentSolver);
    EXPECT_EQ(etl::EtlCurrentSolver, f->Record());
    EXPECT_EQ(results[6], wxString::FromUTF8(
                              luvo::FormatNumber("%.3f", etl::EtlCurrentSolver->liftCoefficient)));
}

TEST_F(EtlAnalysisFrameTest, RelativeAnglesAndSideslipReachTheRecordAsTyped) {
    EtlAnalysisFrame* f = OpenAnalysis();
    SetText(f->angleAField, wxS("2"));
    SetText(f->angleBField, wxS("1"));
    SetText(f->angleCField, wxS("2"));
    SetText(f->angleDField, wxS("3"));
    SetText(f->sideslipField, wxS("-5"));
    ASSERT_TRUE(etl::EtlCurrentSolver);
    const EtlSolver& s = *etl::EtlCurrentSolver;
    EXPECT_EQ(s.sectionTwist[0], 2.0);
    EXPECT_EQ(s.sectionTwist[1], 3.0);
    EXPECT_EQ(s.sectionTwist[2], 4.0);
    EXPECT_EQ(s.sectionTwist[3], 5.0);
    EXPECT_NEAR(s.sideslip, -5.0 * kPi / 180.0, 1e-15);
    EXPECT_EQ(DataRows(FileBytes()).back()[2], 2.0);  // the root row
}

// A piece with no leading-edge sweep between equal chords has a quarter-chord sweep of -atan(0),
// a negative zero: it shows as "0.0". A negative sweep keeps its sign.
TEST_F(EtlAnalysisFrameTest, UnsweptPiecesShowASweepOfZeroWithoutSign) {
    EtlAnalysisFrame* f = OpenAnalysis();
    for (EtlAnalysisField* sweep : {f->sweepABField, f->sweepBCField, f->sweepCDField}) {
        SetText(sweep, wxS("0"));
    }
    for (wxStaticText* label : f->sweepLabels) EXPECT_EQ(label->GetLabel(), wxS("0.0"));

    // D half as deep as C over CD = 10 % of b/2 = 0.5 m: the quarter-chord line runs forward.
    SetText(f->chordDField, wxS("1"));
    const double expected = -std::atan((2.0 / 4 - 1.0 / 4) / 0.5) * 180.0 / kPi;
    EXPECT_EQ(f->sweepLabels[2]->GetLabel(),
              wxString::FromUTF8(luvo::FormatNumber("%.1f", expected)));
    EXPECT_EQ(f->sweepLabels[1]->GetLabel(), wxS("0.0"));
}

// Every checked input through its field: the range and the length violation each show their
// box on the field with the rule's caption and message, and the field takes the reset text.
TEST_F(EtlAnalysisFrameTest, EachInputsViolationsShowTheirBoxAndReset) {
    EtlAnalysisFrame* f = OpenAnalysis();
    struct Case {
        In input;
        const char* outOfRange;
        // The text after the reset and its nested pass (CD's reset "25.0" is corrected by the
        // lengths' sum rule).
        const char* rangeReset;
        const char* tooLong;
        const char* lengthReset;
    };
    const Case cases[] = {
        {In::Span, "0", "10.0", "12.55", "10.0"},
        {In::SweepAB, "46", "0.0", "-12.55", "0.0"},
        {In::Sideslip, "31", "0.0", "-12.55", "0.0"},
        {In::SweepBC, "-46", "0.0", "12.555", "0.0"},
        {In::SweepCD, "45.5", "0.0", "12.555", "0.0"},
        {In::LengthAB, "0", "50.0", "50.000", "50"},
        {In::LengthBC, "101", "25.0", "40.000", "25.0"},
        {In::LengthCD, "100", "10.00", "10.000", "10.00"},
        {In::ChordA, "0", "2.0", "1.255", "2.0"},
        {In::ChordB, "51", "2.0", "12.50", "2.0"},
        {In::ChordC, "-1", "2.0", "1.255", "2.0"},
        {In::ChordD, "0", "2.0", "0.555", "2.0"},
        {In::AngleA, "16", "10.0", "1.2555", "10.0"},
        {In::AngleB, "11", "-2.0", "1.2555", "-2.0"},
        {In::AngleC, "-11", "-2.0", "-1.255", "-2.0"},
        {In::AngleD, "10.5", "-4.0", "1.2555", "-4.0"},
    };
    for (const Case& c : cases) {
        wxTextCtrl* field = f->Field(c.input);
        const luvo::InputRule& rule = EtlRuleFor(c.input);
        for (bool range : {true, false}) {
            SCOPED_TRACE(std::string(rule.rangeCaption) + (range ? " range" : " length"));
            const wxString before = field->GetValue();
            BoxRecorder boxes;
            SetText(field, wxString::FromUTF8(range ? c.outOfRange : c.tooLong));
            ASSERT_EQ(boxes.boxes().size(), 1u);
            EXPECT_EQ(Utf8(boxes.boxes()[0].caption),
                      range ? rule.rangeCaption : rule.lengthCaption);
            EXPECT_EQ(Utf8(boxes.boxes()[0].message),
                      range ? rule.rangeMessage : rule.lengthMessage);
            EXPECT_TRUE(boxes.boxes()[0].HasIcon(wxICON_ERROR));
            EXPECT_EQ(Utf8(field->GetValue()), range ? c.rangeReset : c.lengthReset);
            // Put the initial text back for the next case.
            if (field->GetValue() != before) SetText(field, before);
        }
    }
    // The sideslip's ends and any lift-slope text pass without a box.
    BoxRecorder boxes;
    SetText(f->sideslipField, wxS("-30"));
    SetText(f->sideslipField, wxS("30"));
    EXPECT_EQ(etl::EtlCurrentSolver->sideslip, 30.0 * kPi / 180.0);
    const std::shared_ptr<EtlSolver> before = etl::EtlCurrentSolver;
    SetText(f->liftSlopeField, wxS(""));
    EXPECT_NE(etl::EtlCurrentSolver, before);
    // f = 0: a wing without lift, whose k-factor 0/0 shows as "---".
    EXPECT_EQ(f->resultLabels[3]->GetLabel(), wxS("0.000"));
    EXPECT_EQ(f->resultLabels[5]->GetLabel(), wxS("---"));
    EXPECT_TRUE(boxes.boxes().empty());
}

// The first four checks go on after a violation, and every reset runs a nested pass: a span of
// 0 with phi_VK1 holding 99 shows the span box, then phi_VK1's from the nested pass and again from
// the outer one.
TEST_F(EtlAnalysisFrameTest, ViolationsOfTheFirstFourChecksAreAllReported) {
    EtlAnalysisFrame* f = OpenAnalysis();
    f->sweepABField->ChangeValue(wxS("99"));
    BoxRecorder boxes;
    SetText(f->spanField, wxS("0"));
    std::vector<std::string> captions;
    for (const ShownBox& b : boxes.boxes()) captions.push_back(Utf8(b.caption));
    EXPECT_EQ(captions,
              (std::vector<std::string>{"Eingabe der Spannweite", "Eingabe des Pfeilwinkels",
                                        "Eingabe des Pfeilwinkels"}));
    EXPECT_EQ(f->spanField->GetValue(), wxS("10.0"));
    EXPECT_EQ(f->sweepABField->GetValue(), wxS("0.0"));
    EXPECT_EQ(etl::EtlCurrentSolver->trapezoidLeadingEdgeSweep[1], 0.0);
}

// The lengths' sum rule on the window: the lengths are put in without a pass, the last one is
// typed.
TEST_F(EtlAnalysisFrameTest, LengthSumRule) {
    struct Case {
        const char *ab, *bc, *cd;
        bool box;
        const char *abAfter, *bcAfter, *cdAfter;
        const char *chordDAfter, *angleDAfter, *chordCAfter, *angleCAfter;
    };
    // Chord and angle at B are 1.50 and 1.00, at C 1.20 and 0.50 before each case.
    const Case cases[] = {
        {"50", "40", "20", false, "50", "40", "10.00", "2.00", "0.00", "1.20", "0.50"},
        {"60", "50", "10", false, "60", "40.0", "0.0", "1.2", "0.5", "1.20", "0.50"},
        {"100", "20", "0", false, "100", "0.0", "0.0", "1.5", "1.0", "1.5", "1.0"},
        {"100", "0", "10", true, "100", "0", "10", "2.00", "0.00", "1.20", "0.50"},
        {"60", "0", "0", true, "60", "0", "0", "2.00", "0.00", "1.20", "0.50"},
        {"50", "0", "10", false, "50", "50.0", "0.0", "1.2", "0.5", "1.20", "0.50"},
        {"33.3", "33.3", "33.4", false, "33.3", "33.3", "33.4", "2.00", "0.00", "1.20", "0.50"},
        {"7.9", "92.1", "0", false, "7.9", "92.1", "0", "2.00", "0.00", "1.20", "0.50"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.ab) + "/" + c.bc + "/" + c.cd);
        EtlAnalysisFrame* f = OpenAnalysis();
        for (auto [field, text] : {std::pair{f->chordBField, "1.50"},
                                   {f->angleBField, "1.00"},
                                   {f->chordCField, "1.20"},
                                   {f->angleCField, "0.50"}}) {
            SetText(field, wxString::FromUTF8(text));
        }
        const std::shared_ptr<EtlSolver> before = etl::EtlCurrentSolver;
        const std::string fileBefore = FileBytes();
        f->lengthABField->ChangeValue(wxString::FromUTF8(c.ab));
        f->lengthBCField->ChangeValue(wxString::FromUTF8(c.bc));
        BoxRecorder boxes;
        SetText(f->lengthCDField, wxString::FromUTF8(c.cd));
        EXPECT_EQ(Utf8(f->lengthABField->GetValue()), c.abAfter);
        EXPECT_EQ(Utf8(f->lengthBCField->GetValue()), c.bcAfter);
        EXPECT_EQ(Utf8(f->lengthCDField->GetValue()), c.cdAfter);
        EXPECT_EQ(Utf8(f->chordDField->GetValue()), c.chordDAfter);
        EXPECT_EQ(Utf8(f->angleDField->GetValue()), c.angleDAfter);
        EXPECT_EQ(Utf8(f->chordCField->GetValue()), c.chordCAfter);
        EXPECT_EQ(Utf8(f->angleCField->GetValue()), c.angleCAfter);
        if (c.box) {
            ASSERT_EQ(boxes.boxes().size(), 1u);
            EXPECT_EQ(boxes.boxes()[0].caption, wxS("Die Eingaben sind nicht korrekt!"));
            EXPECT_EQ(Utf8(boxes.boxes()[0].message),
                      "Der Wert der Gesamtlänge aller Trapeze liegt in einem unzulässigen "
                      "Bereich:\n\nDie Länge der Trapeze muss in der Summe 100 sein. \n");
            EXPECT_EQ(etl::EtlCurrentSolver, before);
            EXPECT_EQ(FileBytes(), fileBefore);
        } else {
            EXPECT_TRUE(boxes.boxes().empty());
            // The record's trapezoids are the lengths the fields hold now (for 50/40/20 those of
            // the record before, which stays).
            ASSERT_TRUE(etl::EtlCurrentSolver);
            const double ab = luvo::ParseLeadingNumber(c.abAfter) / 100.0;
            const double bc = luvo::ParseLeadingNumber(c.bcAfter) / 100.0;
            const double cd = luvo::ParseLeadingNumber(c.cdAfter) / 100.0;
            EXPECT_NEAR(etl::EtlCurrentSolver->sectionLength[1], ab, 1e-12);
            EXPECT_NEAR(etl::EtlCurrentSolver->sectionLength[2], bc, 1e-12);
            EXPECT_NEAR(etl::EtlCurrentSolver->sectionLength[3], cd, 1e-12);
        }
        f->Destroy();
        wxTheApp->ProcessIdle();
    }
}

// 100 into AB with the initial BC 40 and CD 10: the correction writes BC, CD and the sections at
// C and D, and only then are the lengths checked, on 100, 0, 0; the half-way 100, 0, 10 shows
// no box.
TEST_F(EtlAnalysisFrameTest, ACorrectionIsCheckedOnItsFinalLengths) {
    EtlAnalysisFrame* f = OpenAnalysis();
    SetText(f->chordBField, wxS("1.50"));
    SetText(f->angleBField, wxS("1.00"));
    BoxRecorder boxes;
    SetText(f->lengthABField, wxS("100"));
    for (const ShownBox& b : boxes.boxes()) ADD_FAILURE() << b.message.utf8_str();
    const std::vector<std::string> after = {
        Utf8(f->lengthABField->GetValue()), Utf8(f->lengthBCField->GetValue()),
        Utf8(f->lengthCDField->GetValue()), Utf8(f->chordCField->GetValue()),
        Utf8(f->chordDField->GetValue()),   Utf8(f->angleCField->GetValue()),
        Utf8(f->angleDField->GetValue())};
    EXPECT_EQ(after, (std::vector<std::string>{"100", "0.0", "0.0", "1.5", "1.5", "1.0", "1.0"}));
    ASSERT_TRUE(etl::EtlCurrentSolver);
    EXPECT_NEAR(etl::EtlCurrentSolver->sectionLength[1], 1.0, 1e-12);
    EXPECT_NEAR(etl::EtlCurrentSolver->sectionLength[2], 0.0, 1e-12);
    EXPECT_NEAR(etl::EtlCurrentSolver->sectionLength[3], 0.0, 1e-12);
}

// AB = 33.33 with AB + BC above 100: the correction writes BC "66.7", whose sum still misses
// 100; the chain ends with one box, no computation and the file as it was.
TEST_F(EtlAnalysisFrameTest, LengthCorrectionThatCannotSettle) {
    EtlAnalysisFrame* f = OpenAnalysis();
    const std::shared_ptr<EtlSolver> before = etl::EtlCurrentSolver;
    const std::string fileBefore = FileBytes();
    f->lengthABField->ChangeValue(wxS("33.33"));
    BoxRecorder boxes;
    SetText(f->lengthBCField, wxS("70"));
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].caption, wxS("Die Eingaben sind nicht korrekt!"));
    EXPECT_EQ(etl::EtlCurrentSolver, before);
    EXPECT_EQ(FileBytes(), fileBefore);
    // A repaint with the failed text draws the last record and writes nothing.
    std::filesystem::remove(File());
    Repaint(f->circulationCanvas);
    Pump(100);
    EXPECT_FALSE(std::filesystem::exists(File()));
    EXPECT_EQ(etl::EtlCurrentSolver, before);
}

// While a check's box is open, repaints leave the file as the last accepted change wrote it.
TEST_F(EtlAnalysisFrameTest, RepaintsWhileABoxIsOpenKeepTheLastAcceptedFile) {
    EtlAnalysisFrame* f = OpenAnalysis();
    SetText(f->spanField, wxS("12"));
    const std::string span12 = FileBytes();
    EXPECT_EQ(Lines(span12)[2], "#S      = 24");
    ShownBox seen;
    std::string fileWhileOpen;
    std::vector<wxString> resultsWhileOpen;
    wxTEST_DIALOG(SetText(f->spanField, wxS("0")), ExpectBox(&seen, [&] {
                      Repaint(f);
                      Repaint(f->chordCanvas);
                      Pump(100);
                      fileWhileOpen = FileBytes();
                      resultsWhileOpen = Results(f);
                  }));
    EXPECT_EQ(seen.caption, wxS("Eingabe der Spannweite"));
    EXPECT_EQ(fileWhileOpen, span12);
    EXPECT_EQ(resultsWhileOpen[3], wxS("24.000"));
    EXPECT_EQ(f->spanField->GetValue(), wxS("10.0"));
    EXPECT_EQ(Lines(FileBytes())[2], "#S      = 20");
}

// A repaint draws the window's record and rewrites the file without solving; another file chosen
// in the dialog is written by the next paint; a change frees the record it replaces.
TEST_F(EtlAnalysisFrameTest, RepaintRewritesTheFileWithoutSolving) {
    EtlAnalysisFrame* f = OpenAnalysis();
    std::shared_ptr<EtlSolver> shown = etl::EtlCurrentSolver;
    const std::string bytes = FileBytes();
    std::filesystem::remove(File());
    Repaint(f->twistCanvas);
    ASSERT_TRUE(WaitFor([&] { return std::filesystem::exists(File()); }));
    EXPECT_EQ(FileBytes(), bytes);
    EXPECT_EQ(etl::EtlCurrentSolver, shown);

    const std::string chosen = dir().file("andere.dat");
    wxTEST_DIALOG(Click(f->chooseFileButton), ExpectFile(wxString::FromUTF8(chosen)));
    EXPECT_EQ(f->fileNameLabel->GetLabelText(), wxString::FromUTF8(chosen));
    std::filesystem::remove(File());
    Repaint(f->circulationCanvas);
    ASSERT_TRUE(WaitFor([&] { return std::filesystem::exists(chosen); }));
    EXPECT_FALSE(std::filesystem::exists(File()));
    EXPECT_EQ(ReadFileBytes(chosen), bytes);
    EXPECT_EQ(etl::EtlAnalysisFileName, wxString::FromUTF8(chosen));

    const std::weak_ptr<EtlSolver> old = etl::EtlCurrentSolver;
    shown.reset();
    SetText(f->chordAField, wxS("3"));
    EXPECT_TRUE(old.expired());
    EXPECT_EQ(DataRows(ReadFileBytes(chosen)).back()[1], 3.0);
}

// Drags with the initial inputs (b = 10, lengths 50/40/10, sweeps 15 degrees, chords 2): the
// handles' columns are x = 100, 180 and 200; with equal chords the quarter-chord sweep is the
// leading-edge sweep, so the trailing edge of B, C, D lies o = 200 * (fraction of b/2) * tan 15
// below the root's, and a pointer at y sets the chord (b/2) (y - o) / 150.
TEST_F(EtlAnalysisFrameTest, ChordDragsWriteTheChordUnderThePointer) {
    const wxPoint origin(50, 55);
    const double t = std::tan(15.0 * kPi / 180.0);
    struct Case {
        int x, y;
        double fraction;  // of b/2 up to the handle, -1 for no handle
        int field;        // 0 B, 1 C, 2 D
    };
    const Case cases[] = {
        {100, 60, 0.5, 0}, {101, 80, 0.5, 0}, {98, 30, 0.5, 0}, {180, 70, 0.9, 1},
        {200, 70, 1.0, 2}, {100, 81, -1, 0},  {100, 26, -1, 0}, {150, 60, -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + ", " + std::to_string(c.y));
        EtlAnalysisFrame* f = OpenAnalysis();
        wxTextCtrl* chords[3] = {f->chordBField, f->chordCField, f->chordDField};
        SendMouse(f->chordCanvas, wxEVT_LEFT_DOWN, origin + wxPoint(c.x, c.y), true);
        SendMouse(f->chordCanvas, wxEVT_MOTION, origin + wxPoint(c.x, c.y), true);
        for (int k = 0; k < 3; ++k) {
            std::string expected = "2.00";
            if (c.fraction >= 0 && k == c.field) {
                const double o = 200.0 * c.fraction * t;
                expected = luvo::FormatNumber("%2.2f", 5.0 * (c.y - o) / 150.0);
            }
            EXPECT_EQ(Utf8(chords[k]->GetValue()), expected) << k;
        }
        SendMouse(f->chordCanvas, wxEVT_LEFT_UP, origin + wxPoint(c.x, c.y), false);
        f->Destroy();
        wxTheApp->ProcessIdle();
    }
}

TEST_F(EtlAnalysisFrameTest, TwistDragsWriteTheRelativeAngle) {
    const wxPoint origin(45, 90);
    EtlAnalysisFrame* f = OpenAnalysis();
    struct Case {
        int y;
        const char* angleB;
    };
    for (const Case& c : {Case{-60, "3.00"}, Case{40, "-2.00"}, Case{-61, "-2.00"},
                          Case{41, "-2.00"}, Case{-17, "0.85"}}) {
        SCOPED_TRACE(c.y);
        // A press and a motion at the same place.
        Drag(f->twistCanvas, origin + wxPoint(100, c.y), origin + wxPoint(100, c.y), 1);
        EXPECT_EQ(Utf8(f->angleBField->GetValue()), c.angleB);
        EXPECT_EQ(f->angleCField->GetValue(), wxS("0.00"));
        EXPECT_EQ(f->angleDField->GetValue(), wxS("0.00"));
    }
    EXPECT_DOUBLE_EQ(etl::EtlCurrentSolver->sectionTwist[1], 10.85);

    // With BC = 0 the handles of B and C share a column and move together.
    f->lengthBCField->ChangeValue(wxS("0"));
    SetText(f->lengthCDField, wxS("50"));
    Drag(f->twistCanvas, origin + wxPoint(100, -20), origin + wxPoint(100, -20), 1);
    EXPECT_EQ(f->angleBField->GetValue(), wxS("1.00"));
    EXPECT_EQ(f->angleCField->GetValue(), wxS("1.00"));
    EXPECT_EQ(f->angleDField->GetValue(), wxS("0.00"));

    // Motion without a button names the plot's input; a click alone changes nothing.
    SendMouse(f->chordCanvas, wxEVT_MOTION, wxPoint(5, 5), false);
    EXPECT_EQ(Status(f), wxS("Eingabe der Tiefenverteilung"));
    SendMouse(f->twistCanvas, wxEVT_MOTION, wxPoint(5, 5), false);
    EXPECT_EQ(Status(f), wxS("Eingabe der Parameter"));
    SendMouse(f->twistCanvas, wxEVT_LEFT_DOWN, origin + wxPoint(100, 30), true);
    SendMouse(f->twistCanvas, wxEVT_LEFT_UP, origin + wxPoint(100, 30), false);
    EXPECT_EQ(f->angleBField->GetValue(), wxS("1.00"));
}

// The handle that the press picked follows the pointer until the release, also into the column
// of another handle and beyond its own, and only within its drag window; a press beside the
// handles moves none.
TEST_F(EtlAnalysisFrameTest, APressHoldsItsHandleUntilTheRelease) {
    EtlAnalysisFrame* f = OpenAnalysis();
    const wxPoint chord(50, 55);
    const wxPoint twist(45, 90);
    // The trailing edge of B lies o = 100 tan 15 degrees behind the root's (equal chords).
    const double o = 100.0 * std::tan(15.0 * kPi / 180.0);
    SendMouse(f->chordCanvas, wxEVT_LEFT_DOWN, chord + wxPoint(100, 60), true);
    SendMouse(f->chordCanvas, wxEVT_MOTION, chord + wxPoint(180, 70), true);
    EXPECT_EQ(Utf8(f->chordBField->GetValue()), luvo::FormatNumber("%2.2f", 5.0 * (70 - o) / 150));
    EXPECT_EQ(f->chordCField->GetValue(), wxS("2.00"));
    const wxString b = f->chordBField->GetValue();
    SendMouse(f->chordCanvas, wxEVT_MOTION, chord + wxPoint(100, 81), true);  // below the window
    SendMouse(f->chordCanvas, wxEVT_LEFT_UP, chord + wxPoint(100, 81), false);
    EXPECT_EQ(f->chordBField->GetValue(), b);

    // D dragged across B's column; the release away from the last motion is the last step.
    SendMouse(f->twistCanvas, wxEVT_LEFT_DOWN, twist + wxPoint(200, 10), true);
    SendMouse(f->twistCanvas, wxEVT_MOTION, twist + wxPoint(100, -40), true);
    EXPECT_EQ(f->angleDField->GetValue(), wxS("2.00"));
    EXPECT_EQ(f->angleBField->GetValue(), wxS("0.00"));
    SendMouse(f->twistCanvas, wxEVT_LEFT_UP, twist + wxPoint(100, 20), false);
    EXPECT_EQ(f->angleDField->GetValue(), wxS("-1.00"));
    EXPECT_EQ(f->angleBField->GetValue(), wxS("0.00"));
    SendMouse(f->twistCanvas, wxEVT_LEFT_DOWN, twist + wxPoint(140, -40), true);
    SendMouse(f->twistCanvas, wxEVT_MOTION, twist + wxPoint(100, -20), true);
    SendMouse(f->twistCanvas, wxEVT_LEFT_UP, twist + wxPoint(100, -20), false);
    EXPECT_EQ(f->angleBField->GetValue(), wxS("0.00"));
    EXPECT_EQ(f->angleDField->GetValue(), wxS("-1.00"));
}

// A drag step whose write is rejected shows one box; the press then writes nothing more until
// its button is released.
TEST_F(EtlAnalysisFrameTest, DragIntoARejectedChordStopsUntilTheRelease) {
    const wxPoint origin(50, 55);
    EtlAnalysisFrame* f = OpenAnalysis();
    SetText(f->sweepABField, wxS("0"));
    BoxRecorder boxes;
    SendMouse(f->chordCanvas, wxEVT_LEFT_DOWN, origin + wxPoint(100, 0), true);
    SendMouse(f->chordCanvas, wxEVT_MOTION, origin + wxPoint(100, 0), true);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].caption, wxS("Eingabe des Flügelschnitts in B"));
    EXPECT_EQ(f->chordBField->GetValue(), wxS("2.0"));
    EXPECT_EQ(wxWindow::GetCapture(), nullptr);
    SendMouse(f->chordCanvas, wxEVT_MOTION, origin + wxPoint(100, 30), true);
    EXPECT_EQ(f->chordBField->GetValue(), wxS("2.0"));
    SendMouse(f->chordCanvas, wxEVT_LEFT_UP, origin + wxPoint(100, 30), false);
    SendMouse(f->chordCanvas, wxEVT_LEFT_DOWN, origin + wxPoint(100, 30), true);
    SendMouse(f->chordCanvas, wxEVT_MOTION, origin + wxPoint(100, 30), true);
    EXPECT_EQ(f->chordBField->GetValue(), wxS("1.00"));
    EXPECT_EQ(boxes.boxes().size(), 1u);
}

}  // namespace

namespace {

// Labels, fields, values, buttons and canvases of the window keep clear of each other, also
// with the long values of a large wing.
TEST_F(EtlAnalysisFrameTest, ControlsDoNotOverlap) {
    EtlAnalysisFrame* f = OpenAnalysis();
    SetText(f->chordAField, wxS("50"));
    SetText(f->spanField, wxS("100"));
    SetText(f->sideslipField, wxS("-30"));
    Pump(100);
    // The subscripts of c sit in the gap of their label, between its "c" and its "[-]:".
    std::vector<wxWindow*> controls;
    std::vector<std::pair<wxWindow*, wxWindow*>> subscripts;
    for (wxWindow* child : f->GetPanel()->GetChildren()) {
        if (dynamic_cast<wxStaticBox*>(child) != nullptr) continue;
        const wxString text = child->GetLabel();
        if (text == wxS("A_gesamt") || text == wxS("Wi_gesamt")) {
            const wxString line = text == wxS("A_gesamt")
                                      ? wxS("Auftriebsbeiwert c ")
                                      : wxS("induzierter Widerstandsbeiwert c ");
            subscripts.push_back({child, FindFirstLabelStartingWith(f->GetPanel(), line)});
            continue;
        }
        controls.push_back(child);
    }
    ASSERT_EQ(subscripts.size(), 2u);
    for (const auto& [subscript, line] : subscripts) {
        ASSERT_NE(line, nullptr);
        const wxString text = line->GetLabel();
        const int gapStart =
            line->GetPosition().x + line->GetTextExtent(text.Left(text.Find(wxS(" c ")) + 2)).x;
        const int gapEnd = line->GetPosition().x + line->GetTextExtent(text.Left(text.Find('['))).x;
        EXPECT_GE(subscript->GetPosition().x, gapStart) << Utf8(text);
        EXPECT_LT(subscript->GetRect().GetRight(), gapEnd) << Utf8(text);
    }
    const wxRect panel(wxPoint(0, 0), f->GetPanel()->GetClientSize());
    for (size_t i = 0; i < controls.size(); ++i) {
        const wxRect a = controls[i]->GetRect();
        EXPECT_TRUE(panel.Contains(a)) << Utf8(controls[i]->GetLabel());
        for (size_t j = i + 1; j < controls.size(); ++j) {
            EXPECT_FALSE(a.Intersects(controls[j]->GetRect()))
                << Utf8(controls[i]->GetLabel()) << " / " << Utf8(controls[j]->GetLabel());
        }
    }
}

// The quarter-chord sweeps, their labels and "=" stay inside the "t/4-Linie" box, clear of its
// border and of each other: at the defaults ("15.0") and with five characters ("-46.4": the
// leading edges swept -45 degrees, the chord shrinking outwards).
TEST_F(EtlAnalysisFrameTest, QuarterChordSweepsStayInsideTheirBox) {
    EtlAnalysisFrame* f = OpenAnalysis();
    wxStaticBox* box = FindBox(f->GetPanel(), wxS("t/4-Linie"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(CrowdingInBox(box), std::vector<std::string>()) << "defaults";
    for (EtlAnalysisField* sweep : {f->sweepABField, f->sweepBCField, f->sweepCDField}) {
        SetText(sweep, wxS("-45"));
    }
    SetText(f->chordBField, wxS("1.5"));
    SetText(f->chordCField, wxS("1.0"));
    SetText(f->chordDField, wxS("0.5"));
    for (wxStaticText* value : f->sweepLabels) {
        EXPECT_EQ(value->GetLabel().length(), 5u);
        EXPECT_TRUE(box->GetRect().Contains(value->GetPosition()));
    }
    EXPECT_EQ(CrowdingInBox(box), std::vector<std::string>()) << "five characters";
}

// A handle whose mark lies beyond the rows where motions move it, or beyond the canvas, is
// picked by a press on its drawn mark; a motion then sets the value at the pointer. Span 10,
// chords 2: the chord of a section is (b/2)(y - o)/150 below its sweep offset o; angles at 20
// pixels per degree, the marks of angles beyond 3 and -2 degrees at those rows.
TEST_F(EtlAnalysisFrameTest, HandlesArePickedWhereTheirMarksAreDrawn) {
    EtlAnalysisFrame* f = OpenAnalysis();
    const wxPoint chord(50, 55);
    const wxPoint twist(45, 90);
    const double t15 = std::tan(15.0 * kPi / 180.0);
    // Leading edges swept forward by 45 degrees: C's trailing edge would stand at
    // 200 * 0.9 * tan(-45 degrees) + 60 = -120, above the canvas; its mark stays at the top.
    const double oC45 = 200.0 * 0.9 * -1.0;
    const struct {
        const char* name;
        const char* sweep;
        wxTextCtrl* field;
        const char* value;
        wxWindow* canvas;
        wxPoint mark;  // where the mark is drawn, on the canvas
        int toY;       // the motion's row, on the plot
        std::string written;
    } cases[] = {
        {"chord B at the default, below row 80", "15", f->chordBField, "2.0", f->chordCanvas,
         chord + wxPoint(100, static_cast<int>(100 * t15 + 60)), 70,
         luvo::FormatNumber("%2.2f", 5.0 * (70 - 100 * t15) / 150.0)},
        {"chord C swept forward", "-45", f->chordCField, "2.0", f->chordCanvas,
         chord + wxPoint(180, -53), -53, luvo::FormatNumber("%2.2f", 5.0 * (-53 - oC45) / 150.0)},
        {"angle B of -8", "15", f->angleBField, "-8", f->twistCanvas, twist + wxPoint(100, 40), 30,
         "-1.50"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (EtlAnalysisField* sweep : {f->sweepABField, f->sweepBCField, f->sweepCDField}) {
            SetText(sweep, wxString::FromUTF8(c.sweep));
        }
        wxTextCtrl* field = c.field;
        SetText(field, wxString::FromUTF8(c.value));
        wxWindow* canvas = c.canvas;
        const wxPoint origin = canvas == f->chordCanvas ? chord : twist;
        Drag(canvas, c.mark, wxPoint(c.mark.x, origin.y + c.toY), 1);
        EXPECT_EQ(Utf8(field->GetValue()), c.written);
    }
}

class ScreenEtlAnalysis : public EtlAnalysisFrameTest {};

// Real drags through the X server: handle B of the plan form pressed at y = 70 and moved to 45
// in one motion sets the chord (b/2)(45 - o)/150, where o = 200 * 0.5 * tan 15 degrees is the
// offset of B's quarter-chord point while the chords are equal (each step takes the sweep of the
// chords as they stand); handle C of the twist plot dragged to y = -30 sets 1.50 degrees.
TEST_F(ScreenEtlAnalysis, RealDragsEndWhereThePointerEnds) {
    EtlMethodFrame* method = OpenMethod();
    SelectRadio(method->taskRadio, 1);
    SaveTourShot(method, "etl_method_analysis");
    EtlAnalysisFrame* f = OpenAnalysis(method);
    f->Move(0, 0);
    Present(f);
    SaveTourShot(f, "etl_analysis");

    const wxPoint chordOrigin(50, 55);
    RealFastDrag(f->chordCanvas, chordOrigin + wxPoint(100, 70), chordOrigin + wxPoint(100, 45), 1);
    const double o = 200.0 * 0.5 * std::tan(15.0 * kPi / 180.0);
    const std::string chord = luvo::FormatNumber("%2.2f", 5.0 * (45 - o) / 150.0);
    EXPECT_EQ(Utf8(f->chordBField->GetValue()), chord);
    EXPECT_EQ(f->chordCField->GetValue(), wxS("2.00"));
    ASSERT_TRUE(etl::EtlCurrentSolver);
    EXPECT_DOUBLE_EQ(etl::EtlCurrentSolver->sectionChord[1], luvo::ParseLeadingNumber(chord));

    const wxPoint twistOrigin(45, 90);
    RealFastDrag(f->twistCanvas, twistOrigin + wxPoint(180, 0), twistOrigin + wxPoint(180, -30));
    EXPECT_EQ(f->angleCField->GetValue(), wxS("1.50"));
    EXPECT_DOUBLE_EQ(etl::EtlCurrentSolver->sectionTwist[2], 11.5);
    // Without the pointer on a canvas, whose tooltip would cover the plots.
    wxUIActionSimulator().MouseMove(f->GetScreenPosition() + wxPoint(600, 10));
    f->chordCanvas->UnsetToolTip();
    f->twistCanvas->UnsetToolTip();
    Pump(300);
    SaveTourShot(f, "etl_analysis_dragged");
    // Leading edges swept forward by 45 degrees, the chord shrinking outwards: quarter-chord
    // sweeps of five characters, a plan form that climbs out of the canvas.
    for (EtlAnalysisField* sweep : {f->sweepABField, f->sweepBCField, f->sweepCDField}) {
        SetText(sweep, wxS("-45"));
    }
    SetText(f->chordBField, wxS("1.5"));
    SetText(f->chordCField, wxS("1.0"));
    SetText(f->chordDField, wxS("0.5"));
    SaveTourShot(f, "etl_analysis_negative_sweeps");
}

// Through the X server: with phi_VK1 = 0 the trailing edge of B lies at the span axis, so the
// pointer at y = 0 writes the chord "0.00", which is rejected; the rest of that press writes
// nothing, and the next press drags again.
TEST_F(ScreenEtlAnalysis, RealDragIntoARejectedChordShowsOneBox) {
    EtlAnalysisFrame* f = OpenAnalysis();
    f->Move(0, 0);
    Present(f);
    SetText(f->sweepABField, wxS("0"));
    const wxPoint origin(50, 55);
    wxWindow* canvas = f->chordCanvas;
    BoxRecorder boxes;
    wxUIActionSimulator sim;
    sim.MouseMove(canvas->ClientToScreen(origin + wxPoint(100, 10)));
    Pump(30);
    sim.MouseDown();
    sim.MouseMove(canvas->ClientToScreen(origin + wxPoint(100, 0)));
    Pump(200);
    sim.MouseMove(canvas->ClientToScreen(origin + wxPoint(100, 30)));
    Pump(200);
    sim.MouseUp();
    Pump(200);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].caption, wxS("Eingabe des Flügelschnitts in B"));
    EXPECT_EQ(f->chordBField->GetValue(), wxS("2.0"));
    EXPECT_EQ(wxWindow::GetCapture(), nullptr);

    RealFastDrag(canvas, origin + wxPoint(100, 40), origin + wxPoint(100, 30), 1);
    EXPECT_EQ(f->chordBField->GetValue(), wxS("1.00"));
    EXPECT_EQ(boxes.boxes().size(), 1u);
}

// Through the X server: at the defaults (b 10, sweeps 15 degrees, chords 2.00) the mark of handle
// B stands at the trailing edge o + 300 c / b = 86.8, below the row 80 where motions stop
// moving it; a press on the mark picks it, and a motion 28 pixels up sets the chord
// (b/2)(58 - o)/150, o = 200 * 0.5 * tan 15 degrees. Then the tour picture of a wing at a
// negative angle of attack, its lift drawn below the axis.
TEST_F(ScreenEtlAnalysis, HandleIsPickedOnItsMarkAndNegativeLiftIsDrawn) {
    EtlAnalysisFrame* f = OpenAnalysis();
    f->Move(0, 0);
    Present(f);
    const wxPoint chordOrigin(50, 55);
    const double o = 200.0 * 0.5 * std::tan(15.0 * kPi / 180.0);
    const int mark = static_cast<int>(o + 300.0 * 2.0 / 10.0);
    ASSERT_GT(mark, 80);
    RealFastDrag(f->chordCanvas, chordOrigin + wxPoint(100, mark),
                 chordOrigin + wxPoint(100, mark - 28), 1);
    EXPECT_EQ(Utf8(f->chordBField->GetValue()),
              luvo::FormatNumber("%2.2f", 5.0 * (mark - 28 - o) / 150.0));

    SetText(f->angleAField, wxS("-10"));
    ASSERT_TRUE(etl::EtlCurrentSolver);
    EXPECT_LT(etl::EtlCurrentSolver->liftCoefficient, 0.0);
    wxUIActionSimulator().MouseMove(f->GetScreenPosition() + wxPoint(600, 10));
    Pump(300);
    SaveTourShot(f, "etl_analysis_negative_lift");
}

}  // namespace
