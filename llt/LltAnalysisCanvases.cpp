#include "llt/LltAnalysisCanvases.h"

#include <wx/dcclient.h>

#include <initializer_list>

#include "common/WxNumber.h"
#include "llt/LltAnalysisFrame.h"

namespace {

// Device origins of the plots: the pointer's logical coordinates are relative to them.
const wxPoint kChordOrigin(45, 55);
const wxPoint kTwistOrigin(45, 90);

// The section points B, C and D as fractions of the half span, read from the segment fields.
struct Fractions {
    double f1, f2, f3;
};
Fractions SectionFractions(const LltAnalysisFrame& frame) {
    return {luvo::ToNumber(frame.segmentABField->GetValue()) / 100.0,
            luvo::ToNumber(frame.segmentBCField->GetValue()) / 100.0,
            luvo::ToNumber(frame.segmentCDField->GetValue()) / 100.0};
}

// A draggable section point: its column, the left edge of its handle and its field.
struct Section {
    double x;
    double handleLeft;
    wxTextCtrl* field;
};

// Every point whose column holds the pointer (within two pixels either side) takes the text,
// each on its own, so that coinciding points are all served by one event; then its 4 x 4 handle
// is drawn at the pointer's height.
void MoveSections(wxWindow* canvas, wxPoint origin, const wxColour& colour, wxPoint at,
                  std::initializer_list<Section> sections, const wxString& text) {
    for (const Section& s : sections) {
        if (!(s.x - 2 <= at.x && at.x <= s.x + 2)) continue;
        s.field->SetValue(text);
        if (!canvas->IsShownOnScreen()) continue;
        wxClientDC dc(canvas);
        dc.SetDeviceOrigin(origin.x, origin.y);
        dc.SetPen(wxPen(colour, 0, wxPENSTYLE_SOLID));
        dc.DrawRectangle(static_cast<int>(s.handleLeft), at.y - 2, 4, 4);
    }
}

}  // namespace

void LltAnalysisChordCanvas::OnMouse(wxMouseEvent& event) {
    if (event.GetEventType() != wxEVT_MOTION) return;
    if (!LltDragMotion(event)) {
        frame_.SetInputStatus(wxS("Eingabe der Tiefenverteilung"));
        return;
    }
    const double b = luvo::ToNumber(frame_.spanField->GetValue());
    const Fractions f = SectionFractions(frame_);
    const wxPoint at = event.GetPosition() - kChordOrigin;
    if (at.y < 0 || at.y > 90) return;
    const double xB = 200.0 * f.f1;
    const double xC = 200.0 * (f.f1 + f.f2);
    const double xD = 200.0 * (f.f1 + f.f2 + f.f3);
    // 150 pixels for a chord of half the span, chords downwards.
    MoveSections(this, kChordOrigin, wxColour(wxS("grey")), at,
                 {{xB, xB - 2, frame_.chordBField},
                  {xC, xC - 2, frame_.chordCField},
                  {xD, xD - 2, frame_.chordDField}},
                 luvo::FormatWx("%2.2f", 0.5 * b * at.y / 150.0));
}

void LltAnalysisTwistCanvas::OnMouse(wxMouseEvent& event) {
    if (event.GetEventType() != wxEVT_MOTION) return;
    if (!LltDragMotion(event)) {
        frame_.SetInputStatus(wxS("Eingabe der Parameter"));
        return;
    }
    const Fractions f = SectionFractions(frame_);
    const wxPoint at = event.GetPosition() - kTwistOrigin;
    if (at.y < -60 || at.y > 40) return;
    const double xB = 200.0 * f.f1;
    const double xC = 200.0 * (f.f1 + f.f2);
    const double xD = 200.0 * (f.f1 + f.f2 + f.f3);
    // 20 pixels per degree, upwards; the axis itself (y = 0) writes "-0.00". D's handle stays at
    // the tip.
    MoveSections(this, kTwistOrigin, wxColour(wxS("blue")), at,
                 {{xB, xB - 2, frame_.angleBField},
                  {xC, xC - 2, frame_.angleCField},
                  {xD, 198, frame_.angleDField}},
                 luvo::FormatWx("%2.2f", -0.05 * at.y));
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
    // clang-format on
