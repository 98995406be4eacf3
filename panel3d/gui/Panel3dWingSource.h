#pragma once
// The wing of the open geometry window, as the discretisation window, the flap view and the
// interactive run read it. The geometry window opens the discretisation window; it implements
// this interface and is registered here while it is open, so the others read it back without
// depending on the window that opens them.

#include "panel3d/core/Panel3dGeometryInputs.h"

class Panel3dWingSource {
  public:
    // The fields' texts as numbers and the flap box, as they stand now.
    virtual Panel3dGeometryInputs Inputs() const = 0;
    // The same as the start checks judge them: a text without a number is none, not 0.
    virtual Panel3dGeometryInputs CheckedInputs() const = 0;

    // The open geometry window, or null while none is open.
    static const Panel3dWingSource* Open() { return open_; }

  protected:
    Panel3dWingSource() { open_ = this; }
    ~Panel3dWingSource() { Withdraw(); }
    // When the window closes: from then on there is no wing to read.
    void Withdraw() {
        if (open_ == this) open_ = nullptr;
    }

  private:
    inline static const Panel3dWingSource* open_ = nullptr;
};
