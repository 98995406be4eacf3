#include "panel3d/gui/Panel3dRunWindows.h"

#include <wx/statusbr.h>

#include <vector>

#include "common/core/RangeCheck.h"
#include "common/gui/LuvoFrame.h"
#include "panel3d/core/Panel3dFlowState.h"
#include "panel3d/core/Panel3dModule.h"
#include "panel3d/gui/Panel3dInputModule.h"
#include "panel3d/gui/Panel3dShowResultsWindow.h"
#include "panel3d/gui/Panel3dWingSource.h"

Panel3dRunScreen::Panel3dRunScreen()
    : luvo::RunScreen(panel3d::Panel3dRunActive, panel3d::Panel3dProgressWindow) {}

bool Panel3dRefuseCloseDuringRun(wxCloseEvent& event) {
    if (!panel3d::Panel3dRunActive || !event.CanVeto()) return false;
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

Panel3dInteractiveRunSettings Panel3dInteractiveSettings(const Panel3dDiscretisationValues& values,
                                                         const Panel3dWingSource& source) {
    Panel3dInteractiveRunSettings settings;
    settings.flow = panel3d::Panel3dCurrentFlowState;
    settings.wing = source.Inputs();
    settings.sideslip = settings.wing.beta;
    settings.chordPanels = values.chordPanels;
    settings.spanPanels = values.spanPanels;
    settings.iterationCount = values.iterationCount;
    settings.wakeMode = values.wakeMode;
    settings.clustering = values.clustering;
    settings.wakeRows = panel3d::Panel3dWakeRowCount;
    settings.trailingEdgeWakeFactor = panel3d::Panel3dTrailingEdgeWakeFactor;
    settings.wakeLengthFactor = panel3d::Panel3dWakeLengthFactor;
    settings.result3dFileName = values.result3dFileName;
    settings.resultCpFileName = values.resultCpFileName;
    settings.resultCaFileName = values.resultCaFileName;
    return settings;
}

void Panel3dRunInteractive(wxFrame& window, const Panel3dDiscretisationValues& values,
                           std::shared_ptr<Panel3dPolarEvaluator> evaluator,
                           const std::function<void()>& closeWindow) {
    const wxString readyText = window.GetStatusBar()->GetStatusText(0);
    Panel3dRunScreen screen;
    window.SetStatusText(wxS("Rechnung läuft"), 0);
    // The geometry window refuses to close during the run; only a close that cannot be refused
    // gets here.
    const Panel3dWingSource* source = Panel3dWingSource::Open();
    if (source == nullptr) {
        screen.End();
        window.SetStatusText(readyText, 0);
        return;
    }
    const Panel3dInteractiveRunSettings settings = Panel3dInteractiveSettings(values, *source);

    luvo::WindowRunReporter reporter(&window, screen.progress()->progressCanvas);
    const Panel3dRunOutcome outcome = RunPanel3dInteractive(settings, evaluator.get(), &reporter);
    if (outcome.error != Panel3dRunError::kNone) {
        screen.End();
        window.SetStatusText(wxS("Fehler!"), 0);
        luvo::ShowErrorBox(&window, Panel3dRunFailureText(outcome.error),
                           wxString::FromUTF8(luvo::kInvalidInputCaption));
        window.SetStatusText(readyText, 0);
        return;
    }
    wxFrame* results = Panel3dOpenResultsWindow(settings.flow.taskMode, outcome, evaluator);
    screen.End();
    closeWindow();
    Panel3dReportUnwrittenFiles(results, outcome);
}
