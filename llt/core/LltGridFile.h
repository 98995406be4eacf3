#pragma once
// The wing file "*.fdt" of the simple lifting-line method: white-space separated tokens, eight
// free words, a tag "#b..." with the span b [m], a tag "#dc..." with the lift-slope factor f, then
// 52 pairs of geometric angle of attack [deg] and chord [m] for the stations 0 (tip) to 51 (root).
// Anything after the 116th token is ignored. Words may be of any length.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "llt/core/LltSolver.h"

struct LltGridHeader {
    double span = 0;             // b [m], above 0
    double liftSlopeFactor = 0;  // f, above 0
};

// The header of a wing file's text; nothing when a tag does not match, the text ends before the
// lift-slope factor, span or factor is no number, or either is not above 0.
std::optional<LltGridHeader> ParseLltGridHeader(std::string_view fileText);

// The same for a file; nothing also when the file cannot be read. The file is never created.
std::optional<LltGridHeader> ReadLltGridHeader(const std::string& fileName);

// The wing-file run on a new record: stations for the header's span, the 52 pairs of the file,
// area, Multhopp solve with the header's lift-slope factor, local lift, lift, induced angles and
// drag, mean chord. Null when the file (or text) cannot be read completely or holds a negative
// chord.
std::shared_ptr<LltSolver> SolveLltGridText(std::string_view fileText, const LltGridHeader& header);
std::shared_ptr<LltSolver> SolveLltGridFile(const std::string& fileName,
                                            const LltGridHeader& header);
