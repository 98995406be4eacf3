#include "camber/gui/CamberButtons.h"

#include "camber/gui/CamberTaskWindow.h"
#include "common/gui/LuvoFrame.h"

wxBEGIN_EVENT_TABLE(CamberCloseButton, wxButton)
    EVT_KEY_UP(CamberCloseButton::OnKeyUp)
    EVT_BUTTON(luvo::kIdButtonClose, CamberCloseButton::OnButton)
wxEND_EVENT_TABLE()

CamberCloseButton::CamberCloseButton(wxWindow* parent, const wxPoint& pos)
    : wxButton(parent, luvo::kIdButtonClose, wxS("&Schließen"), pos) {}

void CamberCloseButton::OnKeyUp(wxKeyEvent& event) {
    if (event.GetKeyCode() != WXK_TAB) {
        event.Skip();
        return;
    }
    CamberShowStatus(this, wxS("Fenster schließen"));
}

void CamberCloseButton::OnButton(wxCommandEvent&) { wxGetTopLevelParent(this)->Destroy(); }
