#pragma once
// The twist design window of the simple lifting-line method as its canvases see it: the method's
// task window (recomputation, status line, the field of each input, into which a drag writes)
// and the inputs that its fields and radio boxes hold.

#include <limits>

#include "llt/core/LltDesignTasks.h"
#include "llt/gui/LltTaskFrame.h"

class LltTwistDesignHost : public LltTaskFrame {
  public:
    // The thirteen fields as numbers (a text without a leading number reads as 0) and the mode.
    virtual LltTwistDesignInputs ReadInputs() const = 0;

    // While a circulation drag runs: the first coefficient at its press, by which the circulation
    // plot divides gamma until the release; not finite otherwise.
    double heldCirculationScale = std::numeric_limits<double>::quiet_NaN();

  protected:
    using LltTaskFrame::LltTaskFrame;
};
