#pragma once
// Many straight vortex segments in one array per coordinate, so that the loops over them (the
// influence matrix, the wake sums, the velocities of the relaxation and the loads) run through
// contiguous memory and vectorise.

#include <cstddef>
#include <vector>

#include "vlm/VlmRecords.h"

class VlmSegments {
  public:
    void Resize(size_t count);
    void Set(size_t s, const VlmPoint& p1, const VlmPoint& p2);
    size_t size() const { return x1_.size(); }

    // The velocity of every segment with unit strength at p, by the Biot-Savart law without a
    // core (not finite on a segment's line), into the work arrays vx(), vy(), vz().
    void UnitVelocities(const VlmPoint& p) const;
    const double* vx() const { return vx_.data(); }
    const double* vy() const { return vy_.data(); }
    const double* vz() const { return vz_.data(); }

    // The sum of strength[s] times the velocity of segment s at p. A segment whose line passes
    // within 1e-8 of p is left out; one within `radius` of p is scaled by (d/radius)^1.4. A
    // radius of 0 or less damps nothing.
    VlmPoint DampedSum(const VlmPoint& p, const double* strength, double radius) const;

  private:
    std::vector<double> x1_, y1_, z1_, x2_, y2_, z2_;
    mutable std::vector<double> vx_, vy_, vz_, d2_;
};
