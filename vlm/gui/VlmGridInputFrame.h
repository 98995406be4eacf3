#pragma once
// "Daten über eine Datei einlesen": the grid-file path of the vortex-lattice method. The student
// picks the grid file "*.fdw" and the three result files, enters the flow and the wake settings,
// and "&Starten" checks the flow inputs and runs.

#include <wx/button.h>
#include <wx/radiobox.h>
#include <wx/stattext.h>

#include <optional>

#include "common/gui/LuvoFrame.h"
#include "vlm/core/VlmGridFile.h"
#include "vlm/gui/VlmInputField.h"

class VlmGridInputFrame : public luvo::LuvoFrame {
  public:
    enum {
        kIdWakeRadio = 1,
        kIdChooseGrid = 6,
        kIdChoose3d = 7,
        kIdChooseCp = 8,
        kIdChooseCa = 9,
    };

    VlmGridInputFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                      long style = wxDEFAULT_FRAME_STYLE);

    // Reads the grid file, solves, writes the result files and shows the results.
    void RunFromGridFile();
    // Reads the whole grid file named in the window into checkedGrid; headerError := 1 when it
    // cannot be read or does not describe a lattice.
    void CheckGridHeader();

    wxPanel* panel = nullptr;
    VlmInputField* alphaField = nullptr;
    VlmInputField* betaField = nullptr;
    VlmInputField* iterationsField = nullptr;
    VlmInputField* dampingFactorField = nullptr;
    VlmInputField* birnbaumCountField = nullptr;
    wxButton* chooseGridButton = nullptr;
    wxButton* choose3dButton = nullptr;
    wxButton* chooseCpButton = nullptr;
    wxButton* chooseCaButton = nullptr;
    wxButton* startButton = nullptr;
    wxButton* cancelButton = nullptr;
    // The labels are the only store of the chosen names until a run copies them.
    wxStaticText* gridFileLabel = nullptr;
    wxStaticText* result3dFileLabel = nullptr;
    wxStaticText* cpFileLabel = nullptr;
    wxStaticText* caFileLabel = nullptr;
    wxRadioBox* wakeRadioBox = nullptr;
    int headerError = 0;                     // 1 when the last header check of the grid file failed
    std::optional<VlmGridFile> checkedGrid;  // the file of the last check that passed

  private:
    void OnClose(wxCloseEvent& event);
    void OnCloseCommand(wxCommandEvent& event);
    void OnInfo(wxCommandEvent& event);
    void OnWakeRadioBox(wxCommandEvent& event);
    void OnChooseGridFile(wxCommandEvent& event);
    void OnChoose3dFile(wxCommandEvent& event);
    void OnChooseCpFile(wxCommandEvent& event);
    void OnChooseCaFile(wxCommandEvent& event);
    void OnStart(wxCommandEvent& event);
    void CloseWindow();

    wxDECLARE_EVENT_TABLE();
};
