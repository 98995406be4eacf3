#include "llt/gui/LltAnalysisCanvases.h"

#include <array>
#include <string>

#include "common/core/NumberText.h"

namespace {

// Device origins of the plots: the pointer's logical coordinates are relative to them.
const wxPoint kChordOrigin(45, 55);
const wxPoint kTwistOrigin(45, 90);

// The section handles B, C and D that a press at `at` (logical pixels) picks within `rows` or on
// their marks.
luvo::DragHandles PickSections(const LltAnalysisInputs& in, wxPoint at, LltHandleRows rows,
                               const std::array<double, 3>& markRows) {
    return LltPickSectionHandles(in.s1, in.s2, in.s3, rows, at.x, at.y, markRows);
}

// The held handles, each on its own: each takes `text` into its field, and its 4 x 4 handle is
// drawn at the pointer's height y in its column, D's at the tip when `dAtTip`.
std::vector<LltHandleMove> SectionMoves(const LltAnalysisHost& frame, luvo::DragHandles held, int y,
                                        const LltInput (&fields)[3], const std::string& text,
                                        bool dAtTip) {
    const LltAnalysisInputs in = frame.ReadInputs();
    const std::array<double, 3> columns = LltSectionColumns(in.s1, in.s2, in.s3);
    std::vector<LltHandleMove> moves;
    for (int k = 0; k < 3; ++k) {
        if ((held & luvo::DragHandle(k)) == 0) continue;
        const int markX = dAtTip && k == 2 ? 198 : static_cast<int>(columns[k] - 2);
        moves.push_back({{fields[k], text}, markX, y - 2});
    }
    return moves;
}

}  // namespace

luvo::DragHandles LltAnalysisChordCanvas::PickHandles(wxPoint at) {
    const LltAnalysisInputs in = frame_.ReadInputs();
    return PickSections(in, at - kChordOrigin, kLltChordRows,
                        {LltChordMarkRow(in.span, in.chordB), LltChordMarkRow(in.span, in.chordC),
                         LltChordMarkRow(in.span, in.chordD)});
}

void LltAnalysisChordCanvas::OnMouse(wxMouseEvent& event) {
    if (!DragStep(event, wxS("Eingabe der Tiefenverteilung"))) return;
    const wxPoint at = event.GetPosition() - kChordOrigin;
    if (!kLltChordRows.Contain(at.y)) return;
    // 150 pixels for a chord of half the span, chords downwards.
    const double b = frame_.ReadInputs().span;
    MoveHandles(
        SectionMoves(frame_, Held(), at.y, {LltInput::ChordB, LltInput::ChordC, LltInput::ChordD},
                     luvo::FormatShown("%2.2f", 0.5 * b * at.y / 150.0), false),
        kChordOrigin, wxPen(wxColour(wxS("grey")), 0, wxPENSTYLE_SOLID), *wxWHITE_BRUSH);
}

luvo::DragHandles LltAnalysisTwistCanvas::PickHandles(wxPoint at) {
    const LltAnalysisInputs in = frame_.ReadInputs();
    return PickSections(
        in, at - kTwistOrigin, kLltTwistRows,
        {LltTwistMarkRow(in.angleB), LltTwistMarkRow(in.angleC), LltTwistMarkRow(in.angleD)});
}

void LltAnalysisTwistCanvas::OnMouse(wxMouseEvent& event) {
    if (!DragStep(event, wxS("Eingabe der Parameter"))) return;
    const wxPoint at = event.GetPosition() - kTwistOrigin;
    if (!kLltTwistRows.Contain(at.y)) return;
    // 20 pixels per degree, upwards; the axis itself (y = 0) writes "0.00". D's handle stays at
    // the tip.
    MoveHandles(
        SectionMoves(frame_, Held(), at.y, {LltInput::AngleB, LltInput::AngleC, LltInput::AngleD},
                     luvo::FormatShown("%2.2f", -0.05 * at.y), true),
        kTwistOrigin, wxPen(wxColour(wxS("blue")), 0, wxPENSTYLE_SOLID), *wxWHITE_BRUSH);
}

wxBEGIN_EVENT_TABLE(LltAnalysisChordCanvas, luvo::PlotCanvas)
    EVT_PAINT(LltAnalysisChordCanvas::OnPaint)
    EVT_MOUSE_EVENTS(LltAnalysisChordCanvas::OnMouse)
wxEND_EVENT_TABLE()

wxBEGIN_EVENT_TABLE(LltAnalysisTwistCanvas, luvo::PlotCanvas)
    EVT_PAINT(LltAnalysisTwistCanvas::OnPaint)
    EVT_MOUSE_EVENTS(LltAnalysisTwistCanvas::OnMouse)
wxEND_EVENT_TABLE()

wxBEGIN_EVENT_TABLE(LltAnalysisCirculationCanvas, luvo::PlotCanvas)
    EVT_PAINT(LltAnalysisCirculationCanvas::OnPaint)
wxEND_EVENT_TABLE()
