#include "etl/core/EtlPlotPaint.h"

#include <cmath>
#include <string>
#include <vector>

#include "common/core/CurveScale.h"
#include "common/core/NumberText.h"
#include "common/core/PlotTextLayout.h"

using luvo::PlaceText;
using luvo::PlotPen;
using luvo::PlotText;

namespace {

// Far outside any canvas, still well inside the range of an int.
constexpr double kFarAway = 1.0e6;
constexpr double kDeg = 0.017453292519943295;  // one degree in radians

class Plot : public luvo::PlotPixels {
  public:
    explicit Plot(luvo::PlotPainter& painter) : luvo::PlotPixels(painter, kFarAway) {}

    // A vertical axis from (x, top) to (x, bottom) with its arrow head at the top.
    void UpAxis(double x, double top, double bottom) {
        Line(x, top, x, bottom);
        Line(x, top, x - 5, top + 5);
        Line(x, top, x + 5, top + 5);
    }
    void LeftTick(double h) { Line(-3, h, 3, h); }
    void RightTick(double h) { Line(197, h, 203, h); }
    void SpanTicks(double h) {
        for (int x = 50; x <= 200; x += 50) Line(x, h - 3, x, h + 3);
    }
    // 4-pixel pieces every 8 pixels from (x0, y0) while the offset along x stays below `length`.
    void SlopedDashes(double x0, double y0, double slope, double length) {
        if (!Drawable(length) || !Drawable(slope)) return;
        for (double off = 0; off < length; off += 8) {
            Line(x0 + off, y0 + off * slope, x0 + off + 4, y0 + (off + 4) * slope);
        }
    }
};

double Fraction(double percent) { return percent * 0.01; }

// The trapezoids of a wing as the plots see them: outer bounds in fractions of b/2 and the
// quarter-chord line x25 [m] over the span.
struct Trapezoids {
    double length[4] = {0, 0, 0, 0};  // 1..3, fractions of b/2
    double bound[4] = {0, 0, 0, 0};   // 0..3
    double slope[4] = {0, 0, 0, 0};   // tan of the quarter-chord sweeps, 1..3
    double halfSpan = 0;

