#pragma once
// The wing of the open geometry window, as the discretisation window and its run read it. The
// geometry window opens the discretisation window; it implements this interface and is
// registered here while it is open, so the discretisation window reads it back without
// depending on the window that opens it.

#include "vlm/core/VlmPreview.h"

class wxWindow;

class VlmWingSource {
  public:
    // The wing as the fields give it now.
    virtual VlmWingInputs Inputs() const = 0;
    // The fields' range checks in their order; the first failure shows its box over `parent`.
    virtual bool PassChecks(wxWindow* parent) const = 0;

    // The open geometry window, or null while none is open.
    static const VlmWingSource* Open() { return open_; }

  protected:
    VlmWingSource() { open_ = this; }
    ~VlmWingSource() { Withdraw(); }
    // When the window closes: from then on there is no wing to read.
    void Withdraw() {
        if (open_ == this) open_ = nullptr;
    }

  private:
    inline static const VlmWingSource* open_ = nullptr;
};
