#pragma once
// The plots of the simple lifting-line method as sequences of drawing steps: the prescribed
// circulation, the chord planform, the twist, the two design results and the circulation with
// the local lift coefficient, and the coloured 4 x 4 handles that the canvases let the user drag.
//
// The routines draw into a `PlotPainter` (common/core/PlotPainter.h); llt/gui/LltPlots.h runs them
// on the window library's device contexts. Coordinates are logical pixels after the routine has set
// the device origin: the half span is 200 pixels wide (root at x = 0, tip at x = 200), y grows
// downwards. Every coordinate is computed in floating point and truncated toward zero; one that is
// not finite never reaches the painter, and a plot whose scale is 0 or not finite draws its axes
// and labels only.

#include <limits>
#include <string>

#include "common/core/PlotPainter.h"
#include "common/core/TwistPlotLabels.h"
#include "llt/core/LltSolver.h"

// Which window draws the chord planform: the two place it differently.
enum class LltChordPlotLayout { Analysis, TwistDesign };

// Input mode of the design windows: 1.0 means a1 given, any other value the lift coefficient.
// The plot shows gamma divided by the series' first coefficient, or by `heldScale` when that is
// finite (the scale at the press of a circulation drag, kept until its release).
void PaintCirculationPlot(luvo::PlotPainter& p, const LltSolver& s, double inputMode,
                          double heldScale = std::numeric_limits<double>::quiet_NaN());
void PaintCirculationHandles(luvo::PlotPainter& p, const LltSolver& s, double inputMode,
                             double heldScale = std::numeric_limits<double>::quiet_NaN());
void PaintChordPlot(luvo::PlotPainter& p, const LltSolver& s, LltChordPlotLayout layout);
// Field values as read by the caller: span [m], segment lengths [%], chords [m].
// `plot`: the window whose chord plot the handles are drawn on.
void PaintChordHandles(luvo::PlotPainter& p, double b, double s1, double s2, double s3, double cA,
                       double cB, double cC, double cD,
                       LltChordPlotLayout plot = LltChordPlotLayout::Analysis);
// `title`: what the window writes on the canvas above the plot (canvas pixels), which the plot's
// movable texts keep clear of.
void PaintTwistPlot(luvo::PlotPainter& p, const LltSolver& s, const luvo::PlotText& title = {});
// Span [m] (for the plot's span labels, which the handle labels keep clear of), root angle and
// angles relative to it [deg], segment lengths [%].
void PaintTwistHandles(luvo::PlotPainter& p, double b, double alphaA, double deltaB, double deltaC,
                       double deltaD, double s1, double s2, double s3,
                       const luvo::PlotText& title = {});
// Scaling 1.0: fixed axis ("nicht skaliert"); any other value: the axis follows the range.
void PaintTwistResultPlot(luvo::PlotPainter& p, const LltSolver& s, double twistScaling);
// Scaling 1.0: "nicht maßstäblich"; any other value: true scale.
void PaintChordResultPlot(luvo::PlotPainter& p, const LltSolver& s, double chordScaling);
void PaintCirculationLiftPlot(luvo::PlotPainter& p, const LltSolver& s);
void PaintResultsCirculationLiftPlot(luvo::PlotPainter& p, const LltSolver& s);
