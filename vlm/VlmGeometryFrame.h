#pragma once
// "Interaktives Erstellen einer Flügelkonfiguration": the trapezoid wing of the vortex-lattice
// method in thirteen fields with a live preview of four views, handles to drag in two of them,
// and "&Weiter", which checks the inputs and opens the discretisation window.

#include <wx/button.h>
#include <wx/textctrl.h>
#include <wx/window.h>

#include "common/LuvoFrame.h"
#include "common/NumericField.h"
#include "vlm/VlmPreview.h"

class VlmGeometryFrame;

// A geometry field: every change of its text, typed or written by a drag, redraws the preview.
class VlmGeometryField : public luvo::NumericField {
  public:
    using luvo::NumericField::NumericField;

  private:
    void OnTextChanged(wxCommandEvent& event);
    wxDECLARE_EVENT_TABLE();
};

// The canvases hold no geometry: they draw from the fields of the window they sit in.
class VlmPlanformCanvas : public wxWindow {
  public:
    VlmPlanformCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size);
    double lastMouseX = 0;  // logical position of the latest mouse event
    double lastMouseY = 0;

  private:
    void OnPaint(wxPaintEvent& event);
    void OnMouse(wxMouseEvent& event);
    WingPlanformDrag drag;
    wxDECLARE_EVENT_TABLE();
};

class VlmFrontViewCanvas : public wxWindow {
  public:
    VlmFrontViewCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size);
    double lastMouseX = 0;
    double lastMouseY = 0;
    // True while the latest mouse event moved the dihedral handle with a button held.
    bool draggingDihedral = false;

  private:
    void OnPaint(wxPaintEvent& event);
    void OnMouse(wxMouseEvent& event);
    WingDihedralDrag drag;
    wxDECLARE_EVENT_TABLE();
};

class VlmProfileCanvas : public wxWindow {
  public:
    VlmProfileCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size, bool tip);

  private:
    void OnPaint(wxPaintEvent& event);
    bool tip_;
    wxDECLARE_EVENT_TABLE();
};

class VlmGeometryFrame : public luvo::LuvoFrame {
  public:
    enum { kIdNext = 4, kIdCancel = 5 };

    VlmGeometryFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                     long style = wxDEFAULT_FRAME_STYLE);

    // The fields' values as the preview and the checks read them.
    VlmWingInputs Inputs() const;

    // Redraws all four views from the current field texts, at once.
    void DrawViews();

    // The thirteen range checks of the fields in their order; the first failure shows its box
    // with parent `parent` and the result is false.
    bool PassChecks(wxWindow* parent) const;

    // The field that a drag writes.
    wxTextCtrl* FieldOf(VlmDragField field) const;

    wxPanel* panel = nullptr;
    VlmGeometryField* spanField = nullptr;
    VlmGeometryField* rootChordField = nullptr;
    VlmGeometryField* tipChordField = nullptr;
    VlmGeometryField* sweepField = nullptr;
    VlmGeometryField* rootIncidenceField = nullptr;
    VlmGeometryField* tipIncidenceField = nullptr;
    VlmGeometryField* rootCamberField = nullptr;
    VlmGeometryField* tipCamberField = nullptr;
    VlmGeometryField* rootCamberPositionField = nullptr;
    VlmGeometryField* tipCamberPositionField = nullptr;
    VlmGeometryField* dihedralField = nullptr;
    VlmGeometryField* alphaField = nullptr;
    VlmGeometryField* betaField = nullptr;
    VlmPlanformCanvas* planformCanvas = nullptr;
    VlmFrontViewCanvas* frontViewCanvas = nullptr;
    VlmProfileCanvas* rootProfileCanvas = nullptr;
    VlmProfileCanvas* tipProfileCanvas = nullptr;
    wxButton* nextButton = nullptr;
    wxButton* cancelButton = nullptr;

  private:
    void OnClose(wxCloseEvent& event);
    void OnCloseCommand(wxCommandEvent& event);
    void OnInfo(wxCommandEvent& event);
    void OnNext(wxCommandEvent& event);
    void CloseWindow();

    wxDECLARE_EVENT_TABLE();
};
