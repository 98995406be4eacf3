#pragma once
// The input checks of one window on its text fields: the window declares which field holds which
// input of its check table (common/core/InputChecks.h), and every change of any of its fields runs
// a check pass with the modal error box, the write-back and, when all inputs pass, the window's
// recomputation. A typed text that can still become an accepted value of its input runs no pass
// until it is finished (common/gui/NumericField.h).

#include <wx/textctrl.h>

#include <functional>
#include <vector>

#include "common/core/InputChecks.h"

namespace luvo {

class FieldChecks {
  public:
    FieldChecks(const CheckTable& table, std::function<void()> recompute);

    // The field that holds an input of the table.
    void Declare(int input, wxTextCtrl* field);
    wxTextCtrl* Field(int input) const;

    // The fields are created with their texts before any check may run: the window arms the
    // checks once all of its fields exist, and disarms them before they go.
    void Arm() { armed_ = true; }
    void Disarm() { armed_ = false; }

    // One check pass; its message boxes are parented to `boxParent`, the field that changed.
    void RunPass(wxWindow* boxParent);

    // How the checks judge a text typed into `field`: by the range and length of its input, and
    // pending while the text would make the sum rule rewrite other fields. A field that holds no
    // checked input takes every text.
    FieldTextState JudgeTyped(const wxTextCtrl* field, const wxString& text) const;

    // True when no check box is open and every input passes: only then may a repaint compute
    // and write anew.
    bool Accepted() const;

    // How many boxes the checks have shown so far.
    int BoxesShown() const { return boxesShown_; }

  private:
    class Host;

    const CheckTable& table_;
    std::function<void()> recompute_;
    std::vector<wxTextCtrl*> fields_;
    int boxesOpen_ = 0;
    int boxesShown_ = 0;
    bool armed_ = false;
    bool writingQuietly_ = false;  // a correction's write: no pass of its own
};

}  // namespace luvo
