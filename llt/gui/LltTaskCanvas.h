#pragma once
// A plot area of one task window of the simple lifting-line method (common/gui/TaskCanvas.h), whose
// drags write the texts the method's drag relations give (llt/core/LltDesignTasks.h) for the
// handles that their press picked.

#include <vector>

#include "common/gui/TaskCanvas.h"
#include "llt/core/LltDesignTasks.h"

template <class Frame>
class LltTaskCanvas : public luvo::TaskCanvas<Frame> {
  public:
    using luvo::TaskCanvas<Frame>::TaskCanvas;

  protected:
    // On a circulation plot: the handle that a press at the plot's logical pixel `at` picks,
    // and the one that the drag step holds.
    static luvo::DragHandles PickCirculationHandle(wxPoint at) {
        const LltCirculationHandle h = LltPickCirculationHandle(at.x, at.y);
        return h == LltCirculationHandle::None ? 0 : luvo::DragHandle(static_cast<int>(h));
    }
    LltCirculationHandle HeldCirculationHandle() const {
        for (const LltCirculationHandle h :
             {LltCirculationHandle::Root, LltCirculationHandle::Station41,
              LltCirculationHandle::Station30}) {
            if (this->Holds(static_cast<int>(h))) return h;
        }
        return LltCirculationHandle::None;
    }

    // Writes each text into its field, in order; every write runs the checks, and with them the
    // window's recomputation, before the next one. A write that raises a check box ends the step.
    void WriteFields(const std::vector<LltWrite>& writes) {
        for (const LltWrite& w : writes) {
            if (!this->WriteField(this->frame_.Field(w.input), wxString::FromUTF8(w.text))) return;
        }
    }

    // The handles that one drag step moved, each on its own: the write, then the handle's 4 x 4
    // mark at the pointer on the plot (whose device origin is given) that the write has redrawn.
    void MoveHandles(const std::vector<LltHandleMove>& moves, wxPoint origin, const wxPen& pen,
                     const wxBrush& brush) {
        for (const LltHandleMove& move : moves) {
            if (!this->WriteField(this->frame_.Field(move.write.input),
                                  wxString::FromUTF8(move.write.text))) {
                return;
            }
            this->DrawHandleMark({move.markX, move.markY}, origin, pen, brush);
        }
    }
};
