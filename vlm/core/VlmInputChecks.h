#pragma once
// The checks of the lattice counts that "Starte&n" of "Diskretisierung" runs before anything is
// derived from them, in their order.

#include <vector>

#include "common/core/RangeCheck.h"

// `chordwiseCount` nx and `spanwiseCountPerHalf` ny as typed (whole numbers: 15.5 is 15).
std::vector<luvo::RangeCheck> VlmLatticeCountChecks(double chordwiseCount,
                                                    double spanwiseCountPerHalf);
