#pragma once
// What the drag handlers of the two design windows share: which motion events act, writing a
// drag's texts into the fields, and the mark that a dragged handle leaves at the pointer.

#include <wx/brush.h>
#include <wx/dcclient.h>
#include <wx/pen.h>
#include <wx/textctrl.h>

#include <functional>
#include <vector>

#include "llt/LltInputChecks.h"

// A drag acts on pointer motion with the left, middle or right button held.
inline bool LltDragMotion(const wxMouseEvent& e) {
    return e.GetEventType() == wxEVT_MOTION &&
           (e.LeftIsDown() || e.MiddleIsDown() || e.RightIsDown());
}

// Writes each text into its field, in order; every write runs the field's checks, and with them
// the window's recomputation, before the next one.
inline void LltWriteFields(const std::vector<LltWrite>& writes,
                           const std::function<wxTextCtrl*(LltInput)>& field) {
    for (const LltWrite& w : writes) {
        if (wxTextCtrl* f = field(w.input)) f->SetValue(wxString::FromUTF8(w.text));
    }
}

// The 4 x 4 mark of a dragged handle, drawn on the plot (whose device origin is given) after the
// recomputation has redrawn it.
inline void LltDrawDragMark(wxWindow* canvas, wxPoint origin, const wxPen& pen,
                            const wxBrush& brush, int x, int y) {
    if (!canvas->IsShownOnScreen()) return;
    wxClientDC dc(canvas);
    dc.SetDeviceOrigin(origin.x, origin.y);
    dc.SetPen(pen);
    dc.SetBrush(brush);
    dc.DrawRectangle(x, y, 4, 4);
}
