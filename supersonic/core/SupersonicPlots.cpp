#include "supersonic/core/SupersonicPlots.h"

#include <algorithm>
#include <cmath>

#include "supersonic/core/SupersonicSolver.h"

using luvo::PlotPainter;
using luvo::PlotPixels;

namespace {

// Pixel coordinates beyond this never reach the device: a typed 1e400 is no place on a canvas.
constexpr double kPixelLimit = 32767.0;

constexpr luvo::PlotPen Wide(luvo::PlotColour c) { return {c, 2, luvo::PlotPenStyle::Solid}; }

// Axes, ticks, arrow heads and the x letter, common to both frames; `right` adds the second
// vertical axis at the end of the x axis.
void DrawAxes(PlotPixels& px, const SupersonicPlotParameters& p, int xTicks, bool right) {
    const double top = p.y0 - (p.zs * p.nu + 20);
    const double bottom = p.y0 + p.zs * p.nd + 10;
    const double xr = p.x0 + p.xs * p.nx;
    const double xEnd = xr + 20;
    px.Line(p.x0, top, p.x0, bottom);
    if (right) px.Line(xr, top, xr, bottom);
    px.Line(p.x0 - 3, p.y0, xEnd, p.y0);
    for (int k = 1; k <= xTicks; ++k) {
        px.Line(p.x0 + k * p.xs, p.y0 + 3, p.x0 + k * p.xs, p.y0 - 3);
    }
    px.Line(xEnd, p.y0, xEnd - 6, p.y0 + 6);
    px.Line(xEnd, p.y0, xEnd - 6, p.y0 - 6);
    px.Text("x", xr + 25, p.y0 - 7);
    px.Line(xr + 25, p.y0 - 5, xr + 30, p.y0 - 5);
    for (int k = -static_cast<int>(p.nd); k <= p.nu; ++k) {
        px.Line(p.x0 - 3, p.y0 - k * p.zs, p.x0 + 3, p.y0 - k * p.zs);
        if (right) px.Line(xr - 3, p.y0 - k * p.zs, xr + 3, p.y0 - k * p.zs);
    }
    px.Line(p.x0, top, p.x0 + 6, top + 6);
    px.Line(p.x0, top, p.x0 - 6, top + 6);
    if (right) {
        px.Line(xr, top, xr + 6, top + 6);
        px.Line(xr, top, xr - 6, top + 6);
    }
}

// Tick labels of a vertical axis; the places above and below the axis depend on the sign tests
// of the caller.
void AxisLabels(PlotPixels& px, const SupersonicPlotParameters& p, double perTick, double step,
                double xAbove, double xBelow) {
    if (!(step >= 1)) step = 1;  // a label step below one would never advance
    for (double k = 1; k <= p.nu; k += step) {
        px.Number("%.2f", k * perTick, xAbove, p.y0 - k * p.zs - 6);
    }
    for (double k = 1; k <= p.nd; k += step) {
        px.Number("%.2f", -(k * perTick), xBelow, p.y0 + k * p.zs - 6);
    }
}

void CpLegend(PlotPixels& px) {
    px.Text("cp (linearisiert)", 215, 170);
    px.Text("cp (Stoß/Exp.)", 350, 170);
    px.Pen(Wide(kSupersonicBlue));
    px.Line(195, 177, 210, 177);
    px.Pen(Wide(kSupersonicGreen));
    px.Line(330, 177, 345, 177);
}

void MarkSupportPoints(PlotPixels& px, const SupersonicCurve& curve,
                       const SupersonicPlotParameters& p) {
    for (int i = 0; i < curve.supportCount && i < curve.capacity; ++i) {
        const SupersonicPoint& s = curve.supportPoints[i];
        px.Rectangle(p.x0 - 2 + p.xs * s.x / p.xv, p.y0 - 2 - p.zs * s.z / p.zv, 5, 5);
    }
}

// The curves of a plot stay in the range that its axes show: x from 0 to the last tick, z from
// the lowest to the highest tick; titles, legends and letters lie outside it.
class ClipToPlot {
  public:
    ClipToPlot(PlotPainter& painter, const SupersonicPlotParameters& p)
        : px_(painter, kPixelLimit) {
        px_.ClipTo(p.x0, p.y0 - p.zs * p.nu, p.x0 + p.xs * p.nx, p.y0 + p.zs * p.nd);
    }
    ~ClipToPlot() { px_.Unclip(); }
    ClipToPlot(const ClipToPlot&) = delete;
    ClipToPlot& operator=(const ClipToPlot&) = delete;

