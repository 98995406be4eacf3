#include "vlm/VlmMethodFrame.h"

#include <wx/stattext.h>

#include "common/SingleWindow.h"
#include "vlm/VlmGeometryFrame.h"
#include "vlm/VlmGridInputFrame.h"
#include "vlm/VlmModule.h"

namespace {

enum { kIdChoiceRadio = 1 };

const wchar_t* const kChoiceStatus[] = {
    L"Gewählt: Einlesen der Daten aus Datei",
    L"Gewählt: Interaktive Erzeugung eines Tragflügels",
};

}  // namespace

VlmMethodFrame::VlmMethodFrame(const wxString& title, const wxPoint& pos, const wxSize& size)
    : luvo::LuvoFrame(title, pos, size) {
    SetStatusText(kChoiceStatus[0]);
    new wxStaticText(panel_, wxID_ANY,
                     wxS("Innerhalb des Wirbelleiterverfahrens stehen die folgenden Möglich-\n"
                         "keiten zur Verfügung:"),
                     wxPoint(50, 50));
    okButton = new wxButton(panel_, luvo::kIdButtonStart, wxS("&OK"), wxPoint(110, 280));
    cancelButton = new wxButton(panel_, luvo::kIdButtonClose, wxS("&Abbrechen"), wxPoint(210, 280));
    const wxString choices[] = {
        wxS("Einlesen der Daten aus Datei"),
        wxS("Interaktive Erzeugung eines Tragflügels"),
    };
    choiceRadio = new wxRadioBox(panel_, kIdChoiceRadio, wxS("3D Wirbelleiterverfahren"),
                                 wxPoint(50, 100), wxDefaultSize, 2, choices, 1, wxRA_SPECIFY_COLS);
    choiceRadio->SetSelection(0);
}

void VlmMethodFrame::OnStart(wxCommandEvent&) {
    switch (choiceRadio->GetSelection()) {
        case 0:
            luvo::OpenSingleWindow(VlmGridInputWindow, VlmGridInputOpen,
                                   wxS("Daten über eine Datei einlesen"), wxSize(420, 475));
            break;
        case 1:
            luvo::OpenSingleWindow(VlmGeometryWindow, VlmGeometryOpen,
                                   wxS("Interaktives Erstellen einer Flügelkonfiguration"),
                                   wxSize(760, 600), wxDEFAULT_FRAME_STYLE | wxSTAY_ON_TOP);
            break;
    }
}

void VlmMethodFrame::OnInfo(wxCommandEvent& event) {
    SetStatusText(wxS("Gewählt: Info"));
    luvo::ShowInfoBox(
        this,
        wxS("Mit Hilfe des 3D-Wirbelleiterverfahrens lässt sich die inkompressible\n"
            "und reibungsfreie Umströmung von dreidimensionalen Flügeln berechnen.\n"
            "Im Rahmen dieses Programmes gibt es 2 Möglichkeiten zur Erzeugung eines Flügels:\n\n"
            "   1. Einlesen einer Gitterdatei im ASCII Format\n\n"
            "   2. Interaktives Erzeugen eines einfachen Trapezflügels"),
        wxS("Info Wirbelleiterverfahren"));
    OnRadioBox(event);
}

void VlmMethodFrame::OnRadioBox(wxCommandEvent&) {
    const int selection = choiceRadio->GetSelection();
    if (selection >= 0 && selection < 2) SetStatusText(kChoiceStatus[selection]);
}

void VlmMethodFrame::OnClose(wxCommandEvent&) { Close(true); }

// clang-format off
wxBEGIN_EVENT_TABLE(VlmMethodFrame, luvo::LuvoFrame)
    EVT_MENU(luvo::kIdMenuClose, VlmMethodFrame::OnClose)
    EVT_BUTTON(luvo::kIdButtonClose, VlmMethodFrame::OnClose)
    EVT_MENU(luvo::kIdMenuInfo, VlmMethodFrame::OnInfo)
    EVT_RADIOBOX(kIdChoiceRadio, VlmMethodFrame::OnRadioBox)
    EVT_BUTTON(luvo::kIdButtonStart, VlmMethodFrame::OnStart)
wxEND_EVENT_TABLE()
