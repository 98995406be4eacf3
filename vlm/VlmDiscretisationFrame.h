#pragma once
// "Diskretisierung": the lattice of the interactive wing and the start of its run.

#include "common/LuvoFrame.h"

class VlmDiscretisationFrame : public luvo::LuvoFrame {
  public:
    VlmDiscretisationFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                           long style = wxDEFAULT_FRAME_STYLE);

  private:
    void OnClose(wxCloseEvent& event);
    void OnCloseCommand(wxCommandEvent& event);
    void CloseWindow();
    wxDECLARE_EVENT_TABLE();
};