  private:
    PlotPixels px_;
};

void Curve(PlotPainter& painter, const SupersonicProfile& profile,
           const std::vector<SupersonicPoint>& points, int count, const SupersonicPlotParameters& p,
           bool mirrored, bool closed) {
    DrawCurve(painter, profile, count, points, p.x0, p.y0, p.xs, p.zs, p.xv, p.zv, mirrored,
              closed);
}

}  // namespace

void DrawPlotFrame(PlotPainter& painter, const SupersonicPlotParameters& p, const char* title,
                   bool cp) {
    PlotPixels px(painter, kPixelLimit);
    px.Text(title, p.x0 + p.xs * p.nx / 2 - 40, 15);
    px.SmallFont();
    DrawAxes(px, p, static_cast<int>(p.nx), false);
    if (p.xl >= 1) {
        for (double k = p.xl; k <= p.nx; k += p.xl) {
            px.Number("%.1f", k * p.xv, p.x0 + k * p.xs - 6, p.y0 + 4);
        }
    }
    AxisLabels(px, p, p.zv, p.zl, p.zv >= 0 ? p.x0 - 27 : p.x0 - 32,
               p.zv > 0 ? p.x0 - 32 : p.x0 - 27);
    const double letterY = p.y0 - p.zs * p.nu;
    if (cp) {
        px.Text("cp", p.x0 - 1, letterY - 33);
        CpLegend(px);
    } else {
        px.Text("z", p.x0 - 1, letterY - 33);
        px.Line(p.x0 - 1, letterY - 32, p.x0 + 4, letterY - 32);
    }
}

void DrawResultFrame(PlotPainter& painter, const SupersonicPlotParameters& p, double zPerTick,
                     double cpPerTick, double labelStep, const char* title) {
    PlotPixels px(painter, kPixelLimit);
    px.Pen(luvo::PlotPen::StockBlack());
    px.Text(title, p.x0 + p.xs * p.nx / 2 - 50, 15);
    px.SmallFont();
    DrawAxes(px, p, 10, true);
    px.Text("0.5", p.x0 + p.xs * p.nx / 2 - 6, p.y0 + 4);
    const double xr = p.x0 + p.xs * p.nx;
    AxisLabels(px, p, zPerTick, labelStep, zPerTick > 0 ? p.x0 - 27 : p.x0 - 32,
               zPerTick >= 0 ? p.x0 - 32 : p.x0 - 27);
    AxisLabels(px, p, cpPerTick, labelStep, cpPerTick > 0 ? xr + 10 : xr + 5,
               cpPerTick >= 0 ? xr + 5 : xr + 10);
    const double letterY = p.y0 - p.zs * p.nu;
    px.Text("z", p.x0 - 3, letterY - 33);
    px.Line(p.x0 - 1, letterY - 32, p.x0 + 4, letterY - 32);
    px.Text("cp", xr - 5, letterY - 33);
    px.Text("Profil", 100, 170);
    px.Text("cp (linearisiert)", 215, 170);
    px.Text("cp (Stoß/Exp.)", 350, 170);
    px.Pen(Wide(luvo::PlotColour::Red()));
    px.Line(80, 177, 95, 177);
    px.Pen(Wide(kSupersonicBlue));
    px.Line(195, 177, 210, 177);
    px.Pen(Wide(kSupersonicGreen));
    px.Line(330, 177, 345, 177);
}

