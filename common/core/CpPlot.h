#pragma once
// The chordwise pressure plot of the 3D methods' results windows: cp of a tip strip and a root
// strip over x / t, negative cp upward, on an axis fitted to the lowest cp or on the fixed axis
// from -1 to 1; and the red warning texts that sit beside it.

#include <string>
#include <vector>

#include "common/core/PlotPainter.h"

namespace luvo {

// One strip's pressure: chord position x / t from the leading edge and cp of each point. The
// points form polylines of `sidePoints` consecutive points each (one per side of the profile);
// consecutive sides are not joined.
struct CpPlotStrip {
    std::vector<double> chordFraction;
    std::vector<double> cp;
    int sidePoints = 0;
    PlotPen pen = PlotPen::StockRed();
};

// Steps n of the fitted axis: one cp each, from 1 at the bottom to 1 - n at the top; from the
// lowest finite cp of both strips (at most 1.0), at most 120 so that every step keeps a pixel.
int CpPlotScaledSteps(const CpPlotStrip& tip, const CpPlotStrip& root);

// The whole plot ("cp über Flügeltiefe:", axes, ticks, labels, both strips and the legend)
// with the origin at (160, 110) of a 330 by 200 canvas.
void DrawCpPlot(PlotPainter& painter, const CpPlotStrip& tip, const CpPlotStrip& root, bool scaled);

// Whether a k-factor asks for the warning: it is not 1 or more (also when it is no number).
bool NeedsKFactorWarning(double kFactor);

// The lines of the warning canvases.
const std::vector<std::string>& KFactorWarningLines();

// Lines of red text at x = 5, 17 pixels apart from y = 5.
void DrawWarningText(PlotPainter& painter, const std::vector<std::string>& lines);

}  // namespace luvo
