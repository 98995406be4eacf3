#pragma once
// A plot area of a task window that redraws all of its plots at every recomputation. A
// recomputation may run inside the paint handler of one of them: that canvas must then be drawn
// through its paint context, the others through client contexts.

#include <wx/dc.h>
#include <wx/window.h>

#include <functional>

namespace luvo {

class PlotCanvas : public wxWindow {
  public:
    // Sunken border and a white background.
    PlotCanvas(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size);

    // Runs `draw` on the canvas's context; nothing is drawn while the canvas is not on screen.
    void DrawWith(const std::function<void(wxDC&)>& draw);

  protected:
    // For the paint handler: runs `recompute` with the paint context open.
    void Paint(const std::function<void()>& recompute);

  private:
    wxDC* paintDc_ = nullptr;
};

}  // namespace luvo
