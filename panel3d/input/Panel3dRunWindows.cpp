#include "panel3d/input/Panel3dRunWindows.h"

#include <vector>

#include "common/LuvoFrame.h"
#include "panel3d/input/Panel3dInputModule.h"

Panel3dRunScreen::Panel3dRunScreen() : luvo::RunScreen(Panel3dRunActive, Panel3dProgressWindow) {}

bool Panel3dRefuseCloseDuringRun(wxCloseEvent& event) {
    if (!Panel3dRunActive || !event.CanVeto()) return false;
    event.Veto();
    return true;
}

namespace {

// A plain frame of the results window's title and size, until the results windows take its
// place; it holds what they will show.
class Panel3dRunResultsFrame : public luvo::LuvoFrame {
  public:
    Panel3dRunResultsFrame(const wxString& title, const Panel3dRunOutcome& outcome,
                           std::shared_ptr<Panel3dPolarEvaluator> evaluator)
        : luvo::LuvoFrame(title, wxDefaultPosition, wxSize(640, 565)),
          model_(outcome.model),
          evaluation_(outcome.evaluation),
          evaluator_(std::move(evaluator)) {}

  private:
    std::shared_ptr<Panel3dModel> model_;
    std::shared_ptr<const Panel3dEvaluationRecord> evaluation_;
    std::shared_ptr<Panel3dPolarEvaluator> evaluator_;
};

}  // namespace

wxFrame* Panel3dOpenResultsWindow(int taskMode, const Panel3dRunOutcome& outcome,
                                  std::shared_ptr<Panel3dPolarEvaluator> evaluator) {
    auto* frame = new Panel3dRunResultsFrame(taskMode == 0 ? wxS("Ergebnisse") : wxS("Polaren"),
                                             outcome, std::move(evaluator));
    frame->Centre(wxBOTH);
    frame->Show(true);
    return frame;
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
