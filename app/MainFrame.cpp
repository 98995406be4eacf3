#include "app/MainFrame.h"

#include <wx/stattext.h>

#include "camber/gui/CamberMethodFrame.h"
#include "etl/gui/EtlMethodFrame.h"
#include "llt/gui/LltMethodFrame.h"
#include "panel3d/core/Panel3dPolarEvaluator.h"
#include "panel3d/gui/Panel3dMethodFrame.h"
#include "supersonic/gui/SupersonicMethodFrame.h"
#include "vlm/gui/VlmMethodFrame.h"

namespace {

enum { kIdMethodBox = 10 };

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

struct MethodRow {
    const wchar_t* choice;
    const wchar_t* status;
    const wchar_t* title;
    int width;
    int height;
};

const MethodRow kMethods[] = {
    {L"Skelett-Theorie", L"Gewählt: Skelett-Theorie", L" Luvo - Skelett-Theorie", 420, 380},
    {L"3D Panelverfahren", L"Gewählt: 3D Panelverfahren", L" Luvo - 3D Panelverfahren", 420, 760},
    {L"Einfache Prandtl\u00b4sche Traglinientheorie",
     L"Gewählt: Einfache Prandtl\u00b4sche Traglinientheorie",
     L" Luvo - Einfaches Traglinienverfahren", 475, 380},
    {L"Erweiterte Traglinienverfahren", L"Gewählt: Erweitertes Traglinienverfahren",
     L" Luvo - Erweitertes Traglinienverfahren", 465, 380},
    {L"Wirbelleiterverfahren", L"Gewählt: Wirbelleiterverfahren", L" Luvo - Wirbelleiterverfahren",
     420, 380},
    {L"Überschallberechnung", L"Gewählt: Überschallberechnung", L" Luvo - Überschallverfahren", 420,
     380},
};
constexpr int kMethodCount = static_cast<int>(sizeof kMethods / sizeof kMethods[0]);

}  // namespace

wxBEGIN_EVENT_TABLE(MainFrame, luvo::LuvoFrame) EVT_MENU(luvo::kIdMenuQuit, MainFrame::OnQuit)
    EVT_MENU(luvo::kIdMenuInfo, MainFrame::OnInfo) EVT_RADIOBOX(kIdMethodBox, MainFrame::OnRadioBox)
        EVT_BUTTON(luvo::kIdButtonStart, MainFrame::OnStart) wxEND_EVENT_TABLE()

            MainFrame::MainFrame(const wxString& title, const wxPoint& pos, const wxSize& size)
    : luvo::LuvoFrame(title, pos, size, luvo::FileMenu::Quit) {
    SetStatusText(StatusTextFor(0));
    new wxStaticText(panel_, wxID_ANY, wxS("Willkommen bei Luvo 4.1!"), wxPoint(50, 50),
                     wxDefaultSize, 0, wxS("message"));
    new wxStaticText(panel_, wxID_ANY, wxS("Bitte wählen Sie das gewünschte Verfahren aus:"),
                     wxPoint(50, 100), wxDefaultSize, 0, wxS("message"));
    startButton_ = new wxButton(panel_, luvo::kIdButtonStart, wxS("&OK"), wxPoint(160, 280),
                                wxDefaultSize, 0, wxDefaultValidator, wxS("button"));
    wxString choices[kMethodCount];
    for (int i = 0; i < kMethodCount; ++i) choices[i] = kMethods[i].choice;
    methodBox_ = new wxRadioBox(panel_, kIdMethodBox, wxS("Luvo"), wxPoint(50, 130), wxDefaultSize,
                                kMethodCount, choices, 1, wxRA_SPECIFY_COLS, wxDefaultValidator,
                                wxS("radioBox"));
    methodBox_->SetSelection(0);
    Panel3dPolarEvaluator::Create();
}

wxString MainFrame::StatusTextFor(int index) {
    if (index < 0 || index >= kMethodCount) return wxString();
    return kMethods[index].status;
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
    if (index < 0 || index >= kMethodCount) return nullptr;
    const MethodRow& row = kMethods[index];
    const wxSize size(row.width, row.height);
    wxFrame* frame = nullptr;
    switch (index) {
        case 0:
            frame = new CamberMethodFrame(row.title, wxDefaultPosition, size);
            break;
        case 1:
            frame = new Panel3dMethodFrame(row.title, wxDefaultPosition, size);
            break;
        case 2:
            frame = new LltMethodFrame(row.title, wxDefaultPosition, size);
            break;
        case 3:
            frame = new EtlMethodFrame(row.title, wxDefaultPosition, size);
            break;
        case 4:
            frame = new VlmMethodFrame(row.title, wxDefaultPosition, size);
            break;
        case 5:
            frame = new SupersonicMethodFrame(row.title, wxDefaultPosition, size);
            break;
    }
    frame->Centre(wxBOTH);
    frame->Show(true);
    return frame;
}
