#pragma once
// What the flap view draws: chordwise cuts through the panel model along two rows of grid
// points, each laid on its own leading edge, and a small plan view of the wing with the flap
// outline and the places of the cuts. Free of the window library, so tests record every step.

#include "common/core/PlotPainter.h"
#include "panel3d/core/Panel3dGeometryInputs.h"

class Panel3dModel;

struct Panel3dSectionView {
    // The model whose rows are cut; without one no cut and no marker is drawn.
    const Panel3dModel* model = nullptr;
    // The geometry window's values for the plan view; without them no plan view.
    const Panel3dGeometryInputs* geometry = nullptr;
    double width = 760;  // canvas size in pixels
    double height = 280;
    // The choosers' values: row + 1, 0 for no cut.
    int firstChoice = 0;
    int secondChoice = 0;
};

// The rows of the two cuts, counted from the right tip (0) over the root (M) to the left tip
// (2M); -1 where a chooser reads 0. With both at 0 the first cut is the root row.
struct Panel3dSectionRows {
    int first = -1;
    int second = -1;
};
Panel3dSectionRows Panel3dChosenRows(int firstChoice, int secondChoice, int spanPanels);

// Draws the whole canvas, which the caller has cleared.
void PaintFlapSections(luvo::PlotPainter& painter, const Panel3dSectionView& view);
