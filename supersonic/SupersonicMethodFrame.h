#pragma once
// First window of the supersonic airfoil method. It opens hidden; the main window centres and shows
// it.

#include "common/LuvoFrame.h"

class SupersonicMethodFrame : public luvo::LuvoFrame {
  public:
    SupersonicMethodFrame(const wxString& title, const wxPoint& pos, const wxSize& size);

  private:
    void OnClose(wxCommandEvent& event);
    void OnInfo(wxCommandEvent& event);
    wxDECLARE_EVENT_TABLE();
};
