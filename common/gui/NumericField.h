#pragma once
// Base of every numeric input field: a text control whose typed characters are limited to
// digits, ',', '-' and '.'. Alt and Ctrl keys pass, so menu accelerators still work while a
// field has the focus.
//
// A key the field refuses changes nothing, not even a selection it would have replaced; a paste
// that holds a refused character is refused whole. A decimal comma reads as a point.
//
// A field with checks says how they judge a text the student is typing (JudgeTyped). A typed
// text that can still become acceptable is pending: the field's own change handling does not see
// it, and the window keeps working with the text before it, until the student presses Enter or
// leaves the field, or until an action of the window ends it (SettlePendingText); then the
// handling runs on the text as it stands. A text the program writes is always handled at once.

#include <wx/textctrl.h>
#include <wx/valtext.h>

#include "common/core/FieldText.h"

namespace luvo {

// The characters a numeric field takes.
extern const wxStringCharType* const kNumericFieldCharacters;

class NumericValidator : public wxTextValidator {
  public:
    NumericValidator();
    NumericValidator(const NumericValidator&) = default;
    wxObject* Clone() const override { return new NumericValidator(*this); }

  private:
    void OnCharFiltered(wxKeyEvent& event);
    wxDECLARE_EVENT_TABLE();
};

class NumericField : public wxTextCtrl {
  public:
    NumericField(wxWindow* parent, wxWindowID id, const wxString& value,
                 const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
                 long style = 0, const wxString& name = wxTextCtrlNameStr);

    // The number the window works with: the leading number of SettledText(), a decimal comma
    // read as a point, 0 when it begins with none.
    double Number() const;
    // The field's text, or while a typed text is pending, the text before it.
    wxString SettledText() const { return pending_ ? settled_ : GetValue(); }
    // The text's value as the checks see it (FieldCheckValue: NaN for a text without a number).
    double CheckValue() const;
    // Number(), or for a check CheckValue(): a lone "-" or "." fails its check instead of
    // passing as 0.
    double Value(bool forCheck) const { return forCheck ? CheckValue() : Number(); }
    bool IsPending() const { return pending_; }

    // Before an action of the window: runs the change handling on a pending text. False when
    // the text is refused (its box has been shown once) and the action must not happen.
    bool SettlePending();

    // Texts the program writes: handled at once, never pending.
    void WriteText(const wxString& text) override;
    void Remove(long from, long to) override;

  protected:
    // How the field's checks judge a typed text; a field without checks takes every text.
    virtual FieldTextState JudgeTyped(const wxString& text) const;
    // The box of a finished text that the field keeps although its checks refuse it, for when
    // its change handling showed none (it reports such a text only once).
    virtual void ReportRefused() {}
    void DoSetValue(const wxString& value, int flags) override;

  private:
    void OnKeyDown(wxKeyEvent& event);
    void OnPaste(wxClipboardTextEvent& event);
    void OnText(wxCommandEvent& event);
    void OnEnter(wxCommandEvent& event);
    void OnKillFocus(wxFocusEvent& event);
    // Runs the field's change handling on a pending text.
    void FinishTyping();
    void AfterProgramWrite();

    int programWrites_ = 0;
    bool pending_ = false;
    bool finishing_ = false;
    wxString settled_;   // the text before a pending one
    wxString lastText_;  // the text at the last change
};

// Settles the pending text of any numeric field of the window that `control` lies in, before
// an action of that window (a menu entry, a button, a check box or radio button, a press on a
// plot handle). False when a text was refused: the action must not happen.
bool SettlePendingText(wxWindow* control);

}  // namespace luvo
