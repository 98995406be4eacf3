#include "supersonic/gui/SupersonicMethodFrame.h"

#include <wx/filedlg.h>
#include <wx/stattext.h>

#include "common/gui/WxFileName.h"
#include "supersonic/core/SupersonicFiles.h"
#include "supersonic/gui/SupersonicContourFrame.h"
#include "supersonic/gui/SupersonicDesignFrame.h"
#include "supersonic/gui/SupersonicModule.h"
#include "supersonic/gui/SupersonicPartsFrame.h"

namespace {

const wxSize kPartsSize(830, 810);
const wxSize kContourSize(830, 670);
const wxChar* const kDesignTitle = wxS("Interaktives Erstellen eines Profils");

template <class Frame>
Frame* ShowDesignFrame(Frame* frame) {
    frame->Centre(wxBOTH);
    frame->Show(true);
    frame->ShowResults();
    frame->ReportFileProblems();
    return frame;
}

// Ends the window a reference names without its close handler. The reference is released
// first, so the window counts as closed at once.
template <class Frame>
void CloseAtOnce(wxWeakRef<Frame>& reference) {
    Frame* frame = reference.get();
    if (frame == nullptr) return;
    reference.Release();
    frame->Detach();
    frame->Destroy();
}

}  // namespace

void CloseSupersonicDesignFrame() {
    CloseAtOnce(supersonic::g_partsFrame);
    CloseAtOnce(supersonic::g_contourFrame);
    supersonic::g_profile = nullptr;
}

SupersonicPartsFrame* OpenSupersonicPartsFrame(const wxString& fileName) {
    CloseSupersonicDesignFrame();
    auto* frame = new SupersonicPartsFrame(kDesignTitle, wxDefaultPosition, kPartsSize,
                                           wxDEFAULT_FRAME_STYLE, fileName);
    supersonic::g_partsFrame = frame;
    return ShowDesignFrame(frame);
}

SupersonicContourFrame* OpenSupersonicContourFrame(const wxString& fileName) {
    CloseSupersonicDesignFrame();
    auto* frame = new SupersonicContourFrame(kDesignTitle, wxDefaultPosition, kContourSize,
                                             wxDEFAULT_FRAME_STYLE, fileName);
    supersonic::g_contourFrame = frame;
    return ShowDesignFrame(frame);
}

wxBEGIN_EVENT_TABLE(SupersonicMethodFrame, luvo::LuvoFrame)
    EVT_MENU(luvo::kIdMenuClose, SupersonicMethodFrame::OnClose)
    EVT_BUTTON(luvo::kIdButtonClose, SupersonicMethodFrame::OnClose)
    EVT_MENU(luvo::kIdMenuInfo, SupersonicMethodFrame::OnInfo)
    EVT_RADIOBOX(1, SupersonicMethodFrame::OnRadioBox)
    EVT_BUTTON(luvo::kIdButtonStart, SupersonicMethodFrame::OnStart)
wxEND_EVENT_TABLE()

SupersonicMethodFrame::SupersonicMethodFrame(const wxString& title, const wxPoint& pos,
                                             const wxSize& size)
    : luvo::LuvoFrame(title, pos, size) {
    panel = GetPanel();
    SetStatusText(wxS("Überschallberechnung"), 0);
    new wxStaticText(panel, wxID_ANY,
                     wxS("Es stehen folgende Möglichkeiten zur Berechnung\nvon "
                         "Profilumströmungen im Überschall zur Verfügung.\n\n"),
                     wxPoint(50, 50));
    const wxString choices[] = {wxS("Einlesen der Daten aus &Datei"),
                                wxS("&Erzeugung eines Profils durch antim./sym. Anteil"),
                                wxS("direkte Erzeugung des &Profils")};
    choiceBox = new wxRadioBox(panel, 1, wxS("Möglichkeiten"), wxPoint(50, 175), wxSize(300, 75), 3,
                               choices, 1, wxRA_SPECIFY_COLS);
    choiceBox->SetSelection(0);
    okButton = new wxButton(panel, luvo::kIdButtonStart, wxS("&OK"), wxPoint(110, 280));
    cancelButton = new wxButton(panel, luvo::kIdButtonClose, wxS("&Abbrechen"), wxPoint(210, 280));
}

