#include "vlm/VlmGridInputFrame.h"

#include <wx/statbox.h>

#include <cmath>

#include "common/FileChooser.h"
#include "common/RangeCheckBox.h"
#include "vlm/VlmModule.h"

namespace {

// A field of the parameter box: its label at (30, y + 3), the field 30 pixels wide at (220, y).
VlmInputField* AddField(wxWindow* panel, int y, const wxString& label, const wxString& value,
                        const wxString& toolTip) {
    new wxStaticText(panel, wxID_ANY, label, wxPoint(30, y + 3));
    auto* field = new VlmInputField(panel, wxID_ANY, value, wxPoint(220, y), wxSize(30, -1));
    if (!toolTip.empty()) field->SetToolTip(toolTip);
    return field;
}

}  // namespace

VlmGridInputFrame::VlmGridInputFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                                     long style)
    : luvo::LuvoFrame(title, pos, size, luvo::FileMenu::Close, 2, style) {
    panel = GetPanel();
    SetStatusText(wxS("Rechnung starten"), 0);

    const luvo::FileChooserRow grid =
        luvo::AddFileChooserRow(panel, 10, kIdChooseGrid, wxS("Auswahl der Flügelnetzdatei:"),
                                wxS("&Datei wählen"), wxS("Netzdatei auswählen"), wxS("grid.fdw"));
    const luvo::FileChooserRow result3d = luvo::AddFileChooserRow(
        panel, 60, kIdChoose3d, wxS("Auswahl der Ergebnisdatei 3D:"), wxS("D&atei wählen"),
        wxS("Festlegen des Dateinamens für 3D-Ergebnisdaten"), wxS("3D.dat"));
    const luvo::FileChooserRow cp = luvo::AddFileChooserRow(
        panel, 110, kIdChooseCp, wxS("Auswahl der Ergebnisdatei cp über x:"), wxS("Da&tei wählen"),
        wxS("Festlegen des Dateinamens für cp-Verlauf"), wxS("cp-x.dat"));
    const luvo::FileChooserRow ca = luvo::AddFileChooserRow(
        panel, 160, kIdChooseCa, wxS("Auswahl der Ergebnisdatei ca über y:"), wxS("Dat&ei wählen"),
        wxS("Festlegen des Dateinamens für ca-Verlauf"), wxS("ca-y.dat"));
    chooseGridButton = grid.button;
    gridFileLabel = grid.label;
    choose3dButton = result3d.button;
    result3dFileLabel = result3d.label;
    chooseCpButton = cp.button;
    cpFileLabel = cp.label;
    chooseCaButton = ca.button;
    caFileLabel = ca.label;

    new wxStaticBox(panel, wxID_ANY, wxS("Eingabe weiterer Parameter:"), wxPoint(10, 210),
                    wxSize(390, 150));
    alphaField = AddField(panel, 230, wxS("Anströmwinkel alfa* [°]:"), wxS("2.5"),
                          wxS("-10 < Anströmwinkel < 10"));
    betaField = AddField(panel, 255, wxS("Schiebewinkel beta [°]:"), wxS("0.0"),
                         wxS("-30 < Schiebewinkel < 30"));
    birnbaumCountField =
        AddField(panel, 280, wxS("Anzahl der Birnbaumkoeffizienten [-]:"), wxS("21"), wxString());
    iterationsField = AddField(panel, 305, wxS("Anzahl der Iterationen:"), wxS("0"),
                               wxS("Anzahl der Iterationen eingeben"));
    dampingFactorField =
        AddField(panel, 330, wxS("Dämpfungsradius:"), wxS("1"),
                 wxS("Dämpfradius als Vielfaches der größten Elementarflügeldiagonale"));
    // The flat wake is chosen at start: the relaxation inputs wait for the relaxed one.
    iterationsField->Enable(false);
    dampingFactorField->Enable(false);

    const wxString wakes[] = {wxS("Nachlauf eben"), wxS("Nachlauf relaxiert")};
    wakeRadioBox = new wxRadioBox(panel, kIdWakeRadio, wxS("Nachlauf:"), wxPoint(275, 240),
                                  wxDefaultSize, 2, wakes, 1, wxRA_SPECIFY_COLS);
    wakeRadioBox->SetSelection(0);

    startButton = new wxButton(panel, luvo::kIdButtonStart, wxS("&Starten"), wxPoint(100, 375));
    cancelButton = new wxButton(panel, luvo::kIdButtonClose, wxS("A&bbrechen"), wxPoint(220, 375));
    cancelButton->SetToolTip(wxS("Abbrechen"));
    headerError = 0;
}

void VlmGridInputFrame::CloseWindow() {
    // Only the module's own window is the open one.
    if (VlmGridInputWindow == this) VlmGridInputOpen = false;
    Destroy();
}

