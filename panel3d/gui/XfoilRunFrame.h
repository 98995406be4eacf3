#pragma once
// "XFOIL ausfuehren": after the user ran the batch file, "&Starten" reads XFOIL's results for
// the run and the names of the file window's "&Starten" that opened this window, writes the
// error log and the coefficient file and opens the XFOIL results window of the run's task.

#include <wx/button.h>

#include "common/gui/LuvoFrame.h"
#include "panel3d/core/Panel3dResultSeries.h"
#include "panel3d/core/Panel3dXfoil.h"

class XfoilRunFrame : public luvo::LuvoFrame {
  public:
    XfoilRunFrame(const wxString& title, const wxPoint& pos, const wxSize& size, long style,
                  Panel3dRun run, Panel3dXfoilNames names);

    wxButton* startButton = nullptr;
    wxButton* cancelButton = nullptr;

  private:
    void OnInfo(wxCommandEvent& event);
    void OnStart(wxCommandEvent& event);

    Panel3dRun run_;
    Panel3dXfoilNames names_;
    wxDECLARE_EVENT_TABLE();
};
