#pragma once
// What the three results windows of a panel run add to the results window: the hint and button
// that start the XFOIL drag computation, each press opening a further XFOIL file window on the
// window's run.

#include "panel3d/gui/Panel3dResultsWindow.h"

class Panel3dXfoilStepWindow : public Panel3dResultsWindow {
  public:
    enum { kIdXfoilButton = 17 };

    wxButton* xfoilButton = nullptr;

  protected:
    // `box` and `hint` as each window writes them.
    Panel3dXfoilStepWindow(const wxString& title, const wxPoint& pos, const wxSize& size,
                           long style, Panel3dRun run, const wxString& box, const wxString& hint);

  private:
    void OnXfoil(wxCommandEvent& event);

    wxDECLARE_EVENT_TABLE();
};
