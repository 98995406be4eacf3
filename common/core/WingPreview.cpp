#include "common/core/WingPreview.h"

#include <cmath>

#include "common/core/NumberText.h"

namespace luvo {

namespace {

const double kDegree = std::acos(-1.0) / 180.0;

// The largest coordinate a pixel of the window library takes.
constexpr double kPixelLimit = 32767;

double Sin(double deg) { return std::sin(deg * kDegree); }
double Cos(double deg) { return std::cos(deg * kDegree); }
double Tan(double deg) { return std::tan(deg * kDegree); }

const PlotPen kBlack = PlotPen::Axis();
const PlotPen kRed = PlotPen::Red();
const PlotPen kDashedBlack = {PlotColour::Black(), 0, PlotPenStyle::LongDash};

// The library's arc fills its sector with the brush: the markers are lines over the drawing.
void MarkerArc(PlotPixels& p, double x1, double y1, double x2, double y2, double xc, double yc) {
    p.Brush(PlotBrush::Transparent());
    p.Arc(x1, y1, x2, y2, xc, yc);
    p.Brush(PlotBrush::Solid(PlotColour::White()));
}

// Two lines from the head of an arrow.
void ArrowHead(PlotPixels& p, double x, double y, double x1, double y1, double x2, double y2) {
    p.Line(x, y, x1, y1);
    p.Line(x, y, x2, y2);
}

void SweepMarker(PlotPixels& p, double phi, double yR) {
    p.Pen(kRed);
    p.TextColour(PlotColour::Red());
    // The three tests stand one after the other: a sweep just above 1 gets two markers.
    if (phi > 1) {
        MarkerArc(p, 80 * Cos(phi + 5), yR + 80 * Sin(phi + 5), 80 * Cos(5), yR - 80 * Sin(5), 0,
                  yR);
        p.Text("Pfeilwinkel", 30 * Cos(5), yR - 80 * Sin(5) - 20);
    }
    if (phi < -1) {
        MarkerArc(p, 80 * Cos(5), yR + 80 * Sin(5), 80 * Cos(phi - 5), yR + 80 * Sin(phi - 5), 0,
                  yR);
        p.Text("Pfeilwinkel", 30 * Cos(phi - 5), yR + 80 * Sin(phi - 5) - 20);
    }
    if (phi > -1.0001 && phi < 1.0001) {
        MarkerArc(p, 80 * Cos(5), yR + 80 * Sin(5), 80 * Cos(5), yR - 80 * Sin(5), 0, yR);
        p.Text("Pfeilwinkel", 30 * Cos(5), yR - 80 * Sin(5) - 20);
    }
}

void DihedralMarker(PlotPixels& p, double nu) {
    p.Pen(kRed);
    p.TextColour(PlotColour::Red());
    if (nu > 1) {
        MarkerArc(p, 80 * Cos(5), 80 * Sin(5), 80 * Cos(nu + 5), -80 * Sin(nu + 5), 0, 0);
        p.Text("V-Winkel", 80 * Cos(nu + 5) - 20, -80 * Sin(nu + 5) - 20);
    }
    if (nu < -1) {
        MarkerArc(p, 80 * Cos(nu - 5), -80 * Sin(nu - 5), 80 * Cos(5), -80 * Sin(5), 0, 0);
        p.Text("V-Winkel", 80 * Cos(5) - 20, -80 * Sin(5) - 20);
    }
    if (nu > -1.0001 && nu < 1.0001) {
        MarkerArc(p, 80 * Cos(nu - 5), 80 * Sin(nu + 5), 80 * Cos(nu - 5), 80 * Sin(nu - 5), 0, 0);
        p.Text("V-Winkel", 80 * Cos(5) - 20, -80 * Sin(5) - 20);
    }
}

// A red dot of 4 x 4 pixels.
void AngleDot(PlotPixels& p, double x, double y) {
    p.Brush(PlotBrush::Solid(PlotColour::Red()));
    p.Dot(x, y, 4);
    p.Brush(PlotBrush::Solid(PlotColour::White()));
}

// Half the thickness of the NACA four-digit section of thickness d [%] at x (fractions of the
// chord); the preview has always drawn it with 0.128117344 as the second coefficient.
double HalfThickness(double d, double x) {
    return 0.05 * d *
           (0.2969 * std::sqrt(x) - 0.128117344 * x - 0.3516 * x * x + 0.2843 * x * x * x -
            0.1015 * x * x * x * x);
}

// The camber line of the NACA four-digit section at x (fractions of the chord).
double Camber(double f, double pos, double x) {
    if (x <= pos) return f / (pos * pos) * (2 * pos * x - x * x);
    return f / ((1 - pos) * (1 - pos)) * (1 - 2 * pos + 2 * pos * x - x * x);
}

// The flap's hinge line and its two spanwise ends on both halves of the top view.
void FlapOutline(PlotPixels& p, const WingPreviewInputs& in, const WingPlanformPixels& px) {
    const double x1 = 1.2 * in.flapInner;
    const double x2 = 1.2 * in.flapOuter;
    const double back = (100 - in.hingePosition) / 100;
    const double h0 = px.yR * back;
    const double h1 = px.yT + (px.yL - px.yT) * back;
    auto edge = [&](double x) { return px.yT * x / 120; };
    auto hinge = [&](double x) { return h0 + (h1 - h0) * x / 120; };
    for (double side : {1.0, -1.0}) {
        // The hinge line follows the right half's x; the left half mirrors it.
        p.Line(side * x1, edge(x1), side * x1, hinge(x1));
        p.Line(side * x1, hinge(x1), side * x2, hinge(x2));
        p.Line(side * x2, hinge(x2), side * x2, edge(x2));
    }
}

std::string TwoDecimals(double v) { return FormatShown("%2.2f", v); }

}  // namespace

WingPlanformPixels PlanformPixels(const WingPreviewInputs& in) {
    WingPlanformPixels px;
    px.scale = 120.0 / (in.span / 2.0);
    px.yR = -in.rootChord * px.scale;
    px.yL = 120.0 * Tan(in.sweep) - in.rootChord * px.scale;
    px.yT = px.yL + in.tipChord * px.scale;
    return px;
}

void PaintPlanformView(PlotPainter& painter, const WingPreviewInputs& in) {
    PlotPixels p(painter, kPixelLimit);
    const WingPlanformPixels px = PlanformPixels(in);
    const double yR = px.yR;
    const double yL = px.yL;
    const double yT = px.yT;
    p.Origin(0, 0);
    p.SmallFont();
    p.TextColour(PlotColour::Black());
    p.Text("Ansicht von oben:", 120, 10);
    p.Origin(160, 160);  // the root trailing edge

    p.Pen(kBlack);
    p.Line(0, 0, 0, yR);
    p.Line(0, yR, 120, yL);
    p.Line(120, yL, 120, yT);
    p.Line(120, yT, 0, 0);
    if (in.flapShown) FlapOutline(p, in, px);
    p.HorizontalDashes(-120, 122, yR);

    SweepMarker(p, in.sweep, yR);

    p.Pen(kBlack);
    p.TextColour(PlotColour::Black());
    p.Line(0, yR, -120, yL);
    p.Line(-120, yL, -120, yT);
    p.Line(-120, yT, 0, 0);

    p.Pen(kDashedBlack);
    const double quarterTip = yL + 0.25 * in.tipChord * px.scale;
    p.Line(0, 0.75 * yR, 120, quarterTip);
    p.Line(0, 0.75 * yR, -120, quarterTip);

    p.Pen(kBlack);
    p.Line(0, 0, 0, 30);
    ArrowHead(p, 0, 30, 5, 25, -5, 25);
    p.Text("x", -1, 35);
    p.Line(120, yR, 140, yR);
    ArrowHead(p, 140, yR, 135, yR - 5, 135, yR + 5);
    p.Text("y", 147, yR - 7);
    p.VerticalDashes(0, yR, yR - 18);

    // The oncoming flow in sideslip.
    p.Pen(kRed);
    p.Text("Strömungsrichtung", -140, -120);
    p.VerticalDashes(-140, -105, -79);
    const double gamma = -in.beta;
    const double xa = -140 + 25 * Sin(gamma);
    const double ya = -105 + 25 * Cos(gamma);
    p.Line(-140, -105, xa, ya);
    ArrowHead(p, xa, ya, xa + 11.3 * Cos(gamma + 45), ya - 11.3 * Sin(gamma + 45),
              xa - 11.3 * Cos(45 - gamma), ya - 11.3 * Sin(45 - gamma));

    // Handles of the root chord, the sweep and the tip chord, and the dots of the sweep angle.
    p.Pen(kRed);
    p.Handle(0 - 2, yR - 2);
    p.Handle(120 - 2, yL - 2);
    p.Handle(120 - 2, yT - 2);
    AngleDot(p, 79, yR);
    AngleDot(p, 80 * Cos(in.sweep), yR + 80 * Sin(in.sweep));
}

void PaintFrontView(PlotPainter& painter, const WingPreviewInputs& in, bool dragSquare,
                    int dragMouseY) {
    PlotPixels p(painter, kPixelLimit);
    const double nu = in.dihedral;
    const double tipY = -120 * Tan(nu);
    p.Origin(0, 0);
    p.SmallFont();
    p.TextColour(PlotColour::Black());
    p.Text("Ansicht von vorne:", 120, 10);
    p.Origin(160, 110);  // the wing root

    p.Pen(kBlack);
    p.Line(0, 0, 120, tipY);
    p.Line(0, 0, -120, tipY);
    p.VerticalDashes(0, -20, 18);
    p.HorizontalDashes(-120, 122, 0);
    p.Line(120, 0, 140, 0);
    ArrowHead(p, 140, 0, 135, -5, 135, 5);
    p.Text("y", 147, -7);
    p.Line(0, -20, 0, -30);
    ArrowHead(p, 0, -30, 5, -25, -5, -25);
    p.Text("z", -2, -48);

    DihedralMarker(p, nu);

    p.Pen(kRed);
    p.Handle(120 - 2, tipY - 2);
    AngleDot(p, 79, 0);
    AngleDot(p, 80 * Cos(nu), -80 * Sin(nu));
    if (dragSquare) p.Handle(118, dragMouseY - 2);
}

void PaintProfileView(PlotPainter& painter, const std::string& title, double thickness,
                      double camber, double position, double incidence, double alpha) {
    PlotPixels p(painter, kPixelLimit);
    p.Origin(0, 0);
    p.SmallFont();
    p.TextColour(PlotColour::Black());
    p.Text(title, 10, 10);
    p.Origin(35, 70);  // the leading edge

    p.Pen(kBlack);
    p.HorizontalDashes(0, 114, 0);
    // 112 pixels of chord; a positive incidence lowers the trailing edge by a shear.
    const double f = camber / 100.0;
    const double pos = position / 100.0;
    const double shear = Tan(incidence);
    const double d = thickness;
    // side -1: upper contour, +1: lower contour, 0 without thickness: the camber line alone.
    auto pointY = [&](int i, double side) {
        const double x = i / 160.0;
        return 112.0 * (x * shear - Camber(f, pos, x) + side * HalfThickness(d, x));
    };
    auto pointX = [](int i) { return static_cast<double>(static_cast<int>(1.4 * (i / 2))); };
    for (int i = 0; i < 160; ++i) {
        if (d == 0) {
            p.Line(pointX(i), pointY(i, 0), pointX(i + 1), pointY(i + 1, 0));
            continue;
        }
        p.Line(pointX(i), pointY(i, -1), pointX(i + 1), pointY(i + 1, -1));
        p.Line(pointX(i), pointY(i, 1), pointX(i + 1), pointY(i + 1, 1));
    }

    // The oncoming flow at the angle of attack, its head at the leading edge.
    p.Pen(kRed);
    p.Line(0, 0, -25 * Cos(alpha), 25 * Sin(alpha));
    p.Line(0, 0, -12 * Cos(alpha + 45), 12 * Sin(alpha + 45));
    p.Line(0, 0, -12 * Cos(alpha - 45), 12 * Sin(alpha - 45));
}

DragHandles PickPlanformHandle(const WingPreviewInputs& in, int x, int y) {
    const WingPlanformPixels px = PlanformPixels(in);
    const bool nearTip = x > 100 && x < 140;
    // Ahead of the line 3 pixels upstream of the root trailing edge.
    if (x * x < 300 && y < -3) return DragHandle(kWingRootHandle);
    if (nearTip && y < px.yL + 5) return DragHandle(kWingSweepHandle);
    // A tip chord drawn 10 pixels or shorter cannot be grabbed apart from the leading edge.
    if (nearTip && y > px.yT - 5 && in.tipChord * px.scale > 10) {
        return DragHandle(kWingTipHandle);
    }
    return 0;
}

std::vector<WingDragWrite> PlanformDragWrites(const WingPreviewInputs& in, DragHandles held, int x,
                                              int y) {
    const WingPlanformPixels px = PlanformPixels(in);
    const double b = in.span;
    const double tipPixels = in.tipChord * px.scale;
    const auto holds = [held](WingPlanformHandle h) { return (held & DragHandle(h)) != 0; };
    std::vector<WingDragWrite> writes;
    const bool nearRoot = x * x < 300;
    if (holds(kWingRootHandle) && y < -3) {
        writes.push_back({WingDragField::RootChord, TwoDecimals(-y * b / 240)});
    }
    // At and behind the line 3 pixels ahead of the root trailing edge the chord only grows.
    if (nearRoot && y >= -3) {
        writes.push_back({WingDragField::RootChord, TwoDecimals(in.rootChord + 0.01)});
    }
    if (holds(kWingSweepHandle)) {
        writes.push_back({WingDragField::Sweep,
                          TwoDecimals(std::atan((y + in.rootChord * px.scale) / 120) / kDegree)});
    }
    if (holds(kWingTipHandle) && tipPixels > 10) {
        writes.push_back({WingDragField::TipChord, TwoDecimals((y - px.yL) * b / 240)});
    }
    // A tip chord drawn 10 pixels or shorter cannot be grabbed apart from the leading edge: any
    // drag lets it grow.
    if (tipPixels <= 10) {
        writes.push_back({WingDragField::TipChord, TwoDecimals(in.tipChord + 0.01)});
    }
    return writes;
}

bool PickDihedralHandle(double dihedral, int x, int y) {
    const double dx = x - 120.0;
    const double dy = y + 120.0 * Tan(dihedral);
    return dx * dx + dy * dy < 300;
}

std::string DihedralDragText(int y) { return TwoDecimals(-std::atan(y / 120.0) / kDegree); }

std::vector<WingDragWrite> WingPlanformDrag::Handle(const WingPreviewInputs& in,
                                                    const WingPointerEvent& e) {
    if (e.pressed) steps_.Press(PickPlanformHandle(in, e.x, e.y));
    if (!steps_.IsStep(e.dragging, e.released, e.x, e.y)) return {};
    return PlanformDragWrites(in, steps_.Held(), e.x, e.y);
}

std::string WingDihedralDrag::Handle(double dihedral, const WingPointerEvent& e) {
    if (e.pressed) steps_.Press(PickDihedralHandle(dihedral, e.x, e.y) ? DragHandle(0) : 0);
    const bool step = steps_.IsStep(e.dragging, e.released, e.x, e.y) && steps_.Holds(0);
    dragging_ = step && e.dragging;
    return step ? DihedralDragText(e.y) : std::string();
}

std::vector<RangeCheck> WingGeometryChecks(const WingPreviewInputs& in,
                                           const std::vector<RangeCheck>& sectionRows) {
    std::vector<RangeCheck> rows = {
        {in.span, 0.5, 100,
         "Der Wert der Spannweite liegt in einem unzulässigen Bereich:\n\n"
         "0.5 <= Spannweite <= 100\n"},
        {in.rootChord, 0.1, 50,
         "Der Wert der Flügelwurzeltiefe liegt in einem unzulässigen Bereich:\n\n"
         "0.1 <= Flügelwurzeltiefe <= 50\n"},
        {in.tipChord, 0.1, 30,
         "Der Wert der Randbogentiefe liegt in einem unzulässigen Bereich:\n\n"
         "0.1 <= Randbogentiefe <= 30\n"},
        {in.sweep, -60, 60,
         "Der Wert des Pfeilwinkels liegt in einem unzulässigen Bereich:\n\n"
         "-60° <= Pfeilwinkel <= 60°\n"},
        {in.rootIncidence, -5, 5,
         "Der Wert des Einstellwinkels der Flügelwurzel liegt in einem unzulässigen "
         "Bereich:\n\n-5 <= Einstellwinkel Flügelwurzel <= 5\n"},
        {in.tipIncidence, -5, 5,
         "Der Wert des Einstellwinkels am Randbogen liegt in einem unzulässigen Bereich:\n\n"
         "-5 <= Einstellwinkel Randbogen <= 5\n"},
    };
    rows.insert(rows.end(), sectionRows.begin(), sectionRows.end());
    rows.insert(
        rows.end(),
        {
            {in.rootCamber, 0, 10,
             "Der Wert der Profilwölbung an der Flügelwurzel liegt in einem unzulässigen "
             "Bereich:\n\n0 <= Profilwölbung an der Flügelwurzel <= 10\n"},
            {in.tipCamber, 0, 10,
             "Der Wert der Profilwölbung am Flügelrandbogen liegt in einem unzulässigen "
             "Bereich:\n\n0 <= Profilwölbung am Flügelrandbogen <= 10\n"},
            {in.rootCamberPosition, 5, 80,
             "Der Wert der Wölbungsrücklage an der Flügelwurzel liegt in einem unzulässigen "
             "Bereich:\n\n5 <= Wölbungsrücklage an der Flügelwurzel <= 80\n"},
            {in.tipCamberPosition, 5, 80,
             "Der Wert der Wölbungsrücklage am Flügelrandbogen liegt in einem unzulässigen "
             "Bereich:\n\n5 <= Wölbungsrücklage am Flügelrandbogen <= 80\n"},
            {in.dihedral, -10, 30,
             "Der Wert der V-Form liegt in einem unzulässigen Bereich:\n\n-10 <= V-Form <= 30\n"},
            {in.alpha, -10, 10,
             "Der Wert des Anströmwinkels liegt in einem unzulässigen Bereich:\n\n"
             "-10 <= Anströmwinkel <= 10\n"},
            {in.beta, -30, 30,
             "Der Wert des Schiebewinkels liegt in einem unzulässigen Bereich:\n\n"
             "-30 <= Schiebewinkel <= 30\n"},
        });
    return rows;
}

}  // namespace luvo
