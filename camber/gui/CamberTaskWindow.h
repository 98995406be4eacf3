#pragma once
// What the controls of a thin-airfoil task window need of the window that contains them, and
// the block of result texts that all three task windows show.

#include <wx/frame.h>
#include <wx/stattext.h>

#include <array>
#include <functional>
#include <optional>

#include "camber/core/CamberTheory.h"
#include "camber/core/CamberThreePoints.h"
#include "common/core/DragSteps.h"

class CamberTaskWindow {
  public:
    virtual ~CamberTaskWindow() = default;
    // The recalculation an accepted field edit runs.
    virtual void Recalculate() = 0;

    // Controls react only once the window is complete: giving the fields their first texts
    // is no edit.
    bool IsBuilt() const { return built_; }

  protected:
    void MarkBuilt() { built_ = true; }

  private:
    bool built_ = false;
};

// The task window of type Window that contains a control (its top-level parent); nullptr
// outside one and while it is being built.
template <typename Window>
Window* CamberWindowOf(wxWindow* control) {
    auto* window = dynamic_cast<Window*>(wxGetTopLevelParent(control));
    return window != nullptr && window->IsBuilt() ? window : nullptr;
}

// Shows a text in status field 0 of the frame that contains the control.
void CamberShowStatus(wxWindow* control, const wxString& text);

using CamberResultTexts = std::array<wxStaticText*, kResultCount>;

// The names, "=" signs and twelve value texts of the output block, whose first row lies at
// y = top; the value texts start with the results of NACA 2412 at 5 degrees.
CamberResultTexts CreateCamberResultTexts(wxWindow* panel, int top);

// The boxes, input texts and result texts of the two interactive tasks, which share their
// layout; returns the value texts.
CamberResultTexts CreateInteractiveTaskTexts(wxWindow* panel);

// Writes the results with "%.3f"; a value that is not finite shows "---".
void ShowCamberResults(const CamberResultTexts& texts, const CamberResults& results);

// Reads a field's text as its leading number, and as a long integer for the digit fields.
double CamberFieldNumber(const wxString& text);
long CamberFieldInteger(const wxString& text);

// Redraws a canvas at once, outside its paint handler: a client context with its origin at the
// canvas's corner, cleared to white, then `draw`. A canvas not on the screen is drawn by its
// first paint instead.
void CamberRedrawCanvas(wxWindow* canvas, const std::function<void(wxDC&)>& draw);

// A plot canvas of the task windows: sunken border, white background.
class CamberCanvas : public wxWindow {
  public:
    CamberCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size);

  protected:
    // A mouse event on the edit canvas of an interactive task, whose plot has its origin at
    // pixel (60, 160), 200 pixels per chord and `valuePerPixel` downwards. A press holds the
    // point that `pick` finds at its plot values (-1: none) until the release. A motion shows its
    // plot values in the window's status line, "Position: x, v", or with a button held
    // "Drag-Position: x, v" and then returns them for the drag. The release that ends a drag
    // away from the last position handled is the drag's last step: while a step recalculates,
    // the toolkit may merge the motions that follow and drop the last one. Any other event is
    // passed on to the toolkit.
    std::optional<CamberPoint> DragMotion(wxFrame& window, wxMouseEvent& event,
                                          double valuePerPixel,
                                          const std::function<int(CamberPoint)>& pick);
    // The point that the drag step holds, -1 when its press picked none.
    int HeldPoint() const;

  private:
    luvo::DragSteps steps_;
};

// Draws the 4 x 4 marker of each point, top-left corner at the point, with the red pen and
// the context's brush.
void CamberDrawMarkers(wxDC& dc, const CamberPointSet& points, bool pressure);

// The angle of an interactive task: the field's value in degrees and in radians.
CamberState CamberAngleState(const wxString& fieldText);
