#include "panel3d/gui/XfoilResultsFrames.h"

#include <wx/statbox.h>

#include <limits>
#include <utility>

#include "common/gui/WxNumber.h"
#include "panel3d/core/Panel3dEvaluationRecord.h"
#include "panel3d/core/Panel3dModel.h"

namespace {

const wxSize kWarningSize(272, 75);

const wxString kInfo =
    wxS("Hier wird ein Teil der errechneten Ergebnisse ausgegeben. \n\nDetailliertere Ergebnisse "
        "befinden sich in den ASCII Ausgabefiles,\ndie mit Tecplot ausgewertet werden können.");

Panel3dXfoilWarningCanvas* Warning(wxWindow* panel, bool failed, int y) {
    return failed ? new Panel3dXfoilWarningCanvas(panel, wxPoint(349, y), kWarningSize) : nullptr;
}

}  // namespace

XfoilResultsFrame::XfoilResultsFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                                     long style, Panel3dRun run, bool failed)
    : Panel3dResultsWindow(title, pos, size, style, std::move(run), wxS("Ergebnisse:")) {
    // Lower than in the other results windows.
    closeButton->Move(520, 450);
    spanLoadCanvas = new Panel3dSpanLoadCanvas(panel, kPanel3dUpperSlot, Run());
    warningCanvas = Warning(panel, failed, 350);
    spanDragCanvas = new Panel3dSpanDragCanvas(panel, kPanel3dLowerSlot, Run());

    // Rows in the member order: cA, cWi, cWr_ep, cW_xf, cWr_xf, cWp_xf, cWr_int.
    const int rows[7] = {50, 75, 135, 265, 290, 315, 200};
    for (int y : rows) new wxStaticText(panel, wxID_ANY, wxS("="), wxPoint(545, y));
    for (int i = 0; i < 7; ++i) {
        valueTexts[i] = new wxStaticText(panel, wxID_ANY, wxString(), wxPoint(570, rows[i]));
    }
    // Below the line of "Ergebnisse:", which GTK's font makes taller than 10 pixels.
    new wxStaticBox(panel, wxID_ANY, wxS("Beiwerte aus Panelverfahren:"), wxPoint(350, 28),
                    wxSize(270, 75));
    new wxStaticBox(panel, wxID_ANY, wxS("Beiwerte turbulent unströmte Platte:"), wxPoint(350, 110),
                    wxSize(270, 50));
    new wxStaticBox(panel, wxID_ANY, wxS("Beiwerte Integralverfahren:"), wxPoint(350, 175),
                    wxSize(270, 50));
    new wxStaticBox(panel, wxID_ANY, wxS("Beiwerte aus XFOIL:"), wxPoint(350, 240),
                    wxSize(270, 105));
    const struct {
        const wchar_t* text;
        int y;
    } labels[] = {{L"cA gesamt  [-]:", 50},      {L"cWi gesamt  [-]:", 75},
                  {L"cWr_ep gesamt  [-]:", 135}, {L"cWr_int gesamt  [-]:", 200},
                  {L"cW_xf gesamt  [-]:", 265},  {L"cWr_xf gesamt  [-]:", 290},
                  {L"cWp_xf gesamt  [-]:", 315}};
    for (const auto& l : labels) new wxStaticText(panel, wxID_ANY, l.text, wxPoint(370, l.y));

    spanLoadCanvas->SetToolTip(wxS("ca über y"));
    spanDragCanvas->SetToolTip(wxS("cw über y"));

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Panel3dModel* m = Run().model.get();
    const Panel3dEvaluationRecord* r = Run().record.get();
    const double values[7] = {m ? m->totalLift : nan,
                              m ? m->totalInducedDrag : nan,
                              r ? r->GetTotalCoefficient(0) : nan,
                              r ? r->GetXfoilTotalCoefficient(0) : nan,
                              r ? r->GetXfoilTotalCoefficient(1) : nan,
                              r ? r->GetXfoilTotalCoefficient(2) : nan,
                              r ? r->GetTotalCoefficient(1) : nan};
    for (int i = 0; i < 7; ++i) valueTexts[i]->SetLabel(luvo::FormatLabel("%1.3f", values[i]));
}

void XfoilResultsFrame::OnInfo(wxCommandEvent&) { ShowInfo(kInfo); }

