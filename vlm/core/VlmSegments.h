#pragma once
// Many straight vortex segments in one array per coordinate, so that the loops over them (the
// influence matrix, the wake sums, the velocities of the relaxation and the loads) run through
// contiguous memory and vectorise. The segments are only read, so any number of threads may
// evaluate them at once, each with its own work arrays.

#include <cstddef>
#include <vector>

#include "vlm/core/VlmRecords.h"

// One thread's velocities of every segment at one point.
struct VlmSegmentWork {
    std::vector<double> vx, vy, vz;
    std::vector<double> d2;  // squared distance of the point from each line (DampedSum only)
};

class VlmSegments {
  public:
    void Resize(size_t count);
    void Set(size_t s, const VlmPoint& p1, const VlmPoint& p2);
    size_t size() const { return x1_.size(); }

    // The velocity of every segment with unit strength at p, by the Biot-Savart law without a
    // core (not finite on a segment's line), into work.vx, vy, vz (sized here).
    void UnitVelocities(const VlmPoint& p, VlmSegmentWork& work) const;

    // The sum of strength[s] times the velocity of segment s at p. A segment whose line passes
    // within 1e-8 of p is left out; one within `radius` of p is scaled by (d/radius)^1.4. A
    // radius of 0 or less damps nothing.
    VlmPoint DampedSum(const VlmPoint& p, const double* strength, double radius,
                       VlmSegmentWork& work) const;

    // The undamped sums of strength[s] times the velocity of segment s at p and at q, in one
    // pass over the segments; a segment whose line passes within 1e-8 of a point is left out
    // for that point.
    void SumsAtTwoPoints(const VlmPoint& p, const VlmPoint& q, const double* strength,
                         VlmPoint& atP, VlmPoint& atQ) const;

  private:
    std::vector<double> x1_, y1_, z1_, x2_, y2_, z2_;
};
