#pragma once
// The plots of the vortex-lattice results window: the spanwise load with the elliptic reference,
// the chordwise pressure of the tip and root strips on a scaled or a fixed cp axis, and the
// warning of a too coarse lattice. Each draws one run's results.

#include "common/core/PlotPainter.h"
#include "vlm/core/VlmValues.h"

// ca and Gamma over the span, with the elliptic circulation of the same lift.
void DrawVlmSpanLoad(luvo::PlotPainter& painter, const VlmResults& results);

// cp over the chord; `scaled` fits the axis to the lowest cp, else it runs from -1 to 1.
void DrawVlmPressure(luvo::PlotPainter& painter, const VlmResults& results, bool scaled);

// The two red lines of the k-factor warning.
void DrawVlmWarning(luvo::PlotPainter& painter);

// Whether the k-factor warning belongs to these results: k is not 1 or more (also when k has
// no value).
bool VlmNeedsKFactorWarning(const VlmResults& results);

// The scaled cp axis: n steps of one cp from 1 down to 1 - n (n at most 120).
int VlmScaledCpSteps(const VlmResults& results);
