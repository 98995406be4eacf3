#include "llt/core/LltPlotPaint.h"

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "common/core/CurveScale.h"
#include "common/core/NumberText.h"
#include "common/core/PlotTextLayout.h"
#include "common/core/TwistPlotLabels.h"
#include "llt/core/LltDesignTasks.h"

using luvo::PlotPen;
using luvo::PlotText;

namespace {

// Far outside any canvas, still well inside the range of an int.
constexpr double kFarAway = 1.0e6;

// The plot painter with the axis helpers that several plots share.
class Plot : public luvo::PlotPixels {
  public:
    explicit Plot(luvo::PlotPainter& painter) : luvo::PlotPixels(painter, kFarAway) {}

    // The labels of an axis whose top value stands 80 pixels above the axis: the top value, its
    // three quarters, half and quarter at x, 20 pixels apart, and "0" at the axis.
    void QuarterLabels(const char* fmt, double top, double x) {
        Number(fmt, top, x, -87);
        Number(fmt, 0.75 * top, x, -67);
        Number(fmt, 0.5 * top, x, -47);
        Number(fmt, 0.25 * top, x, -27);
        Text("0", -16, -7);
    }

    void LeftTick(double h) { Line(-3, h, 3, h); }
    void RightTick(double h) { Line(197, h, 203, h); }
    void SpanTicks(double h = 0) {
        for (int x = 50; x <= 200; x += 50) Line(x, h - 3, x, h + 3);
    }
    // The horizontal axis from -3 to 215 with its arrow head.
    void SpanAxisWithArrow() {
        Line(-3, 0, 215, 0);
        Line(215, 0, 210, -5);
        Line(215, 0, 210, 5);
    }
    // A vertical axis from (x, top) to (x, bottom) with the arrow at its top end.
    void UpAxis(double x, double top, double bottom) {
        Line(x, top, x, bottom);
        Line(x, top, x - 5, top + 5);
        Line(x, top, x + 5, top + 5);
    }
};

// x of station i: 200 pixels for the half span.
double StationX(const LltSolver& s, int i) { return 200.0 * s.y[i] / (s.span / 2.0); }

bool UsableScale(double scale) { return std::isfinite(scale) && scale != 0.0; }

// The curve of v from station `from` to station 51, the value `scale` standing `pixels` above
// the axis at the row `axis`; nothing when the scale is 0 or not finite.
void ScaledCurve(Plot& p, const LltSolver& s, const LltSolver::StationArray& v, int from,
                 double pixels, double scale, double axis = 0.0) {
    if (!UsableScale(scale)) return;
    for (int i = from; i <= 50; ++i) {
        p.Line(StationX(s, i), axis - pixels * v[i] / scale, StationX(s, i + 1),
               axis - pixels * v[i + 1] / scale);
    }
}

double FirstCoefficient(const LltSolver& s, double inputMode, double heldScale) {
    if (std::isfinite(heldScale)) return heldScale;
    return inputMode == 1.0 ? s.a1 : s.a1FromCl;
}

// Each curve fills 80 pixels from the span axis to its largest magnitude: upwards, or downwards
// from an axis at the top of the band when that magnitude belongs to a negative value (negative
// lift). The tick labels carry the values' signs.
void CirculationLift(Plot& p, const LltSolver& s) {
    const luvo::CurveScale g = luvo::ScaleOfCurve(s.gamma, 1, LltSolver::kRoot);
    const luvo::CurveScale k = luvo::ScaleOfCurve(s.ca, 1, LltSolver::kRoot);
    // Both curves share the span axis; it moves to the top when the circulation lies below it.
    const bool below = g.below;
    const double axis = below ? -80.0 : 0.0;
    p.Pen(PlotPen::Axis());
    p.UpAxis(0, -90, 15);
    p.UpAxis(200, -90, 15);
    p.Line(-3, axis, 215, axis);
    p.Line(215, axis, 210, axis - 5);
    p.Line(215, axis, 210, axis + 5);
    for (int h = -80; h <= 0; h += 20) p.LeftTick(h);
    for (int h = -80; h <= 0; h += 20) {
        if (h != axis) p.RightTick(h);
    }
    p.SpanTicks(axis);

    p.SmallFont();
    // The local lift shares the direction of the circulation.
    const double sign = below ? -1.0 : 1.0;
    std::vector<PlotText> fixed = {{"gamma [-]", -30, -105}, {"ca [-]", 195, -105}};
    for (int q = 4; q >= 1; --q) {
        const double row = axis - sign * 20.0 * q - 7;
        const std::string text = luvo::FormatResult("%2.3f", sign * g.magnitude * q / 4.0);
        // Ends before the ticks where it is wide (a minus sign, many digits).
        fixed.push_back({text, std::fmin(-33.0, -6.0 - p.TextSize(text).width), row});
        fixed.push_back({luvo::FormatResult("%2.2f", sign * k.magnitude * q / 4.0), 210, row});
    }
    fixed.push_back({"0", -16, axis - 7});
    for (const PlotText& t : fixed) p.Text(t.text, t.x, t.y);
    luvo::PlaceCirculationSpanLabels(p, fixed, axis, s.span);
    // The curves stay between the axes' ends.
    p.ClipTo(0, -90, 200, 15);
    p.Pen(PlotPen::Red());
    ScaledCurve(p, s, s.gamma, 1, 80.0, g.magnitude, axis);
    p.Unclip();
    p.Pen(PlotPen::Red());
    p.Line(20, 30, 30, 30);

    p.ClipTo(0, -90, 200, 15);
    p.Pen(PlotPen::Green());
    ScaledCurve(p, s, s.ca, 1, 80.0, k.magnitude, axis);
    p.Unclip();
    p.Pen(PlotPen::Green());
    p.Line(100, 30, 110, 30);
    p.Text("gamma [-]", 35, 23);
    p.Text("ca [-]", 115, 23);
}

// The captions of both twist plots; the left one has its top at leftTop.
std::vector<PlotText> TwistCaptionTexts(double leftTop) {
    return {{"alfa", -30, leftTop},
            {"rel              g_y          g_y=0", -12, leftTop + 3},
            {"[°] = alfa       - alfa", 2, leftTop},
            {"alfa", 188, -84},
            {"g", 206, -81},
            {"[°]", 213, -86}};
}

void DrawTexts(Plot& p, const std::vector<PlotText>& texts) {
    for (const PlotText& t : texts) p.Text(t.text, t.x, t.y);
}

// The twist plot of the analysis and chord design windows: its captions and tick labels, the
// right ones the absolute angles about the root angle alphaA, and the handle squares (tops yB,
// yC, yD, 20 pixels per degree; B and C in the columns xB and xC, D at the tip, the root's at
// the origin).
luvo::TwistPlotFrame TwistFrame(double span, double alphaA, double xB, double xC, double yB,
                                double yC, double yD, const PlotText& title) {
    luvo::TwistPlotFrame f;
    f.leftAxisBottom = 45;
    f.span = span;
    f.fixed = TwistCaptionTexts(-84);
    luvo::AddTwistAngleLabels(f, alphaA, -25);
    luvo::AddTwistTitle(f, title);
    luvo::AddTwistHandle(f, -2, -2);
    luvo::AddTwistHandle(f, xB - 2, yB);
    luvo::AddTwistHandle(f, xC - 2, yC);
    luvo::AddTwistHandle(f, 198, yD);
    return f;
}

// The caption of the chord plot's axis: its row in each window.
double ChordCaptionRow(LltChordPlotLayout layout) {
    return layout == LltChordPlotLayout::Analysis ? -55.0 : -60.0;
}

// The chord axis's ticks (quarters of the root chord, 50 cA / (b/2) pixels apart) that lie on
// the axis, from -40 to 90.
bool OnChordAxis(double tick) { return std::isfinite(tick) && tick >= -40.0 && tick <= 90.0; }

// The centres of the marks of the chord handles B, C and D: columns for the segment lengths s1,
// s2, s3 [%], rows for the chords.
// With them the rows of the outline's tip line, which closes the plan form at x = 200 with the
// chord of the first section at the tip.
struct ChordMarks {
    double x[3];
    double y[3];
    double tipTop;
    double tipBottom;
};
ChordMarks ChordMarksOf(double b, double s1, double s2, double s3, double cB, double cC,
                        double cD) {
    const std::array<double, 3> columns = LltSectionColumns(s1, s2, s3);
    const double tip = s1 >= 100.0 ? cB : s1 + s2 >= 100.0 ? cC : cD;
    const double h = b / 2.0;
    return {{columns[0], columns[1], columns[2]},
            {LltChordMarkRow(b, cB), LltChordMarkRow(b, cC), LltChordMarkRow(b, cD)},
            std::fmax(-50.0 * tip / h, -40.0),
            std::fmin(150.0 * tip / h, 90.0)};
}

// The chord plot's texts that stay where they are, for the span b and the root chord cA: the
// chord axis's caption, those of its labels (quarters of the root chord) that keep clear of each
// other, of the caption and of the canvas's edges, "0" and the largest chord first, and the span
// labels, each at the free place nearest to its own, clear of the handles' marks.
std::vector<PlotText> ChordPlotFixedTexts(Plot& p, double b, double cA, double captionRow,
                                          const ChordMarks& marks) {
    const double h = b / 2.0;
    const double s50 = cA * 50.0 / h;
    std::vector<PlotText> t = {{"Profiltiefe [m]", -30, captionRow}};
    const struct {
        PlotText text;
        double tick;
    } chord[5] = {{{"0", -16, -7}, 0.0},
                  {{luvo::FormatResult("%2.2f", 0.75 * cA), -32, 3.0 * s50 - 7}, 3.0 * s50},
                  {{luvo::FormatResult("%2.2f", 0.25 * cA), -32, s50 - 7}, s50},
                  {{luvo::FormatResult("%2.2f", -0.25 * cA), -28, -s50 - 7}, -s50},
                  {{luvo::FormatResult("%2.2f", 0.5 * cA), -32, 2.0 * s50 - 7}, 2.0 * s50}};
    luvo::PlotTextLayout fit(p.Area());
    luvo::KeepTexts(p, fit, t);
    for (const auto& label : chord) {
        if (!OnChordAxis(label.tick)) continue;
        const luvo::PlotSize size = p.TextSize(label.text.text);
        const luvo::PlotRect box{static_cast<int>(label.text.x), static_cast<int>(label.text.y),
                                 size.width, size.height};
        if (!p.Area().Contains(box) || !fit.Free({box.x, box.y - 1, box.width, box.height + 2})) {
            continue;
        }
        fit.Keep(box);
        t.push_back(label.text);
    }
    // The span labels below the axis, clear of its ticks and arrow and of the handles.
    fit.KeepLine(-3, 0, 215, 0);
    fit.Keep({210, -5, 2, 11});
    for (int x = 50; x <= 200; x += 50) fit.KeepLine(x, -3, x, 3);
    fit.KeepLine(0, -40, 0, 90);
    for (int k = 0; k < 3; ++k) {
        if (p.Drawable(marks.x[k]) && p.Drawable(marks.y[k])) {
            fit.Keep({static_cast<int>(marks.x[k] - 2), static_cast<int>(marks.y[k] - 2), 4, 4});
        }
    }
    if (p.Drawable(marks.tipTop) && p.Drawable(marks.tipBottom)) {
        fit.KeepLine(200, static_cast<int>(marks.tipTop), 200, static_cast<int>(marks.tipBottom));
    }
    const PlotText span[3] = {{luvo::FormatResult("%2.1f", b * 0.25), 93, 4},
                              {luvo::FormatResult("%2.1f", b * 0.5), 185, 4},
                              {"y", 215, 4}};
    for (const PlotText& label : span) {
        const luvo::PlotRect box =
            fit.Place(p.TextSize(label.text), static_cast<int>(label.x), static_cast<int>(label.y));
        t.push_back({label.text, static_cast<double>(box.x), static_cast<double>(box.y)});
    }
    return t;
}

// The chord plot's canvas with its axes, ticks and fixed texts kept, for the labels that the
// handles place.
luvo::PlotTextLayout ChordPlotLayout(Plot& p, double b, double cA, double captionRow,
                                     const ChordMarks& marks) {
    const double s50 = cA * 50.0 / (b / 2.0);
    luvo::PlotTextLayout layout(p.Area());
    layout.KeepLine(0, -40, 0, 90);
    layout.Keep({-5, 85, 11, 6});
    layout.KeepLine(-3, 0, 215, 0);
    layout.Keep({210, -5, 6, 11});
    for (int x = 50; x <= 200; x += 50) layout.KeepLine(x, -3, x, 3);
    for (int k = -1; k <= 3; ++k) {
        const double tick = k * s50;
        if (OnChordAxis(tick)) {
            layout.KeepLine(-3, static_cast<int>(tick), 3, static_cast<int>(tick));
        }
    }
    luvo::KeepTexts(p, layout, ChordPlotFixedTexts(p, b, cA, captionRow, marks));
    return layout;
}

}  // namespace

