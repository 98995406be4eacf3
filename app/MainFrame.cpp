#include "app/MainFrame.h"

#include <wx/stattext.h>

#include "app/MethodTable.h"
#include "panel3d/core/Panel3dPolarEvaluator.h"

namespace {

enum { kIdMethodBox = 10 };

// The credit lines thank the modules as the course names them, which is not the method table:
// the vortex-lattice module appears twice, the flaps of the panel method on a line of their own.
const wxString kAboutText =
    wxS("Dieses Programm hilft Ihnen, die Theorien der Vorlesung\n"
        "Aerodynamik auf die Bestimmung der Strömungsverhältnisse\n"
        "um Profile und Tragflügel anzuwenden: Sie geben Geometrie\n"
        "und Anströmung vor und sehen sofort, wie sich Auftrieb,\n"
        "Widerstand, Momente und Druckverteilung ändern.\n"
        "\n"
        "Modul Skelett-Theorie\n"
        "Modul 3D Panelverfahren\n"
        "Modul Wirbelleiterverfahren\n"
        "Modul Erweitertes Traglinienverfahren\n"
        "Modul Wirbelleiterverfahren\n"
        "Modul Klappen des 3D Panelverfahrens\n"
        "Modul Überschallberechnung");

}  // namespace

wxBEGIN_EVENT_TABLE(MainFrame, luvo::LuvoFrame)
    EVT_MENU(luvo::kIdMenuQuit, MainFrame::OnQuit)
    EVT_MENU(luvo::kIdMenuInfo, MainFrame::OnInfo)
    EVT_RADIOBOX(kIdMethodBox, MainFrame::OnRadioBox)
    EVT_BUTTON(luvo::kIdButtonStart, MainFrame::OnStart)
wxEND_EVENT_TABLE()

MainFrame::MainFrame(const wxString& title, const wxPoint& pos, const wxSize& size)
    : luvo::LuvoFrame(title, pos, size, luvo::FileMenu::Quit) {
    SetStatusText(StatusTextFor(0));
    new wxStaticText(panel_, wxID_ANY, wxS("Willkommen bei Luvo 4.1!"), wxPoint(50, 50),
                     wxDefaultSize, 0, wxS("message"));
    new wxStaticText(panel_, wxID_ANY, wxS("Bitte wählen Sie das gewünschte Verfahren aus:"),
                     wxPoint(50, 100), wxDefaultSize, 0, wxS("message"));
    startButton_ = new wxButton(panel_, luvo::kIdButtonStart, wxS("&OK"), wxPoint(160, 280),
                                wxDefaultSize, 0, wxDefaultValidator, wxS("button"));
    wxArrayString choices;
    for (const LuvoMethod& method : LuvoMethods()) choices.Add(method.choice);
    methodBox_ = new wxRadioBox(panel_, kIdMethodBox, wxS("Luvo"), wxPoint(50, 130), wxDefaultSize,
                                choices, 1, wxRA_SPECIFY_COLS, wxDefaultValidator, wxS("radioBox"));
    methodBox_->SetSelection(0);
    Panel3dPolarEvaluator::Create();
}

wxString MainFrame::StatusTextFor(int index) {
    const std::vector<LuvoMethod>& methods = LuvoMethods();
    if (index < 0 || index >= static_cast<int>(methods.size())) return wxString();
    return methods[index].status;
}

void MainFrame::ShowSelectionStatus() { SetStatusText(StatusTextFor(methodBox_->GetSelection())); }

void MainFrame::OnRadioBox(wxCommandEvent&) { ShowSelectionStatus(); }

void MainFrame::OnInfo(wxCommandEvent&) {
    SetStatusText(wxS("Gewählt: Info"));
    luvo::ShowInfoBox(this, kAboutText, wxS("Info Luvo 1.0"));
    ShowSelectionStatus();
}

void MainFrame::OnStart(wxCommandEvent&) { OpenMethodWindow(methodBox_->GetSelection()); }

void MainFrame::OnQuit(wxCommandEvent&) {
    // Open panel-method windows hold their own reference and keep the evaluator alive.
    Panel3dPolarEvaluator::Release();
    Close(true);
}

MainFrame* ShowMainWindow() {
    auto* frame = new MainFrame(wxS(" Luvo 4.1"), wxDefaultPosition, wxSize(420, 380));
    frame->Centre(wxBOTH);
    frame->Show(true);
    return frame;
}

wxFrame* OpenMethodWindow(int index) {
    const std::vector<LuvoMethod>& methods = LuvoMethods();
    if (index < 0 || index >= static_cast<int>(methods.size())) return nullptr;
    const LuvoMethod& method = methods[index];
    wxFrame* frame = method.create(method.title, method.size);
    frame->Centre(wxBOTH);
    frame->Show(true);
    return frame;
}
