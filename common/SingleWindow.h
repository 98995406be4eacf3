#pragma once
// Windows that exist at most once for the whole program: the first request builds the window,
// every later one while it is open only centres and shows it again, so its inputs stay.

#include <wx/frame.h>

#include <utility>

namespace luvo {

// `extra` goes to the window's constructor after the style.
template <class Frame, class... Extra>
Frame* OpenSingleWindow(Frame*& frame, bool& open, const wxString& title, const wxSize& size,
                        long style = wxDEFAULT_FRAME_STYLE, Extra&&... extra) {
    if (!open) {
        frame = new Frame(title, wxDefaultPosition, size, style, std::forward<Extra>(extra)...);
        open = true;
    }
    frame->Centre(wxBOTH);
    frame->Show(true);
    frame->Raise();
    return frame;
}

}  // namespace luvo
