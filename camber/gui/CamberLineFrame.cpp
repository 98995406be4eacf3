#include "camber/gui/CamberLineFrame.h"

#include <wx/dcclient.h>

#include "camber/gui/CamberButtons.h"
#include "camber/gui/CamberFields.h"
#include "camber/gui/CamberPlot.h"
#include "common/gui/MouseEventTable.h"

CamberPointSet CamberLineFrame::camberPoints = kDefaultCamberPoints;

namespace {

const wxString kInfoText =
    wxS("Nachrechenaufgabe\n\n"
        "Ist die Skelettlinie nicht analytisch gegeben, so müssen\n"
        "die Koordinaten der exakten Skelettlinie mit den Koordina-\n"
        "ten des durch die Birnbaum-Ackermann\u00b4schen Normalver-\n"
        "teilungen approximierten Skeletts in drei diskreten Punk-\n"
        "ten übereinstimmen.\n\n"
        "Diese drei Punktproben bestimmen die drei Koeffizienten\n"
        "A0, A1 und A2.\n\n"
        "Die drei Punkte können mittels Maus verschoben sowie der\n"
        "Winkel alpha* verändert werden. Auch hier ist alpha* auf\n"
        "maximal 15° begrenzt.\n\n");

}  // namespace

wxBEGIN_EVENT_TABLE(CamberLineFrame, luvo::LuvoFrame)
    EVT_MENU(luvo::kIdMenuQuit, CamberLineFrame::OnQuit)
    EVT_MENU(luvo::kIdMenuInfo, CamberLineFrame::OnInfo)
wxEND_EVENT_TABLE()

CamberLineFrame::CamberLineFrame(const wxString& title, const wxPoint& pos, const wxSize& size)
    : luvo::LuvoFrame(title, pos, size, luvo::FileMenu::CloseAsId1) {
    SetStatusText(wxS("Eingabe des Winkels"));
    wxPanel* panel = GetPanel();
    valueTexts_ = CreateInteractiveTaskTexts(panel);
    angleField_ = new CamberLineAngleField(panel, wxPoint(496, 60), wxSize(34, -1));
    closeButton_ = new CamberLineCloseButton(panel, wxPoint(450, 505));
    camberCanvas_ = new CamberLineEditCanvas(panel, wxPoint(10, 0), wxSize(330, 260));
    pressureCanvas_ = new CamberLinePressureCanvas(panel, wxPoint(10, 270), wxSize(330, 260));
    camberPoints = kDefaultCamberPoints;
    MarkBuilt();
}

CamberState CamberLineFrame::CurrentState() const {
    CamberState s = CamberAngleState(angleField_->SettledText());
    const CamberLineSolution line = CamberSolveLinePoints(camberPoints);
    s.A0 = line.c0 + s.alpha;
    s.A1 = line.A1;
    s.A2 = line.A2;
    return s;
}

void CamberLineFrame::Recalculate() {
    const CamberState s = CurrentState();
    ShowCamberResults(valueTexts_, CamberComputeResults(s));
    CamberRedrawCanvas(camberCanvas_, [&](wxDC& dc) { DrawCamberPlot(dc, s); });
    CamberRedrawCanvas(pressureCanvas_, [&](wxDC& dc) { DrawPressurePlot(dc, s); });
}

void CamberLineFrame::DrawCamberPlot(wxDC& dc, const CamberState& s) const {
    DrawCamberAxes(dc);
    dc.DrawText(wxS("Maßstab für alpha* ist 3:1"), 50, 233);
    DrawFreeStreamArrow(dc, s.alpha);
    DrawBirnbaumCamberLine(dc, s.A0, s.A1, s.A2, s.alpha);
    CamberDrawMarkers(dc, camberPoints, false);
}

void CamberLineFrame::DrawPressurePlot(wxDC& dc, const CamberState& s) const {
    DrawPressureAxes(dc);
    DrawApproxPressure(dc, s.A0, s.A1, s.A2);
}

void CamberLineFrame::OnQuit(wxCommandEvent&) { Close(true); }

void CamberLineFrame::OnInfo(wxCommandEvent&) {
    luvo::ShowInfoBox(this, kInfoText, wxS("Info Interaktive Variation der Skelettlinie"));
}

wxBEGIN_EVENT_TABLE(CamberLineEditCanvas, CamberCanvas)
    EVT_PAINT(CamberLineEditCanvas::OnPaint)
    LUVO_EVT_MOUSE_BUTTONS_AND_MOTION(CamberLineEditCanvas::OnMouse)
wxEND_EVENT_TABLE()

void CamberLineEditCanvas::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    dc.SetDeviceOrigin(0, 0);
    if (auto* window = CamberWindowOf<CamberLineFrame>(this)) {
        window->DrawCamberPlot(dc, window->CurrentState());
    }
}

void CamberLineEditCanvas::OnMouse(wxMouseEvent& event) {
    auto* window = CamberWindowOf<CamberLineFrame>(this);
    if (window == nullptr) {
        event.Skip();
        return;
    }
    // 1000 pixels per unit z/t, positive upwards.
    const auto pick = [](CamberPoint at) {
        return CamberPickLinePoint(CamberLineFrame::camberPoints, at.x, at.v);
    };
    if (const auto at = DragMotion(*window, event, -0.001, pick)) {
        CamberMoveLinePoint(CamberLineFrame::camberPoints, HeldPoint(), at->x, at->v);
        window->Recalculate();
    }
}

wxBEGIN_EVENT_TABLE(CamberLinePressureCanvas, CamberCanvas)
    EVT_PAINT(CamberLinePressureCanvas::OnPaint)
wxEND_EVENT_TABLE()

void CamberLinePressureCanvas::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    dc.SetDeviceOrigin(0, 0);
    if (auto* window = CamberWindowOf<CamberLineFrame>(this)) {
        window->DrawPressurePlot(dc, window->CurrentState());
    }
}
