#pragma once
// "Interaktives Erstellen einer Flügelkonfiguration" as the vortex-lattice and the panel method
// both build it: the fields of a trapezoid wing, a live preview of four views with handles to
// drag in two of them, and "&Weiter" and "&Abbrechen". A method's frame derives from it, says
// which rows it has beyond the common ones, adds its own controls and handles the events.
//
// The fields are the only store of the wing: the canvases, the drags and every other reader
// convert their texts again.

#include <wx/button.h>
#include <wx/textctrl.h>
#include <wx/window.h>

#include "common/core/WingPreview.h"
#include "common/gui/LuvoFrame.h"
#include "common/gui/NumericField.h"

namespace luvo {

// A geometry field: every change of its text, typed or written by a drag, redraws the preview.
class WingGeometryField : public NumericField {
  public:
    using NumericField::NumericField;

  private:
    void OnTextChanged(wxCommandEvent& event);
    wxDECLARE_EVENT_TABLE();
};

// A geometry field 40 pixels wide at `at` with its tool tip, without a label.
WingGeometryField* NewWingGeometryField(wxWindow* panel, wxPoint at, const wxString& value,
                                        const wxString& toolTip);

// The canvases hold no geometry: they draw from the fields of the window they sit in.
class WingPlanformCanvas : public wxWindow {
  public:
    WingPlanformCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size);
    double lastMouseY = 0;  // logical height of the latest mouse event

  private:
    void OnPaint(wxPaintEvent& event);
    void OnMouse(wxMouseEvent& event);
    WingPlanformDrag drag;
    wxDECLARE_EVENT_TABLE();
};

class WingFrontViewCanvas : public wxWindow {
  public:
    WingFrontViewCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size);
    double lastMouseY = 0;
    // True while the latest mouse event moved the dihedral handle with a button held; the view
    // then marks the pointer's height.
    bool draggingDihedral = false;

  private:
    void OnPaint(wxPaintEvent& event);
    void OnMouse(wxMouseEvent& event);
    WingDihedralDrag drag;
    wxDECLARE_EVENT_TABLE();
};

class WingProfileCanvas : public wxWindow {
  public:
    WingProfileCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size, bool tipSection);
    const bool tip;

  private:
    void OnPaint(wxPaintEvent& event);
    wxDECLARE_EVENT_TABLE();
};

// The rows a method's window has beyond those that both have.
struct WingGeometryRows {
    bool sectionThickness = false;  // the maximum thickness in both section boxes
    bool angleOfAttack = false;     // the angle of attack above the sideslip
};

class WingGeometryWindow : public LuvoFrame {
  public:
    enum { kIdNext = 4, kIdCancel = 5 };

    WingGeometryWindow(const wxString& title, const wxPoint& pos, const wxSize& size, long style,
                       WingGeometryRows rows);

    // What the preview draws, from the fields as they stand.
    virtual WingPreviewInputs PreviewInputs() const = 0;

    // Redraws all four views from the current field texts, at once.
    void DrawPreview();

    // The field that a drag writes.
    wxTextCtrl* FieldOf(WingDragField field) const;

    // Converts the texts of the rows that both methods have, and the thicknesses where the
    // window has them, into the like-named members of `in`; `forCheck`: as the checks judge them.
    template <class Inputs>
    void ReadWing(Inputs& in, bool forCheck = false) const {
        in.span = spanField->Value(forCheck);
        in.sweep = sweepField->Value(forCheck);
        in.dihedral = dihedralField->Value(forCheck);
        in.rootChord = rootChordField->Value(forCheck);
        in.rootIncidence = rootIncidenceField->Value(forCheck);
        in.rootCamber = rootCamberField->Value(forCheck);
        in.rootCamberPosition = rootCamberPositionField->Value(forCheck);
        in.tipChord = tipChordField->Value(forCheck);
        in.tipIncidence = tipIncidenceField->Value(forCheck);
        in.tipCamber = tipCamberField->Value(forCheck);
        in.tipCamberPosition = tipCamberPositionField->Value(forCheck);
        in.beta = betaField->Value(forCheck);
        if (rows_.sectionThickness) {
            in.rootThickness = rootThicknessField->Value(forCheck);
            in.tipThickness = tipThicknessField->Value(forCheck);
        }
    }

    wxPanel* panel = nullptr;
    WingGeometryField* spanField = nullptr;
    WingGeometryField* sweepField = nullptr;
    WingGeometryField* dihedralField = nullptr;
    WingGeometryField* rootChordField = nullptr;
    WingGeometryField* rootIncidenceField = nullptr;
    WingGeometryField* rootThicknessField = nullptr;  // only with section thickness
    WingGeometryField* rootCamberField = nullptr;
    WingGeometryField* rootCamberPositionField = nullptr;
    WingGeometryField* tipChordField = nullptr;
    WingGeometryField* tipIncidenceField = nullptr;
    WingGeometryField* tipThicknessField = nullptr;  // only with section thickness
    WingGeometryField* tipCamberField = nullptr;
    WingGeometryField* tipCamberPositionField = nullptr;
    WingGeometryField* alphaField = nullptr;  // only with the angle of attack
    WingGeometryField* betaField = nullptr;
    WingPlanformCanvas* planformCanvas = nullptr;
    WingFrontViewCanvas* frontViewCanvas = nullptr;
    WingProfileCanvas* rootProfileCanvas = nullptr;
    WingProfileCanvas* tipProfileCanvas = nullptr;
    wxButton* nextButton = nullptr;
    wxButton* cancelButton = nullptr;

  protected:
    // The boxes and fields of the wing, in their tab order. A method adds its own controls
    // after these and then the preview and buttons.
    void AddFields();
    void AddPreviewAndButtons();

    // "&Info...": the window's info box, its status text meanwhile "Info".
    void OnInfo(wxCommandEvent& event);

  private:
    const WingGeometryRows rows_;
};

}  // namespace luvo
