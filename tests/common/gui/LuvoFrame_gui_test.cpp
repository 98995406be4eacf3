// The frame pattern every window shares: where a window opens, which of a menu shortcut and a
// button mnemonic gets Alt+letter, and where the focus goes when a consumed click hits a check
// box or radio button.

#include <wx/app.h>
#include <wx/display.h>

#include "common/gui/LuvoFrame.h"
#include "common/gui/NumericField.h"
#include "supersonic/gui/SupersonicMethodFrame.h"
#include "supersonic/gui/SupersonicModule.h"
#include "supersonic/gui/SupersonicPartsFrame.h"
#include "tests/support/GuiHarness.h"

namespace {

using namespace luvo::test;

class LuvoFrameTest : public GuiTest {};

// A centred window that does not fit the display keeps its size and shows its top-left corner
// (title, menu bar); a window that fits is centred as before.
TEST_F(LuvoFrameTest, CentredWindowsKeepTheirTopLeftCornerOnTheDisplay) {
    const wxRect area = wxGetClientDisplayRect();
    const struct {
        const char* name;
        wxSize size;
        bool fitsAcross;
        bool fitsDown;
    } cases[] = {
        {"fits", wxSize(300, 200), true, true},
        {"taller", wxSize(300, area.height + 42), true, false},
        {"wider", wxSize(area.width + 100, 200), false, true},
        {"both", wxSize(area.width + 100, area.height + 100), false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto* frame = new luvo::LuvoFrame(wxS("Probe"), wxDefaultPosition, c.size);
        frame->Centre(wxBOTH);
        const wxRect r = frame->GetRect();
        EXPECT_EQ(r.GetSize(), c.size);
        const int x = c.fitsAcross ? area.x + (area.width - c.size.x) / 2 : area.x;
        const int y = c.fitsDown ? area.y + (area.height - c.size.y) / 2 : area.y;
        EXPECT_NEAR(r.x, x, 1);
        EXPECT_NEAR(r.y, y, 1);
        frame->Destroy();
        wxTheApp->ProcessIdle();
    }

    // The tallest window (830 by 810), centred on a 1024 by 768 display, would open 42 pixels
    // above the screen, with its menu off screen.
    SupersonicPartsFrame* parts = OpenSupersonicPartsFrame(wxEmptyString);
    const wxRect r = parts->GetRect();
    EXPECT_EQ(r.GetSize(), wxSize(830, 810));
    EXPECT_TRUE(area.Contains(r.GetTopLeft())) << r.x << ", " << r.y;
    CloseSupersonicDesignFrame();
}

// A window as the method windows build them: a field and "&Starten" (whose mnemonic is Alt+S
// under GTK), with the frame pattern's menus; it counts what each key reached.
class ShortcutProbe : public luvo::LuvoFrame {
  public:
    explicit ShortcutProbe(luvo::FileMenu menu)
        : luvo::LuvoFrame(wxS("Probe"), wxDefaultPosition, wxSize(320, 200), menu) {
        field = new luvo::NumericField(GetPanel(), wxID_ANY, wxS("1.5"), wxPoint(10, 10),
                                       wxSize(60, -1));
        start = new wxButton(GetPanel(), luvo::kIdButtonStart, wxS("&Starten"), wxPoint(10, 60));
        Bind(wxEVT_MENU, [this](wxCommandEvent& e) { menuIds.push_back(e.GetId()); });
        start->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ++starts; });
    }
    luvo::NumericField* field;
    wxButton* start;
    std::vector<int> menuIds;
    int starts = 0;
};

class ScreenLuvoFrame : public GuiTest {
  protected:
    static void FocusOn(wxWindow* w) {
        w->SetFocus();
        ASSERT_TRUE(WaitFor([&] { return wxWindow::FindFocus() == w; }, 2000));
    }
};

// Alt+S, Alt+I and Alt+B run their menu entries wherever the focus is, also where a button's
// mnemonic is the same letter; the buttons still take the mouse, Space and Enter.
TEST_F(ScreenLuvoFrame, MenuShortcutsWinOverButtonMnemonics) {
    const struct {
        const char* name;
        luvo::FileMenu menu;
        int key;
        int menuId;
    } cases[] = {
        {"Alt+S closes", luvo::FileMenu::Close, 's', luvo::kIdMenuClose},
        {"Alt+S closes (id 1)", luvo::FileMenu::CloseAsId1, 's', luvo::kIdMenuQuit},
        {"Alt+I shows the info", luvo::FileMenu::Close, 'i', luvo::kIdMenuInfo},
        {"Alt+B ends the program", luvo::FileMenu::Quit, 'b', luvo::kIdMenuQuit},
    };
    for (const auto& c : cases) {
        for (bool onButton : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (onButton ? ", focus on Starten" : ", in field"));
            auto* f = new ShortcutProbe(c.menu);
            Present(f);
            FocusOn(onButton ? static_cast<wxWindow*>(f->start) : f->field);
            RealKey(c.key, wxMOD_ALT);
            EXPECT_EQ(f->menuIds, std::vector<int>{c.menuId});
            EXPECT_EQ(f->starts, 0);
            EXPECT_EQ(f->field->GetValue(), wxS("1.5"));
            f->Destroy();
            wxTheApp->ProcessIdle();
        }
    }

    auto* f = new ShortcutProbe(luvo::FileMenu::Close);
    Present(f);
    int expected = 0;
    for (int key : {WXK_SPACE, WXK_RETURN}) {
        FocusOn(f->start);
        RealKey(key);
        EXPECT_EQ(f->starts, ++expected) << key;
    }
    RealClick(f->start, wxPoint(5, 5));
    EXPECT_EQ(f->starts, ++expected);
    EXPECT_TRUE(f->menuIds.empty());
}

}  // namespace
