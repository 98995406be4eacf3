#pragma once
// A drag on a plot with handles: the press picks the handles by the plot's pick rules, and
// those handles follow the pointer until the release, wherever it goes. Picking anew at every
// motion would drop a handle as soon as the toolkit merges the motions of a brisk drag while a
// redraw runs, or hand the drag to a neighbouring handle.
//
// Which pointer events act: every motion with a button held, and a release away from the last
// handled motion; motions merged while a redraw ran would otherwise leave the dragged value
// short of where the pointer stopped.

namespace luvo {

// The handles of a plot that a press picked, one bit per handle.
using DragHandles = unsigned;
constexpr DragHandles DragHandle(int k) { return 1u << k; }

class DragSteps {
  public:
    // A press: `picked` holds the handles that the plot's pick rules found at its position.
    void Press(DragHandles picked) {
        active_ = false;
        held_ = picked;
        stepHandles_ = 0;
    }

    // Ends the drag early: nothing is held until the next press.
    void Stop() { Press(0); }

    // True when the event at (x, y) is a drag step: `dragging` for a motion with a button held,
    // `released` for the release that ends the drag.
    bool IsStep(bool dragging, bool released, int x, int y) {
        if (dragging) {
            active_ = true;
            lastX_ = x;
            lastY_ = y;
            stepHandles_ = held_;
            return true;
        }
        if (!released) return false;
        stepHandles_ = held_;
        held_ = 0;
        if (!active_) return false;
        active_ = false;
        return x != lastX_ || y != lastY_;
    }

    // The handles that the step just reported moves; none when its press picked none.
    DragHandles Held() const { return stepHandles_; }
    bool Holds(int k) const { return (stepHandles_ & DragHandle(k)) != 0; }

  private:
    bool active_ = false;
    DragHandles held_ = 0;
    DragHandles stepHandles_ = 0;
    int lastX_ = 0;
    int lastY_ = 0;
};

}  // namespace luvo
