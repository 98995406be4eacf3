#include <wx/app.h>
#include <wx/display.h>
#include <wx/menu.h>

#include "app/MainFrame.h"
#include "camber/gui/CamberButtons.h"
#include "camber/gui/CamberFields.h"
#include "camber/gui/CamberLineFrame.h"
#include "camber/gui/CamberMethodFrame.h"
#include "camber/gui/CamberNacaFrame.h"
#include "camber/gui/CamberPressureFrame.h"
#include "tests/camber/gui/CamberGuiHelpers.h"

namespace {

using namespace luvo::test;
using namespace camber_test;

class CamberMethodFrameTest : public GuiTest {
  protected:
    CamberMethodFrame* Open() { return dynamic_cast<CamberMethodFrame*>(OpenMethodWindow(0)); }
};

TEST_F(CamberMethodFrameTest, MainWindowOpensItWithItsThreeTasks) {
    CamberMethodFrame* m = Open();
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->GetTitle(), wxS(" Luvo - Skelett-Theorie"));
    EXPECT_EQ(m->GetSize(), wxSize(420, 380));
    EXPECT_EQ(Status(m), wxS("Gewählt: Vorgabe der Skelettlinie eines NACA Four-digit Profils"));
    EXPECT_EQ(m->TaskBox()->GetSelection(), 0);
    EXPECT_EQ(m->TaskBox()->GetLabel(), wxS("Skelett-Theorie"));
    EXPECT_EQ(m->StartButton()->GetLabel(), wxS("OK"));
    EXPECT_EQ(m->StartButton()->GetId(), 5100);
    EXPECT_EQ(m->CancelButton()->GetLabel(), wxS("&Abbrechen"));
    EXPECT_EQ(m->CancelButton()->GetId(), 5101);
    const std::vector<wxString> texts = StaticTexts(m);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0], wxS("Innerhalb der Skelett-Theorie stehen die folgenden Möglich-\n"
                            "keiten zur Verfügung:"));
    wxMenuItem* close = m->GetMenuBar()->FindItem(luvo::kIdMenuQuit);
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->GetItemLabel(), wxS("&Schließen...\tAlt-S"));
    EXPECT_EQ(close->GetHelp(), wxS("Fenster schließen"));
}

TEST_F(CamberMethodFrameTest, EveryOkOpensANewCentredTaskWindow) {
    struct Row {
        const wchar_t* choice;
        const wchar_t* status;
        const wchar_t* title;
    };
    const Row rows[] = {
        {L"Vorgabe der Skelettlinie eines NACA Four-digit Profils",
         L"Gewählt: Vorgabe der Skelettlinie eines NACA Four-digit Profils",
         L"Skelett-Theorie - Vorgabe der Skelettlinie eines NACA Four-digit Profils"},
        {L"Interaktive Variation der Skelettlinie",
         L"Gewählt: Interaktive Variation der Skelettlinie",
         L"Skelett-Theorie - Interaktive Variation der Skelettlinie"},
        {L"Interaktive Variation der Druckverteilung",
         L"Gewählt: Interaktive Variation der Druckverteilung",
         L"Skelett-Theorie - Interaktive Variation der Druckverteilung"},
    };
    CamberMethodFrame* m = Open();
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        SelectRadio(m->TaskBox(), i);
        EXPECT_EQ(m->TaskBox()->GetString(i), wxString(rows[i].choice));
        EXPECT_EQ(Status(m), wxString(rows[i].status));
        const size_t before = OpenFrames().size();
        for (int k = 0; k < 3; ++k) Click(m->StartButton());
        const std::vector<wxFrame*> frames = OpenFrames();
        ASSERT_EQ(frames.size(), before + 3);
        for (size_t k = before; k < frames.size(); ++k) {
            wxFrame* f = frames[k];
            EXPECT_EQ(f->GetTitle(), wxString(rows[i].title));
            EXPECT_EQ(f->GetSize(), wxSize(640, 600));
            EXPECT_EQ(f->GetParent(), nullptr);
            EXPECT_TRUE(f->IsShown());
            EXPECT_EQ(f->GetPosition(), frames[before]->GetPosition());
            const wxRect screen = wxDisplay(f).GetClientArea();
            EXPECT_NEAR(f->GetRect().x + 320, screen.x + screen.width / 2, 1);
        }
    }
    EXPECT_EQ(OpenCamberTask(3), nullptr);
}

TEST_F(CamberMethodFrameTest, InfoBoxLeavesTheStatusAsItWas) {
    CamberMethodFrame* m = Open();
    SelectRadio(m->TaskBox(), 2);
    ShownBox box;
    wxTEST_DIALOG(SendMenu(m, luvo::kIdMenuInfo), ExpectBox(&box));
    EXPECT_EQ(box.caption, wxS("Info Skelett-Theorie"));
    EXPECT_TRUE(box.HasIcon(wxICON_INFORMATION));
    EXPECT_TRUE(box.message.StartsWith(
        wxS("Die Skelett-Theorie wird für die Berechnung und Auslegung\nvon dünnen Profilen "
            "(Skelettprofilen) in reibungsfreier, in-\nkompressibler Strömung angewandt.")));
    EXPECT_TRUE(box.message.Contains(wxS("Glauert")));
    EXPECT_EQ(Status(m), wxS("Gewählt: Interaktive Variation der Druckverteilung"));
}

TEST_F(CamberMethodFrameTest, TaskWindowsAreIndependentAndOutliveTheMethodWindow) {
    enum Way { kMenu, kCancel, kTitleBar };
    for (Way way : {kMenu, kCancel, kTitleBar}) {
        SCOPED_TRACE(way);
        CamberMethodFrame* m = Open();
        Click(m->StartButton());
        Click(m->StartButton());
        Click(m->StartButton());
        std::vector<CamberNacaFrame*> tasks;
        for (wxFrame* f : OpenFrames()) {
            if (auto* t = dynamic_cast<CamberNacaFrame*>(f)) tasks.push_back(t);
        }
        ASSERT_EQ(tasks.size(), 3u);
        wxWeakRef<wxFrame> method(m);
        switch (way) {
            case kMenu:
                SendMenu(m, luvo::kIdMenuQuit);
                break;
            case kCancel:
                Click(m->CancelButton());
                break;
            case kTitleBar:
                m->Close();
                break;
        }
        wxTheApp->ProcessIdle();
        EXPECT_FALSE(method);

        // Editing the oldest recalculates only the oldest.
        SetText(tasks[0]->AngleField(), wxS("6"));
        EXPECT_EQ(tasks[0]->ResultTexts()[kResultCa]->GetLabel(), wxS("0.886"));
        EXPECT_EQ(Labels(tasks[1]->ResultTexts()), NacaDefaultLabels());
        EXPECT_EQ(Labels(tasks[2]->ResultTexts()), NacaDefaultLabels());
        // Closing the newest leaves the older ones usable; the close button closes only its own.
        wxWeakRef<wxFrame> newest(tasks[2]);
        Click(tasks[2]->CloseButton());
        wxTheApp->ProcessIdle();
        EXPECT_FALSE(newest);
        SetText(tasks[1]->CamberDigitField(), wxS("4"));
        EXPECT_EQ(tasks[1]->Designation(), wxS("NACA 4400"));
        EXPECT_EQ(tasks[0]->Designation(), wxS("NACA 2400"));
        for (wxFrame* f : OpenFrames()) f->Destroy();
        wxTheApp->ProcessIdle();
    }
}

}  // namespace
