#pragma once
// "Diskretisierung": the panel counts, spacing, wake model and result names of an interactive
// panel run. It exists at most once; closing it clears its open flag.

#include <memory>

#include "common/LuvoFrame.h"
#include "panel3d/solver/Panel3dPolarEvaluator.h"

class Panel3dDiscretisationFrame : public luvo::LuvoFrame {
  public:
    Panel3dDiscretisationFrame(
        const wxString& title, const wxPoint& pos, const wxSize& size,
        long style = wxDEFAULT_FRAME_STYLE,
        std::shared_ptr<Panel3dPolarEvaluator> evaluator = Panel3dPolarEvaluator::Shared());

    // The evaluator this window keeps alive, taken from the window that opened it; runs and
    // windows started here use it.
    const std::shared_ptr<Panel3dPolarEvaluator>& Evaluator() const { return evaluator_; }

    // Destroys the window (delayed) and clears its open flag.
    void CloseWindow();

  private:
    void OnClose(wxCloseEvent& event);
    void OnCloseCommand(wxCommandEvent& event);

    std::shared_ptr<Panel3dPolarEvaluator> evaluator_;

    wxDECLARE_EVENT_TABLE();
};
