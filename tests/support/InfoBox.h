#pragma once
// The info box of a window, opened from its menu.

#include <wx/frame.h>

#include "common/gui/LuvoFrame.h"
#include "tests/support/GuiHarness.h"

namespace luvo::test {

// Opens the window's info box from its menu; returns the box as it was shown and notes the
// window's status text while it was open.
inline ShownBox ShowInfoBox(wxFrame* frame, wxString* statusWhileOpen) {
    ShownBox seen;
    wxTEST_DIALOG(SendMenu(frame, luvo::kIdMenuInfo),
                  ExpectBoxNotingStatus(&seen, statusWhileOpen, frame));
    return seen;
}

}  // namespace luvo::test
