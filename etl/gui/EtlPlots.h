#pragma once
// The plot routines of the extended lifting-line method on the window library's device contexts
// (see etl/core/EtlPlotPaint.h for what each one draws). They change nothing but the context's
// origin, pen, font and text background.

#include <wx/dc.h>

#include "etl/core/EtlPlotPaint.h"
#include "etl/core/EtlSolver.h"

void EtlDrawPlanform(wxDC& dc, const EtlSolver& s, const luvo::PlotText& title = {});
void EtlDrawChordHandles(wxDC& dc, double b, double lAB, double lBC, double lCD, double cA,
                         double cB, double cC, double cD, double phiVK1, double phiVK2,
                         double phiVK3, const luvo::PlotText& title = {});
void EtlDrawTwistPlot(wxDC& dc, const EtlSolver& s, const luvo::PlotText& title = {});
void EtlDrawTwistHandles(wxDC& dc, double b, double alphaA, double alphaB, double alphaC,
                         double alphaD, double lAB, double lBC, double lCD,
                         const luvo::PlotText& title = {});
void EtlDrawCirculationLiftPlot(wxDC& dc, const EtlSolver& s);
void EtlDrawResultsCirculationLiftPlot(wxDC& dc, const EtlSolver& s);
