#pragma once
// What "Diskretisierung" checks of its inputs and the geometry window's before a wing grid is
// built or a run starts.

#include <vector>

#include "common/core/RangeCheck.h"
#include "panel3d/core/Panel3dGeometryInputs.h"

// The checks in their order: both panel counts as typed (at least 2), the total 4*nx*ny of the
// truncated counts, the geometry window's checks and, when a flap deflection is set, the flap
// fields. Building the grid repeats the thirteen geometry checks, a run also the angle of attack
// and the sideslip: fields edited after "&Weiter" would otherwise reach the grid unchecked.
std::vector<luvo::RangeCheck> Panel3dDiscretisationChecks(double chordPanels, double spanPanels,
                                                          const Panel3dGeometryInputs& in,
                                                          double alphaStar, bool forRun);

// The flap fields a deflection brings into the grid: both ends within 0 to 100 and apart, the
// hinge strictly inside the chord, its height within the thickness, both deflections within
// 30 degrees. Empty when both deflections are 0, since the grid then ignores the flap fields.
std::vector<luvo::RangeCheck> Panel3dFlapChecks(const Panel3dGeometryInputs& in);
