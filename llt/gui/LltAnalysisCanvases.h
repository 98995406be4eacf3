#pragma once
// The three plot areas of the analysis window. Their paint handlers run the window's
// recomputation, which redraws all three; the chord and twist canvases let the user drag the
// handles of the sections B, C and D up and down, writing the dragged chord or relative angle
// into the section's field, whose checks then recompute the window.

#include <wx/event.h>

#include "llt/gui/LltAnalysisHost.h"
#include "llt/gui/LltTaskCanvas.h"

class LltAnalysisChordCanvas : public LltTaskCanvas<LltAnalysisHost> {
  public:
    using LltTaskCanvas::LltTaskCanvas;

  private:
    luvo::DragHandles PickHandles(wxPoint at) override;
    void OnMouse(wxMouseEvent& event);
    wxDECLARE_EVENT_TABLE();
};

class LltAnalysisTwistCanvas : public LltTaskCanvas<LltAnalysisHost> {
  public:
    using LltTaskCanvas::LltTaskCanvas;

  private:
    luvo::DragHandles PickHandles(wxPoint at) override;
    void OnMouse(wxMouseEvent& event);
    wxDECLARE_EVENT_TABLE();
};

class LltAnalysisCirculationCanvas : public LltTaskCanvas<LltAnalysisHost> {
  public:
    using LltTaskCanvas::LltTaskCanvas;

  private:
    wxDECLARE_EVENT_TABLE();
};
