#pragma once
// The three plot areas of the chord design window. The circulation and chord plots run the
// window's recomputation in their paint handlers, which redraws all three plots; the twist plot's
// own paint handler draws the last accepted result without recomputing. On the circulation
// plot the user drags three red handles, which refits the circulation series; on the twist plot
// the blue handles of the sections B, C and D. A drag writes the new values into the window's
// fields, whose checks then recompute the window.

#include <wx/event.h>

#include "llt/gui/LltChordDesignHost.h"
#include "llt/gui/LltTaskCanvas.h"

class LltChordDesignCirculationCanvas : public LltCirculationCanvas<LltChordDesignHost> {
  public:
    using LltCirculationCanvas::LltCirculationCanvas;

  private:
    void OnMouse(wxMouseEvent& event);
    wxDECLARE_EVENT_TABLE();
};

class LltChordDesignTwistCanvas : public LltTaskCanvas<LltChordDesignHost> {
  public:
    using LltTaskCanvas::LltTaskCanvas;

  private:
    luvo::DragHandles PickHandles(wxPoint at) override;
    void OnPaint(wxPaintEvent& event);
    void OnMouse(wxMouseEvent& event);
    wxDECLARE_EVENT_TABLE();
};

// Shows the computed chord; takes no input.
class LltChordDesignChordCanvas : public LltTaskCanvas<LltChordDesignHost> {
  public:
    using LltTaskCanvas::LltTaskCanvas;

  private:
    wxDECLARE_EVENT_TABLE();
};
