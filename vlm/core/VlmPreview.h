#pragma once
// The vortex-lattice geometry window draws the common wing preview; its sections are camber
// lines without thickness and it shows no flap.

#include "common/core/WingPreview.h"

using VlmWingInputs = luvo::WingPreviewInputs;
using VlmDragField = luvo::WingDragField;
using VlmDragWrite = luvo::WingDragWrite;
