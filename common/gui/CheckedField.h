#pragma once
// A validating input field: a numeric text field whose every change, typed, dragged or written
// back by a check, runs the checks of its window (common/gui/FieldChecks.h). A typed text that is
// still on its way to an accepted value waits for Enter or for the field to be left
// (common/gui/NumericField.h).

#include "common/gui/FieldChecks.h"
#include "common/gui/NumericField.h"

namespace luvo {

class CheckedField : public NumericField {
  public:
    // 34 pixels wide, the default height, Enter passed to the field.
    CheckedField(wxWindow* parent, FieldChecks& checks, const wxString& value, const wxPoint& pos);

  protected:
    void OnTextChanged(wxCommandEvent& event);
    FieldTextState JudgeTyped(const wxString& text) const override;

  private:
    FieldChecks& checks_;
    wxDECLARE_EVENT_TABLE();
};

}  // namespace luvo
