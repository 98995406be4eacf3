#pragma once
// The plots of the design windows. Each paints the current state of its window's profile; the
// camber, thickness and contour canvases also let a support point be dragged.

#include <wx/window.h>

#include "common/core/DragSteps.h"
#include "supersonic/core/SupersonicPlots.h"
#include "supersonic/gui/SupersonicControlHost.h"

class SupersonicPlotCanvas : public wxWindow {
  public:
    SupersonicPlotCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size,
                         const SupersonicPlotParameters& parameters);
    // The canvas's picture of its window's state.
    virtual void Paint(luvo::PlotPainter& painter, SupersonicControlHost& window) = 0;
    // Clears the canvas and draws it at once (outside a paint event).
    void Redraw();

    const SupersonicPlotParameters plotParameters;

  protected:
    void OnPaint(wxPaintEvent& event);
    // The mouse on an editable canvas: picks within the window (zLow..zHigh), drags with the
    // tolerances, clamps with `clamp`, and recalculates with `which`.
    struct DragRules {
        double zLow, zHigh;
        double toleranceX, toleranceZ;
        bool thickness;  // x below 0 becomes 0.001 and z below 0 becomes 0
        SupersonicRedraw which;
    };
    void HandleMouse(wxMouseEvent& event, const DragRules& rules, bool contour);

    // The support point a press picked, as a drag handle: its slot on the canvas's part, on the
    // contour canvas the slot plus kLowerSideHandle for a point of the lower contour.
    static constexpr int kLowerSideHandle = 16;
    static_assert(2 * kLowerSideHandle <= 8 * static_cast<int>(sizeof(luvo::DragHandles)),
                  "both contours' slots must fit in the handle bits");
    luvo::DragSteps dragSteps;
    wxDECLARE_EVENT_TABLE();
};

class SupersonicCamberCanvas : public SupersonicPlotCanvas {
  public:
    SupersonicCamberCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size);
    void Paint(luvo::PlotPainter& painter, SupersonicControlHost& window) override;

  private:
    void OnMouse(wxMouseEvent& event);
    wxDECLARE_EVENT_TABLE();
};

class SupersonicThicknessCanvas : public SupersonicPlotCanvas {
  public:
    SupersonicThicknessCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size);
    void Paint(luvo::PlotPainter& painter, SupersonicControlHost& window) override;

  private:
    void OnMouse(wxMouseEvent& event);
    wxDECLARE_EVENT_TABLE();
};

class SupersonicResultCanvas : public SupersonicPlotCanvas {
  public:
    SupersonicResultCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size);
    void Paint(luvo::PlotPainter& painter, SupersonicControlHost& window) override;
};

class SupersonicContourCanvas : public SupersonicPlotCanvas {
  public:
    SupersonicContourCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size);
    void Paint(luvo::PlotPainter& painter, SupersonicControlHost& window) override;

  private:
    void OnMouse(wxMouseEvent& event);
    wxDECLARE_EVENT_TABLE();
};

class SupersonicPressureCanvas : public SupersonicPlotCanvas {
  public:
    SupersonicPressureCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size);
    void Paint(luvo::PlotPainter& painter, SupersonicControlHost& window) override;
};
