#include "panel3d/core/Panel3dResultPlots.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <string>

#include "common/core/NumberText.h"
#include "panel3d/core/Panel3dModel.h"

using luvo::PlotPen;
using luvo::PlotPixels;

namespace {

// Anything further out does not fit the device's 16-bit coordinates.
constexpr double kLimit = 32767;
const double kPi = std::acos(-1.0);

using Series = std::vector<double>;

// The largest magnitude of the finite values, from `start`.
double MaxAbs(double start, std::initializer_list<const Series*> series) {
    double m = start;
    for (const Series* s : series) {
        for (double v : *s) {
            if (std::isfinite(v)) m = std::max(m, std::fabs(v));
        }
    }
    return m;
}

// Element-wise sum, as long as the shorter of the two.
Series Sum(const Series& a, const Series& b) {
    Series out(std::min(a.size(), b.size()));
    for (size_t i = 0; i < out.size(); ++i) out[i] = a[i] + b[i];
    return out;
}

// Segments from point `first` to point `last` (inclusive) at (x * fx, y * fy); nothing on an
// axis without extent, whose scale is not finite.
void Polyline(PlotPixels& px, const Series& x, const Series& y, double fx, double fy, int first,
              int last) {
    if (!std::isfinite(fx) || !std::isfinite(fy)) return;
    last = std::min<int>(last, static_cast<int>(std::min(x.size(), y.size())) - 1);
    for (int i = std::max(first, 0); i < last; ++i) {
        px.Line(x[i] * fx, y[i] * fy, x[i + 1] * fx, y[i + 1] * fy);
    }
}

// A polar: its segments, and a small cross on every point between two failed ones (or at an end
// next to one), which no segment would show.
void PolarLine(PlotPixels& px, const Series& x, const Series& y, double fx, double fy, int last) {
    Polyline(px, x, y, fx, fy, 0, last);
    if (!std::isfinite(fx) || !std::isfinite(fy)) return;
    last = std::min<int>(last, static_cast<int>(std::min(x.size(), y.size())) - 1);
    auto valid = [&](int i) {
        return i >= 0 && i <= last && std::isfinite(x[i]) && std::isfinite(y[i]);
    };
    // A polar of one point has no failed neighbour either.
    if (last < 1) return;
    for (int i = 0; i <= last; ++i) {
        if (!valid(i) || valid(i - 1) || valid(i + 1)) continue;
        const double px0 = x[i] * fx;
        const double py0 = y[i] * fy;
        px.Line(px0 - 2, py0, px0 + 3, py0);
        px.Line(px0, py0 - 2, px0, py0 + 3);
    }
}

void LegendEntry(PlotPixels& px, const PlotPen& pen, int x1, int x2, int y, const char* name,
                 int tx, int ty) {
    px.Pen(pen);
    px.Line(x1, y, x2, y);
    px.Pen(PlotPen::StockBlack());
    px.Text(name, tx, ty);
}

// ---- the centred layout: origin (160, 110), x from -120 to 120, value axes at +-120 ----

void StartCentred(PlotPixels& px, const char* title) {
    px.SmallFont();
    px.Pen(PlotPen::StockBlack());
    px.Text(title, 70, 10);
    px.Origin(160, 110);
    px.Line(-120, 0, 140, 0);
    px.Line(140, 0, 135, 5);
    px.Line(140, 0, 135, -5);
    px.Line(0, 5, 0, -5);
    px.Line(120, 5, 120, -5);
    px.Text("0.0", -5, -20);
    px.Line(-120, 80, -120, -80);
    px.Line(-120, -80, -115, -75);
    px.Line(-120, -80, -125, -75);
    for (int y : {-60, 60}) px.Line(-115, y, -125, y);
    for (int y : {-30, 30}) px.Line(-117, y, -123, y);
}

// The x axis of the span plots, labelled as the fraction 2y/b from -1 to 1.
void SpanFraction(PlotPixels& px) {
    px.Text("2y", 146, -13);
    px.Line(145, 2, 155, 2);
    px.Text("b", 148, 2);
    px.Text("1", 110, -20);
    px.Text("-1", -117, -20);
}

void RightAxis(PlotPixels& px, const char* name) {
    px.Pen(PlotPen::StockBlack());
    px.Line(120, 80, 120, -80);
    px.Line(120, -80, 115, -75);
    px.Line(120, -80, 125, -75);
    for (int y : {-60, 60}) px.Line(115, y, 125, y);
    for (int y : {-30, 30}) px.Line(117, y, 123, y);
    px.Text(name, 102, -100);
}

void RightFrame(PlotPixels& px) {
    px.Pen(PlotPen::StockBlack());
    px.Line(120, 80, 120, -80);
}

// The format "%1.<d>f" of a value axis's labels: `decimals`, or more (up to six) where the
// largest value's half would read more than a tenth off, so that the labels stay distinct
// ("0.01" twice for 0.01 and 0.005).
std::string DistinctFormat(int decimals, double max) {
    std::string f = "%1." + std::to_string(decimals) + "f";
    if (!std::isfinite(max) || max == 0.0) return f;
    for (; decimals < 6; ++decimals) {
        const double shown = std::strtod(luvo::FormatResult(f.c_str(), 0.5 * max).c_str(), nullptr);
        if (std::fabs(shown - 0.5 * max) <= 0.05 * std::fabs(max)) break;
        f = "%1." + std::to_string(decimals + 1) + "f";
    }
    return f;
}

void LeftLabels(PlotPixels& px, int decimals, double max, int x0) {
    const std::string f = DistinctFormat(decimals, max);
    px.Number(f.c_str(), max, -152, -69);
    px.Number(f.c_str(), 0.5 * max, -152, -36);
    px.Number(f.c_str(), -max, x0, 55);
    px.Number(f.c_str(), -0.5 * max, x0, 22);
}

void RightLabels(PlotPixels& px, int decimals, double max) {
    const std::string f = DistinctFormat(decimals, max);
    px.Number(f.c_str(), max, 132, -69);
    px.Number(f.c_str(), 0.5 * max, 132, -36);
    px.Number(f.c_str(), -max, 135, 55);
    px.Number(f.c_str(), -0.5 * max, 135, 22);
}

// The symmetric x labels of the polars: max at the right tick, -max at the left end.
void SymmetricXLabels(PlotPixels& px, double max) {
    px.Number("%1.3f", max, 93, -20);
    px.Number("%1.3f", -max, -117, -20);
}

// ---- the speed and power layouts: origin at the left, vh from 0 to 240 ----

void SpeedXAxis(PlotPixels& px, int unitY) {
    px.Line(0, 0, 260, 0);
    px.Line(260, 0, 255, 5);
    px.Line(260, 0, 255, -5);
    px.Text("vh", 266, -13);
    px.Text("[m/s]", 260, unitY);
    px.Line(120, 5, 120, -5);
    px.Line(240, 5, 240, -5);
    px.Text("0.0", -25, -5);
}

const char* const kSpeedNames[4] = {"ep", "int", "indu", "xf"};
const PlotPen kModelPens[4] = {PlotPen::StockRed(), PlotPen::StockGreen(), PlotPen::StockCyan(),
                               PlotPen::LightGrey()};

}  // namespace

