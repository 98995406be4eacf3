#include "llt/gui/LltPlots.h"

#include "common/gui/WxPlotPainter.h"

void LltStartPlot(wxDC& dc, const wxString& title, int x, int y) {
    luvo::StartPlot(dc, title, x, y);
}

void DrawCirculationPlot(wxDC& dc, const LltSolver& s, double inputMode, double heldScale) {
    luvo::DrawOn(dc, PaintCirculationPlot, s, inputMode, heldScale);
}

void DrawCirculationHandles(wxDC& dc, const LltSolver& s, double inputMode, double heldScale) {
    luvo::DrawOn(dc, PaintCirculationHandles, s, inputMode, heldScale);
}

void DrawChordPlot(wxDC& dc, const LltSolver& s, LltChordPlotLayout layout) {
    luvo::DrawOn(dc, PaintChordPlot, s, layout);
}

void DrawChordHandles(wxDC& dc, double b, double s1, double s2, double s3, double cA, double cB,
                      double cC, double cD, LltChordPlotLayout plot) {
    luvo::DrawOn(dc, PaintChordHandles, b, s1, s2, s3, cA, cB, cC, cD, plot);
}

void DrawTwistPlot(wxDC& dc, const LltSolver& s, const luvo::PlotText& title) {
    luvo::DrawOn(dc, PaintTwistPlot, s, title);
}

void DrawTwistHandles(wxDC& dc, double b, double alphaA, double deltaB, double deltaC,
                      double deltaD, double s1, double s2, double s3, const luvo::PlotText& title) {
    luvo::DrawOn(dc, PaintTwistHandles, b, alphaA, deltaB, deltaC, deltaD, s1, s2, s3, title);
}

void DrawTwistResultPlot(wxDC& dc, const LltSolver& s, double twistScaling) {
    luvo::DrawOn(dc, PaintTwistResultPlot, s, twistScaling);
}

void DrawChordResultPlot(wxDC& dc, const LltSolver& s, double chordScaling) {
    luvo::DrawOn(dc, PaintChordResultPlot, s, chordScaling);
}

void DrawCirculationLiftPlot(wxDC& dc, const LltSolver& s) {
    luvo::DrawOn(dc, PaintCirculationLiftPlot, s);
}

void DrawResultsCirculationLiftPlot(wxDC& dc, const LltSolver& s) {
    luvo::DrawOn(dc, PaintResultsCirculationLiftPlot, s);
}
