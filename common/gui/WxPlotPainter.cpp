#include "common/gui/WxPlotPainter.h"

#include <wx/brush.h>
#include <wx/colour.h>
#include <wx/pen.h>

#include <cmath>
#include <initializer_list>

namespace luvo {

namespace {

wxColour ToWx(PlotColour c) { return wxColour(c.red, c.green, c.blue); }

// Beyond this the device's own arithmetic (offset by the origin, rounded to int) fails its
// range checks; no canvas is anywhere near as large.
constexpr int kDeviceLimit = 1000000;

bool OnDevice(std::initializer_list<int> coordinates) {
    for (int v : coordinates) {
        if (v < -kDeviceLimit || v > kDeviceLimit) return false;
    }
    return true;
}

// The device fails on an ellipse that has no extent, so such a box draws nothing.
bool HasExtent(int width, int height) { return width > 0 && height > 0; }

wxPenStyle ToWx(PlotPenStyle style) {
    switch (style) {
        case PlotPenStyle::Dot:
            return wxPENSTYLE_DOT;
        case PlotPenStyle::ShortDash:
            return wxPENSTYLE_SHORT_DASH;
        case PlotPenStyle::LongDash:
            return wxPENSTYLE_LONG_DASH;
        case PlotPenStyle::Solid:
            break;
    }
    return wxPENSTYLE_SOLID;
}

}  // namespace

wxFont PlotSmallFont() {
    // The captions place their subscripts with runs of blanks: they need a face with the
    // proportions of the classic 8-point sans-serif UI font, as Liberation Sans has.
    return wxFont(wxFontInfo(8).Family(wxFONTFAMILY_SWISS).FaceName(wxS("Liberation Sans")));
}

void StartPlot(wxDC& dc, const wxString& title, int x, int y) {
    dc.SetDeviceOrigin(0, 0);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    dc.SetFont(PlotSmallFont());
    dc.DrawText(title, x, y);
}

void WxPlotPainter::SetOrigin(int x, int y) { dc_.SetDeviceOrigin(x, y); }

void WxPlotPainter::SetPen(const PlotPen& pen) {
    dc_.SetPen(wxPen(ToWx(pen.colour), pen.width, ToWx(pen.style)));
}

void WxPlotPainter::SetBrush(const PlotBrush& brush) {
    dc_.SetBrush(brush.transparent ? *wxTRANSPARENT_BRUSH : wxBrush(ToWx(brush.colour)));
}

void WxPlotPainter::SetTextColour(PlotColour colour) { dc_.SetTextForeground(ToWx(colour)); }

void WxPlotPainter::UseSmallFont() {
    dc_.SetFont(PlotSmallFont());
    dc_.SetTextBackground(*wxWHITE);
}

void WxPlotPainter::Line(int x1, int y1, int x2, int y2) {
    if (OnDevice({x1, y1, x2, y2})) dc_.DrawLine(x1, y1, x2, y2);
}

void WxPlotPainter::Rectangle(int x, int y, int width, int height) {
    if (OnDevice({x, y, width, height})) dc_.DrawRectangle(x, y, width, height);
}

void WxPlotPainter::Ellipse(int x, int y, int width, int height) {
    if (HasExtent(width, height) && OnDevice({x, y, width, height})) {
        dc_.DrawEllipse(x, y, width, height);
    }
}

void WxPlotPainter::Arc(int x1, int y1, int x2, int y2, int xc, int yc) {
    if (OnDevice({x1, y1, x2, y2, xc, yc})) dc_.DrawArc(x1, y1, x2, y2, xc, yc);
}

void WxPlotPainter::EllipticArc(int x, int y, int width, int height, double start, double end) {
    // Angles that are no number stop the drawing library itself, not only a check.
    if (HasExtent(width, height) && OnDevice({x, y, width, height}) && std::isfinite(start) &&
        std::isfinite(end)) {
        dc_.DrawEllipticArc(x, y, width, height, start, end);
    }
}

void WxPlotPainter::Text(const std::string& text, int x, int y) {
    if (OnDevice({x, y})) dc_.DrawText(wxString::FromUTF8(text), x, y);
}

PlotSize WxPlotPainter::TextSize(const std::string& text) {
    const wxSize extent = dc_.GetTextExtent(wxString::FromUTF8(text));
    return {extent.x, extent.y};
}

PlotRect WxPlotPainter::Area() {
    const wxPoint origin = dc_.GetDeviceOrigin();
    const wxSize size = dc_.GetSize();
    return {-origin.x, -origin.y, size.x, size.y};
}

void WxPlotPainter::Clip(const PlotRect& rect) {
    // A new region replaces the last one instead of narrowing it.
    dc_.DestroyClippingRegion();
    dc_.SetClippingRegion(rect.x, rect.y, rect.width, rect.height);
}

void WxPlotPainter::Unclip() { dc_.DestroyClippingRegion(); }

}  // namespace luvo
