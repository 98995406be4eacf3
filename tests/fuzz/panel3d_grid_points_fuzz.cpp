// Any text as the body of a panel grid file "*.fdp" for N, M = 1..8 taken from the first two
// bytes: the reader stays inside the text and the panel arrays and leaves the corners untouched
// when it refuses, and a wing that passes its check is prepared into finite geometry, source
// strengths and wake rows.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "panel3d/core/Panel3dModel.h"

namespace {

bool Finite(const Panel3dPanel::Corners& c) {
    return std::isfinite(c[0]) && std::isfinite(c[1]) && std::isfinite(c[2]) && std::isfinite(c[3]);
}

bool Zero(const Panel3dPanel::Corners& c) { return c == Panel3dPanel::Corners{}; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    Panel3dModelSizes sizes;
    sizes.chordPanels = 1 + data[0] % 8;
    sizes.spanPanels = 1 + data[1] % 8;
    sizes.wakeRows = 25;
    sizes.trailingEdgeWakeFactor = 0.1;
    sizes.wakeLengthFactor = 5.0;
    const auto model = Panel3dModel::Create(sizes);
    if (!model) std::abort();
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);

    if (!model->ReadGridPointsText(text)) {
        for (const Panel3dPanel& p : model->wingPanels) {
            if (!Zero(p.cornerX) || !Zero(p.cornerY) || !Zero(p.cornerZ)) std::abort();
        }
        return 0;
    }
    for (const Panel3dPanel& p : model->wingPanels) {
        if (!Finite(p.cornerX) || !Finite(p.cornerY) || !Finite(p.cornerZ)) std::abort();
    }
    if (!model->PrepareWing(0.5)) return 0;

    for (const Panel3dPanel& p : model->wingPanels) {
        if (!std::isfinite(p.sourceStrength) || !(p.area > 0) || !std::isfinite(p.area)) {
            std::abort();
        }
    }
    if (!(model->halfSpan > 0) || !std::isfinite(model->coreRadius) ||
        !std::isfinite(model->wakeGrowth) || !(model->wakeGrowth >= 0.1)) {
        std::abort();
    }
    auto checkWake = [](const Panel3dPanel& w) {
        const Panel3dVector n = w.Normal();
        if (!Finite(w.planarX) || !Finite(w.planarY) || !Finite(w.planarZ) || !std::isfinite(n.x) ||
            !std::isfinite(n.y) || !std::isfinite(n.z)) {
            std::abort();
        }
    };
    for (const Panel3dPanel& w : model->trailingEdgeWake) checkWake(w);
    for (const Panel3dPanel& w : model->freeWake) checkWake(w);
    return 0;
}
