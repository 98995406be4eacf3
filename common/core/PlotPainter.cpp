#include "common/core/PlotPainter.h"

#include <cmath>

#include "common/core/NumberText.h"

namespace luvo {

namespace {

// Truncation toward zero, as the plots have always placed their pixels.
int Px(double v) { return static_cast<int>(v); }

}  // namespace

bool PlotPixels::Drawable(double v) const { return std::isfinite(v) && std::fabs(v) <= limit_; }

void PlotPixels::Line(double x1, double y1, double x2, double y2) {
    if (Drawable(x1) && Drawable(y1) && Drawable(x2) && Drawable(y2)) {
        p_.Line(Px(x1), Px(y1), Px(x2), Px(y2));
    }
}

void PlotPixels::Rectangle(double x, double y, int width, int height) {
    if (Drawable(x) && Drawable(y)) p_.Rectangle(Px(x), Px(y), width, height);
}

void PlotPixels::Dot(double x, double y, int size) {
    if (size > 0 && Drawable(x) && Drawable(y)) {
        p_.Ellipse(Px(x) - size / 2, Px(y) - size / 2, size, size);
    }
}

void PlotPixels::Arc(double x1, double y1, double x2, double y2, double xc, double yc) {
    if (Drawable(x1) && Drawable(y1) && Drawable(x2) && Drawable(y2) && Drawable(xc) &&
        Drawable(yc)) {
        p_.Arc(Px(x1), Px(y1), Px(x2), Px(y2), Px(xc), Px(yc));
    }
}

void PlotPixels::EllipticArc(double x, double y, double width, double height, double start,
                             double end) {
    if (Drawable(x) && Drawable(y) && Drawable(width) && Drawable(height) && Px(width) > 0 &&
        Px(height) > 0 && std::isfinite(start) && std::isfinite(end)) {
        p_.EllipticArc(Px(x), Px(y), Px(width), Px(height), start, end);
    }
}

void PlotPixels::HalfEllipseOverAxis(double left, double width, double peak) {
    const double up = std::fabs(peak);
    if (!Drawable(up) || Px(up) < 1) return;
    const double start = peak > 0 ? 0 : 180;  // the upper or the lower half
    EllipticArc(left, -up, width, 2 * up, start, start + 180);
}

void PlotPixels::Text(const std::string& text, double x, double y) {
    if (Drawable(x) && Drawable(y)) p_.Text(text, Px(x), Px(y));
}

void PlotPixels::Number(const char* fmt, double value, double x, double y) {
    Text(FormatResult(fmt, value), x, y);
}

void PlotPixels::ClipTo(double x1, double y1, double x2, double y2) {
    if (!Drawable(x1) || !Drawable(y1) || !Drawable(x2) || !Drawable(y2)) return;
    const int left = Px(std::fmin(x1, x2));
    const int top = Px(std::fmin(y1, y2));
    p_.Clip({left, top, Px(std::fmax(x1, x2)) - left + 1, Px(std::fmax(y1, y2)) - top + 1});
}

void PlotPixels::HorizontalDashes(double x1, double x2, double y0) {
    if (!Drawable(x1) || !Drawable(x2) || !Drawable(y0)) return;
    const int y = Px(y0);
    const int step = x2 >= x1 ? 4 : -4;
    const int dash = step / 2;
    for (int x = Px(x1); step > 0 ? x + dash <= Px(x2) : x + dash >= Px(x2); x += step) {
        p_.Line(x, y, x + dash, y);
    }
}

void PlotPixels::VerticalDashes(double x0, double y1, double y2) {
    if (!Drawable(x0) || !Drawable(y1) || !Drawable(y2)) return;
    const int x = Px(x0);
    const int step = y2 >= y1 ? 4 : -4;
    const int dash = step / 2;
    for (int y = Px(y1); step > 0 ? y + dash <= Px(y2) : y + dash >= Px(y2); y += step) {
        p_.Line(x, y, x, y + dash);
    }
}

}  // namespace luvo
