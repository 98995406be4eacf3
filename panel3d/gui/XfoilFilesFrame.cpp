#include "panel3d/gui/XfoilFilesFrame.h"

#include "common/gui/FileChooser.h"
#include "panel3d/core/Panel3dPolarEvaluator.h"
#include "panel3d/gui/XfoilRunFrame.h"

namespace {

struct FileRow {
    int top;
    int boxHeight;
    wxWindowID id;
    const wchar_t* box;
    const wchar_t* button;
    const wchar_t* toolTip;
    const wchar_t* message;
    const wchar_t* defaultName;
    const wchar_t* wildcard;
    luvo::FileChoice::Kind kind;
};

// In the window's order; the ids are those of the buttons.
const FileRow kRows[XfoilFilesFrame::kFileCount] = {
    {10, 90, 8, L"Auswahl des Namens für die Profilgeometrien:", L"&Datei wählen",
     L"Grundname der Profilgeometriefiles auswählen - erhält automatisch noch eine Laufnummer",
     L"Dateiname wählen", L"profil.pol", L"*.pol", luvo::FileChoice::Save},
    {110, 90, 9, L"Auswahl des Namens für die XFOIL Resultate:", L"D&atei wählen",
     L"Grundname der Profilpolarenfiles auswählen - erhält automatisch noch eine Laufnummer",
     L"Dateiname wählen", L"xfoil_results.dat", L"*.dat", luvo::FileChoice::Save},
    // Linux programs have no extension: "*" after "*.exe".
    {210, 90, 7, L"Pfad des Programms XFOIL:", L"Da&tei wählen",
     L"Pfad unter welchem XFOIL abgelegt ist", L"XFOIL Pfad angeben", L"xfoilP4.exe",
     L"*.exe|*.exe|*|*", luvo::FileChoice::Open},
    {310, 45, 11, L"Auswahl des Namens für Stappelverarbeitung:", L"Dat&ei wählen",
     L"Festlegen des Dateinamens für das Stapelverarbeitungsprogramm", L"Dateiname wählen",
     L"command.cmd", L"*.cmd", luvo::FileChoice::Save},
    {360, 45, 12, L"Auswahl der Ergebnisdatei (Beiwerte über y):", L"Date&i wählen",
     L"Festlegen des Dateinamens für den cW-Verlauf", L"Dateiname wählen", L"beiwerte.dat",
     L"*.dat", luvo::FileChoice::Save},
    {410, 45, 13, L"Auswahl des Namens für das XFOIL-Logfile:", L"Datei &wählen",
     L"Festlegen des Dateinamens für das XFOIL-Logfile", L"Dateiname wählen",
     L"XFOIL_abnormalties.txt", L"*.txt", luvo::FileChoice::Save},
    {460, 45, 14, L"Auswahl des Namens für das Steuerungsfile (Batchfile):", L"Datei &wählen",
     L"Festlegen des Dateinamens für das Batchfile", L"Dateiname wählen", L"batch.bat", L"*.bat",
     luvo::FileChoice::Save},
};

std::string Utf8(const wxString& text) { return std::string(text.fn_str()); }

}  // namespace

XfoilFilesFrame::XfoilFilesFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                                 long style, Panel3dRun run)
    : luvo::LuvoFrame(title, pos, size, luvo::FileMenu::Close, 2, style), run_(std::move(run)) {
    SetStatusText(wxS("Rechnung starten"));
    wxPanel* panel = GetPanel();
    for (int i = 0; i < kFileCount; ++i) {
        const FileRow& r = kRows[i];
        const luvo::FileChooserRow row = luvo::AddFileChooserRow(
            panel, r.top, r.id, r.box, r.button, r.toolTip, r.defaultName, r.boxHeight);
        fileButtons[i] = row.button;
        nameTexts[i] = row.label;
        Bind(wxEVT_BUTTON, &XfoilFilesFrame::OnChooseFile, this, r.id);
    }
    const struct {
        const wchar_t* text;
        int y;
    } hints[] = {
        {L"Da jedes Profil eine Laufnummer erhält, ist es empfehlenswert", 61},
        {L"dafür einen eigenen Ordner anzulegen.", 76},
        {L"Da jedes XFOIL Resultat eine Laufnummer erhält, ist es empfehlenswert", 161},
        {L"dafür einen eigenen Ordner anzulegen.", 176},
        {L"Die Stappelverarbeitung wurde ausgelegt für XFoilP4", 261},
    };
    for (const auto& h : hints) new wxStaticText(panel, wxID_ANY, h.text, wxPoint(20, h.y));
    startButton = new wxButton(panel, luvo::kIdButtonStart, wxS("&Starten"), wxPoint(100, 520));
    cancelButton = new wxButton(panel, luvo::kIdButtonClose, wxS("A&bbrechen"), wxPoint(220, 520));
    cancelButton->SetToolTip(wxS("Abbrechen"));
}

