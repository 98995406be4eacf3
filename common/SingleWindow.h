#pragma once
// Windows that exist at most once for the whole program: the first request builds the window,
// every later one while it is open only centres and shows it again, so its inputs stay.

#include <wx/frame.h>

namespace luvo {

template <class Frame>
Frame* OpenSingleWindow(Frame*& frame, bool& open, const wxString& title, const wxSize& size,
                        long style = wxDEFAULT_FRAME_STYLE) {
    if (!open) {
        frame = new Frame(title, wxDefaultPosition, size, style);
        open = true;
    }
    frame->Centre(wxBOTH);
    frame->Show(true);
    frame->Raise();
    return frame;
}

}  // namespace luvo
