#pragma once
// Profiles built the way the parts window builds them, for the theory tests.

#include "supersonic/core/SupersonicProfile.h"

namespace supersonic_test {

// Parts-mode profile with a straight-line thickness part through one support point at
// (0.5, halfThickness), a Lagrange camber part through one point (0.5, camber) (none when 0),
// computed once.
inline SupersonicProfile PartsProfile(double mach, double alphaDeg, double kappa, double camber,
                                      double halfThickness) {
    SupersonicProfile p(true);
    p.mach = mach;
    p.alpha = alphaDeg;
    p.kappa = kappa;
    p.part1.supportPoints[0] = {0.5, camber};
    p.part1.supportCount = camber != 0.0 ? 1 : 0;
    p.part2.supportPoints[0] = {0.5, halfThickness};
    p.part2.supportCount = halfThickness != 0.0 ? 1 : 0;
    p.Compute();
    return p;
}

}  // namespace supersonic_test
