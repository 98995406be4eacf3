#pragma once
// The input controls of the design windows. The fields check what is typed and recalculate their
// window; the radio buttons and check boxes never change by themselves: a click, or any key but
// Tab, runs their action, and a change the toolkit made on its own is turned into that action.

#include <wx/checkbox.h>
#include <wx/radiobut.h>

#include <string>

#include "common/gui/NumericField.h"

class SupersonicCountField : public luvo::NumericField {
  public:
    SupersonicCountField(wxWindow* parent, const wxString& value, const wxPoint& pos,
                         const wxSize& size);
    // The box and status text of a count that was not taken.
    void ReportInvalid();

  protected:
    luvo::FieldTextState JudgeTyped(const wxString& text) const override;

  private:
    void OnTextChanged(wxCommandEvent& event);
    bool armed = true;
    double lastValid;
    wxDECLARE_EVENT_TABLE();
};

// The free-stream value of the profile that a range field edits.
enum class SupersonicFlowValue { Mach, Kappa, Alpha };

class SupersonicRangeField : public luvo::NumericField {
  public:
    // The bounds make the field's range; `key` is the symbol its messages show.
    SupersonicRangeField(wxWindow* parent, const wxString& value, const wxPoint& pos,
                         const wxSize& size, double lowerBound, double upperBound,
                         bool lowerInclusive, bool upperInclusive, const wxString& displayName,
                         const wxString& key, SupersonicFlowValue edits);
    // The box and status text of a value out of range; shown once until a value is taken.
    void ReportInvalid();
    // Sets the text without running the change handling.
    void SetQuietly(const wxString& text);

  protected:
    luvo::FieldTextState JudgeTyped(const wxString& text) const override;

  private:
    void OnTextChanged(wxCommandEvent& event);
    bool armed = true;
    double lastValid = 0.0;
    const luvo::FieldRange range;
    wxString displayName;
    wxString key;
    const SupersonicFlowValue edits;
    bool errorShown = false;
    wxDECLARE_EVENT_TABLE();
};

// The box and status text of an end-value or coefficient field whose text is no number, which a
// configuration file cannot hold.
void ReportNoNumber(luvo::NumericField* field);

class SupersonicValueField : public luvo::NumericField {
  public:
    SupersonicValueField(wxWindow* parent, const wxString& value, const wxPoint& pos,
                         const wxSize& size);

  private:
    void OnTextChanged(wxCommandEvent& event);
    wxDECLARE_EVENT_TABLE();
};

class SupersonicCoefficientField : public luvo::NumericField {
  public:
    SupersonicCoefficientField(wxWindow* parent, const wxString& value, const wxPoint& pos,
                               const wxSize& size);

  private:
    void OnTextChanged(wxCommandEvent& event);
    wxDECLARE_EVENT_TABLE();
};

// Which keys the radio buttons and check boxes act on: the release of any key but Tab, a
// modifier key on its own, or a key pressed together with Alt or Ctrl.
class SupersonicActionKeys {
  public:
    // For the key-down: true when the toolkit takes the key (Tab moves the focus, Alt and Ctrl
    // reach the menus, modifiers reach both).
    bool PassesDown(const wxKeyEvent& event);
    // For the key-up: true when the release performs the control's action.
    bool ActsOnUp(const wxKeyEvent& event);

  private:
    int pressedWithModifier_ = WXK_NONE;
};

// Both buttons of a "Linear"/"Spline" pair switch the pair to the other method.
class SupersonicModeRadio : public wxRadioButton {
  public:
    SupersonicModeRadio(wxWindow* parent, const wxString& label, const wxPoint& pos, long style);
    void Action();

  private:
    void OnMouse(wxMouseEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnKeyUp(wxKeyEvent& event);
    void OnNativeChange(wxCommandEvent& event);
    SupersonicActionKeys keys_;
    wxDECLARE_EVENT_TABLE();
};

class SupersonicPartsModeRadio : public SupersonicModeRadio {
  public:
    using SupersonicModeRadio::SupersonicModeRadio;
};
class SupersonicUpperModeRadio : public SupersonicModeRadio {
  public:
    using SupersonicModeRadio::SupersonicModeRadio;
};
class SupersonicLowerModeRadio : public SupersonicModeRadio {
  public:
    using SupersonicModeRadio::SupersonicModeRadio;
};

// One "Linear"/"Spline" pair with the end-value fields that "Spline" enables.
struct SupersonicModePair {
    SupersonicModeRadio* linear = nullptr;
    SupersonicModeRadio* spline = nullptr;
    SupersonicValueField* start = nullptr;
    SupersonicValueField* end = nullptr;
};

// A check box that only its action toggles.
class SupersonicToggleBox : public wxCheckBox {
  public:
    SupersonicToggleBox(wxWindow* parent, wxWindowID id, const wxString& label, const wxPoint& pos);
    virtual void Action() = 0;

  private:
    void OnMouse(wxMouseEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnKeyUp(wxKeyEvent& event);
    void OnNativeChange(wxCommandEvent& event);
    SupersonicActionKeys keys_;
    wxDECLARE_EVENT_TABLE();
};

// "Koeffizienten eingeben?": the camber part from its six Birnbaum coefficients.
class SupersonicCoefficientCheckBox : public SupersonicToggleBox {
  public:
    using SupersonicToggleBox::SupersonicToggleBox;
    void Action() override;
};

// A display option of the plots.
class SupersonicOptionCheckBox : public SupersonicToggleBox {
  public:
    using SupersonicToggleBox::SupersonicToggleBox;
    void Action() override;
};
