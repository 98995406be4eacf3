#include "panel3d/input/Panel3dMethodFrame.h"

wxBEGIN_EVENT_TABLE(Panel3dMethodFrame, luvo::LuvoFrame)
    EVT_MENU(luvo::kIdMenuClose, Panel3dMethodFrame::OnClose)
        EVT_MENU(luvo::kIdMenuInfo, Panel3dMethodFrame::OnInfo) wxEND_EVENT_TABLE()

            Panel3dMethodFrame::Panel3dMethodFrame(const wxString& title, const wxPoint& pos,
                                                   const wxSize& size)
    : luvo::LuvoFrame(title, pos, size), evaluator_(Panel3dPolarEvaluator::Shared()) {}

void Panel3dMethodFrame::OnClose(wxCommandEvent&) { Close(true); }

void Panel3dMethodFrame::OnInfo(wxCommandEvent&) {
    luvo::ShowInfoBox(this, wxS("3D Panelverfahren"), wxS("Info 3D Panelverfahren"));
}
