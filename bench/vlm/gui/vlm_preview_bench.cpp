// Response of the geometry preview of the vortex-lattice method: one drag step draws all four
// views anew, which should stay well under one frame (16 ms). Needs a display: run it under
// xvfb-run.

#include <benchmark/benchmark.h>
#include <wx/app.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>

#include "bench/support/WindowBenchMain.h"
#include "common/core/NumberText.h"
#include "common/gui/WxPlotPainter.h"
#include "vlm/core/VlmPreview.h"

namespace {

// A cleared bitmap context with a view drawn into it.
template <class Paint>
void DrawInto(wxBitmap& bitmap, Paint paint) {
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    luvo::WxPlotPainter painter(dc);
    paint(painter);
}

// One motion of the root handle: the drag rule, then the four views from the new inputs.
void BM_VlmPreviewDragStep(benchmark::State& state) {
    wxBitmap planform(330, 269, 24), front(330, 150, 24), root(160, 115, 24), tip(160, 115, 24);
    VlmWingInputs in;
    int y = -40;
    for (auto _ : state) {
        y = y == -60 ? -40 : y - 1;
        for (const VlmDragWrite& w :
             luvo::PlanformDragWrites(in, luvo::DragHandle(luvo::kWingRootHandle), 0, y)) {
            if (w.field == VlmDragField::RootChord) in.rootChord = luvo::ParseLeadingNumber(w.text);
        }
        DrawInto(planform, [&](luvo::PlotPainter& p) { luvo::PaintPlanformView(p, in); });
        DrawInto(front, [&](luvo::PlotPainter& p) { luvo::PaintFrontView(p, in, false, 0); });
        DrawInto(root, [&](luvo::PlotPainter& p) {
            luvo::PaintProfileView(p, "Profil Flügelwurzel", 0, in.rootCamber,
                                   in.rootCamberPosition, in.rootIncidence, in.alpha);
        });
        DrawInto(tip, [&](luvo::PlotPainter& p) {
            luvo::PaintProfileView(p, "Profil Randbogen", 0, in.tipCamber, in.tipCamberPosition,
                                   in.tipIncidence, in.alpha);
        });
    }
}

}  // namespace

void luvo::bench::RegisterWindowBenchmarks() {
    luvo::bench::RegisterInMilliseconds("BM_VlmPreviewDragStep", BM_VlmPreviewDragStep);
}
