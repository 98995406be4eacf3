#include "common/core/ChordwiseSpacingSketch.h"

#include <cmath>

namespace luvo {

namespace {

constexpr int kIntervals = 12;
const double kPi = std::acos(-1.0);

}  // namespace

ChordwiseSpacingSketch ChordwiseSpacingSketchFor(int k) {
    ChordwiseSpacingSketch c;
    c.k = k;
    const double s = 0.5 * k;
    c.radius = 50.0 + s;
    const double e = 50.0 - s;
    c.height = std::sqrt(c.radius * c.radius - e * e);
    // atan2 gives pi/2 for e = 0, where h / e has no value.
    c.phi0 = std::atan2(c.height, e);
    c.deltaPhi = (kPi - c.phi0) / kIntervals;
    return c;
}

void DrawChordwiseSpacingSketch(PlotPainter& painter, const ChordwiseSpacingSketch& c) {
    PlotPixels px(painter, 1e5);
    px.Origin(20, 110);
    px.Pen(PlotPen::StockBlack());
    const double r = c.radius;
    const int centre = static_cast<int>(r);
    px.Line(0, 0, 100, 0);
    px.Arc(100, static_cast<int>(-c.height), 0, 0, centre, 0);
    int x[kIntervals];
    int y[kIntervals];
    for (int j = 0; j < kIntervals; ++j) {
        const double phi = c.phi0 + j * c.deltaPhi;
        x[j] = static_cast<int>(r + r * std::cos(phi));
        y[j] = static_cast<int>(-r * std::sin(phi));
        px.Line(centre, 0, x[j], y[j]);
    }
    for (int j = 0; j < kIntervals; ++j) px.Line(x[j], y[j], x[j], 0);
    auto f = [](int i) { return 0.23 * (100.0 * std::sqrt(0.01 * i) - i); };
    for (int i = 0; i < 100; ++i) {
        px.Line(i, static_cast<int>(10 + f(i)), i + 1, static_cast<int>(10 + f(i + 1)));
        px.Line(i, static_cast<int>(10 - f(i)), i + 1, static_cast<int>(10 - f(i + 1)));
    }
}

}  // namespace luvo
