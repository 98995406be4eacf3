#pragma once
// Canvases that the results windows of the 3D methods share: the chordwise pressure plot with
// its two scales, and the light grey canvas of a red warning.

#include <wx/window.h>

#include <string>
#include <vector>

#include "common/core/PlotPainter.h"

namespace luvo {

// The pressure plot of a results window. A paint always draws the fitted scale; the results
// window's scale choice draws the chosen one at once, until the next paint.
class CpCanvas : public wxWindow {
  public:
    CpCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size,
             long style = wxSUNKEN_BORDER);

    // Draw at once, on the axis fitted to the lowest cp or on the fixed axis from -1 to 1;
    // nothing while the canvas is not on screen.
    void DrawScaled();
    void DrawFixedScale();

  protected:
    // Draws the plot of the window's run; nothing while there is none.
    virtual void DrawPlot(PlotPainter& painter, bool scaled) = 0;

  private:
    void DrawNow(bool scaled);
    void Draw(wxDC& dc, bool scaled);
    void OnPaint(wxPaintEvent& event);
    wxDECLARE_EVENT_TABLE();
};

// Red lines of text on light grey.
class WarningCanvas : public wxWindow {
  public:
    WarningCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size,
                  std::vector<std::string> lines, long style = wxSUNKEN_BORDER);

    const std::vector<std::string>& Lines() const { return lines_; }

  private:
    void OnPaint(wxPaintEvent& event);
    std::vector<std::string> lines_;
    wxDECLARE_EVENT_TABLE();
};

}  // namespace luvo
