// Response of the interactive wing windows of the panel method, each of which must stay under one
// frame of 16 ms. Needs an X display: run under xvfb-run.
// - The geometry window shown on the screen: a repaint of its four preview canvases, and one
//   motion of a drag at the root of the top view (the field written, all four views painted).
// - "Diskretisierung": one press of "A&nzeigen" at the windows' defaults (the checks, a new model
//   of 30 x 15 panels per side and half span, its wing grid, the flap view refreshed).

#include <benchmark/benchmark.h>
#include <wx/app.h>

#include "bench/support/WindowBenchMain.h"
#include "common/gui/SingleWindow.h"
#include "panel3d/core/Panel3dFlowState.h"
#include "panel3d/core/Panel3dModule.h"
#include "panel3d/core/Panel3dPolarEvaluator.h"
#include "panel3d/gui/Panel3dDiscretisationFrame.h"
#include "panel3d/gui/Panel3dGeometryFrame.h"
#include "panel3d/gui/Panel3dInputModule.h"

namespace {

// The geometry window at its defaults, shown and painted once.
Panel3dGeometryFrame* OpenGeometry() {
    Panel3dPolarEvaluator::Create();
    panel3d::Panel3dCurrentFlowState.alphaStar = 2.5;
    Panel3dGeometryFrame* g = luvo::OpenSingleWindow(
        panel3d::Panel3dGeometryWindow, wxS("Interaktives Erstellen einer Flügelkonfiguration"),
        wxSize(760, 730));
    for (int i = 0; i < 20; ++i) wxTheApp->Yield(true);
    return g;
}

void CloseGeometry() {
    panel3d::Panel3dGeometryWindow->Close(true);
    wxTheApp->ProcessIdle();
    panel3d::Panel3dPanelModel.reset();
    Panel3dPolarEvaluator::Release();
}

void BM_Panel3dPreviewRepaint(benchmark::State& state) {
    Panel3dGeometryFrame* g = OpenGeometry();
    for (auto _ : state) g->DrawPreview();
    CloseGeometry();
}

void BM_Panel3dPlanformDragStep(benchmark::State& state) {
    Panel3dGeometryFrame* g = OpenGeometry();
    wxWindow* top = g->planformCanvas;
    // The root handle in the top view's pixels: its origin is the root trailing edge (160, 160).
    auto send = [top](wxEventType type, int y) {
        wxMouseEvent e(type);
        e.SetPosition(wxPoint(160, 160 + y));
        e.SetLeftDown(type != wxEVT_LEFT_UP);
        e.SetEventObject(top);
        top->GetEventHandler()->ProcessEvent(e);
    };
    send(wxEVT_LEFT_DOWN, -40);
    int y = -40;
    for (auto _ : state) {
        y = y == -60 ? -40 : y - 1;
        send(wxEVT_MOTION, y);
    }
    send(wxEVT_LEFT_UP, y);
    CloseGeometry();
}

void BM_Panel3dShowFlapsAtDefaults(benchmark::State& state) {
    OpenGeometry();
    luvo::OpenSingleWindow(panel3d::Panel3dDiscretisationWindow, wxS("Diskretisierung"),
                           wxSize(420, 590));
    Panel3dDiscretisationFrame* d = panel3d::Panel3dDiscretisationWindow;
    for (auto _ : state) {
        if (!d->ShowFlaps()) state.SkipWithError("A&nzeigen refused the defaults");
        benchmark::DoNotOptimize(panel3d::Panel3dPanelModel.get());
    }
    CloseGeometry();
}

}  // namespace

void luvo::bench::RegisterWindowBenchmarks() {
    luvo::bench::RegisterInMilliseconds("BM_Panel3dPreviewRepaint", BM_Panel3dPreviewRepaint);
    luvo::bench::RegisterInMilliseconds("BM_Panel3dPlanformDragStep", BM_Panel3dPlanformDragStep);
    luvo::bench::RegisterInMilliseconds("BM_Panel3dShowFlapsAtDefaults",
                                        BM_Panel3dShowFlapsAtDefaults);
}
