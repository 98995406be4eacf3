#include "supersonic/gui/SupersonicControls.h"

#include "common/gui/LuvoFrame.h"
#include "common/gui/MouseEventTable.h"
#include "common/gui/WxNumber.h"
#include "supersonic/gui/SupersonicControlHost.h"

namespace {

constexpr int kMaxSupportCount = 4;
constexpr long kFieldStyle = wxTE_PROCESS_ENTER;
const luvo::FieldRange kCountRange{0, true, kMaxSupportCount, true};

std::string Utf8(const wxString& text) { return std::string(text.utf8_str()); }

bool IsModifierKey(int code) {
    switch (code) {
        case WXK_SHIFT:
        case WXK_ALT:
        case WXK_CONTROL:
        case WXK_WINDOWS_LEFT:
        case WXK_WINDOWS_RIGHT:
        case WXK_WINDOWS_MENU:
        case WXK_NONE:
            return true;
        default:
            return false;
    }
}

}  // namespace

bool SupersonicActionKeys::PassesDown(const wxKeyEvent& event) {
    const int code = event.GetKeyCode();
    if (event.AltDown() || event.ControlDown()) {
        if (!IsModifierKey(code)) pressedWithModifier_ = code;
        return true;
    }
    return code == WXK_TAB || IsModifierKey(code);
}

bool SupersonicActionKeys::ActsOnUp(const wxKeyEvent& event) {
    const int code = event.GetKeyCode();
    if (code == pressedWithModifier_) {
        pressedWithModifier_ = WXK_NONE;
        return false;
    }
    return code != WXK_TAB && !IsModifierKey(code) && !event.AltDown() && !event.ControlDown();
}

wxBEGIN_EVENT_TABLE(SupersonicCountField, luvo::NumericField)
    EVT_TEXT(wxID_ANY, SupersonicCountField::OnTextChanged)
wxEND_EVENT_TABLE()
wxBEGIN_EVENT_TABLE(SupersonicRangeField, luvo::NumericField)
    EVT_TEXT(wxID_ANY, SupersonicRangeField::OnTextChanged)
wxEND_EVENT_TABLE()
wxBEGIN_EVENT_TABLE(SupersonicValueField, luvo::NumericField)
    EVT_TEXT(wxID_ANY, SupersonicValueField::OnTextChanged)
wxEND_EVENT_TABLE()
wxBEGIN_EVENT_TABLE(SupersonicCoefficientField, luvo::NumericField)
    EVT_TEXT(wxID_ANY, SupersonicCoefficientField::OnTextChanged)
wxEND_EVENT_TABLE()
wxBEGIN_EVENT_TABLE(SupersonicModeRadio, wxRadioButton)
    LUVO_EVT_MOUSE_BUTTONS_AND_MOTION(SupersonicModeRadio::OnMouse)
    EVT_KEY_DOWN(SupersonicModeRadio::OnKeyDown)
    EVT_KEY_UP(SupersonicModeRadio::OnKeyUp)
    EVT_RADIOBUTTON(wxID_ANY, SupersonicModeRadio::OnNativeChange)
wxEND_EVENT_TABLE()
wxBEGIN_EVENT_TABLE(SupersonicToggleBox, wxCheckBox)
    LUVO_EVT_MOUSE_BUTTONS_AND_MOTION(SupersonicToggleBox::OnMouse)
    EVT_KEY_DOWN(SupersonicToggleBox::OnKeyDown)
    EVT_KEY_UP(SupersonicToggleBox::OnKeyUp)
    EVT_CHECKBOX(wxID_ANY, SupersonicToggleBox::OnNativeChange)
wxEND_EVENT_TABLE()

// ---- count field ----

SupersonicCountField::SupersonicCountField(wxWindow* parent, const wxString& value,
                                           const wxPoint& pos, const wxSize& size)
    : luvo::NumericField(parent, wxID_ANY, value, pos, size, kFieldStyle),
      lastValid(luvo::ToNumber(value)) {}

luvo::FieldTextState SupersonicCountField::JudgeTyped(const wxString& text) const {
    return luvo::JudgeTypedText(Utf8(text), kCountRange);
}

