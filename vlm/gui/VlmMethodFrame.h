#pragma once
// The first window of the vortex-lattice method: the two ways of defining a wing, reading a grid
// file or building a trapezoid wing; "&OK" opens the chosen input window, or centres it again
// when it is already open.

#include "common/gui/TaskChoiceFrame.h"

class VlmMethodFrame : public luvo::TaskChoiceFrame {
  public:
    VlmMethodFrame(const wxString& title, const wxPoint& pos, const wxSize& size);

  private:
    void OpenTask(int task) override;
};
