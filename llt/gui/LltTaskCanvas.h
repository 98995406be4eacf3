#pragma once
// A plot area of one task window of the simple lifting-line method (common/gui/TaskCanvas.h), whose
// drags write the texts the method's drag relations give (llt/core/LltDesignTasks.h) for the
// handles that their press picked.

#include <limits>
#include <optional>
#include <utility>
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

// A circulation plot of a design window (device origin (50, 110)) with its three red handles.
// A drag works from the fields as they were at its press: every step refits the series from
// those, with only the held handle moved to the pointer, and the plot keeps the scale of the
// press until the release. The handle so ends under the pointer and the other two stay, however
// many motions the toolkit merged; refitting from the rounded texts of the previous step would
// drift with every motion. `Frame` also holds heldCirculationScale.
template <class Frame>
class LltCirculationCanvas : public LltTaskCanvas<Frame> {
  public:
    using LltTaskCanvas<Frame>::LltTaskCanvas;

  protected:
    using Inputs = decltype(std::declval<const Frame&>().ReadInputs());

    luvo::DragHandles PickHandles(wxPoint at) override {
        return this->PickCirculationHandle(at - wxPoint(50, 110));
    }

    // One mouse event: `refit(inputs, held, y)` gives the texts of a step, `scale(inputs)` the
    // plot's scale.
    template <class Refit, class Scale>
    void CirculationMouse(const wxMouseEvent& event, Refit refit, Scale scale) {
        if (event.ButtonDown()) EndDrag();
        if (this->IsDragStep(event)) {
            if (!press_) {
                // The first step reads the fields, after whatever the press itself set off.
                press_ = this->frame_.ReadInputs();
                this->frame_.heldCirculationScale = scale(*press_);
            }
            const int y = event.GetPosition().y - 110;
            const LltCirculationHandle held = this->HeldCirculationHandle();
            // Up to four writes, each checked and recomputed at once.
            this->WriteFields(refit(*press_, held, y));
            this->frame_.SetInputStatus(wxS("Eingabe der Zirkulations-Parameter"));
            // The written coefficients have two decimals: the held handle's mark goes where the
            // pointer set it.
            if (!this->Stopped() && held != LltCirculationHandle::None && -110 <= y && y <= 0) {
                this->DrawHandleMark({MarkColumn(held), y - 2}, wxPoint(50, 110), *wxRED_PEN,
                                     *wxWHITE_BRUSH);
            }
        }
        if (event.ButtonUp() || this->Stopped()) EndDrag();
    }

  private:
    // The left edges of the marks of the stations 51, 41 and 30.
    static int MarkColumn(LltCirculationHandle h) {
        return h == LltCirculationHandle::Root        ? -2
               : h == LltCirculationHandle::Station41 ? 59
                                                      : 119;
    }

    // The plot takes the scale of the series that the drag left.
    void EndDrag() {
        if (!press_) return;
        press_.reset();
        this->frame_.heldCirculationScale = std::numeric_limits<double>::quiet_NaN();
        this->frame_.RedrawLastAccepted();
    }

    std::optional<Inputs> press_;
};
