#include "vlm/gui/VlmGeometryFrame.h"

#include "common/gui/RangeCheckBox.h"
#include "common/gui/SingleWindow.h"
#include "vlm/gui/VlmDiscretisationFrame.h"
#include "vlm/gui/VlmModule.h"

VlmGeometryFrame::VlmGeometryFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                                   long style)
    : luvo::WingGeometryWindow(title, pos, size, style,
                               {/*sectionThickness=*/false,
                                /*angleOfAttack=*/true}) {
    AddFields();
    AddPreviewAndButtons();
}

VlmWingInputs VlmGeometryFrame::Read(bool forCheck) const {
    VlmWingInputs in;
    ReadWing(in, forCheck);
    in.alpha = alphaField->Value(forCheck);
    return in;
}

void VlmGeometryFrame::CloseWindow() {
    Withdraw();
    luvo::ReleaseIfHeld(vlm::VlmGeometryWindow, this);
    Destroy();
}

void VlmGeometryFrame::OnClose(wxCloseEvent& event) {
    if (vlm::VlmRunActive && event.CanVeto()) {
        event.Veto();
        return;
    }
    CloseWindow();
}

void VlmGeometryFrame::OnCloseCommand(wxCommandEvent&) {
    if (!vlm::VlmRunActive) CloseWindow();
}

bool VlmGeometryFrame::PassChecks(wxWindow* parent) const {
    return luvo::PassRangeChecks(parent, luvo::WingGeometryChecks(Read(true)));
}

void VlmGeometryFrame::OnNext(wxCommandEvent&) {
    if (!PassChecks(this)) return;
    luvo::OpenSingleWindow(vlm::VlmDiscretisationWindow, wxS("Diskretisierung"), wxSize(420, 585),
                           wxDEFAULT_FRAME_STYLE | wxSTAY_ON_TOP);
}

wxBEGIN_EVENT_TABLE(VlmGeometryFrame, luvo::WingGeometryWindow)
    EVT_MENU(luvo::kIdMenuClose, VlmGeometryFrame::OnCloseCommand)
    EVT_MENU(luvo::kIdMenuInfo, VlmGeometryFrame::OnInfo)
    EVT_BUTTON(VlmGeometryFrame::kIdNext, VlmGeometryFrame::OnNext)
    EVT_BUTTON(VlmGeometryFrame::kIdCancel, VlmGeometryFrame::OnCloseCommand)
    EVT_CLOSE(VlmGeometryFrame::OnClose)
wxEND_EVENT_TABLE()

bool vlm::VlmGeometryOpen() { return luvo::IsLiveWindow(vlm::VlmGeometryWindow); }
