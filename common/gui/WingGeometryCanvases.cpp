#include <wx/dcclient.h>

#include <string>

#include "common/gui/WingGeometryWindow.h"
#include "common/gui/WxPlotPainter.h"

namespace luvo {

namespace {

// The geometry window that a canvas sits in.
WingGeometryWindow* WindowOf(wxWindow* w) {
    return dynamic_cast<WingGeometryWindow*>(wxGetTopLevelParent(w));
}

// A paint context on the canvas, cleared white.
void Clear(wxDC& dc) {
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
}

}  // namespace

WingPlanformCanvas::WingPlanformCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size)
    : wxWindow(parent, wxID_ANY, pos, size, wxSUNKEN_BORDER) {
    SetBackgroundColour(*wxWHITE);
}

void WingPlanformCanvas::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    WingGeometryWindow* frame = WindowOf(this);
    if (frame == nullptr) return;
    Clear(dc);
    WxPlotPainter painter(dc);
    PaintPlanformView(painter, frame->PreviewInputs());
}

void WingPlanformCanvas::OnMouse(wxMouseEvent& event) {
    event.Skip();
    // Logical pixels: the origin of the top view is the root trailing edge at (160, 160).
    const int x = event.GetX() - 160;
    const int y = event.GetY() - 160;
    lastMouseY = y;
    WingGeometryWindow* frame = WindowOf(this);
    if (frame == nullptr) return;
    // Each write redraws the views at once through the field's change.
    const WingPointerEvent pointer{event.ButtonDown(), event.Dragging(), event.LeftUp(), x, y};
    for (const WingDragWrite& write : drag.Handle(frame->PreviewInputs(), pointer)) {
        frame->FieldOf(write.field)->SetValue(wxString::FromUTF8(write.text));
    }
}

WingFrontViewCanvas::WingFrontViewCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size)
    : wxWindow(parent, wxID_ANY, pos, size, wxSUNKEN_BORDER) {
    SetBackgroundColour(*wxWHITE);
}

void WingFrontViewCanvas::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    WingGeometryWindow* frame = WindowOf(this);
    if (frame == nullptr) return;
    Clear(dc);
    WxPlotPainter painter(dc);
    PaintFrontView(painter, frame->PreviewInputs(), draggingDihedral, static_cast<int>(lastMouseY));
}

void WingFrontViewCanvas::OnMouse(wxMouseEvent& event) {
    event.Skip();
    // Logical pixels: the origin of the front view is the wing root at (160, 110).
    const int x = event.GetX() - 160;
    const int y = event.GetY() - 110;
    lastMouseY = y;
    WingGeometryWindow* frame = WindowOf(this);
    if (frame == nullptr) return;
    const bool wasDragging = draggingDihedral;
    const std::string text =
        drag.Handle(frame->dihedralField->Number(),
                    {event.ButtonDown(), event.Dragging(), event.LeftUp(), x, y});
    draggingDihedral = drag.Dragging();
    if (!text.empty()) {
        frame->dihedralField->SetValue(wxString::FromUTF8(text));
    } else if (wasDragging) {
        frame->DrawPreview();  // the drag's square goes
    }
}

WingProfileCanvas::WingProfileCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size,
                                     bool tipSection)
    : wxWindow(parent, wxID_ANY, pos, size, wxSUNKEN_BORDER), tip(tipSection) {
    SetBackgroundColour(*wxWHITE);
}

void WingProfileCanvas::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    WingGeometryWindow* frame = WindowOf(this);
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

wxBEGIN_EVENT_TABLE(WingPlanformCanvas, wxWindow)
    EVT_PAINT(WingPlanformCanvas::OnPaint)
    EVT_MOUSE_EVENTS(WingPlanformCanvas::OnMouse)
wxEND_EVENT_TABLE()

wxBEGIN_EVENT_TABLE(WingFrontViewCanvas, wxWindow)
    EVT_PAINT(WingFrontViewCanvas::OnPaint)
    EVT_MOUSE_EVENTS(WingFrontViewCanvas::OnMouse)
wxEND_EVENT_TABLE()

wxBEGIN_EVENT_TABLE(WingProfileCanvas, wxWindow)
    EVT_PAINT(WingProfileCanvas::OnPaint)
wxEND_EVENT_TABLE()

}  // namespace luvo