void PaintCirculationPlot(luvo::PlotPainter& painter, const LltSolver& s, double inputMode,
                          double heldScale) {
    Plot p(painter);
    const double a = FirstCoefficient(s, inputMode, heldScale);
    p.Origin(50, 110);
    p.Pen(PlotPen::StockBlack());
    p.UpAxis(0, -70, 15);
    p.SpanAxisWithArrow();
    for (int h = -60; h <= 0; h += 15) p.LeftTick(h);
    p.SpanTicks();

    p.SmallFont();
    p.Number("%2.1f", s.span * 0.25, 93, 4);
    p.Number("%2.1f", s.span * 0.5, 193, 4);
    p.Text("y", 215, 4);
    p.Text("1.00", -28, -67);
    p.Text("0.75", -28, -52);
    p.Text("0.50", -28, -37);
    p.Text("0.25", -28, -22);
    p.Text("0", -22, -7);
    p.Text("gamma/a  [-]", -30, -85);
    p.Text("1", 13, -81);

    // 60 pixels per unit of gamma/A, upwards.
    p.Pen(PlotPen::Red());
    ScaledCurve(p, s, s.seriesGamma, 1, 60.0, a);
}

void PaintCirculationHandles(luvo::PlotPainter& painter, const LltSolver& s, double inputMode,
                             double heldScale) {
    Plot p(painter);
    const double a = FirstCoefficient(s, inputMode, heldScale);
    p.Pen(PlotPen::Red());
    if (!UsableScale(a)) return;
    // The stations 51, 41 and 30 of the three-point fit; the left edges are fixed numbers.
    p.Handle(-2, -2 - 60.0 * s.seriesGamma[51] / a);
    p.Handle(59, -2 - 60.0 * s.seriesGamma[41] / a);
    p.Handle(119, -2 - 60.0 * s.seriesGamma[30] / a);
}

