#include "panel3d/gui/Panel3dResultsWindow.h"

#include <wx/statbox.h>

#include <limits>
#include <utility>

#include "common/gui/WxNumber.h"
#include "panel3d/core/Panel3dEvaluationRecord.h"

namespace {

const wxString kStatus = wxS("Ergebnisse");

}  // namespace

Panel3dResultsWindow::Panel3dResultsWindow(const wxString& title, const wxPoint& pos,
                                           const wxSize& size, long style, Panel3dRun run,
                                           const wxString& box)
    : luvo::LuvoFrame(title, pos, size, luvo::FileMenu::Close, 1, style), run_(std::move(run)) {
    panel = GetPanel();
    SetResultsStatus(kStatus);
    new wxStaticBox(panel, wxID_ANY, box, wxPoint(350, 10));
    closeButton = new wxButton(panel, luvo::kIdButtonClose, wxS("S&chließen"), wxPoint(520, 410));
    closeButton->SetToolTip(wxS("Schließen"));
}

wxStaticText* Panel3dResultsWindow::AddNeutralPointBox() {
    // Below the line of "Ergebnisse:", which GTK's font makes taller than 10 pixels.
    new wxStaticBox(panel, wxID_ANY, wxS("Neutralpunkt:"), wxPoint(350, 28), wxSize(270, 80));
    new wxStaticText(panel, wxID_ANY, wxS("Lage desNeutralpunkts l_NP [m]:"), wxPoint(370, 50));
    new wxStaticText(panel, wxID_ANY, wxS("(relativ zum Ursprung des Koordinatensystems)"),
                     wxPoint(370, 70));
    new wxStaticText(panel, wxID_ANY, wxS("="), wxPoint(545, 50));
    wxStaticText* value = new wxStaticText(panel, wxID_ANY, wxString(), wxPoint(570, 50));
    // Of this run's record, once: later runs do not change it.
    const double lnp =
        run_.record ? run_.record->NeutralPoint() : std::numeric_limits<double>::quiet_NaN();
    value->SetLabel(luvo::FormatLabel("%1.3f", lnp));
    return value;
}

void Panel3dResultsWindow::ShowInfo(const wxString& text) {
    SetStatusText(wxS("Info"));
    luvo::ShowInfoBox(this, text, wxS("INFO Ausgabe der Ergebnisse"));
    SetStatusText(status_);
}

void Panel3dResultsWindow::SetResultsStatus(const wxString& text) {
    status_ = text;
    SetStatusText(status_);
}

wxBEGIN_EVENT_TABLE(Panel3dResultsWindow, luvo::LuvoFrame)
    EVT_MENU(luvo::kIdMenuClose, luvo::LuvoFrame::OnClose)
    EVT_BUTTON(luvo::kIdButtonClose, luvo::LuvoFrame::OnClose)
wxEND_EVENT_TABLE()
