#pragma once
// The "&Schließen" buttons of the three thin-airfoil task windows: a click destroys the
// button's window, the TAB key that brings the focus here names the button in the status line.

#include <wx/button.h>

class CamberCloseButton : public wxButton {
  public:
    CamberCloseButton(wxWindow* parent, const wxPoint& pos);

  private:
    void OnKeyUp(wxKeyEvent& event);
    void OnButton(wxCommandEvent& event);
    wxDECLARE_EVENT_TABLE();
};

class CamberNacaCloseButton : public CamberCloseButton {
  public:
    using CamberCloseButton::CamberCloseButton;
};

class CamberLineCloseButton : public CamberCloseButton {
  public:
    using CamberCloseButton::CamberCloseButton;
};

class CamberPressureCloseButton : public CamberCloseButton {
  public:
    using CamberCloseButton::CamberCloseButton;
};