void PaintChordPlot(luvo::PlotPainter& painter, const LltSolver& s, LltChordPlotLayout layout) {
    Plot p(painter);
    const double b = s.span;
    const double h = b / 2.0;
    const double cA = s.chordA;
    const double s50 = cA * 50.0 / h;
    const double s100 = cA * 100.0 / h;
    const double s150 = cA * 150.0 / h;

    if (layout == LltChordPlotLayout::Analysis) {
        p.Origin(45, 55);
    } else {
        p.Origin(50, 75);
    }

    // The chord axis points down: the trailing edge lies below the quarter-chord line.
    p.Pen(PlotPen::StockBlack());
    p.Line(0, -40, 0, 90);
    p.Line(0, 90, -5, 85);
    p.Line(0, 90, 5, 85);
    p.SpanAxisWithArrow();
    for (const double tick : {-s50, 0.0, s50, s100, s150}) {
        if (OnChordAxis(tick)) p.LeftTick(tick);
    }
    p.SpanTicks();

    p.SmallFont();
    DrawTexts(p, ChordPlotFixedTexts(
                     p, b, cA, ChordCaptionRow(layout),
                     ChordMarksOf(b, 100.0 * s.chordSegment1, 100.0 * s.chordSegment2,
                                  100.0 * s.chordSegment3, s.chordB, s.chordC, s.chordD)));

    // A chord c spans 200 c / h pixels, a quarter ahead of the axis and three quarters behind;
    // the outline stays within the chord axis's extent, clear of the caption and the title.
    p.Pen(PlotPen::Grey());
    p.ClipTo(0, -40, 200, 90);
    p.Line(200, -50.0 * s.chord[0] / h, 200, 150.0 * s.chord[0] / h);
    for (int i = 1; i <= 50; ++i) {
        const double x0 = StationX(s, i);
        const double x1 = StationX(s, i + 1);
        p.Line(x0, -50.0 * s.chord[i] / h, x1, -50.0 * s.chord[i + 1] / h);
        p.Line(x0, 150.0 * s.chord[i] / h, x1, 150.0 * s.chord[i + 1] / h);
    }
    p.Unclip();
}

