#include "llt/LltGridInputFrame.h"

#include <wx/statbox.h>

#include "common/FileChooser.h"
#include "common/WxFileName.h"
#include "llt/LltGridFile.h"
#include "llt/LltModule.h"
#include "llt/LltResultsFrame.h"

namespace {

const wxString kReady = wxS("Rechnung starten");

}  // namespace

LltGridInputFrame::LltGridInputFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                                     long style)
    : luvo::LuvoFrame(title, pos, size, luvo::FileMenu::Close, 2, style) {
    panel = GetPanel();
    // Holds nothing and lies below the buttons: it shows only in an enlarged window.
    new wxStaticBox(panel, wxID_ANY, wxS("Eingabe weiterer Parameter:"), wxPoint(10, 210),
                    wxSize(390, 150));
    new wxStaticBox(panel, wxID_ANY, wxS("Auswahl der Flügelnetzdatei:"), wxPoint(10, 10),
                    wxSize(390, 45));
    new wxStaticBox(panel, wxID_ANY, wxS("Auswahl der Ergebnisdatei 'GammaUndCa':"),
                    wxPoint(10, 60), wxSize(390, 45));
    gridFileLabel = new wxStaticText(panel, wxID_ANY, wxS("grid.fdt"), wxPoint(120, 31));
    resultFileLabel = new wxStaticText(panel, wxID_ANY, wxS("zirkulation.dat"), wxPoint(120, 81));
    chooseGridButton = new wxButton(panel, kIdChooseGrid, wxS("&Datei wählen"), wxPoint(20, 26));
    chooseGridButton->SetToolTip(wxS("Netzdatei auswählen"));
    chooseResultButton =
        new wxButton(panel, kIdChooseResult, wxS("D&atei wählen"), wxPoint(20, 76));
    chooseResultButton->SetToolTip(wxS("Festlegen des Dateinamens für die Ergebnisse"));
    startButton = new wxButton(panel, luvo::kIdButtonStart, wxS("&Starten"), wxPoint(100, 136));
    cancelButton = new wxButton(panel, luvo::kIdButtonClose, wxS("A&bbrechen"), wxPoint(220, 136));
    cancelButton->SetToolTip(wxS("Abbrechen"));
    SetStatusText(kReady, 0);
    readError = 0;
}

void LltGridInputFrame::CloseWindow() {
    // Only the module's own window is the open one.
    if (llt::gridInputFrame == this) llt::gridInputOpen = false;
    Destroy();
}

void LltGridInputFrame::OnClose(wxCloseEvent&) { CloseWindow(); }

void LltGridInputFrame::OnCloseCommand(wxCommandEvent&) { CloseWindow(); }

void LltGridInputFrame::OnInfo(wxCommandEvent&) {
    SetStatusText(wxS("Gewählt: Info"), 0);
    luvo::ShowInfoBox(
        this,
        wxS("Es können Gitterdateien im ASCII Format eingelesen werden.\nDazu ist die "
            "entsprechende Datei auszuwählen, sowie die Bezeichnungen\nder Ergebnisdateien. Die "
            "Ergebnisse werden auch als ASCII Dateien\nausgegeben, die beispielsweise mit "
            "Tecplot ausgewertet werden können.\n\n"),
        wxS("Info Datei einlesen"));
    SetStatusText(wxS("Auswahl der Dateinamen"), 0);
}

void LltGridInputFrame::OnChooseGridFile(wxCommandEvent&) {
    luvo::ChooseFileInto(this, gridFileLabel, luvo::GridFileChoice(wxS("grid.fdt"), wxS("*.fdt")));
}

void LltGridInputFrame::OnChooseResultFile(wxCommandEvent&) {
    luvo::ChooseFileInto(this, resultFileLabel, luvo::ResultFileChoice(wxS("zirkulation.dat")));
}

void LltGridInputFrame::ReadGridHeader() {
    const std::optional<LltGridHeader> header =
        ReadLltGridHeader(luvo::FileSystemName(llt::gridFileName));
    if (!header) {
        readError = 1;
        return;
    }
    llt::gridSpan = header->span;
    llt::gridLiftSlopeFactor = header->liftSlopeFactor;
}

void LltGridInputFrame::ShowReadError() {
    SetStatusText(wxS("Fehler!"), 0);
    luvo::ShowErrorBox(this,
                       wxS("Fehler beim Einlesen der Datei!\nDateiformat falsch oder Datei nicht "
                           "vorhanden.\n"),
                       wxS("Fehler beim Einlesen der Datei"));
    SetStatusText(kReady, 0);
}

void LltGridInputFrame::OnStart(wxCommandEvent&) {
    SetStatusText(wxS("Rechnung läuft"), 0);
    // The names stand from now on, also when the run then fails.
    llt::gridFileName = gridFileLabel->GetLabel();
    llt::circulationFileName = resultFileLabel->GetLabel();

    readError = 0;
    ReadGridHeader();
    if (readError == 1) {
        ShowReadError();
        return;
    }
    // A body that ends early or holds a word that is no number fails like a wrong header:
    // no record is installed, no file written and no results window opened.
    std::shared_ptr<LltSolver> record =
        SolveLltGridFile(luvo::FileSystemName(llt::gridFileName),
                         LltGridHeader{llt::gridSpan, llt::gridLiftSlopeFactor});
    if (!record) {
        readError = 1;
        ShowReadError();
        return;
    }
    llt::currentSolver = record;

    SetStatusText(wxS("Einlesen der Daten..."), 1);
    const bool written =
        record->WriteCirculationFile(luvo::FileSystemName(llt::circulationFileName));
    SetStatusText(wxS("Rechnung beendet!"), 0);

    auto* results = new LltResultsFrame(wxS("Ergebnisse"), wxDefaultPosition, wxSize(640, 390));
    results->Centre(wxBOTH);
    results->Show(true);
    results->ShowResults(record);
    if (!written) luvo::ShowUnwrittenFilesBox(results, {llt::circulationFileName});
    CloseWindow();
}

// clang-format off
wxBEGIN_EVENT_TABLE(LltGridInputFrame, luvo::LuvoFrame)
    EVT_MENU(luvo::kIdMenuClose, LltGridInputFrame::OnCloseCommand)
    EVT_BUTTON(luvo::kIdButtonClose, LltGridInputFrame::OnCloseCommand)
    EVT_CLOSE(LltGridInputFrame::OnClose)
    EVT_MENU(luvo::kIdMenuInfo, LltGridInputFrame::OnInfo)
    EVT_BUTTON(LltGridInputFrame::kIdChooseGrid, LltGridInputFrame::OnChooseGridFile)
    EVT_BUTTON(LltGridInputFrame::kIdChooseResult, LltGridInputFrame::OnChooseResultFile)
    EVT_BUTTON(luvo::kIdButtonStart, LltGridInputFrame::OnStart)
wxEND_EVENT_TABLE()
