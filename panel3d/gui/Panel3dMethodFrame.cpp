#include "panel3d/gui/Panel3dMethodFrame.h"

#include <wx/statbox.h>
#include <wx/stattext.h>

#include "common/gui/RangeCheckBox.h"
#include "panel3d/gui/Panel3dInputModule.h"
#include "panel3d/gui/Panel3dRunWindows.h"
#include "panel3d/gui/Panel3dSourceFrame.h"

namespace {

enum { kIdTaskRadio = 1 };

const wchar_t* const kTaskStatus[] = {
    L"Gewählt: Einzelner Anströmzustand",
    L"Gewählt: CA / CW Polare, CA / alpha Polare....",
    L"Gewählt: Leistungs- / Schubpolare, Sinkflugpolare",
};

struct FieldRow {
    const wchar_t* label;
    const wchar_t* initial;
};

// In the order of Panel3dFlowField.
const FieldRow kFieldRows[kPanel3dFlowFieldCount] = {
    {L"Anströmwinkel alfa* [°]:", L"2.5"},
    {L"Anströmwinkel alfa*_min [°]:", L"-4.0"},
    {L"Anströmwinkelinkrement delta_alfa [°]:", L"2.0"},
    {L"Anzahl Punkte:", L"4"},
    {L"Anströmgeschwindigkeit [m/s]:", L"100"},
    {L"Kinematische Viskosität [10^-6 m²/s]:", L"17.08"},
    {L"Minimale Anströmgeschwindigkeit [m/s]:", L"30"},
    {L"Maximale Anströmgeschwindigkeit [m/s]:", L"90"},
    {L"Anzahl Punkte:", L"5"},
    {L"Flächenbelastung [N/m2]:", L"200"},
    {L"Wirkungsgrad [-]:", L"0.95"},
};

struct Group {
    const wchar_t* title;
    int firstField;
    int fieldCount;
};

const Group kGroups[] = {
    {L"Eingabe der Parameter für Einzelberechnung:", kPanel3dAlpha, 1},
    {L"Eingabe der Parameter für Polarenrechnung:", kPanel3dAlphaMin, 3},
    {L"Eingabe der Parameter für Reynoldszahl:", kPanel3dSpeed, 5},
    {L"Angaben für Leistungspolare:", kPanel3dWingLoading, 2},
};

constexpr int kRowHeight = 29;

}  // namespace

Panel3dMethodFrame::Panel3dMethodFrame(const wxString& title, const wxPoint& pos,
                                       const wxSize& size)
    : luvo::LuvoFrame(title, pos, size), evaluator_(Panel3dPolarEvaluator::Shared()) {
    Bind(wxEVT_CLOSE_WINDOW, [](wxCloseEvent& event) {
        if (!Panel3dRefuseCloseDuringRun(event)) event.Skip();
    });
    new wxStaticText(panel_, wxID_ANY,
                     wxS("Innerhalb des Panelverfahrens stehen die folgenden Möglich-\n"
                         "keiten zur Verfügung:"),
                     wxPoint(20, 12));
    const wxString choices[] = {
        wxS("Einzelner Anströmzustand"),
        wxS("CA / CW Polare, CA / alpha Polare, Druckpunktwanderung"),
        wxS("Leistungs- / Schubpolare, Sinkflugpolare"),
    };
    taskRadio = new wxRadioBox(panel_, kIdTaskRadio, wxS("3D Panelverfahren"), wxPoint(20, 50),
                               wxSize(380, -1), 3, choices, 1, wxRA_SPECIFY_COLS);
    taskRadio->SetSelection(0);

    int y = taskRadio->GetRect().GetBottom() + 10;
    for (const Group& g : kGroups) {
        const int height = 24 + g.fieldCount * kRowHeight;
        new wxStaticBox(panel_, wxID_ANY, g.title, wxPoint(20, y), wxSize(380, height));
        for (int k = 0; k < g.fieldCount; ++k) {
            const int i = g.firstField + k;
            const int rowY = y + 22 + k * kRowHeight;
            new wxStaticText(panel_, wxID_ANY, kFieldRows[i].label, wxPoint(32, rowY + 4));
            fields[i] = new Panel3dInputField(panel_, wxID_ANY, kFieldRows[i].initial,
                                              wxPoint(280, rowY), wxSize(108, -1));
        }
        y += height + 6;
    }
    okButton = new wxButton(panel_, luvo::kIdButtonStart, wxS("&OK"), wxPoint(110, y + 6));
    cancelButton =
        new wxButton(panel_, luvo::kIdButtonClose, wxS("&Abbrechen"), wxPoint(220, y + 6));

    wxCommandEvent none;
    OnRadioBox(none);
}

