#include "panel3d/gui/Panel3dPolarResultsFrame.h"

#include <wx/statbox.h>

#include <limits>
#include <vector>

#include "common/gui/WxNumber.h"
#include "panel3d/core/Panel3dEvaluationRecord.h"

namespace {

const wxString kHint = wxS("Detailierte Widerstandsberechnung mit XFOIL ");

// The status text of a speed polar: "Ergebnisse", and the speeds whose demanded lift lies
// beyond the wing's reach, which were flown with the closest lift found.
wxString SpeedPolarStatus(const Panel3dRun& run) {
    std::vector<double> missed;
    if (run.record) {
        const Panel3dEvaluationRecord& r = *run.record;
        for (int p = 0; p < r.EvaluatedPoints(); ++p) {
            if (!r.PointLiftReached(p)) missed.push_back(r.GetPointSpeed(p));
        }
    }
    if (missed.empty()) return wxS("Ergebnisse");
    const wxString text = wxS("Ergebnisse - geforderter Auftrieb nicht erreicht bei ");
    if (missed.size() == 1)
        return text + wxS("v = ") + luvo::FormatLabel("%.1f", missed[0]) + wxS(" m/s");
    return text +
           wxString::Format(wxS("%d Geschwindigkeiten (v = "), static_cast<int>(missed.size())) +
           luvo::FormatLabel("%.1f", missed.front()) + wxS(" bis ") +
           luvo::FormatLabel("%.1f", missed.back()) + wxS(" m/s)");
}

}  // namespace

Panel3dPolarResultsFrame::Panel3dPolarResultsFrame(const wxString& title, const wxPoint& pos,
                                                   const wxSize& size, Panel3dRun run, long style)
    : Panel3dXfoilStepWindow(title, pos, size, style, std::move(run), wxS("Ergebnisse:"), kHint) {
    dragPolarCanvas = new Panel3dDragPolarCanvas(panel, kPanel3dUpperSlot, Run());
    liftAlphaCanvas = new Panel3dLiftAlphaCanvas(panel, kPanel3dLowerSlot, Run());
    neutralPointText = AddNeutralPointBox();

    dragPolarCanvas->SetToolTip(wxS("cA über cW"));
    liftAlphaCanvas->SetToolTip(wxS("cA über alpha"));
}

void Panel3dPolarResultsFrame::OnInfo(wxCommandEvent&) {
    ShowInfo(
        wxS("Hier wird ein Teil der errechneten Ergebnisse ausgegeben: \n\n - Die "
            "Lilienthalpolare ( cA / cW ) \n - cA / alpha  Polare\n - Druckpunktwanderung\n - "
            "Neutralpunkt"));
}

Panel3dSpeedPolarResultsFrame::Panel3dSpeedPolarResultsFrame(const wxString& title,
                                                             const wxPoint& pos, const wxSize& size,
                                                             Panel3dRun run, long style)
    : Panel3dXfoilStepWindow(title, pos, size, style, std::move(run), wxS("Ergebnisse:"), kHint) {
    const wxString polars[] = {wxS("Leistungspolare"), wxS("Schubpolare")};
    polarRadioBox =
        new wxRadioBox(panel, kIdRadioBox, wxString(), wxPoint(350, 400), wxDefaultSize, 2, polars,
                       1, wxRA_SPECIFY_COLS, wxDefaultValidator, wxS("radioBox"));
    speedPolarCanvas = new Panel3dSpeedPolarCanvas(panel, kPanel3dUpperSlot, Run());
    lowerCanvas = new Panel3dPowerPolarCanvas(panel, kPanel3dLowerSlot, Run());
    speedPolarCanvas->SetToolTip(wxS("Sinkflugpolare"));
    lowerCanvas->SetToolTip(wxS("Leistungspolare"));
    SetResultsStatus(SpeedPolarStatus(Run()));
}

void Panel3dSpeedPolarResultsFrame::OnInfo(wxCommandEvent&) {
    ShowInfo(
        wxS("Hier wird ein Teil der errechneten Ergebnisse ausgegeben. \n\nDetailliertere "
            "Ergebnisse befinden sich in den ASCII Ausgabefiles,\ndie mit Tecplot ausgewertet "
            "werden können."));
}

void Panel3dSpeedPolarResultsFrame::OnRadioBox(wxCommandEvent&) {
    // The chosen polar takes the lower slot; the one shown before goes.
    lowerCanvas->Destroy();
    if (polarRadioBox->GetSelection() == 0) {
        lowerCanvas = new Panel3dPowerPolarCanvas(panel, kPanel3dLowerSlot, Run());
    } else {
        lowerCanvas = new Panel3dThrustPolarCanvas(panel, kPanel3dLowerSlot, Run());
    }
}

wxBEGIN_EVENT_TABLE(Panel3dPolarResultsFrame, Panel3dXfoilStepWindow)
    EVT_MENU(luvo::kIdMenuInfo, Panel3dPolarResultsFrame::OnInfo)
wxEND_EVENT_TABLE()

wxBEGIN_EVENT_TABLE(Panel3dSpeedPolarResultsFrame, Panel3dXfoilStepWindow)
    EVT_MENU(luvo::kIdMenuInfo, Panel3dSpeedPolarResultsFrame::OnInfo)
    EVT_RADIOBOX(Panel3dResultsWindow::kIdRadioBox, Panel3dSpeedPolarResultsFrame::OnRadioBox)
wxEND_EVENT_TABLE()
