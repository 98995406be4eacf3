#pragma once
// What every results window of the panel method shares: the run it shows, the box
// "Ergebnisse:", "S&chließen", the status text "Ergebnisse" and the info box. The three windows
// of a panel run add the XFOIL step (Panel3dXfoilStepWindow); the XFOIL results windows build
// on this base directly.

#include <wx/button.h>
#include <wx/stattext.h>

#include "common/gui/LuvoFrame.h"
#include "panel3d/core/Panel3dResultSeries.h"

class Panel3dResultsWindow : public luvo::LuvoFrame {
  public:
    enum { kIdRadioBox = 16 };

    const Panel3dRun& Run() const { return run_; }

    wxPanel* panel = nullptr;
    wxButton* closeButton = nullptr;

  protected:
    // `box` as each window writes it.
    Panel3dResultsWindow(const wxString& title, const wxPoint& pos, const wxSize& size, long style,
                         Panel3dRun run, const wxString& box);

    // The box "Neutralpunkt:" with its texts; returns the value text, set to the run's l_NP.
    wxStaticText* AddNeutralPointBox();

    // "Info" in the status line while the box is open, then the window's status text again.
    void ShowInfo(const wxString& text);
    // The status text in place of "Ergebnisse", also after the info box.
    void SetResultsStatus(const wxString& text);

  private:
    Panel3dRun run_;
    wxString status_;
    wxDECLARE_EVENT_TABLE();
};
