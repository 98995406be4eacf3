#pragma once
// "Diskretisierung": the panel counts, chordwise spacing, wake model and result names of an
// interactive panel run. "A&nzeigen" builds the wing grid and shows it in the flap view;
// "Starte&n" hands the window's values to the run. It exists at most once and reads the wing from
// the geometry window, which closes it when it closes itself.

#include <wx/button.h>
#include <wx/radiobox.h>
#include <wx/slider.h>
#include <wx/stattext.h>
#include <wx/window.h>

#include <memory>

#include "common/gui/ChordwiseSpacingCanvas.h"
#include "common/gui/LuvoFrame.h"
#include "panel3d/core/Panel3dPolarEvaluator.h"
#include "panel3d/core/Panel3dRun.h"
#include "panel3d/gui/Panel3dInputField.h"
#include "panel3d/gui/Panel3dRunWindows.h"

class Panel3dModel;

// The sketch of the chordwise spacing; every paint redraws it from its window's slider.
class Panel3dClusteringCanvas : public luvo::ChordwiseSpacingCanvas {
  public:
    using luvo::ChordwiseSpacingCanvas::ChordwiseSpacingCanvas;
};

class Panel3dDiscretisationFrame : public luvo::LuvoFrame {
  public:
    enum {
        kIdWakeRadio = 1,
        kIdShowFlaps = 6,
        kIdChoose3d = 11,
        kIdChooseCp = 12,
        kIdChooseCa = 13,
        kIdSlider = 15,
    };

    Panel3dDiscretisationFrame(
        const wxString& title, const wxPoint& pos, const wxSize& size,
        long style = wxDEFAULT_FRAME_STYLE,
        std::shared_ptr<Panel3dPolarEvaluator> evaluator = Panel3dPolarEvaluator::Shared());

    // The evaluator this window keeps alive, taken from the window that opened it; runs and
    // windows started here use it.
    const std::shared_ptr<Panel3dPolarEvaluator>& Evaluator() const { return evaluator_; }

    // Closes the flap view, then destroys the window (delayed); the module stops naming it.
    void CloseWindow();

    // The checks of "A&nzeigen" (forRun false) or "Starte&n" (true) on this window's counts and
    // the geometry window's fields, in their order, for a run then the iteration count of a
    // relaxed wake; false after the box of the first failure, and when the geometry window is
    // gone.
    bool PassChecks(bool forRun);

    // A new model for the window's counts with the wing inputs of the geometry window and the
    // slider, its wing grid generated; null when the memory is not there or the grid cannot be
    // built. Call after PassChecks. Nothing of the module changes.
    std::shared_ptr<Panel3dModel> BuildWingModel() const;

    // What "A&nzeigen" does: checks, builds the grid, makes it the module's model with the
    // window's counts and shows it in the flap view. False, with a box and nothing changed, when
    // a check fails or the model cannot be built.
    bool ShowFlaps();

    // What an interactive run takes from this window: the counts as typed, the slider, the wake,
    // the iteration count as typed and the three result names. Call after PassChecks.
    Panel3dDiscretisationValues RunValues() const;

    // The typed counts as numbers, before truncation.
    double ChordPanelsTyped() const { return chordPanelsField->Number(); }
    double SpanPanelsTyped() const { return spanPanelsField->Number(); }

    wxPanel* panel = nullptr;
    wxSlider* spacingSlider = nullptr;
    Panel3dClusteringCanvas* clusteringCanvas = nullptr;
    Panel3dInputField* chordPanelsField = nullptr;
    Panel3dInputField* spanPanelsField = nullptr;
    Panel3dInputField* iterationsField = nullptr;
    wxButton* showFlapsButton = nullptr;
    wxStaticText* result3dFileLabel = nullptr;
    wxStaticText* cpFileLabel = nullptr;
    wxStaticText* caFileLabel = nullptr;
    wxButton* choose3dButton = nullptr;
    wxButton* chooseCpButton = nullptr;
    wxButton* chooseCaButton = nullptr;
    wxRadioBox* wakeRadioBox = nullptr;
    wxButton* startButton = nullptr;

    // 0 flat, 1 relaxed, as last chosen.
    int wakeMode = 0;

  private:
    void OnClose(wxCloseEvent& event);
    void OnCloseCommand(wxCommandEvent& event);
    void OnInfo(wxCommandEvent& event);
    void OnSlider(wxCommandEvent& event);
    void OnShowFlaps(wxCommandEvent& event);
    void OnChoose3dFile(wxCommandEvent& event);
    void OnChooseCpFile(wxCommandEvent& event);
    void OnChooseCaFile(wxCommandEvent& event);
    void OnWakeRadioBox(wxCommandEvent& event);
    void OnStart(wxCommandEvent& event);

    std::shared_ptr<Panel3dPolarEvaluator> evaluator_;

    wxDECLARE_EVENT_TABLE();
};
