#include "llt/gui/LltAnalysisPlots.h"

#include "llt/gui/LltPlots.h"

// The handles take the field values as read, not the record.

void LltPaintAnalysisChord(wxDC& dc, const LltSolver& s, const LltAnalysisInputs& in) {
    LltStartPlot(dc, wxS("Tiefenverteilung"), 115, 10);
    DrawChordPlot(dc, s, LltChordPlotLayout::Analysis);
    DrawChordHandles(dc, in.span, in.s1, in.s2, in.s3, in.chordA, in.chordB, in.chordC, in.chordD,
                     LltChordPlotLayout::Analysis);
}

void LltPaintAnalysisTwist(wxDC& dc, const LltSolver& s, const LltAnalysisInputs& in) {
    const luvo::PlotText& title = kLltAnalysisTwistTitle;
    LltStartPlot(dc, wxString::FromUTF8(title.text), static_cast<int>(title.x),
                 static_cast<int>(title.y));
    DrawTwistPlot(dc, s, title);
    DrawTwistHandles(dc, in.span, in.angleA, in.angleB, in.angleC, in.angleD, in.s1, in.s2, in.s3,
                     title);
}

void LltPaintAnalysisCirculation(wxDC& dc, const LltSolver& s) {
    LltStartPlot(dc, wxS("Zirkulationsverteilung"), 100, 10);
    DrawCirculationLiftPlot(dc, s);
}
