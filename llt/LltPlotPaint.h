#pragma once
// The plots of the simple lifting-line method as sequences of drawing steps: the prescribed
// circulation, the chord planform, the twist, the two design results and the circulation with
// the local lift coefficient, and the coloured 4 x 4 handles that the canvases let the user drag.
//
// The routines draw into an `LltPlotPainter`; the window library's device contexts are one
// painter (llt/LltPlots.h), and a recording painter lets the tests check every coordinate.
// Coordinates are logical pixels after the routine has set the device origin: the half span is
// 200 pixels wide (root at x = 0, tip at x = 200), y grows downwards. Every coordinate is
// computed in floating point and truncated toward zero; one that is not finite never reaches
// the painter, and a plot whose scale is 0 or not finite draws its axes and labels only.

#include <string>

#include "llt/LltSolver.h"

enum class LltPen {
    StockBlack,  // the library's stock black pen
    Axis,        // solid black, width 0
    Red,
    Grey,
    Blue,
    Green,
};

class LltPlotPainter {
  public:
    virtual ~LltPlotPainter() = default;
    virtual void SetOrigin(int x, int y) = 0;
    virtual void SetPen(LltPen pen) = 0;
    // The small 8-point sans-serif font and a white text background.
    virtual void UseSmallFont() = 0;
    virtual void Line(int x1, int y1, int x2, int y2) = 0;
    // Drawn with the current pen and whatever brush the context holds.
    virtual void Rectangle(int x, int y, int width, int height) = 0;
    // Top-left corner at (x, y); UTF-8 text.
    virtual void Text(const std::string& text, int x, int y) = 0;
};

// Which window draws the chord planform: the two place it differently.
enum class LltChordPlotLayout { Analysis, TwistDesign };

// Input mode of the design windows: 1.0 means a1 given, any other value the lift coefficient.
void PaintCirculationPlot(LltPlotPainter& p, const LltSolver& s, double inputMode);
void PaintCirculationHandles(LltPlotPainter& p, const LltSolver& s, double inputMode);
void PaintChordPlot(LltPlotPainter& p, const LltSolver& s, LltChordPlotLayout layout);
// Field values as read by the caller: span [m], segment lengths [%], chords [m].
void PaintChordHandles(LltPlotPainter& p, double b, double s1, double s2, double s3, double cA,
                       double cB, double cC, double cD);
void PaintTwistPlot(LltPlotPainter& p, const LltSolver& s);
// Root angle and angles relative to it [deg], segment lengths [%].
void PaintTwistHandles(LltPlotPainter& p, double alphaA, double deltaB, double deltaC,
                       double deltaD, double s1, double s2, double s3);
// Scaling 1.0: fixed axis ("nicht skaliert"); any other value: the axis follows the range.
void PaintTwistResultPlot(LltPlotPainter& p, const LltSolver& s, double twistScaling);
// Scaling 1.0: "nicht maßstäblich"; any other value: true scale.
void PaintChordResultPlot(LltPlotPainter& p, const LltSolver& s, double chordScaling);
void PaintCirculationLiftPlot(LltPlotPainter& p, const LltSolver& s);
void PaintResultsCirculationLiftPlot(LltPlotPainter& p, const LltSolver& s);
