#pragma once
// Windows that may exist only once: the opener keeps a module pointer and an open flag, which
// the window's close handler clears.

#include <wx/toplevel.h>

#include <utility>

namespace luvo {

// Creates the window from `args` when none is open, then centres and shows it; an open window
// keeps its inputs and comes to the front again.
template <class Frame, class... Args>
Frame* ShowSingleWindow(Frame*& frame, bool& open, Args&&... args) {
    if (!open) {
        frame = new Frame(std::forward<Args>(args)...);
        open = true;
    }
    frame->Centre(wxBOTH);
    frame->Show(true);
    frame->Raise();
    return frame;
}

}  // namespace luvo