    Trapezoids(const double* lengths, const double* quarterChordSweep, double b) : halfSpan(b / 2) {
        for (int m = 1; m <= 3; ++m) {
            length[m] = lengths[m];
            bound[m] = bound[m - 1] + lengths[m];
            slope[m] = std::tan(quarterChordSweep[m]);
        }
    }
    // Quarter-chord position [m] at the fraction f of b/2.
    double X25(double f) const {
        double x = 0;
        for (int m = 1; m <= 3; ++m) {
            const double along = std::fmin(std::fmax(f - bound[m - 1], 0.0), length[m]);
            x += along * halfSpan * slope[m];
        }
        return x;
    }
    // The trapezoid of positive length that holds the fraction f (as the solver assigns its
    // stations); 0 when none has a length.
    int Of(double f) const {
        int last = 0;
        for (int m = 1; m <= 3; ++m) {
            if (!(length[m] > 0.0)) continue;
            if (f <= bound[m]) return m;
            last = m;
        }
        return last;
    }
};

// Each curve fills 80 pixels from the span axis to its largest magnitude: upwards, or downwards
// from an axis at the top of the band when that magnitude belongs to a negative value (negative
// lift). The tick labels carry the values' signs; a wide one on the left ends before the ticks.
void CirculationLift(Plot& p, const EtlSolver& s, double gammaLabelX) {
    const luvo::CurveScale g = luvo::ScaleOfCurve(s.gamma, 1, EtlSolver::kRoot);
    const luvo::CurveScale c = luvo::ScaleOfCurve(s.ca, 1, EtlSolver::kRoot);
    const bool below = g.below;
    const double axis = below ? -80.0 : 0.0;
    const double sign = below ? -1.0 : 1.0;
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
    std::vector<PlotText> fixed = {{"gamma [-]", -30, -105}, {"ca [-]", 195, -105}};
    for (int q = 4; q >= 1; --q) {
        const double row = axis - sign * 20.0 * q - 7;
        const double value = sign * g.magnitude * q / 4.0;
        // A label ends before the ticks; one that the canvas's edge leaves no room for shows a
        // decimal fewer.
        std::string text = luvo::FormatResult("%2.4f", value);
        if (-6.0 - p.TextSize(text).width < p.Area().x) text = luvo::FormatResult("%2.3f", value);
        fixed.push_back({text, std::fmin(gammaLabelX, -6.0 - p.TextSize(text).width), row});
        fixed.push_back({luvo::FormatResult("%2.2f", sign * c.magnitude * q / 4.0), 210, row});
    }
    fixed.push_back({"0", -16, axis - 7});
    for (const PlotText& t : fixed) p.Text(t.text, t.x, t.y);
    luvo::PlaceCirculationSpanLabels(p, fixed, axis, s.span);

    const double h = s.span / 2.0;
    // A maximum of 0 (a wing without lift) leaves the curve out; the curves stay between the
    // axes' ends.
    auto curve = [&](const EtlSolver::StationArray& v, double top) {
        if (!std::isfinite(top) || top == 0.0) return;
        p.ClipTo(0, -90, 200, 15);
        for (int k = 1; k <= 50; ++k) {
            p.Line(s.y[k] * 200.0 / h, axis - 80.0 * v[k] / top, s.y[k + 1] * 200.0 / h,
                   axis - 80.0 * v[k + 1] / top);
        }
        p.Unclip();
    };
    p.Pen(PlotPen::Red());
    curve(s.gamma, g.magnitude);
    p.Line(20, 30, 30, 30);
    p.Pen(PlotPen::Green());
    curve(s.ca, c.magnitude);
    p.Line(100, 30, 110, 30);
    p.Text("gamma [-]", 35, 23);
    p.Text("ca [-]", 115, 23);
}

constexpr const char* kFlowText = "Str\xc3\xb6mungsrichtung";

// The plan form's texts that stay where they are: the labels of both axes and the chord axis's
// caption, for a root chord that reaches q pixels ahead of the quarter-chord point. Labels of the
// chord axis that a short root chord would put on each other are left out, "0" and the root
// chord's last.
std::vector<PlotText> PlanformFixedTexts(Plot& p, double span, double cA, double q) {
    std::vector<PlotText> t = {{luvo::FormatResult("%2.1f", span * 0.25), 93, 4 - q},
                               {luvo::FormatResult("%2.1f", span * 0.5), 185, 4 - q},
                               {"y", 215, 4 - q}};
    // The chord axis reads the distance from the root leading edge: "0" at its tick, then a
    // quarter of the root chord per tick.
    std::vector<PlotText> chord = {{"0", -28, -q - 7}};
    for (int k = 0; k < 4; ++k) {
        chord.push_back({luvo::FormatResult("%2.2f", cA * (k + 1) / 4.0), -32, k * q - 7});
    }
    bool shown[5] = {false, false, false, false, false};
    luvo::PlotTextLayout fit(p.Area());
    for (int k : {0, 4, 2, 1, 3}) {
        if (!p.Drawable(chord[k].y)) continue;
        const luvo::PlotSize size = p.TextSize(chord[k].text);
        const luvo::PlotRect box{static_cast<int>(chord[k].x), static_cast<int>(chord[k].y),
                                 size.width, size.height};
        if (!fit.Free({box.x, box.y - 1, box.width, box.height + 2})) continue;
        fit.Keep(box);
        shown[k] = true;
    }
    for (int k = 0; k < 5; ++k) {
        if (shown[k]) t.push_back(chord[k]);
    }
    t.push_back({"Profiltiefe [m]", -40, -55});
    return t;
}

// Where the plan form's movable texts went: the flow direction's name and the sweep labels of
// the swept trapezoids (1..3).
struct PlanformLabels {
    luvo::PlotRect flow;
    luvo::PlotRect sweep[4] = {};
    bool shown[4] = {false, false, false, false};
};

// The plan form's canvas with its axes, ticks, fixed texts, flow arrow and the window's title
// kept, then the flow direction's name and the sweep labels placed, each at the free place
// nearest to its own. `lengths`: the trapezoids' fractions of b/2 (1..3); `swept`: whether a
// trapezoid's leading edge is swept.
luvo::PlotTextLayout PlanformLayout(Plot& p, double span, double cA, const double (&lengths)[4],
                                    const bool (&swept)[4], const PlotText& title,
                                    PlanformLabels& out) {
    const double q = cA * 50.0 / (span / 2.0);
    luvo::PlotTextLayout layout(p.Area());
    layout.KeepLine(0, -40, 0, 90);
    layout.Keep({-5, 85, 11, 6});
    if (p.Drawable(q) && std::fabs(q) < 1000) {
        const int axis = static_cast<int>(-q);
        layout.KeepLine(-3, axis, 215, axis);
        layout.Keep({210, axis - 5, 6, 11});
        for (int k = -1; k <= 3; ++k) {
            const int tick = static_cast<int>(k * q);
            layout.KeepLine(-3, tick, 3, tick);
        }
        for (int x = 50; x <= 200; x += 50) layout.KeepLine(x, axis - 3, x, axis + 3);
    }
    luvo::KeepTexts(p, layout, PlanformFixedTexts(p, span, cA, q));
    if (!title.text.empty()) luvo::KeepTexts(p, layout, {{title.text, title.x - 50, title.y - 55}});
    // The flow arrow with its dashed reference, turned by up to 30 degrees of sideslip.
    layout.Keep({194, -55, 33, 17});
    out.flow = layout.Place(p.TextSize(kFlowText), 150, -70);
    static const char* const kLabels[4] = {"", "phi_VK1", "phi_VK2", "phi_VK3"};
    double start = 0;
    for (int m = 1; m <= 3; ++m) {
        out.shown[m] = swept[m] && (m == 1 || lengths[m] != 0.0);
        if (out.shown[m]) {
            out.sweep[m] =
                layout.Place(p.TextSize(kLabels[m]),
                             static_cast<int>(start * 200.0 + 10.0 * std::cos(5.0 * kDeg)),
                             static_cast<int>(-25.0 * std::sin(5.0 * kDeg) - 35.0));
        }
        start += lengths[m];
    }
    return layout;
}

}  // namespace

