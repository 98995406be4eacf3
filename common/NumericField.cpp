#include "common/NumericField.h"

#include "common/WxNumber.h"

namespace luvo {

// Chained to wxValidator's table on purpose: wxTextValidator's own EVT_CHAR must not run
// after an Alt or Ctrl key was let through.
wxBEGIN_EVENT_TABLE(NumericValidator, wxValidator) EVT_CHAR(NumericValidator::OnCharFiltered)
    wxEND_EVENT_TABLE()

        NumericValidator::NumericValidator()
    : wxTextValidator(wxFILTER_INCLUDE_CHAR_LIST) {
    SetCharIncludes(wxS("0123456789,-."));
}

void NumericValidator::OnCharFiltered(wxKeyEvent& event) {
    if (event.AltDown() || event.ControlDown()) {
        event.Skip();
        return;
    }
    wxTextValidator::OnChar(event);
}

NumericField::NumericField(wxWindow* parent, wxWindowID id, const wxString& value,
                           const wxPoint& pos, const wxSize& size, long style, const wxString& name)
    : wxTextCtrl(parent, id, value, pos, size, style, NumericValidator(), name) {}

double NumericField::Number() const { return ToNumber(GetValue()); }

}  // namespace luvo
