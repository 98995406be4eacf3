#include "common/core/PlotTextLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "common/core/NumberText.h"

namespace luvo {

namespace {

struct Offset {
    int dx;
    int dy;
};

// Every offset of at most kReach pixels along each axis, nearest first; among equally near ones
// the smaller vertical move first, then left before right and up before down.
const std::vector<Offset>& OffsetsNearestFirst() {
    static const std::vector<Offset> offsets = [] {
        const int reach = PlotTextLayout::kReach;
        std::vector<Offset> all;
        for (int dy = -reach; dy <= reach; ++dy) {
            for (int dx = -reach; dx <= reach; ++dx) all.push_back({dx, dy});
        }
        std::sort(all.begin(), all.end(), [](const Offset& a, const Offset& b) {
            const int da = a.dx * a.dx + a.dy * a.dy;
            const int db = b.dx * b.dx + b.dy * b.dy;
            if (da != db) return da < db;
            if (std::abs(a.dy) != std::abs(b.dy)) return std::abs(a.dy) < std::abs(b.dy);
            if (a.dx != b.dx) return a.dx < b.dx;
            return a.dy < b.dy;
        });
        return all;
    }();
    return offsets;
}

}  // namespace

void PlotTextLayout::KeepLine(int x1, int y1, int x2, int y2) {
    const int left = std::min(x1, x2);
    const int top = std::min(y1, y2);
    Keep({left, top, std::max(x1, x2) - left + 1, std::max(y1, y2) - top + 1});
}

bool PlotTextLayout::Free(const PlotRect& r) const {
    for (const PlotRect& k : kept_) {
        if (k.Intersects(r)) return false;
    }
    return true;
}

PlotRect PlotTextLayout::Place(PlotSize size, int x, int y) {
    const auto nearestFree = [&](int x0, int y0, PlotRect& found) {
        for (const Offset& o : OffsetsNearestFirst()) {
            const PlotRect candidate{x0 + o.dx, y0 + o.dy, size.width, size.height};
            if (area_.Contains(candidate) && Free(Spaced(candidate))) {
                found = candidate;
                return true;
            }
        }
        return false;
    };
    PlotRect box{x, y, size.width, size.height};
    if (!nearestFree(x, y, box)) {
        // Far outside the area: the free place nearest to where it enters the area, or that
        // place itself, so that at least the whole text is on the canvas.
        const int inX = std::max(area_.x, std::min(x, area_.Right() - size.width));
        const int inY = std::max(area_.y, std::min(y, area_.Bottom() - size.height));
        box = {inX, inY, size.width, size.height};
        nearestFree(inX, inY, box);
    }
    kept_.push_back(Spaced(box));
    return box;
}

void KeepTexts(PlotPixels& px, PlotTextLayout& layout, const std::vector<PlotText>& texts) {
    for (const PlotText& t : texts) {
        if (!px.Drawable(t.x) || !px.Drawable(t.y)) continue;
        const PlotSize size = px.TextSize(t.text);
        layout.Keep(PlotTextLayout::Spaced(
            {static_cast<int>(t.x), static_cast<int>(t.y), size.width, size.height}));
    }
}

PlotRect PlaceText(PlotPixels& px, PlotTextLayout& layout, const std::string& text, double x,
                   double y) {
    if (!px.Drawable(x) || !px.Drawable(y)) return {};
    const PlotRect box = layout.Place(px.TextSize(text), static_cast<int>(x), static_cast<int>(y));
    px.Text(text, box.x, box.y);
    return box;
}

PlotRect PlaceNumber(PlotPixels& px, PlotTextLayout& layout, const char* fmt, double value,
                     double x, double y) {
    return PlaceText(px, layout, FormatResult(fmt, value), x, y);
}

void PlaceCirculationSpanLabels(PlotPixels& px, const std::vector<PlotText>& fixed, double axis,
                                double span) {
    PlotTextLayout layout(px.Area());
    KeepTexts(px, layout, fixed);
    layout.KeepLine(0, -90, 0, 15);
    layout.KeepLine(200, -90, 200, 15);
    layout.KeepLine(-3, static_cast<int>(axis), 215, static_cast<int>(axis));
    layout.Keep({210, static_cast<int>(axis) - 5, 2, 11});
    PlaceNumber(px, layout, "%2.1f", span * 0.25, 93, axis + 4);
    PlaceNumber(px, layout, "%2.1f", span * 0.5, 180, axis + 4);
    PlaceText(px, layout, "y", 215, axis + 4);
}

}  // namespace luvo