void VlmGridInputFrame::OnClose(wxCloseEvent& event) {
    if (VlmRunActive && event.CanVeto()) {
        event.Veto();
        return;
    }
    CloseWindow();
}

void VlmGridInputFrame::OnCloseCommand(wxCommandEvent&) {
    if (!VlmRunActive) CloseWindow();
}

void VlmGridInputFrame::OnInfo(wxCommandEvent&) {
    SetStatusText(wxS("Gewählt: Info"), 0);
    luvo::ShowInfoBox(
        this,
        wxS("Es können Gitterdateien im ASCII Format eingelesen werden.\nDazu ist die "
            "entsprechende Datei auszuwählen, sowie die Bezeichnungen\nder Ergebnisdateien. Die "
            "Ergebnisse werden auch als ASCII Dateien\nausgegeben, die beispielsweise mit "
            "Tecplot ausgewertet werden können.\n\nÜber die Eingabefelder werden die "
            "aerodynamischen Daten eingegeben\nsowie Angaben zur Relaxation gemacht. Der "
            "Dämpfungsradius wird als\nVielfaches der größten Elementarflügeldiagonale des "
            "Flügels eingegeben.\n"),
        wxS("Info Datei einlesen"));
    SetStatusText(wxS("Festlegen der Strömung, Auswahl der Dateinamen"), 0);
}

void VlmGridInputFrame::OnWakeRadioBox(wxCommandEvent&) {
    const bool relaxed = wakeRadioBox->GetSelection() == 1;
    iterationsField->SetValue(relaxed ? wxS("8") : wxS("0"));
    iterationsField->Enable(relaxed);
    dampingFactorField->Enable(relaxed);
}

void VlmGridInputFrame::OnChooseGridFile(wxCommandEvent&) {
    luvo::ChooseFileInto(this, gridFileLabel, luvo::GridFileChoice(wxS("grid.fdw"), wxS("*.fdw")));
}

void VlmGridInputFrame::OnChoose3dFile(wxCommandEvent&) {
    luvo::ChooseFileInto(this, result3dFileLabel, luvo::ResultFileChoice(wxS("3D.dat")));
}

void VlmGridInputFrame::OnChooseCpFile(wxCommandEvent&) {
    luvo::ChooseFileInto(this, cpFileLabel, luvo::ResultFileChoice(wxS("cp-x.dat")));
}

void VlmGridInputFrame::OnChooseCaFile(wxCommandEvent&) {
    luvo::ChooseFileInto(this, caFileLabel, luvo::ResultFileChoice(wxS("ca-y.dat")));
}

void VlmGridInputFrame::OnStart(wxCommandEvent&) {
    // A start while a run is under way (its pause dispatches events) does nothing.
    if (VlmRunActive) return;
    std::vector<luvo::RangeCheck> checks = {
        {alphaField->Number(), -10, 10,
         "Der Wert des Anströmwinkels liegt in einem unzulässigen Bereich:\n\n"
         "-10 <= Anströmwinkel <= 10\n"},
        {betaField->Number(), -30, 30,
         "Der Wert des Schiebewinkels liegt in einem unzulässigen Bereich:\n\n"
         "-30 <= Schiebewinkel <= 30\n"},
        luvo::BirnbaumCountCheck(birnbaumCountField->Number()),
    };
    // A relaxed wake without iterations would report circulations that were never computed.
    if (wakeRadioBox->GetSelection() == 1) {
        checks.push_back(luvo::IterationCountCheck(std::trunc(iterationsField->Number())));
    }
    if (!luvo::PassRangeChecks(this, checks)) return;
    RunFromGridFile();
}

// clang-format off
wxBEGIN_EVENT_TABLE(VlmGridInputFrame, luvo::LuvoFrame)
    EVT_MENU(luvo::kIdMenuClose, VlmGridInputFrame::OnCloseCommand)
    EVT_MENU(luvo::kIdMenuInfo, VlmGridInputFrame::OnInfo)
    EVT_BUTTON(VlmGridInputFrame::kIdChooseGrid, VlmGridInputFrame::OnChooseGridFile)
    EVT_BUTTON(VlmGridInputFrame::kIdChoose3d, VlmGridInputFrame::OnChoose3dFile)
    EVT_BUTTON(VlmGridInputFrame::kIdChooseCp, VlmGridInputFrame::OnChooseCpFile)
    EVT_BUTTON(VlmGridInputFrame::kIdChooseCa, VlmGridInputFrame::OnChooseCaFile)
    EVT_BUTTON(luvo::kIdButtonClose, VlmGridInputFrame::OnCloseCommand)
    EVT_BUTTON(luvo::kIdButtonStart, VlmGridInputFrame::OnStart)
    EVT_RADIOBOX(VlmGridInputFrame::kIdWakeRadio, VlmGridInputFrame::OnWakeRadioBox)
    EVT_CLOSE(VlmGridInputFrame::OnClose)
wxEND_EVENT_TABLE()
