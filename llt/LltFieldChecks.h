#pragma once
// The input checks of one task window of the simple lifting-line method on its text fields: the
// window declares which field holds which input, and every change of any of its fields runs a
// check pass (llt/LltInputChecks.h) with the modal error box, the write-back and, when all
// inputs pass, the window's recomputation.

#include <wx/textctrl.h>

#include <array>
#include <functional>

#include "llt/LltInputChecks.h"

class LltFieldChecks {
  public:
    LltFieldChecks(LltTaskWindow window, std::function<void()> recompute);

    // The field that holds an input of the window's check order.
    void Declare(LltInput input, wxTextCtrl* field);
    wxTextCtrl* Field(LltInput input) const { return fields_[LltIndex(input)]; }

    // The fields are created with their texts before any check may run: the window arms the
    // checks once all of its fields exist, and disarms them before they go.
    void Arm() { armed_ = true; }
    void Disarm() { armed_ = false; }

    // One check pass; its message boxes are parented to `boxParent`, the field that changed.
    void RunPass(wxWindow* boxParent);

    // True when no check box is open and every input passes: only then may a repaint compute
    // and write anew.
    bool Accepted() const;

  private:
    class Host;

    LltTaskWindow window_;
    std::function<void()> recompute_;
    std::array<wxTextCtrl*, kLltInputCount> fields_{};
    int boxesOpen_ = 0;
    bool armed_ = false;
};
