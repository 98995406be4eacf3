#pragma once
// The extended lifting-line analysis window as its canvases see it: the common task window
// (recomputation, status line, the boxes of the checks), the inputs that its fields hold, and the
// field of each input, into which a drag writes.

#include "common/gui/TaskFrame.h"
#include "etl/core/EtlAnalysisChecks.h"
#include "etl/core/EtlRuns.h"

class EtlAnalysisHost : public luvo::TaskFrame {
  public:
    // The seventeen fields as numbers (a text without a leading number reads as 0).
    virtual EtlAnalysisInputs ReadInputs() const = 0;

    // The field that holds an input.
    wxTextCtrl* Field(EtlInput input) const { return TaskFrame::Field(EtlIndex(input)); }

  protected:
    using luvo::TaskFrame::TaskFrame;
};
