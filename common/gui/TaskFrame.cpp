#include "common/gui/TaskFrame.h"

#include <wx/filedlg.h>

#include "common/gui/WxFileName.h"

namespace luvo {

TaskFrame::TaskFrame(const wxString& title, const wxPoint& pos, const wxSize& size, long style,
                     TaskFrameSetup setup)
    : LuvoFrame(title, pos, size, FileMenu::Close, setup.statusFields, style),
      setup_(std::move(setup)),
      // A check pass recomputes once it has accepted every input: no need to check again.
      checks_(*setup_.checks, [this] { RecomputeAccepted(); }) {
    SetStatusText(setup_.status, 0);
}

TaskFrame::~TaskFrame() {
    checks_.Disarm();
    // The fields and canvases refer to this window's checks and results: they go first.
    DestroyChildren();
    // A weak reference empties itself only when the last base class goes; no one may find this
    // window through the module while the rest of it is being taken down.
    Forget();
}

void TaskFrame::Recompute() {
    if (!checks_.Accepted()) {
        // A rejected text never reaches the result or the result file.
        RedrawLastAccepted();
        return;
    }
    RecomputeAccepted();
}

void TaskFrame::RecomputeAccepted() {
    Result result = ComputeResult();
    drawAccepted_ = std::move(result.drawPlots);
    drawAccepted_();

    wxString name = fileNameLabel->GetLabelText();
    if (setup_.trimFileName) name.Trim(true).Trim(false);
    *setup_.fileName = name;
    result.writeFile(FileSystemName(*setup_.fileName));
}

void TaskFrame::SetInputStatus(const wxString& text) { SetStatusText(text, 0); }

wxStaticText* TaskFrame::AddText(const wxString& label, int x, int y) {
    return new wxStaticText(panel_, wxID_ANY, label, wxPoint(x, y));
}

void TaskFrame::AddFileControls(const wxString& label, wxPoint labelAt, int buttonId,
                                wxPoint buttonAt) {
    fileNameLabel = AddText(label, labelAt.x, labelAt.y);
    chooseFileButton = new wxButton(panel_, buttonId, wxS("Da&tei wählen"), buttonAt);
}

void TaskFrame::OnChooseFile(wxCommandEvent&) {
    wxFileDialog dialog(this, wxS("Dateiname wählen"), wxString(), setup_.dialogFile, wxS("*.dat"),
                        wxFD_SAVE);
    // The new name takes effect at the next recomputation.
    if (dialog.ShowModal() == wxID_OK) fileNameLabel->SetLabelText(dialog.GetPath());
}

void TaskFrame::OnInfo(wxCommandEvent&) {
    SetStatusText(wxS("Info"), 0);
    ShowInfoBox(this, setup_.infoText, setup_.infoCaption);
    SetInputStatus(setup_.statusAfterInfo);
}

void TaskFrame::Forget() {
    if (setup_.forget) setup_.forget();
}

void TaskFrame::CloseAndForget() {
    Destroy();
    Forget();
}

void TaskFrame::OnClose(wxCommandEvent&) { CloseAndForget(); }

void TaskFrame::OnCloseWindow(wxCloseEvent&) { CloseAndForget(); }

}  // namespace luvo
