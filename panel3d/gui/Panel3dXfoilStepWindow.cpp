#include "panel3d/gui/Panel3dXfoilStepWindow.h"

#include <utility>

#include "panel3d/gui/XfoilFilesFrame.h"

Panel3dXfoilStepWindow::Panel3dXfoilStepWindow(const wxString& title, const wxPoint& pos,
                                               const wxSize& size, long style, Panel3dRun run,
                                               const wxString& box, const wxString& hint)
    : Panel3dResultsWindow(title, pos, size, style, std::move(run), box) {
    // GTK's font makes the hint about 222 pixels wide: it ends before the button.
    new wxStaticText(panel, wxID_ANY, hint, wxPoint(292, 465));
    xfoilButton = new wxButton(panel, kIdXfoilButton, wxS("X&FOIL starten"), wxPoint(520, 460));
}

void Panel3dXfoilStepWindow::OnXfoil(wxCommandEvent&) { OpenXfoilFilesFrame(Run()); }

wxBEGIN_EVENT_TABLE(Panel3dXfoilStepWindow, Panel3dResultsWindow)
    EVT_BUTTON(Panel3dXfoilStepWindow::kIdXfoilButton, Panel3dXfoilStepWindow::OnXfoil)
wxEND_EVENT_TABLE()
