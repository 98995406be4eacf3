#pragma once
// "Interaktives Erstellen einer Flügelkonfiguration": the interactive wing of the panel method in
// twenty fields and a flap check box, with a live preview of four views and "&Weiter", which
// checks the inputs and opens "Diskretisierung". The window keeps no values: whoever needs the
// wing reads the fields again through `Inputs`. It exists at most once.

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/window.h>

#include <memory>

#include "common/LuvoFrame.h"
#include "common/NumericField.h"
#include "panel3d/input/Panel3dGeometryInputs.h"
#include "panel3d/solver/Panel3dPolarEvaluator.h"

// Every change of its text, typed or written by a drag, redraws the preview.
class Panel3dGeometryField : public luvo::NumericField {
  public:
    using luvo::NumericField::NumericField;

  private:
    void OnTextChanged(wxCommandEvent& event);
    wxDECLARE_EVENT_TABLE();
};

// Enables the six flap fields while set and redraws the preview.
class Panel3dFlapCheckBox : public wxCheckBox {
  public:
    using wxCheckBox::wxCheckBox;

  private:
    void OnCheckBox(wxCommandEvent& event);
    wxDECLARE_EVENT_TABLE();
};

// The canvases hold no geometry: they draw from the fields of the window they sit in.
class Panel3dTopViewCanvas : public wxWindow {
  public:
    Panel3dTopViewCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size);

  private:
    void OnPaint(wxPaintEvent& event);
    void OnMouse(wxMouseEvent& event);
    WingPlanformDrag drag;
    wxDECLARE_EVENT_TABLE();
};

class Panel3dFrontViewCanvas : public wxWindow {
  public:
    Panel3dFrontViewCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size);
    // While a drag moves the dihedral handle: the logical y of the pointer, marked by a square.
    bool draggingDihedral = false;
    int dragMouseY = 0;

  private:
    void OnPaint(wxPaintEvent& event);
    void OnMouse(wxMouseEvent& event);
    WingDihedralDrag drag;
    wxDECLARE_EVENT_TABLE();
};

class Panel3dProfileCanvas : public wxWindow {
  public:
    Panel3dProfileCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size, bool tip);
    const bool tip;

  private:
    void OnPaint(wxPaintEvent& event);
    wxDECLARE_EVENT_TABLE();
};

class Panel3dGeometryFrame : public luvo::LuvoFrame {
  public:
    enum { kIdNext = 4, kIdCancel = 5 };

    Panel3dGeometryFrame(
        const wxString& title, const wxPoint& pos, const wxSize& size,
        long style = wxDEFAULT_FRAME_STYLE,
        std::shared_ptr<Panel3dPolarEvaluator> evaluator = Panel3dPolarEvaluator::Shared());

    // The fields' texts as numbers (a text without a leading number is 0) and the flap box.
    Panel3dGeometryInputs Inputs() const;

    // Redraws all four preview canvases from the current field texts, at once.
    void DrawPreview();

    // What the preview draws from the fields and the flow state's angle of attack.
    WingPreviewInputs PreviewInputs() const;

    // The field that a drag writes.
    wxTextCtrl* FieldOf(WingDragField field) const;

    // Enables or disables the six flap fields; their texts stay.
    void EnableFlapFields(bool enable);

    wxPanel* panel = nullptr;
    Panel3dGeometryField* spanField = nullptr;
    Panel3dGeometryField* sweepField = nullptr;
    Panel3dGeometryField* dihedralField = nullptr;
    Panel3dGeometryField* rootChordField = nullptr;
    Panel3dGeometryField* rootIncidenceField = nullptr;
    Panel3dGeometryField* rootThicknessField = nullptr;
    Panel3dGeometryField* rootCamberField = nullptr;
    Panel3dGeometryField* rootCamberPositionField = nullptr;
    Panel3dGeometryField* tipChordField = nullptr;
    Panel3dGeometryField* tipIncidenceField = nullptr;
    Panel3dGeometryField* tipThicknessField = nullptr;
    Panel3dGeometryField* tipCamberField = nullptr;
    Panel3dGeometryField* tipCamberPositionField = nullptr;
    Panel3dGeometryField* betaField = nullptr;
    Panel3dFlapCheckBox* flapCheckBox = nullptr;
    Panel3dGeometryField* flapInnerField = nullptr;
    Panel3dGeometryField* flapOuterField = nullptr;
    Panel3dGeometryField* hingePositionField = nullptr;
    Panel3dGeometryField* hingeHeightField = nullptr;
    Panel3dGeometryField* leftDeflectionField = nullptr;
    Panel3dGeometryField* rightDeflectionField = nullptr;
    Panel3dTopViewCanvas* planformCanvas = nullptr;
    Panel3dFrontViewCanvas* frontViewCanvas = nullptr;
    Panel3dProfileCanvas* rootProfileCanvas = nullptr;
    Panel3dProfileCanvas* tipProfileCanvas = nullptr;
    wxButton* nextButton = nullptr;
    wxButton* cancelButton = nullptr;

  private:
    void OnClose(wxCloseEvent& event);
    void OnCloseCommand(wxCommandEvent& event);
    void OnInfo(wxCommandEvent& event);
    void OnNext(wxCommandEvent& event);
    void CloseWindow();
    void CreateCanvases();

    std::shared_ptr<Panel3dPolarEvaluator> evaluator_;
    wxDECLARE_EVENT_TABLE();
};