void DrawCurve(PlotPainter& painter, const SupersonicProfile& profile, int count,
               const std::vector<SupersonicPoint>& points, double x0, double y0, double xs,
               double zs, double xv, double zv, bool mirrored, bool closed) {
    if (count > static_cast<int>(points.size())) count = static_cast<int>(points.size());
    if (count < 0) count = 0;
    std::vector<SupersonicPoint> copy(points.begin(), points.begin() + count);
    if (count == profile.part1.supportCount || count == profile.part2.supportCount) {
        SupersonicSolver::SortByX(count, copy);
    }
    PlotPixels px(painter, kPixelLimit);
    for (const double sign : {1.0, -1.0}) {
        if (sign < 0 && !mirrored) break;
        std::vector<SupersonicPoint> path;
        if (closed) path.push_back({0.0, 0.0});
        path.insert(path.end(), copy.begin(), copy.end());
        if (closed) path.push_back({1.0, 0.0});
        for (size_t i = 1; i < path.size(); ++i) {
            px.Line(x0 + xs * path[i - 1].x / xv, y0 - sign * zs * path[i - 1].z / zv,
                    x0 + xs * path[i].x / xv, y0 - sign * zs * path[i].z / zv);
        }
    }
}

void DrawFlowArrow(PlotPainter& painter, double tipX, double tipY, double alphaDegrees) {
    PlotPixels px(painter, kPixelLimit);
    const double tx = tipX - 5;
    const double ty = tipY;
    const double t = 200 * std::tan(alphaDegrees * SupersonicSolver::kDegToRad);
    const double length = std::sqrt(t * t + 20 * 20);
    const double dx = 500 / length;
    const double dy = -25 * t / length;
    px.Pen(luvo::PlotPen{kSupersonicBlue, 1, luvo::PlotPenStyle::Solid});
    px.Line(tx - dx, ty - dy, tx, ty);
    const double u = 10 * std::tan((alphaDegrees - 3) * SupersonicSolver::kDegToRad);
    const double norm = std::sqrt(u * u + 1);
    const double a = 10 / norm;
    const double b = -10 * u / norm;
    px.Line(tx - a, ty - b, tx, ty);
    px.Line(tx + a - 0.8 * dx, ty + b - 0.8 * dy, tx, ty);
}

void DrawPressure(PlotPainter& painter, const SupersonicProfile& profile, int type, double x0,
                  double y0, double xs, double zs, double xv, double zv) {
    if (type < 0 || type > 5) return;
    const int count = std::min<int>(profile.pointCount, static_cast<int>(profile.rows.size()));
    std::vector<SupersonicPoint> points(count > 0 ? count : 0);
    for (int i = 0; i < count; ++i) {
        const SupersonicResultRow& r = profile.rows[i];
        const bool linear = type < 3;
        const double upper = linear ? r.cpUpperLinear : r.cpUpperShockExpansion;
        const double lower = linear ? r.cpLowerLinear : r.cpLowerShockExpansion;
        double value = upper;
        if (type % 3 == 1) value = lower;
        if (type % 3 == 2) value = upper - lower;
        points[i] = {linear ? r.xLinear : r.xShockExpansion, value};
    }
    DrawCurve(painter, profile, count, points, x0, y0, xs, zs, xv, zv, false, false);
}

namespace {

void Pressures(PlotPainter& painter, const SupersonicProfile& profile,
               const SupersonicPressureOptions& options, const SupersonicPlotParameters& p) {
    static constexpr luvo::PlotPenStyle kStyles[3] = {
        luvo::PlotPenStyle::Dot, luvo::PlotPenStyle::ShortDash, luvo::PlotPenStyle::Solid};
    for (int type = 0; type < 6; ++type) {
        if (!options.show[type]) continue;
        painter.SetPen(
            luvo::PlotPen{type < 3 ? kSupersonicBlue : kSupersonicGreen, 1, kStyles[type % 3]});
        DrawPressure(painter, profile, type, p.x0, p.y0, p.xs, p.zs, p.xv, p.zv);
    }
}

}  // namespace

