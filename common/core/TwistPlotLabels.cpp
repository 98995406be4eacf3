#include "common/core/TwistPlotLabels.h"

#include <cmath>

#include "common/core/NumberText.h"

namespace luvo {

void AddTwistAngleLabels(TwistPlotFrame& frame, double alphaA, double negativeX) {
    static const char* const kLeft[6] = {"3.0", "2.0", "1.0", "0.0", "-1.0", "-2.0"};
    for (int k = 0; k < 6; ++k) {
        frame.fixed.push_back({kLeft[k], k < 4 ? -21.0 : negativeX, -67.0 + 20 * k});
        frame.fixed.push_back({FormatResult("%2.1f", alphaA + 3 - k), 208, -67.0 + 20 * k});
    }
}

void AddTwistTitle(TwistPlotFrame& frame, const PlotText& title) {
    if (!title.text.empty()) frame.window.push_back({title.text, title.x - 45, title.y - 90});
}

void AddTwistHandle(TwistPlotFrame& frame, double x, double y) {
    constexpr double kFar = 1.0e6;
    if (std::isfinite(x) && std::isfinite(y) && std::fabs(x) < kFar && std::fabs(y) < kFar) {
        frame.handles.push_back({static_cast<int>(x), static_cast<int>(y), 4, 4});
    }
}

std::vector<std::string> TwistPlotSpanLabels(double span) {
    return {FormatResult("%2.1f", span * 0.25), FormatResult("%2.1f", span * 0.5)};
}

PlotTextLayout TwistPlotLayout(PlotPixels& px, const TwistPlotFrame& frame,
                               std::vector<PlotRect>& spanLabels) {
    PlotTextLayout layout(px.Area());
    // Axes with their arrow heads, ticks.
    layout.KeepLine(0, -70, 0, frame.leftAxisBottom);
    layout.KeepLine(200, -70, 200, 45);
    layout.Keep({-5, -70, 11, 6});
    layout.Keep({195, -70, 11, 6});
    layout.KeepLine(-3, 0, 200, 0);
    for (int y = -60; y <= 40; y += 20) {
        if (y <= 20) layout.KeepLine(-3, y, 3, y);
        layout.KeepLine(197, y, 203, y);
    }
    for (int x = 50; x <= 200; x += 50) layout.KeepLine(x, -3, x, 3);
    KeepTexts(px, layout, frame.fixed);
    KeepTexts(px, layout, frame.window);
    for (const PlotRect& h : frame.handles) layout.Keep(h);
    spanLabels.clear();
    const std::vector<std::string> texts = TwistPlotSpanLabels(frame.span);
    const int preferredX[2] = {93, 180};
    for (int k = 0; k < 2; ++k) {
        spanLabels.push_back(layout.Place(px.TextSize(texts[k]), preferredX[k], 4));
    }
    return layout;
}

}  // namespace luvo
