#pragma once
// "Ergebnisse": the outcome of one wing-file run, its six values and its circulation and lift
// plot. Every run opens its own window, which keeps that run's record for its repaints while
// later runs and the analysis replace the module's current record.

#include "common/gui/WingResultsFrame.h"
#include "etl/core/EtlSolver.h"

using EtlResultsCanvas = luvo::WingResultsCanvas;

class EtlResultsFrame : public luvo::WingRecordResultsFrame<EtlSolver> {
  public:
    EtlResultsFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                    long style = wxDEFAULT_FRAME_STYLE | wxSTAY_ON_TOP);

    void PaintPlot(wxDC& dc) const override;
    void WriteValues() override;
};
