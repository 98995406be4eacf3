// The method window of the extended lifting-line method.

#include <wx/app.h>
#include <wx/statusbr.h>

#include "app/MainFrame.h"
#include "etl/gui/EtlAnalysisFrame.h"
#include "etl/gui/EtlGridInputFrame.h"
#include "etl/gui/EtlMethodFrame.h"
#include "etl/gui/EtlModule.h"
#include "tests/common/gui/EndedWindows.h"
#include "tests/support/GuiHarness.h"
#include "tests/support/InfoBox.h"

namespace {

using namespace luvo::test;

class EtlMethodFrameTest : public GuiTest {
  protected:
    EtlMethodFrame* OpenMethod() {
        auto* frame = dynamic_cast<EtlMethodFrame*>(OpenMethodWindow(3));
        EXPECT_NE(frame, nullptr);
        return frame;
    }
    static wxString Status(wxFrame* f) { return f->GetStatusBar()->GetStatusText(); }
};

TEST_F(EtlMethodFrameTest, OpensWithItsTasksAndStatusTexts) {
    EtlMethodFrame* method = OpenMethod();
    EXPECT_EQ(method->GetTitle(), wxS(" Luvo - Erweitertes Traglinienverfahren"));
    EXPECT_EQ(method->GetSize(), wxSize(465, 380));
    EXPECT_EQ(Status(method), wxS("Gewählt: Einlesen der Daten aus Datei"));
    ASSERT_EQ(method->taskRadio->GetCount(), 2u);
    EXPECT_EQ(method->taskRadio->GetSelection(), 0);
    EXPECT_EQ(method->taskRadio->GetString(1),
              wxS("Nachrechenaufgabe - Vorgabe der Tiefen- und Schränkungsverteilung"));
    EXPECT_EQ(method->okButton->GetId(), 5100);
    EXPECT_EQ(method->cancelButton->GetId(), 5101);
    EXPECT_EQ(method->okButton->GetPosition(), wxPoint(110, 280));

    SelectRadio(method->taskRadio, 1);
    EXPECT_EQ(Status(method), wxS("Gewählt: Nachrechenaufgabe"));
    wxString statusWhileOpen;
    const ShownBox seen = ShowInfoBox(method, &statusWhileOpen);
    EXPECT_EQ(statusWhileOpen, wxS("Gewählt: Info"));
    EXPECT_EQ(seen.caption, wxS("Info Erweiterte Traglinientheorie"));
    EXPECT_TRUE(seen.HasIcon(wxICON_INFORMATION));
    EXPECT_TRUE(seen.message.StartsWith(
        wxS("Mit Hilfe des Erweiterten Traglinienverfahrens lässt sich die inkompressible\n")));
    EXPECT_TRUE(seen.message.EndsWith(wxS("berechnen \n      sowie die Beiwerte x,y,z")));
    EXPECT_EQ(Status(method), wxS("Gewählt: Nachrechenaufgabe"));
    SelectRadio(method->taskRadio, 0);
    EXPECT_EQ(Status(method), wxS("Gewählt: Einlesen der Daten aus Datei"));

    wxWeakRef<wxFrame> ref(method);
    Click(method->cancelButton);
    wxTheApp->ProcessIdle();
    EXPECT_FALSE(ref);
}

// A task window that has ended is never brought back by "&OK".
TEST_F(EtlMethodFrameTest, AnEndedTaskWindowIsNeverShownAgain) {
    ExpectEndedTaskWindowsNeverShownAgain(
        OpenMethod(),
        {{L"Daten über eine Datei einlesen",
          []() -> wxFrame* { return etl::EtlGridInputWindow.get(); }, etl::EtlGridInputOpen},
         {L"Nachrechenaufgabe - Eingabe der Tiefen- und Schränkungsverteilung",
          []() -> wxFrame* { return etl::EtlAnalysisWindow.get(); }, etl::EtlAnalysisOpen}});
}

}  // namespace
