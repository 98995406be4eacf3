#include "llt/gui/LltChordDesignCanvases.h"

#include <wx/dcclient.h>

namespace {

// Device origin of the twist plot: the pointer's logical coordinates are relative to it.
const wxPoint kTwistOrigin(45, 90);

}  // namespace

void LltChordDesignCirculationCanvas::OnMouse(wxMouseEvent& event) {
    CirculationMouse(event, LltChordDesignCirculationDrag, LltChordDesignCirculationScale);
}

void LltChordDesignTwistCanvas::OnPaint(wxPaintEvent&) {
    // The recomputations of the other two plots draw this one; its own repaint draws the last
    // accepted result again, without recomputing or writing the file.
    Paint([this] { frame_.RedrawLastAccepted(); });
}

luvo::DragHandles LltChordDesignTwistCanvas::PickHandles(wxPoint at) {
    const LltChordDesignInputs in = frame_.ReadInputs();
    const wxPoint p = at - kTwistOrigin;
    return LltPickSectionHandles(
        in.s1, in.s2, in.s3, kLltTwistRows, p.x, p.y,
        {LltTwistMarkRow(in.angleB), LltTwistMarkRow(in.angleC), LltTwistMarkRow(in.angleD)});
}

void LltChordDesignTwistCanvas::OnMouse(wxMouseEvent& event) {
    if (!DragStep(event, wxS("Eingabe der Parameter"))) return;
    const LltChordDesignInputs in = frame_.ReadInputs();
    const wxPoint at = event.GetPosition() - kTwistOrigin;
    // Handles that share a column were picked, and move, together.
    MoveHandles(LltChordDesignTwistDrag(in.s1, in.s2, in.s3, Held(), at.y), kTwistOrigin,
                *wxBLACK_PEN, wxBrush(wxColour(wxS("blue"))));
}

wxBEGIN_EVENT_TABLE(LltChordDesignCirculationCanvas, luvo::PlotCanvas)
    EVT_PAINT(LltChordDesignCirculationCanvas::OnPaint)
    EVT_MOUSE_EVENTS(LltChordDesignCirculationCanvas::OnMouse)
wxEND_EVENT_TABLE()

wxBEGIN_EVENT_TABLE(LltChordDesignTwistCanvas, luvo::PlotCanvas)
    EVT_PAINT(LltChordDesignTwistCanvas::OnPaint)
    EVT_MOUSE_EVENTS(LltChordDesignTwistCanvas::OnMouse)
wxEND_EVENT_TABLE()

wxBEGIN_EVENT_TABLE(LltChordDesignChordCanvas, luvo::PlotCanvas)
    EVT_PAINT(LltChordDesignChordCanvas::OnPaint)
wxEND_EVENT_TABLE()
