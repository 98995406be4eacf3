#pragma once
// The canvases of the panel method's results windows. Each draws, at every paint, the run of
// the window that created it; the windows place them, 330 by 200 pixels, in the upper or the
// lower slot.

#include <wx/window.h>

#include "common/gui/ResultCanvases.h"
#include "panel3d/core/Panel3dResultSeries.h"

inline const wxPoint kPanel3dUpperSlot(10, 14);
inline const wxPoint kPanel3dLowerSlot(10, 225);
inline const wxSize kPanel3dCanvasSize(330, 200);

// A plot of a run: sunken border, white background, the plot routine at every paint.
class Panel3dPlotCanvas : public wxWindow {
  public:
    Panel3dPlotCanvas(wxWindow* parent, const wxPoint& slot, Panel3dRun run);

    const Panel3dRun& Run() const { return run_; }

  protected:
    virtual void Plot(luvo::PlotPainter& painter) const = 0;

  private:
    void OnPaint(wxPaintEvent& event);

    Panel3dRun run_;
    wxDECLARE_EVENT_TABLE();
};

class Panel3dSpanLoadCanvas : public Panel3dPlotCanvas {
  public:
    using Panel3dPlotCanvas::Panel3dPlotCanvas;

  private:
    void Plot(luvo::PlotPainter& painter) const override;
};

class Panel3dSpanDragCanvas : public Panel3dPlotCanvas {
  public:
    using Panel3dPlotCanvas::Panel3dPlotCanvas;

  private:
    void Plot(luvo::PlotPainter& painter) const override;
};

class Panel3dLiftAlphaCanvas : public Panel3dPlotCanvas {
  public:
    using Panel3dPlotCanvas::Panel3dPlotCanvas;

  private:
    void Plot(luvo::PlotPainter& painter) const override;
};

class Panel3dDragPolarCanvas : public Panel3dPlotCanvas {
  public:
    using Panel3dPlotCanvas::Panel3dPlotCanvas;

  private:
    void Plot(luvo::PlotPainter& painter) const override;
};

class Panel3dDragPolarXfoilCanvas : public Panel3dPlotCanvas {
  public:
    using Panel3dPlotCanvas::Panel3dPlotCanvas;

  private:
    void Plot(luvo::PlotPainter& painter) const override;
};

class Panel3dSpeedPolarCanvas : public Panel3dPlotCanvas {
  public:
    using Panel3dPlotCanvas::Panel3dPlotCanvas;

  private:
    void Plot(luvo::PlotPainter& painter) const override;
};

class Panel3dSpeedPolarXfoilCanvas : public Panel3dPlotCanvas {
  public:
    using Panel3dPlotCanvas::Panel3dPlotCanvas;

  private:
    void Plot(luvo::PlotPainter& painter) const override;
};

class Panel3dPowerPolarCanvas : public Panel3dPlotCanvas {
  public:
    using Panel3dPlotCanvas::Panel3dPlotCanvas;

  private:
    void Plot(luvo::PlotPainter& painter) const override;
};

class Panel3dPowerPolarXfoilCanvas : public Panel3dPlotCanvas {
  public:
    using Panel3dPlotCanvas::Panel3dPlotCanvas;

  private:
    void Plot(luvo::PlotPainter& painter) const override;
};

class Panel3dThrustPolarCanvas : public Panel3dPlotCanvas {
  public:
    using Panel3dPlotCanvas::Panel3dPlotCanvas;

  private:
    void Plot(luvo::PlotPainter& painter) const override;
};

class Panel3dThrustPolarXfoilCanvas : public Panel3dPlotCanvas {
  public:
    using Panel3dPlotCanvas::Panel3dPlotCanvas;

  private:
    void Plot(luvo::PlotPainter& painter) const override;
};

// cp of the tip and root strips; see luvo::CpCanvas for its two scales.
class Panel3dPressureCanvas : public luvo::CpCanvas {
  public:
    Panel3dPressureCanvas(wxWindow* parent, const wxPoint& slot, Panel3dRun run);

  private:
    void DrawPlot(luvo::PlotPainter& painter, bool scaled) override;
    Panel3dRun run_;
};

// "ACHTUNG: Der k-Faktor ist wegen zu / grober  Diskretisierung sehr ungenau".
class Panel3dKFactorWarningCanvas : public luvo::WarningCanvas {
  public:
    Panel3dKFactorWarningCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size);
};

// That XFOIL did not succeed in every point.
class Panel3dXfoilWarningCanvas : public luvo::WarningCanvas {
  public:
    Panel3dXfoilWarningCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size);
};
