#include "camber/CamberPlotGeometry.h"

#include <cmath>

#include "camber/CamberTheory.h"

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
// most `end`; `segment(x0, x1)` adds the segments of one step.
template <typename Segment>
void StepCurve(double start, double end, Segment segment) {
    double x = start;
    do {
        const double next = x + kStep;
        segment(x, next);
        x = next;
    } while (x <= end);
}

}  // namespace

std::optional<int> CamberToPixel(double value) {
    if (!std::isfinite(value) || value > 32767.0 || value < -32767.0) return std::nullopt;
    return static_cast<int>(value);
}

CamberSegments CamberApproxPressureSegments(double A0, double A1, double A2) {
    CamberSegments out;
    StepCurve(0.0, kCurveEnd, [&](double x0, double x1) {
        const double h0 = CamberApproxPressure(x0, A0, A1, A2);
        const double h1 = CamberApproxPressure(x1, A0, A1, A2);
        AddSegment(out, CamberPixelX(x0), 160.0 - 40.0 * h0, CamberPixelX(x1), 160.0 - 40.0 * h1,
                   kPressureBand, 0);
        AddSegment(out, CamberPixelX(x0), 160.0 + 40.0 * h0, CamberPixelX(x1), 160.0 + 40.0 * h1,
                   kPressureBand, 1);
    });
    return out;
}

CamberSegments CamberExactPressureSegments(double A0, double A1, double m, double p) {
    const CamberExactSeries series(m, p);
    CamberSegments out;
    StepCurve(0.0, kCurveEnd, [&](double x0, double x1) {
        const double t0 = series.Value(x0, A0, A1);
        const double t1 = series.Value(x1, A0, A1);
        AddSegment(out, CamberPixelX(x0), 160.0 - 80.0 * t0, CamberPixelX(x1), 160.0 - 80.0 * t1,
                   kPressureBand, 0);
        AddSegment(out, CamberPixelX(x0), 160.0 + 80.0 * t0, CamberPixelX(x1), 160.0 + 80.0 * t1,
                   kPressureBand, 1);
    });
    return out;
}

CamberSegments CamberNacaLineSegments(double m, double p) {
    CamberSegments out;
    if (p >= 0.0) {
        const double k1 = m / std::pow(p, 2.0);
        StepCurve(0.0, p, [&](double x0, double x1) {
            const double z0 = k1 * (2.0 * p * x0 - x0 * x0);
            const double z1 = k1 * (2.0 * p * x1 - x1 * x1);
            AddSegment(out, CamberPixelX(x0), CamberPixelZ(z0), CamberPixelX(x1), CamberPixelZ(z1),
                       kCamberBand, 0);
        });
    }
    if (p <= 1.0) {
        const double k2 = m / std::pow(1.0 - p, 2.0);
        StepCurve(p, 1.0, [&](double x0, double x1) {
            const double z0 = k2 * ((1.0 - 2.0 * p) + 2.0 * p * x0 - x0 * x0);
            const double z1 = k2 * ((1.0 - 2.0 * p) + 2.0 * p * x1 - x1 * x1);
            AddSegment(out, CamberPixelX(x0), CamberPixelZ(z0), CamberPixelX(x1), CamberPixelZ(z1),
                       kCamberBand, 0);
        });
    }
    return out;
}

namespace {

CamberSegments BirnbaumSegments(double A0, double A1, double A2, double alpha, double shift) {
    CamberSegments out;
    StepCurve(0.0, kCurveEnd, [&](double x0, double x1) {
        const double z0 = CamberBirnbaumZ(x0, A0, A1, A2, alpha) - shift;
        const double z1 = CamberBirnbaumZ(x1, A0, A1, A2, alpha) - shift;
        AddSegment(out, CamberPixelX(x0), CamberPixelZ(z0), CamberPixelX(x1), CamberPixelZ(z1),
                   kCamberBand, 0);
    });
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
    return Marker(point.x * 200.0 + 60.0, 160.0 - point.v * 1000.0);
}

std::optional<CamberPixel> CamberPressureMarker(const CamberPoint& point) {
    return Marker(point.x * 200.0 + 60.0, point.v * 40.0 + 160.0);
}