void PaintChordHandles(luvo::PlotPainter& painter, double b, double s1, double s2, double s3,
                       double cA, double cB, double cC, double cD, LltChordPlotLayout plot) {
    Plot p(painter);
    const double f1 = s1 * 0.01;
    const double f2 = s2 * 0.01;
    const double f3 = s3 * 0.01;
    const double h = b / 2.0;
    const double xB = 200.0 * f1;
    const double xC = 200.0 * (f1 + f2);
    const double xD = 200.0 * (f1 + f2 + f3);
    const double yA = 150.0 * cA / h;
    // A chord beyond the handle rows has its mark at their edge, where it can still be picked.
    const double yB = LltChordMarkRow(b, cB);
    const double yC = LltChordMarkRow(b, cC);
    const double yD = LltChordMarkRow(b, cD);

    p.Pen(PlotPen::Grey());
    auto handleB = [&] { p.Handle(xB - 2, yB - 2); };
    auto handleC = [&] { p.Handle(xC - 2, yC - 2); };
    auto handleD = [&] { p.Handle(xD - 2, yD - 2); };
    // The labels keep clear of the plot's texts, axes and ticks and of the handles.
    luvo::PlotTextLayout layout =
        ChordPlotLayout(p, b, cA, ChordCaptionRow(plot), ChordMarksOf(b, s1, s2, s3, cB, cC, cD));
    const double marks[3][2] = {{xB, yB}, {xC, yC}, {xD, yD}};
    for (const auto& m : marks) {
        if (p.Drawable(m[0]) && p.Drawable(m[1])) {
            layout.Keep({static_cast<int>(m[0] - 2), static_cast<int>(m[1] - 2), 4, 4});
        }
    }
    auto labelA = [&] { luvo::PlaceText(p, layout, " A ", 4, yA + 3); };
    // The labels of the first `count` of B, C and D (B and C moved by dxB and dxC), then their
    // handles again on top.
    auto labelled = [&](int count, double dxB, double dxC) {
        luvo::PlaceText(p, layout, " B ", xB + dxB, yB + 3);
        if (count > 1) luvo::PlaceText(p, layout, " C ", xC + dxC, yC + 3);
        if (count > 2) luvo::PlaceText(p, layout, " D ", xD - 2, yD + 3);
        handleB();
        if (count > 1) handleC();
        if (count > 2) handleD();
    };
    handleB();
    handleC();
    handleD();

    if (f1 == 1.0) {
        // B, C and D all stand at the tip: B closes the outline.
        labelA();
        labelled(1, -2, -2);
        p.Line(200, -50.0 * cB / h, 200, 150.0 * cB / h);
    } else if (f1 == 0.0) {
        labelled(3, -2, -2);
    } else if (f2 == 0.0) {
        // B and C coincide: their labels move apart to stay readable.
        labelA();
        labelled(3, -20, 10);
    } else if (f3 == 0.0) {
        labelA();
        labelled(2, -2, -2);
    } else {
        labelA();
        labelled(3, -2, -2);
    }
}

