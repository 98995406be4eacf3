#pragma once
// The three plot areas of the extended lifting-line analysis window. Their paint handlers run the
// window's recomputation, which draws all three; on the chord canvas the user drags the grey
// handles of the chords at B, C and D, on the twist canvas the blue handles of the relative
// angles. A drag writes into the section's field, whose checks then recompute the window.

#include <wx/event.h>

#include "common/gui/TaskCanvas.h"
#include "etl/gui/EtlAnalysisHost.h"

class EtlAnalysisChordCanvas : public luvo::TaskCanvas<EtlAnalysisHost> {
  public:
    using TaskCanvas::TaskCanvas;

  private:
    luvo::DragHandles PickHandles(wxPoint at) override;
    void OnMouse(wxMouseEvent& event);
    wxDECLARE_EVENT_TABLE();
};

class EtlAnalysisTwistCanvas : public luvo::TaskCanvas<EtlAnalysisHost> {
  public:
    using TaskCanvas::TaskCanvas;

  private:
    luvo::DragHandles PickHandles(wxPoint at) override;
    void OnMouse(wxMouseEvent& event);
    wxDECLARE_EVENT_TABLE();
};

class EtlAnalysisCirculationCanvas : public luvo::TaskCanvas<EtlAnalysisHost> {
  public:
    using TaskCanvas::TaskCanvas;

  private:
    wxDECLARE_EVENT_TABLE();
};
