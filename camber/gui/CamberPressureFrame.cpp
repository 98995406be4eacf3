#include "camber/gui/CamberPressureFrame.h"

#include <wx/dcclient.h>

#include "camber/gui/CamberButtons.h"
#include "camber/gui/CamberFields.h"
#include "camber/gui/CamberPlot.h"
#include "common/gui/MouseEventTable.h"

CamberPointSet CamberPressureFrame::pressurePoints = kDefaultPressurePoints;
double CamberPressureFrame::pointsAngle = kDefaultPointsAngle;

namespace {

const wxString kInfoText =
    wxS("Entwurfsaufgabe\n\n"
        "Hier ist die Druckverteilung an drei diskreten Punkten gege-\n"
        "ben und die Form der entsprechenden Skelettlinie gesucht.\n\n"
        "Analog zur Variation der Skelettlinie können die drei Punkte\n"
        "der Druckverteilung mittels Maus variiert sowie der Winkel\n"
        "alpha* verändert werden.\n\n");

}  // namespace

wxBEGIN_EVENT_TABLE(CamberPressureFrame, luvo::LuvoFrame)
    EVT_MENU(luvo::kIdMenuQuit, CamberPressureFrame::OnQuit)
    EVT_MENU(luvo::kIdMenuInfo, CamberPressureFrame::OnInfo)
wxEND_EVENT_TABLE()

CamberPressureFrame::CamberPressureFrame(const wxString& title, const wxPoint& pos,
                                         const wxSize& size)
    : luvo::LuvoFrame(title, pos, size, luvo::FileMenu::CloseAsId1) {
    SetStatusText(wxS("Eingabe des Winkels"));
    wxPanel* panel = GetPanel();
    valueTexts_ = CreateInteractiveTaskTexts(panel);
    angleField_ = new CamberPressureAngleField(panel, wxPoint(496, 60), wxSize(34, -1));
    closeButton_ = new CamberPressureCloseButton(panel, wxPoint(450, 505));
    pressureCanvas_ = new CamberPressureEditCanvas(panel, wxPoint(10, 0), wxSize(330, 260));
    camberCanvas_ = new CamberPressureLineCanvas(panel, wxPoint(10, 270), wxSize(330, 260));
    pressurePoints = kDefaultPressurePoints;
    pointsAngle = kDefaultPointsAngle;
    MarkBuilt();
}

CamberState CamberPressureFrame::DraggedState() const {
    CamberState s = CamberAngleState(angleField_->SettledText());
    const CamberPressureSolution solution = CamberSolvePressurePoints(pressurePoints);
    s.A0 = solution.A0;
    s.A1 = solution.A1;
    s.A2 = solution.A2;
    return s;
}

CamberState CamberPressureFrame::ShiftedState() const {
    CamberState s = DraggedState();
    s.A0 = s.A0 + (s.alpha - pointsAngle);
    return s;
}

void CamberPressureFrame::Recalculate() {
    const CamberState s = ShiftedState();
    // The points move onto the distribution of the new angle, at their x.
    for (CamberPoint& point : pressurePoints) {
        point.v = CamberUpperPressure(point.x, s.A0, s.A1, s.A2);
    }
    ShowAndDraw(s);
    pointsAngle = s.alpha;
}

void CamberPressureFrame::RecalculateDragged() { ShowAndDraw(DraggedState()); }

void CamberPressureFrame::ShowAndDraw(const CamberState& s) {
    ShowCamberResults(valueTexts_, CamberComputeResults(s));
    CamberRedrawCanvas(pressureCanvas_, [&](wxDC& dc) { DrawPressurePlot(dc, s); });
    CamberRedrawCanvas(camberCanvas_, [&](wxDC& dc) { DrawCamberPlot(dc, s); });
}

void CamberPressureFrame::DrawPressurePlot(wxDC& dc, const CamberState& s) const {
    DrawPressureAxes(dc);
    DrawApproxPressure(dc, s.A0, s.A1, s.A2);
    CamberDrawMarkers(dc, pressurePoints, true);
}

void CamberPressureFrame::DrawCamberPlot(wxDC& dc, const CamberState& s) const {
    DrawCamberAxes(dc);
    dc.DrawText(wxS("- HK auf x/t-Achse verschoben"), 45, 220);
    dc.DrawText(wxS("- Maßstab für alpha* ist 3:1"), 45, 233);
    DrawFreeStreamArrow(dc, s.alpha);
    DrawBirnbaumCamberShifted(dc, s.A0, s.A1, s.A2, s.alpha);
}

void CamberPressureFrame::OnQuit(wxCommandEvent&) { Close(true); }

void CamberPressureFrame::OnInfo(wxCommandEvent&) {
    luvo::ShowInfoBox(this, kInfoText, wxS("Info Interaktive Variation der Druckverteilung"));
}

wxBEGIN_EVENT_TABLE(CamberPressureEditCanvas, CamberCanvas)
    EVT_PAINT(CamberPressureEditCanvas::OnPaint)
    LUVO_EVT_MOUSE_BUTTONS_AND_MOTION(CamberPressureEditCanvas::OnMouse)
wxEND_EVENT_TABLE()

void CamberPressureEditCanvas::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    dc.SetDeviceOrigin(0, 0);
    // The distribution of the points themselves; the angle field plays no part here.
    if (auto* window = CamberWindowOf<CamberPressureFrame>(this)) {
        window->DrawPressurePlot(dc, window->DraggedState());
    }
}

void CamberPressureEditCanvas::OnMouse(wxMouseEvent& event) {
    auto* window = CamberWindowOf<CamberPressureFrame>(this);
    if (window == nullptr) {
        event.Skip();
        return;
    }
    // 40 pixels per unit cp, positive downwards.
    const auto pick = [](CamberPoint at) {
        return CamberPickPressurePoint(CamberPressureFrame::pressurePoints, at.x, at.v);
    };
    if (const auto at = DragMotion(*window, event, 0.025, pick)) {
        CamberMovePressurePoint(CamberPressureFrame::pressurePoints, HeldPoint(), at->x, at->v);
        window->RecalculateDragged();
    }
}

wxBEGIN_EVENT_TABLE(CamberPressureLineCanvas, CamberCanvas)
    EVT_PAINT(CamberPressureLineCanvas::OnPaint)
wxEND_EVENT_TABLE()

void CamberPressureLineCanvas::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    dc.SetDeviceOrigin(0, 0);
    if (auto* window = CamberWindowOf<CamberPressureFrame>(this)) {
        window->DrawCamberPlot(dc, window->ShiftedState());
    }
}
