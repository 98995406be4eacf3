#pragma once
// The first window of the extended lifting-line method: its two tasks in a radio box; "&OK"
// opens the chosen task's window, or centres and shows it again when it is already open.

#include <wx/button.h>
#include <wx/radiobox.h>

#include "common/LuvoFrame.h"

class EtlMethodFrame : public luvo::LuvoFrame {
  public:
    EtlMethodFrame(const wxString& title, const wxPoint& pos, const wxSize& size);

    wxButton* okButton = nullptr;
    wxButton* cancelButton = nullptr;
    wxRadioBox* taskRadio = nullptr;

  private:
    void OnStart(wxCommandEvent& event);
    void OnInfo(wxCommandEvent& event);
    void OnRadioBox(wxCommandEvent& event);
    void OnClose(wxCommandEvent& event);
    wxDECLARE_EVENT_TABLE();
};
