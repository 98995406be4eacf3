#include "etl/EtlMethodFrame.h"

#include <wx/stattext.h>

#include "common/SingleWindow.h"
#include "etl/EtlAnalysisFrame.h"
#include "etl/EtlGridInputFrame.h"
#include "etl/EtlModule.h"

namespace {

enum { kIdTaskRadio = 1 };

const wchar_t* const kTaskStatus[] = {
    L"Gewählt: Einlesen der Daten aus Datei",
    L"Gewählt: Nachrechenaufgabe",
};

}  // namespace

EtlMethodFrame::EtlMethodFrame(const wxString& title, const wxPoint& pos, const wxSize& size)
    : luvo::LuvoFrame(title, pos, size) {
    SetStatusText(kTaskStatus[0]);
    new wxStaticText(panel_, wxID_ANY,
                     wxS("Innerhalb des Erweiterten Traglinienverfahrens stehen \n"
                         "die folgenden Möglichkeiten zur Verfügung:"),
                     wxPoint(50, 50));
    const wxString choices[] = {
        wxS("Einlesen der Daten aus Datei"),
        wxS("Nachrechenaufgabe - Vorgabe der Tiefen- und Schränkungsverteilung"),
    };
    taskRadio = new wxRadioBox(panel_, kIdTaskRadio, wxS("Erweitertes Traglinienverfahren"),
                               wxPoint(50, 100), wxDefaultSize, 2, choices, 1, wxRA_SPECIFY_COLS);
    taskRadio->SetSelection(0);
    okButton = new wxButton(panel_, luvo::kIdButtonStart, wxS("&OK"), wxPoint(110, 280));
    cancelButton = new wxButton(panel_, luvo::kIdButtonClose, wxS("&Abbrechen"), wxPoint(210, 280));
}

void EtlMethodFrame::OnStart(wxCommandEvent&) {
    switch (taskRadio->GetSelection()) {
        case 0:
            luvo::OpenSingleWindow(EtlGridInputWindow, EtlGridInputOpen,
                                   wxS("Daten über eine Datei einlesen"), wxSize(420, 285));
            break;
        case 1:
            // A window already open is centred and shown but not raised.
            luvo::ShowSingleWindow(EtlAnalysisWindow, EtlAnalysisOpen, false, [] {
                return new EtlAnalysisFrame(
                    wxS("Nachrechenaufgabe - Eingabe der Tiefen- und Schränkungsverteilung"),
                    wxDefaultPosition, wxSize(860, 680));
            });
            break;
    }
}

void EtlMethodFrame::OnInfo(wxCommandEvent& event) {
    SetStatusText(wxS("Gewählt: Info"));
    luvo::ShowInfoBox(
        this,
        wxS("Mit Hilfe des Erweiterten Traglinienverfahrens lässt sich die inkompressible\n"
            "und reibungsfreie Umströmung von dreidimensionalen Flügeln berechnen.\n"
            "Im Rahmen dieses Programmes gibt es 2 Möglichkeiten zur Erzeugung eines Flügels:\n\n"
            "   1. Einlesen einer Gitterdatei im ASCII Format\n\n"
            "   2. Nachrechenaufgabe, bei der die Tiefen- und Schränkungsverteilung\n"
            "      vorgegeben werden, um damit die Zirkulationsverteilung zu berechnen \n"
            "      sowie die Beiwerte x,y,z"),
        wxS("Info Erweiterte Traglinientheorie"));
    OnRadioBox(event);
}

void EtlMethodFrame::OnRadioBox(wxCommandEvent&) {
    const int selection = taskRadio->GetSelection();
    if (selection >= 0 && selection < 2) SetStatusText(kTaskStatus[selection]);
}

void EtlMethodFrame::OnClose(wxCommandEvent&) { Close(true); }

// clang-format off
wxBEGIN_EVENT_TABLE(EtlMethodFrame, luvo::LuvoFrame)
    EVT_MENU(luvo::kIdMenuClose, EtlMethodFrame::OnClose)
    EVT_BUTTON(luvo::kIdButtonClose, EtlMethodFrame::OnClose)
    EVT_MENU(luvo::kIdMenuInfo, EtlMethodFrame::OnInfo)
    EVT_RADIOBOX(kIdTaskRadio, EtlMethodFrame::OnRadioBox)
    EVT_BUTTON(luvo::kIdButtonStart, EtlMethodFrame::OnStart)
wxEND_EVENT_TABLE()

