#pragma once
// The results of a run once more, now with XFOIL's profile drag beside the panel method's two
// estimates: "XFOIL Ergebnisse" (single state), "XFOIL Polaren Ergebnisse" (lift polars) and
// "XFOIL Geschw.-Polaren Ergebnisse" (speed polars). Each shows the reading that opened it and
// warns when XFOIL failed for some section.

#include <wx/radiobox.h>
#include <wx/stattext.h>
#include <wx/weakref.h>

#include <array>

#include "panel3d/gui/Panel3dResultCanvases.h"
#include "panel3d/gui/Panel3dResultsWindow.h"

class XfoilResultsFrame : public Panel3dResultsWindow {
  public:
    // `run` holds the reading in its record; `failed` shows the XFOIL warning.
    XfoilResultsFrame(const wxString& title, const wxPoint& pos, const wxSize& size, long style,
                      Panel3dRun run, bool failed);

    Panel3dSpanLoadCanvas* spanLoadCanvas = nullptr;
    Panel3dXfoilWarningCanvas* warningCanvas = nullptr;
    Panel3dSpanDragCanvas* spanDragCanvas = nullptr;
    // Total cA, total cWi, cWr_ep, cW_xf, cWr_xf, cWp_xf, cWr_int.
    std::array<wxStaticText*, 7> valueTexts{};

  private:
    void OnInfo(wxCommandEvent& event);
    wxDECLARE_EVENT_TABLE();
};

class XfoilPolarResultsFrame : public Panel3dResultsWindow {
  public:
    XfoilPolarResultsFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                           long style, Panel3dRun run, bool failed);

    Panel3dDragPolarXfoilCanvas* dragPolarCanvas = nullptr;
    Panel3dLiftAlphaCanvas* liftAlphaCanvas = nullptr;
    Panel3dXfoilWarningCanvas* warningCanvas = nullptr;
    wxStaticText* neutralPointText = nullptr;

  private:
    void OnInfo(wxCommandEvent& event);
    wxDECLARE_EVENT_TABLE();
};

class XfoilSpeedPolarResultsFrame : public Panel3dResultsWindow {
  public:
    XfoilSpeedPolarResultsFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                                long style, Panel3dRun run, bool failed);

    Panel3dSpeedPolarXfoilCanvas* speedPolarCanvas = nullptr;
    // Panel3dPowerPolarXfoilCanvas or Panel3dThrustPolarXfoilCanvas, as the radio box chose.
    Panel3dPlotCanvas* lowerCanvas = nullptr;
    Panel3dXfoilWarningCanvas* warningCanvas = nullptr;
    wxRadioBox* polarRadioBox = nullptr;

  private:
    void OnInfo(wxCommandEvent& event);
    void OnRadioBox(wxCommandEvent& event);
    wxDECLARE_EVENT_TABLE();
};

namespace panel3d {
// The newest results window of each kind; empty once it is closed.
inline wxWeakRef<XfoilResultsFrame> g_xfoilResultsFrame;
inline wxWeakRef<XfoilPolarResultsFrame> g_xfoilPolarResultsFrame;
inline wxWeakRef<XfoilSpeedPolarResultsFrame> g_xfoilSpeedPolarResultsFrame;
}  // namespace panel3d

// Opens the results window of the run's task mode, centred and shown; nullptr for another mode.
wxFrame* OpenXfoilResultsWindow(const Panel3dRun& run, bool failed);
