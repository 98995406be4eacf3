#include "common/gui/PlotCanvas.h"

#include <wx/dcclient.h>

namespace luvo {

PlotCanvas::PlotCanvas(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size)
    : wxWindow(parent, id, pos, size, wxSUNKEN_BORDER, wxS("panel")) {
    SetBackgroundColour(*wxWHITE);
}

void PlotCanvas::DrawWith(const std::function<void(wxDC&)>& draw) {
    if (paintDc_ != nullptr) {
        draw(*paintDc_);
        return;
    }
    if (!IsShownOnScreen()) return;
    wxClientDC dc(this);
    draw(dc);
}

void PlotCanvas::Paint(const std::function<void()>& recompute) {
    wxPaintDC dc(this);
    paintDc_ = &dc;
    recompute();
    paintDc_ = nullptr;
}

}  // namespace luvo
