#pragma once
// The method chooser " Luvo 4.1": a welcome text, the methods of app/MethodTable.h and "&OK".

#include <wx/button.h>
#include <wx/radiobox.h>

#include "common/gui/LuvoFrame.h"

class MainFrame : public luvo::LuvoFrame {
  public:
    MainFrame(const wxString& title, const wxPoint& pos, const wxSize& size);

    // Status text that a selection of the radio box shows, by index.
    static wxString StatusTextFor(int index);

    wxButton* GetStartButton() const { return startButton_; }
    wxRadioBox* GetMethodBox() const { return methodBox_; }

  private:
    void OnQuit(wxCommandEvent& event);
    void OnInfo(wxCommandEvent& event);
    void OnRadioBox(wxCommandEvent& event);
    void OnStart(wxCommandEvent& event);
    void ShowSelectionStatus();

    wxButton* startButton_ = nullptr;
    wxRadioBox* methodBox_ = nullptr;

    wxDECLARE_EVENT_TABLE();
};

// The start-up window " Luvo 4.1", centred and shown.
MainFrame* ShowMainWindow();

// Creates the first window of method `index` (as in the radio box and app/MethodTable.h),
// centred and shown; null for an index outside the table.
wxFrame* OpenMethodWindow(int index);
