#pragma once
// First window of the 3D panel method. It opens hidden; the main window centres and shows it.

#include <memory>

#include "common/LuvoFrame.h"
#include "panel3d/solver/Panel3dPolarEvaluator.h"

class Panel3dMethodFrame : public luvo::LuvoFrame {
  public:
    Panel3dMethodFrame(const wxString& title, const wxPoint& pos, const wxSize& size);

  private:
    void OnClose(wxCommandEvent& event);
    void OnInfo(wxCommandEvent& event);
    // Keeps the shared evaluator valid while this window exists, even after "&Beenden...".
    std::shared_ptr<Panel3dPolarEvaluator> evaluator_;
    wxDECLARE_EVENT_TABLE();
};
