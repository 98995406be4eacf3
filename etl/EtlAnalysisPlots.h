#pragma once
// The three plots of the extended lifting-line analysis window, each on a context of its canvas:
// cleared, titled and drawn from a record, with the handles at the field values as read.

#include <wx/dc.h>

#include "etl/EtlRuns.h"

void EtlPaintAnalysisChord(wxDC& dc, const EtlSolver& s, const EtlAnalysisInputs& in);
void EtlPaintAnalysisTwist(wxDC& dc, const EtlSolver& s, const EtlAnalysisInputs& in);
void EtlPaintAnalysisCirculation(wxDC& dc, const EtlSolver& s);
