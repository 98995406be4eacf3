#include "panel3d/gui/Panel3dSourceFrame.h"

#include <wx/stattext.h>

#include "common/gui/SingleWindow.h"
#include "panel3d/gui/Panel3dGeometryFrame.h"
#include "panel3d/gui/Panel3dGridInputFrame.h"
#include "panel3d/gui/Panel3dInputModule.h"
#include "panel3d/gui/Panel3dRunWindows.h"

namespace {

enum { kIdSourceRadio = 1 };

const wchar_t* const kSourceStatus[] = {
    L"Gewählt: Einlesen der Daten aus Datei",
    L"Gewählt: Interaktive Erzeugung eines Tragflügels",
};

}  // namespace

Panel3dSourceFrame::Panel3dSourceFrame(const wxString& title, const wxPoint& pos,
                                       const wxSize& size,
                                       std::shared_ptr<Panel3dPolarEvaluator> evaluator)
    : luvo::LuvoFrame(title, pos, size), evaluator_(std::move(evaluator)) {
    Bind(wxEVT_CLOSE_WINDOW, [](wxCloseEvent& event) {
        if (!Panel3dRefuseCloseDuringRun(event)) event.Skip();
    });
    SetStatusText(kSourceStatus[0]);
    new wxStaticText(panel_, wxID_ANY,
                     wxS("Innerhalb des Panelverfahrens stehen die folgenden Möglich-\n"
                         "keiten zur Verfügung:"),
                     wxPoint(50, 50));
    const wxString choices[] = {
        wxS("Einlesen der Daten aus Datei"),
        wxS("Interaktive Erzeugung eines Tragflügels"),
    };
    sourceRadio = new wxRadioBox(panel_, kIdSourceRadio, wxS("3D Panelverfahren"), wxPoint(50, 100),
                                 wxSize(310, -1), 2, choices, 1, wxRA_SPECIFY_COLS);
    sourceRadio->SetSelection(0);
    const int y = sourceRadio->GetRect().GetBottom() + 30;
    okButton = new wxButton(panel_, luvo::kIdButtonStart, wxS("&OK"), wxPoint(110, y));
    cancelButton = new wxButton(panel_, luvo::kIdButtonClose, wxS("&Abbrechen"), wxPoint(220, y));
}

void Panel3dSourceFrame::OnRadioBox(wxCommandEvent&) {
    const int choice = sourceRadio->GetSelection();
    if (choice == 0 || choice == 1) SetStatusText(kSourceStatus[choice]);
}

void Panel3dSourceFrame::OnInfo(wxCommandEvent& event) {
    SetStatusText(wxS("Gewählt: Info"));
    luvo::ShowInfoBox(
        this,
        wxS("Mit Hilfe des 3D-Panelverfahrens lässt sich die inkompressible\n"
            "und reibungsfreie Umströmung von dreidimensionalen Flügeln berechnen.\n"
            "Im Rahmen dieses Programmes gibt es 2 Möglichkeiten zur Erzeugung eines Flügels:\n\n"
            "   1. Einlesen einer Gitterdatei im ASCII Format\n\n"
            "   2. Interaktives Erzeugen eines einfachen Trapezflügels"),
        wxS("Info 3D-Panelverfahren"));
    OnRadioBox(event);
}

void Panel3dSourceFrame::OnStart(wxCommandEvent&) {
    switch (sourceRadio->GetSelection()) {
        case 0:
            luvo::OpenSingleWindow(panel3d::Panel3dGridInputWindow,
                                   wxS("Daten über eine Datei einlesen"), wxSize(420, 450),
                                   wxDEFAULT_FRAME_STYLE, evaluator_);
            break;
        case 1:
            luvo::OpenSingleWindow(panel3d::Panel3dGeometryWindow,
                                   wxS("Interaktives Erstellen einer Flügelkonfiguration"),
                                   wxSize(760, 730), wxDEFAULT_FRAME_STYLE, evaluator_);
            break;
    }
}

void Panel3dSourceFrame::OnClose(wxCommandEvent&) {
    if (!panel3d::Panel3dRunActive) Close(true);
}

wxBEGIN_EVENT_TABLE(Panel3dSourceFrame, luvo::LuvoFrame)
    EVT_MENU(luvo::kIdMenuClose, Panel3dSourceFrame::OnClose)
    EVT_BUTTON(luvo::kIdButtonClose, Panel3dSourceFrame::OnClose)
    EVT_MENU(luvo::kIdMenuInfo, Panel3dSourceFrame::OnInfo)
    EVT_RADIOBOX(kIdSourceRadio, Panel3dSourceFrame::OnRadioBox)
    EVT_BUTTON(luvo::kIdButtonStart, Panel3dSourceFrame::OnStart)
wxEND_EVENT_TABLE()
