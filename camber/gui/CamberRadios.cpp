#include "camber/gui/CamberRadios.h"

#include "camber/gui/CamberNacaHost.h"
#include "camber/gui/CamberTaskWindow.h"
#include "common/gui/MouseEventTable.h"

namespace {

// Both radio values and the enabled field of one mode. A native change has already set the
// radio values, but never the fields.
void SetMode(CamberNacaHost* window, bool angleMode) {
    window->AngleRadio()->SetValue(angleMode);
    window->LiftRadio()->SetValue(!angleMode);
    window->AngleField()->Enable(angleMode);
    window->LiftField()->Enable(!angleMode);
}

}  // namespace

wxBEGIN_EVENT_TABLE(CamberAngleRadio, wxRadioButton)
    LUVO_EVT_MOUSE_BUTTONS_AND_MOTION(CamberAngleRadio::OnMouse)
    EVT_KEY_UP(CamberAngleRadio::OnKeyUp)
    EVT_RADIOBUTTON(wxID_ANY, CamberAngleRadio::OnNativeChange)
wxEND_EVENT_TABLE()

CamberAngleRadio::CamberAngleRadio(wxWindow* parent, const wxPoint& pos)
    : wxRadioButton(parent, wxID_ANY, wxS("Winkel [°]:"), pos, wxDefaultSize, wxRB_GROUP) {
    SetValue(true);
}

void CamberAngleRadio::OnMouse(wxMouseEvent& event) {
    if (event.GetEventType() == wxEVT_MOTION) {
        event.Skip();
        return;
    }
    if (event.LeftDown()) Choose();
}

void CamberAngleRadio::OnKeyUp(wxKeyEvent& event) {
    if (event.GetKeyCode() != WXK_TAB) {
        event.Skip();
        return;
    }
    Choose();
}

void CamberAngleRadio::OnNativeChange(wxCommandEvent&) {
    auto* window = CamberWindowOf<CamberNacaHost>(this);
    if (window == nullptr) return;
    SetMode(window, true);
    Choose();
}

void CamberAngleRadio::Choose() {
    auto* window = CamberWindowOf<CamberNacaHost>(this);
    if (window == nullptr) return;
    if (!window->AngleRadio()->GetValue() && window->LiftRadio()->GetValue()) {
        SetMode(window, true);
    }
    CamberShowStatus(this, wxS("Gewählt: Eingabe des Winkels"));
    window->Recalculate();
}

wxBEGIN_EVENT_TABLE(CamberLiftRadio, wxRadioButton)
    LUVO_EVT_MOUSE_BUTTONS_AND_MOTION(CamberLiftRadio::OnMouse)
    EVT_KEY_UP(CamberLiftRadio::OnKeyUp)
    EVT_RADIOBUTTON(wxID_ANY, CamberLiftRadio::OnNativeChange)
wxEND_EVENT_TABLE()

CamberLiftRadio::CamberLiftRadio(wxWindow* parent, const wxPoint& pos)
    : wxRadioButton(parent, wxID_ANY, wxS("Auftriebsbeiwert [-]:"), pos) {
    SetValue(false);
}

bool CamberLiftRadio::SwitchToLift() {
    auto* window = CamberWindowOf<CamberNacaHost>(this);
    if (window == nullptr) return false;
    if (!(window->AngleRadio()->GetValue() && !window->LiftRadio()->GetValue())) return false;
    SetMode(window, false);
    return true;
}

void CamberLiftRadio::OnNativeChange(wxCommandEvent&) {
    auto* window = CamberWindowOf<CamberNacaHost>(this);
    if (window == nullptr) return;
    SetMode(window, false);
    CamberShowStatus(this, wxS("Gewählt: Eingabe des Auftriebsbeiwertes"));
    window->Recalculate();
}

void CamberLiftRadio::OnMouse(wxMouseEvent& event) {
    if (event.GetEventType() == wxEVT_MOTION) {
        event.Skip();
        return;
    }
    if (!event.LeftDown()) return;
    // In lift mode already, a click changes nothing at all.
    if (!SwitchToLift()) return;
    CamberShowStatus(this, wxS("Gewählt: Eingabe des Auftriebsbeiwertes"));
    CamberWindowOf<CamberNacaHost>(this)->Recalculate();
}

void CamberLiftRadio::OnKeyUp(wxKeyEvent& event) {
    if (event.GetKeyCode() != WXK_TAB) {
        event.Skip();
        return;
    }
    auto* window = CamberWindowOf<CamberNacaHost>(this);
    if (window == nullptr) return;
    SwitchToLift();
    CamberShowStatus(this, wxS("Gewählt: Eingabe des Auftriebsbeiwertes"));
    window->Recalculate();
}
