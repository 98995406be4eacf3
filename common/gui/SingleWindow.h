#pragma once
// Windows that exist at most once for the whole program: the first request builds the window,
// every later one while it is open only centres and shows it again, so its inputs stay.

#include <wx/app.h>
#include <wx/frame.h>
#include <wx/weakref.h>

#include <utility>

namespace luvo {

// A window that exists at most once is held by a weak reference, which empties itself when the
// window is deleted; its close handler empties it at once (`Release()`), since a closed frame is
// deleted only when the program is next idle. A frame destroyed by another way counts as gone
// from then on too, so that it is never shown again.
template <class Frame>
bool IsLiveWindow(const wxWeakRef<Frame>& frame) {
    return frame && !frame->IsBeingDeleted() &&
           !(wxTheApp != nullptr && wxTheApp->IsScheduledForDestruction(frame.get()));
}

// A closing window empties the module's reference to it, and only to it: true when the reference
// named the window.
template <class Frame>
bool ReleaseIfHeld(wxWeakRef<Frame>& frame, const wxWindow* window) {
    if (frame.get() != window) return false;
    frame.Release();
    return true;
}

// `make` builds the window; with `raise` a window already open also comes to the front.
template <class Frame, class Make>
Frame* ShowSingleWindow(wxWeakRef<Frame>& frame, bool raise, Make make) {
    if (!IsLiveWindow(frame)) frame = make();
    frame->Centre(wxBOTH);
    frame->Show(true);
    if (raise) frame->Raise();
    return frame;
}

// `extra` goes to the window's constructor after the style.
template <class Frame, class... Extra>
Frame* OpenSingleWindow(wxWeakRef<Frame>& frame, const wxString& title, const wxSize& size,
                        long style = wxDEFAULT_FRAME_STYLE, Extra&&... extra) {
    return ShowSingleWindow(frame, true, [&] {
        return new Frame(title, wxDefaultPosition, size, style, std::forward<Extra>(extra)...);
    });
}

}  // namespace luvo
