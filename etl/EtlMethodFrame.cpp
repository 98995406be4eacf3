#include "etl/EtlMethodFrame.h"

wxBEGIN_EVENT_TABLE(EtlMethodFrame, luvo::LuvoFrame)
    EVT_MENU(luvo::kIdMenuClose, EtlMethodFrame::OnClose)
        EVT_MENU(luvo::kIdMenuInfo, EtlMethodFrame::OnInfo) wxEND_EVENT_TABLE()

            EtlMethodFrame::EtlMethodFrame(const wxString& title, const wxPoint& pos,
                                           const wxSize& size)
    : luvo::LuvoFrame(title, pos, size) {}

void EtlMethodFrame::OnClose(wxCommandEvent&) { Close(true); }

void EtlMethodFrame::OnInfo(wxCommandEvent&) {
    luvo::ShowInfoBox(this, wxS("Erweitertes Traglinienverfahren"),
                      wxS("Info Erweitertes Traglinienverfahren"));
}
