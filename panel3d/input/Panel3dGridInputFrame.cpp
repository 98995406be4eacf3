#include "panel3d/input/Panel3dGridInputFrame.h"

#include <wx/statbox.h>

#include <vector>

#include "common/FileChooser.h"
#include "common/RangeCheck.h"
#include "common/RangeCheckBox.h"
#include "common/WxFileName.h"
#include "panel3d/input/Panel3dFlowState.h"
#include "panel3d/input/Panel3dInputModule.h"
#include "panel3d/input/Panel3dRunWindows.h"
#include "panel3d/solver/Panel3dModule.h"
#include "panel3d/solver/Panel3dRun.h"

namespace {

const wxString kReady = wxS("Rechnung starten");

}  // namespace

Panel3dGridInputFrame::Panel3dGridInputFrame(const wxString& title, const wxPoint& pos,
                                             const wxSize& size, long style,
                                             std::shared_ptr<Panel3dPolarEvaluator> evaluator)
    : luvo::LuvoFrame(title, pos, size, luvo::FileMenu::Close, 2, style),
      evaluator_(std::move(evaluator)) {
    struct FileRow {
        const wchar_t* box;
        int id;
        const wchar_t* button;
        const wchar_t* tip;
        const wchar_t* name;
        wxButton** buttonOut;
        wxStaticText** labelOut;
    };
    const FileRow files[] = {
        {L"Auswahl der Flügelnetzdatei:", kIdChooseGrid, L"&Datei wählen", L"Netzdatei auswählen",
         L"grid.fdp", &chooseGridButton, &gridFileLabel},
        {L"Auswahl der Ergebnisdatei 3D:", kIdChoose3d, L"D&atei wählen",
         L"Festlegen des Dateinamens für 3D-Ergebnisdaten", L"3D.dat", &choose3dButton,
         &result3dFileLabel},
        {L"Auswahl der Ergebnisdatei cp über x:", kIdChooseCp, L"Da&tei wählen",
         L"Festlegen des Dateinamens für cp-Verlauf", L"cp-x.dat", &chooseCpButton,
         &resultCpFileLabel},
        {L"Auswahl der Ergebnisdatei ca über y:", kIdChooseCa, L"Dat&ei wählen",
         L"Festlegen des Dateinamens für ca-Verlauf", L"ca-y.dat", &chooseCaButton,
         &resultCaFileLabel},
    };
    int y = 10;
    for (const FileRow& row : files) {
        const luvo::FileChooserRow chooser =
            luvo::AddFileChooserRow(panel_, y, row.id, row.box, row.button, row.tip, row.name);
        *row.buttonOut = chooser.button;
        *row.labelOut = chooser.label;
        y += 50;
    }

    struct FieldRow {
        const wchar_t* label;
        const wchar_t* initial;
        const wchar_t* tip;
        Panel3dInputField** out;
    };
    const FieldRow fieldRows[] = {
        {L"Schiebewinkel beta [°]:", L"0.0", L"-30 < Schiebewinkel < 30", &sideslipField},
        {L"Anzahl der Iterationen:", L"0", L"Anzahl der Iterationen eingeben", &iterationField},
        {L"Dämpfungsradius:", L"1.0", L"Dämpfradius als Vielfaches der größten Paneldiagonale",
         &coreRadiusField},
    };
    new wxStaticBox(panel_, wxID_ANY, wxS("Eingabe weiterer Parameter:"), wxPoint(10, y),
                    wxSize(390, 24 + 3 * 28));
    for (int k = 0; k < 3; ++k) {
        const int rowY = y + 20 + 28 * k;
        new wxStaticText(panel_, wxID_ANY, fieldRows[k].label, wxPoint(20, rowY + 4));
        *fieldRows[k].out = new Panel3dInputField(panel_, wxID_ANY, fieldRows[k].initial,
                                                  wxPoint(250, rowY), wxSize(140, -1));
        (*fieldRows[k].out)->SetToolTip(fieldRows[k].tip);
    }
    iterationField->Enable(false);
    coreRadiusField->Enable(false);
    y += 24 + 3 * 28 + 6;

    const wxString wakes[] = {wxS("Nachlauf eben"), wxS("Nachlauf relaxiert")};
    wakeRadio = new wxRadioBox(panel_, kIdWakeRadio, wxS("Nachlauf:"), wxPoint(10, y),
                               wxSize(190, -1), 2, wakes, 1, wxRA_SPECIFY_COLS);
    wakeRadio->SetSelection(0);
    startButton = new wxButton(panel_, luvo::kIdButtonStart, wxS("&Starten"), wxPoint(215, y + 22));
    cancelButton =
        new wxButton(panel_, luvo::kIdButtonClose, wxS("A&bbrechen"), wxPoint(310, y + 22));
    cancelButton->SetToolTip(wxS("Abbrechen"));
    SetStatusText(kReady, 0);
}

