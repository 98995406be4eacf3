// Response of the lifting-line task windows, measured on what they run at every accepted input,
// every drag step and every repaint of a plot. Needs a display: run it under xvfb-run.
// - The analysis window: one full recomputation (the Multhopp solve, the three plots drawn into
//   bitmaps of the canvases' size, the result file written). It should stay well under one
//   frame.
// - The chord design window, whose recomputation runs the root-angle search in the lift mode:
//   one recomputation in the worst case, a search that fails in all nine passes (the fields'
//   checks, the record, the search, the three plots, the chord file written); it should stay
//   under one frame, 16 ms. And one step of a circulation drag in that case: the fit, then four
//   field writes, each checked and recomputed.

#include <benchmark/benchmark.h>
#include <wx/app.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>

#include <filesystem>
#include <limits>

#include "bench/support/WindowBenchMain.h"
#include "common/core/NumberText.h"
#include "llt/core/LltAnalysisRun.h"
#include "llt/gui/LltAnalysisPlots.h"
#include "llt/gui/LltDesignPlots.h"
#include "tests/llt/core/LltTestWings.h"

namespace {

void BM_LltAnalysisWindowRecompute(benchmark::State& state) {
    const LltAnalysisInputs in = llt_test::AnalysisWindowInputs();
    wxBitmap chord(280, 155, 24), twist(280, 155, 24), circulation(280, 165, 24);
    const std::string file =
        (std::filesystem::temp_directory_path() / "luvo-bench-GammaUndCa.dat").string();
    for (auto _ : state) {
        std::shared_ptr<LltSolver> s = LltSolveAnalysis(in);
        {
            wxMemoryDC dc(chord);
            LltPaintAnalysisChord(dc, *s, in);
        }
        {
            wxMemoryDC dc(twist);
            LltPaintAnalysisTwist(dc, *s, in);
        }
        {
            wxMemoryDC dc(circulation);
            LltPaintAnalysisCirculation(dc, *s);
        }
        s->WriteCirculationDistributionFile(file);
        benchmark::DoNotOptimize(s->kFactor);
    }
    std::remove(file.c_str());
}

// The chord design window's defaults with a lift coefficient for which no root angle fits.
LltChordDesignInputs WorstCase() {
    LltChordDesignInputs in = llt_test::ChordDesignWindowInputs();
    in.liftCoefficient = 0.001;
    return in;
}

// The fields' texts as the checks read them.
LltTexts TextsOf(const LltChordDesignInputs& in) {
    LltTexts t;
    auto set = [&](LltInput input, double v) { t[LltIndex(input)] = luvo::FormatNumber("%g", v); };
    set(LltInput::Span, in.span);
    set(LltInput::TotalLift, in.liftCoefficient);
    set(LltInput::LiftSlope, in.liftSlope);
    set(LltInput::AspectRatio, in.aspectRatio);
    set(LltInput::A1, in.a1);
    set(LltInput::A3, in.a3);
    set(LltInput::A5, in.a5);
    set(LltInput::SegmentAB, in.s1);
    set(LltInput::SegmentBC, in.s2);
    set(LltInput::SegmentCD, in.s3);
    set(LltInput::AngleA, in.rootAngle);
    set(LltInput::AngleB, in.angleB);
    set(LltInput::AngleC, in.angleC);
    set(LltInput::AngleD, in.angleD);
    return t;
}

class ChordDesignWindowModel {
  public:
    ChordDesignWindowModel()
        : circulation_(280, 135, 24),
          twist_(280, 160, 24),
          chord_(280, 180, 24),
          file_((std::filesystem::temp_directory_path() / "luvo-bench-tiefe.dat").string()) {}
    ~ChordDesignWindowModel() { std::remove(file_.c_str()); }

    // What a field write runs: the check pass and, when it accepts, the recomputation.
    bool CheckAndRecompute(const LltChordDesignInputs& in) {
        if (!LltInputsAccepted(LltTaskWindow::ChordDesign, TextsOf(in))) return false;
        const LltChordDesignResult r = LltRunChordDesign(in);
        {
            wxMemoryDC dc(circulation_);
            LltPaintDesignCirculation(dc, *r.record, in.circulationMode,
                                      std::numeric_limits<double>::quiet_NaN());
        }
        {
            wxMemoryDC dc(twist_);
            LltPaintChordDesignTwist(dc, *r.record, r.rootAngle, in);
        }
        {
            wxMemoryDC dc(chord_);
            LltPaintChordDesignChord(dc, *r.record, 0.0);
        }
        r.record->WriteChordFile(file_);
        return r.AreaMissed();
    }

  private:
    wxBitmap circulation_, twist_, chord_;
    std::string file_;
};

void BM_LltChordDesignRecomputeWorstCase(benchmark::State& state) {
    ChordDesignWindowModel window;
    const LltChordDesignInputs in = WorstCase();
    for (auto _ : state) {
        if (!window.CheckAndRecompute(in)) state.SkipWithError("the search should find no angle");
    }
}

void BM_LltChordDesignCirculationDragStepWorstCase(benchmark::State& state) {
    ChordDesignWindowModel window;
    const LltChordDesignInputs start = WorstCase();
    int searchesFailed = 0;
    for (auto _ : state) {
        // The root handle dragged to half its height; each write changes one input and
        // recomputes with the inputs written so far.
        LltChordDesignInputs in = start;
        for (const LltWrite& w :
             LltChordDesignCirculationDrag(in, LltCirculationHandle::Root, -30)) {
            const double v = luvo::ParseLeadingNumber(w.text);
            switch (w.input) {
                case LltInput::TotalLift:
                    in.liftCoefficient = v;
                    break;
                case LltInput::A1:
                    in.a1 = v;
                    break;
                case LltInput::A3:
                    in.a3 = v;
                    break;
                default:
                    in.a5 = v;
                    break;
            }
            if (window.CheckAndRecompute(in)) ++searchesFailed;
        }
    }
    state.counters["failed searches per step"] =
        benchmark::Counter(searchesFailed, benchmark::Counter::kAvgIterations);
}

}  // namespace

void luvo::bench::RegisterWindowBenchmarks() {
    luvo::bench::RegisterInMilliseconds("BM_LltAnalysisWindowRecompute",
                                        BM_LltAnalysisWindowRecompute);
    luvo::bench::RegisterInMilliseconds("BM_LltChordDesignRecomputeWorstCase",
                                        BM_LltChordDesignRecomputeWorstCase);
    luvo::bench::RegisterInMilliseconds("BM_LltChordDesignCirculationDragStepWorstCase",
                                        BM_LltChordDesignCirculationDragStepWorstCase);
}
