#pragma once
// "Ergebnisse": the outcome of one wing-file run, its six values and its circulation and lift
// plot. Every run opens its own window, which keeps that run's record for its repaints while
// later runs and task windows replace the module's current record.

#include "common/gui/WingResultsFrame.h"
#include "llt/core/LltSolver.h"
#include "llt/gui/LltResultLabels.h"

using LltResultsCanvas = luvo::WingResultsCanvas;

class LltResultsFrame : public luvo::WingRecordResultsFrame<LltSolver>, public LltResultLabels {
  public:
    LltResultsFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                    long style = wxDEFAULT_FRAME_STYLE);

    void PaintPlot(wxDC& dc) const override;
    void WriteValues() override;
};
