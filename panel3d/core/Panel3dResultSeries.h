#pragma once
// The run a results window shows, and the series its plots read of it. A window keeps its run
// whatever later runs or previews do, so its labels and plots always belong together.

#include <memory>

#include "panel3d/core/Panel3dResultPlots.h"

class Panel3dModel;
class Panel3dEvaluationRecord;
class Panel3dPolarEvaluator;

struct Panel3dRun {
    std::shared_ptr<Panel3dModel> model;                    // solved
    std::shared_ptr<const Panel3dEvaluationRecord> record;  // its evaluation
    std::shared_ptr<Panel3dPolarEvaluator> evaluator;       // held by every panel window
};

// The span plots' series of the run's model and record: 2M strips and sections; empty without
// either.
Panel3dSpanSeries Panel3dSpanSeriesOf(const Panel3dRun& run);
// The polar plots' series: one value per operating point of the record; empty without it.
Panel3dPolarSeries Panel3dPolarSeriesOf(const Panel3dRun& run);
