#include "panel3d/input/Panel3dDiscretisationFrame.h"

#include <utility>

#include "panel3d/input/Panel3dFlapFrame.h"
#include "panel3d/input/Panel3dInputModule.h"

Panel3dDiscretisationFrame::Panel3dDiscretisationFrame(
    const wxString& title, const wxPoint& pos, const wxSize& size, long style,
    std::shared_ptr<Panel3dPolarEvaluator> evaluator)
    : luvo::LuvoFrame(title, pos, size, luvo::FileMenu::Close, 1, style),
      evaluator_(std::move(evaluator)) {}

void Panel3dDiscretisationFrame::CloseWindow() {
    // The flap view draws this window's model: it goes with it.
    Panel3dCloseFlapView();
    if (Panel3dDiscretisationWindow == this) {
        Panel3dDiscretisationOpen = false;
        Panel3dDiscretisationWindow = nullptr;
    }
    Destroy();
}

void Panel3dDiscretisationFrame::OnClose(wxCloseEvent&) { CloseWindow(); }

void Panel3dDiscretisationFrame::OnCloseCommand(wxCommandEvent&) { CloseWindow(); }

// clang-format off
wxBEGIN_EVENT_TABLE(Panel3dDiscretisationFrame, luvo::LuvoFrame)
    EVT_MENU(luvo::kIdMenuClose, Panel3dDiscretisationFrame::OnCloseCommand)
    EVT_CLOSE(Panel3dDiscretisationFrame::OnClose)
wxEND_EVENT_TABLE()
