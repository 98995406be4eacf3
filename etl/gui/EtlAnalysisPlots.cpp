#include "etl/gui/EtlAnalysisPlots.h"

#include "common/gui/WxPlotPainter.h"
#include "etl/gui/EtlPlots.h"

void EtlPaintAnalysisChord(wxDC& dc, const EtlSolver& s, const EtlAnalysisInputs& in) {
    const luvo::PlotText& title = kEtlChordTitle;
    luvo::StartPlot(dc, wxString::FromUTF8(title.text), static_cast<int>(title.x),
                    static_cast<int>(title.y));
    EtlDrawPlanform(dc, s, title);
    EtlDrawChordHandles(dc, in.span, in.lengthAB, in.lengthBC, in.lengthCD, in.chordA, in.chordB,
                        in.chordC, in.chordD, in.sweep1, in.sweep2, in.sweep3, title);
}

void EtlPaintAnalysisTwist(wxDC& dc, const EtlSolver& s, const EtlAnalysisInputs& in) {
    const luvo::PlotText& title = kEtlTwistTitle;
    luvo::StartPlot(dc, wxString::FromUTF8(title.text), static_cast<int>(title.x),
                    static_cast<int>(title.y));
    EtlDrawTwistPlot(dc, s, title);
    // The handles take the absolute angles.
    EtlDrawTwistHandles(dc, in.span, in.angleA, in.angleB + in.angleA, in.angleC + in.angleA,
                        in.angleD + in.angleA, in.lengthAB, in.lengthBC, in.lengthCD, title);
}

void EtlPaintAnalysisCirculation(wxDC& dc, const EtlSolver& s) {
    luvo::StartPlot(dc, wxS("Zirkulationsverteilung"), 100, 20);
    EtlDrawCirculationLiftPlot(dc, s);
}
