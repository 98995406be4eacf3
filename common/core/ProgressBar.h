#pragma once
// The bar of the progress windows of the 3D runs: a 180 by 15 pixel outline at (5, 5) whose
// left part is filled blue; 180 pixels is the whole run.

#include "common/core/PlotPainter.h"

namespace luvo {

constexpr int kProgressBarWidth = 180;

// Draws the outline with the context's default pen and brush, then `filled` pixels of it in
// blue. The canvas is cleared before.
void DrawProgressBar(PlotPainter& painter, int filled);

}  // namespace luvo
