#pragma once
// The first window of a method that offers its tasks in a radio box: a line of introduction, the
// tasks, "&OK" and "&Abbrechen". The status line names the chosen task; "&OK" opens its window.

#include <wx/button.h>
#include <wx/radiobox.h>

#include <vector>

#include "common/gui/LuvoFrame.h"

namespace luvo {

struct TaskChoiceLayout {
    wxString introText;              // at (50, 50)
    wxString radioTitle;             // the radio box at (50, 100)
    std::vector<wxString> tasks;     // its entries
    std::vector<wxString> statuses;  // the status text of each entry
    int okX;                         // "&OK" at (okX, 280), "&Abbrechen" 100 pixels further
    bool buttonsFirst;               // buttons made before the radio box: first when tabbing
    wxString infoText;
    wxString infoCaption;
};

class TaskChoiceFrame : public LuvoFrame {
  public:
    TaskChoiceFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                    const TaskChoiceLayout& layout);

    wxButton* okButton = nullptr;
    wxButton* cancelButton = nullptr;
    wxRadioBox* taskRadio = nullptr;

  protected:
    // Opens the window of the task with this index, or shows it again.
    virtual void OpenTask(int task) = 0;

  private:
    void OnStart(wxCommandEvent& event);
    void OnInfo(wxCommandEvent& event);
    void OnRadioBox(wxCommandEvent& event);
    void OnClose(wxCommandEvent& event);

    std::vector<wxString> statuses_;
    wxString infoText_;
    wxString infoCaption_;

    wxDECLARE_EVENT_TABLE();
};

}  // namespace luvo