void SupersonicCountField::OnTextChanged(wxCommandEvent&) {
    if (!armed) return;
    SupersonicControlHost* window = ControlHostOf(this);
    if (window == nullptr) return;
    const double v = CheckValue();
    if (v >= 0 && v <= kMaxSupportCount) {
        window->Recalculate(SupersonicRedraw::Both);
        lastValid = v;
        return;
    }
    armed = false;
    ChangeValue(luvo::FormatWx("%.0f", lastValid));
    armed = true;
    ReportInvalid();
}

void SupersonicCountField::ReportInvalid() {
    luvo::ShowErrorBox(
        this,
        wxString::Format(wxS("Ungültige Eingabe!\n\nAnzahl der Stützpunkte: 0-%i\n\n"),
                         kMaxSupportCount),
        wxS("Fehler"));
    if (SupersonicControlHost* window = ControlHostOf(this)) {
        window->SetStatus(wxS(" Ungültige Anzahl"));
    }
}

// ---- range field ----

SupersonicRangeField::SupersonicRangeField(wxWindow* parent, const wxString& value,
                                           const wxPoint& pos, const wxSize& size,
                                           double lowerBound, double upperBound,
                                           bool lowerInclusive, bool upperInclusive,
                                           const wxString& name, const wxString& symbol,
                                           SupersonicFlowValue editedValue)
    : luvo::NumericField(parent, wxID_ANY, value, pos, size, kFieldStyle),
      lastValid(luvo::ToNumber(value)),
      range{lowerBound, lowerInclusive, upperBound, upperInclusive},
      displayName(name),
      key(symbol),
      edits(editedValue) {}

luvo::FieldTextState SupersonicRangeField::JudgeTyped(const wxString& text) const {
    return luvo::JudgeTypedText(Utf8(text), range);
}

void SupersonicRangeField::SetQuietly(const wxString& text) {
    armed = false;
    ChangeValue(text);
    armed = true;
}

void SupersonicRangeField::OnTextChanged(wxCommandEvent&) {
    if (!armed) return;
    SupersonicControlHost* window = ControlHostOf(this);
    if (window == nullptr) return;
    const double v = CheckValue();
    if (luvo::InFieldRange(v, range)) {
        errorShown = false;
        SupersonicProfile& profile = window->Profile();
        switch (edits) {
            case SupersonicFlowValue::Mach:
                profile.mach = v;
                break;
            case SupersonicFlowValue::Kappa:
                profile.kappa = v;
                break;
            case SupersonicFlowValue::Alpha:
                profile.alpha = v;
                break;
        }
        window->Recalculate(SupersonicRedraw::Both);
        lastValid = v;
        window->SetStatus(wxEmptyString);
        return;
    }
    if (errorShown) return;
    ReportInvalid();
}

void SupersonicRangeField::ReportInvalid() {
    const wxString lowerSign = range.lowerIncluded ? wxS("<=") : wxS("<");
    const wxString upperSign = range.upperIncluded ? wxS("<=") : wxS("<");
    const int lower = static_cast<int>(range.lower);
    const int upper = static_cast<int>(range.upper);
    luvo::ShowErrorBox(this,
                       wxString::Format(wxS("Ungültige Eingabe!\n\nBereich für %s : %d %s %s %s "
                                            "%d \n\n"),
                                        displayName, lower, lowerSign, key, upperSign, upper),
                       wxS("Fehler"));
    if (SupersonicControlHost* window = ControlHostOf(this)) {
        window->SetStatus(wxString::Format(wxS(" Ungültige Eingabe für %s (Bereich: %d %s %s %s "
                                               "%d )"),
                                           displayName, lower, lowerSign, key, upperSign, upper));
    }
    errorShown = true;
}

// ---- value and coefficient fields ----

void ReportNoNumber(luvo::NumericField* field) {
    luvo::ShowErrorBox(field, wxS("Ungültige Eingabe!\n\nHier ist nur eine Zahl zulässig.\n\n"),
                       wxS("Fehler"));
    if (SupersonicControlHost* window = ControlHostOf(field)) {
        window->SetStatus(wxS(" Ungültige Eingabe"));
    }
}

