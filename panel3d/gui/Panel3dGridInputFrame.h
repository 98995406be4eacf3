#pragma once
// "Daten über eine Datei einlesen": the grid-file path of the panel method. The user names the
// grid file "*.fdp" and the three result files, the sideslip angle and the wake model;
// "&Starten" checks the angles (and the iteration count of a relaxed wake) and runs.

#include <wx/button.h>
#include <wx/radiobox.h>
#include <wx/stattext.h>

#include <cstdint>
#include <memory>

#include "common/gui/LuvoFrame.h"
#include "panel3d/core/Panel3dGridHeader.h"
#include "panel3d/core/Panel3dPolarEvaluator.h"
#include "panel3d/gui/Panel3dInputField.h"

class Panel3dGridInputFrame : public luvo::LuvoFrame {
  public:
    enum {
        kIdWakeRadio = 1,
        kIdChooseGrid = 7,
        kIdChoose3d = 8,
        kIdChooseCp = 9,
        kIdChooseCa = 10,
    };

    Panel3dGridInputFrame(
        const wxString& title, const wxPoint& pos, const wxSize& size,
        long style = wxDEFAULT_FRAME_STYLE,
        std::shared_ptr<Panel3dPolarEvaluator> evaluator = Panel3dPolarEvaluator::Shared());

    // The grid run of the panel solver: reads this window and the grid file, solves, writes
    // the result files and opens the results window.
    void RunComputation();

    Panel3dInputField* sideslipField = nullptr;    // beta [deg]
    Panel3dInputField* iterationField = nullptr;   // relaxation steps
    Panel3dInputField* coreRadiusField = nullptr;  // multiple of the largest panel diagonal
    // The file labels are the only store of the chosen names until a run copies them.
    wxStaticText* gridFileLabel = nullptr;
    wxStaticText* result3dFileLabel = nullptr;
    wxStaticText* resultCpFileLabel = nullptr;
    wxStaticText* resultCaFileLabel = nullptr;
    wxButton* chooseGridButton = nullptr;
    wxButton* choose3dButton = nullptr;
    wxButton* chooseCpButton = nullptr;
    wxButton* chooseCaButton = nullptr;
    wxRadioBox* wakeRadio = nullptr;
    wxButton* startButton = nullptr;
    wxButton* cancelButton = nullptr;

    int wakeMode = 0;              // 0 flat, 1 relaxed
    std::int32_t headerError = 0;  // 1 when the last header read failed
    Panel3dGridHeader gridHeader;  // the last header read that passed

  private:
    void OnClose(wxCloseEvent& event);
    void OnCloseCommand(wxCommandEvent& event);
    void OnInfo(wxCommandEvent& event);
    void OnChooseGridFile(wxCommandEvent& event);
    void OnChoose3dFile(wxCommandEvent& event);
    void OnChooseCpFile(wxCommandEvent& event);
    void OnChooseCaFile(wxCommandEvent& event);
    void OnWakeRadioBox(wxCommandEvent& event);
    void OnStart(wxCommandEvent& event);

    // Reads the header of the module's grid file into gridHeader, or sets headerError.
    void ReadGridHeader();
    void CloseWindow();

    std::shared_ptr<Panel3dPolarEvaluator> evaluator_;
    wxDECLARE_EVENT_TABLE();
};
