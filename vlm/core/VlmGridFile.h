#pragma once
// The grid file "*.fdw" of the vortex-lattice method: white-space separated tokens, a header of
// nine free words and the tags "#nw", "#wl" and "#ss" with the counts, then the segment, station,
// strip-boundary, dihedral and Birnbaum-coefficient blocks, each value after its label words.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "vlm/core/VlmValues.h"

struct VlmGridFile {
    int wakeElementCount = 0;
    double wakeLength = 0.0;
    int symmetryFlag = 0;
    int chordwiseCount = 0;
    int spanwiseCount = 0;
    double distributionParameter = 0.0;
    int segmentCount = 0;
    std::vector<int> stripsPerSegment;
    std::vector<double> dihedral;  // [deg]
    VlmGridTables tables;
};

// Largest lattices a grid file may ask for; beyond them a run would not fit in memory or time.
constexpr int kVlmMaxChordwise = 100;
constexpr int kVlmMaxSpanwise = 200;
constexpr int kVlmMaxElements = 8000;
constexpr int kVlmMaxWakeElements = 500;
constexpr int kVlmMaxSegments = 200;

// The whole file's text read into a grid; nothing when a tag does not match, the body is short
// or holds a word where a number belongs, a count is not a whole number, a value is not finite,
// or the counts do not describe a lattice (see the limits above).
std::optional<VlmGridFile> ParseVlmGridText(std::string_view text);

// The same for a file; nothing also when it cannot be read. The file is never created.
std::optional<VlmGridFile> ReadVlmGridFile(const std::string& fileName);
