#pragma once
// The plots of the supersonic method, drawn through the common painter: plot frames, curves, the
// free-stream arrow, the pressure curves, and the complete picture of each canvas.

#include <vector>

#include "common/core/PlotPainter.h"
#include "supersonic/core/SupersonicProfile.h"

// Origin (x0, y0) in pixels, pixels per tick (xs, zs), value per tick (xv, zv), tick counts (nx,
// nu above and nd below the axis) and label steps (xl, zl). A point (x, z) lies at
// X = x0 + xs*x/xv, Y = y0 - zs*z/zv.
struct SupersonicPlotParameters {
    double x0, xs, nx, xv, xl;
    double y0, zs, nd, nu, zv, zl;
};

inline constexpr SupersonicPlotParameters kSupersonicCamberPlot{50, 38, 10, 0.1,  5, 140,
                                                                25, 1,  4,  0.01, 2};
inline constexpr SupersonicPlotParameters kSupersonicThicknessPlot{50, 38, 10, 0.1,  5, 100,
                                                                   20, 3,  3,  0.02, 2};
inline constexpr SupersonicPlotParameters kSupersonicResultPlot = kSupersonicThicknessPlot;
inline constexpr SupersonicPlotParameters kSupersonicContourPlot = kSupersonicThicknessPlot;
inline constexpr SupersonicPlotParameters kSupersonicPressurePlot{50, 38, 10, 0.1,  5, 100,
                                                                  20, 3,  3,  -0.1, 2};
// cp per tick of the result plot's right axis.
inline constexpr double kSupersonicResultCpPerTick = -0.1;

// The curves of the six display options: linearised upper, lower, difference, then the same of
// the shock-expansion theory.
struct SupersonicPressureOptions {
    bool show[6] = {true, true, false, false, false, false};
};

// The colours of the plots: the colour name "blue" and the green of the shock-expansion theory.
inline constexpr luvo::PlotColour kSupersonicBlue{0, 0, 255};
inline constexpr luvo::PlotColour kSupersonicGreen{0, 158, 0};

void DrawPlotFrame(luvo::PlotPainter& painter, const SupersonicPlotParameters& p, const char* title,
                   bool cp);
void DrawResultFrame(luvo::PlotPainter& painter, const SupersonicPlotParameters& p, double zPerTick,
                     double cpPerTick, double labelStep, const char* title);
// A polyline through the first `count` points; sorted by x when the count equals a support count
// of the profile, with (0, 0) and (1, 0) added when closed, and drawn again mirrored.
void DrawCurve(luvo::PlotPainter& painter, const SupersonicProfile& profile, int count,
               const std::vector<SupersonicPoint>& points, double x0, double y0, double xs,
               double zs, double xv, double zv, bool mirrored, bool closed);
// The free-stream arrow ending 5 pixels left of the tip; its slope is ten times the true one.
void DrawFlowArrow(luvo::PlotPainter& painter, double tipX, double tipY, double alphaDegrees);
// One cp curve from the result rows: type 0-2 linearised upper, lower, difference; 3-5 the same
// of the shock-expansion theory. Other types draw nothing.
void DrawPressure(luvo::PlotPainter& painter, const SupersonicProfile& profile, int type, double x0,
                  double y0, double xs, double zs, double xv, double zv);

// The complete canvases; alphaDegrees is what the window's alpha* field reads.
void PaintCamberCanvas(luvo::PlotPainter& painter, const SupersonicProfile& profile,
                       double alphaDegrees);
void PaintThicknessCanvas(luvo::PlotPainter& painter, const SupersonicProfile& profile);
void PaintResultCanvas(luvo::PlotPainter& painter, const SupersonicProfile& profile, bool showParts,
                       const SupersonicPressureOptions& options);
void PaintContourCanvas(luvo::PlotPainter& painter, const SupersonicProfile& profile,
                        double alphaDegrees);
void PaintPressureCanvas(luvo::PlotPainter& painter, const SupersonicProfile& profile,
                         const SupersonicPressureOptions& options);

// The support point a press at (x, z) picks: the first of the first `supportCount` slots within
// the tolerances (bounds included), -1 when none.
int PickSupportPoint(const SupersonicCurve& curve, double x, double z, double toleranceX,
                     double toleranceZ);
