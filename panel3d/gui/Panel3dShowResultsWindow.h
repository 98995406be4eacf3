#pragma once
// Opening the results window that fits a finished panel run.

#include "panel3d/gui/Panel3dResultsWindow.h"

// The results window of a finished run for its task mode: "Ergebnisse" (0) or "Polaren" (1 lift
// polars, 2 speed polars), 640 by 565 pixels, centred and shown.
Panel3dResultsWindow* Panel3dShowResultsWindow(int taskMode, Panel3dRun run);
