#pragma once
// The validating input fields of the three task windows of the simple lifting-line method: a
// numeric text field whose every change, typed, dragged or written back by a check, runs the
// checks of its window (llt/LltFieldChecks.h).

#include "common/NumericField.h"
#include "llt/LltFieldChecks.h"

class LltCheckedField : public luvo::NumericField {
  public:
    // 34 pixels wide, the default height, Enter passed to the field.
    LltCheckedField(wxWindow* parent, LltFieldChecks& checks, const wxString& value,
                    const wxPoint& pos);

  private:
    void OnTextChanged(wxCommandEvent& event);

    LltFieldChecks& checks_;
    wxDECLARE_EVENT_TABLE();
};

// The analysis window's fields (its lift-slope factor field is one of them but not checked).
class LltAnalysisField : public LltCheckedField {
  public:
    using LltCheckedField::LltCheckedField;
};

class LltTwistDesignField : public LltCheckedField {
  public:
    using LltCheckedField::LltCheckedField;
};

class LltChordDesignField : public LltCheckedField {
  public:
    using LltCheckedField::LltCheckedField;
};
