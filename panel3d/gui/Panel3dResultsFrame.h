#pragma once
// "Ergebnisse": one flow state of a panel run: force and moment coefficients, the friction drag
// of the integral method, the reference values and the k-factor, the span load and the pressure
// of a tip and a root strip.

#include <wx/radiobox.h>
#include <wx/stattext.h>

#include "panel3d/gui/Panel3dResultCanvases.h"
#include "panel3d/gui/Panel3dXfoilStepWindow.h"

class Panel3dResultsFrame : public Panel3dXfoilStepWindow {
  public:
    Panel3dResultsFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                        Panel3dRun run, long style = wxDEFAULT_FRAME_STYLE);

    Panel3dSpanLoadCanvas* spanLoadCanvas = nullptr;
    Panel3dPressureCanvas* pressureCanvas = nullptr;
    Panel3dKFactorWarningCanvas* kFactorWarningCanvas = nullptr;  // only with the warning
    // cA, cWi, cMx, cMy, cMz, reference area, reference chord, k, cWr.
    wxStaticText* valueTexts[9] = {};
    wxRadioBox* cpScaleRadioBox = nullptr;

  private:
    void OnInfo(wxCommandEvent& event);
    void OnRadioBox(wxCommandEvent& event);
    wxDECLARE_EVENT_TABLE();
};
