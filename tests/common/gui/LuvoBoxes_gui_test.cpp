#include "common/gui/LuvoFrame.h"
#include "tests/support/GuiHarness.h"

namespace {

using namespace luvo::test;

class LuvoBoxes : public GuiTest {};

// GTK's own message dialog draws no image: the boxes must hold the icon that their style names.
TEST_F(LuvoBoxes, InfoAndErrorBoxesHoldTheirIconImageTextsAndOnlyOk) {
    auto* frame = new luvo::LuvoFrame(wxS("Probe"), wxDefaultPosition, wxSize(300, 200));
    const struct {
        void (*show)(wxWindow*, const wxString&, const wxString&);
        long icon;
        long otherIcon;
    } cases[] = {
        {luvo::ShowInfoBox, wxICON_INFORMATION, wxICON_ERROR},
        {luvo::ShowErrorBox, wxICON_ERROR, wxICON_INFORMATION},
    };
    for (const auto& c : cases) {
        ShownBox seen;
        wxTEST_DIALOG(c.show(frame, wxS("Wölbung größer 6% nicht möglich"), wxS("Fehler Ä")),
                      ExpectBox(&seen));
        EXPECT_EQ(seen.caption, wxS("Fehler Ä"));
        EXPECT_EQ(seen.message, wxS("Wölbung größer 6% nicht möglich"));
        EXPECT_TRUE(seen.iconDrawn);
        EXPECT_TRUE(seen.HasIcon(c.icon));
        EXPECT_FALSE(seen.HasIcon(c.otherIcon));
        EXPECT_EQ(seen.style & (wxOK | wxCANCEL | wxYES_NO), wxOK);
    }
}

class ScreenLuvoBoxes : public GuiTest {};

// The box as the X server shows it: the icon's place holds coloured pixels, not background.
TEST_F(ScreenLuvoBoxes, ShownErrorBoxDrawsItsIconOnTheScreen) {
    auto* frame = new luvo::LuvoFrame(wxS("Probe"), wxDefaultPosition, wxSize(300, 200));
    CaptureFrame(frame);
    ShownBox seen;
    wxImage shot;
    wxRect icon;
    wxTEST_DIALOG(luvo::ShowErrorBox(frame, wxS("Spannweite muß größer 0 sein"),
                                     wxS("Eingabefehler Spannweite")),
                  ShowBoxOnScreen(&seen, &shot, &icon, "message_box_error"));
    EXPECT_TRUE(seen.HasIcon(wxICON_ERROR));
    ASSERT_TRUE(shot.IsOk());
    ASSERT_FALSE(icon.IsEmpty());
    ASSERT_TRUE(wxRect(0, 0, shot.GetWidth(), shot.GetHeight()).Contains(icon));
    // The error icon is red: count strongly red pixels inside its rectangle.
    int red = 0;
    for (int y = icon.GetTop(); y <= icon.GetBottom(); ++y) {
        for (int x = icon.GetLeft(); x <= icon.GetRight(); ++x) {
            if (shot.GetRed(x, y) > 150 && shot.GetGreen(x, y) < 100 && shot.GetBlue(x, y) < 100) {
                ++red;
            }
        }
    }
    EXPECT_GT(red, icon.GetWidth() * icon.GetHeight() / 8);
}

}  // namespace
