#include "common/gui/TaskChoiceFrame.h"

#include <wx/stattext.h>

namespace luvo {

namespace {

enum { kIdTaskRadio = 1 };

}  // namespace

TaskChoiceFrame::TaskChoiceFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                                 const TaskChoiceLayout& layout)
    : LuvoFrame(title, pos, size),
      statuses_(layout.statuses),
      infoText_(layout.infoText),
      infoCaption_(layout.infoCaption) {
    SetStatusText(statuses_.at(0));
    new wxStaticText(panel_, wxID_ANY, layout.introText, wxPoint(50, 50));
    const auto addButtons = [&] {
        okButton = new wxButton(panel_, kIdButtonStart, wxS("&OK"), wxPoint(layout.okX, 280));
        cancelButton =
            new wxButton(panel_, kIdButtonClose, wxS("&Abbrechen"), wxPoint(layout.okX + 100, 280));
    };
    if (layout.buttonsFirst) addButtons();
    taskRadio = new wxRadioBox(panel_, kIdTaskRadio, layout.radioTitle, wxPoint(50, 100),
                               wxDefaultSize, static_cast<int>(layout.tasks.size()),
                               layout.tasks.data(), 1, wxRA_SPECIFY_COLS);
    taskRadio->SetSelection(0);
    if (!layout.buttonsFirst) addButtons();
}

void TaskChoiceFrame::OnStart(wxCommandEvent&) { OpenTask(taskRadio->GetSelection()); }

void TaskChoiceFrame::OnInfo(wxCommandEvent& event) {
    SetStatusText(wxS("Gewählt: Info"));
    ShowInfoBox(this, infoText_, infoCaption_);
    OnRadioBox(event);
}

void TaskChoiceFrame::OnRadioBox(wxCommandEvent&) {
    const int selection = taskRadio->GetSelection();
    if (selection >= 0 && selection < static_cast<int>(statuses_.size())) {
        SetStatusText(statuses_[selection]);
    }
}

void TaskChoiceFrame::OnClose(wxCommandEvent&) { Close(true); }

wxBEGIN_EVENT_TABLE(TaskChoiceFrame, LuvoFrame)
    EVT_MENU(kIdMenuClose, TaskChoiceFrame::OnClose)
    EVT_BUTTON(kIdButtonClose, TaskChoiceFrame::OnClose)
    EVT_MENU(kIdMenuInfo, TaskChoiceFrame::OnInfo)
    EVT_RADIOBOX(kIdTaskRadio, TaskChoiceFrame::OnRadioBox)
    EVT_BUTTON(kIdButtonStart, TaskChoiceFrame::OnStart)
wxEND_EVENT_TABLE()

}  // namespace luvo