void DrawPanel3dSpanLoad(luvo::PlotPainter& painter, const Panel3dSpanSeries& s) {
    PlotPixels px(painter, kLimit);
    StartCentred(px, "ca, cw und Gamma über Spannweite:");
    px.Text("ca, cw", -140, -100);
    SpanFraction(px);

    const int strips = static_cast<int>(s.stripLift.size());
    // ca and cw share the left axis, whose scale covers both: at zero lift cw sets it.
    const Series cw = Sum(s.cwi, s.cfInt);
    const double caMax = MaxAbs(0.01, {&s.stripLift, &cw});
    const double caScale = -60 / caMax;
    // The strips' centres on the span axis; the outermost strip at each tip is left out. The
    // curves stay between the value axes.
    Series x(s.stripY.size());
    for (size_t j = 0; j < x.size(); ++j) x[j] = s.stripY[j] / s.halfSpan * 120;
    px.ClipTo(-120, -80, 120, 80);
    px.Pen(PlotPen::StockRed());
    Polyline(px, x, s.stripLift, 1.0, caScale, 1, strips - 2);
    px.Pen(PlotPen::StockCyan());
    Polyline(px, s.eta, cw, 120, caScale, 0, static_cast<int>(cw.size()) - 1);
    px.Unclip();
    LeftLabels(px, 2, caMax, -155);

    RightAxis(px, "Gamma");
    const double gammaMax = MaxAbs(0.00001, {&s.stripCirculation});
    px.ClipTo(-120, -80, 120, 80);
    px.Pen(PlotPen::StockGreen());
    Polyline(px, x, s.stripCirculation, 1.0, -60 / gammaMax, 1,
             static_cast<int>(s.stripCirculation.size()) - 2);
    px.Unclip();

    // Gamma_0 = 2 I / (pi s): the peak of the elliptic loading with the same integral I, below
    // the axis for a wing with negative lift.
    px.Brush(luvo::PlotBrush::Transparent());
    px.Pen(PlotPen::LightGrey());
    const double i = s.totalLiftCirculation;
    px.HalfEllipseOverAxis(-120, 240, 120 / gammaMax * 2 / kPi * i / s.halfSpan * 0.5);

    LegendEntry(px, PlotPen::StockRed(), -20, 0, 35, "ca_lokal", 8, 28);
    LegendEntry(px, PlotPen::StockGreen(), -20, 0, 55, "Gamma_lokal", 8, 48);
    LegendEntry(px, PlotPen::LightGrey(), -20, 0, 75, "Gamma_elliptisch", 8, 68);
    LegendEntry(px, PlotPen::StockCyan(), -20, 0, 15, "cw_lokal", 8, 8);
    RightLabels(px, 2, gammaMax);
}

