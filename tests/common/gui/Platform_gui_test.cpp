#include <wx/dcclient.h>

#include "common/gui/LuvoFrame.h"
#include "common/gui/NumericField.h"
#include "tests/support/GuiHarness.h"

namespace {

using namespace luvo::test;

// Plots are redrawn through client device contexts at every recomputation, outside any
// paint event; on the chosen display backend that drawing must reach the screen.
class ScreenPlatform : public GuiTest {};

TEST_F(ScreenPlatform, ClientDcDrawingOutsidePaintReachesTheScreen) {
    auto* frame = new luvo::LuvoFrame(wxS("Probe"), wxDefaultPosition, wxSize(300, 200));
    auto* canvas = new wxWindow(frame->GetPanel(), wxID_ANY, wxPoint(10, 10), wxSize(100, 80));
    canvas->SetBackgroundColour(*wxWHITE);
    CaptureFrame(frame);  // shown and painted
    {
        wxClientDC dc(canvas);
        dc.SetPen(*wxRED_PEN);
        dc.SetBrush(*wxRED_BRUSH);
        dc.DrawRectangle(20, 20, 40, 30);
    }
    wxImage shot = ReadScreen(canvas);
    const wxPoint at(40, 35);
    EXPECT_EQ(shot.GetRed(at.x, at.y), 255);
    EXPECT_EQ(shot.GetGreen(at.x, at.y), 0);
}

// The windows place controls at fixed pixels, 25 pixels apart, with 13-pixel text lines.
TEST_F(ScreenPlatform, UiFontAndFieldsAreSmallEnoughForTheFixedLayouts) {
    auto* frame = new luvo::LuvoFrame(wxS("Probe"), wxDefaultPosition, wxSize(300, 200));
    auto* field = new luvo::NumericField(frame->GetPanel(), wxID_ANY, wxS("12.5"), wxPoint(10, 10),
                                         wxSize(40, -1));
    auto* label = new wxStaticText(frame->GetPanel(), wxID_ANY, wxS("A0\nA1\nA2"), wxPoint(60, 10));
    auto* button = new wxButton(frame->GetPanel(), wxID_ANY, wxS("&Schließen"), wxPoint(10, 60));
    CaptureFrame(frame);
    EXPECT_LE(field->GetSize().y, 25);
    EXPECT_LE(button->GetSize().y, 28);
    EXPECT_LE(label->GetSize().y, 3 * 14);
    EXPECT_GE(label->GetSize().y, 3 * 10);
    EXPECT_LE(frame->GetPanel()->GetTextExtent(wxS("Wölbungsrücklage in %:10")).x, 150);
}

}  // namespace
