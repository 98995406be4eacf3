// Any text as the header of a grid file "*.fdp": a header that passes holds only values a run
// can build, and what follows token 22 never changes it.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "panel3d/core/Panel3dGridHeader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto h = ParsePanel3dGridHeader(text);
    if (!h) return 0;
    const bool sound = h->wakeRowCount >= 1 && h->wakeRowCount <= 100 &&
                       std::isfinite(h->trailingEdgeWakeFactor) && h->trailingEdgeWakeFactor > 0 &&
                       std::isfinite(h->wakeLengthFactor) && h->wakeLengthFactor > 0 &&
                       h->chordPointCount == 2 * h->chordPanelCount + 1 &&
                       h->spanPointCount == 2 * h->spanPanelCount + 1 && h->chordPanelCount >= 1 &&
                       h->spanPanelCount >= 1 &&
                       4LL * h->chordPanelCount * h->spanPanelCount <= kPanel3dMaxWingPanels;
    if (!sound) std::abort();
    const auto longer = ParsePanel3dGridHeader(std::string(text) + "\n0.5 x");
    if (!longer || longer->wakeRowCount != h->wakeRowCount ||
        longer->chordPointCount != h->chordPointCount ||
        longer->spanPointCount != h->spanPointCount || longer->symmetryFlag != h->symmetryFlag) {
        std::abort();
    }
    return 0;
}
