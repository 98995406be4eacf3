#pragma once
// The first window of the extended lifting-line method: its two tasks in a radio box; "&OK"
// opens the chosen task's window, or centres and shows it again when it is already open.

#include "common/gui/TaskChoiceFrame.h"

class EtlMethodFrame : public luvo::TaskChoiceFrame {
  public:
    EtlMethodFrame(const wxString& title, const wxPoint& pos, const wxSize& size);

  private:
    void OpenTask(int task) override;
};