void EtlPaintPlanform(luvo::PlotPainter& painter, const EtlSolver& s, const PlotText& title) {
    Plot p(painter);
    const double h = s.span / 2.0;
    const double scale = 200.0 / h;  // pixels per metre, both directions
    const double cA = s.sectionChord[0];
    const double q = cA * 50.0 / h;
    const Trapezoids t(s.sectionLength.data(), s.trapezoidQuarterChordSweep.data(), s.span);

    p.Origin(50, 55);
    p.Pen(PlotPen::StockBlack());
    p.Line(0, -40, 0, 90);
    p.Line(0, 90, -5, 85);
    p.Line(0, 90, 5, 85);
    p.Line(-3, -q, 215, -q);
    p.Line(215, -q, 210, -q - 5);
    p.Line(215, -q, 210, 5 - q);
    for (int k = -1; k <= 3; ++k) p.LeftTick(k * q);
    p.SpanTicks(-q);

    p.SmallFont();
    for (const PlotText& text : PlanformFixedTexts(p, s.span, cA, q)) {
        p.Text(text.text, text.x, text.y);
    }
    const double lengths[4] = {0.0, s.sectionLength[1], s.sectionLength[2], s.sectionLength[3]};
    bool swept[4] = {false, false, false, false};
    for (int m = 1; m <= 3; ++m) {
        const double sweep = s.trapezoidLeadingEdgeSweep[m];
        swept[m] = sweep > 0.0 || sweep < 0.0;
    }
    PlanformLabels labels;
    PlanformLayout(p, s.span, cA, lengths, swept, title, labels);

    // The wing's lines stay below the title row.
    const luvo::PlotRect area = p.Area();
    p.ClipTo(area.x, -42, area.Right() - 1, area.Bottom() - 1);

    // Quarter-chord line, trapezoid by trapezoid.
    p.Pen(PlotPen::Axis());
    for (int m = 1; m <= 3; ++m) {
        p.SlopedDashes(t.bound[m - 1] * 200.0, t.X25(t.bound[m - 1]) * scale, t.slope[m],
                       t.length[m] * 200.0);
    }

    // Outline: leading edge a quarter chord ahead of the quarter-chord line, trailing edge three
    // quarters behind it.
    auto fractionOf = [&](int k) { return s.y[k] / h; };
    auto le = [&](double f, double c) { return (t.X25(f) - c / 4.0) * scale; };
    auto te = [&](double f, double c) { return (t.X25(f) + 0.75 * c) * scale; };
    auto join = [&](double f0, double c0, double f1, double c1) {
        p.Line(f0 * 200.0, le(f0, c0), f1 * 200.0, le(f1, c1));
        p.Line(f0 * 200.0, te(f0, c0), f1 * 200.0, te(f1, c1));
    };
    p.Pen(PlotPen::Grey());
    for (int k = EtlSolver::kRoot; k >= 1; --k) {
        const int m = t.Of(fractionOf(k));
        if (m != 0 && m == t.Of(fractionOf(k - 1))) {
            join(fractionOf(k), s.chord[k], fractionOf(k - 1), s.chord[k - 1]);
        }
    }
    // At an edge between two trapezoids of positive length, their last and first stations meet
    // the edge's own section.
    int inner = 0;
    for (int m = 1; m <= 3; ++m) {
        if (!(t.length[m] > 0.0)) continue;
        if (inner != 0) {
            const double edge = t.bound[inner];
            const double c = s.sectionChord[inner];
            int outerOfInner = -1;
            int innerOfOuter = -1;
            for (int k = EtlSolver::kRoot; k >= 0; --k) {
                const int of = t.Of(fractionOf(k));
                if (of == inner) outerOfInner = k;
                if (of == m && innerOfOuter < 0) innerOfOuter = k;
            }
            if (outerOfInner >= 0) {
                if (inner == 1) p.Pen(PlotPen::Axis());
                join(fractionOf(outerOfInner), s.chord[outerOfInner], edge, c);
                p.Pen(PlotPen::Grey());
            }
            if (innerOfOuter >= 0) join(edge, c, fractionOf(innerOfOuter), s.chord[innerOfOuter]);
        }
        inner = m;
    }
    if (inner != 0) {
        const double tip = t.bound[inner];
        const double c = s.sectionChord[inner];
        p.Line(tip * 200.0, le(tip, c), tip * 200.0, te(tip, c));
    }

    p.Unclip();

    // Flow direction.
    const double beta = s.sideslip;
    p.Pen(PlotPen::StockRed());
    p.Text(kFlowText, labels.flow.x, labels.flow.y);
    for (int y = -55; y <= -43; y += 4) p.Line(210, y, 210, y + 2);
    const double xe = 210.0 + 15.0 * std::sin(-beta);
    const double ye = -55.0 + 15.0 * std::cos(-beta);
    p.Line(210, -55, xe, ye);
    p.Line(xe, ye, xe + 11.3 * std::cos(EtlPi / 4 - beta), ye - 11.3 * std::sin(EtlPi / 4 - beta));
    p.Line(xe, ye, xe - 11.3 * std::cos(EtlPi / 4 + beta), ye - 11.3 * std::sin(EtlPi / 4 + beta));

    // Sweep angles at the leading edge of each swept trapezoid, from a horizontal reference.
    static const char* const kLabels[4] = {"", "phi_VK1", "phi_VK2", "phi_VK3"};
    for (int m = 1; m <= 3; ++m) {
        const double sweep = s.trapezoidLeadingEdgeSweep[m];
        if (!labels.shown[m]) continue;
        const double start = t.bound[m - 1];
        const double xv = start * 200.0;
        const double yv = m == 1 ? -q : le(start, s.sectionChord[m - 1]);
        p.ClipTo(area.x, -42, area.Right() - 1, area.Bottom() - 1);
        if (m > 1) {
            const double reach = (m == 2 ? t.length[2] : 1.0 - t.length[1] - t.length[2]) * 200.0;
            p.SlopedDashes(xv, yv, 0.0, 0.75 * reach);
        }
        const double r = t.length[m] * 100.0;
        // Angles measured from +x towards +y; the arc runs counter-clockwise on screen from the
        // larger angle to the smaller.
        const double low = sweep > 0 ? -5.0 * kDeg : sweep - 5.0 * kDeg;
        const double high = sweep > 0 ? sweep + 5.0 * kDeg : 5.0 * kDeg;
        p.Pen(PlotPen::Red());
        p.Arc(xv + r * std::cos(high), yv + r * std::sin(high), xv + r * std::cos(low),
              yv + r * std::sin(low), xv, yv);
        p.Unclip();
        p.Pen(PlotPen::StockRed());
        p.Text(kLabels[m], labels.sweep[m].x, labels.sweep[m].y);
    }
    p.Pen(PlotPen::Axis());
    p.Pen(PlotPen::StockBlack());
}

