#pragma once
// "Diskretisierung": the panel counts, spacing, wake model and result names of an interactive
// panel run. It exists at most once; closing it clears its open flag.

#include "common/LuvoFrame.h"

class Panel3dDiscretisationFrame : public luvo::LuvoFrame {
  public:
    Panel3dDiscretisationFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                               long style = wxDEFAULT_FRAME_STYLE);

    // Destroys the window (delayed) and clears its open flag.
    void CloseWindow();

  private:
    void OnClose(wxCloseEvent& event);
    void OnCloseCommand(wxCommandEvent& event);

    wxDECLARE_EVENT_TABLE();
};
