#pragma once
// The ordered range checks of a window with their error box.

#include <wx/window.h>

#include <vector>

#include "common/core/RangeCheck.h"

namespace luvo {

// Runs the checks in order; the first failure shows its message in the modal error box under
// "Die Eingaben sind nicht korrekt!", parented to `parent`, and the result is false.
bool PassRangeChecks(wxWindow* parent, const std::vector<RangeCheck>& checks);

}  // namespace luvo
