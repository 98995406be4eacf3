#include "panel3d/gui/Panel3dResultCanvases.h"

#include <wx/dcclient.h>

#include <utility>

#include "common/core/CpPlot.h"
#include "common/gui/WxPlotPainter.h"
#include "panel3d/core/Panel3dModel.h"

using luvo::PlotPainter;

Panel3dPlotCanvas::Panel3dPlotCanvas(wxWindow* parent, const wxPoint& slot, Panel3dRun run)
    : wxWindow(parent, wxID_ANY, slot, kPanel3dCanvasSize, wxSUNKEN_BORDER, wxS("panel")),
      run_(std::move(run)) {
    SetBackgroundColour(*wxWHITE);
}

void Panel3dPlotCanvas::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    dc.SetBackground(wxBrush(GetBackgroundColour()));
    dc.Clear();
    luvo::WxPlotPainter painter(dc);
    Plot(painter);
}

void Panel3dSpanLoadCanvas::Plot(PlotPainter& p) const {
    DrawPanel3dSpanLoad(p, Panel3dSpanSeriesOf(Run()));
}

void Panel3dSpanDragCanvas::Plot(PlotPainter& p) const {
    DrawPanel3dSpanDrag(p, Panel3dSpanSeriesOf(Run()));
}

void Panel3dLiftAlphaCanvas::Plot(PlotPainter& p) const {
    DrawPanel3dLiftAlpha(p, Panel3dPolarSeriesOf(Run()));
}

void Panel3dDragPolarCanvas::Plot(PlotPainter& p) const {
    DrawPanel3dDragPolar(p, Panel3dPolarSeriesOf(Run()), false);
}

void Panel3dDragPolarXfoilCanvas::Plot(PlotPainter& p) const {
    DrawPanel3dDragPolar(p, Panel3dPolarSeriesOf(Run()), true);
}

void Panel3dSpeedPolarCanvas::Plot(PlotPainter& p) const {
    DrawPanel3dSpeedPolar(p, Panel3dPolarSeriesOf(Run()), false);
}

void Panel3dSpeedPolarXfoilCanvas::Plot(PlotPainter& p) const {
    DrawPanel3dSpeedPolar(p, Panel3dPolarSeriesOf(Run()), true);
}

void Panel3dPowerPolarCanvas::Plot(PlotPainter& p) const {
    DrawPanel3dPowerPolar(p, Panel3dPolarSeriesOf(Run()), false, false);
}

void Panel3dPowerPolarXfoilCanvas::Plot(PlotPainter& p) const {
    DrawPanel3dPowerPolar(p, Panel3dPolarSeriesOf(Run()), false, true);
}

void Panel3dThrustPolarCanvas::Plot(PlotPainter& p) const {
    DrawPanel3dPowerPolar(p, Panel3dPolarSeriesOf(Run()), true, false);
}

void Panel3dThrustPolarXfoilCanvas::Plot(PlotPainter& p) const {
    DrawPanel3dPowerPolar(p, Panel3dPolarSeriesOf(Run()), true, true);
}

Panel3dPressureCanvas::Panel3dPressureCanvas(wxWindow* parent, const wxPoint& slot, Panel3dRun run)
    : luvo::CpCanvas(parent, slot, kPanel3dCanvasSize), run_(std::move(run)) {}

void Panel3dPressureCanvas::DrawPlot(PlotPainter& painter, bool scaled) {
    if (run_.model) DrawPanel3dPressure(painter, *run_.model, scaled);
}

Panel3dKFactorWarningCanvas::Panel3dKFactorWarningCanvas(wxWindow* parent, const wxPoint& pos,
                                                         const wxSize& size)
    : luvo::WarningCanvas(parent, pos, size, luvo::KFactorWarningLines()) {}

Panel3dXfoilWarningCanvas::Panel3dXfoilWarningCanvas(wxWindow* parent, const wxPoint& pos,
                                                     const wxSize& size)
    : luvo::WarningCanvas(parent, pos, size, Panel3dXfoilWarningLines()) {}

wxBEGIN_EVENT_TABLE(Panel3dPlotCanvas, wxWindow)
    EVT_PAINT(Panel3dPlotCanvas::OnPaint)
wxEND_EVENT_TABLE()
