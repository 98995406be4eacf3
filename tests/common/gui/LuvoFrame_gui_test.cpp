// The frame pattern every window shares: where a window opens, which of a menu shortcut and a
// button mnemonic gets Alt+letter, and where the focus goes when a consumed click hits a check
// box or radio button.

#include <wx/app.h>
#include <wx/display.h>
#include <wx/scrolwin.h>

#include "common/gui/LuvoFrame.h"
#include "common/gui/NumericField.h"
#include "tests/support/GuiHarness.h"

namespace {

using namespace luvo::test;

class LuvoFrameTest : public GuiTest {};

// A window larger than the screen's work area opens at most as large as the work area, keeps
// its layout and lets its content scroll, with its top-left corner (title, menu bar) on screen;
// a window that fits is centred as before and does not scroll.
TEST_F(LuvoFrameTest, WindowsLargerThanTheWorkAreaScrollTheirContent) {
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
        const wxSize fitted(c.fitsAcross ? c.size.x : area.width,
                            c.fitsDown ? c.size.y : area.height);
        EXPECT_EQ(r.GetSize(), fitted);
        EXPECT_NEAR(r.x, area.x + (area.width - fitted.x) / 2, 1);
        EXPECT_NEAR(r.y, area.y + (area.height - fitted.y) / 2, 1);
        // The content keeps the size the window was laid out for: its full size without the
        // menu and status lines.
        const wxSize layout = c.size - (frame->GetSize() - frame->GetClientSize());
        auto* scrolled = dynamic_cast<wxScrolledWindow*>(frame->GetPanel()->GetParent());
        if (c.fitsAcross && c.fitsDown) {
            EXPECT_EQ(scrolled, nullptr);
        } else {
            ASSERT_NE(scrolled, nullptr);
            EXPECT_EQ(scrolled->GetVirtualSize(), layout);
            EXPECT_EQ(frame->GetPanel()->GetSize(), layout);
        }
        frame->Destroy();
        wxTheApp->ProcessIdle();
    }
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
