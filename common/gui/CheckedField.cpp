#include "common/gui/CheckedField.h"

namespace luvo {

CheckedField::CheckedField(wxWindow* parent, FieldChecks& checks, const wxString& value,
                           const wxPoint& pos)
    : NumericField(parent, wxID_ANY, value, pos, wxSize(34, -1), wxTE_PROCESS_ENTER),
      checks_(checks) {}

void CheckedField::OnTextChanged(wxCommandEvent&) { checks_.RunPass(this); }

FieldTextState CheckedField::JudgeTyped(const wxString& text) const {
    return checks_.JudgeTyped(this, text);
}

wxBEGIN_EVENT_TABLE(CheckedField, NumericField)
    EVT_TEXT(wxID_ANY, CheckedField::OnTextChanged)
wxEND_EVENT_TABLE()

}  // namespace luvo