void Panel3dMethodFrame::OnRadioBox(wxCommandEvent&) {
    const int task = taskRadio->GetSelection();
    if (task < 0 || task > 2) return;
    SetStatusText(kTaskStatus[task]);
    for (int i = 0; i < kPanel3dFlowFieldCount; ++i) {
        fields[i]->Enable(Panel3dFieldUsedByTask(task, static_cast<Panel3dFlowField>(i)));
    }
}

void Panel3dMethodFrame::OnInfo(wxCommandEvent& event) {
    SetStatusText(wxS("Gewählt: Info"));
    luvo::ShowInfoBox(this,
                      wxS("Mit Hilfe des Panelverfahrens lassen sich Polaren oder\n"
                          "einzelne Anströmzustände berechnen. \n"
                          "In diesem Fenster sind für die gewählte Variante \n"
                          "notwendigen aerodynamischen Daten einzugeben.\n"
                          "Die jeweils nicht benötigten Werte werden ausgeblendet."),
                      wxS("Info 3D-Panelverfahren"));
    OnRadioBox(event);
}

void Panel3dMethodFrame::OnStart(wxCommandEvent&) {
    // The flow state stays as the running run read it.
    if (panel3d::Panel3dRunActive) return;
    const int task = taskRadio->GetSelection();
    if (task < 0 || task > 2) return;
    Panel3dFlowInputs in{};
    for (int i = 0; i < kPanel3dFlowFieldCount; ++i) in[i] = fields[i]->Number();

    // A refused "&OK" changes and opens nothing.
    if (!luvo::PassRangeChecks(this, Panel3dFlowChecks(task, in))) return;
    const Panel3dFlowState state = MakePanel3dFlowState(task, in);
    panel3d::Panel3dCurrentFlowState = state;
    if (evaluator_) {
        evaluator_->SetFlowState(
            Panel3dEvaluatorSpeed(task, in), Panel3dKinematicViscosity(in), state.taskMode,
            state.alphaStar, state.alphaStep, static_cast<double>(state.pointCount), state.speedMax,
            state.speedMin, state.speedCount, state.wingLoading, state.efficiency);
    }

    // The open grid-input window runs with the new flow state at its next "&Starten".
    if (panel3d::Panel3dGridInputOpen()) return;
    auto* chooser = new Panel3dSourceFrame(wxS(" Luvo - 3D Panelverfahren, Punkt"),
                                           wxDefaultPosition, wxSize(420, 380), evaluator_);
    panel3d::Panel3dSourceWindow = chooser;
    chooser->Centre(wxBOTH);
    chooser->Show(true);
}

void Panel3dMethodFrame::OnClose(wxCommandEvent&) {
    if (!panel3d::Panel3dRunActive) Close(true);
}

wxBEGIN_EVENT_TABLE(Panel3dMethodFrame, luvo::LuvoFrame)
    EVT_MENU(luvo::kIdMenuClose, Panel3dMethodFrame::OnClose)
    EVT_BUTTON(luvo::kIdButtonClose, Panel3dMethodFrame::OnClose)
    EVT_MENU(luvo::kIdMenuInfo, Panel3dMethodFrame::OnInfo)
    EVT_RADIOBOX(kIdTaskRadio, Panel3dMethodFrame::OnRadioBox)
    EVT_BUTTON(luvo::kIdButtonStart, Panel3dMethodFrame::OnStart)
wxEND_EVENT_TABLE()
