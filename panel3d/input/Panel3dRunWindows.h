#pragma once
// What both panel run drivers do on the screen: the progress window with its guarded pause, the
// window that shows a run's results, and the boxes of a run that fails or cannot write all its
// files.

#include <wx/frame.h>

#include <memory>

#include "common/ProgressFrame.h"
#include "panel3d/solver/Panel3dRun.h"

class Panel3dPolarEvaluator;

using Panel3dProgressFrame = luvo::ProgressFrame;
using Panel3dProgressCanvas = luvo::ProgressCanvas;

// The progress window of the run going on, or null.
inline Panel3dProgressFrame* Panel3dProgressWindow = nullptr;

// A run from its progress window to its end: Panel3dRunActive is set (see Panel3dInputModule.h)
// and the other windows take no input.
class Panel3dRunScreen : public luvo::RunScreen {
  public:
    Panel3dRunScreen();
};

// Input windows refuse a close request that can be refused while a run goes on: true when
// this one was refused.
bool Panel3dRefuseCloseDuringRun(wxCloseEvent& event);

// The results window of a finished run for its task mode (0 "Ergebnisse", 1 and 2 "Polaren"),
// centred and shown; it keeps the run's model and the evaluator it was given.
wxFrame* Panel3dOpenResultsWindow(int taskMode, const Panel3dRunOutcome& outcome,
                                  std::shared_ptr<Panel3dPolarEvaluator> evaluator);

// One error box over the results window naming the result files that could not be written;
// none when all were written.
void Panel3dReportUnwrittenFiles(wxFrame* results, const Panel3dRunOutcome& outcome);

// The message of a failed interactive run (the grid-file run has its file's box).
wxString Panel3dRunFailureText(Panel3dRunError error);
