#include "common/RangeCheck.h"

#include <cmath>

namespace luvo {

const char* const kInvalidInputCaption = "Die Eingaben sind nicht korrekt!";

bool InRange(const RangeCheck& check) {
    return std::isfinite(check.value) && check.value >= check.lower && check.value <= check.upper;
}

const char* FirstRangeFailure(const std::vector<RangeCheck>& checks) {
    for (const RangeCheck& check : checks) {
        if (!InRange(check)) return check.message;
    }
    return nullptr;
}

}  // namespace luvo
