// Response of the extended lifting-line analysis window, measured on what it runs at every drag
// step and every repaint of a plot. Needs a display: run it under xvfb-run.
// - A drag step: the chord at B written as the drag writes it, the fields' checks, a new record
//   (the Multhopp solve with the sweep and sideslip matrix), the three plots drawn into bitmaps of
//   the canvases' size and the circulation file written. It should stay well under one frame,
//   16 ms.
// - A repaint without a change of state: the three plots of the record shown and the file
//   rewritten, no solve.

#include <benchmark/benchmark.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "bench/support/WindowBenchMain.h"
#include "common/core/NumberText.h"
#include "etl/core/EtlAnalysisChecks.h"
#include "etl/core/EtlRuns.h"
#include "etl/gui/EtlAnalysisPlots.h"
#include "tests/etl/core/EtlTestWings.h"

namespace {

// The fields' texts as the checks read them.
luvo::CheckTexts TextsOf(const EtlAnalysisInputs& in) {
    luvo::CheckTexts t(kEtlInputCount);
    auto set = [&](EtlInput input, double v) { t[EtlIndex(input)] = luvo::FormatNumber("%g", v); };
    set(EtlInput::Span, in.span);
    set(EtlInput::Sideslip, in.sideslip);
    set(EtlInput::LiftSlope, in.liftSlopeFactor);
    set(EtlInput::SweepAB, in.sweep1);
    set(EtlInput::SweepBC, in.sweep2);
    set(EtlInput::SweepCD, in.sweep3);
    set(EtlInput::LengthAB, in.lengthAB);
    set(EtlInput::LengthBC, in.lengthBC);
    set(EtlInput::LengthCD, in.lengthCD);
    set(EtlInput::ChordA, in.chordA);
    set(EtlInput::ChordB, in.chordB);
    set(EtlInput::ChordC, in.chordC);
    set(EtlInput::ChordD, in.chordD);
    set(EtlInput::AngleA, in.angleA);
    set(EtlInput::AngleB, in.angleB);
    set(EtlInput::AngleC, in.angleC);
    set(EtlInput::AngleD, in.angleD);
    return t;
}

class AnalysisWindowModel {
  public:
    AnalysisWindowModel()
        : chord_(280, 155, 24),
          twist_(280, 155, 24),
          circulation_(280, 170, 24),
          file_((std::filesystem::temp_directory_path() / "luvo-bench-GammaUndCa.dat").string()) {}
    ~AnalysisWindowModel() { std::remove(file_.c_str()); }

    // What an accepted field write runs.
    bool Change(const EtlAnalysisInputs& in) {
        const luvo::PassOutcome pass = luvo::EvaluatePass(EtlAnalysisCheckTable(), TextsOf(in));
        if (pass.kind != luvo::PassOutcome::Kind::Accepted) return false;
        record_ = EtlSolveAnalysis(in);
        inputs_ = in;
        Paint();
        return true;
    }

    // What a repaint runs when nothing has changed.
    void Paint() {
        {
            wxMemoryDC dc(chord_);
            EtlPaintAnalysisChord(dc, *record_, inputs_);
        }
        {
            wxMemoryDC dc(twist_);
            EtlPaintAnalysisTwist(dc, *record_, inputs_);
        }
        {
            wxMemoryDC dc(circulation_);
            EtlPaintAnalysisCirculation(dc, *record_);
        }
        record_->WriteCirculationDistributionFile(file_);
    }

  private:
    wxBitmap chord_, twist_, circulation_;
    std::string file_;
    std::shared_ptr<EtlSolver> record_;
    EtlAnalysisInputs inputs_;
};

void BM_EtlAnalysisDragStep(benchmark::State& state) {
    AnalysisWindowModel window;
    EtlAnalysisInputs in = etl_test::AnalysisWindowInputs();
    // The handle of B dragged between two heights of its column: (b/2)(y - o)/150 in "%2.2f".
    const double o = 200.0 * 0.5 * std::tan(15.0 * EtlPi / 180.0);
    int step = 0;
    for (auto _ : state) {
        const int y = (step++ % 2 == 0) ? 50 : 70;
        in.chordB = luvo::ParseLeadingNumber(luvo::FormatNumber("%2.2f", 5.0 * (y - o) / 150.0));
        if (!window.Change(in)) state.SkipWithError("the drag's chord should pass the checks");
    }
}

void BM_EtlAnalysisRepaintWithoutChange(benchmark::State& state) {
    AnalysisWindowModel window;
    window.Change(etl_test::AnalysisWindowInputs());
    for (auto _ : state) window.Paint();
}

}  // namespace

void luvo::bench::RegisterWindowBenchmarks() {
    luvo::bench::RegisterInMilliseconds("BM_EtlAnalysisDragStep", BM_EtlAnalysisDragStep);
    luvo::bench::RegisterInMilliseconds("BM_EtlAnalysisRepaintWithoutChange",
                                        BM_EtlAnalysisRepaintWithoutChange);
}