void PaintTwistPlot(luvo::PlotPainter& painter, const LltSolver& s, const PlotText& title) {
    Plot p(painter);
    const double aA = s.twistA;
    const double f1 = s.twistSegment1;
    const double f2 = s.twistSegment2;
    // 20 pixels per degree relative to the root, upwards.
    const double yB = -20.0 * (s.twistB - aA);
    const double yC = -20.0 * (s.twistC - aA);
    const double yD = -20.0 * (s.twistD - aA);
    p.Origin(45, 90);
    p.Pen(PlotPen::Axis());
    p.UpAxis(0, -70, 45);
    p.UpAxis(200, -70, 45);
    p.Line(-3, 0, 200, 0);
    for (int h = -60; h <= 20; h += 20) p.LeftTick(h);
    for (int h = -60; h <= 40; h += 20) p.RightTick(h);
    p.SpanTicks();

    p.SmallFont();
    // Left axis: angles relative to the root; right axis: the absolute angles. The span labels
    // make room for the handles that the handle routine draws at the same angles.
    const luvo::TwistPlotFrame frame =
        TwistFrame(s.span, aA, 200.0 * f1, 200.0 * (f1 + f2), LltTwistMarkRow(s.twistB - aA) - 2,
                   LltTwistMarkRow(s.twistC - aA) - 2, LltTwistMarkRow(s.twistD - aA) - 2, title);
    DrawTexts(p, frame.fixed);
    std::vector<luvo::PlotRect> spanBoxes;
    luvo::TwistPlotLayout(p, frame, spanBoxes);
    const std::vector<std::string> spanTexts = luvo::TwistPlotSpanLabels(s.span);
    for (int k = 0; k < 2; ++k) p.Text(spanTexts[k], spanBoxes[k].x, spanBoxes[k].y);

    // The curve stays in the range of the angle labels.
    p.Pen(PlotPen::Blue());
    p.ClipTo(0, -60, 200, 40);
    p.Line(0, 0, 200.0 * f1, yB);
    p.Line(200.0 * f1, yB, 200.0 * (f1 + f2), yC);
    p.Line(200.0 * (f1 + f2), yC, 200, yD);
    p.Unclip();
}

