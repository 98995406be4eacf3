#pragma once
// First window of the extended lifting-line method. It opens hidden; the main window centres and
// shows it.

#include "common/LuvoFrame.h"

class EtlMethodFrame : public luvo::LuvoFrame {
  public:
    EtlMethodFrame(const wxString& title, const wxPoint& pos, const wxSize& size);

  private:
    void OnClose(wxCommandEvent& event);
    void OnInfo(wxCommandEvent& event);
    wxDECLARE_EVENT_TABLE();
};
