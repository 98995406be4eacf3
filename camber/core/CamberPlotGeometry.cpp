#include "camber/core/CamberPlotGeometry.h"

#include <cmath>

#include "camber/core/CamberTheory.h"

namespace {

constexpr double kStep = 0.005;
constexpr double kCurveEnd = 0.995;

struct Band {
    int top;
    int bottom;
};
constexpr Band kPressureBand{64, 200};
constexpr Band kCamberBand{60, 200};

// One segment from plot values to pixels. Only the first end is tested against the band; a
// segment that leaves the band is drawn to its outside end.
void AddSegment(CamberSegments& out, double x0, double y0, double x1, double y1, Band band,
                int side) {
    const auto px0 = CamberToPixel(x0);
    const auto py0 = CamberToPixel(y0);
    const auto px1 = CamberToPixel(x1);
    const auto py1 = CamberToPixel(y1);
    if (!px0 || !py0 || !px1 || !py1) return;
    if (*py0 < band.top || *py0 > band.bottom) return;
    out.push_back({{*px0, *py0}, {*px1, *py1}, side});
}

// Steps x from `start` by 0.005, advanced by repeated addition, while the advanced x is at
// most `end`. The curve's `value` is taken once at every x, and `segment(x0, v0, x1, v1)` adds
// the segments of one step.
template <typename Value, typename Segment>
void StepCurve(double start, double end, Value value, Segment segment) {
    double x = start;
    double v = value(x);
    do {
        const double next = x + kStep;
        const double vNext = value(next);
        segment(x, v, next, vNext);
        x = next;
        v = vNext;
    } while (x <= end);
}

// The camber curve z(x) from `start` while the advanced x is at most `end`.
template <typename Z>
void AddCamberCurve(CamberSegments& out, double start, double end, Z z) {
    StepCurve(start, end, z, [&](double x0, double z0, double x1, double z1) {
        AddSegment(out, CamberPixelX(x0), CamberPixelZ(z0), CamberPixelX(x1), CamberPixelZ(z1),
                   kCamberBand, 0);
    });
}

// The upper (y = 160 - scale t) and the lower (y = 160 + scale t) pressure curve of t(x) up to
// 0.995, the upper segment of every step first.
template <typename T>
void AddPressureCurves(CamberSegments& out, double scale, T t) {
    StepCurve(0.0, kCurveEnd, t, [&](double x0, double t0, double x1, double t1) {
        AddSegment(out, CamberPixelX(x0), 160.0 - scale * t0, CamberPixelX(x1), 160.0 - scale * t1,
                   kPressureBand, 0);
        AddSegment(out, CamberPixelX(x0), 160.0 + scale * t0, CamberPixelX(x1), 160.0 + scale * t1,
                   kPressureBand, 1);
    });
}

}  // namespace

std::optional<int> CamberToPixel(double value) {
    if (!std::isfinite(value) || value > 32767.0 || value < -32767.0) return std::nullopt;
    return static_cast<int>(value);
}

CamberSegments CamberApproxPressureSegments(double A0, double A1, double A2) {
    CamberSegments out;
    AddPressureCurves(out, 40.0, [&](double x) { return CamberApproxPressure(x, A0, A1, A2); });
    return out;
}

CamberSegments CamberExactPressureSegments(double A0, double A1, double m, double p) {
    const CamberExactSeries series(m, p);
    CamberSegments out;
    AddPressureCurves(out, 80.0, [&](double x) { return series.Value(x, A0, A1); });
    return out;
}

CamberSegments CamberNacaLineSegments(double m, double p) {
    CamberSegments out;
    if (p >= 0.0) {
        const double k1 = m / std::pow(p, 2.0);
        AddCamberCurve(out, 0.0, p, [&](double x) { return k1 * (2.0 * p * x - x * x); });
    }
    if (p <= 1.0) {
        const double k2 = m / std::pow(1.0 - p, 2.0);
        AddCamberCurve(out, p, 1.0,
                       [&](double x) { return k2 * ((1.0 - 2.0 * p) + 2.0 * p * x - x * x); });
    }
    return out;
}

namespace {

CamberSegments BirnbaumSegments(double A0, double A1, double A2, double alpha, double shift) {
    CamberSegments out;
    AddCamberCurve(out, 0.0, kCurveEnd,
                   [&](double x) { return CamberBirnbaumZ(x, A0, A1, A2, alpha) - shift; });
    return out;
}

}  // namespace

CamberSegments CamberBirnbaumLineSegments(double A0, double A1, double A2, double alpha) {
    return BirnbaumSegments(A0, A1, A2, alpha, 0.0);
}

CamberSegments CamberBirnbaumShiftedSegments(double A0, double A1, double A2, double alpha) {
    return BirnbaumSegments(A0, A1, A2, alpha, CamberBirnbaumTrailingEdgeShift(A2));
}

CamberArrow CamberFreeStreamArrow(double alpha) {
    // The angle comes from a checked field and is always finite; keep the pixels sound anyway.
    if (!std::isfinite(alpha)) alpha = 0.0;
    const double a = 3.0 * alpha;
    CamberArrow arrow;
    arrow.tail = {static_cast<int>(50.0 - 40.0 * std::cos(a)),
                  static_cast<int>(160.0 + 40.0 * std::sin(a))};
    arrow.label = {static_cast<int>(50.0 - 30.0 * std::cos(a)),
                   static_cast<int>(160.0 + 30.0 * std::sin(a))};
    const CamberPixel arcStart{20, 160};
    if (alpha >= 0.014) {
        arrow.hasArc = true;
        arrow.arcFrom = arcStart;
        arrow.arcTo = arrow.label;
    } else if (alpha <= -0.014) {
        arrow.hasArc = true;
        arrow.arcFrom = arrow.label;
        arrow.arcTo = arcStart;
    }
    const double r = 5.0 / std::sin(kCamberQuarterPi);
    arrow.head1 = {static_cast<int>(50.0 - r * std::cos(kCamberQuarterPi - a)),
                   static_cast<int>(160.0 - r * std::sin(kCamberQuarterPi - a))};
    arrow.head2 = {static_cast<int>(50.0 - r * std::cos(a + kCamberQuarterPi)),
                   static_cast<int>(160.0 + r * std::sin(a + kCamberQuarterPi))};
    return arrow;
}

namespace {

std::optional<CamberPixel> Marker(double px, double py) {
    const auto x = CamberToPixel(px);
    const auto y = CamberToPixel(py);
    if (!x || !y) return std::nullopt;
    return CamberPixel{*x, *y};
}

}  // namespace

std::optional<CamberPixel> CamberLineMarker(const CamberPoint& point) {
    return Marker(CamberPixelX(point.x), CamberPixelZ(point.v));
}

std::optional<CamberPixel> CamberPressureMarker(const CamberPoint& point) {
    return Marker(CamberPixelX(point.x), CamberPixelCp(point.v));
}
