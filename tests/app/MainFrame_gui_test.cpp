#include <wx/app.h>
#include <wx/display.h>
#include <wx/menu.h>
#include <wx/statusbr.h>

#include "app/MainFrame.h"
#include "common/gui/NumericField.h"
#include "common/gui/WxNumber.h"
#include "panel3d/core/Panel3dPolarEvaluator.h"
#include "panel3d/gui/Panel3dMethodFrame.h"
#include "tests/support/GuiHarness.h"

namespace {

using namespace luvo::test;

class MainFrameTest : public GuiTest {
  protected:
    // Starts the program's way: the application object's start-up creates the main window.
    MainFrame* Start() {
        frame_ = ShowMainWindow();
        return frame_;
    }
    MainFrame* frame_ = nullptr;
};

TEST_F(MainFrameTest, StartShowsOneCentredWindowWithTheFirstMethodChosen) {
    ShowMainWindow();
    std::vector<wxFrame*> frames = OpenFrames();
    ASSERT_EQ(frames.size(), 1u);
    auto* main = dynamic_cast<MainFrame*>(frames[0]);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->GetTitle(), wxS(" Luvo 4.1"));
    EXPECT_EQ(main->GetSize(), wxSize(420, 380));
    EXPECT_EQ(main->GetMethodBox()->GetSelection(), 0);
    EXPECT_EQ(main->GetMethodBox()->GetString(0), wxS("Skelett-Theorie"));
    EXPECT_EQ(main->GetStatusBar()->GetStatusText(), wxS("Gewählt: Skelett-Theorie"));
    const wxRect screen = wxDisplay(main).GetClientArea();
    const wxRect r = main->GetRect();
    EXPECT_NEAR(r.x + r.width / 2, screen.x + screen.width / 2, 1);
    EXPECT_NEAR(r.y + r.height / 2, screen.y + screen.height / 2, 1);
    std::vector<wxString> texts = StaticTexts(main);
    EXPECT_NE(std::find(texts.begin(), texts.end(), wxS("Willkommen bei Luvo 4.1!")), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(),
                        wxS("Bitte wählen Sie das gewünschte Verfahren aus:")),
              texts.end());
}

TEST_F(MainFrameTest, EachMethodShowsItsStatusAndOpensItsWindow) {
    struct Row {
        const wchar_t* choice;
        const wchar_t* status;
        const wchar_t* title;
        wxSize size;
    };
    const Row rows[] = {
        {L"Skelett-Theorie", L"Gewählt: Skelett-Theorie", L" Luvo - Skelett-Theorie", {420, 380}},
        {L"3D Panelverfahren",
         L"Gewählt: 3D Panelverfahren",
         L" Luvo - 3D Panelverfahren",
         {420, 760}},
        {L"Einfache Prandtl\u00b4sche Traglinientheorie",
         L"Gewählt: Einfache Prandtl\u00b4sche Traglinientheorie",
         L" Luvo - Einfaches Traglinienverfahren",
         {475, 380}},
        {L"Erweiterte Traglinienverfahren",
         L"Gewählt: Erweitertes Traglinienverfahren",
         L" Luvo - Erweitertes Traglinienverfahren",
         {465, 380}},
        {L"Wirbelleiterverfahren",
         L"Gewählt: Wirbelleiterverfahren",
         L" Luvo - Wirbelleiterverfahren",
         {420, 380}},
        {L"Überschallberechnung",
         L"Gewählt: Überschallberechnung",
         L" Luvo - Überschallverfahren",
         {420, 380}},
    };
    MainFrame* main = Start();
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        const Row& row = rows[i];
        SelectRadio(main->GetMethodBox(), i);
        EXPECT_EQ(main->GetMethodBox()->GetString(i), wxString(row.choice));
        EXPECT_EQ(main->GetStatusBar()->GetStatusText(), wxString(row.status));
        const size_t before = OpenFrames().size();
        Click(main->GetStartButton());
        Click(main->GetStartButton());
        std::vector<wxFrame*> frames = OpenFrames();
        ASSERT_EQ(frames.size(), before + 2);
        wxFrame* first = frames[before];
        wxFrame* second = frames[before + 1];
        EXPECT_NE(first, second);
        for (wxFrame* f : {first, second}) {
            EXPECT_EQ(f->GetTitle(), wxString(row.title));
            EXPECT_EQ(f->GetSize(), row.size);
            EXPECT_TRUE(f->IsShown());
            EXPECT_EQ(f->GetParent(), nullptr);
        }
        EXPECT_EQ(first->GetPosition(), second->GetPosition());
    }
}

TEST_F(MainFrameTest, AboutBoxShowsInfoStatusWhileOpen) {
    MainFrame* main = Start();
    SelectRadio(main->GetMethodBox(), 4);
    ShownBox seen;
    wxString statusWhileOpen;
    wxTEST_DIALOG(SendMenu(main, luvo::kIdMenuInfo),
                  ExpectBoxNotingStatus(&seen, &statusWhileOpen, main));
    EXPECT_EQ(seen.caption, wxS("Info Luvo 1.0"));
    EXPECT_TRUE(seen.HasIcon(wxICON_INFORMATION));
    EXPECT_EQ(statusWhileOpen, wxS("Gewählt: Info"));
    EXPECT_EQ(main->GetStatusBar()->GetStatusText(), wxS("Gewählt: Wirbelleiterverfahren"));
    // Five lines of purpose, a blank line, seven credit lines.
    wxArrayString lines = wxSplit(seen.message, '\n', '\0');
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_TRUE(lines[5].empty());
    EXPECT_TRUE(lines[11].Contains(wxS("Klappen")));
}

