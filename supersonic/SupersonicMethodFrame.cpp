#include "supersonic/SupersonicMethodFrame.h"

wxBEGIN_EVENT_TABLE(SupersonicMethodFrame, luvo::LuvoFrame)
    EVT_MENU(luvo::kIdMenuClose, SupersonicMethodFrame::OnClose)
        EVT_MENU(luvo::kIdMenuInfo, SupersonicMethodFrame::OnInfo) wxEND_EVENT_TABLE()

            SupersonicMethodFrame::SupersonicMethodFrame(const wxString& title, const wxPoint& pos,
                                                         const wxSize& size)
    : luvo::LuvoFrame(title, pos, size) {}

void SupersonicMethodFrame::OnClose(wxCommandEvent&) { Close(true); }

void SupersonicMethodFrame::OnInfo(wxCommandEvent&) {
    luvo::ShowInfoBox(this, wxS("Überschallverfahren"), wxS("Info Überschallverfahren"));
}
