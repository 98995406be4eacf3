#pragma once
// Ordered range checks of window inputs: the windows test their values in a fixed order against
// inclusive bounds and report only the first value that fails.

#include <vector>

namespace luvo {

// Caption of the box that reports a failed input check.
extern const char* const kInvalidInputCaption;

struct RangeCheck {
    double value;
    double lower;  // both bounds included; an infinite bound leaves that side open
    double upper;
    const char* message;  // UTF-8
};

// True when the value lies within both bounds. A value that is not finite never passes: it could
// only come from a text that no student meant as a number.
bool InRange(const RangeCheck& check);

// The iteration count of a relaxed wake, checked alike by the run windows of both 3D methods;
// each hands the count as it judges it (truncated or as read).
RangeCheck IterationCountCheck(double count);

// The flow angles of the grid runs of both 3D methods: angle of attack, then sideslip.
std::vector<RangeCheck> FlowAngleChecks(double alpha, double beta);

// The Birnbaum coefficient count of the vortex-lattice run windows.
RangeCheck BirnbaumCountCheck(double count);

// The message of the first check that fails, nullptr when all pass.
const char* FirstRangeFailure(const std::vector<RangeCheck>& checks);

}  // namespace luvo
