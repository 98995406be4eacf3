#pragma once
// Least window for a method whose windows are not built yet: the frame pattern only.

#include "common/LuvoFrame.h"

class PlaceholderFrame : public luvo::LuvoFrame {
  public:
    PlaceholderFrame(const wxString& title, const wxPoint& pos, const wxSize& size)
        : luvo::LuvoFrame(title, pos, size) {}

  private:
    void OnClose(wxCommandEvent&) { Close(true); }
    wxDECLARE_EVENT_TABLE();
};
