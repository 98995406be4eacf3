#include "llt/LltAnalysisCanvases.h"

#include <string>

#include "common/NumberText.h"
#include "llt/LltAnalysisFrame.h"

namespace {

// Device origins of the plots: the pointer's logical coordinates are relative to them.
const wxPoint kChordOrigin(45, 55);
const wxPoint kTwistOrigin(45, 90);

// The points B, C and D whose columns hold the pointer (within two pixels either side), each on
// its own, so that coinciding points are all served by one event: each takes `text` into its
// field, and its 4 x 4 handle is drawn at the pointer's height in its column, D's at the tip
// when `dAtTip`.
std::vector<LltHandleMove> SectionMoves(const LltAnalysisFrame& frame, wxPoint at,
                                        const LltInput (&fields)[3], const std::string& text,
                                        bool dAtTip) {
    const double f1 = frame.segmentABField->Number() / 100.0;
    const double f2 = frame.segmentBCField->Number() / 100.0;
    const double f3 = frame.segmentCDField->Number() / 100.0;
    const double columns[] = {200.0 * f1, 200.0 * (f1 + f2), 200.0 * (f1 + f2 + f3)};
    std::vector<LltHandleMove> moves;
    for (int k = 0; k < 3; ++k) {
        const double x = columns[k];
        if (!(x - 2 <= at.x && at.x <= x + 2)) continue;
        const int markX = dAtTip && k == 2 ? 198 : static_cast<int>(x - 2);
        moves.push_back({{fields[k], text}, markX, at.y - 2});
    }
    return moves;
}

}  // namespace

void LltAnalysisChordCanvas::OnMouse(wxMouseEvent& event) {
    if (!DragStep(event, wxS("Eingabe der Tiefenverteilung"))) return;
    const wxPoint at = event.GetPosition() - kChordOrigin;
    if (at.y < 0 || at.y > 90) return;
    // 150 pixels for a chord of half the span, chords downwards.
    const double b = frame_.spanField->Number();
    MoveHandles(SectionMoves(frame_, at, {LltInput::ChordB, LltInput::ChordC, LltInput::ChordD},
                             luvo::FormatShown("%2.2f", 0.5 * b * at.y / 150.0), false),
                kChordOrigin, wxPen(wxColour(wxS("grey")), 0, wxPENSTYLE_SOLID), *wxWHITE_BRUSH);
}

void LltAnalysisTwistCanvas::OnMouse(wxMouseEvent& event) {
    if (!DragStep(event, wxS("Eingabe der Parameter"))) return;
    const wxPoint at = event.GetPosition() - kTwistOrigin;
    if (at.y < -60 || at.y > 40) return;
    // 20 pixels per degree, upwards; the axis itself (y = 0) writes "-0.00". D's handle stays at
    // the tip.
    MoveHandles(SectionMoves(frame_, at, {LltInput::AngleB, LltInput::AngleC, LltInput::AngleD},
                             luvo::FormatShown("%2.2f", -0.05 * at.y), true),
                kTwistOrigin, wxPen(wxColour(wxS("blue")), 0, wxPENSTYLE_SOLID), *wxWHITE_BRUSH);
}

// clang-format off
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
    // clang-format on
