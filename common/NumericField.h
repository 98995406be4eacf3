#pragma once
// Base of every numeric input field: a text control whose typed characters are limited to
// digits, ',', '-' and '.'. Alt and Ctrl keys pass, so menu accelerators still work while a
// field has the focus.

#include <wx/textctrl.h>
#include <wx/valtext.h>

namespace luvo {

class NumericValidator : public wxTextValidator {
  public:
    NumericValidator();
    NumericValidator(const NumericValidator&) = default;
    wxObject* Clone() const override { return new NumericValidator(*this); }

  private:
    void OnCharFiltered(wxKeyEvent& event);
    wxDECLARE_EVENT_TABLE();
};

class NumericField : public wxTextCtrl {
  public:
    NumericField(wxWindow* parent, wxWindowID id, const wxString& value,
                 const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
                 long style = 0, const wxString& name = wxTextCtrlNameStr);

    // The field's text as a number (its leading number, 0 when there is none).
    double Number() const;
};

}  // namespace luvo
