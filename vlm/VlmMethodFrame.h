#pragma once
// The first window of the vortex-lattice method: the two ways of defining a wing, reading a grid
// file or building a trapezoid wing; "&OK" opens the chosen input window, or centres it again
// when it is already open.

#include <wx/button.h>
#include <wx/radiobox.h>

#include "common/LuvoFrame.h"

class VlmMethodFrame : public luvo::LuvoFrame {
  public:
    VlmMethodFrame(const wxString& title, const wxPoint& pos, const wxSize& size);

    wxButton* okButton = nullptr;
    wxButton* cancelButton = nullptr;
    wxRadioBox* choiceRadio = nullptr;

  private:
    void OnStart(wxCommandEvent& event);
    void OnInfo(wxCommandEvent& event);
    void OnRadioBox(wxCommandEvent& event);
    void OnClose(wxCommandEvent& event);
    wxDECLARE_EVENT_TABLE();
};