namespace {

// Where the marks of the plan form's handles stay: the canvas's rows below its origin (55), with
// room for the mark.
constexpr double kChordMarkTop = -53.0;
constexpr double kChordMarkBottom = 113.0;

double Within(double row, double top, double bottom) {
    if (std::isnan(row)) return row;
    return std::fmin(std::fmax(row, top), bottom);
}

}  // namespace

std::array<double, 3> EtlChordMarkRows(double b, double lAB, double lBC, double lCD, double cA,
                                       double cB, double cC, double cD, double phiVK1,
                                       double phiVK2, double phiVK3) {
    const double h = b / 2.0;
    const EtlSolver::TrapezoidArray sweeps = EtlSolver::TrapezoidQuarterChordSweeps(
        b, phiVK1, phiVK2, phiVK3, lAB, lBC, lCD, cA, cB, cC, cD);
    const double lengths[4] = {0.0, Fraction(lAB), Fraction(lBC), Fraction(lCD)};
    const Trapezoids t(lengths, sweeps.data(), b);
    const double chords[3] = {cB, cC, cD};
    std::array<double, 3> rows{};
    for (int k = 0; k < 3; ++k) {
        const double te = (t.X25(t.bound[k + 1]) + 0.75 * chords[k]) * 200.0 / h;
        rows[static_cast<size_t>(k)] = Within(te, kChordMarkTop, kChordMarkBottom);
    }
    return rows;
}

