#include <wx/dcclient.h>

#include <string>

#include "common/WxPlotPainter.h"
#include "vlm/VlmGeometryFrame.h"

namespace {

// The geometry window that a field or canvas sits in.
VlmGeometryFrame* WindowOf(wxWindow* w) {
    return dynamic_cast<VlmGeometryFrame*>(wxGetTopLevelParent(w));
}

// A paint context on the canvas, cleared white.
void Clear(wxDC& dc) {
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
}

void SetUpCanvas(wxWindow* canvas) { canvas->SetBackgroundColour(*wxWHITE); }

}  // namespace

void VlmGeometryField::OnTextChanged(wxCommandEvent& event) {
    if (VlmGeometryFrame* frame = WindowOf(this)) frame->DrawViews();
    event.Skip();
}

VlmPlanformCanvas::VlmPlanformCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size)
    : wxWindow(parent, wxID_ANY, pos, size, wxSUNKEN_BORDER, wxS("panel")) {
    SetUpCanvas(this);
}

void VlmPlanformCanvas::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    VlmGeometryFrame* frame = WindowOf(this);
    if (frame == nullptr) return;
    Clear(dc);
    WxPlotPainter painter(dc);
    PaintPlanformView(painter, frame->Inputs());
}

void VlmPlanformCanvas::OnMouse(wxMouseEvent& event) {
    event.Skip();
    // Logical pixels: the origin of the top view is the root trailing edge at (160, 160).
    const int x = event.GetX() - 160;
    const int y = event.GetY() - 160;
    lastMouseX = x;
    lastMouseY = y;
    VlmGeometryFrame* frame = WindowOf(this);
    if (frame == nullptr) return;
    // Each write redraws the views at once through the field's change.
    const WingPointerEvent pointer{event.ButtonDown(), event.Dragging(), event.LeftUp(), x, y};
    for (const VlmDragWrite& write : drag.Handle(frame->Inputs(), pointer)) {
        frame->FieldOf(write.field)->SetValue(wxString::FromUTF8(write.text));
    }
}

VlmFrontViewCanvas::VlmFrontViewCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size)
    : wxWindow(parent, wxID_ANY, pos, size, wxSUNKEN_BORDER, wxS("panel")) {
    SetUpCanvas(this);
}

void VlmFrontViewCanvas::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    VlmGeometryFrame* frame = WindowOf(this);
    if (frame == nullptr) return;
    Clear(dc);
    WxPlotPainter painter(dc);
    PaintFrontView(painter, frame->Inputs(), draggingDihedral, static_cast<int>(lastMouseY));
}

void VlmFrontViewCanvas::OnMouse(wxMouseEvent& event) {
    event.Skip();
    // Logical pixels: the origin of the front view is the wing root at (160, 110).
    const int x = event.GetX() - 160;
    const int y = event.GetY() - 110;
    lastMouseX = x;
    lastMouseY = y;
    VlmGeometryFrame* frame = WindowOf(this);
    if (frame == nullptr) return;
    const bool wasDragging = draggingDihedral;
    const std::string text = drag.Handle(
        frame->Inputs().dihedral, {event.ButtonDown(), event.Dragging(), event.LeftUp(), x, y});
    draggingDihedral = drag.Dragging();
    if (!text.empty()) {
        frame->dihedralField->SetValue(wxString::FromUTF8(text));
    } else if (wasDragging) {
        frame->DrawViews();  // the drag's square goes
    }
}

VlmProfileCanvas::VlmProfileCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size,
                                   bool tip)
    : wxWindow(parent, wxID_ANY, pos, size, wxSUNKEN_BORDER, wxS("panel")), tip_(tip) {
    SetUpCanvas(this);
}

void VlmProfileCanvas::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    VlmGeometryFrame* frame = WindowOf(this);
    if (frame == nullptr) return;
    Clear(dc);
    WxPlotPainter painter(dc);
    const VlmWingInputs in = frame->Inputs();
    if (tip_) {
        PaintProfileView(painter, "Profil Randbogen", 0, in.tipCamber, in.tipCamberPosition,
                         in.tipIncidence, in.alpha);
    } else {
        PaintProfileView(painter, "Profil Flügelwurzel", 0, in.rootCamber, in.rootCamberPosition,
                         in.rootIncidence, in.alpha);
    }
}

// clang-format off
wxBEGIN_EVENT_TABLE(VlmGeometryField, luvo::NumericField)
    EVT_TEXT(wxID_ANY, VlmGeometryField::OnTextChanged)
wxEND_EVENT_TABLE()

wxBEGIN_EVENT_TABLE(VlmPlanformCanvas, wxWindow)
    EVT_PAINT(VlmPlanformCanvas::OnPaint)
    EVT_MOUSE_EVENTS(VlmPlanformCanvas::OnMouse)
wxEND_EVENT_TABLE()

wxBEGIN_EVENT_TABLE(VlmFrontViewCanvas, wxWindow)
    EVT_PAINT(VlmFrontViewCanvas::OnPaint)
    EVT_MOUSE_EVENTS(VlmFrontViewCanvas::OnMouse)
wxEND_EVENT_TABLE()

wxBEGIN_EVENT_TABLE(VlmProfileCanvas, wxWindow)
    EVT_PAINT(VlmProfileCanvas::OnPaint)
wxEND_EVENT_TABLE()
