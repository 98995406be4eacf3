#pragma once
// "Ergebnisse": the outcome of one wing-file run, its six values and its circulation and lift
// plot. Every run opens its own window, which keeps that run's record for its repaints while
// later runs and the analysis replace the module's current record.

#include <wx/button.h>
#include <wx/stattext.h>
#include <wx/window.h>

#include <memory>

#include "common/LuvoFrame.h"
#include "etl/EtlSolver.h"

// The plot area; it draws the results of the window it belongs to at every repaint.
class EtlResultsCanvas : public wxWindow {
  public:
    EtlResultsCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size);

  private:
    void OnPaint(wxPaintEvent& event);
    wxDECLARE_EVENT_TABLE();
};

class EtlResultsFrame : public luvo::LuvoFrame {
  public:
    EtlResultsFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                    long style = wxDEFAULT_FRAME_STYLE | wxSTAY_ON_TOP);

    // Shows the record of the run: the six values and the plot. The window holds on to it.
    void ShowResults(std::shared_ptr<const EtlSolver> record);

    // The record this window shows (null before ShowResults).
    const std::shared_ptr<const EtlSolver>& GetRecord() const { return record_; }

    // Clears the context, draws the plot's title and the plot of the window's own record.
    void PaintPlot(wxDC& dc) const;
    // Rewrites the six values from the window's own record.
    void WriteValues();

    wxPanel* panel = nullptr;
    wxButton* closeButton = nullptr;
    EtlResultsCanvas* plotCanvas = nullptr;
    // area, mean chord, aspect ratio, lift, induced drag, k-factor
    wxStaticText* valueLabels[6] = {};

  private:
    void OnInfo(wxCommandEvent& event);

    std::shared_ptr<const EtlSolver> record_;

    wxDECLARE_EVENT_TABLE();
};
