#pragma once
// The NACA task window as its radios and fields see it: the radio buttons of the two input modes,
// the four input fields, the designation's digits and the recalculation. The controls switch the
// mode and lock a digit field through it, so that they need not know the window class that
// creates them.

#include <wx/radiobut.h>
#include <wx/string.h>

#include "camber/gui/CamberTaskWindow.h"
#include "common/gui/NumericField.h"

class CamberNacaHost : public CamberTaskWindow {
  public:
    virtual wxRadioButton* AngleRadio() const = 0;
    virtual wxRadioButton* LiftRadio() const = 0;
    virtual luvo::NumericField* AngleField() const = 0;
    virtual luvo::NumericField* LiftField() const = 0;
    virtual luvo::NumericField* CamberDigitField() const = 0;
    virtual luvo::NumericField* PositionField() const = 0;

    // Writes the camber and position digits of the designation "NACA xy00".
    virtual void SetDesignationDigits(const wxString& camber, const wxString& position) = 0;
};
