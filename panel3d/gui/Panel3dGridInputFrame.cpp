#include "panel3d/gui/Panel3dGridInputFrame.h"

#include <vector>

#include "common/core/RangeCheck.h"
#include "common/gui/GridInputLayout.h"
#include "common/gui/RangeCheckBox.h"
#include "common/gui/SingleWindow.h"
#include "common/gui/WxFileName.h"
#include "panel3d/core/Panel3dFlowState.h"
#include "panel3d/core/Panel3dModule.h"
#include "panel3d/core/Panel3dRun.h"
#include "panel3d/gui/Panel3dInputModule.h"
#include "panel3d/gui/Panel3dRunWindows.h"

namespace {

const wxString kInfo =
    wxS("Es können Gitterdateien im ASCII Format eingelesen werden.\n"
        "Dazu ist die entsprechende Datei auszuwählen, sowie die Bezeichnungen\n"
        "der Ergebnisdateien. Die Ergebnisse werden als ASCII Dateien\n"
        "ausgegeben, die beispielsweise mit Tecplot ausgewertet werden können.\n\n"
        "Über die Eingabefelder werden die aerodynamischen Daten eingegeben,\n"
        "sowie Angaben zur Relaxation gemacht. Der Dämpfungsradius wird als\n"
        "Vielfaches der größten Paneldiagonalen des Flügels eingegeben.\n");

const wxString kReady = wxS("Rechnung starten");

}  // namespace

Panel3dGridInputFrame::Panel3dGridInputFrame(const wxString& title, const wxPoint& pos,
                                             const wxSize& size, long style,
                                             std::shared_ptr<Panel3dPolarEvaluator> evaluator)
    : luvo::LuvoFrame(title, pos, size, luvo::FileMenu::Close, 2, style),
      evaluator_(std::move(evaluator)) {
    luvo::GridInputLayout layout;
    layout.firstFileId = kIdChooseGrid;
    layout.gridFileName = wxS("grid.fdp");
    layout.fields = {
        {wxS("Schiebewinkel beta [°]:"), wxS("0.0"), wxS("-30 < Schiebewinkel < 30")},
        {wxS("Anzahl der Iterationen:"), wxS("0"), wxS("Anzahl der Iterationen eingeben"), false},
        {wxS("Dämpfungsradius:"), wxS("1.0"),
         wxS("Dämpfradius als Vielfaches der größten Paneldiagonale"), false},
    };
    // Wide fields 28 pixels apart in a box that just holds them; the radio box and the buttons
    // share the row below it.
    layout.columns = {230, 28, 20, 4, 250, 140};
    layout.boxHeight = 24 + 3 * 28;
    layout.wakeId = kIdWakeRadio;
    const int below = 210 + layout.boxHeight + 6;
    layout.wakeAt = wxPoint(10, below);
    layout.wakeSize = wxSize(190, -1);
    layout.startAt = wxPoint(215, below + 22);
    layout.cancelAt = wxPoint(310, below + 22);
    const luvo::GridInputControls controls = luvo::BuildGridInputWindow(panel_, layout);

    chooseGridButton = controls.grid.button;
    gridFileLabel = controls.grid.label;
    luvo::Unpack(controls.results, choose3dButton, result3dFileLabel, chooseCpButton,
                 resultCpFileLabel, chooseCaButton, resultCaFileLabel);
    sideslipField = controls.fields[0];
    iterationField = controls.fields[1];
    coreRadiusField = controls.fields[2];
    wakeRadio = controls.wake;
    startButton = controls.start;
    cancelButton = controls.cancel;
    SetStatusText(kReady, 0);
}

void Panel3dGridInputFrame::CloseWindow() {
    // Only the module's own window is the open one.
    luvo::ReleaseIfHeld(panel3d::Panel3dGridInputWindow, this);
    Destroy();
}

void Panel3dGridInputFrame::OnClose(wxCloseEvent& event) {
    // A run destroys the window itself when it ends.
    if (!Panel3dRefuseCloseDuringRun(event)) CloseWindow();
}

void Panel3dGridInputFrame::OnCloseCommand(wxCommandEvent&) {
    if (!panel3d::Panel3dRunActive) CloseWindow();
}

void Panel3dGridInputFrame::OnInfo(wxCommandEvent&) { luvo::ShowGridInputInfo(this, kInfo); }

void Panel3dGridInputFrame::OnChooseGridFile(wxCommandEvent&) {
    luvo::ChooseGridFile(this, gridFileLabel, wxS("grid.fdp"));
}

void Panel3dGridInputFrame::OnChoose3dFile(wxCommandEvent&) {
    luvo::ChooseResultFile(this, result3dFileLabel, luvo::ResultFile::Wing3d);
}

void Panel3dGridInputFrame::OnChooseCpFile(wxCommandEvent&) {
    luvo::ChooseResultFile(this, resultCpFileLabel, luvo::ResultFile::CpOverX);
}

void Panel3dGridInputFrame::OnChooseCaFile(wxCommandEvent&) {
    luvo::ChooseResultFile(this, resultCaFileLabel, luvo::ResultFile::CaOverY);
}

