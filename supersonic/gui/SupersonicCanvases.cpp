#include "supersonic/gui/SupersonicCanvases.h"

#include <wx/dcclient.h>

#include <algorithm>

#include "common/core/NumberText.h"
#include "common/gui/MouseEventTable.h"
#include "common/gui/NumericField.h"
#include "common/gui/WxPlotPainter.h"
#include "supersonic/core/SupersonicSettings.h"

namespace {

wxString PositionText(const char* prefix, double x, double z) {
    return wxString::FromUTF8(std::string(prefix) + luvo::FormatShown("%f", x) + ", " +
                              luvo::FormatShown("%f", z));
}

}  // namespace

wxBEGIN_EVENT_TABLE(SupersonicPlotCanvas, wxWindow)
    EVT_PAINT(SupersonicPlotCanvas::OnPaint)
wxEND_EVENT_TABLE()

wxBEGIN_EVENT_TABLE(SupersonicCamberCanvas, SupersonicPlotCanvas)
    LUVO_EVT_MOUSE_BUTTONS_AND_MOTION(SupersonicCamberCanvas::OnMouse)
wxEND_EVENT_TABLE()
wxBEGIN_EVENT_TABLE(SupersonicThicknessCanvas, SupersonicPlotCanvas)
    LUVO_EVT_MOUSE_BUTTONS_AND_MOTION(SupersonicThicknessCanvas::OnMouse)
wxEND_EVENT_TABLE()
wxBEGIN_EVENT_TABLE(SupersonicContourCanvas, SupersonicPlotCanvas)
    LUVO_EVT_MOUSE_BUTTONS_AND_MOTION(SupersonicContourCanvas::OnMouse)
wxEND_EVENT_TABLE()

SupersonicPlotCanvas::SupersonicPlotCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size,
                                           const SupersonicPlotParameters& parameters)
    : wxWindow(parent, wxID_ANY, pos, size, wxSUNKEN_BORDER), plotParameters(parameters) {
    SetBackgroundColour(*wxWHITE);
}

void SupersonicPlotCanvas::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    SupersonicControlHost* window = ControlHostOf(this);
    if (window == nullptr) return;
    luvo::WxPlotPainter painter(dc);
    Paint(painter, *window);
}

void SupersonicPlotCanvas::Redraw() {
    SupersonicControlHost* window = ControlHostOf(this);
    if (window == nullptr) return;
    if (!IsShownOnScreen()) {
        Refresh();
        return;
    }
    wxClientDC dc(this);
    dc.SetDeviceOrigin(0, 0);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    luvo::WxPlotPainter painter(dc);
    Paint(painter, *window);
}

void SupersonicPlotCanvas::HandleMouse(wxMouseEvent& event, const DragRules& rules, bool contour) {
    SupersonicControlHost* window = ControlHostOf(this);
    if (window == nullptr) {
        event.Skip();
        return;
    }
    const SupersonicPlotParameters& p = plotParameters;
    // Logical coordinates about the plot origin, whole pixels as the device takes them.
    const double lx = event.GetX() - static_cast<int>(p.x0);
    const double ly = event.GetY() - static_cast<int>(p.y0);
    const double x = contour ? lx / (p.nx * p.xs) : lx / (p.xs / p.xv);
    const double z = -ly / (p.zs / p.zv);
    SupersonicProfile& profile = window->Profile();
    // The canvas's part; on the contour canvas the upper contour, searched before the lower one.
    SupersonicCurve& part = contour || !rules.thickness ? profile.part1 : profile.part2;
    SupersonicCurve& lowerContour = profile.part2;
    auto handleOf = [](int hit, int first) {
        return hit >= 0 && hit < kLowerSideHandle ? luvo::DragHandle(first + hit) : 0;
    };

    if (event.ButtonDown()) {
        if (x < 0 || x > 1 || z < rules.zLow || z > rules.zHigh) return;
        luvo::DragHandles picked =
            handleOf(PickSupportPoint(part, x, z, rules.toleranceX, rules.toleranceZ), 0);
        if (picked == 0 && contour) {
            picked =
                handleOf(PickSupportPoint(lowerContour, x, z, rules.toleranceX, rules.toleranceZ),
                         kLowerSideHandle);
        }
        // A press that picks nothing leaves the drag as it is. A pending text is checked before
        // the drag; a refused one stops it.
        if (picked != 0) dragSteps.Press(luvo::SettlePendingText(this) ? picked : 0);
        return;
    }

    const bool buttonHeld = event.LeftIsDown() || event.MiddleIsDown() || event.RightIsDown();
    const bool dragMotion = event.GetEventType() == wxEVT_MOTION && buttonHeld;
    const bool released = event.ButtonUp();
    const bool step = dragSteps.IsStep(dragMotion, released, event.GetX(), event.GetY());
    // Moves the picked point to (x, z), clamped, and recalculates.
    auto moveHeld = [&] {
        double px = x;
        double pz = z;
        if (px < 0) px = rules.thickness ? 0.001 : 0.0;
        if (px > 1) px = 1.0;
        if (rules.thickness && pz < 0) pz = 0.0;
        // Beyond this height a configuration file could not hold the point.
        pz = std::clamp(pz, -kSupersonicSupportZLimit, kSupersonicSupportZLimit);
        for (int k = 0; k < 2 * kLowerSideHandle; ++k) {
            if (!dragSteps.Holds(k)) continue;
            SupersonicCurve& moved = k < kLowerSideHandle ? part : lowerContour;
            const int slot = k % kLowerSideHandle;
            if (slot < moved.capacity) moved.supportPoints[slot] = {px, pz};
        }
        window->Recalculate(rules.which);
    };
    if (dragMotion) {
        if (dragSteps.Held() == 0) {
            window->SetStatus(wxS("No point found to drag!"));
            return;
        }
        window->SetStatus(PositionText("Drag-Position: ", x, z));
        moveHeld();
        return;
    }
    if (released) {
        // Motions merged while a recalculation ran would leave the point short of where the
        // pointer stopped; the release away from the last motion moves it there.
        if (step && dragSteps.Held() != 0) moveHeld();
        window->SetStatus(PositionText("Position: ", x, z));
        return;
    }
    if (event.GetEventType() == wxEVT_MOTION) {
        window->SetStatus(PositionText("Position: ", x, z));
        return;
    }
    event.Skip();
}

