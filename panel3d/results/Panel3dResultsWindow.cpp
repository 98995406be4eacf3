#include "panel3d/results/Panel3dResultsWindow.h"

#include <wx/statbox.h>

#include <utility>

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
    new wxStaticText(panel, wxID_ANY, hint, wxPoint(300, 465));
    xfoilButton = new wxButton(panel, kIdXfoilButton, wxS("X&FOIL starten"), wxPoint(520, 460));
}

void Panel3dResultsWindow::ShowInfo(const wxString& text) {
    SetStatusText(wxS("Info"));
    luvo::ShowInfoBox(this, text, wxS("INFO Ausgabe der Ergebnisse"));
    SetStatusText(kStatus);
}

void Panel3dResultsWindow::OnXfoil(wxCommandEvent&) {}

// clang-format off
wxBEGIN_EVENT_TABLE(Panel3dResultsWindow, luvo::LuvoFrame)
    EVT_MENU(luvo::kIdMenuClose, luvo::LuvoFrame::OnClose)
    EVT_BUTTON(luvo::kIdButtonClose, luvo::LuvoFrame::OnClose)
    EVT_BUTTON(Panel3dResultsWindow::kIdXfoilButton, Panel3dResultsWindow::OnXfoil)
wxEND_EVENT_TABLE()
// clang-format on
