#include "vlm/VlmDiscretisationFrame.h"

#include <wx/statbox.h>

#include <cmath>
#include <limits>

#include "common/FileChooser.h"
#include "common/RangeCheckBox.h"
#include "vlm/VlmGeometryFrame.h"
#include "vlm/VlmModule.h"

namespace {

const wxString kStatus = wxS("Rechnung starten");
constexpr double kOpen = std::numeric_limits<double>::infinity();

// A parameter row: the label at (30, y + 3), the field 30 pixels wide at (258, y).
VlmInputField* AddField(wxWindow* panel, int y, const wxString& label, const wxString& value) {
    new wxStaticText(panel, wxID_ANY, label, wxPoint(30, y + 3));
    return new VlmInputField(panel, wxID_ANY, value, wxPoint(258, y), wxSize(30, -1));
}

// A file row with its box at (10, top), the button and the label one pixel lower than the
// common row places them.
luvo::FileChooserRow AddFileRow(wxWindow* panel, int top, wxWindowID id, const wxString& box,
                                const wxString& button, const wxString& toolTip,
                                const wxString& name) {
    luvo::FileChooserRow row = luvo::AddFileChooserRow(panel, top, id, box, button, toolTip, name);
    row.button->Move(20, top + 17);
    row.label->Move(120, top + 22);
    return row;
}

}  // namespace

VlmDiscretisationFrame::VlmDiscretisationFrame(const wxString& title, const wxPoint& pos,
                                               const wxSize& size, long style)
    : luvo::LuvoFrame(title, pos, size, luvo::FileMenu::Close, 2, style) {
    panel = GetPanel();
    SetStatusText(kStatus, 0);

    new wxStaticBox(panel, wxID_ANY, wxS("Verteilung der Stützststellen in Tiefenrichtung:"),
                    wxPoint(10, 10), wxSize(390, 190));
    distributionSlider = luvo::AddSpacingSlider(panel, kIdSlider, wxPoint(28, 90));
    distributionCanvas =
        new VlmDistributionCanvas(panel, distributionSlider, wxPoint(210, 40), wxSize(150, 140));
    distributionCanvas->SetToolTip(wxS("Verteilung der Stützstellen in Tiefenrichtung:"));

    new wxStaticBox(panel, wxID_ANY, wxS("Eingabe weiterer Parameter:"), wxPoint(10, 210),
                    wxSize(390, 120));
    chordwiseCountField = AddField(panel, 230, wxS("Wirbelzahl in x-Richtung:"), wxS("30"));
    spanwiseCountField =
        AddField(panel, 255, wxS("Wirbelzahl in y-Richtung pro Halbspannweite:"), wxS("15"));
    birnbaumCountField = AddField(panel, 280, wxS("Anzahl an Birnbaumkoeffizienten:"), wxS("21"));
    iterationsField = AddField(panel, 305, wxS("Anzahl der Iterationen:"), wxS("0"));
    iterationsField->SetToolTip(wxS("Anzahl der Iterationen eingeben"));
    iterationsField->Enable(false);

    const wxString wakes[] = {wxS("eben"), wxS("relaxiert")};
    wakeRadioBox = new wxRadioBox(panel, kIdWakeRadio, wxS("Nachlauf:"), wxPoint(315, 240),
                                  wxDefaultSize, 2, wakes, 1, wxRA_SPECIFY_COLS);
    wakeRadioBox->SetSelection(0);

    const luvo::FileChooserRow result3d = AddFileRow(
        panel, 338, kIdChoose3d, wxS("Auswahl der Ergebnisdatei 3D:"), wxS("D&atei wählen"),
        wxS("Festlegen des Dateinamens für 3D-Ergebnisdaten"), wxS("3D.dat"));
    const luvo::FileChooserRow cp = AddFileRow(
        panel, 388, kIdChooseCp, wxS("Auswahl der Ergebnisdatei cp über x:"), wxS("Da&tei wählen"),
        wxS("Festlegen des Dateinamens für cp-Verlauf"), wxS("cp-x.dat"));
    const luvo::FileChooserRow ca = AddFileRow(
        panel, 438, kIdChooseCa, wxS("Auswahl der Ergebnisdatei ca über y:"), wxS("Dat&ei wählen"),
        wxS("Festlegen des Dateinamens für ca-Verlauf"), wxS("ca-y.dat"));
    choose3dButton = result3d.button;
    result3dFileLabel = result3d.label;
    chooseCpButton = cp.button;
    cpFileLabel = cp.label;
    chooseCaButton = ca.button;
    caFileLabel = ca.label;

    startButton = new wxButton(panel, luvo::kIdButtonStart, wxS("Starte&n"), wxPoint(170, 487));
}

void VlmDiscretisationFrame::CloseWindow() {
    if (VlmDiscretisationWindow == this) VlmDiscretisationOpen = false;
    Destroy();
}

void VlmDiscretisationFrame::OnClose(wxCloseEvent& event) {
    if (VlmRunActive && event.CanVeto()) {
        event.Veto();
        return;
    }
    CloseWindow();
}

void VlmDiscretisationFrame::OnCloseCommand(wxCommandEvent&) {
    if (!VlmRunActive) CloseWindow();
}

