// Response of the lifting-line analysis window: one full recomputation as the window runs it on
// every accepted input, every drag step and every repaint of a plot (the Multhopp solve, the
// three plots drawn into bitmaps of the canvases' size, the result file written). It should
// stay well under one frame. Needs a display: run it under xvfb-run.

#include <benchmark/benchmark.h>
#include <wx/app.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/init.h>

#include <cstdio>
#include <filesystem>

#include "llt/LltAnalysisPlots.h"
#include "llt/LltAnalysisRun.h"

namespace {

class BenchApp : public wxApp {
  public:
    bool OnInit() override { return true; }
};

// The analysis window's default inputs.
LltAnalysisInputs Defaults() {
    LltAnalysisInputs in;
    in.span = 8;
    in.liftSlope = 1;
    in.s1 = 50;
    in.s2 = 25;
    in.s3 = 25;
    in.chordA = 2.00;
    in.chordB = 1.70;
    in.chordC = 1.30;
    in.chordD = 0.6;
    in.angleA = 5.0;
    in.angleB = -0.5;
    in.angleC = -0.8;
    in.angleD = -1.5;
    return in;
}

void BM_LltAnalysisWindowRecompute(benchmark::State& state) {
    const LltAnalysisInputs in = Defaults();
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
BENCHMARK(BM_LltAnalysisWindowRecompute)->Unit(benchmark::kMillisecond);

}  // namespace

wxIMPLEMENT_APP_NO_MAIN(BenchApp);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    int wxArgc = 1;
    char* wxArgv[] = {argv[0], nullptr};
    if (!wxEntryStart(wxArgc, wxArgv)) {
        std::fprintf(stderr, "The window library did not start: run this under xvfb-run.\n");
        return 1;
    }
    wxTheApp->CallOnInit();
    benchmark::RunSpecifiedBenchmarks();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return 0;
}
