#pragma once
// The plain numeric field of the panel method's input windows: they check their inputs only
// when an action starts.

#include "common/gui/NumericField.h"

using Panel3dInputField = luvo::NumericField;
