#pragma once
// First window of the thin-airfoil (camber-line) theory: explains the method and opens a new
// window of the chosen task at every "OK". It does not keep the task windows it opens.

#include <wx/button.h>
#include <wx/radiobox.h>

#include "common/gui/LuvoFrame.h"

class CamberMethodFrame : public luvo::LuvoFrame {
  public:
    CamberMethodFrame(const wxString& title, const wxPoint& pos, const wxSize& size);

    wxRadioBox* TaskBox() const { return taskBox_; }
    wxButton* StartButton() const { return startButton_; }
    wxButton* CancelButton() const { return cancelButton_; }

    // Status text of a task in the radio box; "" for an index outside it.
    static wxString StatusTextFor(int index);

  private:
    void OnQuit(wxCommandEvent& event);
    void OnInfo(wxCommandEvent& event);
    void OnRadioBox(wxCommandEvent& event);
    void OnStart(wxCommandEvent& event);

    wxButton* startButton_ = nullptr;
    wxButton* cancelButton_ = nullptr;
    wxRadioBox* taskBox_ = nullptr;
    wxDECLARE_EVENT_TABLE();
};

// Creates a new window of task 0 (NACA four-digit), 1 (camber line) or 2 (pressure
// distribution), centred and shown; nullptr for any other index.
wxFrame* OpenCamberTask(int index);
