#pragma once
// The three plot areas of the twist design window. None of them draws in its paint handler:
// every repaint runs the window's recomputation, which redraws all three. On the circulation
// plot the user drags three red handles, which refits the circulation series; on the chord plot
// the grey handles of the sections B, C and D. A drag writes the new values into the window's
// fields, whose checks then recompute the window.

#include <wx/event.h>

#include "llt/LltPlotCanvas.h"

class LltTwistDesignFrame;

class LltTwistDesignCirculationCanvas : public LltPlotCanvas {
  public:
    LltTwistDesignCirculationCanvas(wxWindow* parent, LltTwistDesignFrame& frame, wxWindowID id,
                                    const wxPoint& pos, const wxSize& size);

  private:
    void OnPaint(wxPaintEvent& event);
    void OnMouse(wxMouseEvent& event);

    LltTwistDesignFrame& frame_;
    wxDECLARE_EVENT_TABLE();
};

class LltTwistDesignChordCanvas : public LltPlotCanvas {
  public:
    LltTwistDesignChordCanvas(wxWindow* parent, LltTwistDesignFrame& frame, wxWindowID id,
                              const wxPoint& pos, const wxSize& size);

  private:
    void OnPaint(wxPaintEvent& event);
    void OnMouse(wxMouseEvent& event);

    LltTwistDesignFrame& frame_;
    wxDECLARE_EVENT_TABLE();
};

// Shows the computed twist; takes no input.
class LltTwistDesignTwistCanvas : public LltPlotCanvas {
  public:
    LltTwistDesignTwistCanvas(wxWindow* parent, LltTwistDesignFrame& frame, wxWindowID id,
                              const wxPoint& pos, const wxSize& size);

  private:
    void OnPaint(wxPaintEvent& event);

    LltTwistDesignFrame& frame_;
    wxDECLARE_EVENT_TABLE();
};
