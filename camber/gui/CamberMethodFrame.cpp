#include "camber/gui/CamberMethodFrame.h"

#include <wx/stattext.h>

#include "camber/gui/CamberLineFrame.h"
#include "camber/gui/CamberNacaFrame.h"
#include "camber/gui/CamberPressureFrame.h"

namespace {

enum { kIdTaskBox = 10 };

struct TaskRow {
    const wchar_t* choice;
    const wchar_t* status;
    const wchar_t* title;
};

const TaskRow kTasks[] = {
    {L"Vorgabe der Skelettlinie eines NACA Four-digit Profils",
     L"Gewählt: Vorgabe der Skelettlinie eines NACA Four-digit Profils",
     L"Skelett-Theorie - Vorgabe der Skelettlinie eines NACA Four-digit Profils"},
    {L"Interaktive Variation der Skelettlinie", L"Gewählt: Interaktive Variation der Skelettlinie",
     L"Skelett-Theorie - Interaktive Variation der Skelettlinie"},
    {L"Interaktive Variation der Druckverteilung",
     L"Gewählt: Interaktive Variation der Druckverteilung",
     L"Skelett-Theorie - Interaktive Variation der Druckverteilung"},
};
constexpr int kTaskCount = static_cast<int>(sizeof kTasks / sizeof kTasks[0]);

const wxString kInfoText =
    wxS("Die Skelett-Theorie wird für die Berechnung und Auslegung\n"
        "von dünnen Profilen (Skelettprofilen) in reibungsfreier, in-\n"
        "kompressibler Strömung angewandt.\n\n"
        "Man unterscheidet zwei Hauptaufgaben:\n\n"
        "1. Hauptaufgabe (Entwurfsaufgabe, indirektes Problem):\n"
        "      - gegeben ist die Zirkulations-, Geschwindigkeits- oder\n"
        "        Druckverteilung,\n"
        "      - gesucht ist die zugehörige Skelettlinie.\n\n"
        "2. Hauptaufgabe (Nachrechenaufgabe, direktes Problem):\n"
        "      - gegeben ist die Skelettlinie,\n"
        "      - gesucht ist die Zirkulations-, Geschwindigkeits- oder\n"
        "        Druckverteilung.\n\n"
        "Die Zirkulationsverteilung wird in beiden Fällen durch die Fou-\n"
        "rier-Reihe von Glauert dargestellt.\n");

}  // namespace

wxBEGIN_EVENT_TABLE(CamberMethodFrame, luvo::LuvoFrame)
    EVT_MENU(luvo::kIdMenuQuit, CamberMethodFrame::OnQuit)
    EVT_MENU(luvo::kIdMenuInfo, CamberMethodFrame::OnInfo)
    EVT_RADIOBOX(kIdTaskBox, CamberMethodFrame::OnRadioBox)
    EVT_BUTTON(luvo::kIdButtonStart, CamberMethodFrame::OnStart)
    EVT_BUTTON(luvo::kIdButtonClose, luvo::LuvoFrame::OnClose)
wxEND_EVENT_TABLE()

CamberMethodFrame::CamberMethodFrame(const wxString& title, const wxPoint& pos, const wxSize& size)
    : luvo::LuvoFrame(title, pos, size, luvo::FileMenu::CloseAsId1) {
    SetStatusText(StatusTextFor(0));
    new wxStaticText(panel_, wxID_ANY,
                     wxS("Innerhalb der Skelett-Theorie stehen die folgenden Möglich-\n"
                         "keiten zur Verfügung:"),
                     wxPoint(50, 50), wxDefaultSize, 0, wxS("message"));
    startButton_ = new wxButton(panel_, luvo::kIdButtonStart, wxS("OK"), wxPoint(110, 280),
                                wxDefaultSize, 0, wxDefaultValidator, wxS("button"));
    cancelButton_ = new wxButton(panel_, luvo::kIdButtonClose, wxS("&Abbrechen"), wxPoint(210, 280),
                                 wxDefaultSize, 0, wxDefaultValidator, wxS("button"));
    wxString choices[kTaskCount];
    for (int i = 0; i < kTaskCount; ++i) choices[i] = kTasks[i].choice;
    taskBox_ = new wxRadioBox(panel_, kIdTaskBox, wxS("Skelett-Theorie"), wxPoint(50, 100),
                              wxDefaultSize, kTaskCount, choices, 1, wxRA_SPECIFY_COLS,
                              wxDefaultValidator, wxS("radioBox"));
    taskBox_->SetSelection(0);
}

wxString CamberMethodFrame::StatusTextFor(int index) {
    if (index < 0 || index >= kTaskCount) return wxString();
    return kTasks[index].status;
}

void CamberMethodFrame::OnRadioBox(wxCommandEvent&) {
    SetStatusText(StatusTextFor(taskBox_->GetSelection()));
}

void CamberMethodFrame::OnInfo(wxCommandEvent&) {
    luvo::ShowInfoBox(this, kInfoText, wxS("Info Skelett-Theorie"));
}

void CamberMethodFrame::OnStart(wxCommandEvent&) { OpenCamberTask(taskBox_->GetSelection()); }

void CamberMethodFrame::OnQuit(wxCommandEvent&) { Close(true); }

wxFrame* OpenCamberTask(int index) {
    if (index < 0 || index >= kTaskCount) return nullptr;
    const wxString title = kTasks[index].title;
    const wxSize size(640, 600);
    wxFrame* frame = nullptr;
    switch (index) {
        case 0:
            frame = new CamberNacaFrame(title, wxDefaultPosition, size);
            break;
        case 1:
            frame = new CamberLineFrame(title, wxDefaultPosition, size);
            break;
        default:
            frame = new CamberPressureFrame(title, wxDefaultPosition, size);
            break;
    }
    frame->Centre(wxBOTH);
    frame->Show(true);
    return frame;
}
