#pragma once
// The wing file "*.fde" of the extended lifting-line method: white-space separated tokens, ten
// free words, then the tag "#b..." with the span b [m], "#dc..." with the lift-slope factor f,
// "#de..." with the root chord [m] and "#al..." with the root angle of attack [deg], then ten
// segments from the root to the tip, each its length (fraction of b/2), the twist [deg] and chord
// [m] at its outer end and its leading-edge sweep [deg]. Tags are compared by their first
// characters (case counts). Anything after the 58th token is ignored; words may be of any length.
//
// A file passes when every tag matches and every number is there and finite, span, lift-slope
// factor and root chord are above 0, no length or chord is negative and not all lengths are 0.
// A chord of 0 at a segment end (a pointed tip) is fine.

#include <optional>
#include <string>
#include <string_view>

struct EtlGridHeader {
    double span = 0;             // b [m]
    double liftSlopeFactor = 0;  // f: the section lift slope is 2 pi f
    double rootChord = 0;        // [m]
    double rootAngle = 0;        // [deg]
};

// The header of a wing file's text (tokens 1..18); nothing when it does not pass.
std::optional<EtlGridHeader> ParseEtlGridHeader(std::string_view fileText);

// The same for a file; nothing also when it cannot be read. The file is never created.
std::optional<EtlGridHeader> ReadEtlGridHeader(const std::string& fileName);
