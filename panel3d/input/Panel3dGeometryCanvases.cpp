#include <wx/dcclient.h>

#include <string>

#include "common/WxPlotPainter.h"
#include "panel3d/input/Panel3dFlowState.h"
#include "panel3d/input/Panel3dGeometryFrame.h"

namespace {

// The geometry window that a canvas sits in.
Panel3dGeometryFrame* WindowOf(wxWindow* w) {
    return dynamic_cast<Panel3dGeometryFrame*>(wxGetTopLevelParent(w));
}

void Clear(wxDC& dc) {
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
}

}  // namespace

void Panel3dGeometryFrame::CreateCanvases() {
    planformCanvas = new Panel3dTopViewCanvas(panel, wxPoint(10, 14), wxSize(330, 269));
    planformCanvas->SetToolTip(wxS("Flügelgeometrie vorgeben, Draufsicht"));
    frontViewCanvas = new Panel3dFrontViewCanvas(panel, wxPoint(10, 293), wxSize(330, 150));
    frontViewCanvas->SetToolTip(wxS("Flügelgeometrie vorgeben, Ansicht von vorne"));
    rootProfileCanvas = new Panel3dProfileCanvas(panel, wxPoint(360, 145), wxSize(160, 115), false);
    tipProfileCanvas = new Panel3dProfileCanvas(panel, wxPoint(360, 305), wxSize(160, 115), true);
}

WingPreviewInputs Panel3dGeometryFrame::PreviewInputs() const {
    return Panel3dPreviewInputs(Inputs(), Panel3dCurrentFlowState.alphaStar);
}

void Panel3dGeometryFrame::DrawPreview() {
    // The fields exist before the canvases: their first texts have nothing to redraw.
    if (tipProfileCanvas == nullptr) return;
    wxWindow* const views[] = {planformCanvas, frontViewCanvas, rootProfileCanvas,
                               tipProfileCanvas};
    for (wxWindow* view : views) view->Refresh(false);
    // Painted now, not at the next idle time, so a drag shows while the mouse moves.
    for (wxWindow* view : views) view->Update();
}

wxTextCtrl* Panel3dGeometryFrame::FieldOf(WingDragField field) const {
    switch (field) {
        case WingDragField::RootChord:
            return rootChordField;
        case WingDragField::TipChord:
            return tipChordField;
        case WingDragField::Sweep:
            return sweepField;
        case WingDragField::Dihedral:
            break;
    }
    return dihedralField;
}

Panel3dTopViewCanvas::Panel3dTopViewCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size)
    : wxWindow(parent, wxID_ANY, pos, size, wxSUNKEN_BORDER) {
    SetBackgroundColour(*wxWHITE);
}

void Panel3dTopViewCanvas::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    Panel3dGeometryFrame* frame = WindowOf(this);
    if (frame == nullptr) return;
    Clear(dc);
    WxPlotPainter painter(dc);
    PaintPlanformView(painter, frame->PreviewInputs());
}

void Panel3dTopViewCanvas::OnMouse(wxMouseEvent& event) {
    event.Skip();
    Panel3dGeometryFrame* frame = WindowOf(this);
    if (frame == nullptr) return;
    // Logical pixels: the origin of the top view is the root trailing edge at (160, 160). Each
    // write redraws the views at once through the field's change.
    const int x = event.GetX() - 160;
    const int y = event.GetY() - 160;
    const WingPointerEvent pointer{event.ButtonDown(), event.Dragging(), event.LeftUp(), x, y};
    for (const WingDragWrite& write : drag.Handle(frame->PreviewInputs(), pointer)) {
        frame->FieldOf(write.field)->SetValue(wxString::FromUTF8(write.text));
    }
}

Panel3dFrontViewCanvas::Panel3dFrontViewCanvas(wxWindow* parent, const wxPoint& pos,
                                               const wxSize& size)
    : wxWindow(parent, wxID_ANY, pos, size, wxSUNKEN_BORDER) {
    SetBackgroundColour(*wxWHITE);
}

void Panel3dFrontViewCanvas::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    Panel3dGeometryFrame* frame = WindowOf(this);
    if (frame == nullptr) return;
    Clear(dc);
    WxPlotPainter painter(dc);
    PaintFrontView(painter, frame->PreviewInputs(), draggingDihedral, dragMouseY);
}

void Panel3dFrontViewCanvas::OnMouse(wxMouseEvent& event) {
    event.Skip();
    Panel3dGeometryFrame* frame = WindowOf(this);
    if (frame == nullptr) return;
    // Logical pixels: the origin of the front view is the wing root at (160, 110).
    const int x = event.GetX() - 160;
    const int y = event.GetY() - 110;
    const bool wasDragging = draggingDihedral;
    const std::string text =
        drag.Handle(frame->dihedralField->Number(),
                    {event.ButtonDown(), event.Dragging(), event.LeftUp(), x, y});
    draggingDihedral = drag.Dragging();
    dragMouseY = y;
    if (!text.empty()) {
        frame->dihedralField->SetValue(wxString::FromUTF8(text));
    } else if (wasDragging) {
        frame->DrawPreview();  // the drag's square goes
    }
}

Panel3dProfileCanvas::Panel3dProfileCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size,
                                           bool tipSection)
    : wxWindow(parent, wxID_ANY, pos, size, wxSUNKEN_BORDER), tip(tipSection) {
    SetBackgroundColour(*wxWHITE);
}

void Panel3dProfileCanvas::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    Panel3dGeometryFrame* frame = WindowOf(this);
    if (frame == nullptr) return;
    Clear(dc);
    WxPlotPainter painter(dc);
    const WingPreviewInputs in = frame->PreviewInputs();
    if (tip) {
        PaintProfileView(painter, "Profil Randbogen", in.tipThickness, in.tipCamber,
                         in.tipCamberPosition, in.tipIncidence, in.alpha);
    } else {
        PaintProfileView(painter, "Profil Flügelwurzel", in.rootThickness, in.rootCamber,
                         in.rootCamberPosition, in.rootIncidence, in.alpha);
    }
}

// clang-format off
wxBEGIN_EVENT_TABLE(Panel3dTopViewCanvas, wxWindow)
    EVT_PAINT(Panel3dTopViewCanvas::OnPaint)
    EVT_MOUSE_EVENTS(Panel3dTopViewCanvas::OnMouse)
wxEND_EVENT_TABLE()

wxBEGIN_EVENT_TABLE(Panel3dFrontViewCanvas, wxWindow)
    EVT_PAINT(Panel3dFrontViewCanvas::OnPaint)
    EVT_MOUSE_EVENTS(Panel3dFrontViewCanvas::OnMouse)
wxEND_EVENT_TABLE()

wxBEGIN_EVENT_TABLE(Panel3dProfileCanvas, wxWindow)
    EVT_PAINT(Panel3dProfileCanvas::OnPaint)
wxEND_EVENT_TABLE()
