// Real key presses into the analysis window's fields (serial: the keys go to the screen).

#include <wx/uiaction.h>

#include <filesystem>
#include <string>

#include "llt/gui/LltAnalysisFrame.h"
#include "llt/gui/LltMethodFrame.h"
#include "llt/gui/LltModule.h"
#include "tests/support/GuiHarness.h"

namespace {

using namespace luvo::test;

class ScreenLltAnalysisTyping : public GuiTest {
  protected:
    LltAnalysisFrame* Open() {
        auto* method = new LltMethodFrame(wxS(" Luvo - Einfaches Traglinienverfahren"),
                                          wxDefaultPosition, wxSize(475, 380));
        method->Hide();
        SelectRadio(method->taskRadio, 3);
        Click(method->okButton);
        LltAnalysisFrame* f = llt::analysisFrame;
        f->Move(0, 0);
        f->Raise();
        EXPECT_TRUE(
            WaitFor([&] { return std::filesystem::exists(dir().file(" GammaUndCa.dat")); }));
        Pump(200);
        return f;
    }
    static void Focus(wxTextCtrl* field) {
        field->SetFocus();
        WaitFor([&] { return wxWindow::FindFocus() == field; }, 1000);
    }
    // Selects the field's whole text and types `text` over it, key by key.
    static void TypeOver(wxUIActionSimulator& sim, wxTextCtrl* field, const char* text) {
        Focus(field);
        field->SelectAll();
        sim.Text(text);
        WaitFor([&] { return field->GetValue() == wxString(text); }, 2000);
        Pump(100);
    }
};

TEST_F(ScreenLltAnalysisTyping, ReplacingASelectionByTyping) {
    LltAnalysisFrame* f = Open();
    BoxRecorder boxes;
    wxUIActionSimulator sim;
    TypeOver(sim, f->chordCField, "1.2");
    EXPECT_EQ(f->chordCField->GetValue(), wxS("1.2"));
    for (const ShownBox& b : boxes.boxes()) ADD_FAILURE() << b.message.utf8_str();
    EXPECT_DOUBLE_EQ(llt::currentSolver->chordC, 1.2);

    // Selecting the span and typing over it.
    TypeOver(sim, f->spanField, "9");
    EXPECT_EQ(f->spanField->GetValue(), wxS("9"));
    for (const ShownBox& b : boxes.boxes()) ADD_FAILURE() << b.message.utf8_str();
}

// Every chord below 1 m begins with "0" or ".", which the chord at A does not take: on the way
// to 0.8 the window keeps its last chord, and no box comes.
TEST_F(ScreenLltAnalysisTyping, AChordBelowOneMetreRaisesNoBoxOnTheWay) {
    LltAnalysisFrame* f = Open();
    BoxRecorder boxes;
    wxUIActionSimulator sim;
    for (const char* chord : {"0.8", ".75"}) {
        SCOPED_TRACE(chord);
        TypeOver(sim, f->chordAField, chord);
        for (const ShownBox& b : boxes.boxes()) ADD_FAILURE() << b.message.utf8_str();
        EXPECT_EQ(f->chordAField->GetValue(), wxString(chord));
        EXPECT_DOUBLE_EQ(llt::currentSolver->chordA, std::stod(chord));
    }
}

// A pending text that is left unfinished gets the range box and the reset when the field is
// left; until then the window keeps computing with the last chord.
TEST_F(ScreenLltAnalysisTyping, LeavingAPendingChordChecksIt) {
    LltAnalysisFrame* f = Open();
    BoxRecorder boxes;
    wxUIActionSimulator sim;
    TypeOver(sim, f->chordAField, "0.");
    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_DOUBLE_EQ(llt::currentSolver->chordA, 2.0);
    // A repaint meanwhile draws the last accepted wing again and writes no file.
    std::filesystem::remove(dir().file(" GammaUndCa.dat"));
    f->Refresh();
    f->Update();
    Pump(100);
    EXPECT_FALSE(std::filesystem::exists(dir().file(" GammaUndCa.dat")));
    RealKey(WXK_TAB);
    WaitFor([&] { return !boxes.boxes().empty(); }, 2000);
    Pump(100);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].caption, wxS("Eingabe der Tiefe an der Wurzel"));
    EXPECT_EQ(f->chordAField->GetValue(), wxS("2.0"));
    EXPECT_DOUBLE_EQ(llt::currentSolver->chordA, 2.0);
}

TEST_F(ScreenLltAnalysisTyping, TypingPastTheLengthWritesTheResetBack) {
    LltAnalysisFrame* f = Open();
    Focus(f->spanField);
    f->spanField->SetInsertionPointEnd();
    BoxRecorder boxes;
    wxUIActionSimulator sim;
    sim.Text(".555");
    WaitFor([&] { return !boxes.boxes().empty(); }, 2000);
    Pump(200);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].caption, wxS("Eingabe der Spannweite"));
    EXPECT_EQ(f->spanField->GetValue(), wxS("10.0"));
    EXPECT_DOUBLE_EQ(llt::currentSolver->span, 10.0);
}

}  // namespace
