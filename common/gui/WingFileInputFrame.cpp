#include "common/gui/WingFileInputFrame.h"

#include <wx/statbox.h>

#include "common/gui/FileChooser.h"

namespace luvo {

namespace {

const wxString kReady = wxS("Rechnung starten");

}  // namespace

WingFileInputFrame::WingFileInputFrame(const wxString& title, const wxPoint& pos,
                                       const wxSize& size, long style,
                                       const WingFileInputLayout& layout)
    : LuvoFrame(title, pos, size, FileMenu::Close, 2, style), layout_(layout) {
    panel = GetPanel();
    if (layout.emptyParameterBox) {
        // Holds nothing and lies below the buttons: it shows only in an enlarged window.
        new wxStaticBox(panel, wxID_ANY, wxS("Eingabe weiterer Parameter:"), wxPoint(10, 210),
                        wxSize(390, 150));
    }
    const FileChooserRow grid =
        AddFileChooserRow(panel, 10, kIdChooseGrid, wxS("Auswahl der Flügelnetzdatei:"),
                          wxS("&Datei wählen"), wxS("Netzdatei auswählen"), layout.gridName);
    const FileChooserRow result =
        AddFileChooserRow(panel, 60, kIdChooseResult,
                          wxS("Auswahl der Ergebnisdatei 'GammaUndCa':"), wxS("D&atei wählen"),
                          wxS("Festlegen des Dateinamens für die Ergebnisse"), layout.resultName);
    chooseGridButton = grid.button;
    gridFileLabel = grid.label;
    chooseResultButton = result.button;
    resultFileLabel = result.label;
    startButton =
        new wxButton(panel, kIdButtonStart, wxS("&Starten"), wxPoint(100, layout.buttonRow));
    cancelButton =
        new wxButton(panel, kIdButtonClose, wxS("A&bbrechen"), wxPoint(220, layout.buttonRow));
    cancelButton->SetToolTip(wxS("Abbrechen"));
    SetStatusText(kReady, 0);
    errorFlag = 0;
}

void WingFileInputFrame::CloseWindow() {
    ForgetWindow();
    Destroy();
}

void WingFileInputFrame::OnClose(wxCloseEvent&) { CloseWindow(); }

void WingFileInputFrame::OnCloseCommand(wxCommandEvent&) { CloseWindow(); }

void WingFileInputFrame::OnInfo(wxCommandEvent&) {
    SetStatusText(wxS("Gewählt: Info"), 0);
    ShowInfoBox(this, layout_.infoText, wxS("Info Datei einlesen"));
    SetStatusText(wxS("Auswahl der Dateinamen"), 0);
}

void WingFileInputFrame::OnChooseGridFile(wxCommandEvent&) {
    ChooseFileInto(this, gridFileLabel, GridFileChoice(layout_.gridName, layout_.gridWildcard));
}

void WingFileInputFrame::OnChooseResultFile(wxCommandEvent&) {
    ChooseFileInto(this, resultFileLabel, ResultFileChoice(layout_.resultName));
}

void WingFileInputFrame::ShowReadError() {
    SetStatusText(wxS("Fehler!"), 0);
    ShowErrorBox(this,
                 wxS("Fehler beim Einlesen der Datei!\nDateiformat falsch oder Datei nicht "
                     "vorhanden.\n"),
                 wxS("Fehler beim Einlesen der Datei"));
    SetStatusText(kReady, 0);
}

void WingFileInputFrame::OnStart(wxCommandEvent&) {
    if (!PassStartChecks()) return;
    SetStatusText(wxS("Rechnung läuft"), 0);
    TakeInputs();
    runResultName_ = resultFileLabel->GetLabel();

    errorFlag = 0;
    ReadGridHeader();
    if (errorFlag == 1) {
        ShowReadError();
        return;
    }
    // A table that ends early or holds a word that is no number fails like a wrong header: no
    // record is installed, no file written and no results window opened.
    if (!SolveGridFile()) {
        errorFlag = 1;
        ShowReadError();
        return;
    }

    SetStatusText(layout_.writingStatus, layout_.writingStatusField);
    const bool written = WriteResultFile();
    SetStatusText(wxS("Rechnung beendet!"), 0);

    WingResultsFrame* results = CreateResultsFrame();
    results->Centre(wxBOTH);
    results->Show(true);
    // Parented to the results window, which stays on top of everything else.
    if (!written) ShowUnwrittenFilesBox(results, {runResultName_});
    CloseWindow();
}

wxBEGIN_EVENT_TABLE(WingFileInputFrame, LuvoFrame)
    EVT_MENU(kIdMenuClose, WingFileInputFrame::OnCloseCommand)
    EVT_BUTTON(kIdButtonClose, WingFileInputFrame::OnCloseCommand)
    EVT_CLOSE(WingFileInputFrame::OnClose)
    EVT_MENU(kIdMenuInfo, WingFileInputFrame::OnInfo)
    EVT_BUTTON(WingFileInputFrame::kIdChooseGrid, WingFileInputFrame::OnChooseGridFile)
    EVT_BUTTON(WingFileInputFrame::kIdChooseResult, WingFileInputFrame::OnChooseResultFile)
    EVT_BUTTON(kIdButtonStart, WingFileInputFrame::OnStart)
wxEND_EVENT_TABLE()

}  // namespace luvo
