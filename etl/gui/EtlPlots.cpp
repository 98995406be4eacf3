#include "etl/gui/EtlPlots.h"

#include "common/gui/WxPlotPainter.h"
#include "etl/core/EtlPlotPaint.h"

void EtlDrawPlanform(wxDC& dc, const EtlSolver& s, const luvo::PlotText& title) {
    luvo::DrawOn(dc, EtlPaintPlanform, s, title);
}

void EtlDrawChordHandles(wxDC& dc, double b, double lAB, double lBC, double lCD, double cA,
                         double cB, double cC, double cD, double phiVK1, double phiVK2,
                         double phiVK3, const luvo::PlotText& title) {
    luvo::DrawOn(dc, EtlPaintChordHandles, b, lAB, lBC, lCD, cA, cB, cC, cD, phiVK1, phiVK2, phiVK3,
                 title);
}

void EtlDrawTwistPlot(wxDC& dc, const EtlSolver& s, const luvo::PlotText& title) {
    luvo::DrawOn(dc, EtlPaintTwistPlot, s, title);
}

void EtlDrawTwistHandles(wxDC& dc, double b, double alphaA, double alphaB, double alphaC,
                         double alphaD, double lAB, double lBC, double lCD,
                         const luvo::PlotText& title) {
    luvo::DrawOn(dc, EtlPaintTwistHandles, b, alphaA, alphaB, alphaC, alphaD, lAB, lBC, lCD, title);
}

void EtlDrawCirculationLiftPlot(wxDC& dc, const EtlSolver& s) {
    luvo::DrawOn(dc, EtlPaintCirculationLiftPlot, s);
}

void EtlDrawResultsCirculationLiftPlot(wxDC& dc, const EtlSolver& s) {
    luvo::DrawOn(dc, EtlPaintResultsCirculationLiftPlot, s);
}
