// Drawing the plots of a panel results window: every plot of one window into bitmaps, for the
// default interactive wing with N 30 and M 15 and a four-point polar. A repaint must stay far
// below one frame of 16 ms. Needs an X display: run under xvfb-run.

#include <benchmark/benchmark.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>

#include <functional>
#include <memory>
#include <vector>

#include "bench/support/WindowBenchMain.h"
#include "common/gui/WxPlotPainter.h"
#include "panel3d/core/Panel3dPolarEvaluator.h"
#include "panel3d/core/Panel3dResultSeries.h"
#include "tests/panel3d/core/Panel3dSolverFixtures.h"

namespace {

// The default wing solved once at 4 degrees (flat wake, half model) and evaluated as four
// points of a polar in `mode`, each with its own lift and moment.
Panel3dRun FourPointRun(int mode) {
    Panel3dRun run;
    run.model = panel3d_test::PreparedWing(30, 15, 25, 1, 4.0);
    if (!run.model || !panel3d_test::SolveRun(*run.model, 0)) return run;
    run.evaluator = std::make_shared<Panel3dPolarEvaluator>();
    run.evaluator->SetFlowState(30, 1.5e-5, mode, -4, 2, 4, 90, 30, 4, 300, 0.8);
    const double lift = run.model->totalLift;
    for (int p = 1; p <= 4; ++p) {
        run.model->totalLift = lift * (0.5 + 0.25 * p);
        run.model->momentY -= 0.01;
        if (mode == 2) run.evaluator->SetSpeedPoint(p - 1, 15.0 + 15 * p, lift, 4.0);
        run.evaluator->SetOperatingPoint(-4 + 2 * (p - 1), p);
        run.evaluator->EvaluateProfileDrag(*run.model);
    }
    run.model->totalLift = lift;
    run.record = run.evaluator->Record();
    return run;
}

using Plot = std::function<void(luvo::PlotPainter&, const Panel3dRun&)>;

void DrawWindow(benchmark::State& state, const Panel3dRun& run, const std::vector<Plot>& plots) {
    if (!run.record) {
        state.SkipWithError("the wing did not solve");
        return;
    }
    std::vector<wxBitmap> bitmaps(plots.size(), wxBitmap(330, 200, 24));
    for (auto _ : state) {
        for (size_t i = 0; i < plots.size(); ++i) {
            wxMemoryDC dc(bitmaps[i]);
            dc.SetBackground(*wxWHITE_BRUSH);
            dc.Clear();
            luvo::WxPlotPainter painter(dc);
            plots[i](painter, run);
        }
    }
}

void BM_Panel3dSingleStatePlots(benchmark::State& state) {
    static const Panel3dRun run = FourPointRun(0);
    DrawWindow(state, run,
               {[](luvo::PlotPainter& p, const Panel3dRun& r) {
                    DrawPanel3dSpanLoad(p, Panel3dSpanSeriesOf(r));
                },
                [](luvo::PlotPainter& p, const Panel3dRun& r) {
                    DrawPanel3dPressure(p, *r.model, true);
                }});
}

void BM_Panel3dLiftPolarPlots(benchmark::State& state) {
    static const Panel3dRun run = FourPointRun(1);
    DrawWindow(state, run,
               {[](luvo::PlotPainter& p, const Panel3dRun& r) {
                    DrawPanel3dDragPolar(p, Panel3dPolarSeriesOf(r), false);
                },
                [](luvo::PlotPainter& p, const Panel3dRun& r) {
                    DrawPanel3dLiftAlpha(p, Panel3dPolarSeriesOf(r));
                }});
}

void BM_Panel3dSpeedPolarPlots(benchmark::State& state) {
    static const Panel3dRun run = FourPointRun(2);
    DrawWindow(state, run,
               {[](luvo::PlotPainter& p, const Panel3dRun& r) {
                    DrawPanel3dSpeedPolar(p, Panel3dPolarSeriesOf(r), false);
                },
                [](luvo::PlotPainter& p, const Panel3dRun& r) {
                    DrawPanel3dPowerPolar(p, Panel3dPolarSeriesOf(r), false, false);
                }});
}

}  // namespace

void luvo::bench::RegisterWindowBenchmarks() {
    luvo::bench::RegisterInMilliseconds("BM_Panel3dSingleStatePlots", BM_Panel3dSingleStatePlots);
    luvo::bench::RegisterInMilliseconds("BM_Panel3dLiftPolarPlots", BM_Panel3dLiftPolarPlots);
    luvo::bench::RegisterInMilliseconds("BM_Panel3dSpeedPolarPlots", BM_Panel3dSpeedPolarPlots);
}
