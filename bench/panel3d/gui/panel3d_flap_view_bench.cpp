// Response of the flap view: one drawing of its canvas (two cuts through the default wing with
// its flaps deflected, the plan view with flap outline and markers), as every chooser change
// and every "A&nzeigen" repaints it. Should stay well under a frame (16 ms). Needs a display:
// run it under xvfb-run.

#include <benchmark/benchmark.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>

#include <memory>

#include "bench/support/WindowBenchMain.h"
#include "common/gui/WxPlotPainter.h"
#include "panel3d/core/Panel3dFlapSections.h"
#include "tests/panel3d/core/Panel3dTestGeometry.h"
#include "tests/panel3d/core/Panel3dTestWings.h"

namespace {

void BM_Panel3dFlapViewDrawing(benchmark::State& state) {
    // The windows' defaults: 30 x 15 panels, flaps 50-80 % at 10 deg each.
    const std::shared_ptr<Panel3dModel> w = panel3d_test::DefaultWing(30, 15);
    w->leftFlapDeflection = w->rightFlapDeflection = -10.0;
    if (!w->GenerateWingGrid()) state.SkipWithError("the default wing should build");
    Panel3dGeometryInputs g = panel3d_test::DefaultGeometry();
    g.leftDeflection = g.rightDeflection = 10;
    Panel3dSectionView view;
    view.model = w.get();
    view.geometry = &g;
    view.firstChoice = 27;  // inside the left flap
    view.secondChoice = 5;  // inside the right flap
    wxBitmap canvas(760, 280, 24);
    for (auto _ : state) {
        wxMemoryDC dc(canvas);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        luvo::WxPlotPainter painter(dc);
        PaintFlapSections(painter, view);
    }
}

}  // namespace

void luvo::bench::RegisterWindowBenchmarks() {
    luvo::bench::RegisterInMilliseconds("BM_Panel3dFlapViewDrawing", BM_Panel3dFlapViewDrawing);
}
