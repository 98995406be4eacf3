#include "camber/gui/CamberFields.h"

#include <wx/radiobut.h>

#include "camber/gui/CamberNacaHost.h"
#include "camber/gui/CamberTaskWindow.h"
#include "common/gui/LuvoFrame.h"
#include "common/gui/MouseEventTable.h"

namespace {

const CamberRangeRule kAngleRule = {
    5,
    -15.0,
    15.0,
    L"Eingabe des Winkels",
    L"Ungültige Eingabe!\n\nEs sind maximal 5 Stellen zulässig.\n\n"
    L"Bitte wiederholen Sie die Eingabe des Winkels.\n\n",
    L"Ungültige Eingabe!\n\nFür den Winkel alpha* gilt:\n-15.0° <= alpha* <= +15.0°\n\n"
    L"Bitte wiederholen Sie die Eingabe des Winkels.\n\n"};

const CamberRangeRule kLiftRule = {
    6,
    -2.0,
    2.0,
    L"Eingabe des Auftriebsbeiwertes",
    L"Ungültige Eingabe!\n\nEs sind maximal 6 Stellen zulässig.\n\n"
    L"Bitte wiederholen Sie die Eingabe des Auftriebsbeiwertes.\n\n",
    L"Ungültige Eingabe!\n\nFür den Auftriebsbeiwert Ca gilt:\n-2.0 <= Ca <= +2.0\n\n"
    L"Bitte wiederholen Sie die Eingabe des Auftriebsbeiwertes.\n\n"};

const wxString kAngleTip = wxS("Winkel alpha* in Grad eingeben");

wxString Digit(long value) { return wxString::Format(wxS("%ld"), value); }

}  // namespace

wxBEGIN_EVENT_TABLE(CamberField, luvo::NumericField)
    EVT_TEXT(wxID_ANY, CamberField::OnTextChanged)
    LUVO_EVT_MOUSE_BUTTONS_AND_MOTION(CamberField::OnMouse)
    EVT_KEY_UP(CamberField::OnKeyUp)
wxEND_EVENT_TABLE()

CamberField::CamberField(wxWindow* parent, const wxString& value, const wxPoint& pos,
                         const wxSize& size, const wxString& toolTip, long selectCount,
                         const wxString& statusText)
    : luvo::NumericField(parent, wxID_ANY, value, pos, size, wxTE_PROCESS_ENTER),
      selectCount_(selectCount),
      statusText_(statusText) {
    SetToolTip(toolTip);
}

void CamberField::OnTextChanged(wxCommandEvent&) {
    if (CamberWindowOf<CamberTaskWindow>(this) != nullptr) CheckText();
}

void CamberField::Reject(const wxString& message, const wxString& caption) {
    // Emptying is an edit: the empty text reads as 0, passes, and the window recalculates
    // with 0 before the box appears.
    Clear();
    luvo::ShowErrorBox(this, message, caption);
}

luvo::FieldTextState CamberField::JudgeTyped(const wxString& text) const {
    return luvo::JudgeTypedText(std::string(text.utf8_str()), Range());
}

bool CamberField::InRange() const {
    luvo::FieldRange range = Range();
    range.maxLength = 0;  // the length has a message of its own
    return luvo::FieldTextAccepted(std::string(GetValue().utf8_str()), range);
}

void CamberField::RecalculateWindow() {
    if (auto* window = CamberWindowOf<CamberTaskWindow>(this)) window->Recalculate();
}

void CamberField::SelectLeading() {
    SetSelection(0, selectCount_);
    CamberShowStatus(this, statusText_);
}

void CamberField::OnMouse(wxMouseEvent& event) {
    if (event.GetEventType() == wxEVT_MOTION) {
        event.Skip();
        return;
    }
    if (event.LeftDown() || event.LeftUp() || event.LeftDClick()) {
        // The click does not reach the toolkit's own handling, which would give the focus.
        if (event.LeftDown() && FindFocus() != this) SetFocus();
        SelectLeading();
    }
}

void CamberField::OnKeyUp(wxKeyEvent& event) {
    if (event.GetKeyCode() != WXK_TAB) {
        event.Skip();
        return;
    }
    SelectLeading();
    OnTabArrived();
}

CamberRangeField::CamberRangeField(wxWindow* parent, const wxString& value, const wxPoint& pos,
                                   const wxSize& size, const wxString& toolTip, long selectCount,
                                   const wxString& statusText, const CamberRangeRule& rule)
    : CamberField(parent, value, pos, size, toolTip, selectCount, statusText), rule_(rule) {}

luvo::FieldRange CamberRangeField::Range() const {
    return {rule_.lo, true, rule_.hi, true, static_cast<int>(rule_.maxLength)};
}

void CamberRangeField::CheckText() {
    if (GetValue().length() > rule_.maxLength) {
        Reject(rule_.lengthMessage, rule_.caption);
    } else if (InRange()) {
        RecalculateWindow();
    } else {
        Reject(rule_.rangeMessage, rule_.caption);
    }
}

CamberNacaAngleField::CamberNacaAngleField(wxWindow* parent, const wxPoint& pos, const wxSize& size)
    : CamberRangeField(parent, wxS("5.0"), pos, size, kAngleTip, 4,
                       wxS("Gewählt: Eingabe des Winkels"), kAngleRule) {}