void PaintTwistHandles(luvo::PlotPainter& painter, double b, double alphaA, double deltaB,
                       double deltaC, double deltaD, double s1, double s2, double s3,
                       const PlotText& title) {
    Plot p(painter);
    const double f1 = s1 * 0.01;
    const double f2 = s2 * 0.01;
    const double f3 = s3 * 0.01;
    // The angle at each section relative to the root, as the twist plot draws it.
    const double aB = alphaA + deltaB;
    const double aC = alphaA + deltaC;
    const double aD = alphaA + deltaD;
    // An angle beyond the handle rows has its mark at their edge, where it can still be picked.
    const double yB = -2.0 + LltTwistMarkRow(aB - alphaA);
    const double yC = -2.0 + LltTwistMarkRow(aC - alphaA);
    const double yD = -2.0 + LltTwistMarkRow(aD - alphaA);
    const double xB = 200.0 * f1;
    const double xC = 200.0 * (f1 + f2);

    p.Pen(PlotPen::Blue());
    auto handleB = [&] { p.Handle(xB - 2, yB); };
    auto handleC = [&] { p.Handle(xC - 2, yC); };
    auto handleD = [&] { p.Handle(198, yD); };  // D always stands at the tip
    // The labels of A and of the first `count` of B, C and D (B and C moved by dxB and dxC), each
    // clear of the plot's texts, axes and handles, then the root's handle and theirs again on top.
    std::vector<luvo::PlotRect> spanBoxes;
    luvo::PlotTextLayout layout =
        luvo::TwistPlotLayout(p, TwistFrame(b, alphaA, xB, xC, yB, yC, yD, title), spanBoxes);
    auto labelled = [&](int count, double dxB, double dxC) {
        luvo::PlaceText(p, layout, " A ", 5, -15);
        luvo::PlaceText(p, layout, " B ", xB + dxB, yB - 13);
        if (count > 1) luvo::PlaceText(p, layout, " C ", xC + dxC, yC - 13);
        if (count > 2) luvo::PlaceText(p, layout, " D ", 190, yD - 13);
        p.Handle(-2, -2);
        handleB();
        if (count > 1) handleC();
        if (count > 2) handleD();
    };
    handleB();
    handleC();
    handleD();

    if (f1 == 1.0) {
        labelled(1, -20, -20);
    } else if (f2 == 0.0) {
        labelled(3, -20, 10);
    } else if (f3 == 0.0) {
        labelled(2, -2, -2);
    } else {
        labelled(3, -2, -2);
    }
}

