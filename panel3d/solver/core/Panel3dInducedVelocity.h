#pragma once
// The velocity the panels of a model induce at many field points, as a relaxation step needs it
// at every wake node. What a panel's velocity kernel needs apart from the field point (its axes,
// corners, side lengths and slopes, the lengths of its vortex segments) is worked out once per
// step; per point each corner's distance serves both segments that meet there, and the four
// arctangents and logarithms of a panel's sides go through the vector maths in pairs.

#include <vector>

#include "panel3d/solver/core/Panel3dFreeWakePanel.h"
#include "panel3d/solver/core/Panel3dPanel.h"
#include "panel3d/solver/core/Panel3dTrailingEdgeWakePanel.h"

// The point-independent terms of one panel's velocity kernel.
struct Panel3dVelocityTerms {
    // Source sheet, with s = sigma / 4pi; none when sigma is 0.
    bool hasSource = false;
    double s = 0;
    Panel3dVector centroid, axisL, axisM, normal;
    double localX[4]{}, localY[4]{};
    double sideLength[4]{};  // in the local x-y plane
    double sideU[4]{};       // dy/d and -dx/d of each side of length d > 0, else 0
    double sideV[4]{};
    double slope[4]{};
    double meanDiagonal = 0;
    double minDistance = 0;
    // Straight vortex segments between the planar corners, each of strength gamma.
    double gamma = 0;
    Panel3dVector corner[4];
    double segmentLength[4]{};  // segment k from corner k+1 to corner k (k = 3: from 0 to 3)
};

// A wing panel's terms: source sheet and closed ring of strength -mu.
Panel3dVelocityTerms Panel3dWingVelocityTerms(const Panel3dPanel& panel);
// A wake panel's terms: segments of strength mu, no source.
Panel3dVelocityTerms Panel3dWakeVelocityTerms(const Panel3dPanel& panel);

// The kernels of Panel3dPanel::SourceVelocity, DoubletVelocity and WakeDoubletVelocity on the
// terms: the same closed forms.
Panel3dVector Panel3dWingVelocity(const Panel3dVelocityTerms& t, const Panel3dVector& p,
                                  double coreRadius);
Panel3dVector Panel3dTrailingEdgeVelocity(const Panel3dVelocityTerms& t, const Panel3dVector& p,
                                          double coreRadius);
Panel3dVector Panel3dFreeWakeVelocity(const Panel3dVelocityTerms& t, const Panel3dVector& p,
                                      double coreRadius);

class Panel3dInducedVelocity {
  public:
    // The terms of every panel as the panels stand now; the panels may change afterwards.
    Panel3dInducedVelocity(const std::vector<Panel3dPanel>& wing,
                           const std::vector<Panel3dTrailingEdgeWakePanel>& trailingEdgeWake,
                           const std::vector<Panel3dFreeWakePanel>& freeWake, double coreRadius);

    // v plus the velocity of every wing panel, then of the trailing-edge row, then of the free
    // wake at p, added panel by panel in that order.
    Panel3dVector Add(Panel3dVector v, const Panel3dVector& p) const;

  private:
    std::vector<Panel3dVelocityTerms> wing_, trailingEdge_, free_;
    double coreRadius_ = 0;
};