TEST_F(MainFrameTest, QuitClosesOnlyTheMainWindowAndKeepsPanelWindowsWorking) {
    MainFrame* main = Start();
    SelectRadio(main->GetMethodBox(), 1);
    Click(main->GetStartButton());
    SelectRadio(main->GetMethodBox(), 4);
    Click(main->GetStartButton());
    ASSERT_EQ(OpenFrames().size(), 3u);
    std::weak_ptr<Panel3dPolarEvaluator> evaluator = Panel3dPolarEvaluator::Shared();
    ASSERT_FALSE(evaluator.expired());

    wxWeakRef<wxFrame> mainRef(main);
    SendMenu(main, luvo::kIdMenuQuit);
    wxTheApp->ProcessIdle();
    EXPECT_FALSE(mainRef);
    std::vector<wxFrame*> left = OpenFrames();
    ASSERT_EQ(left.size(), 2u);
    EXPECT_EQ(Panel3dPolarEvaluator::Shared(), nullptr);
    // The panel window still holds the evaluator; it goes with the last panel window.
    EXPECT_FALSE(evaluator.expired());
    for (wxFrame* f : left) f->Close(true);
    wxTheApp->ProcessIdle();
    EXPECT_TRUE(OpenFrames().empty());
    EXPECT_TRUE(evaluator.expired());
}

TEST_F(MainFrameTest, MethodWindowsHaveTheCommonMenus) {
    MainFrame* main = Start();
    wxMenuBar* bar = main->GetMenuBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->GetMenuLabel(0), wxS("&Datei"));
    EXPECT_EQ(bar->GetMenuLabel(1), wxS("&Hilfe"));
    wxMenuItem* quit = bar->FindItem(luvo::kIdMenuQuit);
    ASSERT_NE(quit, nullptr);
    EXPECT_EQ(quit->GetItemLabel(), wxS("&Beenden...\tAlt-B"));
    EXPECT_EQ(quit->GetHelp(), wxS("Programm beenden"));
    wxMenuItem* info = bar->FindItem(luvo::kIdMenuInfo);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->GetHelp(), wxS("Zeigt Info Dialog"));

    wxFrame* vlm = OpenMethodWindow(4);
    wxMenuItem* close = vlm->GetMenuBar()->FindItem(luvo::kIdMenuClose);
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->GetItemLabel(), wxS("&Schließen...\tAlt-S"));
    EXPECT_EQ(close->GetHelp(), wxS("Fenster schließen"));
    EXPECT_TRUE(vlm->GetIcon().IsOk());
    wxWeakRef<wxFrame> ref(vlm);
    SendMenu(vlm, luvo::kIdMenuClose);
    wxTheApp->ProcessIdle();
    EXPECT_FALSE(ref);
}

TEST_F(MainFrameTest, NumbersKeepTheirPointUnderTheToolkitsLocale) {
    // The window tests run under de_DE when the machine has it; the conversion must not care.
    EXPECT_DOUBLE_EQ(luvo::ToNumber(wxS("")), 0.0);
    EXPECT_DOUBLE_EQ(luvo::ToNumber(wxS("-")), 0.0);
    // A field's decimal comma is a point, also where the locale's is a comma.
    EXPECT_DOUBLE_EQ(luvo::ToNumber(wxS("1,5")), 1.5);
    EXPECT_DOUBLE_EQ(luvo::ToNumber(wxS("12.5x")), 12.5);
    EXPECT_EQ(luvo::FormatWx("%.3f", 0.0827), wxS("0.083"));
    EXPECT_EQ(wxString::Format("%.3f", 0.0827), wxS("0.083"));
}

TEST_F(MainFrameTest, NumericFieldRefusesLettersButTakesAccelerators) {
    wxFrame* frame = OpenMethodWindow(4);
    auto* field = new luvo::NumericField(frame, wxID_ANY, wxS("1"));
    wxKeyEvent letter(wxEVT_CHAR);
    letter.m_keyCode = 'x';
    letter.m_uniChar = 'x';
    letter.SetEventObject(field);
    field->GetValidator()->ProcessEvent(letter);
    EXPECT_FALSE(letter.GetSkipped());  // swallowed
    wxKeyEvent digit(wxEVT_CHAR);
    digit.m_keyCode = ',';
    digit.m_uniChar = ',';
    digit.SetEventObject(field);
    field->GetValidator()->ProcessEvent(digit);
    EXPECT_TRUE(digit.GetSkipped());
    wxKeyEvent alt(wxEVT_CHAR);
    alt.m_keyCode = 's';
    alt.m_uniChar = 's';
    alt.m_altDown = true;
    alt.SetEventObject(field);
    field->GetValidator()->ProcessEvent(alt);
    EXPECT_TRUE(alt.GetSkipped());
}

// Pictures of every window built so far, for looking at them all at once.
class ScreenTour : public MainFrameTest {};

TEST_F(ScreenTour, MainAndMethodWindows) {
    MainFrame* main = Start();
    wxImage shot = CaptureFrame(main);
    EXPECT_TRUE(shot.IsOk());
    SaveTourShot(main, "app_main");
    const char* names[] = {"camber_method", "panel3d_method", "llt_method",
                           "etl_method",    "vlm_method",     "supersonic_method"};
    main->Hide();
    for (int i = 0; i < 6; ++i) {
        wxFrame* f = OpenMethodWindow(i);
        SaveTourShot(f, names[i]);
        f->Destroy();
        wxTheApp->ProcessIdle();
    }
}

}  // namespace
