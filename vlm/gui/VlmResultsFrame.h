#pragma once
// "Ergebnisse": the outcome of one vortex-lattice run: the force and moment coefficients, the
// reference area and chord, the k-factor, the span load and the pressure of two strips. Each
// run opens its own window, which keeps that run's results for its labels and its repaints.

#include <wx/button.h>
#include <wx/radiobox.h>
#include <wx/stattext.h>
#include <wx/window.h>

#include <memory>

#include "common/gui/LuvoFrame.h"
#include "common/gui/ResultCanvases.h"
#include "vlm/core/VlmValues.h"

class VlmResultsFrame;

// The canvases draw the results of the window they sit in at every paint.
class VlmSpanLoadCanvas : public wxWindow {
  public:
    VlmSpanLoadCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size);

  private:
    void OnPaint(wxPaintEvent& event);
    wxDECLARE_EVENT_TABLE();
};

class VlmPressureCanvas : public luvo::CpCanvas {
  public:
    VlmPressureCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size);

  private:
    void DrawPlot(luvo::PlotPainter& painter, bool scaled) override;
};

class VlmWarningCanvas : public luvo::WarningCanvas {
  public:
    VlmWarningCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size);
};

class VlmResultsFrame : public luvo::LuvoFrame {
  public:
    enum { kIdCpScaleRadio = 14 };

    VlmResultsFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                    long style = wxDEFAULT_FRAME_STYLE);

    // Takes the run's results: the eight values, the warning when k is not 1 or more, and the
    // plots from now on.
    void ShowResults(std::shared_ptr<const VlmResults> results);
    const VlmResults* Results() const { return results_.get(); }

    wxPanel* panel = nullptr;
    VlmSpanLoadCanvas* spanLoadCanvas = nullptr;
    VlmPressureCanvas* pressureCanvas = nullptr;
    VlmWarningCanvas* warningCanvas = nullptr;  // only with the warning
    wxRadioBox* cpScaleRadioBox = nullptr;
    wxButton* closeButton = nullptr;
    // cA, cWi, cMx, cMy, cMz, S, l_mue, k.
    wxStaticText* valueLabels[8] = {};

  private:
    void OnInfo(wxCommandEvent& event);
    void OnCpScaleRadioBox(wxCommandEvent& event);

    std::shared_ptr<const VlmResults> results_;

    wxDECLARE_EVENT_TABLE();
};
