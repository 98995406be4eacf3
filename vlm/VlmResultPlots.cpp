#include "vlm/VlmResultPlots.h"

#include <algorithm>
#include <cmath>
#include <vector>

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
void ValueAxis(PlotPixels& px, int x, int longHalf, int shortHalf) {
    px.Line(x, 80, x, -80);
    px.Line(x, -80, x + 5, -75);
    px.Line(x, -80, x - 5, -75);
    for (int y : {-60, 60}) px.Line(x + longHalf, y, x - longHalf, y);
    for (int y : {-30, 30}) px.Line(x + shortHalf, y, x - shortHalf, y);
}

// A span polyline with this pen on the scale f (pixels per unit).
void SpanCurve(PlotPixels& px, const VlmResults& r, const std::vector<double>& v, double f,
               const PlotPen& pen) {
    px.Pen(pen);
    const int ny = std::min<int>(r.spanwiseCount, std::min(r.spanY.size(), v.size()));
    for (int j = 0; j + 1 < ny; ++j) {
        px.Line(r.spanY[j] / r.span * 240, v[j] * f, r.spanY[j + 1] / r.span * 240, v[j + 1] * f);
    }
}

// Both sides of one strip: the upper side (points 0..nx-1) and the lower side (nx..2nx-1),
// not joined at the leading edge.
void CpCurve(PlotPixels& px, const std::vector<double>& x, const std::vector<double>& cp,
             double leadingX, double trailingX, int nx, bool scaled, int n) {
    const size_t count = std::min(x.size(), cp.size());
    auto ax = [&](int i) { return (x[i] - leadingX) / (trailingX - leadingX) * 240 - 120; };
    auto ay = [&](int i) { return scaled ? cp[i] * 120 / n + (1.0 - 2.0 / n) * 60 : cp[i] * 60; };
    for (int side = 0; side < 2; ++side) {
        for (int i = side * nx; i + 1 < (side + 1) * nx; ++i) {
            if (static_cast<size_t>(i + 1) >= count) return;
            px.Line(ax(i), ay(i), ax(i + 1), ay(i + 1));
        }
    }
}

}  // namespace

bool VlmNeedsKFactorWarning(const VlmResults& results) { return !(results.kFactor >= 1.0); }

int VlmScaledCpSteps(const VlmResults& r) {
    double m = 1.0;
    for (const std::vector<double>* v : {&r.cpTip, &r.cpRoot}) {
        for (double cp : *v) {
            if (std::isfinite(cp)) m = std::min(m, cp);
        }
    }
    // Beyond 120 steps the ticks would fall on one pixel and k = 120 / n would be 0.
    return static_cast<int>(std::min(std::fabs(m) + 2.0, 120.0));
}

void DrawVlmSpanLoad(PlotPainter& painter, const VlmResults& r) {
    PlotPixels px(painter, kLimit);
    px.SmallFont();
    px.Pen(PlotPen::StockBlack());
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
    SpanCurve(px, r, r.spanCa, -60 / mCa, PlotPen::Red());
    px.Number("%1.2f", mCa, -152, -69);
    px.Number("%1.2f", mCa / 2, -152, -36);
    px.Number("%1.2f", -mCa, -155, 55);
    px.Number("%1.2f", -mCa / 2, -155, 22);

    px.Text("Gamma", 102, -100);
    px.Pen(PlotPen::Axis());
    ValueAxis(px, 120, 5, 3);
    const double mGamma = ScaleOf(r.spanCirculation, 0.00001);
    SpanCurve(px, r, r.spanCirculation, -60 / mGamma, PlotPen::Green());

    // Gamma0 * sqrt(1 - (2y/b)^2) with Gamma0 = 4 L / (pi b) per unit of L/b, on the Gamma scale.
    px.Brush(PlotBrush::Transparent());
    px.Pen(PlotPen::LightGrey());
    const double y0 = -240 * r.liftPerSpan / (VlmPi * mGamma);
    const double h = 480 * r.liftPerSpan / (VlmPi * mGamma);
    px.EllipticArc(-120, y0, 240, h, 0, 180);

    px.Pen(PlotPen::Red());
    px.Line(-20, 35, 0, 35);
    px.Text("ca_lokal", 8, 28);
    px.Pen(PlotPen::Green());
    px.Line(-20, 55, 0, 55);
    px.Text("Gamma_lokal", 8, 48);
    px.Pen(PlotPen::LightGrey());
    px.Line(-20, 75, 0, 75);
    px.Text("Gamma_elliptisch", 8, 68);

    px.Number("%1.2f", mGamma, 132, -69);
    px.Number("%1.2f", mGamma / 2, 132, -36);
    px.Number("%1.2f", -mGamma, 135, 55);
    px.Number("%1.2f", -mGamma / 2, 135, 22);
}

void DrawVlmPressure(PlotPainter& painter, const VlmResults& r, bool scaled) {
    PlotPixels px(painter, kLimit);
    px.SmallFont();
    px.Pen(PlotPen::StockBlack());
    px.Text("cp über Flügeltiefe:", 120, 10);
    px.Origin(160, 110);

    const int n = scaled ? VlmScaledCpSteps(r) : 1;
    const int k = 120 / n;
    const int y0 = scaled ? 60 - k : 0;

    px.Line(-120, y0, 140, y0);
    px.Line(140, y0, 135, y0 + 5);
    px.Line(140, y0, 135, y0 - 5);
    px.Text("cp", -140, -90);
    px.Text("x / t_lokal", 116, y0 + 10);
    px.Text("1", 117, y0 - 20);
    px.Line(120, y0 + 5, 120, y0 - 5);

    px.Line(-120, 80, -120, -80);
    px.Line(-120, -80, -115, -75);
    px.Line(-120, -80, -125, -75);
    if (scaled) {
        for (int i = 0; i <= n; ++i) {
            const int y = 60 - (120 * i) / n;
            px.Line(-115, y, -125, y);
            if (i < n) {
                const int yShort = static_cast<int>(y - 60.0 / n);
                px.Line(-118, yShort, -122, yShort);
            }
        }
        px.Number("%1.2f", 1.0 - n, -155, -69);
        px.Number("%1.2f", 1.0, -152, 55);
        px.Number("%1.2f", 0.0, -152, 55 - k);
    } else {
        for (int y : {-60, 0, 60}) px.Line(-115, y, -125, y);
        for (int y : {-30, 30}) px.Line(-118, y, -122, y);
        px.Number("%1.2f", -1.0, -155, -69);
        px.Number("%1.2f", 1.0, -152, 55);
        px.Number("%1.2f", 0.0, -152, -5);
    }

    const int nx = r.chordwiseCount;
    px.Pen(PlotPen::Red());
    CpCurve(px, r.cpTipX, r.cpTip, r.cpTipLeadingX, r.cpTipTrailingX, nx, scaled, n);
    px.Pen(PlotPen::Green());
    CpCurve(px, r.cpRootX, r.cpRoot, r.cpRootLeadingX, r.cpRootTrailingX, nx, scaled, n);

    px.Line(20, 58, 40, 58);
    px.Text("cp Wurzel", 48, 51);
    px.Pen(PlotPen::Red());
    px.Line(20, 75, 40, 75);
    px.Text("cp Randbogen rechts", 48, 68);
}

void DrawVlmWarning(PlotPainter& painter) {
    PlotPixels px(painter, kLimit);
    px.TextColour(PlotColour::Red());
    px.Text("ACHTUNG: Der k-Faktor ist wegen zu", 5, 5);
    px.Text("grober  Diskretisierung sehr ungenau", 5, 22);
}
