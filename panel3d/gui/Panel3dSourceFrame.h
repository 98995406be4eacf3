#pragma once
// " Luvo - 3D Panelverfahren, Punkt": where the panel method's wing comes from, a grid file or
// the interactive geometry window. Several choosers may be open; each acts on its own choice.

#include <wx/button.h>
#include <wx/radiobox.h>

#include <memory>

#include "common/gui/LuvoFrame.h"
#include "panel3d/core/Panel3dPolarEvaluator.h"

class Panel3dSourceFrame : public luvo::LuvoFrame {
  public:
    // `evaluator`: the shared evaluator, kept valid while this window exists.
    Panel3dSourceFrame(
        const wxString& title, const wxPoint& pos, const wxSize& size,
        std::shared_ptr<Panel3dPolarEvaluator> evaluator = Panel3dPolarEvaluator::Shared());

    wxRadioBox* sourceRadio = nullptr;
    wxButton* okButton = nullptr;
    wxButton* cancelButton = nullptr;

  private:
    void OnRadioBox(wxCommandEvent& event);
    void OnInfo(wxCommandEvent& event);
    void OnStart(wxCommandEvent& event);
    void OnClose(wxCommandEvent& event);

    std::shared_ptr<Panel3dPolarEvaluator> evaluator_;
    wxDECLARE_EVENT_TABLE();
};
