#pragma once
// The three plots of the analysis window, each cleared and drawn with its title: the chord
// planform with its grey handles, the twist with its blue handles, and the circulation with the
// local lift coefficient.

#include <wx/dc.h>

#include "llt/core/LltAnalysisRun.h"

void LltPaintAnalysisChord(wxDC& dc, const LltSolver& s, const LltAnalysisInputs& in);
void LltPaintAnalysisTwist(wxDC& dc, const LltSolver& s, const LltAnalysisInputs& in);
void LltPaintAnalysisCirculation(wxDC& dc, const LltSolver& s);
