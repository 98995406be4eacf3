#include "etl/gui/EtlAnalysisCanvases.h"

#include <array>
#include <cmath>

#include "common/gui/WxNumber.h"
#include "etl/core/EtlPlotPaint.h"

namespace {

// Device origins of the plan form and the twist plot: the pointer's logical coordinates are
// relative to them.
const wxPoint kChordOrigin(50, 55);
const wxPoint kTwistOrigin(45, 90);

// The columns of the handles B, C, D: the half span is 200 pixels.
void HandleColumns(const EtlAnalysisInputs& in, double (&x)[3]) {
    const double ab = in.lengthAB * 0.01;
    const double bc = in.lengthBC * 0.01;
    const double cd = in.lengthCD * 0.01;
    x[0] = 200.0 * ab;
    x[1] = 200.0 * (ab + bc);
    x[2] = 200.0 * (ab + bc + cd);
}

bool InColumn(double column, int x) { return column - 2 <= x && x <= column + 2; }

// The rows in which a chord handle takes the pointer: from the trailing edge of its section at
// the offset o down to y = 80.
bool InChordRows(double offset, int y) { return offset <= y && y <= 80; }
bool InTwistRows(int y) { return -60 <= y && y <= 40; }
// A press within the pick tolerance of a handle's drawn mark (centre row `mark`) picks it,
// wherever the mark is; the rows above still decide where a motion moves it.
bool OnMark(double mark, int y) { return std::fabs(y - mark) <= 4.0; }

// The offsets of the trailing edges of B, C and D behind the root's: their quarter-chord lines'
// offsets, with the sweeps that the chords and leading-edge sweeps give.
void ChordOffsets(const EtlAnalysisInputs& in, double (&offsets)[3]) {
    const EtlSolver::TrapezoidArray phi = EtlSolver::TrapezoidQuarterChordSweeps(
        in.span, in.sweep1, in.sweep2, in.sweep3, in.lengthAB, in.lengthBC, in.lengthCD, in.chordA,
        in.chordB, in.chordC, in.chordD);
    const double ab = in.lengthAB * 0.01;
    const double bc = in.lengthBC * 0.01;
    const double cd = in.lengthCD * 0.01;
    offsets[0] = 200.0 * (ab * std::tan(phi[1]));
    offsets[1] = 200.0 * (ab * std::tan(phi[1]) + bc * std::tan(phi[2]));
    offsets[2] = 200.0 * (ab * std::tan(phi[1]) + bc * std::tan(phi[2]) + cd * std::tan(phi[3]));
}

// The 4 x 4 mark of a handle: D's always at the tip.
wxPoint MarkAt(int handle, double column, int y) {
    return {handle == 2 ? 198 : static_cast<int>(column - 2), y - 2};
}

}  // namespace

luvo::DragHandles EtlAnalysisChordCanvas::PickHandles(wxPoint at) {
    const EtlAnalysisInputs in = frame_.ReadInputs();
    double columns[3];
    double offsets[3];
    HandleColumns(in, columns);
    ChordOffsets(in, offsets);
    const std::array<double, 3> marks =
        EtlChordMarkRows(in.span, in.lengthAB, in.lengthBC, in.lengthCD, in.chordA, in.chordB,
                         in.chordC, in.chordD, in.sweep1, in.sweep2, in.sweep3);
    const wxPoint p = at - kChordOrigin;
    luvo::DragHandles picked = 0;
    for (int k = 0; k < 3; ++k) {
        if (InColumn(columns[k], p.x) &&
            (InChordRows(offsets[k], p.y) || OnMark(marks[static_cast<size_t>(k)], p.y))) {
            picked |= luvo::DragHandle(k);
        }
    }
    return picked;
}

