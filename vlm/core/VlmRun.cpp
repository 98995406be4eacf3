#include "vlm/core/VlmRun.h"

#include <new>

VlmRunValues VlmInteractiveRunValues(const VlmInteractiveInputs& in) {
    VlmRunValues v;
    v.result3dFileName = in.result3dFileName;
    v.resultCpFileName = in.resultCpFileName;
    v.resultCaFileName = in.resultCaFileName;
    v.chordwiseCount = in.chordwiseCount;
    v.spanwiseCount = 2 * in.spanwiseCountPerHalf;
    v.iterationCount = in.iterationCount;
    v.birnbaumCount = in.birnbaumCount;
    v.wakeModel = in.wakeModel;
    v.segmentCount = 2;
    v.span = in.span;
    v.rootChord = in.rootChord;
    v.tipChord = in.tipChord;
    v.sweep = in.sweep;
    v.rootIncidence = in.rootIncidence;
    v.tipIncidence = in.tipIncidence;
    v.rootCamber = in.rootCamber;
    v.tipCamber = in.tipCamber;
    v.alpha = in.alpha;
    v.distributionParameter = in.distributionParameter;
    v.symmetryFlag = 0;
    // Per cent to tenths of the chord; an uncambered section at position 0 takes the middle,
    // where the camber-line formulas stay finite.
    v.rootCamberPosition = in.rootCamberPosition * 0.1;
    v.tipCamberPosition = in.tipCamberPosition * 0.1;
    if (v.rootCamber == 0.0 && v.rootCamberPosition == 0.0) {
        v.rootCamberPosition = 5.0;
    }
    if (v.tipCamber == 0.0 && v.tipCamberPosition == 0.0) {
        v.tipCamberPosition = 5.0;
    }
    v.dihedral = {in.dihedral, -in.dihedral};
    v.beta = -in.beta;
    v.freeStreamSpeed = 1.0;
    v.density = 1.0;
    v.stripsPerSegment = {v.spanwiseCount / 2, v.spanwiseCount / 2};
    v.wakeElementCount = 25;
    v.wakeLength = 5.0;
    v.gridRoute = 0;
    return v;
}

VlmRunValues VlmGridRunValues(const VlmGridRunInputs& in, const VlmGridFile& grid) {
    VlmRunValues v;
    v.gridRoute = 1;
    v.alpha = in.alpha;
    v.beta = -in.beta;
    v.iterationCount = in.iterationCount;
    v.dampingFactor = in.dampingFactor;
    v.birnbaumCount = in.birnbaumCount;
    v.freeStreamSpeed = 1.0;
    v.density = 1.0;
    v.result3dFileName = in.result3dFileName;
    v.resultCpFileName = in.resultCpFileName;
    v.resultCaFileName = in.resultCaFileName;
    v.wakeModel = in.wakeModel;
    v.wakeElementCount = grid.wakeElementCount;
    v.wakeLength = grid.wakeLength;
    v.symmetryFlag = grid.symmetryFlag;
    v.chordwiseCount = grid.chordwiseCount;
    v.spanwiseCount = grid.spanwiseCount;
    v.distributionParameter = grid.distributionParameter;
    v.segmentCount = grid.segmentCount;
    v.stripsPerSegment = grid.stripsPerSegment;
    v.dihedral = grid.dihedral;
    return v;
}

VlmRunError VlmCheckRunValues(const VlmRunValues& v) {
    const bool counts = v.chordwiseCount >= 1 && v.spanwiseCount >= 2 && v.wakeElementCount >= 1 &&
                        v.segmentCount >= 1 &&
                        v.stripsPerSegment.size() == static_cast<size_t>(v.segmentCount) &&
                        v.dihedral.size() == static_cast<size_t>(v.segmentCount);
    if (!counts) {
        return VlmRunError::kInvalidInput;
    }
    int strips = 0;
    for (int s : v.stripsPerSegment) {
        if (s < 0) {
            return VlmRunError::kInvalidInput;
        }
        strips += s;
    }
    // The segments hold 21 coefficients per edge; a relaxed wake needs at least one solve.
    const bool model = v.birnbaumCount >= 1 && v.birnbaumCount <= kVlmBirnbaumTerms &&
                       (v.wakeModel == 0 ||
                        (v.wakeModel == 1 && v.iterationCount >= 1 && v.iterationCount <= 100));
    // The trapezoid wing mirrors its right half strip by strip.
    const bool trapezoid =
        v.gridRoute == 1 || (v.segmentCount == 2 && v.stripsPerSegment[0] == v.stripsPerSegment[1]);
    if (strips != v.spanwiseCount || !model || !trapezoid) {
        return VlmRunError::kInvalidInput;
    }
    return VlmRunError::kNone;
}

namespace {

// Builds the lattice with `build`, then the wake and the solve.
template <class Build>
VlmRunOutcome Run(const VlmRunValues& values, luvo::RunReporter* reporter, Build build) {
    VlmRunOutcome outcome;
    outcome.error = VlmCheckRunValues(values);
    if (outcome.error != VlmRunError::kNone) {
        return outcome;
    }
    try {
        VlmSolver solver(values, reporter);
        build(solver);
        solver.FlattenLattice();
        solver.ComputeDampingRadius();
        if (!solver.BuildWake()) {
            outcome.error = VlmRunError::kWakeFit;
            return outcome;
        }
        solver.PackVortexPoints();
        luvo::RunProgress progress(reporter);
        progress.SetProgress(9);
        outcome.error = solver.Solve();
        if (outcome.error != VlmRunError::kNone) {
            return outcome;
        }
        progress.SetProgress(180);
        outcome.results = std::make_shared<const VlmResults>(solver.results);
        outcome.unwrittenFiles = solver.unwrittenFiles;
    } catch (const std::bad_alloc&) {
        outcome = VlmRunOutcome();
        outcome.error = VlmRunError::kOutOfMemory;
    }
    return outcome;
}

}  // namespace

VlmRunOutcome RunVlmInteractive(const VlmRunValues& values, luvo::RunReporter* reporter) {
    return Run(values, reporter, [](VlmSolver& s) {
        s.BuildTrapezoidWing();
        s.ComputeNacaBirnbaumCoefficients();
    });
}

VlmRunOutcome RunVlmGrid(const VlmRunValues& values, const VlmGridFile& grid,
                         luvo::RunReporter* reporter) {
    return Run(values, reporter, [&](VlmSolver& s) {
        s.BuildWingFromGrid(grid.tables);
        s.CopyGridBirnbaumCoefficients(grid.tables);
    });
}

VlmRunOutcome RunVlmGridFile(const VlmGridRunInputs& in, const std::string& gridFileName,
                             luvo::RunReporter* reporter) {
    const std::optional<VlmGridFile> grid = ReadVlmGridFile(gridFileName);
    if (!grid) {
        VlmRunOutcome outcome;
        outcome.error = VlmRunError::kGridFile;
        return outcome;
    }
    return RunVlmGrid(VlmGridRunValues(in, *grid), *grid, reporter);
}
