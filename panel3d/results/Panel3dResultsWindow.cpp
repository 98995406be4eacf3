#include "panel3d/results/Panel3dResultsWindow.h"

#include <wx/statbox.h>

#include <utility>

#include "panel3d/results/Panel3dPolarResultsFrame.h"
#include "panel3d/results/Panel3dResultsFrame.h"

namespace {

const wxString kStatus = wxS("Ergebnisse");

}  // namespace

Panel3dResultsWindow::Panel3dResultsWindow(const wxString& title, const wxPoint& pos,
                                           const wxSize& size, long style, Panel3dRun run,
                                           const wxString& box, const wxString& hint)
    : luvo::LuvoFrame(title, pos, size, luvo::FileMenu::Close, 1, style), run_(std::move(run)) {
    panel = GetPanel();
    SetStatusText(kStatus);
    new wxStaticBox(panel, wxID_ANY, box, wxPoint(350, 10));
    closeButton = new wxButton(panel, luvo::kIdButtonClose, wxS("S&chließen"), wxPoint(520, 410));
    closeButton->SetToolTip(wxS("Schließen"));
    // GTK's font makes the hint about 222 pixels wide: it ends before the button.
    new wxStaticText(panel, wxID_ANY, hint, wxPoint(292, 465));
    xfoilButton = new wxButton(panel, kIdXfoilButton, wxS("X&FOIL starten"), wxPoint(520, 460));
}

void Panel3dResultsWindow::ShowInfo(const wxString& text) {
    SetStatusText(wxS("Info"));
    luvo::ShowInfoBox(this, text, wxS("INFO Ausgabe der Ergebnisse"));
    SetStatusText(kStatus);
}

void Panel3dResultsWindow::OnXfoil(wxCommandEvent&) {}

Panel3dResultsWindow* Panel3dShowResultsWindow(int taskMode, Panel3dRun run) {
    const wxSize size(640, 565);
    Panel3dResultsWindow* frame = nullptr;
    if (taskMode == 1) {
        frame =
            new Panel3dPolarResultsFrame(wxS("Polaren"), wxDefaultPosition, size, std::move(run));
    } else if (taskMode == 2) {
        frame = new Panel3dSpeedPolarResultsFrame(wxS("Polaren"), wxDefaultPosition, size,
                                                  std::move(run));
    } else {
        frame = new Panel3dResultsFrame(wxS("Ergebnisse"), wxDefaultPosition, size, std::move(run));
    }
    frame->Centre(wxBOTH);
    frame->Show(true);
    return frame;
}

// clang-format off
wxBEGIN_EVENT_TABLE(Panel3dResultsWindow, luvo::LuvoFrame)
    EVT_MENU(luvo::kIdMenuClose, luvo::LuvoFrame::OnClose)
    EVT_BUTTON(luvo::kIdButtonClose, luvo::LuvoFrame::OnClose)
    EVT_BUTTON(Panel3dResultsWindow::kIdXfoilButton, Panel3dResultsWindow::OnXfoil)
wxEND_EVENT_TABLE()
    // clang-format on
