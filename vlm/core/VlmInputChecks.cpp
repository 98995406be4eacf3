#include "vlm/core/VlmInputChecks.h"

#include <cmath>
#include <limits>

std::vector<luvo::RangeCheck> VlmLatticeCountChecks(double chordwiseCount,
                                                    double spanwiseCountPerHalf) {
    constexpr double kOpen = std::numeric_limits<double>::infinity();
    // Counts are whole numbers before anything is derived from them (15.5 per half is 15).
    const double nx = std::trunc(chordwiseCount);
    const double perHalf = std::trunc(spanwiseCountPerHalf);
    return {
        {nx, 2, kOpen,
         "Die Wirbelzahl in x-Richtung ist zu niedrig:\n\n2 <= Wirbelzahl in x-Richtung \n"},
        {perHalf, 2, kOpen,
         "Die Wirbelzahl in y-Richtung ist zu niedrig:\n\n2 <= Wirbelzahl in y-Richtung \n"},
        {nx, -kOpen, 100,
         "Die Wirbelzahl in x-Richtung ist zu hoch:\n\nWirbelzahl in x-Richtung <= 100\n"},
        {perHalf, -kOpen, 100,
         "Die Wirbelzahl in y-Richtung ist zu hoch:\n\nWirbelzahl in y-Richtung <= 100\n"},
        {2 * nx * perHalf, -kOpen, 8000,
         "Die Gesamtzahl aller Wirbel ist zu hoch:\n\n2*nx*ny <= 8000\n"},
    };
}
