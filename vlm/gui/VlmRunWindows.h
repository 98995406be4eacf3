#pragma once
// What both run drivers do on the screen: the progress window with its guarded pause, the
// results window of a run, and the boxes of a run that fails or cannot write all its files.

#include <wx/frame.h>

#include <memory>
#include <string>
#include <vector>

#include "common/gui/ProgressFrame.h"
#include "vlm/core/VlmSolver.h"

class VlmResultsFrame;

// A run from its progress window to its end. Opening it shows the progress window (kept in
// vlm::VlmProgressWindow), sets vlm::VlmRunActive and pauses one second while events are
// dispatched.
class VlmRunScreen : public luvo::RunScreen {
  public:
    VlmRunScreen();
};

// The message of a run that ended without results, after all checks had passed.
wxString VlmRunFailureText(VlmRunError error);

// A new results window of the run, centred and shown, in vlm::VlmResultsWindow.
VlmResultsFrame* VlmOpenResultsWindow(std::shared_ptr<const VlmResults> results);

// One error box over the results window naming the result files that could not be written.
void VlmReportUnwrittenFiles(VlmResultsFrame* results, const std::vector<std::string>& files);
