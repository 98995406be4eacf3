#include "common/gui/ChordwiseSpacingCanvas.h"

#include <wx/dcclient.h>
#include <wx/stattext.h>

#include <algorithm>

#include "common/gui/WxPlotPainter.h"

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

wxBEGIN_EVENT_TABLE(ChordwiseSpacingCanvas, wxWindow)
    EVT_PAINT(ChordwiseSpacingCanvas::OnPaint)
wxEND_EVENT_TABLE()

wxSlider* AddSpacingSlider(wxWindow* parent, wxWindowID id, const wxPoint& at) {
    auto* slider =
        new wxSlider(parent, id, 4, 1, 100, at, wxSize(155, -1), wxSL_HORIZONTAL | wxSL_LABELS);
    // The toolkit draws the range labels "1" and "100" inside the slider's own rectangle.
    const int top = std::max(130, slider->GetRect().GetBottom() + 2);
    new wxStaticText(parent, wxID_ANY, wxS("1:     vorne fein, hinten fein"), wxPoint(at.x, top));
    new wxStaticText(parent, wxID_ANY, wxS("100: vorne fein, hinten grob"),
                     wxPoint(at.x, top + 20));
    return slider;
}

}  // namespace luvo
