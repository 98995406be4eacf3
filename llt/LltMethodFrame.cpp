#include "llt/LltMethodFrame.h"

#include <wx/stattext.h>

#include "common/SingleWindow.h"
#include "llt/LltAnalysisFrame.h"
#include "llt/LltChordDesignFrame.h"
#include "llt/LltGridInputFrame.h"
#include "llt/LltModule.h"
#include "llt/LltTwistDesignFrame.h"

namespace {

enum { kIdTaskRadio = 1 };

const wchar_t* const kTaskStatus[] = {
    L"Gewählt: Einlesen der Daten aus Datei",
    L"Gewählt: Entwurfsaufgabe / Tiefenvert.",
    L"Gewählt: Entwurfsaufgabe / Anstellwinkelvert.",
    L"Gewählt: Nachrechenaufgabe",
};

}  // namespace

LltMethodFrame::LltMethodFrame(const wxString& title, const wxPoint& pos, const wxSize& size)
    : luvo::LuvoFrame(title, pos, size) {
    SetStatusText(kTaskStatus[0]);
    new wxStaticText(panel_, wxID_ANY,
                     wxS("Innerhalb des Einfachen Traglinienverfahrens stehen \n"
                         "die folgenden Möglichkeiten zur Verfügung:"),
                     wxPoint(50, 50));
    okButton = new wxButton(panel_, luvo::kIdButtonStart, wxS("&OK"), wxPoint(150, 280));
    cancelButton = new wxButton(panel_, luvo::kIdButtonClose, wxS("&Abbrechen"), wxPoint(250, 280));
    const wxString choices[] = {
        wxS("Einlesen der Daten aus Datei"),
        wxS("Entwurfsaufgabe - Vorgabe der Zirkulations- und Tiefenverteilung"),
        wxS("Entwurfsaufgabe - Vorgabe der Zirkulations- und Schränkungsverteilung"),
        wxS("Nachrechenaufgabe"),
    };
    taskRadio = new wxRadioBox(panel_, kIdTaskRadio, wxS("Einfaches Traglinienverfahren"),
                               wxPoint(50, 100), wxDefaultSize, 4, choices, 1, wxRA_SPECIFY_COLS);
    taskRadio->SetSelection(0);
}

void LltMethodFrame::OnStart(wxCommandEvent&) {
    switch (taskRadio->GetSelection()) {
        case 0:
            luvo::OpenSingleWindow(llt::gridInputFrame, llt::gridInputOpen,
                                   wxS("Daten über eine Datei einlesen"), wxSize(420, 250));
            break;
        case 1:
            luvo::OpenSingleWindow(
                llt::twistDesignFrame, llt::twistDesignOpen,
                wxS("Entwurfsaufgabe - Vorgabe von Zirkulations- und Tiefenverteilung"),
                wxSize(775, 680));
            break;
        case 2:
            luvo::OpenSingleWindow(
                llt::chordDesignFrame, llt::chordDesignOpen,
                wxS("Entwurfsaufgabe - Vorgabe von Zirkulations- und Schränkungsverteilung"),
                wxSize(845, 700));
            break;
        case 3:
            luvo::OpenSingleWindow(
                llt::analysisFrame, llt::analysisOpen,
                wxS("Nachrechenaufgabe - Interaktives Erstellen einer Anstellwinkel- und "
                    "Tiefenverteilung"),
                wxSize(755, 690));
            break;
    }
}

void LltMethodFrame::OnInfo(wxCommandEvent& event) {
    SetStatusText(wxS("Gewählt: Info"));
    luvo::ShowInfoBox(
        this,
        wxS("Mit Hilfe des Einfachen Traglinienverfahrens lässt sich die inkompressible\n"
            "und reibungsfreie Umströmung von dreidimensionalen Flügeln berechnen.\n"
            "Im Rahmen dieses Programmes gibt es 3 Möglichkeiten zur Berechnung:\n\n"
            "   1. Die Entwurfsaufgabe mit Vorgabe der Zirkulations- und Tiefenverteilung\n\n"
            "   2. Die Entwurfsaufgabe mit Vorgabe der Zirkulations- und Schränkungsverteilung\n\n"
            "   3. Die Nachrechenaufgabe"),
        wxS("Info Einfache Traglinientheorie"));
    OnRadioBox(event);
}

void LltMethodFrame::OnRadioBox(wxCommandEvent&) {
    const int selection = taskRadio->GetSelection();
    if (selection >= 0 && selection < 4) SetStatusText(kTaskStatus[selection]);
}

void LltMethodFrame::OnClose(wxCommandEvent&) { Close(true); }

// clang-format off
wxBEGIN_EVENT_TABLE(LltMethodFrame, luvo::LuvoFrame)
    EVT_MENU(luvo::kIdMenuClose, LltMethodFrame::OnClose)
    EVT_BUTTON(luvo::kIdButtonClose, LltMethodFrame::OnClose)
    EVT_MENU(luvo::kIdMenuInfo, LltMethodFrame::OnInfo)
    EVT_RADIOBOX(kIdTaskRadio, LltMethodFrame::OnRadioBox)
    EVT_BUTTON(luvo::kIdButtonStart, LltMethodFrame::OnStart)
wxEND_EVENT_TABLE()
