#pragma once
// The headless vortex-lattice run of each route: the run values, a new solver, the lattice and
// the wake, the solve with its progress (9 pixels before, 180 after) and the result files. The
// run drivers of the windows call these and show what comes back.

#include <memory>
#include <string>
#include <vector>

#include "common/core/RunReporter.h"
#include "vlm/core/VlmGridFile.h"
#include "vlm/core/VlmSolver.h"

struct VlmRunOutcome {
    VlmRunError error = VlmRunError::kNone;
    std::shared_ptr<const VlmResults> results;  // null unless error is kNone
    std::vector<std::string> unwrittenFiles;    // result files that could not be written
};

// The fields of the geometry and discretisation windows, as entered.
struct VlmInteractiveInputs {
    double span = 0.0;
    double rootChord = 0.0;
    double tipChord = 0.0;
    double sweep = 0.0;  // [deg]
    double rootIncidence = 0.0;
    double tipIncidence = 0.0;
    double rootCamber = 0.0;          // [%]
    double tipCamber = 0.0;           // [%]
    double rootCamberPosition = 0.0;  // [%] of the chord
    double tipCamberPosition = 0.0;   // [%] of the chord
    double dihedral = 0.0;            // [deg]
    double alpha = 0.0;               // [deg]
    double beta = 0.0;                // sideslip [deg] as entered
    int chordwiseCount = 0;
    int spanwiseCountPerHalf = 0;
    int iterationCount = 0;
    int birnbaumCount = 0;
    int wakeModel = 0;
    int distributionParameter = 0;  // the slider, 1..100
    std::string result3dFileName;
    std::string resultCpFileName;
    std::string resultCaFileName;
};

// The fields of the grid-input window, as entered.
struct VlmGridRunInputs {
    double alpha = 0.0;
    double beta = 0.0;  // sideslip [deg] as entered
    int iterationCount = 0;
    double dampingFactor = 0.0;
    int birnbaumCount = 0;
    int wakeModel = 0;
    std::string result3dFileName;
    std::string resultCpFileName;
    std::string resultCaFileName;
};

// The run values of an interactive run: two mirrored segments, the sideslip's sign reversed, the
// camber positions in tenths of the chord (5 for an uncambered section), a wake of 25 elements
// over 5 spans.
VlmRunValues VlmInteractiveRunValues(const VlmInteractiveInputs& in);

// The run values of a grid-file run from the window's fields and the file's counts.
VlmRunValues VlmGridRunValues(const VlmGridRunInputs& in, const VlmGridFile& grid);

// kInvalidInput for values the lattice cannot be built from: counts below what the lattice
// needs, a Birnbaum count outside 1..21, relaxed iterations outside 1..100, strip counts that do
// not add up to ny, an interactive wing whose halves differ.
VlmRunError VlmCheckRunValues(const VlmRunValues& values);

VlmRunOutcome RunVlmInteractive(const VlmRunValues& values, luvo::RunReporter* reporter);
VlmRunOutcome RunVlmGrid(const VlmRunValues& values, const VlmGridFile& grid,
                         luvo::RunReporter* reporter);
// Reads the file first: kGridFile when it cannot be read or is refused.
VlmRunOutcome RunVlmGridFile(const VlmGridRunInputs& in, const std::string& gridFileName,
                             luvo::RunReporter* reporter);
