#include "vlm/VlmMethodFrame.h"

wxBEGIN_EVENT_TABLE(VlmMethodFrame, luvo::LuvoFrame)
    EVT_MENU(luvo::kIdMenuClose, VlmMethodFrame::OnClose)
        EVT_MENU(luvo::kIdMenuInfo, VlmMethodFrame::OnInfo) wxEND_EVENT_TABLE()

            VlmMethodFrame::VlmMethodFrame(const wxString& title, const wxPoint& pos,
                                           const wxSize& size)
    : luvo::LuvoFrame(title, pos, size) {}

void VlmMethodFrame::OnClose(wxCommandEvent&) { Close(true); }

void VlmMethodFrame::OnInfo(wxCommandEvent&) {
    luvo::ShowInfoBox(this, wxS("Wirbelleiterverfahren"), wxS("Info Wirbelleiterverfahren"));
}
