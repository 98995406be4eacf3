#pragma once
// The two radio buttons of the NACA task that switch between angle and lift-coefficient
// input. The toolkit's own click handling never sees a left click: the handlers set both
// values, enable the matching field and recalculate.

#include <wx/radiobut.h>

class CamberAngleRadio : public wxRadioButton {
  public:
    CamberAngleRadio(wxWindow* parent, const wxPoint& pos);

  private:
    void OnMouse(wxMouseEvent& event);
    void OnKeyUp(wxKeyEvent& event);
    void Choose();
    wxDECLARE_EVENT_TABLE();
};

class CamberLiftRadio : public wxRadioButton {
  public:
    CamberLiftRadio(wxWindow* parent, const wxPoint& pos);

  private:
    void OnMouse(wxMouseEvent& event);
    void OnKeyUp(wxKeyEvent& event);
    // Switches to lift mode when angle mode is on; true when it did.
    bool SwitchToLift();
    wxDECLARE_EVENT_TABLE();
};
