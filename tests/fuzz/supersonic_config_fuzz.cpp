// Any text as a supersonic configuration: the mode probe, then both windows' key tables. A text
// the reader refuses leaves the settings as they were; what it takes stays within what the fields
// and drags give, and the start profile built from it computes without leaving its arrays.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "supersonic/core/SupersonicFiles.h"

namespace {

void CheckSide(const SupersonicSide& side, double zLow) {
    if (side.count < 0 || side.count > 4) std::abort();
    for (const SupersonicPoint& p : side.supportPoints) {
        if (!(p.x >= 0.0 && p.x <= 1.0) || !(p.z >= zLow && p.z <= kSupersonicSupportZLimit)) {
            std::abort();
        }
    }
}

bool SameSide(const SupersonicSide& a, const SupersonicSide& b) {
    return a.countText == b.countText && a.count == b.count && a.supportPoints == b.supportPoints &&
           a.spline == b.spline && a.curvatureStartText == b.curvatureStartText &&
           a.curvatureEndText == b.curvatureEndText;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const SupersonicWindow probed = SupersonicProbeConfigText(text);
    for (SupersonicWindow window : {SupersonicWindow::Parts, SupersonicWindow::Contour}) {
        const SupersonicSettings defaults = SupersonicDefaultSettings(window);
        SupersonicSettings s = defaults;
        if (!ReadSupersonicConfigText(text, window, s)) {
            if (s.machText != defaults.machText || s.alphaText != defaults.alphaText ||
                s.kappaText != defaults.kappaText || !SameSide(s.part1, defaults.part1) ||
                !SameSide(s.part2, defaults.part2) ||
                s.coefficientTexts != defaults.coefficientTexts) {
                std::abort();
            }
            continue;
        }
        if (!(s.mach > 1.0 && s.mach <= 5.0) || !(s.alpha >= -15.0 && s.alpha <= 15.0) ||
            !(s.kappa > 1.0 && s.kappa <= 2.0)) {
            std::abort();
        }
        const bool parts = window == SupersonicWindow::Parts;
        CheckSide(s.part1, -kSupersonicSupportZLimit);
        CheckSide(s.part2, parts ? 0.0 : -kSupersonicSupportZLimit);
        for (double c : s.coefficients) {
            if (!std::isfinite(c)) std::abort();
        }
        if (window == probed) {
            const SupersonicProfile p = SupersonicStartProfile(window, s);
            SupersonicFormatResults(p);
        }
    }
    return 0;
}
