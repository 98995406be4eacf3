#include "llt/gui/LltTwistDesignCanvases.h"

namespace {

// Device origin of the chord plot: the pointer's logical coordinates are relative to it.
const wxPoint kChordOrigin(50, 75);

}  // namespace

void LltTwistDesignCirculationCanvas::OnMouse(wxMouseEvent& event) {
    CirculationMouse(event, LltTwistDesignCirculationDrag, LltTwistDesignCirculationScale);
}

luvo::DragHandles LltTwistDesignChordCanvas::PickHandles(wxPoint at) {
    const LltTwistDesignInputs in = frame_.ReadInputs();
    const wxPoint p = at - kChordOrigin;
    return LltPickSectionHandles(
        in.s1, in.s2, in.s3, kLltChordRows, p.x, p.y,
        {LltChordMarkRow(in.span, in.chordB), LltChordMarkRow(in.span, in.chordC),
         LltChordMarkRow(in.span, in.chordD)});
}

void LltTwistDesignChordCanvas::OnMouse(wxMouseEvent& event) {
    if (!DragStep(event, wxS("Eingabe der Tiefenverteilung"))) return;
    const LltTwistDesignInputs in = frame_.ReadInputs();
    const wxPoint at = event.GetPosition() - kChordOrigin;
    // Handles that share a column were picked, and move, together.
    MoveHandles(LltTwistDesignChordDrag(in.span, in.s1, in.s2, in.s3, Held(), at.y), kChordOrigin,
                wxPen(wxColour(wxS("grey")), 0, wxPENSTYLE_SOLID), *wxWHITE_BRUSH);
}

wxBEGIN_EVENT_TABLE(LltTwistDesignCirculationCanvas, luvo::PlotCanvas)
    EVT_PAINT(LltTwistDesignCirculationCanvas::OnPaint)
    EVT_MOUSE_EVENTS(LltTwistDesignCirculationCanvas::OnMouse)
wxEND_EVENT_TABLE()

wxBEGIN_EVENT_TABLE(LltTwistDesignChordCanvas, luvo::PlotCanvas)
    EVT_PAINT(LltTwistDesignChordCanvas::OnPaint)
    EVT_MOUSE_EVENTS(LltTwistDesignChordCanvas::OnMouse)
wxEND_EVENT_TABLE()

wxBEGIN_EVENT_TABLE(LltTwistDesignTwistCanvas, luvo::PlotCanvas)
    EVT_PAINT(LltTwistDesignTwistCanvas::OnPaint)
wxEND_EVENT_TABLE()
