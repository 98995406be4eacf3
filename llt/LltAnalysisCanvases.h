#pragma once
// The three plot areas of the analysis window. Their paint handlers run the window's
// recomputation, which redraws all three; the chord and twist canvases let the user drag the
// handles of the sections B, C and D up and down, writing the dragged chord or relative angle
// into the section's field, whose checks then recompute the window.

#include <wx/event.h>

#include "llt/LltPlotCanvas.h"

class LltAnalysisFrame;

class LltAnalysisChordCanvas : public LltPlotCanvas {
  public:
    LltAnalysisChordCanvas(wxWindow* parent, LltAnalysisFrame& frame, wxWindowID id,
                           const wxPoint& pos, const wxSize& size);

  private:
    void OnPaint(wxPaintEvent& event);
    void OnMouse(wxMouseEvent& event);

    LltAnalysisFrame& frame_;
    wxDECLARE_EVENT_TABLE();
};

class LltAnalysisTwistCanvas : public LltPlotCanvas {
  public:
    LltAnalysisTwistCanvas(wxWindow* parent, LltAnalysisFrame& frame, wxWindowID id,
                           const wxPoint& pos, const wxSize& size);

  private:
    void OnPaint(wxPaintEvent& event);
    void OnMouse(wxMouseEvent& event);

    LltAnalysisFrame& frame_;
    wxDECLARE_EVENT_TABLE();
};

class LltAnalysisCirculationCanvas : public LltPlotCanvas {
  public:
    LltAnalysisCirculationCanvas(wxWindow* parent, LltAnalysisFrame& frame, wxWindowID id,
                                 const wxPoint& pos, const wxSize& size);

  private:
    void OnPaint(wxPaintEvent& event);

    LltAnalysisFrame& frame_;
    wxDECLARE_EVENT_TABLE();
};
