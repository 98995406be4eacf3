#include "vlm/VlmDiscretisationFrame.h"

#include "vlm/VlmModule.h"

VlmDiscretisationFrame::VlmDiscretisationFrame(const wxString& title, const wxPoint& pos,
                                               const wxSize& size, long style)
    : luvo::LuvoFrame(title, pos, size, luvo::FileMenu::Close, 1, style) {}

void VlmDiscretisationFrame::CloseWindow() {
    if (VlmDiscretisationWindow == this) VlmDiscretisationOpen = false;
    Destroy();
}

void VlmDiscretisationFrame::OnClose(wxCloseEvent&) { CloseWindow(); }

void VlmDiscretisationFrame::OnCloseCommand(wxCommandEvent&) { CloseWindow(); }

// clang-format off
wxBEGIN_EVENT_TABLE(VlmDiscretisationFrame, luvo::LuvoFrame)
    EVT_MENU(luvo::kIdMenuClose, VlmDiscretisationFrame::OnCloseCommand)
    EVT_CLOSE(VlmDiscretisationFrame::OnClose)
wxEND_EVENT_TABLE()
