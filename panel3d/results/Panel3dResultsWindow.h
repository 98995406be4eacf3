#pragma once
// What the three results windows of the panel method share: the run they show, the box
// "Ergebnisse:", "S&chließen", the hint and button to start the XFOIL drag computation, the
// status text "Ergebnisse" and the info box.

#include <wx/button.h>
#include <wx/stattext.h>

#include "common/LuvoFrame.h"
#include "panel3d/results/Panel3dResultSeries.h"

class Panel3dResultsWindow : public luvo::LuvoFrame {
  public:
    enum { kIdXfoilButton = 17, kIdRadioBox = 16 };

    const Panel3dRun& Run() const { return run_; }

    wxPanel* panel = nullptr;
    wxButton* closeButton = nullptr;
    wxButton* xfoilButton = nullptr;

  protected:
    // `box` and `hint` as each window writes them.
    Panel3dResultsWindow(const wxString& title, const wxPoint& pos, const wxSize& size, long style,
                         Panel3dRun run, const wxString& box, const wxString& hint);
    // A window that offers no XFOIL step (the XFOIL results windows).
    Panel3dResultsWindow(const wxString& title, const wxPoint& pos, const wxSize& size, long style,
                         Panel3dRun run, const wxString& box);

    // The box "Neutralpunkt:" with its texts; returns the value text, set to the run's l_NP.
    wxStaticText* AddNeutralPointBox();

    // "Info" in the status line while the box is open, then the window's status text again.
    void ShowInfo(const wxString& text);
    // The status text in place of "Ergebnisse", also after the info box.
    void SetResultsStatus(const wxString& text);

  private:
    // Opens a further XFOIL file window on this window's run.
    void OnXfoil(wxCommandEvent& event);

    Panel3dRun run_;
    wxString status_;
    wxDECLARE_EVENT_TABLE();
};

// The results window of a finished run for its task mode: "Ergebnisse" (0) or "Polaren" (1 lift
// polars, 2 speed polars), 640 by 565 pixels, centred and shown.
Panel3dResultsWindow* Panel3dShowResultsWindow(int taskMode, Panel3dRun run);
