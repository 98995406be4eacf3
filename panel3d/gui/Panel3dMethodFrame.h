#pragma once
// " Luvo - 3D Panelverfahren": the three tasks of the panel method and their flow inputs. "&OK"
// checks the chosen task's inputs, stores the flow state, hands the operating parameters to the
// polar evaluator and opens the geometry-source chooser.

#include <wx/button.h>
#include <wx/radiobox.h>

#include <array>
#include <memory>

#include "common/gui/LuvoFrame.h"
#include "panel3d/core/Panel3dFlowState.h"
#include "panel3d/core/Panel3dPolarEvaluator.h"
#include "panel3d/gui/Panel3dInputField.h"

class Panel3dMethodFrame : public luvo::LuvoFrame {
  public:
    Panel3dMethodFrame(const wxString& title, const wxPoint& pos, const wxSize& size);

    // The eleven fields, indexed by Panel3dFlowField (window order).
    std::array<Panel3dInputField*, kPanel3dFlowFieldCount> fields{};
    wxRadioBox* taskRadio = nullptr;
    wxButton* okButton = nullptr;
    wxButton* cancelButton = nullptr;

  private:
    void OnRadioBox(wxCommandEvent& event);
    void OnInfo(wxCommandEvent& event);
    void OnStart(wxCommandEvent& event);
    void OnClose(wxCommandEvent& event);

    // Keeps the shared evaluator valid while this window exists, even after "&Beenden...".
    std::shared_ptr<Panel3dPolarEvaluator> evaluator_;
    wxDECLARE_EVENT_TABLE();
};
