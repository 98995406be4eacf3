#include "llt/LltAnalysisCanvases.h"

#include <wx/dcclient.h>

#include "common/WxNumber.h"
#include "llt/LltAnalysisFrame.h"

namespace {

bool AnyButtonDown(const wxMouseEvent& e) {
    return e.LeftIsDown() || e.MiddleIsDown() || e.RightIsDown();
}

// A section point is grabbed within two pixels either side of its column.
bool InColumn(int x, double xPoint) { return xPoint - 2 <= x && x <= xPoint + 2; }

// Draws the 4 x 4 handle that follows the mouse in its column.
void DrawDragHandle(wxWindow* canvas, int originX, int originY, const wxColour& colour, double left,
                    int y) {
    if (!canvas->IsShownOnScreen()) return;
    wxClientDC dc(canvas);
    dc.SetDeviceOrigin(originX, originY);
    dc.SetPen(wxPen(colour, 0, wxPENSTYLE_SOLID));
    dc.DrawRectangle(static_cast<int>(left), y - 2, 4, 4);
}

}  // namespace

LltAnalysisChordCanvas::LltAnalysisChordCanvas(wxWindow* parent, LltAnalysisFrame& frame,
                                               wxWindowID id, const wxPoint& pos,
                                               const wxSize& size)
    : LltPlotCanvas(parent, id, pos, size), frame_(frame) {}

void LltAnalysisChordCanvas::OnPaint(wxPaintEvent&) {
    Paint([this] { frame_.Recompute(); });
}

void LltAnalysisChordCanvas::OnMouse(wxMouseEvent& event) {
    if (event.GetEventType() != wxEVT_MOTION) return;
    if (!AnyButtonDown(event)) {
        frame_.SetStatusText(wxS("Eingabe der Tiefenverteilung"));
        return;
    }
    const double b = luvo::ToNumber(frame_.spanField->GetValue());
    const double f1 = luvo::ToNumber(frame_.segmentABField->GetValue()) / 100.0;
    const double f2 = luvo::ToNumber(frame_.segmentBCField->GetValue()) / 100.0;
    const double f3 = luvo::ToNumber(frame_.segmentCDField->GetValue()) / 100.0;
    // Logical coordinates of the chord plot, whose origin is (45, 55).
    const int x = event.GetX() - 45;
    const int y = event.GetY() - 55;
    if (y < 0 || y > 90) return;
    struct Point {
        double x;
        wxTextCtrl* field;
    };
    const Point points[] = {{200.0 * f1, frame_.chordBField},
                            {200.0 * (f1 + f2), frame_.chordCField},
                            {200.0 * (f1 + f2 + f3), frame_.chordDField}};
    // Each point on its own: coinciding points are all served by one event.
    for (const Point& p : points) {
        if (!InColumn(x, p.x)) continue;
        // 150 pixels for a chord of half the span, chords downwards.
        p.field->SetValue(luvo::FormatWx("%2.2f", 0.5 * b * y / 150.0));
        DrawDragHandle(this, 45, 55, wxColour(wxS("grey")), p.x - 2, y);
    }
}

LltAnalysisTwistCanvas::LltAnalysisTwistCanvas(wxWindow* parent, LltAnalysisFrame& frame,
                                               wxWindowID id, const wxPoint& pos,
                                               const wxSize& size)
    : LltPlotCanvas(parent, id, pos, size), frame_(frame) {}

void LltAnalysisTwistCanvas::OnPaint(wxPaintEvent&) {
    Paint([this] { frame_.Recompute(); });
}

void LltAnalysisTwistCanvas::OnMouse(wxMouseEvent& event) {
    if (event.GetEventType() != wxEVT_MOTION) return;
    if (!AnyButtonDown(event)) {
        frame_.SetStatusText(wxS("Eingabe der Parameter"));
        return;
    }
    const double f1 = luvo::ToNumber(frame_.segmentABField->GetValue()) / 100.0;
    const double f2 = luvo::ToNumber(frame_.segmentBCField->GetValue()) / 100.0;
    const double f3 = luvo::ToNumber(frame_.segmentCDField->GetValue()) / 100.0;
    // Logical coordinates of the twist plot, whose origin is (45, 90).
    const int x = event.GetX() - 45;
    const int y = event.GetY() - 90;
    if (y < -60 || y > 40) return;
    struct Point {
        double x;
        double handleLeft;
        wxTextCtrl* field;
    };
    const double xB = 200.0 * f1;
    const double xC = 200.0 * (f1 + f2);
    const double xD = 200.0 * (f1 + f2 + f3);
    const Point points[] = {{xB, xB - 2, frame_.angleBField},
                            {xC, xC - 2, frame_.angleCField},
                            {xD, 198, frame_.angleDField}};  // D's handle stays at the tip
    for (const Point& p : points) {
        if (!InColumn(x, p.x)) continue;
        // 20 pixels per degree, upwards; adding 0 turns the -0 of y = 0 into 0.
        p.field->SetValue(luvo::FormatWx("%2.2f", -0.05 * y + 0.0));
        DrawDragHandle(this, 45, 90, wxColour(wxS("blue")), p.handleLeft, y);
    }
}

LltAnalysisCirculationCanvas::LltAnalysisCirculationCanvas(wxWindow* parent,
                                                           LltAnalysisFrame& frame, wxWindowID id,
                                                           const wxPoint& pos, const wxSize& size)
    : LltPlotCanvas(parent, id, pos, size), frame_(frame) {}

void LltAnalysisCirculationCanvas::OnPaint(wxPaintEvent&) {
    Paint([this] { frame_.Recompute(); });
}

// clang-format off
wxBEGIN_EVENT_TABLE(LltAnalysisChordCanvas, LltPlotCanvas)
    EVT_PAINT(LltAnalysisChordCanvas::OnPaint)
    EVT_MOUSE_EVENTS(LltAnalysisChordCanvas::OnMouse)
wxEND_EVENT_TABLE()

wxBEGIN_EVENT_TABLE(LltAnalysisTwistCanvas, LltPlotCanvas)
    EVT_PAINT(LltAnalysisTwistCanvas::OnPaint)
    EVT_MOUSE_EVENTS(LltAnalysisTwistCanvas::OnMouse)
wxEND_EVENT_TABLE()

wxBEGIN_EVENT_TABLE(LltAnalysisCirculationCanvas, LltPlotCanvas)
    EVT_PAINT(LltAnalysisCirculationCanvas::OnPaint)
wxEND_EVENT_TABLE()
