#pragma once
// The panel computation of both input paths, headless: a new model from the grid file or from
// the interactive wing, one solve per operating point (a single state, a lift polar or a speed
// polar), the evaluation and the result files of each point. The windows read their fields
// into the settings, show the progress window and pass its reporter; the run sends its phase
// texts and the bar there.
//
// The run reads only its settings; the windows fill them from the module state. A run that ends
// well makes its model the module's current model, with its counts and wake values
// (Panel3dModule.h); a run that fails leaves the module as it was.

#include <memory>
#include <string>
#include <vector>

#include "common/core/RunReporter.h"
#include "panel3d/core/Panel3dEvaluationRecord.h"
#include "panel3d/core/Panel3dFlowState.h"
#include "panel3d/core/Panel3dGeometryInputs.h"
#include "panel3d/core/Panel3dModel.h"
#include "panel3d/core/Panel3dModule.h"

class Panel3dPolarEvaluator;

enum class Panel3dRunError {
    kNone,
    kGridFile,      // the grid file is missing, a tag is wrong, the body short or not numbers,
                    // or its wing cannot be built
    kOutOfMemory,   // the model or its linear system does not fit
    kInvalidInput,  // a count or iteration count the windows refuse
    kUnsolvable,    // the wing or its wake cannot be built, or a system is singular
};

// What both paths read from their windows.
struct Panel3dRunSettings {
    Panel3dFlowState flow;      // the method window's last "&OK"
    double sideslip = 0;        // beta as entered [deg]; the interactive run takes the wing's
    double iterationCount = 0;  // relaxation steps as entered: 2.5 runs three steps
    int wakeMode = 0;           // 0 flat, 1 relaxed
    std::string result3dFileName;
    std::string resultCpFileName;
    std::string resultCaFileName;
};

struct Panel3dGridRunSettings : Panel3dRunSettings {
    std::string gridFileName;
    double dampingFactor = 1;  // core radius in largest panel diagonals
};

struct Panel3dInteractiveRunSettings : Panel3dRunSettings {
    Panel3dGeometryInputs wing;  // the geometry window's fields, with the sideslip
    double chordPanels = 0;      // N per wing side, as entered
    double spanPanels = 0;       // M per half span, as entered
    int clustering = 1;          // the slider, 1..100
    // The wake of the last grid file read, or the start values.
    int wakeRows = panel3d::kPanel3dStartWakeRows;
    double trailingEdgeWakeFactor = panel3d::kPanel3dStartTrailingEdgeWakeFactor;
    double wakeLengthFactor = panel3d::kPanel3dStartWakeLengthFactor;
};

struct Panel3dRunOutcome {
    Panel3dRunError error = Panel3dRunError::kNone;
    // The solved model of the last point, also the module's current model; null on an error.
    std::shared_ptr<Panel3dModel> model;
    // Result files that could not be written at some point, each named once.
    std::vector<std::string> unwrittenFiles;
    // This run's evaluation, for the windows that show it; null without an evaluator.
    std::shared_ptr<const Panel3dEvaluationRecord> evaluation;
};

// The wing inputs of the interactive wing into a model, as the windows enter them: per cent
// and degrees, the deflections with their signs reversed, the gradings from the slider and
// the sweep. The flap inputs enter whether or not "aktiv" is set.
void Panel3dSetWingInputs(Panel3dModel& model, const Panel3dGeometryInputs& wing, int clustering);

// 1 when the half model may stand in for the whole wing: no sideslip and equal deflections.
int Panel3dInteractiveSymmetry(const Panel3dGeometryInputs& wing);

// The evaluator receives every operating point; it may be null (no evaluation).
Panel3dRunOutcome RunPanel3dGridFile(const Panel3dGridRunSettings& settings,
                                     Panel3dPolarEvaluator* evaluator, luvo::RunReporter* reporter);
Panel3dRunOutcome RunPanel3dInteractive(const Panel3dInteractiveRunSettings& settings,
                                        Panel3dPolarEvaluator* evaluator,
                                        luvo::RunReporter* reporter);