XfoilPolarResultsFrame::XfoilPolarResultsFrame(const wxString& title, const wxPoint& pos,
                                               const wxSize& size, long style, Panel3dRun run,
                                               bool failed)
    : Panel3dResultsWindow(title, pos, size, style, std::move(run), wxS("Ergebnisse:")) {
    dragPolarCanvas = new Panel3dDragPolarXfoilCanvas(panel, kPanel3dUpperSlot, Run());
    liftAlphaCanvas = new Panel3dLiftAlphaCanvas(panel, kPanel3dLowerSlot, Run());
    neutralPointText = AddNeutralPointBox();
    warningCanvas = Warning(panel, failed, 300);
    dragPolarCanvas->SetToolTip(wxS("cA über cW "));
    liftAlphaCanvas->SetToolTip(wxS("cA über alpha"));
}

void XfoilPolarResultsFrame::OnInfo(wxCommandEvent&) { ShowInfo(kInfo); }

XfoilSpeedPolarResultsFrame::XfoilSpeedPolarResultsFrame(const wxString& title, const wxPoint& pos,
                                                         const wxSize& size, long style,
                                                         Panel3dRun run, bool failed)
    : Panel3dResultsWindow(title, pos, size, style, std::move(run), wxS("Ergebnisse:")) {
    speedPolarCanvas = new Panel3dSpeedPolarXfoilCanvas(panel, kPanel3dUpperSlot, Run());
    lowerCanvas = new Panel3dPowerPolarXfoilCanvas(panel, kPanel3dLowerSlot, Run());
    const wxString polars[] = {wxS("Leistungspolare"), wxS("Schubpolare")};
    polarRadioBox =
        new wxRadioBox(panel, kIdRadioBox, wxString(), wxPoint(350, 400), wxDefaultSize, 2, polars,
                       1, wxRA_SPECIFY_COLS, wxDefaultValidator, wxS("radioBox"));
    warningCanvas = Warning(panel, failed, 300);
    speedPolarCanvas->SetToolTip(wxS("Sinkflugpolare"));
    lowerCanvas->SetToolTip(wxS("Leistungspolare"));
}

void XfoilSpeedPolarResultsFrame::OnInfo(wxCommandEvent&) { ShowInfo(kInfo); }

void XfoilSpeedPolarResultsFrame::OnRadioBox(wxCommandEvent&) {
    // The chosen polar takes the lower slot; the one shown before goes.
    lowerCanvas->Destroy();
    if (polarRadioBox->GetSelection() == 0) {
        lowerCanvas = new Panel3dPowerPolarXfoilCanvas(panel, kPanel3dLowerSlot, Run());
    } else {
        lowerCanvas = new Panel3dThrustPolarXfoilCanvas(panel, kPanel3dLowerSlot, Run());
    }
}

wxFrame* OpenXfoilResultsWindow(const Panel3dRun& run, bool failed) {
    const int mode = run.record ? run.record->GetMode() : -1;
    const wxSize size(640, 565);
    wxFrame* frame = nullptr;
    if (mode == 0) {
        frame = panel3d::g_xfoilResultsFrame = new XfoilResultsFrame(
            wxS("XFOIL Ergebnisse"), wxDefaultPosition, size, wxDEFAULT_FRAME_STYLE, run, failed);
    } else if (mode == 1) {
        frame = panel3d::g_xfoilPolarResultsFrame =
            new XfoilPolarResultsFrame(wxS("XFOIL Polaren Ergebnisse"), wxDefaultPosition, size,
                                       wxDEFAULT_FRAME_STYLE, run, failed);
    } else if (mode == 2) {
        frame = panel3d::g_xfoilSpeedPolarResultsFrame = new XfoilSpeedPolarResultsFrame(
            wxS("XFOIL Geschw.-Polaren Ergebnisse"), wxDefaultPosition, size, wxDEFAULT_FRAME_STYLE,
            run, failed);
    }
    if (frame) {
        frame->Centre(wxBOTH);
        frame->Show(true);
    }
    return frame;
}

wxBEGIN_EVENT_TABLE(XfoilResultsFrame, Panel3dResultsWindow)
    EVT_MENU(luvo::kIdMenuInfo, XfoilResultsFrame::OnInfo)
wxEND_EVENT_TABLE()

wxBEGIN_EVENT_TABLE(XfoilPolarResultsFrame, Panel3dResultsWindow)
    EVT_MENU(luvo::kIdMenuInfo, XfoilPolarResultsFrame::OnInfo)
wxEND_EVENT_TABLE()

wxBEGIN_EVENT_TABLE(XfoilSpeedPolarResultsFrame, Panel3dResultsWindow)
    EVT_MENU(luvo::kIdMenuInfo, XfoilSpeedPolarResultsFrame::OnInfo)
    EVT_RADIOBOX(Panel3dResultsWindow::kIdRadioBox, XfoilSpeedPolarResultsFrame::OnRadioBox)
wxEND_EVENT_TABLE()
