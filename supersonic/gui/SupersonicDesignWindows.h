#pragma once
// The open design window of the module state, whichever of the two it is.

#include "supersonic/gui/SupersonicDesignFrame.h"

namespace supersonic {

// The design window the module state names, null when none is open.
SupersonicDesignFrame* CurrentDesignFrame();

}  // namespace supersonic
