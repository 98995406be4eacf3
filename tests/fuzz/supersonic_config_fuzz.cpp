// Any text as a supersonic configuration: the mode probe, then both windows' key tables. What the
// readers take stays within what the fields accept, and the start profile built from it computes
// without leaving its arrays.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "supersonic/core/SupersonicFiles.h"

namespace {

void CheckSide(const SupersonicSide& side) {
    if (side.count < 0 || side.count > 4) std::abort();
    for (const SupersonicPoint& p : side.supportPoints) {
        if (!(p.x >= -1.0 && p.x <= 2.0) || !std::isfinite(p.z)) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const SupersonicWindow probed = SupersonicProbeConfigText(text);
    for (SupersonicWindow window : {SupersonicWindow::Parts, SupersonicWindow::Contour}) {
        SupersonicSettings s = SupersonicDefaultSettings(window);
        ReadSupersonicConfigText(text, window, s);
        if (!(s.mach > 1.0 && s.mach <= 5.0) || !(s.alpha >= -15.0 && s.alpha <= 15.0) ||
            !(s.kappa > 1.0 && s.kappa <= 2.0)) {
            std::abort();
        }
        CheckSide(s.part1);
        CheckSide(s.part2);
        if (window == probed) {
            const SupersonicProfile p = SupersonicStartProfile(window, s);
            SupersonicFormatResults(p);
        }
    }
    return 0;
}
