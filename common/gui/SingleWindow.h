#pragma once
// Windows that exist at most once for the whole program: the first request builds the window,
// every later one while it is open only centres and shows it again, so its inputs stay.

#include <wx/frame.h>

#include <utility>

namespace luvo {

// `make` builds the window; with `raise` a window already open also comes to the front.
template <class Frame, class Make>
Frame* ShowSingleWindow(Frame*& frame, bool& open, bool raise, Make make) {
    if (!open) {
        frame = make();
        open = true;
    }
    frame->Centre(wxBOTH);
    frame->Show(true);
    if (raise) frame->Raise();
    return frame;
}

// `extra` goes to the window's constructor after the style.
template <class Frame, class... Extra>
Frame* OpenSingleWindow(Frame*& frame, bool& open, const wxString& title, const wxSize& size,
                        long style = wxDEFAULT_FRAME_STYLE, Extra&&... extra) {
    return ShowSingleWindow(frame, open, true, [&] {
        return new Frame(title, wxDefaultPosition, size, style, std::forward<Extra>(extra)...);
    });
}

}  // namespace luvo
