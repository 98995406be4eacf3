#include "llt/LltCheckedField.h"

LltCheckedField::LltCheckedField(wxWindow* parent, LltFieldChecks& checks, const wxString& value,
                                 const wxPoint& pos)
    : luvo::NumericField(parent, wxID_ANY, value, pos, wxSize(34, -1), wxTE_PROCESS_ENTER),
      checks_(checks) {}

void LltCheckedField::OnTextChanged(wxCommandEvent&) { checks_.RunPass(this); }

// clang-format off
wxBEGIN_EVENT_TABLE(LltCheckedField, luvo::NumericField)
    EVT_TEXT(wxID_ANY, LltCheckedField::OnTextChanged)
wxEND_EVENT_TABLE()
    // clang-format on
