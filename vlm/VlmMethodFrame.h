#pragma once
// First window of the vortex-lattice method. It opens hidden; the main window centres and shows it.

#include "common/LuvoFrame.h"

class VlmMethodFrame : public luvo::LuvoFrame {
  public:
    VlmMethodFrame(const wxString& title, const wxPoint& pos, const wxSize& size);

  private:
    void OnClose(wxCommandEvent& event);
    void OnInfo(wxCommandEvent& event);
    wxDECLARE_EVENT_TABLE();
};
