#pragma once
// What the discretisation window and its run read of the geometry window: the wing as entered
// and its checks. The geometry window opens the discretisation window, so the latter asks
// through these two functions rather than through the geometry window's class.

#include <optional>

#include "vlm/core/VlmPreview.h"

class wxWindow;

// The fields of the open geometry window; none when it is closed.
std::optional<VlmWingInputs> VlmOpenGeometryInputs();

// The open geometry window's range checks in their order, the first failure's box over
// `parent`; false also when no geometry window is open (without a box).
bool VlmOpenGeometryPassesChecks(wxWindow* parent);
