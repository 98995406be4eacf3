#pragma once
// The first window of the simple lifting-line method: its four tasks in a radio box; "&OK"
// opens the chosen task's window, or centres it again when it is already open.

#include "common/gui/TaskChoiceFrame.h"

class LltMethodFrame : public luvo::TaskChoiceFrame {
  public:
    LltMethodFrame(const wxString& title, const wxPoint& pos, const wxSize& size);

  private:
    void OpenTask(int task) override;
};