void EtlAnalysisChordCanvas::OnMouse(wxMouseEvent& event) {
    if (!DragStep(event, wxS("Eingabe der Tiefenverteilung"))) return;
    const EtlAnalysisInputs in = frame_.ReadInputs();
    const double b = in.span;
    double columns[3];
    double offsets[3];
    HandleColumns(in, columns);
    ChordOffsets(in, offsets);
    wxTextCtrl* const fields[3] = {frame_.Field(EtlInput::ChordB), frame_.Field(EtlInput::ChordC),
                                   frame_.Field(EtlInput::ChordD)};

    const wxPoint at = event.GetPosition() - kChordOrigin;
    const wxPen pen(wxColour(wxS("grey")), 0, wxPENSTYLE_SOLID);
    for (int k = 0; k < 3; ++k) {
        const double o = offsets[k];
        if (!Holds(k) || !InChordRows(o, at.y)) continue;
        // 150 pixels for a chord of half the span, measured from the section's quarter-chord
        // point a quarter chord ahead of the trailing edge: (b/2)(y - o)/150.
        const double chord =
            b * 0.5 * at.y * 0.006666666666666667 - b * 0.5 * 1.3333333333333333 * (o / 200.0);
        if (!WriteField(fields[k], luvo::FormatWx("%2.2f", chord))) return;
        DrawHandleMark(MarkAt(k, columns[k], at.y), kChordOrigin, pen, *wxWHITE_BRUSH);
    }
}

luvo::DragHandles EtlAnalysisTwistCanvas::PickHandles(wxPoint at) {
    const EtlAnalysisInputs in = frame_.ReadInputs();
    double columns[3];
    HandleColumns(in, columns);
    const double marks[3] = {EtlTwistMarkRow(in.angleB), EtlTwistMarkRow(in.angleC),
                             EtlTwistMarkRow(in.angleD)};
    const wxPoint p = at - kTwistOrigin;
    luvo::DragHandles picked = 0;
    for (int k = 0; k < 3; ++k) {
        if (InColumn(columns[k], p.x) && (InTwistRows(p.y) || OnMark(marks[k], p.y))) {
            picked |= luvo::DragHandle(k);
        }
    }
    return picked;
}

void EtlAnalysisTwistCanvas::OnMouse(wxMouseEvent& event) {
    if (!DragStep(event, wxS("Eingabe der Parameter"))) return;
    double columns[3];
    HandleColumns(frame_.ReadInputs(), columns);
    wxTextCtrl* const fields[3] = {frame_.Field(EtlInput::AngleB), frame_.Field(EtlInput::AngleC),
                                   frame_.Field(EtlInput::AngleD)};

    const wxPoint at = event.GetPosition() - kTwistOrigin;
    if (!InTwistRows(at.y)) return;
    const wxPen pen(wxColour(wxS("blue")), 0, wxPENSTYLE_SOLID);
    for (int k = 0; k < 3; ++k) {
        if (!Holds(k)) continue;
        // 20 pixels per degree relative to the root, upwards.
        if (!WriteField(fields[k], luvo::FormatWx("%2.2f", -0.05 * at.y))) return;
        DrawHandleMark(MarkAt(k, columns[k], at.y), kTwistOrigin, pen, *wxWHITE_BRUSH);
    }
}

wxBEGIN_EVENT_TABLE(EtlAnalysisChordCanvas, luvo::PlotCanvas)
    EVT_PAINT(EtlAnalysisChordCanvas::OnPaint)
    EVT_MOUSE_EVENTS(EtlAnalysisChordCanvas::OnMouse)
wxEND_EVENT_TABLE()

wxBEGIN_EVENT_TABLE(EtlAnalysisTwistCanvas, luvo::PlotCanvas)
    EVT_PAINT(EtlAnalysisTwistCanvas::OnPaint)
    EVT_MOUSE_EVENTS(EtlAnalysisTwistCanvas::OnMouse)
wxEND_EVENT_TABLE()

wxBEGIN_EVENT_TABLE(EtlAnalysisCirculationCanvas, luvo::PlotCanvas)
    EVT_PAINT(EtlAnalysisCirculationCanvas::OnPaint)
wxEND_EVENT_TABLE()
