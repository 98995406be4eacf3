#include "llt/LltFieldChecks.h"

#include "common/LuvoFrame.h"

namespace {

std::string Utf8(const wxString& text) { return std::string(text.utf8_str()); }

}  // namespace

class LltFieldChecks::Host : public LltCheckHost {
  public:
    Host(LltFieldChecks& checks, wxWindow* boxParent) : checks_(checks), boxParent_(boxParent) {}

    std::string Text(LltInput input) const override {
        wxTextCtrl* field = checks_.Field(input);
        return field != nullptr ? Utf8(field->GetValue()) : std::string();
    }

    void Write(LltInput input, const std::string& text) override {
        // SetValue raises the field's change event at once: the nested pass runs inside it.
        if (wxTextCtrl* field = checks_.Field(input)) field->SetValue(wxString::FromUTF8(text));
    }

    void ShowBox(const std::string& caption, const std::string& message) override {
        ++checks_.boxesOpen_;
        luvo::ShowErrorBox(boxParent_, wxString::FromUTF8(message), wxString::FromUTF8(caption));
        --checks_.boxesOpen_;
    }

    void Recompute() override { checks_.recompute_(); }

  private:
    LltFieldChecks& checks_;
    wxWindow* boxParent_;
};

LltFieldChecks::LltFieldChecks(LltTaskWindow window, std::function<void()> recompute)
    : window_(window), recompute_(std::move(recompute)) {}

void LltFieldChecks::Declare(LltInput input, wxTextCtrl* field) {
    fields_[LltIndex(input)] = field;
}

void LltFieldChecks::RunPass(wxWindow* boxParent) {
    if (!armed_) return;
    Host host(*this, boxParent);
    LltRunCheckPass(window_, host);
}

bool LltFieldChecks::Accepted() const {
    if (boxesOpen_ > 0) return false;
    LltTexts texts;
    for (LltInput input : LltCheckOrder(window_)) {
        if (wxTextCtrl* field = Field(input)) texts[LltIndex(input)] = Utf8(field->GetValue());
    }
    return LltInputsAccepted(window_, texts);
}
