#pragma once
// "Diskretisierung": how finely the interactive wing is divided into vortex elements, the
// camber-line terms, the wake model, the result files, and "Starte&n", which runs.

#include <wx/button.h>
#include <wx/radiobox.h>
#include <wx/slider.h>
#include <wx/stattext.h>
#include <wx/window.h>

#include "common/gui/ChordwiseSpacingCanvas.h"
#include "common/gui/LuvoFrame.h"
#include "vlm/gui/VlmInputField.h"

// The preview of the chordwise distribution; every paint redraws it from the slider.
class VlmDistributionCanvas : public luvo::ChordwiseSpacingCanvas {
  public:
    using luvo::ChordwiseSpacingCanvas::ChordwiseSpacingCanvas;
};

class VlmDiscretisationFrame : public luvo::LuvoFrame {
  public:
    enum {
        kIdWakeRadio = 1,
        kIdChoose3d = 10,
        kIdChooseCp = 11,
        kIdChooseCa = 12,
        kIdSlider = 13,
    };

    VlmDiscretisationFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                           long style = wxDEFAULT_FRAME_STYLE);

    wxPanel* panel = nullptr;
    VlmInputField* chordwiseCountField = nullptr;
    VlmInputField* spanwiseCountField = nullptr;
    VlmInputField* iterationsField = nullptr;
    VlmInputField* birnbaumCountField = nullptr;
    wxSlider* distributionSlider = nullptr;
    VlmDistributionCanvas* distributionCanvas = nullptr;
    wxRadioBox* wakeRadioBox = nullptr;
    wxButton* choose3dButton = nullptr;
    wxButton* chooseCpButton = nullptr;
    wxButton* chooseCaButton = nullptr;
    wxButton* startButton = nullptr;
    wxStaticText* result3dFileLabel = nullptr;
    wxStaticText* cpFileLabel = nullptr;
    wxStaticText* caFileLabel = nullptr;

  private:
    void OnClose(wxCloseEvent& event);
    void OnCloseCommand(wxCommandEvent& event);
    void OnInfo(wxCommandEvent& event);
    void OnSlider(wxCommandEvent& event);
    void OnStart(wxCommandEvent& event);
    void OnChoose3dFile(wxCommandEvent& event);
    void OnChooseCpFile(wxCommandEvent& event);
    void OnChooseCaFile(wxCommandEvent& event);
    void OnWakeRadioBox(wxCommandEvent& event);
    void CloseWindow();
    // The start checks in their order; false after the box of the first failure.
    bool PassStartChecks();
    void Run();

    wxDECLARE_EVENT_TABLE();
};
