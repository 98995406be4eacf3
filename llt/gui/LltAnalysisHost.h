#pragma once
// The analysis window of the simple lifting-line method as its canvases see it: the method's task
// window (recomputation, status line, the field of each input, into which a drag writes) and the
// inputs that its fields hold.

#include "llt/core/LltAnalysisRun.h"
#include "llt/gui/LltTaskFrame.h"

class LltAnalysisHost : public LltTaskFrame {
  public:
    // The thirteen fields as numbers (a text without a leading number reads as 0).
    virtual LltAnalysisInputs ReadInputs() const = 0;

  protected:
    using LltTaskFrame::LltTaskFrame;
};