void PaintCamberCanvas(PlotPainter& painter, const SupersonicProfile& profile,
                       double alphaDegrees) {
    const SupersonicPlotParameters& p = kSupersonicCamberPlot;
    painter.SetOrigin(0, 0);
    DrawPlotFrame(painter, p, "Skelettlinie", false);
    DrawFlowArrow(painter, p.x0, p.y0, alphaDegrees);
    painter.SetPen(luvo::PlotPen::StockRed());
    PlotPixels px(painter, kPixelLimit);
    if (!profile.part1.coefficientMode) MarkSupportPoints(px, profile.part1, p);
    const ClipToPlot clip(painter, p);
    Curve(painter, profile, profile.part1.points, profile.part1.pointCount, p, false, false);
}

void PaintThicknessCanvas(PlotPainter& painter, const SupersonicProfile& profile) {
    const SupersonicPlotParameters& p = kSupersonicThicknessPlot;
    const SupersonicCurve& part = profile.part2;
    painter.SetOrigin(0, 0);
    DrawPlotFrame(painter, p, "Tropfenform", false);
    painter.SetPen(luvo::PlotPen::StockRed());
    PlotPixels px(painter, kPixelLimit);
    MarkSupportPoints(px, part, p);
    const ClipToPlot clip(painter, p);
    if (part.curved) {
        Curve(painter, profile, part.points, part.pointCount, p, true, true);
    } else {
        Curve(painter, profile, part.supportPoints, part.supportCount, p, true, true);
    }
}

void PaintResultCanvas(PlotPainter& painter, const SupersonicProfile& profile, bool showParts,
                       const SupersonicPressureOptions& options) {
    const SupersonicPlotParameters& p = kSupersonicResultPlot;
    painter.SetOrigin(0, 0);
    DrawResultFrame(painter, p, 0.02, kSupersonicResultCpPerTick, 2, "Profil / cp Verlauf");
    painter.SetPen(luvo::PlotPen::StockRed());
    const ClipToPlot clip(painter, p);
    if (showParts) {
        Curve(painter, profile, profile.upper, static_cast<int>(profile.upper.size()), p, false,
              false);
        Curve(painter, profile, profile.lower, static_cast<int>(profile.lower.size()), p, false,
              false);
    }
    SupersonicPlotParameters cp = p;
    cp.xv = 0.1;
    cp.zv = kSupersonicResultCpPerTick;
    Pressures(painter, profile, options, cp);
}

void PaintContourCanvas(PlotPainter& painter, const SupersonicProfile& profile,
                        double alphaDegrees) {
    const SupersonicPlotParameters& p = kSupersonicContourPlot;
    painter.SetOrigin(0, 0);
    DrawPlotFrame(painter, p, "Profilkontur", false);
    DrawFlowArrow(painter, p.x0, p.y0, alphaDegrees);
    painter.SetPen(luvo::PlotPen::StockRed());
    PlotPixels px(painter, kPixelLimit);
    MarkSupportPoints(px, profile.part1, p);
    MarkSupportPoints(px, profile.part2, p);
    const ClipToPlot clip(painter, p);
    for (const SupersonicCurve* side : {&profile.part1, &profile.part2}) {
        if (side->curved) {
            Curve(painter, profile, side->points, side->pointCount, p, false, false);
        } else {
            Curve(painter, profile, side->supportPoints, side->supportCount, p, false, true);
        }
    }
}

void PaintPressureCanvas(PlotPainter& painter, const SupersonicProfile& profile,
                         const SupersonicPressureOptions& options) {
    const SupersonicPlotParameters& p = kSupersonicPressurePlot;
    painter.SetOrigin(0, 0);
    DrawPlotFrame(painter, p, "cp Verlauf", true);
    const ClipToPlot clip(painter, p);
    Pressures(painter, profile, options, p);
}

int PickSupportPoint(const SupersonicCurve& curve, double x, double z, double toleranceX,
                     double toleranceZ) {
    for (int i = 0; i < curve.supportCount && i < curve.capacity; ++i) {
        const SupersonicPoint& s = curve.supportPoints[i];
        if (s.x - toleranceX <= x && x <= s.x + toleranceX && s.z - toleranceZ <= z &&
            z <= s.z + toleranceZ) {
            return i;
        }
    }
    return -1;
}
