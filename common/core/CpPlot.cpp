#include "common/core/CpPlot.h"

#include <algorithm>
#include <cmath>

#include "common/core/NumberText.h"
#include "common/core/PlotTextLayout.h"

namespace luvo {

namespace {

// Anything further out does not fit the device's 16-bit coordinates.
constexpr double kLimit = 32767;

void Curves(PlotPixels& px, const CpPlotStrip& s, bool scaled, int n) {
    px.Pen(s.pen);
    const int count = static_cast<int>(std::min(s.chordFraction.size(), s.cp.size()));
    if (s.sidePoints < 1) return;
    auto ax = [&](int i) { return s.chordFraction[i] * 240 - 120; };
    auto ay = [&](int i) {
        return scaled ? (1.0 - 2.0 / n) * 60 + s.cp[i] * 120 / n : s.cp[i] * 60;
    };
    for (int first = 0; first < count; first += s.sidePoints) {
        const int last = std::min(first + s.sidePoints, count);
        for (int i = first; i + 1 < last; ++i) px.Line(ax(i), ay(i), ax(i + 1), ay(i + 1));
    }
}

}  // namespace

int CpPlotScaledSteps(const CpPlotStrip& tip, const CpPlotStrip& root) {
    double m = 1.0;
    for (const CpPlotStrip* s : {&tip, &root}) {
        for (double cp : s->cp) {
            if (std::isfinite(cp)) m = std::min(m, cp);
        }
    }
    // Beyond 120 steps the ticks would share pixels and 120 / n would be 0.
    return static_cast<int>(std::min(std::fabs(m) + 2.0, 120.0));
}

void DrawCpPlot(PlotPainter& painter, const CpPlotStrip& tip, const CpPlotStrip& root,
                bool scaled) {
    PlotPixels px(painter, kLimit);
    px.SmallFont();
    px.Pen(PlotPen::StockBlack());
    px.Text("cp über Flügeltiefe:", 120, 10);
    px.Origin(160, 110);

    const int n = scaled ? CpPlotScaledSteps(tip, root) : 1;
    const int k = 120 / n;
    const int y0 = scaled ? 60 - k : 0;

    px.Line(-120, y0, 140, y0);
    px.Text("cp", -140, -90);
    px.Line(140, y0, 135, y0 + 5);
    px.Line(140, y0, 135, y0 - 5);
    // A deep suction peak brings the chord axis down to the legend: the legend (its two lines and
    // names, from (20, 51) on) moves off the axis as a block, then the axis's name moves aside.
    PlotTextLayout axisName(px.Area());
    axisName.KeepLine(-120, y0, 140, y0);
    axisName.KeepLine(120, y0 + 5, 120, y0 - 5);
    axisName.Keep({135, y0 - 5, 6, 11});
    const PlotSize one = px.TextSize("1");
    axisName.Keep({117, y0 - 20, one.width, one.height});
    const PlotSize tipName = px.TextSize("cp Randbogen rechts");
    const PlotSize rootName = px.TextSize("cp Wurzel");
    const PlotRect legend = axisName.Place(
        {28 + std::max(tipName.width, rootName.width), 68 - 51 + tipName.height}, 20, 51);
    const int lx = legend.x - 20;
    const int ly = legend.y - 51;
    PlaceText(px, axisName, "x / t_lokal", 116, y0 + 10);
    px.Text("1", 117, y0 - 20);
    px.Line(120, y0 + 5, 120, y0 - 5);

    px.Line(-120, 80, -120, -80);
    px.Line(-120, -80, -115, -75);
    px.Line(-120, -80, -125, -75);
    if (scaled) {
        // Only the labels that fit: the top and the zero line always, the bottom one (1.00) when
        // the zero line is far enough above it. Steps of a few pixels put them on each other.
        // The top label, wider the deeper the axis reaches ("-119.00"), moves off the axis and
        // its ticks.
        PlotTextLayout labels(px.Area());
        labels.KeepLine(-120, -80, -120, 80);
        labels.Keep({-125, -80, 11, 6});    // arrow head
        labels.Keep({-125, -60, 11, 121});  // ticks
        const std::string top = FormatResult("%1.2f", 1.0 - n);
        const PlotSize topSize = px.TextSize(top);
        const PlotRect topBox = labels.Place(topSize, -155, -69);
        const auto fits = [&](const char* text, int x, int y) {
            const PlotSize size = px.TextSize(text);
            const PlotRect box{x, y, size.width, size.height};
            if (!labels.Free(box)) return false;
            labels.Keep(box);
            return true;
        };
        fits("0.00", -152, 55 - k);
        const bool bottomFits = fits("1.00", -152, 55);
        px.Text(top, topBox.x, topBox.y);
        if (bottomFits) px.Text("1.00", -152, 55);
        px.Text("0.00", -152, 55 - k);
        for (int i = 0; i <= n; ++i) {
            const int y = 60 - (120 * i) / n;
            px.Line(-115, y, -125, y);
            if (i < n) {
                const int yShort = static_cast<int>(y - 60.0 / n);
                px.Line(-118, yShort, -122, yShort);
            }
        }
    } else {
        for (int y : {-60, 60, 0}) px.Line(-115, y, -125, y);
        for (int y : {-30, 30}) px.Line(-118, y, -122, y);
        px.Number("%1.2f", -1.0, -155, -69);
        px.Number("%1.2f", 1.0, -152, 55);
        px.Number("%1.2f", 0.0, -152, -5);
    }

    // The curves stay between the axes' ends, below the title.
    px.ClipTo(-120, -80, 140, 80);
    Curves(px, tip, scaled, n);
    Curves(px, root, scaled, n);
    px.Unclip();

    // The root's pen is still selected for the first legend line.
    px.Line(20 + lx, 58 + ly, 40 + lx, 58 + ly);
    px.Pen(tip.pen);
    px.Line(20 + lx, 75 + ly, 40 + lx, 75 + ly);
    px.Text("cp Randbogen rechts", 48 + lx, 68 + ly);
    px.Text("cp Wurzel", 48 + lx, 51 + ly);
}

bool NeedsKFactorWarning(double kFactor) { return !(kFactor >= 1.0); }

const std::vector<std::string>& KFactorWarningLines() {
    static const std::vector<std::string> lines = {"ACHTUNG: Der k-Faktor ist wegen zu",
                                                   "grober  Diskretisierung sehr ungenau"};
    return lines;
}

void DrawWarningText(PlotPainter& painter, const std::vector<std::string>& lines) {
    PlotPixels px(painter, kLimit);
    px.Pen(PlotPen::StockRed());
    px.TextColour(PlotColour::Red());
    for (size_t i = 0; i < lines.size(); ++i) px.Text(lines[i], 5, 5 + 17 * static_cast<int>(i));
}

}  // namespace luvo
