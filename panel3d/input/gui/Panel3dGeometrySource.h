#pragma once
// What the discretisation window, the flap view and the interactive run read of the geometry
// window: the wing as entered. The geometry window opens the discretisation window, so the
// others ask through this function rather than through the geometry window's class.

#include <optional>

#include "panel3d/input/core/Panel3dGeometryInputs.h"

// The fields of the open geometry window; none when it is closed.
std::optional<Panel3dGeometryInputs> Panel3dOpenGeometryInputs();
