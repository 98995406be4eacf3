#pragma once
// The three plot areas of the twist design window. None of them draws in its paint handler:
// every repaint runs the window's recomputation, which redraws all three. On the circulation
// plot the user drags three red handles, which refits the circulation series; on the chord plot
// the grey handles of the sections B, C and D. A drag writes the new values into the window's
// fields, whose checks then recompute the window.

#include <wx/event.h>

#include "llt/gui/LltTaskCanvas.h"
#include "llt/gui/LltTwistDesignHost.h"

class LltTwistDesignCirculationCanvas : public LltCirculationCanvas<LltTwistDesignHost> {
  public:
    using LltCirculationCanvas::LltCirculationCanvas;

  private:
    void OnMouse(wxMouseEvent& event);
    wxDECLARE_EVENT_TABLE();
};

class LltTwistDesignChordCanvas : public LltTaskCanvas<LltTwistDesignHost> {
  public:
    using LltTaskCanvas::LltTaskCanvas;

  private:
    luvo::DragHandles PickHandles(wxPoint at) override;
    void OnMouse(wxMouseEvent& event);
    wxDECLARE_EVENT_TABLE();
};

// Shows the computed twist; takes no input.
class LltTwistDesignTwistCanvas : public LltTaskCanvas<LltTwistDesignHost> {
  public:
    using LltTaskCanvas::LltTaskCanvas;

  private:
    wxDECLARE_EVENT_TABLE();
};
