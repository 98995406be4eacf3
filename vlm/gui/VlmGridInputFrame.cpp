#include "vlm/gui/VlmGridInputFrame.h"

#include <cmath>

#include "common/gui/GridInputLayout.h"
#include "common/gui/RangeCheckBox.h"
#include "common/gui/SingleWindow.h"
#include "vlm/gui/VlmModule.h"

namespace {

const wxString kInfo =
    wxS("Es können Gitterdateien im ASCII Format eingelesen werden.\nDazu ist die "
        "entsprechende Datei auszuwählen, sowie die Bezeichnungen\nder Ergebnisdateien. Die "
        "Ergebnisse werden auch als ASCII Dateien\nausgegeben, die beispielsweise mit "
        "Tecplot ausgewertet werden können.\n\nÜber die Eingabefelder werden die "
        "aerodynamischen Daten eingegeben\nsowie Angaben zur Relaxation gemacht. Der "
        "Dämpfungsradius wird als\nVielfaches der größten Elementarflügeldiagonale des "
        "Flügels eingegeben.\n");

}  // namespace

VlmGridInputFrame::VlmGridInputFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                                     long style)
    : luvo::LuvoFrame(title, pos, size, luvo::FileMenu::Close, 2, style) {
    panel = GetPanel();
    SetStatusText(wxS("Rechnung starten"), 0);

    luvo::GridInputLayout layout;
    layout.firstFileId = kIdChooseGrid;
    layout.gridFileName = wxS("grid.fdw");
    // The flat wake is chosen at start: the relaxation inputs wait for the relaxed one.
    layout.fields = {
        {wxS("Anströmwinkel alfa* [°]:"), wxS("2.5"), wxS("-10 < Anströmwinkel < 10")},
        {wxS("Schiebewinkel beta [°]:"), wxS("0.0"), wxS("-30 < Schiebewinkel < 30")},
        {wxS("Anzahl der Birnbaumkoeffizienten [-]:"), wxS("21")},
        {wxS("Anzahl der Iterationen:"), wxS("0"), wxS("Anzahl der Iterationen eingeben"), false},
        {wxS("Dämpfungsradius:"), wxS("1"),
         wxS("Dämpfradius als Vielfaches der größten Elementarflügeldiagonale"), false},
    };
    layout.columns = {230, 25, 30, 3, 220, 30};
    layout.boxHeight = 150;
    layout.wakeId = kIdWakeRadio;
    layout.wakeAt = wxPoint(275, 240);
    layout.startAt = wxPoint(100, 375);
    layout.cancelAt = wxPoint(220, 375);
    const luvo::GridInputControls controls = luvo::BuildGridInputWindow(panel, layout);

    chooseGridButton = controls.grid.button;
    gridFileLabel = controls.grid.label;
    luvo::Unpack(controls.results, choose3dButton, result3dFileLabel, chooseCpButton, cpFileLabel,
                 chooseCaButton, caFileLabel);
    alphaField = controls.fields[0];
    betaField = controls.fields[1];
    birnbaumCountField = controls.fields[2];
    iterationsField = controls.fields[3];
    dampingFactorField = controls.fields[4];
    wakeRadioBox = controls.wake;
    startButton = controls.start;
    cancelButton = controls.cancel;
    headerError = 0;
}

void VlmGridInputFrame::CloseWindow() {
    // Only the module's own window is the open one.
    luvo::ReleaseIfHeld(vlm::VlmGridInputWindow, this);
    Destroy();
}

void VlmGridInputFrame::OnClose(wxCloseEvent& event) {
    if (vlm::VlmRunActive && event.CanVeto()) {
        event.Veto();
        return;
    }
    CloseWindow();
}

void VlmGridInputFrame::OnCloseCommand(wxCommandEvent&) {
    if (!vlm::VlmRunActive) CloseWindow();
}

void VlmGridInputFrame::OnInfo(wxCommandEvent&) { luvo::ShowGridInputInfo(this, kInfo); }

void VlmGridInputFrame::OnWakeRadioBox(wxCommandEvent&) {
    luvo::ApplyWakeChoice(wakeRadioBox->GetSelection(), iterationsField, dampingFactorField);
}

void VlmGridInputFrame::OnChooseGridFile(wxCommandEvent&) {
    luvo::ChooseGridFile(this, gridFileLabel, wxS("grid.fdw"));
}

void VlmGridInputFrame::OnChoose3dFile(wxCommandEvent&) {
    luvo::ChooseResultFile(this, result3dFileLabel, luvo::ResultFile::Wing3d);
}

void VlmGridInputFrame::OnChooseCpFile(wxCommandEvent&) {
    luvo::ChooseResultFile(this, cpFileLabel, luvo::ResultFile::CpOverX);
}

void VlmGridInputFrame::OnChooseCaFile(wxCommandEvent&) {
    luvo::ChooseResultFile(this, caFileLabel, luvo::ResultFile::CaOverY);
}

void VlmGridInputFrame::OnStart(wxCommandEvent&) {
    // A start while a run is under way (its pause dispatches events) does nothing.
    if (vlm::VlmRunActive) return;
    std::vector<luvo::RangeCheck> checks =
        luvo::FlowAngleChecks(alphaField->CheckValue(), betaField->CheckValue());
    checks.push_back(luvo::BirnbaumCountCheck(birnbaumCountField->CheckValue()));
    // A relaxed wake without iterations would report circulations that were never computed.
    if (wakeRadioBox->GetSelection() == 1) {
        checks.push_back(luvo::IterationCountCheck(std::trunc(iterationsField->CheckValue())));
    }
    if (!luvo::PassRangeChecks(this, checks)) return;
    RunFromGridFile();
}

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

bool vlm::VlmGridInputOpen() { return luvo::IsLiveWindow(vlm::VlmGridInputWindow); }
