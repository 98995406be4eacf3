#pragma once
// What both panel run drivers do on the screen: the progress window with its guarded pause, the
// window that shows a run's results, and the boxes of a run that fails or cannot write all its
// files.

#include <wx/frame.h>

#include <functional>
#include <memory>
#include <string>

#include "common/gui/ProgressFrame.h"
#include "panel3d/core/Panel3dRun.h"

class Panel3dPolarEvaluator;

using Panel3dProgressFrame = luvo::ProgressFrame;
using Panel3dProgressCanvas = luvo::ProgressCanvas;

namespace panel3d {
// The progress window of the run going on, or null.
inline Panel3dProgressFrame* Panel3dProgressWindow = nullptr;
}  // namespace panel3d

// A run from its progress window to its end: panel3d::Panel3dRunActive is set (see
// Panel3dInputModule.h) and the other windows take no input.
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

// What "Starte&n" of "Diskretisierung" reads from its window, as entered.
struct Panel3dDiscretisationValues {
    double chordPanels = 0;  // N per wing side
    double spanPanels = 0;   // M per half span
    double iterationCount = 0;
    int wakeMode = 0;    // 0 flat, 1 relaxed
    int clustering = 1;  // the slider, 1..100
    std::string result3dFileName;
    std::string resultCpFileName;
    std::string resultCaFileName;
};

class Panel3dWingSource;

// The settings of an interactive run: the window's values, the flow state and the wake values of
// the module, and the wing of the geometry window with its sideslip.
Panel3dInteractiveRunSettings Panel3dInteractiveSettings(const Panel3dDiscretisationValues& values,
                                                         const Panel3dWingSource& source);

// The interactive run once "Starte&n" has passed its checks: the progress window and its pause,
// the run with the geometry window's wing, its texts in `window`'s status line, the results
// window; `closeWindow` then closes the starting window (and with it the flap view). A failed
// run shows its box over `window`, which stays.
void Panel3dRunInteractive(wxFrame& window, const Panel3dDiscretisationValues& values,
                           std::shared_ptr<Panel3dPolarEvaluator> evaluator,
                           const std::function<void()>& closeWindow);

// The message of a failed interactive run (the grid-file run has its file's box).
wxString Panel3dRunFailureText(Panel3dRunError error);
