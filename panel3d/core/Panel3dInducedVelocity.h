#pragma once
// The velocity the panels of a model induce at many field points, as a relaxation step needs it
// at every wake node. What a panel's velocity kernel needs apart from the field point (its axes,
// corners, side lengths and slopes, its vortex segments) is worked out once per step; per point
// each corner's distance serves both segments that meet there, and the corners, sides and
// segments go two or four at a time, the arctangents and logarithms through the vector maths.

#include <vector>

#include "panel3d/core/Panel3dFreeWakePanel.h"
#include "panel3d/core/Panel3dPanel.h"
#include "panel3d/core/Panel3dTrailingEdgeWakePanel.h"

class Panel3dInducedVelocity {
  public:
    // No panels: Add returns v as it is.
    Panel3dInducedVelocity();
    // The terms of every panel as the panels stand now, see Set.
    Panel3dInducedVelocity(const std::vector<Panel3dPanel>& wing,
                           const std::vector<Panel3dTrailingEdgeWakePanel>& trailingEdgeWake,
                           const std::vector<Panel3dFreeWakePanel>& freeWake, double coreRadius,
                           bool wide = true);
    ~Panel3dInducedVelocity();

    // The terms of every panel as the panels stand now, in place of the last ones (whose memory
    // serves again: every relaxation step sets them anew); the panels may change afterwards. The
    // kernels take four lanes at once where the processor has AVX2 and `wide` is set, else two.
    void Set(const std::vector<Panel3dPanel>& wing,
             const std::vector<Panel3dTrailingEdgeWakePanel>& trailingEdgeWake,
             const std::vector<Panel3dFreeWakePanel>& freeWake, double coreRadius,
             bool wide = true);
    Panel3dInducedVelocity(const Panel3dInducedVelocity&) = delete;
    Panel3dInducedVelocity& operator=(const Panel3dInducedVelocity&) = delete;

    // v plus the velocity of every wing panel (Panel3dPanel::SourceVelocity), then of the
    // trailing-edge row (DoubletVelocity), then of the free wake (WakeDoubletVelocity) at p,
    // added panel by panel in that order.
    Panel3dVector Add(Panel3dVector v, const Panel3dVector& p) const;

    // The point-independent terms of a wing panel's source sheet and of a panel's vortex
    // segments.
    struct Sheet;
    struct Ring;

    // Whether this processor runs the four-lane kernels.
    static bool WideAvailable();

  private:
    bool wide_ = false;
    std::vector<Sheet> wingSheets_;
    std::vector<Ring> wingRings_, trailingEdgeRings_, freeWakeRings_;
};
