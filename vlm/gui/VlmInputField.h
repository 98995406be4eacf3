#pragma once
// The plain numeric field of the vortex-lattice method's run windows: they check their inputs
// only when an action starts.

#include "common/gui/NumericField.h"

using VlmInputField = luvo::NumericField;
