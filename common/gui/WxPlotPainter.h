#pragma once
// The plot painter on a device context of the window library.

#include <wx/dc.h>
#include <wx/font.h>

#include <utility>

#include "common/core/PlotPainter.h"

namespace luvo {

class WxPlotPainter : public PlotPainter {
  public:
    explicit WxPlotPainter(wxDC& dc) : dc_(dc) {}

    void SetOrigin(int x, int y) override;
    void SetPen(const PlotPen& pen) override;
    void SetBrush(const PlotBrush& brush) override;
    void SetTextColour(PlotColour colour) override;
    void UseSmallFont() override;
    void Line(int x1, int y1, int x2, int y2) override;
    void Rectangle(int x, int y, int width, int height) override;
    void Ellipse(int x, int y, int width, int height) override;
    void Arc(int x1, int y1, int x2, int y2, int xc, int yc) override;
    void EllipticArc(int x, int y, int width, int height, double start, double end) override;
    void Text(const std::string& text, int x, int y) override;
    PlotSize TextSize(const std::string& text) override;
    PlotRect Area() override;
    void Clip(const PlotRect& rect) override;
    void Unclip() override;

  private:
    wxDC& dc_;
};

// The small 8-point sans-serif font of the plots (titles and labels).
wxFont PlotSmallFont();

// Clears the context to white and writes the plot's title in the small font at (x, y).
void StartPlot(wxDC& dc, const wxString& title, int x, int y);

// Runs a plot routine on the context.
template <class... Params, class... Args>
void DrawOn(wxDC& dc, void (*paint)(PlotPainter&, Params...), Args&&... args) {
    WxPlotPainter painter(dc);
    paint(painter, std::forward<Args>(args)...);
}

}  // namespace luvo
