#include "common/gui/ResultCanvases.h"

#include <wx/dcclient.h>

#include <utility>

#include "common/core/CpPlot.h"
#include "common/gui/WxPlotPainter.h"

namespace luvo {

CpCanvas::CpCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size, long style)
    : wxWindow(parent, wxID_ANY, pos, size, style, wxS("panel")) {
    SetBackgroundColour(*wxWHITE);
}

void CpCanvas::Draw(wxDC& dc, bool scaled) {
    dc.SetDeviceOrigin(0, 0);
    dc.SetBackground(wxBrush(GetBackgroundColour()));
    dc.Clear();
    WxPlotPainter painter(dc);
    DrawPlot(painter, scaled);
}

void CpCanvas::DrawScaled() { DrawNow(true); }

void CpCanvas::DrawFixedScale() { DrawNow(false); }

void CpCanvas::DrawNow(bool scaled) {
    // A client context of a window that is not on screen would draw onto the desktop; the
    // paint at its showing draws the fitted scale.
    if (!IsShownOnScreen()) return;
    wxClientDC dc(this);
    Draw(dc, scaled);
}

void CpCanvas::OnPaint(wxPaintEvent&) {
    // A repaint always brings the fitted axis back, whatever the window's choice shows.
    wxPaintDC dc(this);
    Draw(dc, true);
}

WarningCanvas::WarningCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size,
                             std::vector<std::string> lines, long style)
    : wxWindow(parent, wxID_ANY, pos, size, style, wxS("panel")), lines_(std::move(lines)) {
    SetBackgroundColour(*wxLIGHT_GREY);
}

void WarningCanvas::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    dc.SetBackground(wxBrush(GetBackgroundColour()));
    dc.Clear();
    WxPlotPainter painter(dc);
    DrawWarningText(painter, lines_);
}

wxBEGIN_EVENT_TABLE(CpCanvas, wxWindow)
    EVT_PAINT(CpCanvas::OnPaint)
wxEND_EVENT_TABLE()

wxBEGIN_EVENT_TABLE(WarningCanvas, wxWindow)
    EVT_PAINT(WarningCanvas::OnPaint)
wxEND_EVENT_TABLE()

}  // namespace luvo
