#pragma once

#include "panel3d/core/Panel3dPanel.h"

// A panel of the trailing-edge wake row, one behind each strip. It carries only a doublet.
class Panel3dTrailingEdgeWakePanel : public Panel3dPanel {
  public:
    // Slope of the trailing-edge bisector of the strip's first station, with the sign that the
    // downstream corners subtract.
    double bisectorSlope = 0;
};
