// Response of the thin-airfoil windows: one drag motion (3 x 3 solve, twelve labels, both
// plots redrawn) must stay well under one frame of 16 ms. Measured in parts (the solve, the
// drawing of both plots into a bitmap) and as a whole (a motion event sent to a shown window).
// The window benchmarks need an X display: run under xvfb-run. Without one only the solves
// are measured.

#include <benchmark/benchmark.h>
#include <wx/app.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/stopwatch.h>
#include <wx/utils.h>

#include "bench/support/WindowBenchMain.h"
#include "camber/core/CamberTheory.h"
#include "camber/core/CamberThreePoints.h"
#include "camber/gui/CamberFields.h"
#include "camber/gui/CamberLineFrame.h"
#include "camber/gui/CamberMethodFrame.h"
#include "camber/gui/CamberNacaFrame.h"
#include "camber/gui/CamberPressureFrame.h"

namespace {

void BM_CamberLineSolve(benchmark::State& state) {
    const double alpha = 5.0 * kCamberRadPerDeg;
    for (auto _ : state) {
        const CamberLineSolution s = CamberSolveLinePoints(kDefaultCamberPoints);
        benchmark::DoNotOptimize(CamberComputeResults({s.c0 + alpha, s.A1, s.A2, alpha, 5.0}));
    }
}
BENCHMARK(BM_CamberLineSolve);

void BM_CamberPressureSolve(benchmark::State& state) {
    const double alpha = 5.0 * kCamberRadPerDeg;
    for (auto _ : state) {
        const CamberPressureSolution s = CamberSolvePressurePoints(kDefaultPressurePoints);
        benchmark::DoNotOptimize(CamberComputeResults({s.A0, s.A1, s.A2, alpha, 5.0}));
    }
}
BENCHMARK(BM_CamberPressureSolve);

void Pump(long ms) {
    wxStopWatch watch;
    while (watch.Time() < ms) {
        wxYield();
        wxMilliSleep(5);
    }
}

// The state a drag redraws with, and the canvas the points are dragged on, of each task.
CamberState DragState(const CamberLineFrame& frame) { return frame.CurrentState(); }
CamberState DragState(const CamberPressureFrame& frame) { return frame.DraggedState(); }
wxWindow* EditCanvas(const CamberLineFrame& frame) { return frame.CamberCanvas(); }
wxWindow* EditCanvas(const CamberPressureFrame& frame) { return frame.PressureCanvas(); }

// A plot drawn into a cleared bitmap of the canvas's size.
template <typename Draw>
void DrawInto(wxBitmap& bitmap, Draw draw) {
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    draw(dc);
}

// Both plots of a task window drawn into 330 x 260 bitmaps, as a drag redraws them.
template <typename Frame>
void DrawBothPlots(benchmark::State& state, int task) {
    auto* frame = dynamic_cast<Frame*>(OpenCamberTask(task));
    frame->Hide();
    wxBitmap camber(330, 260, 24);
    wxBitmap pressure(330, 260, 24);
    for (auto _ : state) {
        DrawInto(camber, [&](wxDC& dc) { frame->DrawCamberPlot(dc, DragState(*frame)); });
        DrawInto(pressure, [&](wxDC& dc) { frame->DrawPressurePlot(dc, DragState(*frame)); });
    }
    frame->Destroy();
    wxTheApp->ProcessIdle();
}

void BM_CamberLineDrawBitmaps(benchmark::State& state) { DrawBothPlots<CamberLineFrame>(state, 1); }

void BM_CamberPressureDrawBitmaps(benchmark::State& state) {
    DrawBothPlots<CamberPressureFrame>(state, 2);
}

// After a press on point 2, a motion with the left button held, up and down by a pixel, sent to
// the shown window: the point moves, the system is solved, the labels are set and both plots
// redrawn.
void SendDragEvent(wxWindow* canvas, wxEventType type, wxPoint at) {
    wxMouseEvent event(type);
    event.SetPosition(at);
    event.m_leftDown = true;
    event.SetEventObject(canvas);
    canvas->ProcessWindowEvent(event);
}

template <typename Frame>
void DragMotion(benchmark::State& state, int task, wxPoint point) {
    auto* frame = dynamic_cast<Frame*>(OpenCamberTask(task));
    Pump(300);
    wxWindow* canvas = EditCanvas(*frame);
    SendDragEvent(canvas, wxEVT_LEFT_DOWN, point);
    int step = 0;
    for (auto _ : state) {
        SendDragEvent(canvas, wxEVT_MOTION, point + wxPoint(0, (step++ % 2) ? 1 : 0));
    }
    frame->Destroy();
    wxTheApp->ProcessIdle();
}

void BM_CamberLineDragMotion(benchmark::State& state) {
    DragMotion<CamberLineFrame>(state, 1, wxPoint(140, 144));
}

void BM_CamberPressureDragMotion(benchmark::State& state) {
    DragMotion<CamberPressureFrame>(state, 2, wxPoint(160, 146));
}

// The NACA task's recalculation after an accepted angle, with its 100-term exact series.
void BM_CamberNacaAngleEdit(benchmark::State& state) {
    auto* frame = dynamic_cast<CamberNacaFrame*>(OpenCamberTask(0));
    Pump(300);
    int step = 0;
    for (auto _ : state) {
        frame->AngleField()->SetValue((step++ % 2) ? wxS("5.0") : wxS("6.0"));
    }
    frame->Destroy();
    wxTheApp->ProcessIdle();
}

}  // namespace

void luvo::bench::RegisterWindowBenchmarks() {
    luvo::bench::RegisterInMilliseconds("BM_CamberLineDrawBitmaps", BM_CamberLineDrawBitmaps);
    luvo::bench::RegisterInMilliseconds("BM_CamberPressureDrawBitmaps",
                                        BM_CamberPressureDrawBitmaps);
    luvo::bench::RegisterInMilliseconds("BM_CamberLineDragMotion", BM_CamberLineDragMotion);
    luvo::bench::RegisterInMilliseconds("BM_CamberPressureDragMotion", BM_CamberPressureDragMotion);
    luvo::bench::RegisterInMilliseconds("BM_CamberNacaAngleEdit", BM_CamberNacaAngleEdit);
}
