#include "llt/LltTaskFrame.h"

#include <wx/filedlg.h>

#include "common/WxFileName.h"
#include "llt/LltModule.h"

LltTaskFrame::LltTaskFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                           long style, LltTaskFrameSetup setup)
    : luvo::LuvoFrame(title, pos, size, luvo::FileMenu::Close, setup.statusFields, style),
      setup_(std::move(setup)),
      // A check pass recomputes once it has accepted every input: no need to check again.
      checks_(setup_.window, [this] { RecomputeAccepted(); }) {
    SetStatusText(setup_.status, 0);
}

LltTaskFrame::~LltTaskFrame() {
    checks_.Disarm();
    // The fields and canvases refer to this window's checks and results: they go first.
    DestroyChildren();
    Forget();
}

void LltTaskFrame::Recompute() {
    if (!checks_.Accepted()) {
        // A rejected text never reaches the record or the result file.
        RedrawLastAccepted();
        return;
    }
    RecomputeAccepted();
}

void LltTaskFrame::RecomputeAccepted() {
    Accepted accepted = ComputeAccepted();
    llt::currentSolver = accepted.record;
    drawAccepted_ = std::move(accepted.drawPlots);
    drawAccepted_();

    // The label's text is the name, blanks included.
    *setup_.fileName = fileNameLabel->GetLabelText();
    ((*accepted.record).*setup_.writeFile)(luvo::FileSystemName(*setup_.fileName));
}

void LltTaskFrame::SetInputStatus(const wxString& text) { SetStatusText(text, 0); }

wxStaticText* LltTaskFrame::AddText(const wxString& label, int x, int y) {
    return new wxStaticText(panel_, wxID_ANY, label, wxPoint(x, y));
}

void LltTaskFrame::AddFileControls(const wxString& label, wxPoint labelAt, int buttonId,
                                   wxPoint buttonAt) {
    fileNameLabel = AddText(label, labelAt.x, labelAt.y);
    chooseFileButton = new wxButton(panel_, buttonId, wxS("Da&tei wählen"), buttonAt);
}

void LltTaskFrame::OnChooseFile(wxCommandEvent&) {
    wxFileDialog dialog(this, wxS("Dateiname wählen"), wxString(), setup_.dialogFile, wxS("*.dat"),
                        wxFD_SAVE);
    // The new name takes effect at the next recomputation.
    if (dialog.ShowModal() == wxID_OK) fileNameLabel->SetLabelText(dialog.GetPath());
}

void LltTaskFrame::OnInfo(wxCommandEvent&) {
    SetStatusText(wxS("Info"), 0);
    luvo::ShowInfoBox(this, setup_.infoText, setup_.infoCaption);
    SetInputStatus(setup_.statusAfterInfo);
}

void LltTaskFrame::Forget() {
    // A window that the module no longer names leaves the flag to the one it names.
    if (setup_.isModuleWindow()) *setup_.open = false;
}

void LltTaskFrame::CloseAndForget() {
    Destroy();
    Forget();
}

void LltTaskFrame::OnClose(wxCommandEvent&) { CloseAndForget(); }

void LltTaskFrame::OnCloseWindow(wxCloseEvent&) { CloseAndForget(); }
