#include "common/gui/NumericField.h"

#include <wx/app.h>
#include <wx/clipbrd.h>
#include <wx/modalhook.h>
#include <wx/toplevel.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "common/gui/WxNumber.h"

namespace luvo {

const wxStringCharType* const kNumericFieldCharacters = wxS("0123456789,-.");

namespace {

bool Refused(wxUniChar c) { return wxString(kNumericFieldCharacters).Find(c) == wxNOT_FOUND; }

int RefusedCount(const wxString& text) {
    int count = 0;
    for (wxUniChar c : text) {
        if (Refused(c)) ++count;
    }
    return count;
}

// Counts the modal boxes shown while it lives, whoever answers them.
class BoxCounter : public wxModalDialogHook {
  public:
    BoxCounter() { Register(); }
    ~BoxCounter() override { Unregister(); }
    int count = 0;

  protected:
    int Enter(wxDialog*) override {
        ++count;
        return wxID_NONE;
    }
    void Exit(wxDialog*) override {}
};

}  // namespace

// Chained to wxValidator's table on purpose: wxTextValidator's own EVT_CHAR must not run
// after an Alt or Ctrl key was let through.
wxBEGIN_EVENT_TABLE(NumericValidator, wxValidator)
    EVT_CHAR(NumericValidator::OnCharFiltered)
wxEND_EVENT_TABLE()

NumericValidator::NumericValidator() : wxTextValidator(wxFILTER_INCLUDE_CHAR_LIST) {
    SetCharIncludes(kNumericFieldCharacters);
}

void NumericValidator::OnCharFiltered(wxKeyEvent& event) {
    if (event.AltDown() || event.ControlDown()) {
        event.Skip();
        return;
    }
    wxTextValidator::OnChar(event);
}

NumericField::NumericField(wxWindow* parent, wxWindowID id, const wxString& value,
                           const wxPoint& pos, const wxSize& size, long style, const wxString& name)
    : wxTextCtrl(parent, id, value, pos, size, style, NumericValidator(), name),
      settled_(value),
      lastText_(value) {
    // Bound, not in a table: these run before the change handling of every derived field.
    Bind(wxEVT_KEY_DOWN, &NumericField::OnKeyDown, this);
    Bind(wxEVT_TEXT_PASTE, &NumericField::OnPaste, this);
    Bind(wxEVT_TEXT, &NumericField::OnText, this);
    if (HasFlag(wxTE_PROCESS_ENTER)) Bind(wxEVT_TEXT_ENTER, &NumericField::OnEnter, this);
    Bind(wxEVT_KILL_FOCUS, &NumericField::OnKillFocus, this);
}

double NumericField::Number() const { return ToNumber(SettledText()); }

double NumericField::CheckValue() const {
    return FieldCheckValue(std::string(GetValue().utf8_str()));
}

FieldTextState NumericField::JudgeTyped(const wxString&) const { return FieldTextState::Accepted; }

void NumericField::DoSetValue(const wxString& value, int flags) {
    ++programWrites_;
    wxTextCtrl::DoSetValue(value, flags);
    --programWrites_;
    AfterProgramWrite();
}

void NumericField::WriteText(const wxString& text) {
    ++programWrites_;
    wxTextCtrl::WriteText(text);
    --programWrites_;
    AfterProgramWrite();
}

void NumericField::Remove(long from, long to) {
    ++programWrites_;
    wxTextCtrl::Remove(from, to);
    --programWrites_;
    AfterProgramWrite();
}

void NumericField::AfterProgramWrite() {
    // Also after a write that raised no change event (ChangeValue).
    if (programWrites_ > 0) return;
    pending_ = false;
    settled_ = lastText_ = GetValue();
}

void NumericField::OnKeyDown(wxKeyEvent& event) {
    // The toolkit would replace a selection before the validator refuses the character, so a
    // refused key must not reach it at all.
    const wxUniChar c = event.GetUnicodeKey();
    const bool plain = (event.GetModifiers() & (wxMOD_ALT | wxMOD_CONTROL | wxMOD_META)) == 0;
    if (plain && c != WXK_NONE && c >= 32 && c != 127 && Refused(c)) return;
    event.Skip();
}

void NumericField::OnPaste(wxClipboardTextEvent& event) {
    wxString text;
    if (wxTheClipboard->Open()) {
        wxTextDataObject data;
        if (wxTheClipboard->IsSupported(wxDF_UNICODETEXT) && wxTheClipboard->GetData(data)) {
            text = data.GetText();
        }
        wxTheClipboard->Close();
    }
    // Blanks and line ends around a number copied from a terminal, a table or a document are
    // no part of it; a refused character inside it refuses the paste whole.
    const wxString number = wxString(text).Trim(true).Trim(false);
    if (number.empty() || RefusedCount(number) > 0) return;
    if (number == text) {
        event.Skip();
        return;
    }
    // Inserted as typing would insert it: the base's write, not this field's program write.
    wxTextCtrl::WriteText(number);
}

void NumericField::OnText(wxCommandEvent& event) {
    const wxString text = GetValue();
    if (programWrites_ > 0 || finishing_) {
        pending_ = false;
        settled_ = lastText_ = text;
        event.Skip();
        return;
    }
    if (RefusedCount(text) > RefusedCount(lastText_)) {
        // Text that came in past the key and paste filters (the middle mouse button, a drop):
        // refused whole, as if it had never arrived. Refused characters the program wrote (from
        // a file) may still be deleted.
        const long at = std::min(GetInsertionPoint(), static_cast<long>(lastText_.length()));
        const bool pending = pending_;
        const wxString settled = settled_;
        ChangeValue(lastText_);
        pending_ = pending;
        settled_ = settled;
        SetInsertionPoint(at);
        return;
    }
    lastText_ = text;
    if (JudgeTyped(text) == FieldTextState::Pending) {
        pending_ = true;
        return;
    }
    pending_ = false;
    settled_ = text;
    event.Skip();
}

void NumericField::OnEnter(wxCommandEvent& event) {
    if (pending_) FinishTyping();
    event.Skip();
}

void NumericField::OnKillFocus(wxFocusEvent& event) {
    event.Skip();
    if (!pending_) return;
    // After the focus has moved: a box must not open in the middle of the toolkit's focus change.
    CallAfter([this] {
        const wxWindow* top = wxGetTopLevelParent(this);
        if (!pending_ || top == nullptr || top->IsBeingDeleted() ||
            wxTheApp->IsScheduledForDestruction(const_cast<wxWindow*>(top))) {
            return;
        }
        FinishTyping();
    });
}

bool NumericField::SettlePending() {
    if (!pending_) return true;
    BoxCounter boxes;
    FinishTyping();
    if (boxes.count > 0) return false;
    if (JudgeTyped(GetValue()) == FieldTextState::Accepted) return true;
    ReportRefused();
    return false;
}

bool SettlePendingText(wxWindow* control) {
    wxWindow* top = control != nullptr ? wxGetTopLevelParent(control) : nullptr;
    if (top == nullptr) return true;
    std::vector<NumericField*> pending;
    std::function<void(wxWindow*)> walk = [&](wxWindow* w) {
        for (wxWindow* child : w->GetChildren()) {
            if (auto* field = dynamic_cast<NumericField*>(child); field && field->IsPending()) {
                pending.push_back(field);
            }
            if (!child->IsTopLevel()) walk(child);
        }
    };
    walk(top);
    for (NumericField* field : pending) {
        if (!field->SettlePending()) return false;
    }
    return true;
}

void NumericField::FinishTyping() {
    pending_ = false;
    settled_ = GetValue();
    wxCommandEvent event(wxEVT_TEXT, GetId());
    event.SetEventObject(this);
    event.SetString(settled_);
    finishing_ = true;
    HandleWindowEvent(event);
    finishing_ = false;
}

}  // namespace luvo