double EtlTwistMarkRow(double relativeAngle) { return Within(-20.0 * relativeAngle, -60.0, 40.0); }

void EtlPaintChordHandles(luvo::PlotPainter& painter, double b, double lAB, double lBC, double lCD,
                          double cA, double cB, double cC, double cD, double phiVK1, double phiVK2,
                          double phiVK3, const PlotText& title) {
    Plot p(painter);
    const double h = b / 2.0;
    const EtlSolver::TrapezoidArray sweeps = EtlSolver::TrapezoidQuarterChordSweeps(
        b, phiVK1, phiVK2, phiVK3, lAB, lBC, lCD, cA, cB, cC, cD);
    const double lengths[4] = {0.0, Fraction(lAB), Fraction(lBC), Fraction(lCD)};
    const Trapezoids t(lengths, sweeps.data(), b);
    const double xB = 200.0 * t.bound[1];
    const double xC = 200.0 * t.bound[2];
    const double xD = 200.0 * t.bound[3];
    // The trailing edges of the sections, kept on the canvas.
    const std::array<double, 3> te =
        EtlChordMarkRows(b, lAB, lBC, lCD, cA, cB, cC, cD, phiVK1, phiVK2, phiVK3);
    const double teB = te[0];
    const double teC = te[1];
    const double teD = te[2];

    // The labels keep clear of the plan form's texts and axes and of the handles.
    const bool swept[4] = {false, phiVK1 != 0.0, phiVK2 != 0.0, phiVK3 != 0.0};
    PlanformLabels planform;
    luvo::PlotTextLayout layout = PlanformLayout(p, b, cA, lengths, swept, title, planform);
    const bool onlyB = lengths[1] == 1.0;
    const bool withD = !onlyB && lengths[3] != 0.0;
    auto keepHandle = [&](double x, double y) {
        if (p.Drawable(x) && p.Drawable(y)) {
            layout.Keep({static_cast<int>(x), static_cast<int>(y), 4, 4});
        }
    };
    keepHandle(xB - 2, teB - 1);
    if (!onlyB) keepHandle(xC - 2, teC - 2);
    if (withD) keepHandle(xD - 2, teD - 2);

    p.Pen(PlotPen::Grey());
    PlaceText(p, layout, " A ", 4, cA * 150.0 / h + 3);
    if (onlyB) {
        PlaceText(p, layout, " B ", xB - 2, teB + 1 + 2.0 / h);
        p.Handle(xB - 2, teB - 1);
        return;
    }
    // B and C in one column: their labels move apart to stay readable.
    const bool together = lengths[2] == 0.0;
    PlaceText(p, layout, " B ", together ? xB - 20 : xB - 2, teB + 1 + 2.0 / h);
    PlaceText(p, layout, " C ", together ? xC + 10 : xC - 2, teC + 3);
    if (withD) PlaceText(p, layout, " D ", xD - 2, teD + 3);
    p.Handle(xB - 2, teB - 1);
    p.Handle(xC - 2, teC - 2);
    if (withD) p.Handle(xD - 2, teD - 2);
}

