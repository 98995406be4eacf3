#include "common/gui/FieldChecks.h"

#include "common/gui/LuvoFrame.h"

namespace luvo {

namespace {

std::string Utf8(const wxString& text) { return std::string(text.utf8_str()); }

}  // namespace

class FieldChecks::Host : public CheckHost {
  public:
    Host(FieldChecks& checks, wxWindow* boxParent) : checks_(checks), boxParent_(boxParent) {}

    std::string Text(int input) const override {
        wxTextCtrl* field = checks_.Field(input);
        return field != nullptr ? Utf8(field->GetValue()) : std::string();
    }

    void Write(int input, const std::string& text) override {
        // SetValue raises the field's change event at once: the nested pass runs inside it.
        if (wxTextCtrl* field = checks_.Field(input)) field->SetValue(wxString::FromUTF8(text));
    }

    void WriteQuietly(int input, const std::string& text) override {
        wxTextCtrl* field = checks_.Field(input);
        if (field == nullptr) return;
        checks_.writingQuietly_ = true;
        field->SetValue(wxString::FromUTF8(text));
        checks_.writingQuietly_ = false;
    }

    void ShowBox(const std::string& caption, const std::string& message) override {
        ++checks_.boxesOpen_;
        ++checks_.boxesShown_;
        ShowErrorBox(boxParent_, wxString::FromUTF8(message), wxString::FromUTF8(caption));
        --checks_.boxesOpen_;
    }

    void Recompute() override { checks_.recompute_(); }

  private:
    FieldChecks& checks_;
    wxWindow* boxParent_;
};

FieldChecks::FieldChecks(const CheckTable& table, std::function<void()> recompute)
    : table_(table), recompute_(std::move(recompute)), fields_(table.inputCount, nullptr) {}

void FieldChecks::Declare(int input, wxTextCtrl* field) { fields_.at(input) = field; }

wxTextCtrl* FieldChecks::Field(int input) const {
    return input >= 0 && input < static_cast<int>(fields_.size()) ? fields_[input] : nullptr;
}

void FieldChecks::RunPass(wxWindow* boxParent) {
    if (!armed_ || writingQuietly_) return;
    Host host(*this, boxParent);
    RunCheckPass(table_, host);
}

FieldTextState FieldChecks::JudgeTyped(const wxTextCtrl* field, const wxString& text) const {
    if (!armed_) return FieldTextState::Accepted;
    for (int input : table_.order) {
        if (Field(input) != field) continue;
        const FieldTextState own = JudgeTypedText(Utf8(text), RangeOf(table_.rule(input)));
        if (own != FieldTextState::Accepted) return own;
        // A value on the way to another ("0" of "0.5") must not rewrite other fields: a
        // correction waits for the finished text.
        CheckTexts texts(table_.inputCount);
        for (int other : table_.order) {
            if (wxTextCtrl* f = Field(other)) texts[other] = Utf8(f->GetValue());
        }
        texts[input] = Utf8(text);
        return EvaluatePass(table_, texts).kind == PassOutcome::Kind::SumCorrection
                   ? FieldTextState::Pending
                   : FieldTextState::Accepted;
    }
    return FieldTextState::Accepted;
}

bool FieldChecks::Accepted() const {
    if (boxesOpen_ > 0) return false;
    CheckTexts texts(table_.inputCount);
    for (int input : table_.order) {
        if (wxTextCtrl* field = Field(input)) texts[input] = Utf8(field->GetValue());
    }
    return EvaluatePass(table_, texts).kind == PassOutcome::Kind::Accepted;
}

}  // namespace luvo
