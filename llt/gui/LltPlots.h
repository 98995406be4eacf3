#pragma once
// The plot routines of the simple lifting-line method, drawing into the device context they are
// given (see llt/core/LltPlotPaint.h for what each one draws). They change nothing but the
// context's origin, pen, font and text background.

#include <wx/dc.h>

#include "llt/core/LltPlotPaint.h"

void DrawCirculationPlot(wxDC& dc, const LltSolver& s, double inputMode, double heldScale);
void DrawCirculationHandles(wxDC& dc, const LltSolver& s, double inputMode, double heldScale);
void DrawChordPlot(wxDC& dc, const LltSolver& s, LltChordPlotLayout layout);
void DrawChordHandles(wxDC& dc, double b, double s1, double s2, double s3, double cA, double cB,
                      double cC, double cD, LltChordPlotLayout plot);
void DrawTwistPlot(wxDC& dc, const LltSolver& s, const luvo::PlotText& title = {});
void DrawTwistHandles(wxDC& dc, double b, double alphaA, double deltaB, double deltaC,
                      double deltaD, double s1, double s2, double s3,
                      const luvo::PlotText& title = {});
void DrawTwistResultPlot(wxDC& dc, const LltSolver& s, double twistScaling);
void DrawChordResultPlot(wxDC& dc, const LltSolver& s, double chordScaling);
void DrawCirculationLiftPlot(wxDC& dc, const LltSolver& s);
void DrawResultsCirculationLiftPlot(wxDC& dc, const LltSolver& s);

// The titles that the analysis and the chord design window write above their twist plot
// (canvas pixels): below the captions of the angle axes.
inline const luvo::PlotText kLltAnalysisTwistTitle{"Schränkungsverteilung", 95, 23};
inline const luvo::PlotText kLltChordDesignTwistTitle{"Schränkungsverteilung", 85, 22};

// Clears the context with white, selects the small font and draws a plot's title at (x, y) in
// the canvas's own pixels: what every task window does before it calls a plot routine.
void LltStartPlot(wxDC& dc, const wxString& title, int x, int y);
