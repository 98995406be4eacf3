#pragma once
// The record of one supersonic profile (SupersonicProfileRecord) with its computation: build the
// curve parts, put them onto the chord grid and run both theories.

#include "supersonic/core/SupersonicProfileRecord.h"

class SupersonicProfile : public SupersonicProfileRecord {
  public:
    // Parts mode: part1 is the camber part (curved, Lagrange), part2 the thickness part
    // (straight lines). Contour mode: part1 the upper and part2 the lower contour, both splines.
    // A contour read from a coordinate file gives its sides their own point counts.
    explicit SupersonicProfile(bool partsMode, int part1PointCount = kGridPoints,
                               int part2PointCount = kGridPoints);

    // Builds the parts (in contour mode only those with `rebuild`), resamples them onto the
    // chord grid, forms the other pair of arrays and runs shock-expansion, then linearised theory.
    void Compute();
};
