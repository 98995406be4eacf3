#include "common/ChordwiseSpacingCanvas.h"

#include <wx/dcclient.h>

#include "common/WxPlotPainter.h"

namespace luvo {

ChordwiseSpacingCanvas::ChordwiseSpacingCanvas(wxWindow* parent, wxSlider* slider,
                                               const wxPoint& pos, const wxSize& size)
    : wxWindow(parent, wxID_ANY, pos, size),
      slider_(slider),
      sketch_(ChordwiseSpacingSketchFor(slider->GetValue())) {
    SetBackgroundColour(*wxWHITE);
}

void ChordwiseSpacingCanvas::Redraw() {
    // A client context of a window that is not on screen would draw onto the desktop; the
    // paint at its showing draws the slider's value.
    if (!IsShownOnScreen()) return;
    wxClientDC dc(this);
    Draw(dc);
}

void ChordwiseSpacingCanvas::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    Draw(dc);
}

void ChordwiseSpacingCanvas::Draw(wxDC& dc) {
    sketch_ = ChordwiseSpacingSketchFor(slider_->GetValue());
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    DrawOn(dc, DrawChordwiseSpacingSketch, sketch_);
}

// clang-format off
wxBEGIN_EVENT_TABLE(ChordwiseSpacingCanvas, wxWindow)
    EVT_PAINT(ChordwiseSpacingCanvas::OnPaint)
wxEND_EVENT_TABLE()

}  // namespace luvo
