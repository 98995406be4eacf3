#include "panel3d/input/Panel3dGeometryFrame.h"

#include "panel3d/input/Panel3dInputModule.h"

Panel3dGeometryFrame::Panel3dGeometryFrame(const wxString& title, const wxPoint& pos,
                                           const wxSize& size, long style,
                                           std::shared_ptr<Panel3dPolarEvaluator> evaluator)
    : luvo::LuvoFrame(title, pos, size, luvo::FileMenu::Close, 1, style),
      evaluator_(std::move(evaluator)) {}

void Panel3dGeometryFrame::CloseWindow() {
    // Only the module's own window is the open one.
    if (Panel3dGeometryWindow == this) Panel3dGeometryOpen = false;
    Destroy();
}

void Panel3dGeometryFrame::OnClose(wxCloseEvent&) { CloseWindow(); }

void Panel3dGeometryFrame::OnCloseCommand(wxCommandEvent&) { CloseWindow(); }

// clang-format off
wxBEGIN_EVENT_TABLE(Panel3dGeometryFrame, luvo::LuvoFrame)
    EVT_MENU(luvo::kIdMenuClose, Panel3dGeometryFrame::OnCloseCommand)
    EVT_CLOSE(Panel3dGeometryFrame::OnClose)
wxEND_EVENT_TABLE()