void Panel3dGridInputFrame::OnWakeRadioBox(wxCommandEvent&) {
    wakeMode = wakeRadio->GetSelection();
    // The core-radius factor keeps its text either way.
    luvo::ApplyWakeChoice(wakeMode, iterationField, coreRadiusField);
}

void Panel3dGridInputFrame::OnStart(wxCommandEvent&) {
    if (panel3d::Panel3dRunActive) return;
    std::vector<luvo::RangeCheck> checks = luvo::FlowAngleChecks(
        panel3d::Panel3dCurrentFlowState.alphaStar, sideslipField->CheckValue());
    // A relaxed wake is solved only inside its relaxation steps: without one there would be no
    // solution to report.
    if (wakeRadio->GetSelection() == 1) {
        checks.push_back(luvo::IterationCountCheck(iterationField->CheckValue()));
    }
    if (!luvo::PassRangeChecks(this, checks)) return;
    RunComputation();
}

void Panel3dGridInputFrame::ReadGridHeader() {
    const std::optional<Panel3dGridHeader> header =
        ReadPanel3dGridHeader(luvo::FileSystemName(gridFileLabel->GetLabel()));
    if (!header) {
        headerError = 1;
        return;
    }
    gridHeader = *header;
}

void Panel3dGridInputFrame::RunComputation() {
    Panel3dRunScreen screen;
    SetStatusText(wxS("Rechnung läuft"), 0);
    Panel3dGridRunSettings settings;
    settings.flow = panel3d::Panel3dCurrentFlowState;
    settings.sideslip = sideslipField->Number();
    settings.iterationCount = iterationField->Number();
    settings.dampingFactor = coreRadiusField->Number();
    settings.wakeMode = wakeRadio->GetSelection();
    wakeMode = settings.wakeMode;
    settings.gridFileName = luvo::FileSystemName(gridFileLabel->GetLabel());
    settings.result3dFileName = luvo::FileSystemName(result3dFileLabel->GetLabel());
    settings.resultCpFileName = luvo::FileSystemName(resultCpFileLabel->GetLabel());
    settings.resultCaFileName = luvo::FileSystemName(resultCaFileLabel->GetLabel());

    headerError = 0;
    ReadGridHeader();
    Panel3dRunOutcome outcome;
    if (headerError == 0) {
        luvo::WindowRunReporter reporter(this, screen.progress()->progressCanvas);
        outcome = RunPanel3dGridFile(settings, evaluator_.get(), &reporter);
    }
    if (headerError != 0 || outcome.error != Panel3dRunError::kNone) {
        screen.progress()->Hide();
        SetStatusText(wxS("Fehler!"), 0);
        screen.End();
        // A file that cannot be read or built, or too little memory, takes the file's path; a
        // polar point that cannot be solved names its own reason.
        const bool fileError = headerError != 0 || outcome.error == Panel3dRunError::kGridFile;
        if (fileError || outcome.error == Panel3dRunError::kOutOfMemory) {
            luvo::ShowErrorBox(this,
                               fileError ? wxString(wxS("Fehler beim Einlesen der Datei!\n"
                                                        "Dateiformat falsch oder Datei nicht "
                                                        "vorhanden.\n"))
                                         : Panel3dRunFailureText(outcome.error),
                               wxS("Fehler beim Einlesen der Datei"));
        } else {
            luvo::ShowErrorBox(this, Panel3dRunFailureText(outcome.error),
                               wxString::FromUTF8(luvo::kInvalidInputCaption));
        }
        SetStatusText(kReady, 0);
        return;
    }
    wxFrame* results = Panel3dOpenResultsWindow(settings.flow.taskMode, outcome, evaluator_);
    screen.End();
    CloseWindow();
    Panel3dReportUnwrittenFiles(results, outcome);
}

wxBEGIN_EVENT_TABLE(Panel3dGridInputFrame, luvo::LuvoFrame)
    EVT_MENU(luvo::kIdMenuClose, Panel3dGridInputFrame::OnCloseCommand)
    EVT_BUTTON(luvo::kIdButtonClose, Panel3dGridInputFrame::OnCloseCommand)
    EVT_CLOSE(Panel3dGridInputFrame::OnClose)
    EVT_MENU(luvo::kIdMenuInfo, Panel3dGridInputFrame::OnInfo)
    EVT_BUTTON(Panel3dGridInputFrame::kIdChooseGrid, Panel3dGridInputFrame::OnChooseGridFile)
    EVT_BUTTON(Panel3dGridInputFrame::kIdChoose3d, Panel3dGridInputFrame::OnChoose3dFile)
    EVT_BUTTON(Panel3dGridInputFrame::kIdChooseCp, Panel3dGridInputFrame::OnChooseCpFile)
    EVT_BUTTON(Panel3dGridInputFrame::kIdChooseCa, Panel3dGridInputFrame::OnChooseCaFile)
    EVT_RADIOBOX(Panel3dGridInputFrame::kIdWakeRadio, Panel3dGridInputFrame::OnWakeRadioBox)
    EVT_BUTTON(luvo::kIdButtonStart, Panel3dGridInputFrame::OnStart)
wxEND_EVENT_TABLE()

bool panel3d::Panel3dGridInputOpen() { return luvo::IsLiveWindow(panel3d::Panel3dGridInputWindow); }