void DrawPanel3dSpanDrag(luvo::PlotPainter& painter, const Panel3dSpanSeries& s) {
    PlotPixels px(painter, kLimit);
    StartCentred(px, "Widerstandsbeiwerte über Spannweite:");
    px.Text("cw", -130, -100);
    SpanFraction(px);
    RightFrame(px);

    const double max = MaxAbs(0.0, {&s.cdfXfoil, &s.cwi, &s.cfInt, &s.cfEp});
    const double scale = -60 / max;
    const Series* curves[4] = {&s.cwi, &s.cfEp, &s.cdfXfoil, &s.cfInt};
    const PlotPen pens[4] = {PlotPen::StockRed(), PlotPen::StockGreen(), PlotPen::StockCyan(),
                             PlotPen::LightGrey()};
    for (int c = 0; c < 4; ++c) {
        px.Pen(pens[c]);
        Polyline(px, s.eta, *curves[c], 120, scale, 0, static_cast<int>(curves[c]->size()) - 1);
    }
    LeftLabels(px, 3, max, -157);

    const char* names[4] = {"cwi_lokal", "cwr_ep_lokal", "cwr_xf_lokal", "cwr_int_lokal"};
    for (int c = 0; c < 4; ++c) {
        LegendEntry(px, pens[c], -20, 0, 20 + 18 * c, names[c], 8, 13 + 18 * c);
    }
}

void DrawPanel3dLiftAlpha(luvo::PlotPainter& painter, const Panel3dPolarSeries& s) {
    PlotPixels px(painter, kLimit);
    StartCentred(px, "cA / alpha Polare:");
    px.Text("cA", -130, -100);
    px.Text("alpha", 136, -18);
    px.Text("[°]", 148, 2);
    RightAxis(px, "l_DP");

    const int n = static_cast<int>(s.alpha.size());
    const double alphaMax = MaxAbs(0.0, {&s.alpha});
    const double caMax = MaxAbs(0.0, {&s.ca});
    const double ldpMax = MaxAbs(0.0, {&s.ldp});
    px.Pen(PlotPen::StockRed());
    PolarLine(px, s.alpha, s.ca, 120 / alphaMax, -60 / caMax, n - 1);
    px.Pen(PlotPen::StockGreen());
    PolarLine(px, s.alpha, s.ldp, 120 / alphaMax, -60 / ldpMax, n - 1);

    LeftLabels(px, 3, caMax, -157);
    SymmetricXLabels(px, alphaMax);
    RightLabels(px, 2, ldpMax);
    LegendEntry(px, PlotPen::StockRed(), -20, 0, 20, "alpha", 8, 13);
    LegendEntry(px, PlotPen::StockGreen(), -20, 0, 38, "l_DP", 8, 31);
}

