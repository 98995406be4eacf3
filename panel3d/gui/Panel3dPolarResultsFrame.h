#pragma once
// "Polaren": the lift polars of a panel run (drag polar, lift curve with the pressure point,
// neutral point) and its speed polars (sink speed, and power or thrust as chosen).

#include <wx/radiobox.h>
#include <wx/stattext.h>

#include "panel3d/gui/Panel3dResultCanvases.h"
#include "panel3d/gui/Panel3dXfoilStepWindow.h"

class Panel3dPolarResultsFrame : public Panel3dXfoilStepWindow {
  public:
    Panel3dPolarResultsFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                             Panel3dRun run, long style = wxDEFAULT_FRAME_STYLE);

    Panel3dDragPolarCanvas* dragPolarCanvas = nullptr;
    Panel3dLiftAlphaCanvas* liftAlphaCanvas = nullptr;
    wxStaticText* neutralPointText = nullptr;

  private:
    void OnInfo(wxCommandEvent& event);
    wxDECLARE_EVENT_TABLE();
};

class Panel3dSpeedPolarResultsFrame : public Panel3dXfoilStepWindow {
  public:
    Panel3dSpeedPolarResultsFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                                  Panel3dRun run, long style = wxDEFAULT_FRAME_STYLE);

    Panel3dSpeedPolarCanvas* speedPolarCanvas = nullptr;
    // Panel3dPowerPolarCanvas or Panel3dThrustPolarCanvas, as the radio box chose.
    Panel3dPlotCanvas* lowerCanvas = nullptr;
    wxRadioBox* polarRadioBox = nullptr;

  private:
    void OnInfo(wxCommandEvent& event);
    void OnRadioBox(wxCommandEvent& event);
    wxDECLARE_EVENT_TABLE();
};
