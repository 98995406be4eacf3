// Body of the grid file "*.fdp": after 27 header tokens, (2M+1) stations of (2N+1) points x y z
// [m], station after station, each station around the section from the upper trailing edge.

#include <vector>

#include "common/core/TextScanner.h"
#include "panel3d/core/Panel3dModel.h"

namespace {

constexpr int kHeaderTokens = 27;

}  // namespace

bool Panel3dModel::ReadGridPoints(const std::string& fileName) {
    std::string text;
    return luvo::ReadTextFile(fileName, text) && ReadGridPointsText(text);
}

bool Panel3dModel::ReadGridPointsText(std::string_view fileText) {
    luvo::TextScanner in(fileText);
    std::string_view word;
    for (int k = 0; k < kHeaderTokens; ++k) {
        if (!in.Word(word)) {
            return false;
        }
    }
    const int chordPoints = 2 * ChordPanels() + 1;
    const int stations = 2 * SpanPanels() + 1;
    // The whole body first, so that a broken one leaves the corners as they were.
    std::vector<Panel3dVector> points(static_cast<size_t>(chordPoints) * stations);
    for (Panel3dVector& p : points) {
        if (!in.Number(p.x) || !in.Number(p.y) || !in.Number(p.z)) {
            return false;
        }
    }
    // Point (i, s) is a corner of up to four panels (i', j): corner 0 of (i-1, s-1), corner 1
    // of (i-1, s), corner 2 of (i, s) and corner 3 of (i, s-1), where these exist.
    const int lastPanel = chordPoints - 2;  // 2N-1
    const int lastStrip = stations - 2;     // 2M-1
    auto panel = [&](int i, int j) -> Panel3dPanel& {
        return wingPanels[static_cast<size_t>(j) * (chordPoints - 1) + i];
    };
    for (int s = 0; s < stations; ++s) {
        for (int i = 0; i < chordPoints; ++i) {
            const Panel3dVector& p = points[static_cast<size_t>(s) * chordPoints + i];
            if (i >= 1 && s >= 1) panel(i - 1, s - 1).SetCorner(0, p);
            if (i >= 1 && s <= lastStrip) panel(i - 1, s).SetCorner(1, p);
            if (i <= lastPanel && s <= lastStrip) panel(i, s).SetCorner(2, p);
            if (i <= lastPanel && s >= 1) panel(i, s - 1).SetCorner(3, p);
        }
    }
    return true;
}
