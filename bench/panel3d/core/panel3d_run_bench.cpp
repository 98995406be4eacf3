// The whole interactive panel run, with the evaluation of its points, against the solver steps
// it drives: the default wing at N 30, M 15 with 25 flat free-wake rows, half model, alpha
// 2.5 deg, BLAS threads as the program sets them. The run adds its module values, the model's
// creation, the status texts and the evaluation of the point; budget: under 5 % over the steps
// alone. A lift polar of 1, 2 and 4 angles shows what each further angle costs; budget: at most
// half of the first, since the matrix of the wing and its source influences are built once per
// polar (measured on a loaded machine: about a quarter).

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "panel3d/core/Panel3dModule.h"
#include "panel3d/core/Panel3dPolarEvaluator.h"
#include "panel3d/core/Panel3dRun.h"
#include "tests/panel3d/core/Panel3dSolverFixtures.h"

namespace {

Panel3dResultFileNames ResultNames() {
    const std::filesystem::path dir = std::filesystem::temp_directory_path();
    return {(dir / "luvo-bench-3D.dat").string(), (dir / "luvo-bench-cp-x.dat").string(),
            (dir / "luvo-bench-ca-y.dat").string()};
}

Panel3dInteractiveRunSettings DefaultRun(int angles) {
    Panel3dInteractiveRunSettings s = panel3d_test::DefaultRunSettings();
    s.flow.taskMode = angles > 1 ? 1 : 0;
    s.flow.alphaStep = 2;
    s.flow.angleCount = angles;
    s.flow.pointCount = angles;
    const std::filesystem::path dir = std::filesystem::temp_directory_path();
    s.result3dFileName = (dir / "luvo-bench-3D.dat").string();
    s.resultCpFileName = (dir / "luvo-bench-cp-x.dat").string();
    s.resultCaFileName = (dir / "luvo-bench-ca-y.dat").string();
    return s;
}

void BM_Panel3dSolverStepsAlone(benchmark::State& state) {
    const Panel3dResultFileNames names = ResultNames();
    for (auto _ : state) {
        auto w = panel3d_test::PreparedWing(30, 15, 25, 1, 2.5);
        if (!w || !panel3d_test::SolveRun(*w, 0)) {
            state.SkipWithError("the default wing should solve");
            break;
        }
        benchmark::DoNotOptimize(w->WriteResultFiles(names));
    }
}

void BM_Panel3dInteractiveRun(benchmark::State& state) {
    const int angles = static_cast<int>(state.range(0));
    const Panel3dInteractiveRunSettings settings = DefaultRun(angles);
    Panel3dPolarEvaluator evaluator;
    evaluator.SetFlowState(30, 1.5e-5, settings.flow.taskMode, 2.5, 2, angles, 0, 0, 0, 0, 0.8);
    for (auto _ : state) {
        const Panel3dRunOutcome out = RunPanel3dInteractive(settings, &evaluator, nullptr);
        if (out.error != Panel3dRunError::kNone) {
            state.SkipWithError("the default wing should solve");
            break;
        }
        panel3d::Panel3dPanelModel.reset();
    }
    state.counters["angles"] = angles;
}

BENCHMARK(BM_Panel3dSolverStepsAlone)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Panel3dInteractiveRun)
    ->Arg(1)
    ->Arg(2)
    ->Arg(4)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