Panel3dXfoilNames XfoilFilesFrame::Names() const {
    Panel3dXfoilNames names;
    names.profileBase = Utf8(nameTexts[kProfile]->GetLabel());
    names.resultBase = Utf8(nameTexts[kResult]->GetLabel());
    names.program = Utf8(nameTexts[kProgram]->GetLabel());
    names.commandFile = Utf8(nameTexts[kCommand]->GetLabel());
    names.coefficientFile = Utf8(nameTexts[kCoefficients]->GetLabel());
    names.logFile = Utf8(nameTexts[kLog]->GetLabel());
    names.batchFile = Utf8(nameTexts[kBatch]->GetLabel());
    return names;
}

void XfoilFilesFrame::OnInfo(wxCommandEvent&) {
    SetStatusText(wxS("Gewählt: Info"));
    luvo::ShowInfoBox(this,
                      wxS("Hier werden die Filnamen für die Profile sowie die Ergebnisse \nund "
                          "für weitere im Prozess benötigte Files bestimmt.\nEbenso  muss der "
                          "Pfad des XFOIL Programms bestimmt werden."),
                      wxS("Info XFOIL Dateien"));
    SetStatusText(wxS("Auswahl XFOIL, Auswahl der Dateinamen"));
}

void XfoilFilesFrame::OnChooseFile(wxCommandEvent& event) {
    for (int i = 0; i < kFileCount; ++i) {
        const FileRow& r = kRows[i];
        if (r.id != event.GetId()) continue;
        luvo::ChooseFileInto(this, nameTexts[i],
                             luvo::FileChoice{r.message, r.defaultName, r.wildcard, r.kind});
        return;
    }
}

void XfoilFilesFrame::OnStart(wxCommandEvent&) {
    if (!run_.record) return;
    const Panel3dXfoilNames names = XfoilNamesInWorkingFolder(Names());
    const std::string refusal = CheckXfoilInput(names, *run_.record);
    if (!refusal.empty()) {
        luvo::ShowErrorBox(this, wxString::FromUTF8(refusal),
                           wxS("Die Eingaben sind nicht korrekt!"));
        return;
    }
    if (run_.evaluator) {
        run_.evaluator->SetXfoilFileNames(names.profileBase, names.resultBase, names.program,
                                          names.commandFile, names.coefficientFile, names.logFile,
                                          names.batchFile);
    }
    const std::vector<std::string> unwritten = WriteXfoilFiles(names, *run_.record);
    if (!unwritten.empty()) {
        std::vector<wxString> files;
        for (const std::string& f : unwritten)
            files.push_back(wxString(f.c_str(), *wxConvFileName));
        luvo::ShowUnwrittenFilesBox(this, files);
        return;
    }
    panel3d::g_xfoilRunFrame =
        new XfoilRunFrame(wxS("XFOIL ausfuehren"), wxDefaultPosition, wxSize(420, 250),
                          wxDEFAULT_FRAME_STYLE, run_, names);
    panel3d::g_xfoilRunFrame->Centre(wxBOTH);
    panel3d::g_xfoilRunFrame->Show(true);
}

XfoilFilesFrame* OpenXfoilFilesFrame(const Panel3dRun& run) {
    panel3d::g_xfoilFilesFrame = new XfoilFilesFrame(wxS("XFOIL Dateien"), wxDefaultPosition,
                                                     wxSize(420, 650), wxDEFAULT_FRAME_STYLE, run);
    panel3d::g_xfoilFilesFrame->Centre(wxBOTH);
    panel3d::g_xfoilFilesFrame->Show(true);
    return panel3d::g_xfoilFilesFrame;
}

wxBEGIN_EVENT_TABLE(XfoilFilesFrame, luvo::LuvoFrame)
    EVT_MENU(luvo::kIdMenuClose, luvo::LuvoFrame::OnClose)
    EVT_BUTTON(luvo::kIdButtonClose, luvo::LuvoFrame::OnClose)
    EVT_MENU(luvo::kIdMenuInfo, XfoilFilesFrame::OnInfo)
    EVT_BUTTON(luvo::kIdButtonStart, XfoilFilesFrame::OnStart)
wxEND_EVENT_TABLE()