void VlmDiscretisationFrame::OnInfo(wxCommandEvent&) {
    SetStatusText(wxS("Info"), 0);
    luvo::ShowInfoBox(
        this,
        wxS("Mit Hilfe des Schiebereglers kann die \nNetzauflösung im Bereich der Vorderkante "
            "bzw. der Endkante \neingestellt werden.\n\nMit der Wirbelzahl in x-Richtung bzw. in "
            "y-Richtung wird die \nGesamtauflösung vorgegeben.\n\nnx: Zahl der Wirbel in "
            "Flugrichtung\nny: Zahl der Wirbel in Spannweitenrichtung je Flügelhälfte\n\n"
            "Gesamtzahl aller Wirbel = 2*nx*ny"),
        wxS("Info Eingabe der Diskretisierungsparameter"));
    SetStatusText(kStatus, 0);
}

void VlmDiscretisationFrame::OnSlider(wxCommandEvent&) { distributionCanvas->Redraw(); }

void VlmDiscretisationFrame::OnWakeRadioBox(wxCommandEvent&) {
    const bool relaxed = wakeRadioBox->GetSelection() == 1;
    iterationsField->SetValue(relaxed ? wxS("8") : wxS("0"));
    iterationsField->Enable(relaxed);
}

void VlmDiscretisationFrame::OnChoose3dFile(wxCommandEvent&) {
    luvo::ChooseFileInto(this, result3dFileLabel, luvo::ResultFileChoice(wxS("3D.dat")));
}

void VlmDiscretisationFrame::OnChooseCpFile(wxCommandEvent&) {
    luvo::ChooseFileInto(this, cpFileLabel, luvo::ResultFileChoice(wxS("cp-x.dat")));
}

void VlmDiscretisationFrame::OnChooseCaFile(wxCommandEvent&) {
    luvo::ChooseFileInto(this, caFileLabel, luvo::ResultFileChoice(wxS("ca-y.dat")));
}

bool VlmDiscretisationFrame::PassStartChecks() {
    // Counts are whole numbers before anything is derived from them (15.5 per half is 15).
    const double nx = std::trunc(chordwiseCountField->Number());
    const double perHalf = std::trunc(spanwiseCountField->Number());
    std::vector<luvo::RangeCheck> checks = {
        {nx, 2, kOpen,
         "Die Wirbelzahl in x-Richtung ist zu niedrig:\n\n2 <= Wirbelzahl in x-Richtung \n"},
        {perHalf, 2, kOpen,
         "Die Wirbelzahl in y-Richtung ist zu niedrig:\n\n2 <= Wirbelzahl in y-Richtung \n"},
        {nx, -kOpen, 100,
         "Die Wirbelzahl in x-Richtung ist zu hoch:\n\nWirbelzahl in x-Richtung <= 100\n"},
        {perHalf, -kOpen, 100,
         "Die Wirbelzahl in y-Richtung ist zu hoch:\n\nWirbelzahl in y-Richtung <= 100\n"},
        {2 * nx * perHalf, -kOpen, 8000,
         "Die Gesamtzahl aller Wirbel ist zu hoch:\n\n2*nx*ny <= 8000\n"},
        luvo::BirnbaumCountCheck(std::trunc(birnbaumCountField->Number())),
    };
    // A relaxed wake without iterations would report circulations that were never computed.
    if (wakeRadioBox->GetSelection() == 1) {
        checks.push_back(luvo::IterationCountCheck(std::trunc(iterationsField->Number())));
    }
    if (!luvo::PassRangeChecks(this, checks)) return false;
    // The wing comes from the geometry window as it stands now, checked again: its fields may
    // have changed since "&Weiter".
    if (!VlmGeometryOpen || VlmGeometryWindow == nullptr) {
        luvo::ShowErrorBox(
            this, wxS("Die Flügelgeometrie fehlt:\n\nDas Geometriefenster ist geschlossen.\n"),
            wxString::FromUTF8(luvo::kInvalidInputCaption));
        return false;
    }
    return VlmGeometryWindow->PassChecks(this);
}

void VlmDiscretisationFrame::OnStart(wxCommandEvent&) {
    // A start while a run is under way (its pause dispatches events) does nothing.
    if (VlmRunActive) return;
    if (!PassStartChecks()) return;
    Run();
}

// clang-format off
wxBEGIN_EVENT_TABLE(VlmDiscretisationFrame, luvo::LuvoFrame)
    EVT_MENU(luvo::kIdMenuClose, VlmDiscretisationFrame::OnCloseCommand)
    EVT_MENU(luvo::kIdMenuInfo, VlmDiscretisationFrame::OnInfo)
    EVT_SLIDER(VlmDiscretisationFrame::kIdSlider, VlmDiscretisationFrame::OnSlider)
    EVT_BUTTON(luvo::kIdButtonStart, VlmDiscretisationFrame::OnStart)
    EVT_BUTTON(VlmDiscretisationFrame::kIdChoose3d, VlmDiscretisationFrame::OnChoose3dFile)
    EVT_BUTTON(VlmDiscretisationFrame::kIdChooseCp, VlmDiscretisationFrame::OnChooseCpFile)
    EVT_BUTTON(VlmDiscretisationFrame::kIdChooseCa, VlmDiscretisationFrame::OnChooseCaFile)
    EVT_RADIOBOX(VlmDiscretisationFrame::kIdWakeRadio, VlmDiscretisationFrame::OnWakeRadioBox)
    EVT_CLOSE(VlmDiscretisationFrame::OnClose)
wxEND_EVENT_TABLE()