void PaintTwistResultPlot(luvo::PlotPainter& painter, const LltSolver& s, double twistScaling) {
    Plot p(painter);
    const double tau = s.twistDeg[51];  // the root
    p.Origin(50, 90);
    p.Pen(PlotPen::Axis());
    p.UpAxis(0, -70, 85);
    p.UpAxis(200, -70, 70);
    for (int h = -60; h <= 60; h += 20) p.RightTick(h);

    p.SmallFont();
    DrawTexts(p, TwistCaptionTexts(-90));

    if (twistScaling == 1.0) {
        p.Line(-3, 0, 200, 0);
        for (int h = -60; h <= 60; h += 20) p.LeftTick(h);
        p.SpanTicks();
        p.Number("%2.1f", s.span / 4.0, 93, 4);
        p.Number("%2.1f", s.span / 2.0, 180, 4);
        p.Text("3.0", -22, -67);
        p.Text("2.0", -22, -47);
        p.Text("1.0", -22, -27);
        p.Text("0", -16, -7);
        p.Text("-1.0", -25, 13);
        p.Text("-2.0", -25, 33);
        p.Text("-3.0", -25, 53);
        for (int k = 0; k < 7; ++k) p.Number("%2.1f", tau + 3 - k, 208, -67 + 20 * k);
        p.Pen(PlotPen::Red());
        p.ClipTo(0, -60, 200, 60);  // the labelled angles, clear of the title above
        for (int i = 0; i <= 50; ++i) {
            p.Line(StationX(s, i), -20.0 * (s.twistDeg[i] - tau), StationX(s, i + 1),
                   -20.0 * (s.twistDeg[i + 1] - tau));
        }
        p.Unclip();
        return;
    }

    // The range twistMin..twistMax fills the heights 60..-60.
    const double range = s.twistMax - s.twistMin;
    const bool scaled = std::isfinite(range) && range > 0.0;
    auto height = [&](double t) { return 60.0 - (t - s.twistMin) * 120.0 / range; };
    double y0 = scaled ? height(tau) : 0.0;
    if (!std::isfinite(y0)) y0 = 0.0;

    p.Line(-3, y0, 200, y0);
    p.Text("0", -16, y0 - 7);
    // Labels above and below the root's axis as long as they stay inside the plot; a wide one
    // ("132.2") ends before the ticks and the arrow head.
    auto leftLabel = [&](double value, double x, double y) {
        const std::string text = luvo::FormatResult("%2.1f", value);
        p.Text(text, std::fmin(x, -6.0 - p.TextSize(text).width), y);
    };
    const bool up[6] = {y0 >= -50, y0 > -30, y0 > -10, y0 > 10, y0 > 30, y0 > 50};
    for (int k = 1; k <= 6 && up[k - 1]; ++k) {
        p.LeftTick(y0 - 20.0 * k);
        leftLabel(k * range / 6.0, -27, y0 - 20.0 * k - 7);
    }
    const bool down[6] = {y0 <= 50, y0 < 30, y0 < 10, y0 < -10, y0 < -30, y0 < -50};
    for (int k = 1; k <= 6 && down[k - 1]; ++k) {
        p.LeftTick(y0 + 20.0 * k);
        leftLabel(-k * range / 6.0, -30, y0 + 20.0 * k - 7);
    }
    for (int k = 0; k < 6; ++k) p.Number("%2.1f", s.twistMax - k * range / 6.0, 208, -67 + 20 * k);
    p.Number("%2.1f", s.twistMin, 208, 53);
    p.Number("%2.1f", s.span / 4.0, 93, y0 + 4);
    p.Number("%2.1f", s.span / 2.0, 180, y0 + 4);
    p.SpanTicks(y0);

    p.Pen(PlotPen::Red());
    if (!scaled) return;
    p.ClipTo(0, -60, 200, 60);
    for (int i = 0; i <= 50; ++i) {
        p.Line(StationX(s, i), height(s.twistDeg[i]), StationX(s, i + 1),
               height(s.twistDeg[i + 1]));
    }
    p.Unclip();
}

