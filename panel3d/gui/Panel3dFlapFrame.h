#pragma once
// "Klappenausschlag": chordwise cuts through the panel model of "A&nzeigen" along two chosen
// rows, and a plan view with the flap outline and the places of the cuts. It exists at most
// once; "Diskretisierung" hands it each new model. The window keeps no drawing state: every
// paint draws the model and the geometry window's current fields.

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/stattext.h>
#include <wx/window.h>

#include <memory>

#include "common/core/PlotPainter.h"
#include "common/gui/LuvoFrame.h"
#include "panel3d/core/Panel3dPolarEvaluator.h"

class Panel3dModel;

class Panel3dSectionCanvas : public wxWindow {
  public:
    Panel3dSectionCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size);
    const double canvasWidth;
    const double canvasHeight;

  private:
    void OnPaint(wxPaintEvent& event);
    wxDECLARE_EVENT_TABLE();
};

// A read-only chooser of a row; a new choice redraws the cuts.
class Panel3dSectionChoice : public wxComboBox {
  public:
    Panel3dSectionChoice(wxWindow* parent, const wxPoint& pos, const wxArrayString& rows);

  private:
    void OnComboBox(wxCommandEvent& event);
    wxDECLARE_EVENT_TABLE();
};

class Panel3dFlapFrame : public luvo::LuvoFrame {
  public:
    enum { kIdClose = 3 };

    // The chooser entries come from the module's span panel count as it stands now.
    Panel3dFlapFrame(
        const wxString& title, const wxPoint& pos, const wxSize& size,
        long style = wxDEFAULT_FRAME_STYLE,
        std::shared_ptr<Panel3dPolarEvaluator> evaluator = Panel3dPolarEvaluator::Shared());

    // The evaluator this window keeps alive, taken from the window that opened it.
    const std::shared_ptr<Panel3dPolarEvaluator>& Evaluator() const { return evaluator_; }

    // Redraws the canvas at once from the model and the geometry window's fields, and empties
    // the label of each chooser with a cut.
    void DrawSections();
    // The drawing of the canvas onto any painter.
    void PaintSections(luvo::PlotPainter& painter) const;

    // Destroys the window (delayed), the module stops naming it, and its model goes.
    void CloseWindow();

    wxPanel* panel = nullptr;
    Panel3dSectionCanvas* sectionCanvas = nullptr;
    Panel3dSectionChoice* firstSectionChoice = nullptr;
    Panel3dSectionChoice* secondSectionChoice = nullptr;
    wxStaticText* firstSectionLabel = nullptr;
    wxStaticText* secondSectionLabel = nullptr;
    wxButton* closeButton = nullptr;
    // Shared with the module: a model replaced there lives on while this view draws it.
    std::shared_ptr<const Panel3dModel> panelModel;

  private:
    void EmptyLabelsOfCuts();
    void OnClose(wxCloseEvent& event);
    void OnCloseCommand(wxCommandEvent& event);
    void OnInfo(wxCommandEvent& event);

    std::shared_ptr<Panel3dPolarEvaluator> evaluator_;

    wxDECLARE_EVENT_TABLE();
};

// Opens the flap view "Klappenausschlag" (800 x 400, not centred) if it is not open, hands it
// the model, draws it and shows it. A new view keeps `evaluator`, that of the window opening it.
Panel3dFlapFrame* Panel3dShowFlapView(
    std::shared_ptr<const Panel3dModel> model,
    std::shared_ptr<Panel3dPolarEvaluator> evaluator = Panel3dPolarEvaluator::Shared());

// Closes the flap view if it is open.
void Panel3dCloseFlapView();
