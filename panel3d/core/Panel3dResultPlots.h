#pragma once
// The plots of the 3D panel method's results windows, drawn through the plot painter: the span
// load, the local drag over the span, the lift curve, the drag polars, the speed, power and
// thrust polars and the chordwise pressure. Each draws the series of one run that it is given.

#include <array>
#include <string>
#include <vector>

#include "common/core/CpPlot.h"
#include "common/core/PlotPainter.h"

class Panel3dModel;

// What the span plots read of one run: per strip j = 0..2M-1 (strip 0 at the right tip) and
// per spanwise section s = 0..2M-1.
struct Panel3dSpanSeries {
    double halfSpan = 0;              // [m]
    double totalLiftCirculation = 0;  // sum of Gamma times the projected strip widths
    std::vector<double> stripY;       // y of the centroid of each strip's first panel [m]
    std::vector<double> stripLift;    // ca
    std::vector<double> stripCirculation;
    std::vector<double> eta;
    std::vector<double> cwi;
    std::vector<double> cfEp;      // flat-plate friction
    std::vector<double> cfInt;     // integral boundary-layer friction
    std::vector<double> cdfXfoil;  // XFOIL CD - CDp
};

// The drag models of the speed polars, in legend order: "ep", "int", "indu", "xf".
enum Panel3dDragModel { kPanel3dEp = 0, kPanel3dInt, kPanel3dInduced, kPanel3dXfoil };

struct Panel3dSpeedCurve {
    std::vector<double> vh;      // horizontal speed [m/s]
    std::vector<double> vv;      // sink speed [m/s]
    std::vector<double> power;   // [W]
    std::vector<double> thrust;  // [N]
};

// What the polar plots read of one run, per operating point.
struct Panel3dPolarSeries {
    std::vector<double> alpha;  // [deg]
    std::vector<double> ca;
    std::vector<double> cwi;
    std::vector<double> cwrEp;
    std::vector<double> cwrInt;
    std::vector<double> cwrXfoil;
    std::vector<double> ldp;  // pressure point [m]
    std::array<Panel3dSpeedCurve, 4> speed;
};

// ca, cw and Gamma over 2y/b, with the elliptic circulation of the same integral.
void DrawPanel3dSpanLoad(luvo::PlotPainter& painter, const Panel3dSpanSeries& s);
// The local drag coefficients over eta.
void DrawPanel3dSpanDrag(luvo::PlotPainter& painter, const Panel3dSpanSeries& s);
// cA and the pressure point l_DP over alpha.
void DrawPanel3dLiftAlpha(luvo::PlotPainter& painter, const Panel3dPolarSeries& s);
// cA over the drag sums; `withXfoil` adds cWi + cWr_xf.
void DrawPanel3dDragPolar(luvo::PlotPainter& painter, const Panel3dPolarSeries& s, bool withXfoil);
// Sink speed over horizontal speed of the drag models (with "xf" when asked).
void DrawPanel3dSpeedPolar(luvo::PlotPainter& painter, const Panel3dPolarSeries& s, bool withXfoil);
// Required power, or with `thrust` required thrust, over horizontal speed.
void DrawPanel3dPowerPolar(luvo::PlotPainter& painter, const Panel3dPolarSeries& s, bool thrust,
                           bool withXfoil);

// The chordwise pressure of strip 2 (red) and strip M-1 (green) of a solved model, in chord
// fractions; a strip the model lacks stays empty.
luvo::CpPlotStrip Panel3dTipCpStrip(const Panel3dModel& model);
luvo::CpPlotStrip Panel3dRootCpStrip(const Panel3dModel& model);
void DrawPanel3dPressure(luvo::PlotPainter& painter, const Panel3dModel& model, bool scaled);

// The three lines of the warning that not every XFOIL point succeeded.
const std::vector<std::string>& Panel3dXfoilWarningLines();
