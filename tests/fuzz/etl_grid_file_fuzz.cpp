// Any text as a wing file "*.fde": the header check and the reader stay inside the text and the
// record, agree on which texts fail, and a file that passes is solved to a record whose chord is
// mirrored and whose sections without lift slope carry nothing.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "etl/core/EtlGridFile.h"
#include "etl/core/EtlRuns.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<EtlGridHeader> header = ParseEtlGridHeader(text);
    if (!header) {
        EtlSolver s;
        if (s.ReadGridText(text)) std::abort();
        return 0;
    }
    if (!(header->span > 0.0) || !(header->liftSlopeFactor > 0.0) || !(header->rootChord > 0.0)) {
        std::abort();
    }
    // The sideslip handed over follows from the text, so both signs and |beta| > 90 occur.
    const double beta = static_cast<double>(size % 241) - 120.0;
    const auto s = EtlSolveGridText(text, *header, beta);
    if (!s) return 0;
    if (s->y[51] != 0.0 || s->rootChord != header->rootChord) std::abort();
    for (int k = 0; k <= 50; ++k) {
        const bool same = s->chord[52 + k] == s->chord[50 - k] || std::isnan(s->chord[50 - k]);
        if (!same) std::abort();
    }
    for (int k = 1; k <= 101; ++k) {
        if (s->withoutCirculation[k] != 0 && (s->gamma[k] != 0.0 || s->ca[k] != 0.0)) std::abort();
    }
    return 0;
}
