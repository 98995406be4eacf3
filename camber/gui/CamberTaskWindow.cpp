#include "camber/gui/CamberTaskWindow.h"

#include <wx/dcclient.h>
#include <wx/statbox.h>

#include <cmath>

#include "camber/core/CamberPlotGeometry.h"
#include "common/gui/NumericField.h"
#include "common/gui/WxNumber.h"

void CamberShowStatus(wxWindow* control, const wxString& text) {
    auto* frame = dynamic_cast<wxFrame*>(wxGetTopLevelParent(control));
    if (frame != nullptr && frame->GetStatusBar() != nullptr) frame->SetStatusText(text, 0);
}

CamberResultTexts CreateCamberResultTexts(wxWindow* panel, int top) {
    const int groups[3] = {top, top + 70, top + 140};
    new wxStaticText(panel, wxID_ANY, wxS("Birnbaumkoeffizienten:"), wxPoint(370, groups[0]));
    new wxStaticText(panel, wxID_ANY, wxS("Anstellung [°]:\nWölbung [-]:\nS-Schlag [°]:"),
                     wxPoint(370, groups[1]));
    new wxStaticText(panel, wxID_ANY,
                     wxS("Winkel [°]:\nAuftriebsbeiwert [-]:\nMomentenbeiwert [-]:\n\n"
                         "Nullauftriebswinkel [°]:\nDruckpunktlage [-]:"),
                     wxPoint(370, groups[2]));
    new wxStaticText(panel, wxID_ANY, wxS("A0\nA1\nA2"), wxPoint(490, groups[0]));
    new wxStaticText(panel, wxID_ANY, wxS("alpha_0\nf/t\nalpha_2"), wxPoint(490, groups[1]));
    new wxStaticText(panel, wxID_ANY, wxS("alpha*\nCa\nCm\nCm025\nalpha0\nxA/t"),
                     wxPoint(490, groups[2]));
    new wxStaticText(panel, wxID_ANY, wxS("=\n=\n="), wxPoint(540, groups[0]));
    new wxStaticText(panel, wxID_ANY, wxS("=\n=\n="), wxPoint(540, groups[1]));
    new wxStaticText(panel, wxID_ANY, wxS("=\n=\n=\n=\n=\n="), wxPoint(540, groups[2]));

    static const wchar_t* const kInitial[kResultCount] = {
        L"0.083", L"0.081", L"-0.014", L"-0.257", L"0.020",  L"0.265",
        L"5.000", L"0.776", L"-0.247", L"-0.053", L"-2.077", L"0.318"};
    // Rows of 13 pixels: three coefficients, three parts, six lift and moment values.
    static const int kRowInGroup[kResultCount][2] = {{0, 0}, {0, 1}, {0, 2}, {1, 0},
                                                     {1, 1}, {1, 2}, {2, 0}, {2, 1},
                                                     {2, 2}, {2, 3}, {2, 4}, {2, 5}};
    CamberResultTexts texts{};
    for (int i = 0; i < kResultCount; ++i) {
        const int y = groups[kRowInGroup[i][0]] + 13 * kRowInGroup[i][1];
        texts[i] = new wxStaticText(panel, wxID_ANY, kInitial[i], wxPoint(560, y));
    }
    return texts;
}

void ShowCamberResults(const CamberResultTexts& texts, const CamberResults& results) {
    for (int i = 0; i < kResultCount; ++i) {
        texts[i]->SetLabel(luvo::FormatLabel("%.3f", results[i]));
    }
}

double CamberFieldNumber(const wxString& text) { return luvo::ToNumber(text); }

long CamberFieldInteger(const wxString& text) {
    // The leading integer: the fractional part of the leading number does not count.
    const double v = luvo::ToNumber(text);
    if (!std::isfinite(v) || std::fabs(v) > 1e9) return 0;
    return static_cast<long>(v);
}

void CamberRedrawCanvas(wxWindow* canvas, const std::function<void(wxDC&)>& draw) {
    if (!canvas->IsShownOnScreen()) return;
    wxClientDC dc(canvas);
    dc.SetDeviceOrigin(0, 0);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    draw(dc);
}

CamberCanvas::CamberCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size)
    : wxWindow(parent, wxID_ANY, pos, size, wxSUNKEN_BORDER) {
    SetBackgroundColour(*wxWHITE);
}

CamberResultTexts CreateInteractiveTaskTexts(wxWindow* panel) {
    new wxStaticBox(panel, wxID_ANY, wxS("Eingabe"), wxPoint(350, 30), wxSize(270, 60));
    new wxStaticBox(panel, wxID_ANY, wxS("Ausgabe"), wxPoint(350, 150), wxSize(270, 280));
    new wxStaticBox(panel, wxID_ANY, wxString(), wxPoint(360, 170), wxSize(250, 60));
    new wxStaticBox(panel, wxID_ANY, wxString(), wxPoint(360, 240), wxSize(250, 60));
    new wxStaticBox(panel, wxID_ANY, wxString(), wxPoint(360, 310), wxSize(250, 100));
    new wxStaticText(panel, wxID_ANY, wxS("Winkel [°]:"), wxPoint(360, 63));
    new wxStaticText(panel, wxID_ANY, wxS("alpha*"), wxPoint(425, 63));
    new wxStaticText(panel, wxID_ANY, wxS("="), wxPoint(470, 63));
    return CreateCamberResultTexts(panel, 180);
}

void CamberDrawMarkers(wxDC& dc, const CamberPointSet& points, bool pressure) {
    dc.SetPen(*wxRED_PEN);
    for (const CamberPoint& point : points) {
        const auto corner = pressure ? CamberPressureMarker(point) : CamberLineMarker(point);
        if (corner) dc.DrawRectangle(corner->x, corner->y, 4, 4);
    }
}

std::optional<CamberPoint> CamberCanvas::DragMotion(wxFrame& window, wxMouseEvent& event,
                                                    double valuePerPixel,
                                                    const std::function<int(CamberPoint)>& pick) {
    const CamberPoint at{(event.GetX() - 60) * 0.005, (event.GetY() - 160) * valuePerPixel};
    if (event.ButtonDown()) {
        int k = pick(at);
        // A pending text is checked before the drag; a refused one stops it.
        if (k >= 0 && !luvo::SettlePendingText(this)) k = -1;
        steps_.Press(k < 0 ? 0 : luvo::DragHandle(k));
    }
    const bool motion = event.GetEventType() == wxEVT_MOTION;
    const bool buttonHeld = event.LeftIsDown() || event.MiddleIsDown() || event.RightIsDown();
    const bool step =
        steps_.IsStep(motion && buttonHeld, event.ButtonUp(), event.GetX(), event.GetY());
    if (!motion) {
        event.Skip();
        if (!step) return std::nullopt;
    }
    window.SetStatusText((step ? wxS("Drag-Position: ") : wxS("Position: ")) +
                         luvo::FormatWx("%f", at.x) + wxS(", ") + luvo::FormatWx("%f", at.v));
    if (!step) return std::nullopt;
    return at;
}

int CamberCanvas::HeldPoint() const {
    for (int k = 0; k < 3; ++k) {
        if (steps_.Holds(k)) return k;
    }
    return -1;
}

CamberState CamberAngleState(const wxString& fieldText) {
    CamberState s;
    s.alphaDeg = CamberFieldNumber(fieldText);
    s.alpha = s.alphaDeg * kCamberRadPerDeg;
    return s;
}
