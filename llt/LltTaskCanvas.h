#pragma once
// A plot area of one task window of the simple lifting-line method. It reaches its window
// through the reference it is created with; the paint handler of a plot that recomputes runs the
// window's recomputation, which redraws every plot of the window; a drag writes its texts into
// the window's fields, whose checks then recompute the window.

#include <wx/brush.h>
#include <wx/dcclient.h>
#include <wx/pen.h>
#include <wx/textctrl.h>

#include <vector>

#include "llt/LltDesignTasks.h"
#include "llt/LltPlotCanvas.h"

// A drag acts on pointer motion with the left, middle or right button held.
inline bool LltDragMotion(const wxMouseEvent& e) {
    return e.GetEventType() == wxEVT_MOTION &&
           (e.LeftIsDown() || e.MiddleIsDown() || e.RightIsDown());
}

template <class Frame>
class LltTaskCanvas : public LltPlotCanvas {
  public:
    LltTaskCanvas(wxWindow* parent, Frame& frame, wxWindowID id, const wxPoint& pos,
                  const wxSize& size)
        : LltPlotCanvas(parent, id, pos, size), frame_(frame) {}

  protected:
    void OnPaint(wxPaintEvent&) {
        Paint([this] { frame_.Recompute(); });
    }

    // True for a step of a drag: a motion with a button held, or the release that ends a drag
    // away from the last position handled. While a step recomputes, the toolkit may merge the
    // motions that follow and drop the last one before the release; the release's position is
    // where the pointer ended.
    bool IsDragStep(const wxMouseEvent& e) {
        if (LltDragMotion(e)) {
            dragging_ = true;
            lastStep_ = e.GetPosition();
            return true;
        }
        if (e.ButtonUp() && dragging_) {
            dragging_ = false;
            return e.GetPosition() != lastStep_;
        }
        if (e.ButtonDown()) dragging_ = false;
        return false;
    }

    // For a plot whose handles name their input in the status line: true for a drag step;
    // motion without a button shows `status` in the window's first status field, and every other
    // mouse event does nothing.
    bool DragStep(const wxMouseEvent& e, const wxString& status) {
        if (IsDragStep(e)) return true;
        if (e.GetEventType() == wxEVT_MOTION) frame_.SetInputStatus(status);
        return false;
    }

    // Writes each text into its field, in order; every write runs the checks, and with them the
    // window's recomputation, before the next one.
    void WriteFields(const std::vector<LltWrite>& writes) {
        for (const LltWrite& w : writes) {
            if (wxTextCtrl* field = frame_.Field(w.input)) {
                field->SetValue(wxString::FromUTF8(w.text));
            }
        }
    }

    // The handles that one drag step moved, each on its own: the write, then the handle's 4 x 4
    // mark at the pointer on the plot (whose device origin is given) that the write has redrawn.
    void MoveHandles(const std::vector<LltHandleMove>& moves, wxPoint origin, const wxPen& pen,
                     const wxBrush& brush) {
        for (const LltHandleMove& move : moves) {
            WriteFields({move.write});
            if (!IsShownOnScreen()) continue;
            wxClientDC dc(this);
            dc.SetDeviceOrigin(origin.x, origin.y);
            dc.SetPen(pen);
            dc.SetBrush(brush);
            dc.DrawRectangle(move.markX, move.markY, 4, 4);
        }
    }

    Frame& frame_;

  private:
    bool dragging_ = false;
    wxPoint lastStep_;
};
