// Any bytes as one of XFOIL's polar files: the reader gives one of its four codes, zero drag
// for a file without results, and values that a float holds for one with results; what the
// file says it was solved for is a finite number or none, and a lift only with results.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

#include "panel3d/core/Panel3dXfoil.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const Panel3dXfoilFileResult r = ParseXfoilResult(text);
    switch (r.code) {
        case kXfoilEmpty:
            if (r.cd != 0.0 || r.cdp != 0.0) std::abort();
            break;
        case kXfoilOk:
        case kXfoilNotConverged: {
            const double largest = std::numeric_limits<float>::max();
            if (!std::isfinite(r.cd) || !std::isfinite(r.cdp) || std::fabs(r.cd) > largest ||
                std::fabs(r.cdp) > largest || double(float(r.cd)) != r.cd) {
                std::abort();
            }
            break;
        }
        default:
            std::abort();
    }
    const bool results = r.code == kXfoilOk || r.code == kXfoilNotConverged;
    if (!std::isnan(r.reynolds) && (!std::isfinite(r.reynolds) || !(r.reynoldsDigit >= 0))) {
        std::abort();
    }
    if (results != !std::isnan(r.lift) || (results && !(r.liftDigit >= 0))) std::abort();
    XfoilResultBelongsTo(r, "Luvo-Profil 0123456789abcdef", 1e6, 0.3);
    return 0;
}
