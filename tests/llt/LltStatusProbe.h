#pragma once
// Expectations for the message boxes of the lifting-line windows: a box is noted, something is
// done or read while it is open, and it is answered with OK.

#include <wx/frame.h>
#include <wx/statusbr.h>

#include <functional>
#include <utility>

#include "common/LuvoFrame.h"
#include "support/GuiHarness.h"

namespace llt_test {

// Notes the box in *seen and runs `whileOpen` before the box is closed with OK.
class WhileBoxOpen : public wxExpectModalBase<wxMessageDialog, WhileBoxOpen> {
  public:
    WhileBoxOpen(luvo::test::ShownBox* seen, std::function<void()> whileOpen)
        : seen_(seen), whileOpen_(std::move(whileOpen)) {}

  protected:
    int OnInvoked(wxMessageDialog* dialog) const override {
        *seen_ = {dialog->GetTitle(), dialog->GetMessage(), dialog->GetMessageDialogStyle()};
        whileOpen_();
        return wxID_OK;
    }

  private:
    luvo::test::ShownBox* seen_;
    std::function<void()> whileOpen_;
};

// Notes the box and the window's status text while the box is open.
inline WhileBoxOpen StatusProbe(luvo::test::ShownBox* seen, wxString* statusWhileOpen,
                                wxFrame* frame) {
    return WhileBoxOpen(seen, [statusWhileOpen, frame] {
        *statusWhileOpen = frame->GetStatusBar()->GetStatusText();
    });
}

// Opens the window's info box from its menu; returns the box as it was shown and notes the
// window's status text while it was open.
inline luvo::test::ShownBox ShowInfoBox(wxFrame* frame, wxString* statusWhileOpen) {
    luvo::test::ShownBox seen;
    wxTEST_DIALOG(luvo::test::SendMenu(frame, luvo::kIdMenuInfo),
                  StatusProbe(&seen, statusWhileOpen, frame));
    return seen;
}

}  // namespace llt_test
