#include "panel3d/results/Panel3dPolarResultsFrame.h"

#include <wx/statbox.h>

#include <limits>

#include "common/WxNumber.h"
#include "panel3d/solver/Panel3dEvaluationRecord.h"

namespace {

const wxString kHint = wxS("Detailierte Widerstandsberechnung mit XFOIL ");

}  // namespace

Panel3dPolarResultsFrame::Panel3dPolarResultsFrame(const wxString& title, const wxPoint& pos,
                                                   const wxSize& size, Panel3dRun run, long style)
    : Panel3dResultsWindow(title, pos, size, style, std::move(run), wxS("Ergebnisse:"), kHint) {
    dragPolarCanvas = new Panel3dDragPolarCanvas(panel, kPanel3dUpperSlot, Run());
    liftAlphaCanvas = new Panel3dLiftAlphaCanvas(panel, kPanel3dLowerSlot, Run());
    // Below the line of "Ergebnisse:", which GTK's font makes taller than 10 pixels.
    new wxStaticBox(panel, wxID_ANY, wxS("Neutralpunkt:"), wxPoint(350, 28), wxSize(270, 80));
    new wxStaticText(panel, wxID_ANY, wxS("Lage desNeutralpunkts l_NP [m]:"), wxPoint(370, 50));
    new wxStaticText(panel, wxID_ANY, wxS("(relativ zum Ursprung des Koordinatensystems)"),
                     wxPoint(370, 70));
    new wxStaticText(panel, wxID_ANY, wxS("="), wxPoint(545, 50));
    neutralPointText = new wxStaticText(panel, wxID_ANY, wxString(), wxPoint(570, 50));

    // Of this run's record, once: later runs do not change it.
    const double lnp =
        Run().record ? Run().record->NeutralPoint() : std::numeric_limits<double>::quiet_NaN();
    neutralPointText->SetLabel(luvo::FormatLabel("%1.3f", lnp));

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
    : Panel3dResultsWindow(title, pos, size, style, std::move(run), wxS("Ergebnisse:"), kHint) {
    const wxString polars[] = {wxS("Leistungspolare"), wxS("Schubpolare")};
    polarRadioBox =
        new wxRadioBox(panel, kIdRadioBox, wxString(), wxPoint(350, 400), wxDefaultSize, 2, polars,
                       1, wxRA_SPECIFY_COLS, wxDefaultValidator, wxS("radioBox"));
    speedPolarCanvas = new Panel3dSpeedPolarCanvas(panel, kPanel3dUpperSlot, Run());
    lowerCanvas = new Panel3dPowerPolarCanvas(panel, kPanel3dLowerSlot, Run());
    speedPolarCanvas->SetToolTip(wxS("Sinkflugpolare"));
    lowerCanvas->SetToolTip(wxS("Leistungspolare"));
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

// clang-format off
wxBEGIN_EVENT_TABLE(Panel3dPolarResultsFrame, Panel3dResultsWindow)
    EVT_MENU(luvo::kIdMenuInfo, Panel3dPolarResultsFrame::OnInfo)
wxEND_EVENT_TABLE()

wxBEGIN_EVENT_TABLE(Panel3dSpeedPolarResultsFrame, Panel3dResultsWindow)
    EVT_MENU(luvo::kIdMenuInfo, Panel3dSpeedPolarResultsFrame::OnInfo)
    EVT_RADIOBOX(Panel3dResultsWindow::kIdRadioBox, Panel3dSpeedPolarResultsFrame::OnRadioBox)
wxEND_EVENT_TABLE()
    // clang-format on
