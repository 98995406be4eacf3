// The method window of the simple lifting-line method and the single analysis window it opens.

#include <wx/app.h>
#include <wx/statusbr.h>
#include <wx/weakref.h>

#include <vector>

#include "app/MainFrame.h"
#include "llt/gui/LltAnalysisFrame.h"
#include "llt/gui/LltChordDesignFrame.h"
#include "llt/gui/LltGridInputFrame.h"
#include "llt/gui/LltMethodFrame.h"
#include "llt/gui/LltModule.h"
#include "llt/gui/LltTwistDesignFrame.h"
#include "tests/common/gui/EndedWindows.h"
#include "tests/support/GuiHarness.h"
#include "tests/support/InfoBox.h"

namespace {

using namespace luvo::test;

class LltMethodFrameTest : public GuiTest {
  protected:
    // The main window's way of opening the method.
    LltMethodFrame* OpenMethod() {
        auto* frame = dynamic_cast<LltMethodFrame*>(OpenMethodWindow(2));
        EXPECT_NE(frame, nullptr);
        return frame;
    }
    static wxString Status(wxFrame* f) { return f->GetStatusBar()->GetStatusText(); }
    static void OpenAnalysis(LltMethodFrame* method) {
        SelectRadio(method->taskRadio, 3);
        Click(method->okButton);
    }
};

// The task windows in the order of the radio box: title, size, the module's reference to the
// window and whether it counts as open.
struct TaskRow {
    const wchar_t* title;
    wxSize size;
    wxFrame* (*pointer)();
    bool (*open)();
};
const TaskRow kTasks[] = {
    {L"Daten über eine Datei einlesen",
     {420, 250},
     []() -> wxFrame* { return llt::gridInputFrame.get(); },
     llt::gridInputOpen},
    {L"Entwurfsaufgabe - Vorgabe von Zirkulations- und Tiefenverteilung",
     {775, 680},
     []() -> wxFrame* { return llt::twistDesignFrame.get(); },
     llt::twistDesignOpen},
    {L"Entwurfsaufgabe - Vorgabe von Zirkulations- und Schränkungsverteilung",
     {845, 700},
     []() -> wxFrame* { return llt::chordDesignFrame.get(); },
     llt::chordDesignOpen},
    {L"Nachrechenaufgabe - Interaktives Erstellen einer Anstellwinkel- und "
     L"Tiefenverteilung",
     {755, 690},
     []() -> wxFrame* { return llt::analysisFrame.get(); },
     llt::analysisOpen},
};

TEST_F(LltMethodFrameTest, OpensWithItsTasksAndStatusTexts) {
    LltMethodFrame* method = OpenMethod();
    EXPECT_EQ(method->GetTitle(), wxS(" Luvo - Einfaches Traglinienverfahren"));
    EXPECT_EQ(method->GetSize(), wxSize(475, 380));
    EXPECT_EQ(Status(method), wxS("Gewählt: Einlesen der Daten aus Datei"));
    ASSERT_EQ(method->taskRadio->GetCount(), 4u);
    EXPECT_EQ(method->taskRadio->GetSelection(), 0);
    EXPECT_EQ(method->taskRadio->GetString(2),
              wxS("Entwurfsaufgabe - Vorgabe der Zirkulations- und Schränkungsverteilung"));
    EXPECT_EQ(method->okButton->GetId(), 5100);
    EXPECT_EQ(method->cancelButton->GetLabel(), wxS("&Abbrechen"));

    const wchar_t* statuses[] = {
        L"Gewählt: Einlesen der Daten aus Datei", L"Gewählt: Entwurfsaufgabe / Tiefenvert.",
        L"Gewählt: Entwurfsaufgabe / Anstellwinkelvert.", L"Gewählt: Nachrechenaufgabe"};
    for (int i = 3; i >= 0; --i) {
        SelectRadio(method->taskRadio, i);
        EXPECT_EQ(Status(method), wxString(statuses[i]));
    }

    // The info box, then the status of the current selection again.
    SelectRadio(method->taskRadio, 1);
    wxString statusWhileOpen;
    const ShownBox seen = luvo::test::ShowInfoBox(method, &statusWhileOpen);
    EXPECT_EQ(statusWhileOpen, wxS("Gewählt: Info"));
    EXPECT_EQ(seen.caption, wxS("Info Einfache Traglinientheorie"));
    EXPECT_TRUE(seen.HasIcon(wxICON_INFORMATION));
    EXPECT_TRUE(seen.message.StartsWith(
        wxS("Mit Hilfe des Einfachen Traglinienverfahrens lässt sich die inkompressible\n")));
    EXPECT_TRUE(seen.message.EndsWith(wxS("\n\n   3. Die Nachrechenaufgabe")));
    EXPECT_EQ(Status(method), wxS("Gewählt: Entwurfsaufgabe / Tiefenvert."));
}

TEST_F(LltMethodFrameTest, TheAnalysisWindowExistsOnceAndKeepsItsInputs) {
    LltMethodFrame* method = OpenMethod();
    const size_t before = OpenFrames().size();
    OpenAnalysis(method);
    ASSERT_TRUE(llt::analysisOpen());
    LltAnalysisFrame* analysis = llt::analysisFrame;
    EXPECT_EQ(analysis->GetTitle(),
              wxS("Nachrechenaufgabe - Interaktives Erstellen einer Anstellwinkel- und "
                  "Tiefenverteilung"));
    EXPECT_EQ(analysis->GetSize(), wxSize(755, 690));
    EXPECT_TRUE(analysis->IsShown());
    EXPECT_EQ(analysis->GetParent(), nullptr);

    SetText(analysis->chordCField, wxS("1.20"));
    analysis->Move(0, 0);
    // A second "&OK", also from a second method window: the same window, centred again.
    OpenAnalysis(method);
    LltMethodFrame* second = OpenMethod();
    OpenAnalysis(second);
    EXPECT_EQ(llt::analysisFrame.get(), analysis);
    EXPECT_EQ(OpenFrames().size(), before + 2);  // the analysis window and the second method
    EXPECT_EQ(analysis->chordCField->GetValue(), wxS("1.20"));
    EXPECT_NE(analysis->GetPosition(), wxPoint(0, 0));

    // Closing it makes the module forget it at once; the next "&OK" builds a fresh window with
    // its defaults.
    wxWeakRef<wxFrame> ref(analysis);
    Click(analysis->cancelButton);
    EXPECT_FALSE(llt::analysisOpen());
    wxTheApp->ProcessIdle();
    EXPECT_FALSE(ref);
    OpenAnalysis(method);
    ASSERT_TRUE(llt::analysisOpen());
    EXPECT_EQ(llt::analysisFrame->chordCField->GetValue(), wxS("1.30"));

    // The menu entry and the close box close it as well; closing a method window does not.
    method->Close(true);
    wxTheApp->ProcessIdle();
    EXPECT_TRUE(llt::analysisOpen());
    SendMenu(llt::analysisFrame, luvo::kIdMenuClose);
    EXPECT_FALSE(llt::analysisOpen());
    wxTheApp->ProcessIdle();
    OpenAnalysis(second);
    llt::analysisFrame->Close();
    EXPECT_FALSE(llt::analysisOpen());
}

// Every task opens its own window once; a second "&OK" only brings the same one back.
TEST_F(LltMethodFrameTest, EveryTaskOpensItsWindowOnce) {
    LltMethodFrame* method = OpenMethod();
    for (int task = 0; task < 4; ++task) {
        SCOPED_TRACE(task);
        const TaskRow& row = kTasks[task];
        const size_t before = OpenFrames().size();
        SelectRadio(method->taskRadio, task);
        Click(method->okButton);
        ASSERT_TRUE(row.open());
        wxFrame* frame = row.pointer();
        EXPECT_EQ(frame->GetTitle(), wxString(row.title));
        EXPECT_EQ(frame->GetSize(), row.size);
        EXPECT_TRUE(frame->IsShown());
        Click(method->okButton);
        EXPECT_EQ(row.pointer(), frame);
        EXPECT_EQ(OpenFrames().size(), before + 1);
        frame->Close(true);
        EXPECT_FALSE(row.open());
        wxTheApp->ProcessIdle();
    }
}

// A task window that has ended is never brought back by "&OK".
TEST_F(LltMethodFrameTest, AnEndedTaskWindowIsNeverShownAgain) {
    std::vector<SingleTaskWindow> windows;
    for (const TaskRow& row : kTasks) windows.push_back({row.title, row.pointer, row.open});
    ExpectEndedTaskWindowsNeverShownAgain(OpenMethod(), windows);
}

}  // namespace