SupersonicValueField::SupersonicValueField(wxWindow* parent, const wxString& value,
                                           const wxPoint& pos, const wxSize& size)
    : luvo::NumericField(parent, wxID_ANY, value, pos, size, kFieldStyle) {}

void SupersonicValueField::OnTextChanged(wxCommandEvent&) {
    if (SupersonicControlHost* window = ControlHostOf(this))
        window->Recalculate(SupersonicRedraw::Thickness);
}

SupersonicCoefficientField::SupersonicCoefficientField(wxWindow* parent, const wxString& value,
                                                       const wxPoint& pos, const wxSize& size)
    : luvo::NumericField(parent, wxID_ANY, value, pos, size, kFieldStyle) {}

void SupersonicCoefficientField::OnTextChanged(wxCommandEvent&) {
    SupersonicControlHost* window = ControlHostOf(this);
    if (window == nullptr || !window->CoefficientsEntered()) return;
    window->Recalculate(SupersonicRedraw::Camber);
}

// ---- Linear / Spline ----

SupersonicModeRadio::SupersonicModeRadio(wxWindow* parent, const wxString& label,
                                         const wxPoint& pos, long style)
    : wxRadioButton(parent, wxID_ANY, label, pos, wxDefaultSize, style) {}

void SupersonicModeRadio::Action() {
    if (SupersonicControlHost* window = ControlHostOf(this)) window->SwitchMode(this, false);
}

void SupersonicModeRadio::OnMouse(wxMouseEvent& event) {
    if (event.GetEventType() == wxEVT_MOTION) {
        event.Skip();
        return;
    }
    if (event.GetEventType() == wxEVT_LEFT_DOWN) Action();
}

void SupersonicModeRadio::OnKeyDown(wxKeyEvent& event) {
    if (keys_.PassesDown(event)) event.Skip();
}

void SupersonicModeRadio::OnKeyUp(wxKeyEvent& event) {
    if (!keys_.ActsOnUp(event)) {
        event.Skip();
        return;
    }
    if (luvo::SettlePendingText(this)) Action();
}

void SupersonicModeRadio::OnNativeChange(wxCommandEvent&) {
    // The toolkit selected this button on its own: undo that, then switch as a click would.
    if (SupersonicControlHost* window = ControlHostOf(this)) window->SwitchMode(this, true);
}

// ---- check boxes ----

SupersonicToggleBox::SupersonicToggleBox(wxWindow* parent, wxWindowID id, const wxString& label,
                                         const wxPoint& pos)
    : wxCheckBox(parent, id, label, pos, wxDefaultSize, 0, wxDefaultValidator, wxS("check")) {}

void SupersonicToggleBox::OnMouse(wxMouseEvent& event) {
    if (event.GetEventType() == wxEVT_MOTION) {
        event.Skip();
        return;
    }
    if (event.GetEventType() == wxEVT_LEFT_DOWN) Action();
}

void SupersonicToggleBox::OnKeyDown(wxKeyEvent& event) {
    if (keys_.PassesDown(event)) event.Skip();
}

void SupersonicToggleBox::OnKeyUp(wxKeyEvent& event) {
    if (!keys_.ActsOnUp(event)) {
        event.Skip();
        return;
    }
    if (luvo::SettlePendingText(this)) Action();
}

void SupersonicToggleBox::OnNativeChange(wxCommandEvent&) {
    SetValue(!GetValue());
    Action();
}

void SupersonicCoefficientCheckBox::Action() {
    SupersonicControlHost* window = ControlHostOf(this);
    if (window == nullptr || !window->HasCoefficientInputs()) return;
    const bool on = !GetValue();
    SetValue(on);
    window->EnableCoefficientInputs(on);
    window->SetStatus(wxEmptyString);
    window->Recalculate(SupersonicRedraw::Camber);
}

void SupersonicOptionCheckBox::Action() {
    SupersonicControlHost* window = ControlHostOf(this);
    if (window == nullptr) return;
    SetValue(!GetValue());
    window->Recalculate(SupersonicRedraw::Both);
}