void CamberNacaAngleField::OnTabArrived() {
    auto* window = CamberWindowOf<CamberNacaHost>(this);
    if (window == nullptr) return;
    if (!window->AngleRadio()->GetValue() && window->LiftRadio()->GetValue()) {
        window->LiftRadio()->SetValue(false);
        window->AngleRadio()->SetValue(true);
    }
}

CamberNacaLiftField::CamberNacaLiftField(wxWindow* parent, const wxPoint& pos, const wxSize& size)
    : CamberRangeField(parent, wxS("0.500"), pos, size, wxS("Auftriebsbeiwert Ca eingeben"), 5,
                       wxS("Gewählt: Eingabe des Auftriebsbeiwertes"), kLiftRule) {}

void CamberNacaLiftField::OnTabArrived() {
    auto* window = CamberWindowOf<CamberNacaHost>(this);
    if (window == nullptr) return;
    if (window->AngleRadio()->GetValue() && !window->LiftRadio()->GetValue()) {
        window->AngleRadio()->SetValue(false);
        window->LiftRadio()->SetValue(true);
    }
}

CamberNacaCamberField::CamberNacaCamberField(wxWindow* parent, const wxPoint& pos,
                                             const wxSize& size)
    : CamberField(parent, wxS("2"), pos, size, wxS("Wölbung in % eingeben"), 1,
                  wxS("Eingabe der Wölbung")) {}

luvo::FieldRange CamberNacaCamberField::Range() const { return {0, true, 5, true, 1}; }

void CamberNacaCamberField::CheckText() {
    auto* window = CamberWindowOf<CamberNacaHost>(this);
    if (window == nullptr) return;
    const wxString caption = wxS("Eingabe der Wölbung");
    const wxString text = GetValue();
    const long m = CamberFieldInteger(text);
    const long p = CamberFieldInteger(window->PositionField()->SettledText());
    if (text.length() > 1) {
        Reject(wxS("Ungültige Eingabe!\n\nDie Wölbung darf maximal 5 Prozent betragen,\n"
                   "Nachkommastellen sind nicht zulässig.\n\n"
                   "Bitte wiederholen Sie die Eingabe der Wölbung.\n\n"),
               caption);
        return;
    }
    if (!InRange()) {
        Reject(wxS("Ungültige Eingabe!\n\nDie Wölbung darf maximal 5 Prozent betragen.\n\n"
                   "Bitte wiederholen Sie die Eingabe der Wölbung.\n\n"),
               caption);
        return;
    }
    // A zero digit shows the flat plate and locks the other digit until it is replaced.
    if (m == 0) {
        window->SetDesignationDigits(wxS("0"), wxS("0"));
        window->PositionField()->Enable(false);
    } else if (p == 0) {
        window->SetDesignationDigits(wxS("0"), wxS("0"));
        window->PositionField()->Enable(true);
    } else {
        window->SetDesignationDigits(Digit(m), Digit(p));
        window->PositionField()->Enable(true);
    }
    window->Recalculate();
}

CamberNacaPositionField::CamberNacaPositionField(wxWindow* parent, const wxPoint& pos,
                                                 const wxSize& size)
    : CamberField(parent, wxS("4"), pos, size, wxS("Wölbungsrücklage in %:10 eingeben"), 1,
                  wxS("Eingabe der Wölbungsrücklage")) {}

luvo::FieldRange CamberNacaPositionField::Range() const { return {0, true, 9, true, 1}; }

void CamberNacaPositionField::CheckText() {
    auto* window = CamberWindowOf<CamberNacaHost>(this);
    if (window == nullptr) return;
    const wxString text = GetValue();
    const long m = CamberFieldInteger(window->CamberDigitField()->SettledText());
    const long p = CamberFieldInteger(text);
    if (text.length() > 1 || !InRange()) {
        Reject(wxS("Ungültige Eingabe!\n\nDie Wölbungsrücklage darf maximal 90 Prozent "
                   "betragen,\nNachkommastellen sind nicht zulässig.\n\n"
                   "Bitte wiederholen Sie die Eingabe der Wölbungsrücklage.\n\n"),
               wxS("Eingabe der Wölbungsrücklage"));
        return;
    }
    if (p == 0) {
        window->CamberDigitField()->Enable(false);
        window->SetDesignationDigits(wxS("0"), wxS("0"));
    } else if (m == 0) {
        window->SetDesignationDigits(wxS("0"), wxS("0"));
        window->CamberDigitField()->Enable(true);
    } else {
        window->SetDesignationDigits(Digit(m), Digit(p));
        window->CamberDigitField()->Enable(true);
    }
    window->Recalculate();
}

CamberLineAngleField::CamberLineAngleField(wxWindow* parent, const wxPoint& pos, const wxSize& size)
    : CamberRangeField(parent, wxS("5.0"), pos, size, kAngleTip, 4, wxS("Eingabe des Winkels"),
                       kAngleRule) {}

CamberPressureAngleField::CamberPressureAngleField(wxWindow* parent, const wxPoint& pos,
                                                   const wxSize& size)
    : CamberRangeField(parent, wxS("5.0"), pos, size, kAngleTip, 4, wxS("Eingabe des Winkels"),
                       kAngleRule) {}
