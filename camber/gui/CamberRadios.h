#pragma once
// The two radio buttons of the NACA task that switch between angle and lift-coefficient
// input. The toolkit's own click handling never sees a left click: the handlers set both
// values, enable the matching field and recalculate. The keyboard (arrow keys, Space) still
// changes a radio natively; that change ends in the same action, so that mode, enabled field,
// status text and results always agree.

#include <wx/radiobut.h>

class CamberAngleRadio : public wxRadioButton {
  public:
    CamberAngleRadio(wxWindow* parent, const wxPoint& pos);

  private:
    void OnMouse(wxMouseEvent& event);
    void OnKeyUp(wxKeyEvent& event);
    void OnNativeChange(wxCommandEvent& event);
    void Choose();
    wxDECLARE_EVENT_TABLE();
};

class CamberLiftRadio : public wxRadioButton {
  public:
    CamberLiftRadio(wxWindow* parent, const wxPoint& pos);

  private:
    void OnMouse(wxMouseEvent& event);
    void OnKeyUp(wxKeyEvent& event);
    void OnNativeChange(wxCommandEvent& event);
    // Switches to lift mode when angle mode is on; true when it did.
    bool SwitchToLift();
    wxDECLARE_EVENT_TABLE();
};
