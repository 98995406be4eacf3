// Any text as a wing file "*.fdt": the header check and the body reader stay inside the text and
// the record's arrays, and a file that passes is solved to a wing that is symmetric.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "llt/core/LltGridFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<LltGridHeader> header = ParseLltGridHeader(text);
    if (!header) {
        // The body reader checks the same header and must refuse the text as well.
        LltSolver s;
        if (s.ReadGridText(text)) std::abort();
        return 0;
    }
    if (!(header->span > 0.0) || !(header->liftSlopeFactor > 0.0)) std::abort();
    const auto s = SolveLltGridText(text, *header);
    if (!s) return 0;
    if (s->y[51] != 0.0 || s->gamma[0] != 0.0 || s->gamma[102] != 0.0) std::abort();
    for (int i = 0; i <= 102; ++i) {
        const bool same =
            s->chord[i] == s->chord[102 - i] && s->twistRad[i] == s->twistRad[102 - i];
        if (!same) std::abort();
    }
    return 0;
}
