#include "etl/EtlAnalysisPlots.h"

#include "common/WxPlotPainter.h"
#include "etl/EtlPlots.h"

void EtlPaintAnalysisChord(wxDC& dc, const EtlSolver& s, const EtlAnalysisInputs& in) {
    StartPlot(dc, wxS("Tiefenverteilung"), 115, 10);
    EtlDrawPlanform(dc, s);
    EtlDrawChordHandles(dc, in.span, in.lengthAB, in.lengthBC, in.lengthCD, in.chordA, in.chordB,
                        in.chordC, in.chordD, in.sweep1, in.sweep2, in.sweep3);
}

void EtlPaintAnalysisTwist(wxDC& dc, const EtlSolver& s, const EtlAnalysisInputs& in) {
    StartPlot(dc, wxS("Schränkungsverteilung"), 85, 20);
    EtlDrawTwistPlot(dc, s);
    // The handles take the absolute angles.
    EtlDrawTwistHandles(dc, in.angleA, in.angleB + in.angleA, in.angleC + in.angleA,
                        in.angleD + in.angleA, in.lengthAB, in.lengthBC, in.lengthCD);
}

void EtlPaintAnalysisCirculation(wxDC& dc, const EtlSolver& s) {
    StartPlot(dc, wxS("Zirkulationsverteilung"), 100, 20);
    EtlDrawCirculationLiftPlot(dc, s);
}
