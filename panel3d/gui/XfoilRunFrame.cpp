#include "panel3d/gui/XfoilRunFrame.h"

#include <wx/stattext.h>

#include <memory>
#include <utility>

#include "panel3d/core/Panel3dEvaluationRecord.h"
#include "panel3d/gui/XfoilResultsFrames.h"

XfoilRunFrame::XfoilRunFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                             long style, Panel3dRun run, Panel3dXfoilNames names)
    : luvo::LuvoFrame(title, pos, size, luvo::FileMenu::Close, 2, style),
      run_(std::move(run)),
      names_(std::move(names)) {
    SetStatusText(wxS("Rechnung starten"));
    wxPanel* panel = GetPanel();
    new wxStaticText(panel, wxID_ANY, wxS("Die nötigen Files wurden erstellt."), wxPoint(70, 25));
    new wxStaticText(panel, wxID_ANY, wxS("Führen Sie jetzt das Batchfile aus."), wxPoint(70, 50));
    new wxStaticText(panel, wxID_ANY, wxS("DANACH klicken Sie bitte auf Start"), wxPoint(70, 75));
    startButton = new wxButton(panel, luvo::kIdButtonStart, wxS("&Starten"), wxPoint(100, 100));
    cancelButton = new wxButton(panel, luvo::kIdButtonClose, wxS("A&bbrechen"), wxPoint(220, 100));
    cancelButton->SetToolTip(wxS("Abbrechen"));
}

void XfoilRunFrame::OnInfo(wxCommandEvent&) {
    SetStatusText(wxS("Gewählt: Info"));
    luvo::ShowInfoBox(
        this,
        wxS("Durch doppelklicken des Commandfiles wird die XFOIL Rechnung gestartet.\n(Fenster "
            "mit schwarzem Hintergrund auf dem die Druckverteilungen und\ndas Profil dargestellt "
            "wird).\nDiese läuft automtisch durch. Nach Beendigung des Programms XFOIL\n"
            "verschwindet dieses Fenster. Danach klicken sie auf STARTEN um die \nAuswertung der "
            "XFOIL Resultate zu starten.\n"),
        wxS("Info XFOIL Rechnung"));
    SetStatusText(wxS("Starten der XFOIL Rechnung"));
}

void XfoilRunFrame::OnStart(wxCommandEvent&) {
    if (!run_.record) return;
    // This reading belongs to the window it opens: the run's record stays as the run left it.
    auto reading = std::make_shared<Panel3dEvaluationRecord>(*run_.record);
    const Panel3dXfoilResults results = ReadXfoilResults(names_, *reading);
    // The file names repeat from run to run; a later run's batch has replaced this run's files.
    if (results.otherRunFiles > 0) {
        luvo::ShowErrorBox(this,
                           wxS("Die XFOIL-Ergebnisse gehören nicht zu dieser Rechnung. Bitte in "
                               "XFOIL Dateien dieser Rechnung erneut Starten drücken und das "
                               "Batchfile ausführen."),
                           wxS("Fehler beim Einlesen der Datei"));
        return;
    }
    std::vector<wxString> unwritten;
    if (!results.logWritten) unwritten.push_back(wxString(names_.logFile.c_str(), *wxConvFileName));
    if (!WriteCoefficientFile(names_.coefficientFile, *reading)) {
        unwritten.push_back(wxString(names_.coefficientFile.c_str(), *wxConvFileName));
    }
    wxFrame* window =
        OpenXfoilResultsWindow(Panel3dRun{run_.model, reading, run_.evaluator}, results.failed);
    luvo::ShowUnwrittenFilesBox(window ? window : static_cast<wxFrame*>(this), unwritten);
}

wxBEGIN_EVENT_TABLE(XfoilRunFrame, luvo::LuvoFrame)
    EVT_MENU(luvo::kIdMenuClose, luvo::LuvoFrame::OnClose)
    EVT_BUTTON(luvo::kIdButtonClose, luvo::LuvoFrame::OnClose)
    EVT_MENU(luvo::kIdMenuInfo, XfoilRunFrame::OnInfo)
    EVT_BUTTON(luvo::kIdButtonStart, XfoilRunFrame::OnStart)
wxEND_EVENT_TABLE()