void PaintChordResultPlot(luvo::PlotPainter& painter, const LltSolver& s, double chordScaling) {
    Plot p(painter);
    const double h = s.span / 2.0;
    const double m = s.chordMax;
    p.Origin(45, 130);
    p.Pen(PlotPen::Axis());
    p.UpAxis(0, -90, 25);
    p.SpanAxisWithArrow();
    p.SpanTicks();

    p.SmallFont();
    p.Number("%2.1f", s.span / 4.0, 93, 4);
    p.Number("%2.1f", s.span / 2.0, 193, 4);
    p.Text("y", 215, 4);
    const double l = m / h;
    // In true scale the top label's row (12 pixels high) climbs with the chord; where it would
    // run into the caption, the caption stands just above it.
    const double topRow = -200.0 * l - 7.0;
    const bool captionInTheWay = chordScaling != 1.0 && topRow < -93.0 && topRow + 12.0 > -105.0;
    p.Text("Profiltiefe [m]", -30, captionInTheWay ? topRow - 13.0 : -105.0);

    if (chordScaling == 1.0) {
        // Not to scale: the largest chord reaches 80 pixels.
        for (int k = -80; k <= -20; k += 20) p.LeftTick(k);
        p.QuarterLabels("%2.1f", m, -21);
        p.Pen(PlotPen::Grey());
        ScaledCurve(p, s, s.chord, 0, 80.0, m);
        return;
    }

    // True scale: the chord upwards in the scale of the span.
    p.LeftTick(-200.0 * l);
    p.LeftTick(-150.0 * l);
    p.LeftTick(-100.0 * l);
    p.LeftTick(-50.0 * l);
    p.Number("%2.2f", m, -28, -200.0 * l - 7);
    p.Number("%2.2f", 0.75 * m, -28, -150.0 * l - 7);
    p.Number("%2.2f", 0.5 * m, -28, -100.0 * l - 7);
    p.Number("%2.2f", 0.25 * m, -28, -50.0 * l - 7);
    p.Text("0", -16, -7);
    p.Pen(PlotPen::Grey());
    for (int i = 0; i <= 50; ++i) {
        p.Line(StationX(s, i), -200.0 * s.chord[i] / h, StationX(s, i + 1),
               -200.0 * s.chord[i + 1] / h);
    }
}

void PaintCirculationLiftPlot(luvo::PlotPainter& painter, const LltSolver& s) {
    Plot p(painter);
    p.Origin(40, 113);
    CirculationLift(p, s);
}

void PaintResultsCirculationLiftPlot(luvo::PlotPainter& painter, const LltSolver& s) {
    Plot p(painter);
    p.Origin(60, 143);
    CirculationLift(p, s);
}
