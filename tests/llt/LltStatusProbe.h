#pragma once
// Catches a message box and notes the window's status text while the box is open.

#include <wx/frame.h>
#include <wx/statusbr.h>

#include "support/GuiHarness.h"

namespace llt_test {

class StatusProbe : public wxExpectModalBase<wxMessageDialog, StatusProbe> {
  public:
    StatusProbe(luvo::test::ShownBox* seen, wxString* statusWhileOpen, wxFrame* frame)
        : seen_(seen), status_(statusWhileOpen), frame_(frame) {}

  protected:
    int OnInvoked(wxMessageDialog* dialog) const override {
        *seen_ = {dialog->GetTitle(), dialog->GetMessage(), dialog->GetMessageDialogStyle()};
        *status_ = frame_->GetStatusBar()->GetStatusText();
        return wxID_OK;
    }

  private:
    luvo::test::ShownBox* seen_;
    wxString* status_;
    wxFrame* frame_;
};

}  // namespace llt_test
