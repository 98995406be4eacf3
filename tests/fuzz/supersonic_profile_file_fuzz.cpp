// Any text as a profile-coordinate file: a text the reader takes as a contour has two sorted sides
// that share the leading edge, and the contour window's profile computes from it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "supersonic/core/SupersonicFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    SupersonicContour contour;
    if (!ReadSupersonicContourText(text, contour)) return 0;
    for (const auto* side : {&contour.upper, &contour.lower}) {
        if (side->size() < 2 || side->size() > 100000) std::abort();
    }
    const SupersonicProfile p = SupersonicStartProfile(
        SupersonicWindow::Contour, SupersonicDefaultSettings(SupersonicWindow::Contour), &contour);
    if (p.part1.points.size() != contour.upper.size() || p.rows.size() != 192) std::abort();
    SupersonicFormatResults(p);
    return 0;
}
