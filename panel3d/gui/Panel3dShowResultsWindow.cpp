#include "panel3d/gui/Panel3dShowResultsWindow.h"

#include <utility>

#include "panel3d/gui/Panel3dPolarResultsFrame.h"
#include "panel3d/gui/Panel3dResultsFrame.h"

Panel3dResultsWindow* Panel3dShowResultsWindow(int taskMode, Panel3dRun run) {
    const wxSize size(640, 565);
    Panel3dResultsWindow* frame = nullptr;
    if (taskMode == 1) {
        frame =
            new Panel3dPolarResultsFrame(wxS("Polaren"), wxDefaultPosition, size, std::move(run));
    } else if (taskMode == 2) {
        frame = new Panel3dSpeedPolarResultsFrame(wxS("Polaren"), wxDefaultPosition, size,
                                                  std::move(run));
    } else {
        frame = new Panel3dResultsFrame(wxS("Ergebnisse"), wxDefaultPosition, size, std::move(run));
    }
    frame->Centre(wxBOTH);
    frame->Show(true);
    return frame;
}
