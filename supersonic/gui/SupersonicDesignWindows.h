#pragma once
// The open design window of the module state, whichever of the two it is.

#include "supersonic/gui/SupersonicDesignFrame.h"

// The design window the module state names, null when none is open.
SupersonicDesignFrame* CurrentDesignFrame();

// The fields of the current design window into its profile, and the results into its labels.
void ReadInputs();
void ShowResults();