namespace {

// The twist plot's captions and tick labels, the right ones the absolute angles about the root
// angle alphaA, the handle squares B, C and D (tops yB, yC, yD; B and C in the columns xB and
// xC, D at the tip) and the window's title.
luvo::TwistPlotFrame TwistFrame(double span, double alphaA, double xB, double xC, double yB,
                                double yC, double yD, const PlotText& title) {
    luvo::TwistPlotFrame f;
    f.leftAxisBottom = 55;
    f.span = span;
    f.fixed = {{"alfa", -40, -84},
               {"rel              g_y          g_y=0", -22, -81},
               {"[\xc2\xb0] = alfa       - alfa", -8, -84},
               {"alfa", 188, -84},
               {"g", 206, -81},
               {"[\xc2\xb0]", 213, -86}};
    luvo::AddTwistAngleLabels(f, alphaA, -24);
    luvo::AddTwistTitle(f, title);
    luvo::AddTwistHandle(f, xB - 2, yB);
    luvo::AddTwistHandle(f, xC - 2, yC);
    luvo::AddTwistHandle(f, 198, yD);
    return f;
}

}  // namespace

void EtlPaintTwistPlot(luvo::PlotPainter& painter, const EtlSolver& s, const PlotText& title) {
    Plot p(painter);
    const double aA = s.sectionTwist[0];
    const double f1 = s.sectionLength[1];
    const double f2 = s.sectionLength[2];
    // 20 pixels per degree relative to the root, upwards.
    const double yB = -20.0 * (s.sectionTwist[1] - aA);
    const double yC = -20.0 * (s.sectionTwist[2] - aA);
    const double yD = -20.0 * (s.sectionTwist[3] - aA);
    p.Origin(45, 90);
    p.Pen(PlotPen::Axis());
    p.UpAxis(0, -70, 55);
    p.UpAxis(200, -70, 45);
    p.Line(-3, 0, 200, 0);
    for (int y = -60; y <= 20; y += 20) p.LeftTick(y);
    for (int y = -60; y <= 40; y += 20) p.RightTick(y);
    p.SpanTicks(0);

    p.SmallFont();
    // The span labels make room for the handles that the handle routine draws at these angles.
    const luvo::TwistPlotFrame frame = TwistFrame(
        s.span, aA, f1 * 200.0, (f1 + f2) * 200.0, EtlTwistMarkRow(s.sectionTwist[1] - aA) - 2,
        EtlTwistMarkRow(s.sectionTwist[2] - aA) - 2, EtlTwistMarkRow(s.sectionTwist[3] - aA) - 2,
        title);
    std::vector<luvo::PlotRect> spanBoxes;
    luvo::TwistPlotLayout(p, frame, spanBoxes);
    const std::vector<std::string> spanTexts = luvo::TwistPlotSpanLabels(s.span);
    for (int k = 0; k < 2; ++k) p.Text(spanTexts[k], spanBoxes[k].x, spanBoxes[k].y);
    for (const PlotText& t : frame.fixed) p.Text(t.text, t.x, t.y);

    // The curve stays in the range of the angle labels.
    p.Pen(PlotPen::Blue());
    p.ClipTo(0, -60, 200, 40);
    p.Line(0, 0, f1 * 200.0, yB);
    p.Line(f1 * 200.0, yB, (f1 + f2) * 200.0, yC);
    p.Line((f1 + f2) * 200.0, yC, 200, yD);
    p.Unclip();
}

