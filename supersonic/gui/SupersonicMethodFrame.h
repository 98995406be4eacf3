#pragma once
// First window of the supersonic airfoil method: the three ways to a profile (a file, the camber
// and thickness parts, the contours). It opens hidden; the main window centres and shows it.

#include <wx/button.h>
#include <wx/radiobox.h>

#include "common/gui/LuvoFrame.h"

class SupersonicPartsFrame;
class SupersonicContourFrame;

class SupersonicMethodFrame : public luvo::LuvoFrame {
  public:
    SupersonicMethodFrame(const wxString& title, const wxPoint& pos, const wxSize& size);

    wxPanel* panel = nullptr;
    wxButton* okButton = nullptr;
    wxButton* cancelButton = nullptr;
    wxRadioBox* choiceBox = nullptr;

  private:
    void OnClose(wxCommandEvent& event);
    void OnInfo(wxCommandEvent& event);
    void OnRadioBox(wxCommandEvent& event);
    void OnStart(wxCommandEvent& event);
    void ShowChoiceStatus();
    wxDECLARE_EVENT_TABLE();
};

// Opens the parts or the contour window with a file (empty: the defaults), closing the open
// design window first, then centres and shows it with its results.
SupersonicPartsFrame* OpenSupersonicPartsFrame(const wxString& fileName);
SupersonicContourFrame* OpenSupersonicContourFrame(const wxString& fileName);
// Closes the open design window at once, without its close handler.
void CloseSupersonicDesignFrame();