// ---- parts window ----

SupersonicCamberCanvas::SupersonicCamberCanvas(wxWindow* parent, const wxPoint& pos,
                                               const wxSize& size)
    : SupersonicPlotCanvas(parent, pos, size, kSupersonicCamberPlot) {}

void SupersonicCamberCanvas::Paint(luvo::PlotPainter& painter, SupersonicControlHost& window) {
    PaintCamberCanvas(painter, window.Profile(), window.ArrowAlpha());
}

void SupersonicCamberCanvas::OnMouse(wxMouseEvent& event) {
    HandleMouse(event, {-0.04, 0.07, 0.25 * 0.1, 0.25 * 0.01, false, SupersonicRedraw::Both},
                false);
}

SupersonicThicknessCanvas::SupersonicThicknessCanvas(wxWindow* parent, const wxPoint& pos,
                                                     const wxSize& size)
    : SupersonicPlotCanvas(parent, pos, size, kSupersonicThicknessPlot) {}

void SupersonicThicknessCanvas::Paint(luvo::PlotPainter& painter, SupersonicControlHost& window) {
    PaintThicknessCanvas(painter, window.Profile());
}

void SupersonicThicknessCanvas::OnMouse(wxMouseEvent& event) {
    HandleMouse(event, {-0.04, 0.1, 0.25 * 0.1, 0.25 * 0.02, true, SupersonicRedraw::Thickness},
                false);
}

SupersonicResultCanvas::SupersonicResultCanvas(wxWindow* parent, const wxPoint& pos,
                                               const wxSize& size)
    : SupersonicPlotCanvas(parent, pos, size, kSupersonicResultPlot) {}

void SupersonicResultCanvas::Paint(luvo::PlotPainter& painter, SupersonicControlHost& window) {
    const bool showParts = window.ShowsParts();
    PaintResultCanvas(painter, window.Profile(), showParts, window.PressureOptions());
}

// ---- contour window ----

SupersonicContourCanvas::SupersonicContourCanvas(wxWindow* parent, const wxPoint& pos,
                                                 const wxSize& size)
    : SupersonicPlotCanvas(parent, pos, size, kSupersonicContourPlot) {}

void SupersonicContourCanvas::Paint(luvo::PlotPainter& painter, SupersonicControlHost& window) {
    PaintContourCanvas(painter, window.Profile(), window.ArrowAlpha());
}

void SupersonicContourCanvas::OnMouse(wxMouseEvent& event) {
    const SupersonicPlotParameters& p = plotParameters;
    HandleMouse(event,
                {-(p.nd + 1) * p.zv, (p.nu + 1) * p.zv, 0.25 * p.xv, 0.25 * p.zv, false,
                 SupersonicRedraw::Both},
                true);
}

SupersonicPressureCanvas::SupersonicPressureCanvas(wxWindow* parent, const wxPoint& pos,
                                                   const wxSize& size)
    : SupersonicPlotCanvas(parent, pos, size, kSupersonicPressurePlot) {}

void SupersonicPressureCanvas::Paint(luvo::PlotPainter& painter, SupersonicControlHost& window) {
    PaintPressureCanvas(painter, window.Profile(), window.PressureOptions());
}