void EtlPaintTwistHandles(luvo::PlotPainter& painter, double b, double alphaA, double alphaB,
                          double alphaC, double alphaD, double lAB, double lBC, double lCD,
                          const PlotText& title) {
    Plot p(painter);
    const double f1 = Fraction(lAB);
    const double f2 = Fraction(lBC);
    const double f3 = Fraction(lCD);
    const double xB = 200.0 * f1;
    const double xC = 200.0 * (f1 + f2);
    // An angle beyond the handle rows has its mark at their edge, where it can still be picked.
    const double yB = -2.0 + EtlTwistMarkRow(alphaB - alphaA);
    const double yC = -2.0 + EtlTwistMarkRow(alphaC - alphaA);
    const double yD = -2.0 + EtlTwistMarkRow(alphaD - alphaA);

    p.Pen(PlotPen::Blue());
    p.Handle(xB - 2, yB);
    p.Handle(xC - 2, yC);
    p.Handle(198, yD);  // D always stands at the tip
    // Each label clear of the plot's texts, axes and handles.
    std::vector<luvo::PlotRect> spanBoxes;
    luvo::PlotTextLayout layout =
        luvo::TwistPlotLayout(p, TwistFrame(b, alphaA, xB, xC, yB, yC, yD, title), spanBoxes);
    PlaceText(p, layout, " A ", 5, -15);
    if (f1 == 1.0) {
        PlaceText(p, layout, " B ", xB - 2, yB - 13);
    } else if (f2 == 0.0) {
        PlaceText(p, layout, " B ", xB - 20, yB - 13);
        PlaceText(p, layout, " C ", xC + 10, yC - 13);
        PlaceText(p, layout, " D ", 190, yD - 13);
    } else {
        PlaceText(p, layout, " B ", xB - 2, yB - 13);
        PlaceText(p, layout, " C ", xC - 2, yC - 13);
        if (f3 != 0.0) PlaceText(p, layout, " D ", 190, yD - 13);
    }
}

void EtlPaintCirculationLiftPlot(luvo::PlotPainter& painter, const EtlSolver& s) {
    Plot p(painter);
    p.Origin(40, 120);
    CirculationLift(p, s, -37);
}

void EtlPaintResultsCirculationLiftPlot(luvo::PlotPainter& painter, const EtlSolver& s) {
    Plot p(painter);
    p.Origin(60, 143);
    CirculationLift(p, s, -36);
}
