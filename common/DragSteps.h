#pragma once
// Which pointer events of a drag act: every motion with a button held, and a left release away
// from the last handled motion. Motions merged while a redraw ran would otherwise leave the
// dragged value short of where the pointer stopped.

namespace luvo {

class DragSteps {
  public:
    // True when the event at (x, y) is a drag step.
    bool IsStep(bool pressed, bool dragging, bool leftReleased, int x, int y) {
        if (pressed) active_ = false;
        if (dragging) {
            active_ = true;
            lastX_ = x;
            lastY_ = y;
            return true;
        }
        if (!leftReleased || !active_) return false;
        active_ = false;
        return x != lastX_ || y != lastY_;
    }

  private:
    bool active_ = false;
    int lastX_ = 0;
    int lastY_ = 0;
};

}  // namespace luvo