void DrawPanel3dDragPolar(luvo::PlotPainter& painter, const Panel3dPolarSeries& s, bool withXfoil) {
    PlotPixels px(painter, kLimit);
    StartCentred(px, "cA / cW Polare (Lilienthalpolare)");
    px.Text("cA", -130, -100);
    px.Text("cW", 146, -13);
    RightFrame(px);

    const Series sums[4] = {s.cwi, Sum(s.cwi, s.cwrEp), Sum(s.cwi, s.cwrInt),
                            Sum(s.cwi, s.cwrXfoil)};
    const int curves = withXfoil ? 4 : 3;
    const double cwMax = withXfoil ? MaxAbs(0.0, {&sums[0], &sums[1], &sums[2], &sums[3]})
                                   : MaxAbs(0.0, {&sums[0], &sums[1], &sums[2]});
    const double caMax = MaxAbs(0.0, {&s.ca});
    for (int c = 0; c < curves; ++c) {
        px.Pen(kModelPens[c]);
        PolarLine(px, sums[c], s.ca, 120 / cwMax, -60 / caMax, static_cast<int>(s.ca.size()) - 1);
    }

    LeftLabels(px, 3, caMax, -157);
    SymmetricXLabels(px, cwMax);
    const char* names[4] = {"cWi", "cWi + cWr_ep", "cWi + cWr_int", "cWi + cWr_xf"};
    for (int c = 0; c < curves; ++c) {
        LegendEntry(px, kModelPens[c], -90, -70, 20 + 18 * c, names[c], -62, 13 + 18 * c);
    }
}

void DrawPanel3dSpeedPolar(luvo::PlotPainter& painter, const Panel3dPolarSeries& s,
                           bool withXfoil) {
    PlotPixels px(painter, kLimit);
    px.SmallFont();
    px.Pen(PlotPen::StockBlack());
    px.Text("Geschwindigkeitspolare ", 90, 10);
    px.Origin(40, 50);
    px.Text("vv [m/s]", -10, -40);
    SpeedXAxis(px, 13);
    px.Line(0, 140, 0, -20);
    px.Line(0, -20, 5, -15);
    px.Line(0, -20, -5, -15);
    for (int y : {0, 60, 120}) px.Line(5, y, -5, y);
    for (int y : {30, 90}) px.Line(3, y, -3, y);

    const int curves = withXfoil ? 4 : 3;
    double vhMax = 0, vvMax = 0;
    for (int c = 0; c < curves; ++c) {
        vhMax = MaxAbs(vhMax, {&s.speed[c].vh});
        vvMax = MaxAbs(vvMax, {&s.speed[c].vv});
    }
    for (int c = 0; c < curves; ++c) {
        const Panel3dSpeedCurve& k = s.speed[c];
        px.Pen(kModelPens[c]);
        PolarLine(px, k.vh, k.vv, 240 / vhMax, -120 / vvMax, static_cast<int>(k.vh.size()) - 1);
    }

    px.Pen(PlotPen::StockBlack());
    px.Number("%1.2f", -vvMax, -37, 115);
    px.Number("%1.2f", -0.75 * vvMax, -37, 85);
    px.Number("%1.2f", -0.5 * vvMax, -32, 55);
    px.Number("%1.2f", -0.25 * vvMax, -32, 25);
    px.Number("%1.2f", vhMax, 213, -20);
    px.Number("%1.2f", 0.5 * vhMax, 100, -20);
    const int lineY[4] = {80, 98, 116, 133};
    const int nameY[4] = {73, 91, 109, 127};
    for (int c = 0; c < curves; ++c) {
        LegendEntry(px, kModelPens[c], 10, 30, lineY[c], kSpeedNames[c], 38, nameY[c]);
    }
}

