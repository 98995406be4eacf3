#pragma once
// The canvas of the chordwise spacing sketch in the discretisation windows of both 3D methods. It
// keeps no value of its own: every paint and every redraw takes the slider's value.

#include <wx/slider.h>
#include <wx/window.h>

#include "common/core/ChordwiseSpacingSketch.h"

namespace luvo {

class ChordwiseSpacingCanvas : public wxWindow {
  public:
    // White, with the sketch for `slider`, which must outlive the canvas (a sibling does).
    ChordwiseSpacingCanvas(wxWindow* parent, wxSlider* slider, const wxPoint& pos,
                           const wxSize& size);

    // Draws the sketch for the slider's value now, outside a paint; nothing while the canvas is
    // not on screen.
    void Redraw();

    // The slider value, start angle and angle step of the sketch last drawn.
    const ChordwiseSpacingSketch& Sketch() const { return sketch_; }

  private:
    void OnPaint(wxPaintEvent& event);
    void Draw(wxDC& dc);

    wxSlider* slider_;
    ChordwiseSpacingSketch sketch_;
    wxDECLARE_EVENT_TABLE();
};

// The spacing slider (1 to 100, starting at 4, its value and range labels shown), 155 pixels wide
// at `at`, and below it the two texts that explain its ends: at y = 130 and 150 when the slider
// ends above them, else moved down just below its range labels.
wxSlider* AddSpacingSlider(wxWindow* parent, wxWindowID id, const wxPoint& at);

}  // namespace luvo
