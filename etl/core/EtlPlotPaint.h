#pragma once
// The plots of the extended lifting-line method as sequences of drawing steps: the plan form of
// the wing of three trapezoids with its quarter-chord line, flow arrow and sweep angles, the
// twist, the circulation with the local lift coefficient (for the analysis window and, moved, for
// the results window), and the handles that the analysis canvases let the user drag.
//
// The routines draw into a `PlotPainter` (common/core/PlotPainter.h); etl/gui/EtlPlots.h runs them
// on the window library's device contexts. Coordinates are logical pixels after the routine has set
// the device origin (the handle routines draw in the origin of the plot drawn just before them):
// the half span is 200 pixels wide, y grows downwards. A coordinate that is not finite never
// reaches the painter, and a curve whose scale is 0 or not finite is left out.

#include <array>

#include "common/core/PlotPainter.h"
#include "common/core/TwistPlotLabels.h"
#include "etl/core/EtlSolver.h"

// `title`: what the window writes on the canvas above the plot (canvas pixels), which the
// plot's movable texts keep clear of.
void EtlPaintPlanform(luvo::PlotPainter& p, const EtlSolver& s, const luvo::PlotText& title = {});
// Field values as read by the caller: span [m], lengths [% of b/2], chords [m], leading-edge
// sweeps [deg].
void EtlPaintChordHandles(luvo::PlotPainter& p, double b, double lAB, double lBC, double lCD,
                          double cA, double cB, double cC, double cD, double phiVK1, double phiVK2,
                          double phiVK3, const luvo::PlotText& title = {});
// The rows of the centres of the chord handles' marks of B, C and D on the plan form: the
// trailing edges of the sections, or the edge of the canvas for one beyond it, where the mark
// can still be picked. Arguments as above.
std::array<double, 3> EtlChordMarkRows(double b, double lAB, double lBC, double lCD, double cA,
                                       double cB, double cC, double cD, double phiVK1,
                                       double phiVK2, double phiVK3);
// The row of the centre of a twist handle's mark: 20 pixels per degree relative to the root,
// upwards, or the edge of the handle rows (3 to -2 degrees) for an angle beyond them.
double EtlTwistMarkRow(double relativeAngle);

// `title`: what the window writes on the canvas above the plot (canvas pixels), which the
// plot's movable texts keep clear of.
void EtlPaintTwistPlot(luvo::PlotPainter& p, const EtlSolver& s, const luvo::PlotText& title = {});
// Span [m] (for the plot's span labels, which the handle labels keep clear of), absolute angles
// [deg] and lengths [% of b/2].
void EtlPaintTwistHandles(luvo::PlotPainter& p, double b, double alphaA, double alphaB,
                          double alphaC, double alphaD, double lAB, double lBC, double lCD,
                          const luvo::PlotText& title = {});
void EtlPaintCirculationLiftPlot(luvo::PlotPainter& p, const EtlSolver& s);
void EtlPaintResultsCirculationLiftPlot(luvo::PlotPainter& p, const EtlSolver& s);
