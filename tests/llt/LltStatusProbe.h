#pragma once
// The info box of a lifting-line window, opened from its menu.

#include <wx/frame.h>

#include "common/LuvoFrame.h"
#include "support/GuiHarness.h"

namespace llt_test {

// Opens the window's info box from its menu; returns the box as it was shown and notes the
// window's status text while it was open.
inline luvo::test::ShownBox ShowInfoBox(wxFrame* frame, wxString* statusWhileOpen) {
    luvo::test::ShownBox seen;
    wxTEST_DIALOG(luvo::test::SendMenu(frame, luvo::kIdMenuInfo),
                  luvo::test::ExpectBoxNotingStatus(&seen, statusWhileOpen, frame));
    return seen;
}

}  // namespace llt_test
