// Any text as a vortex-lattice grid file "*.fdw": the reader stays inside the text and its
// tables, refuses what does not describe a lattice, and a small lattice it accepts is solved
// without leaving its arrays, with the flat and the relaxed wake.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "vlm/core/VlmGridFile.h"
#include "vlm/core/VlmRun.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<VlmGridFile> grid = ParseVlmGridText(text);
    if (!grid) return 0;
    int strips = 0;
    for (int s : grid->stripsPerSegment) strips += s;
    const int nseg = grid->segmentCount;
    const bool sound =
        strips == grid->spanwiseCount && grid->chordwiseCount >= 1 && grid->spanwiseCount >= 2 &&
        grid->chordwiseCount * grid->spanwiseCount <= kVlmMaxElements &&
        grid->dihedral.size() == static_cast<size_t>(nseg) &&
        grid->tables.stationLeadingX.size() == static_cast<size_t>(nseg) + 1 &&
        grid->tables.stripEdgeTrailingZ.size() == static_cast<size_t>(grid->spanwiseCount) + 1 &&
        grid->tables.stationBirnbaum[20].size() == static_cast<size_t>(nseg) + 1;
    if (!sound) std::abort();
    if (grid->chordwiseCount * grid->spanwiseCount > 64) return 0;

    VlmGridRunInputs in;
    in.alpha = 4.0;
    in.birnbaumCount = 21;
    in.dampingFactor = 1.0;
    for (int wakeModel : {0, 1}) {
        // The relaxed wake only where its velocity sums stay small enough for a fuzzing run.
        if (wakeModel == 1 && grid->wakeElementCount * (grid->spanwiseCount + 1) > 2000) break;
        in.wakeModel = wakeModel;
        in.iterationCount = wakeModel;
        const VlmRunOutcome out = RunVlmGrid(VlmGridRunValues(in, *grid), *grid, nullptr);
        if (out.error == VlmRunError::kNone) {
            const VlmResults& r = *out.results;
            const size_t ny = static_cast<size_t>(grid->spanwiseCount);
            if (r.spanCa.size() != ny ||
                r.cpTip.size() != 2 * static_cast<size_t>(grid->chordwiseCount))
                std::abort();
        } else if (out.results) {
            std::abort();
        }
    }
    return 0;
}