void Panel3dGridInputFrame::CloseWindow() {
    // Only the module's own window is the open one.
    if (Panel3dGridInputWindow == this) Panel3dGridInputOpen = false;
    Destroy();
}

void Panel3dGridInputFrame::OnClose(wxCloseEvent& event) {
    // A run destroys the window itself when it ends.
    if (!Panel3dRefuseCloseDuringRun(event)) CloseWindow();
}

void Panel3dGridInputFrame::OnCloseCommand(wxCommandEvent&) {
    if (!Panel3dRunActive) CloseWindow();
}

void Panel3dGridInputFrame::OnInfo(wxCommandEvent&) {
    SetStatusText(wxS("Gewählt: Info"), 0);
    luvo::ShowInfoBox(
        this,
        wxS("Es können Gitterdateien im ASCII Format eingelesen werden.\n"
            "Dazu ist die entsprechende Datei auszuwählen, sowie die Bezeichnungen\n"
            "der Ergebnisdateien. Die Ergebnisse werden als ASCII Dateien\n"
            "ausgegeben, die beispielsweise mit Tecplot ausgewertet werden können.\n\n"
            "Über die Eingabefelder werden die aerodynamischen Daten eingegeben,\n"
            "sowie Angaben zur Relaxation gemacht. Der Dämpfungsradius wird als\n"
            "Vielfaches der größten Paneldiagonalen des Flügels eingegeben.\n"),
        wxS("Info Datei einlesen"));
    SetStatusText(wxS("Festlegen der Strömung, Auswahl der Dateinamen"), 0);
}

void Panel3dGridInputFrame::OnChooseGridFile(wxCommandEvent&) {
    luvo::ChooseFileInto(this, gridFileLabel, luvo::GridFileChoice(wxS("grid.fdp"), wxS("*.fdp")));
}

void Panel3dGridInputFrame::OnChoose3dFile(wxCommandEvent&) {
    luvo::ChooseFileInto(this, result3dFileLabel, luvo::ResultFileChoice(wxS("3D.dat")));
}

void Panel3dGridInputFrame::OnChooseCpFile(wxCommandEvent&) {
    luvo::ChooseFileInto(this, resultCpFileLabel, luvo::ResultFileChoice(wxS("cp-x.dat")));
}

void Panel3dGridInputFrame::OnChooseCaFile(wxCommandEvent&) {
    luvo::ChooseFileInto(this, resultCaFileLabel, luvo::ResultFileChoice(wxS("ca-y.dat")));
}

void Panel3dGridInputFrame::OnWakeRadioBox(wxCommandEvent&) {
    wakeMode = wakeRadio->GetSelection();
    const bool relaxed = wakeMode == 1;
    // The core-radius factor keeps its text either way.
    iterationField->SetValue(relaxed ? wxS("8") : wxS("0"));
    iterationField->Enable(relaxed);
    coreRadiusField->Enable(relaxed);
}

void Panel3dGridInputFrame::OnStart(wxCommandEvent&) {
    if (Panel3dRunActive) return;
    std::vector<luvo::RangeCheck> checks = {
        {Panel3dCurrentFlowState.alphaStar, -10.0, 10.0,
         "Der Wert des Anströmwinkels liegt in einem unzulässigen Bereich:\n\n"
         "-10 <= Anströmwinkel <= 10\n"},
        {sideslipField->Number(), -30.0, 30.0,
         "Der Wert des Schiebewinkels liegt in einem unzulässigen Bereich:\n\n"
         "-30 <= Schiebewinkel <= 30\n"},
    };
    // A relaxed wake is solved only inside its relaxation steps: without one there would be no
    // solution to report.
    if (wakeRadio->GetSelection() == 1) {
        checks.push_back(luvo::IterationCountCheck(iterationField->Number()));
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
    settings.flow = Panel3dCurrentFlowState;
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

// clang-format off
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
