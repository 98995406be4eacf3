#include "panel3d/input/Panel3dRunWindows.h"

#include <vector>

#include "common/LuvoFrame.h"
#include "panel3d/input/Panel3dInputModule.h"
#include "panel3d/results/Panel3dResultsWindow.h"

Panel3dRunScreen::Panel3dRunScreen() : luvo::RunScreen(Panel3dRunActive, Panel3dProgressWindow) {}

bool Panel3dRefuseCloseDuringRun(wxCloseEvent& event) {
    if (!Panel3dRunActive || !event.CanVeto()) return false;
    event.Veto();
    return true;
}

wxFrame* Panel3dOpenResultsWindow(int taskMode, const Panel3dRunOutcome& outcome,
                                  std::shared_ptr<Panel3dPolarEvaluator> evaluator) {
    return Panel3dShowResultsWindow(
        taskMode, Panel3dRun{outcome.model, outcome.evaluation, std::move(evaluator)});
}

void Panel3dReportUnwrittenFiles(wxFrame* results, const Panel3dRunOutcome& outcome) {
    std::vector<wxString> names;
    for (const std::string& name : outcome.unwrittenFiles) {
        names.push_back(wxString::FromUTF8(name));
    }
    luvo::ShowUnwrittenFilesBox(results, names);
}

wxString Panel3dRunFailureText(Panel3dRunError error) {
    if (error == Panel3dRunError::kOutOfMemory) {
        return wxS("Für diese Panelzahl reicht der Arbeitsspeicher nicht aus.\n");
    }
    return wxS("Das Gleichungssystem ist mit diesen Eingaben nicht lösbar.\n");
}
