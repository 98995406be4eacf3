#pragma once
// The texts of the lifting-line methods' twist plots that make room for the handles. Both plots
// draw the relative angle over the half span (200 pixels wide, 20 pixels per degree) between a
// left axis from -70 down and a right axis from -70 to 45 at x = 200, with the span axis at y = 0;
// the handles are 4 x 4 squares and their labels stand 13 pixels above them. Every text keeps its
// own place unless something covers it there: the span labels b/4 and b/2 move off the handles,
// the handles' labels off the axes, ticks and all other texts, each to the nearest free place.

#include <string>
#include <vector>

#include "common/core/PlotPainter.h"
#include "common/core/PlotTextLayout.h"

namespace luvo {

struct TwistPlotFrame {
    int leftAxisBottom = 45;
    std::vector<PlotText> fixed;    // captions and tick labels, drawn where they are
    std::vector<PlotText> window;   // what the window writes on the canvas (the title)
    std::vector<PlotRect> handles;  // the squares the handle routine draws
    double span = 0;                // b [m], labelled "%2.1f" at b/4 and b/2
};

// The tick labels: the angles relative to the root, "3.0" to "-2.0" (the negative ones at
// negativeX), on the left, and the absolute angles about the root angle alphaA ("%2.1f") at
// x = 208 on the right, 20 pixels apart from y = -67.
void AddTwistAngleLabels(TwistPlotFrame& frame, double alphaA, double negativeX);
// The window's title, given in canvas pixels; the plots have their origin at (45, 90).
void AddTwistTitle(TwistPlotFrame& frame, const PlotText& title);
// A handle square with its top-left corner at (x, y); one that is no number or far off the
// canvas is left out.
void AddTwistHandle(TwistPlotFrame& frame, double x, double y);

// The texts of the span labels, b/4 first.
std::vector<std::string> TwistPlotSpanLabels(double span);

// A layout with the frame's axes, ticks, fixed texts and handles kept and the two span labels
// placed (near (93, 4) and (180, 4)); `spanLabels` receives their boxes.
PlotTextLayout TwistPlotLayout(PlotPixels& px, const TwistPlotFrame& frame,
                               std::vector<PlotRect>& spanLabels);

}  // namespace luvo
