#include "panel3d/input/Panel3dGridInputFrame.h"

#include <wx/filedlg.h>
#include <wx/statbox.h>

#include <cmath>

#include "panel3d/input/Panel3dFlowState.h"
#include "panel3d/input/Panel3dInputModule.h"
#include "panel3d/solver/Panel3dModule.h"

namespace {

const wxString kReady = wxS("Rechnung starten");
const wxString kCheckCaption = wxS("Die Eingaben sind nicht korrekt!");

// A file name as the file system takes it.
std::string FileSystemName(const wxString& name) { return std::string(name.fn_str()); }

bool InRange(double v, double low, double high) {
    return std::isfinite(v) && v >= low && v <= high;
}

}  // namespace

Panel3dGridInputFrame::Panel3dGridInputFrame(const wxString& title, const wxPoint& pos,
                                             const wxSize& size,
                                             std::shared_ptr<Panel3dPolarEvaluator> evaluator)
    : luvo::LuvoFrame(title, pos, size, luvo::FileMenu::Close, 2),
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
    int y = 8;
    for (const FileRow& row : files) {
        new wxStaticBox(panel_, wxID_ANY, row.box, wxPoint(10, y), wxSize(390, 50));
        *row.buttonOut = new wxButton(panel_, row.id, row.button, wxPoint(20, y + 18));
        (*row.buttonOut)->SetToolTip(row.tip);
        *row.labelOut =
            new wxStaticText(panel_, wxID_ANY, row.name, wxPoint(130, y + 24), wxSize(260, -1),
                             wxST_NO_AUTORESIZE | wxST_ELLIPSIZE_START);
        y += 54;
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

void Panel3dGridInputFrame::OnClose(wxCloseEvent&) { CloseWindow(); }

void Panel3dGridInputFrame::OnCloseCommand(wxCommandEvent&) { CloseWindow(); }

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
    wxFileDialog dialog(this, wxS("Datei wählen"), wxString(), wxS("grid.fdp"), wxS("*.fdp"),
                        wxFD_OPEN);
    if (dialog.ShowModal() == wxID_OK) gridFileLabel->SetLabel(dialog.GetPath());
}

void Panel3dGridInputFrame::OnChoose3dFile(wxCommandEvent&) {
    wxFileDialog dialog(this, wxS("Dateiname wählen"), wxString(), wxS("3D.dat"), wxS("*.dat"),
                        wxFD_SAVE);
    if (dialog.ShowModal() == wxID_OK) result3dFileLabel->SetLabel(dialog.GetPath());
}

void Panel3dGridInputFrame::OnChooseCpFile(wxCommandEvent&) {
    wxFileDialog dialog(this, wxS("Dateiname wählen"), wxString(), wxS("cp-x.dat"), wxS("*.dat"),
                        wxFD_SAVE);
    if (dialog.ShowModal() == wxID_OK) resultCpFileLabel->SetLabel(dialog.GetPath());
}

void Panel3dGridInputFrame::OnChooseCaFile(wxCommandEvent&) {
    wxFileDialog dialog(this, wxS("Dateiname wählen"), wxString(), wxS("ca-y.dat"), wxS("*.dat"),
                        wxFD_SAVE);
    if (dialog.ShowModal() == wxID_OK) resultCaFileLabel->SetLabel(dialog.GetPath());
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
    const double beta = sideslipField->Number();
    if (!InRange(Panel3dCurrentFlowState.alphaStar, -10.0, 10.0)) {
        luvo::ShowErrorBox(this,
                           wxS("Der Wert des Anströmwinkels liegt in einem unzulässigen "
                               "Bereich:\n\n-10 <= Anströmwinkel <= 10\n"),
                           kCheckCaption);
        return;
    }
    if (!InRange(beta, -30.0, 30.0)) {
        luvo::ShowErrorBox(this,
                           wxS("Der Wert des Schiebewinkels liegt in einem unzulässigen "
                               "Bereich:\n\n-30 <= Schiebewinkel <= 30\n"),
                           kCheckCaption);
        return;
    }
    // A relaxed wake is solved only inside its relaxation steps: without one there would be no
    // solution to report.
    if (wakeRadio->GetSelection() == 1 && !InRange(iterationField->Number(), 1.0, 100.0)) {
        luvo::ShowErrorBox(this,
                           wxS("Die Anzahl der Iterationen liegt in einem unzulässigen "
                               "Bereich:\n\n1 <= Anzahl der Iterationen <= 100\n"),
                           kCheckCaption);
        return;
    }
    RunComputation();
}

void Panel3dGridInputFrame::ReadGridHeader() {
    const std::optional<Panel3dGridHeader> header = ReadPanel3dGridHeader(Panel3dGridFileName);
    if (!header) {
        headerError = 1;
        return;
    }
    gridHeader = *header;
}

void Panel3dGridInputFrame::RunComputation() {
    SetStatusText(wxS("Rechnung läuft"), 0);
    Panel3dGridFileName = FileSystemName(gridFileLabel->GetLabel());
    Panel3dResult3dFileName = FileSystemName(result3dFileLabel->GetLabel());
    Panel3dResultCpFileName = FileSystemName(resultCpFileLabel->GetLabel());
    Panel3dResultCaFileName = FileSystemName(resultCaFileLabel->GetLabel());
    headerError = 0;
    ReadGridHeader();
    if (headerError == 1) {
        SetStatusText(wxS("Fehler!"), 0);
        luvo::ShowErrorBox(this,
                           wxS("Fehler beim Einlesen der Datei!\nDateiformat falsch oder Datei "
                               "nicht vorhanden.\n"),
                           wxS("Fehler beim Einlesen der Datei"));
        SetStatusText(kReady, 0);
        return;
    }
    // The model, its solution and the results window follow with the panel solver's run.
    SetStatusText(kReady, 0);
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
