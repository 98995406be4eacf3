#include "etl/EtlGridInputFrame.h"

#include <wx/statbox.h>

#include <optional>

#include "common/FileChooser.h"
#include "common/WxFileName.h"
#include "etl/EtlGridFile.h"
#include "etl/EtlModule.h"
#include "etl/EtlResultsFrame.h"
#include "etl/EtlRuns.h"

namespace {

const wxString kReady = wxS("Rechnung starten");

}  // namespace

EtlGridInputFrame::EtlGridInputFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                                     long style)
    : luvo::LuvoFrame(title, pos, size, luvo::FileMenu::Close, 2, style) {
    panel = GetPanel();
    new wxStaticBox(panel, wxID_ANY, wxS("Auswahl der Flügelnetzdatei:"), wxPoint(10, 10),
                    wxSize(390, 45));
    new wxStaticBox(panel, wxID_ANY, wxS("Auswahl der Ergebnisdatei 'GammaUndCa':"),
                    wxPoint(10, 60), wxSize(390, 45));
    sideslipField =
        new EtlSideslipField(panel, wxID_ANY, wxS("0.0"), wxPoint(220, 110), wxSize(30, -1));
    sideslipField->SetToolTip(wxS("-30 < Schiebewinkel < 30"));
    new wxStaticText(panel, wxID_ANY, wxS("Schiebewinkel beta [°]:"), wxPoint(30, 114));
    gridFileLabel = new wxStaticText(panel, wxID_ANY, wxS("grid.fde"), wxPoint(120, 31));
    resultFileLabel = new wxStaticText(panel, wxID_ANY, wxS("Zirkulation.dat"), wxPoint(120, 81));
    chooseGridButton = new wxButton(panel, kIdChooseGrid, wxS("&Datei wählen"), wxPoint(20, 26));
    chooseGridButton->SetToolTip(wxS("Netzdatei auswählen"));
    chooseResultButton =
        new wxButton(panel, kIdChooseResult, wxS("D&atei wählen"), wxPoint(20, 76));
    chooseResultButton->SetToolTip(wxS("Festlegen des Dateinamens für die Ergebnisse"));
    startButton = new wxButton(panel, luvo::kIdButtonStart, wxS("&Starten"), wxPoint(100, 156));
    cancelButton = new wxButton(panel, luvo::kIdButtonClose, wxS("A&bbrechen"), wxPoint(220, 156));
    cancelButton->SetToolTip(wxS("Abbrechen"));
    SetStatusText(kReady, 0);
    errorFlag = 0;
}

void EtlGridInputFrame::CloseWindow() {
    // Only the module's own window is the open one.
    if (EtlGridInputWindow == this) EtlGridInputOpen = false;
    Destroy();
}

void EtlGridInputFrame::OnClose(wxCloseEvent&) { CloseWindow(); }

void EtlGridInputFrame::OnCloseCommand(wxCommandEvent&) { CloseWindow(); }

void EtlGridInputFrame::OnInfo(wxCommandEvent&) {
    SetStatusText(wxS("Gewählt: Info"), 0);
    luvo::ShowInfoBox(
        this,
        wxS("Es können Gitterdateien im ASCII Format eingelesen werden.\nDazu ist die "
            "entsprechende Datei auszuwählen, sowie die Bezeichnung\nder Ergebnisdatei. Die "
            "Ergebnisse werden auch als ASCII Dateien\nausgegeben, die beispielsweise mit "
            "Tecplot ausgewertet werden können.\n\n"),
        wxS("Info Datei einlesen"));
    SetStatusText(wxS("Auswahl der Dateinamen"), 0);
}

void EtlGridInputFrame::OnChooseGridFile(wxCommandEvent&) {
    luvo::ChooseFileInto(this, gridFileLabel, luvo::GridFileChoice(wxS("grid.fde"), wxS("*.fde")));
}

void EtlGridInputFrame::OnChooseResultFile(wxCommandEvent&) {
    luvo::ChooseFileInto(this, resultFileLabel, luvo::ResultFileChoice(wxS("Zirkulation.dat")));
}

void EtlGridInputFrame::ReadGridHeader() {
    const std::optional<EtlGridHeader> header =
        ReadEtlGridHeader(luvo::FileSystemName(EtlGridFileName));
    if (!header) {
        errorFlag = 1;
        return;
    }
    EtlGridSpan = header->span;
    EtlGridLiftSlopeFactor = header->liftSlopeFactor;
    EtlGridRootChord = header->rootChord;
    EtlGridRootAngle = header->rootAngle;
}

void EtlGridInputFrame::ShowReadError() {
    SetStatusText(wxS("Fehler!"), 0);
    luvo::ShowErrorBox(this,
                       wxS("Fehler beim Einlesen der Datei!\nDateiformat falsch oder Datei nicht "
                           "vorhanden.\n"),
                       wxS("Fehler beim Einlesen der Datei"));
    SetStatusText(kReady, 0);
}

void EtlGridInputFrame::OnStart(wxCommandEvent&) {
    SetStatusText(wxS("Rechnung läuft"), 0);
    // The sweep matrix takes the sideslip with the opposite sign of the typed one.
    const double beta = -sideslipField->Number();
    // The names stand from now on, also when the run then fails.
    EtlGridFileName = gridFileLabel->GetLabel();
    EtlGridResultFileName = resultFileLabel->GetLabel();

    errorFlag = 0;
    ReadGridHeader();
    if (errorFlag == 1) {
        ShowReadError();
        return;
    }
    // A table that ends early or holds a word that is no number fails like a wrong header: no
    // record is installed, no file written and no results window opened.
    std::shared_ptr<EtlSolver> record = EtlSolveGridFile(
        luvo::FileSystemName(EtlGridFileName),
        EtlGridHeader{EtlGridSpan, EtlGridLiftSlopeFactor, EtlGridRootChord, EtlGridRootAngle},
        beta);
    if (!record) {
        errorFlag = 1;
        ShowReadError();
        return;
    }
    EtlCurrentSolver = record;

    SetStatusText(wxS("Ergebnisse werden in Datei geschrieben..."), 0);
    const bool written = record->WriteCirculationFile(luvo::FileSystemName(EtlGridResultFileName));
    SetStatusText(wxS("Rechnung beendet!"), 0);

    auto* results = new EtlResultsFrame(wxS("Ergebnisse"), wxDefaultPosition, wxSize(640, 390));
    EtlResultsWindow = results;
    results->ShowResults(record);
    results->Centre(wxBOTH);
    results->Show(true);
    if (!written) luvo::ShowUnwrittenFilesBox(results, {EtlGridResultFileName});
    CloseWindow();
}

// clang-format off
wxBEGIN_EVENT_TABLE(EtlGridInputFrame, luvo::LuvoFrame)
    EVT_MENU(luvo::kIdMenuClose, EtlGridInputFrame::OnCloseCommand)
    EVT_BUTTON(luvo::kIdButtonClose, EtlGridInputFrame::OnCloseCommand)
    EVT_CLOSE(EtlGridInputFrame::OnClose)
    EVT_MENU(luvo::kIdMenuInfo, EtlGridInputFrame::OnInfo)
    EVT_BUTTON(EtlGridInputFrame::kIdChooseGrid, EtlGridInputFrame::OnChooseGridFile)
    EVT_BUTTON(EtlGridInputFrame::kIdChooseResult, EtlGridInputFrame::OnChooseResultFile)
    EVT_BUTTON(luvo::kIdButtonStart, EtlGridInputFrame::OnStart)
wxEND_EVENT_TABLE()