void SupersonicMethodFrame::OnClose(wxCommandEvent&) {
    CloseSupersonicDesignFrame();
    Destroy();
}

void SupersonicMethodFrame::OnInfo(wxCommandEvent&) {
    SetStatusText(wxS("Gewählt: Info"), 0);
    luvo::ShowInfoBox(
        this,
        wxS("Es werden Widerstands- und Auftriebsbeiwerte mit Hilfe der\nlinearisierten Theorie "
            "als Näherungsverfahren und durch die \nStoß-Expansions-Theorie exakt berechnet.\n\n"
            "Im Rahmen dieses Programmes gibt es 3 Möglichkeiten zur Erzeugung eines "
            "Flügels:\n\n   1. Einlesen der Profil-Punkte im ASCII Format\n\n   2. Interaktives "
            "Erzeugen eines Profils durch\n       Angabe des symmetrischen und antimetrischen "
            "Anteiles\n\n   3. Interaktives Erzeugen eines Profils durch\n       Gestaltung der "
            "Ober- und Unterseite"),
        wxS("Info Überschallberechnung"));
    ShowChoiceStatus();
}

void SupersonicMethodFrame::OnRadioBox(wxCommandEvent&) { ShowChoiceStatus(); }

void SupersonicMethodFrame::ShowChoiceStatus() {
    static const wxChar* const kTexts[] = {
        wxS("Gewählt: Einlesen der Daten aus Datei"),
        wxS("Gewählt: Interaktive Erzeugung eines Profils mit Hilfe antim./sym. Anteile"),
        wxS("Gewählt: Interaktive Erzeugung durch direkte Modellierung der Profilkontur")};
    const int choice = choiceBox->GetSelection();
    if (choice >= 0 && choice < 3) SetStatusText(kTexts[choice], 0);
}

void SupersonicMethodFrame::OnStart(wxCommandEvent&) {
    const int choice = choiceBox->GetSelection();
    if (choice == 1 || choice == 2) {
        if (supersonic::g_partsFrameOpen()) {
            supersonic::g_partsFrame->Raise();
            return;
        }
        if (supersonic::g_contourFrameOpen()) {
            supersonic::g_contourFrame->Raise();
            return;
        }
        if (choice == 1) {
            OpenSupersonicPartsFrame(wxEmptyString);
        } else {
            OpenSupersonicContourFrame(wxEmptyString);
        }
        return;
    }
    wxFileDialog dialog(this, wxS("Dateiname wählen"), wxEmptyString, wxS("*.cfg"),
                        wxS("Konfiguration (*.cfg)|*.cfg|Profilkoordinaten (*.pol)|*.pol"),
                        wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (dialog.ShowModal() != wxID_OK) return;
    const wxString path = dialog.GetPath();
    switch (SupersonicOpenFileType(std::string(path.utf8_str()))) {
        case SupersonicFileType::Coordinates: {
            // A file that is not a whole contour opens nothing, and the open window stays.
            SupersonicContour contour;
            if (!ReadSupersonicContourFile(luvo::FileSystemName(path), contour)) {
                luvo::ShowErrorBox(this, wxS("Die Datei konnte nicht gelesen werden!\n\n"),
                                   wxS("Datei-Fehler"));
                return;
            }
            OpenSupersonicContourFrame(path);
            return;
        }
        case SupersonicFileType::Config: {
            // A configuration its window's reader refuses opens nothing, and the open window
            // stays.
            const std::string name = luvo::FileSystemName(path);
            const SupersonicWindow window = SupersonicProbeConfigFile(name);
            SupersonicSettings settings = SupersonicDefaultSettings(window);
            if (!ReadSupersonicConfigFile(name, window, settings)) {
                luvo::ShowErrorBox(this, wxS("Die Datei konnte nicht gelesen werden!\n\n"),
                                   wxS("Datei-Fehler"));
                return;
            }
            if (window == SupersonicWindow::Parts) {
                OpenSupersonicPartsFrame(path);
            } else {
                OpenSupersonicContourFrame(path);
            }
            return;
        }
        default:
            luvo::ShowErrorBox(this, wxS("Die Datei konnte nicht gelesen werden!\n\n"),
                               wxS("Datei-Fehler"));
            return;
    }
}
