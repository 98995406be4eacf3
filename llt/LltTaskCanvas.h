#pragma once
// A plot area of one task window of the simple lifting-line method. It reaches its window
// through the reference it is created with; the paint handler of a plot that recomputes runs the
// window's recomputation, which redraws every plot of the window; a drag writes its texts into
// the window's fields, whose checks then recompute the window.

#include <vector>

#include "llt/LltDesignDrag.h"
#include "llt/LltDesignTasks.h"
#include "llt/LltPlotCanvas.h"

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

    // Writes each text into its field, in order; every write runs the checks, and with them the
    // window's recomputation, before the next one.
    void WriteFields(const std::vector<LltWrite>& writes) {
        LltWriteFields(writes, [this](LltInput input) { return frame_.Field(input); });
    }

    // The handles that one drag step moved, each on its own: the write, then the handle's mark
    // at the pointer on the plot that the write has redrawn.
    void MoveHandles(const std::vector<LltHandleMove>& moves, wxPoint origin, const wxPen& pen,
                     const wxBrush& brush) {
        for (const LltHandleMove& move : moves) {
            WriteFields({move.write});
            LltDrawDragMark(this, origin, pen, brush, move.markX, move.markY);
        }
    }

    Frame& frame_;
};
