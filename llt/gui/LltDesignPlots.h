#pragma once
// The plots of the two design windows, each cleared and drawn with its title in the canvas's own
// pixels: the prescribed circulation with its red handles (both windows), the twist design's
// chord planform with its grey handles and its computed twist, the chord design's twist with its
// blue handles and its computed chord.

#include <wx/dc.h>

#include "llt/core/LltDesignTasks.h"

// Mode 1.0: the circulation is scaled by a1; any other value: by a1FromCl; a finite `heldScale`
// takes their place while a circulation drag runs.
void LltPaintDesignCirculation(wxDC& dc, const LltSolver& s, double circulationMode,
                               double heldScale);

// The handles take the field values as read, not the record.
void LltPaintTwistDesignChord(wxDC& dc, const LltSolver& s, const LltTwistDesignInputs& in);
void LltPaintTwistDesignTwist(wxDC& dc, const LltSolver& s, double twistScaling);

// rootAngle: the field's in the a1 mode, the one searched in the lift mode.
void LltPaintChordDesignTwist(wxDC& dc, const LltSolver& s, double rootAngle,
                              const LltChordDesignInputs& in);
void LltPaintChordDesignChord(wxDC& dc, const LltSolver& s, double chordScaling);