void DrawPanel3dPowerPolar(luvo::PlotPainter& painter, const Panel3dPolarSeries& s, bool thrust,
                           bool withXfoil) {
    PlotPixels px(painter, kLimit);
    px.SmallFont();
    px.Pen(PlotPen::StockBlack());
    px.Text(thrust ? "Schubpolare" : "Leistungspolare", 90, 10);
    px.Origin(40, 170);
    px.Text(thrust ? "F [N]" : "P [W]", -10, -160);
    SpeedXAxis(px, 8);
    px.Line(0, 20, 0, -140);
    px.Line(0, -140, 5, -135);
    px.Line(0, -140, -5, -135);
    for (int y : {-120, -60}) px.Line(5, y, -5, y);
    for (int y : {-90, -30}) px.Line(3, y, -3, y);

    const int curves = withXfoil ? 4 : 3;
    auto values = [&](int c) -> const Series& {
        return thrust ? s.speed[c].thrust : s.speed[c].power;
    };
    double vhMax = 0, max = 0;
    for (int c = 0; c < curves; ++c) {
        vhMax = MaxAbs(vhMax, {&s.speed[c].vh});
        max = MaxAbs(max, {&values(c)});
    }
    for (int c = 0; c < curves; ++c) {
        px.Pen(kModelPens[c]);
        PolarLine(px, s.speed[c].vh, values(c), 240 / vhMax, -120 / max,
                  static_cast<int>(s.speed[c].vh.size()) - 1);
    }

    px.Pen(PlotPen::StockBlack());
    px.Number("%1.0f", max, -37, -127);
    px.Number("%1.0f", 0.75 * max, -37, -97);
    px.Number("%1.0f", 0.5 * max, -37, -67);
    px.Number("%1.0f", 0.25 * max, -37, -37);
    px.Number("%1.2f", vhMax, 213, 8);
    px.Number("%1.2f", 0.5 * vhMax, 100, 8);
    for (int c = 0; c < curves; ++c) {
        const int y = -120 + 18 * c;
        LegendEntry(px, kModelPens[c], 10, 30, y, kSpeedNames[c], 38, y - 7);
    }
}

namespace {

// Strip j of the model: the lower side from the leading to the trailing edge (panels N to
// 2N-1), then the upper side the same way (panels N-1 down to 0).
luvo::CpPlotStrip CpStripOf(const Panel3dModel& m, int j, const PlotPen& pen) {
    luvo::CpPlotStrip s;
    s.pen = pen;
    const int n = m.ChordPanels();
    if (j < 0 || j >= m.StripCount() || n < 1 ||
        m.wingPanels.size() < static_cast<size_t>(2 * n * (j + 1))) {
        return s;
    }
    const Panel3dPanel& trailing = m.wingPanels[2 * n * j];
    const Panel3dPanel& leading = m.wingPanels[2 * n * j + n - 1];
    const double leadingX = 0.5 * (leading.planarX[0] + leading.planarX[1]);
    const double chord = 0.5 * (trailing.planarX[2] + trailing.planarX[3]) - leadingX;
    auto add = [&](int i) {
        const Panel3dPanel& p = m.wingPanels[2 * n * j + i];
        s.chordFraction.push_back((p.centroid[0] - leadingX) / chord);
        s.cp.push_back(p.pressureCoefficient);
    };
    for (int i = n; i < 2 * n; ++i) add(i);
    for (int i = n - 1; i >= 0; --i) add(i);
    s.sidePoints = n;
    return s;
}

}  // namespace

luvo::CpPlotStrip Panel3dTipCpStrip(const Panel3dModel& model) {
    return CpStripOf(model, 2, PlotPen::StockRed());
}

luvo::CpPlotStrip Panel3dRootCpStrip(const Panel3dModel& model) {
    return CpStripOf(model, model.SpanPanels() - 1, PlotPen::StockGreen());
}

void DrawPanel3dPressure(luvo::PlotPainter& painter, const Panel3dModel& model, bool scaled) {
    luvo::DrawCpPlot(painter, Panel3dTipCpStrip(model), Panel3dRootCpStrip(model), scaled);
}

const std::vector<std::string>& Panel3dXfoilWarningLines() {
    static const std::vector<std::string> lines = {"ACHTUNG: Die XFOIL Rechnung war ",
                                                   "nicht in allen Punkten erfolgreich. ",
                                                   "Vgl. XFOIL-Logfile"};
    return lines;
}
