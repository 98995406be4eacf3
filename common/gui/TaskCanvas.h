#pragma once
// A plot area of one task window. It reaches its window through the reference it is created
// with; its paint handler runs the window's recomputation, which redraws every plot of the
// window; a drag writes its texts into the window's fields, whose checks then recompute the
// window. The handles that a press picks follow the pointer until the release.

#include <wx/brush.h>
#include <wx/dcclient.h>
#include <wx/pen.h>
#include <wx/textctrl.h>

#include "common/core/DragSteps.h"
#include "common/gui/NumericField.h"
#include "common/gui/PlotCanvas.h"

namespace luvo {

// A drag acts on pointer motion with the left, middle or right button held.
inline bool DragMotion(const wxMouseEvent& e) {
    return e.GetEventType() == wxEVT_MOTION &&
           (e.LeftIsDown() || e.MiddleIsDown() || e.RightIsDown());
}

// `Frame` offers Recompute(), SetInputStatus(text) and BoxesShown(), the number of check boxes
// its fields have shown.
template <class Frame>
class TaskCanvas : public PlotCanvas {
  public:
    TaskCanvas(wxWindow* parent, Frame& frame, wxWindowID id, const wxPoint& pos,
               const wxSize& size)
        : PlotCanvas(parent, id, pos, size), frame_(frame) {}

  protected:
    void OnPaint(wxPaintEvent&) {
        Paint([this] { frame_.Recompute(); });
    }

    // The handles a press at `at` picks by the plot's pick rules; they follow the pointer until
    // the release. A plot without handles picks none.
    virtual DragHandles PickHandles(wxPoint /*at*/) { return 0; }

    // True for a step of a drag: a motion with a button held, or the release that ends a drag
    // away from the last position handled. While a step recomputes, the toolkit may merge the
    // motions that follow and drop the last one before the release; the release's position is
    // where the pointer ended. After a step whose write raised a check box the press does nothing
    // more until its button is released.
    bool IsDragStep(const wxMouseEvent& e) {
        if (e.ButtonDown()) {
            stopped_ = false;
            DragHandles picked = PickHandles(e.GetPosition());
            // A pending text is checked before the drag; the check may redraw the plot.
            if (picked != 0 && !SettlePendingText(this)) picked = 0;
            if (picked != 0) picked = PickHandles(e.GetPosition());
            steps_.Press(picked);
            return false;
        }
        if (stopped_) {
            // The release may have gone to the box: motion without a button ends the stop too.
            if (e.ButtonUp() || (e.GetEventType() == wxEVT_MOTION && !DragMotion(e))) {
                stopped_ = false;
            }
            return false;
        }
        return steps_.IsStep(DragMotion(e), e.ButtonUp(), e.GetX(), e.GetY());
    }

    // The handles that the drag step just reported moves.
    DragHandles Held() const { return steps_.Held(); }
    bool Holds(int k) const { return steps_.Holds(k); }

    // For a plot whose handles name their input in the status line: true for a drag step;
    // motion without a button shows `status` in the window's first status field, and every other
    // mouse event does nothing.
    bool DragStep(const wxMouseEvent& e, const wxString& status) {
        if (IsDragStep(e)) return true;
        if (e.GetEventType() == wxEVT_MOTION && !DragMotion(e)) frame_.SetInputStatus(status);
        return false;
    }

    // Writes `text` into `field`; the write runs the checks, and with them the window's
    // recomputation. False when the checks showed a box: the drag then stops until the button
    // is released, and the canvas holds no pointer grab while the user answers the box.
    bool WriteField(wxTextCtrl* field, const wxString& text) {
        if (field == nullptr) return true;
        const int boxesBefore = frame_.BoxesShown();
        field->SetValue(text);
        if (frame_.BoxesShown() == boxesBefore) return true;
        if (HasCapture()) ReleaseMouse();
        steps_.Stop();
        stopped_ = true;
        return false;
    }

    // The mark of a moved handle: a 4 x 4 rectangle at `mark` on the plot (whose device origin
    // is given) that the write has just redrawn.
    void DrawHandleMark(wxPoint mark, wxPoint origin, const wxPen& pen, const wxBrush& brush) {
        if (!IsShownOnScreen()) return;
        wxClientDC dc(this);
        dc.SetDeviceOrigin(origin.x, origin.y);
        dc.SetPen(pen);
        dc.SetBrush(brush);
        dc.DrawRectangle(mark.x, mark.y, 4, 4);
    }

    // True while a press has been stopped by a check box and its button is still held.
    bool Stopped() const { return stopped_; }

    Frame& frame_;

  private:
    DragSteps steps_;
    bool stopped_ = false;
};

}  // namespace luvo
