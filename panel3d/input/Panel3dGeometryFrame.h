#pragma once
// "Interaktives Erstellen einer Flügelkonfiguration": the interactive wing of the panel method.
// It exists at most once; closing it clears its open flag.

#include <memory>

#include "common/LuvoFrame.h"
#include "panel3d/solver/Panel3dPolarEvaluator.h"

class Panel3dGeometryFrame : public luvo::LuvoFrame {
  public:
    Panel3dGeometryFrame(
        const wxString& title, const wxPoint& pos, const wxSize& size,
        long style = wxDEFAULT_FRAME_STYLE,
        std::shared_ptr<Panel3dPolarEvaluator> evaluator = Panel3dPolarEvaluator::Shared());

  private:
    void OnClose(wxCloseEvent& event);
    void OnCloseCommand(wxCommandEvent& event);
    void CloseWindow();

    std::shared_ptr<Panel3dPolarEvaluator> evaluator_;
    wxDECLARE_EVENT_TABLE();
};
