// Response of the supersonic design windows: one drag step (the point moved, the profile
// recomputed by both theories, every label set, every canvas drawn into a bitmap) must stay well
// under one frame of 16 ms. Needs an X display: run under xvfb-run.

#include <benchmark/benchmark.h>
#include <wx/app.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>

#include <vector>

#include "bench/support/WindowBenchMain.h"
#include "common/gui/WxPlotPainter.h"
#include "supersonic/gui/SupersonicCanvases.h"
#include "supersonic/gui/SupersonicContourFrame.h"
#include "supersonic/gui/SupersonicMethodFrame.h"
#include "supersonic/gui/SupersonicModule.h"
#include "supersonic/gui/SupersonicPartsFrame.h"

namespace {

// One drag step on a support point, then every canvas of the window into its bitmap.
void DragStep(benchmark::State& state, SupersonicDesignFrame* frame, SupersonicPoint& point,
              const std::vector<SupersonicPlotCanvas*>& canvases) {
    frame->Hide();
    std::vector<wxBitmap> bitmaps(canvases.size(), wxBitmap(480, 200, 24));
    const SupersonicPoint start = point;
    int step = 0;
    for (auto _ : state) {
        point = {start.x + 0.001 * (step % 10), start.z + 0.0005 * (step % 7)};
        ++step;
        frame->ReadInputs();
        frame->Profile().Compute();
        frame->ShowResults();
        for (size_t i = 0; i < canvases.size(); ++i) {
            wxMemoryDC dc(bitmaps[i]);
            dc.SetBackground(*wxWHITE_BRUSH);
            dc.Clear();
            luvo::WxPlotPainter painter(dc);
            canvases[i]->Paint(painter, *frame);
        }
    }
    CloseSupersonicDesignFrame();
    wxTheApp->ProcessIdle();
}

void BM_SupersonicCamberDragStep(benchmark::State& state) {
    SupersonicPartsFrame* f = OpenSupersonicPartsFrame(wxEmptyString);
    f->symmetricCountField->ChangeValue(wxS("3"));
    f->antimetricCountField->ChangeValue(wxS("3"));
    DragStep(state, f, f->Profile().part1.supportPoints[0],
             {f->camberCanvas, f->thicknessCanvas, f->resultCanvas});
}

void BM_SupersonicContourDragStep(benchmark::State& state) {
    SupersonicContourFrame* f = OpenSupersonicContourFrame(wxEmptyString);
    DragStep(state, f, f->Profile().part1.supportPoints[0], {f->contourCanvas, f->pressureCanvas});
}

}  // namespace

void luvo::bench::RegisterWindowBenchmarks() {
    luvo::bench::RegisterInMilliseconds("BM_SupersonicCamberDragStep", BM_SupersonicCamberDragStep);
    luvo::bench::RegisterInMilliseconds("BM_SupersonicContourDragStep",
                                        BM_SupersonicContourDragStep);
}
