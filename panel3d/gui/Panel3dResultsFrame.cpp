#include "panel3d/gui/Panel3dResultsFrame.h"

#include <wx/statbox.h>

#include <limits>

#include "common/core/CpPlot.h"
#include "common/gui/WxNumber.h"
#include "panel3d/core/Panel3dEvaluationRecord.h"
#include "panel3d/core/Panel3dModel.h"

Panel3dResultsFrame::Panel3dResultsFrame(const wxString& title, const wxPoint& pos,
                                         const wxSize& size, Panel3dRun run, long style)
    : Panel3dXfoilStepWindow(title, pos, size, style, std::move(run), wxS("Ergebnisse: "),
                             wxS("Detaillierte Widerstandsberechnung mit XFOIL ")) {
    const wxString scales[] = {wxS("cp-Skala passend skaliert"), wxS("cp-Skala nicht skaliert")};
    cpScaleRadioBox = new wxRadioBox(panel, kIdRadioBox, wxString(), wxPoint(350, 400),
                                     wxDefaultSize, 2, scales, 1, wxRA_SPECIFY_COLS);
    spanLoadCanvas = new Panel3dSpanLoadCanvas(panel, kPanel3dUpperSlot, Run());
    pressureCanvas = new Panel3dPressureCanvas(panel, kPanel3dLowerSlot, Run());

    // Rows in the order of the value texts: cA, cWi, cMx, cMy, cMz, S, l, k, cWr.
    const int rows[9] = {50, 75, 125, 150, 175, 248, 273, 298, 100};
    for (int i = 0; i < 9; ++i) new wxStaticText(panel, wxID_ANY, wxS("="), wxPoint(545, rows[i]));
    for (int i = 0; i < 9; ++i) {
        valueTexts[i] = new wxStaticText(panel, wxID_ANY, wxString(), wxPoint(570, rows[i]));
    }
    // Below the line of "Ergebnisse: ", which GTK's font makes taller than 10 pixels.
    new wxStaticBox(panel, wxID_ANY, wxS("Kraft- und Momentbeiwerte:"), wxPoint(350, 28),
                    wxSize(270, 172));
    const struct {
        const wchar_t* text;
        int y;
    } forces[] = {{L"cA gesamt  [-]:", 50},
                  {L"cWi gesamt  [-]:", 75},
                  {L"cWr gesamt  [-]:", 100},
                  {L"Rollmomentenbeiwert cMx [-]:", 125},
                  {L"Nickmomentenbeiwert cMy [-]:", 150},
                  {L"Giermomentenbeiwert cMz [-]:", 175}};
    for (const auto& r : forces) new wxStaticText(panel, wxID_ANY, r.text, wxPoint(370, r.y));
    new wxStaticBox(panel, wxID_ANY, wxS("Sonstige Werte:"), wxPoint(350, 223), wxSize(270, 105));
    const struct {
        const wchar_t* text;
        int y;
    } others[] = {{L"Bezugsflügelfläche  [m²]:", 248},
                  {L"Bezugsflügeltiefe  [m]:", 273},
                  {L"k-Faktor [-]:", 298}};
    for (const auto& r : others) new wxStaticText(panel, wxID_ANY, r.text, wxPoint(370, r.y));

    spanLoadCanvas->SetToolTip(wxS("ca über y"));
    pressureCanvas->SetToolTip(wxS("cp über x"));

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Panel3dModel* m = Run().model.get();
    const double k = m ? m->kFactor : nan;
    const double values[9] = {m ? m->totalLift : nan,
                              m ? m->totalInducedDrag : nan,
                              m ? m->momentX : nan,
                              m ? m->momentY : nan,
                              m ? m->momentZ : nan,
                              m ? m->referenceArea : nan,
                              m ? m->referenceChord : nan,
                              k,
                              Run().record ? Run().record->GetTotalCoefficient(1) : nan};
    for (int i = 0; i < 9; ++i) valueTexts[i]->SetLabel(luvo::FormatLabel("%1.3f", values[i]));

    if (luvo::NeedsKFactorWarning(k)) {
        kFactorWarningCanvas =
            new Panel3dKFactorWarningCanvas(panel, wxPoint(349, 340), wxSize(272, 50));
    }
}

void Panel3dResultsFrame::OnInfo(wxCommandEvent&) {
    ShowInfo(
        wxS("Hier wird ein Teil der errechneten Ergebnisse ausgegeben: \n\n - Die Werte der "
            "Zirkulation sind bezogen auf Anströmung mit der Geschwindigkeit 1 m/s.\n - "
            "Kraftbeiwerte cA und cWi. Sie beziehen sich auf die Bezugsflügelfläche.\n - "
            "Momentbeiwerte cMx, cMy, cMz. Sie beziehen sich ebenfalls auf die "
            "Bezugsflügelfläche\n   sowie auf die Bezugsflügeltiefe. Sie werden bezüglich des "
            "Ursprunges (0,0,0) berechnet.\n - Über die Spannweite wird der Verlauf von ca "
            "grafisch dargestellt.\n - Über die normierte Koordinate in Tiefenrichtung wird der "
            "\n   Verlauf von cp grafisch dargestellt.\n\n\nDetailliertere Ergebnisse befinden "
            "sich in den ASCII Ausgabefiles,\ndie mit Tecplot ausgewertet werden können.\n\n\n"
            "Hier kann die Widerstandsberechnung mit dem Programm XFOIL gestartet werden."));
}

void Panel3dResultsFrame::OnRadioBox(wxCommandEvent&) {
    if (cpScaleRadioBox->GetSelection() == 0) {
        pressureCanvas->DrawScaled();
    } else {
        pressureCanvas->DrawFixedScale();
    }
}

wxBEGIN_EVENT_TABLE(Panel3dResultsFrame, Panel3dXfoilStepWindow)
    EVT_MENU(luvo::kIdMenuInfo, Panel3dResultsFrame::OnInfo)
    EVT_RADIOBOX(Panel3dResultsWindow::kIdRadioBox, Panel3dResultsFrame::OnRadioBox)
wxEND_EVENT_TABLE()
