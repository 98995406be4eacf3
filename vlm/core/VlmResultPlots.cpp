#include "vlm/core/VlmResultPlots.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "common/core/CpPlot.h"

namespace {

// Anything further out is not a pixel of these 330 by 200 canvases.
constexpr double kLimit = 1e4;

// The largest magnitude among the finite values, at least `floor`.
double ScaleOf(const std::vector<double>& values, double floor) {
    double m = floor;
    for (double v : values) {
        if (std::isfinite(v)) m = std::max(m, std::fabs(v));
    }
    return m;
}

// A value axis at x with its arrow head at the top, long ticks at y = +-60 and short ones at
// +-30.
void ValueAxis(luvo::PlotPixels& px, int x, int longHalf, int shortHalf) {
    px.Line(x, 80, x, -80);
    px.Line(x, -80, x + 5, -75);
    px.Line(x, -80, x - 5, -75);
    for (int y : {-60, 60}) px.Line(x + longHalf, y, x - longHalf, y);
    for (int y : {-30, 30}) px.Line(x + shortHalf, y, x - shortHalf, y);
}

// A span polyline with this pen on the scale f (pixels per unit).
void SpanCurve(luvo::PlotPixels& px, const VlmResults& r, const std::vector<double>& v, double f,
               const luvo::PlotPen& pen) {
    px.Pen(pen);
    const int ny = std::min<int>(r.spanwiseCount, std::min(r.spanY.size(), v.size()));
    for (int j = 0; j + 1 < ny; ++j) {
        px.Line(r.spanY[j] / r.span * 240, v[j] * f, r.spanY[j + 1] / r.span * 240, v[j + 1] * f);
    }
}

// The tip strip (red) or the root strip (green) in chord fractions.
luvo::CpPlotStrip VlmCpStrip(const VlmResults& r, bool tip) {
    luvo::CpPlotStrip s;
    const std::vector<double>& x = tip ? r.cpTipX : r.cpRootX;
    s.cp = tip ? r.cpTip : r.cpRoot;
    const double leadingX = tip ? r.cpTipLeadingX : r.cpRootLeadingX;
    const double chord = (tip ? r.cpTipTrailingX : r.cpRootTrailingX) - leadingX;
    for (double xi : x) s.chordFraction.push_back((xi - leadingX) / chord);
    s.sidePoints = r.chordwiseCount;
    s.pen = tip ? luvo::PlotPen::Red() : luvo::PlotPen::Green();
    return s;
}

}  // namespace

bool VlmNeedsKFactorWarning(const VlmResults& results) {
    return luvo::NeedsKFactorWarning(results.kFactor);
}

int VlmScaledCpSteps(const VlmResults& r) {
    return luvo::CpPlotScaledSteps(VlmCpStrip(r, true), VlmCpStrip(r, false));
}

void DrawVlmSpanLoad(luvo::PlotPainter& painter, const VlmResults& r) {
    luvo::PlotPixels px(painter, kLimit);
    px.SmallFont();
    px.Pen(luvo::PlotPen::StockBlack());
    px.Text("ca und Gamma über Spannweite:", 70, 10);
    px.Origin(160, 110);

    px.Line(-120, 0, 140, 0);
    px.Line(140, 0, 135, 5);
    px.Line(140, 0, 135, -5);
    px.Line(145, 2, 155, 2);
    px.Text("2y", 146, -13);
    px.Text("b", 148, 2);
    px.Line(0, 5, 0, -5);
    px.Line(120, 5, 120, -5);
    px.Text("-1", -117, -20);
    px.Text("0.0", -5, -20);
    px.Text("1", 110, -20);

    px.Text("ca", -130, -100);
    ValueAxis(px, -120, 5, 3);
    const double mCa = ScaleOf(r.spanCa, 0.01);
    // The curves stay between the value axes, below the title and the axis names.
    px.ClipTo(-120, -80, 120, 80);
    SpanCurve(px, r, r.spanCa, -60 / mCa, luvo::PlotPen::Red());
    px.Unclip();
    px.Number("%1.2f", mCa, -152, -69);
    px.Number("%1.2f", mCa / 2, -152, -36);
    px.Number("%1.2f", -mCa, -155, 55);
    px.Number("%1.2f", -mCa / 2, -155, 22);

    px.Text("Gamma", 102, -100);
    px.Pen(luvo::PlotPen::Axis());
    ValueAxis(px, 120, 5, 3);
    const double mGamma = ScaleOf(r.spanCirculation, 0.00001);
    px.ClipTo(-120, -80, 120, 80);
    SpanCurve(px, r, r.spanCirculation, -60 / mGamma, luvo::PlotPen::Green());

    // Gamma0 * sqrt(1 - (2y/b)^2) with Gamma0 = 4 L / (pi b) per unit of L/b, on the Gamma scale;
    // below the axis for a wing with negative lift.
    px.Brush(luvo::PlotBrush::Transparent());
    px.Pen(luvo::PlotPen::LightGrey());
    px.HalfEllipseOverAxis(-120, 240, 240 * r.liftPerSpan / (VlmPi * mGamma));
    px.Unclip();

    px.Pen(luvo::PlotPen::Red());
    px.Line(-20, 35, 0, 35);
    px.Text("ca_lokal", 8, 28);
    px.Pen(luvo::PlotPen::Green());
    px.Line(-20, 55, 0, 55);
    px.Text("Gamma_lokal", 8, 48);
    px.Pen(luvo::PlotPen::LightGrey());
    px.Line(-20, 75, 0, 75);
    px.Text("Gamma_elliptisch", 8, 68);

    px.Number("%1.2f", mGamma, 132, -69);
    px.Number("%1.2f", mGamma / 2, 132, -36);
    px.Number("%1.2f", -mGamma, 135, 55);
    px.Number("%1.2f", -mGamma / 2, 135, 22);
}

void DrawVlmPressure(luvo::PlotPainter& painter, const VlmResults& r, bool scaled) {
    luvo::DrawCpPlot(painter, VlmCpStrip(r, true), VlmCpStrip(r, false), scaled);
}

void DrawVlmWarning(luvo::PlotPainter& painter) {
    luvo::DrawWarningText(painter, luvo::KFactorWarningLines());
}
