#pragma once
// The three plots of the extended lifting-line analysis window, each on a context of its canvas:
// cleared, titled and drawn from a record, with the handles at the field values as read.

#include <wx/dc.h>

#include "common/core/TwistPlotLabels.h"
#include "etl/core/EtlRuns.h"

// The titles that the window writes above its plan form, at the top where the flow direction's
// name leaves room, and above its twist plot, below the captions of the angle axes (canvas
// pixels).
inline const luvo::PlotText kEtlChordTitle{"Tiefenverteilung", 115, 0};
inline const luvo::PlotText kEtlTwistTitle{"Schränkungsverteilung", 85, 22};

void EtlPaintAnalysisChord(wxDC& dc, const EtlSolver& s, const EtlAnalysisInputs& in);
void EtlPaintAnalysisTwist(wxDC& dc, const EtlSolver& s, const EtlAnalysisInputs& in);
void EtlPaintAnalysisCirculation(wxDC& dc, const EtlSolver& s);
