// Reader of the grid file "*.fdw". The whole file is read into a new grid, so that a file that
// is refused changes nothing.

#include "vlm/core/VlmGridFile.h"

#include <cmath>
#include <limits>

#include "common/core/TextScanner.h"

namespace {

class GridReader {
  public:
    explicit GridReader(std::string_view text) : in_(text) {}

    bool Words(int count) {
        std::string_view word;
        for (int k = 0; k < count; ++k) {
            if (!in_.Word(word)) {
                return false;
            }
        }
        return true;
    }

    // A tag: only its first three characters count.
    bool Tag(std::string_view prefix) {
        std::string_view word;
        return in_.Word(word) && luvo::StartsWith(word, prefix);
    }

    bool Number(double& value) { return in_.Number(value); }

    // A count: a whole number within the range of int ("30.5" is none).
    bool Count(int& value) {
        double v = 0.0;
        if (!in_.Number(v) || v != std::floor(v) || v < std::numeric_limits<int>::min() ||
            v > std::numeric_limits<int>::max()) {
            return false;
        }
        value = static_cast<int>(v);
        return true;
    }

    // `words` label words, then a number.
    bool Labelled(int words, double& value) { return Words(words) && Number(value); }

  private:
    luvo::TextScanner in_;
};

bool ReadHeader(GridReader& in, VlmGridFile& g) {
    return in.Words(9) && in.Tag("#nw") && in.Count(g.wakeElementCount) && in.Tag("#wl") &&
           in.Number(g.wakeLength) && in.Tag("#ss") && in.Count(g.symmetryFlag) && in.Words(1) &&
           in.Count(g.chordwiseCount) && in.Words(1) && in.Count(g.spanwiseCount) && in.Words(1) &&
           in.Number(g.distributionParameter) && in.Words(1) && in.Count(g.segmentCount);
}

// Counts that describe a lattice this program can build and hold.
bool HeaderFits(const VlmGridFile& g) {
    const bool counts = g.chordwiseCount >= 1 && g.chordwiseCount <= kVlmMaxChordwise &&
                        g.spanwiseCount >= 2 && g.spanwiseCount <= kVlmMaxSpanwise &&
                        g.chordwiseCount * g.spanwiseCount <= kVlmMaxElements &&
                        g.wakeElementCount >= 1 && g.wakeElementCount <= kVlmMaxWakeElements &&
                        g.segmentCount >= 1 && g.segmentCount <= kVlmMaxSegments;
    return counts && (g.symmetryFlag == 0 || g.symmetryFlag == 1) && g.wakeLength > 0.0 &&
           g.distributionParameter >= 0.0;
}

// Six values of a point, each after two label words.
bool ReadPoints(GridReader& in, int count, std::vector<double>* const (&columns)[6]) {
    if (!in.Words(3)) {
        return false;
    }
    for (std::vector<double>* c : columns) {
        c->assign(static_cast<size_t>(count), 0.0);
    }
    for (int t = 0; t < count; ++t) {
        for (std::vector<double>* c : columns) {
            if (!in.Labelled(2, (*c)[t])) {
                return false;
            }
        }
    }
    return true;
}

bool ReadBody(GridReader& in, VlmGridFile& g) {
    const int nseg = g.segmentCount;
    g.stripsPerSegment.assign(static_cast<size_t>(nseg), 0);
    int strips = 0;
    for (int s = 0; s < nseg; ++s) {
        if (!in.Words(8) || !in.Count(g.stripsPerSegment[s]) || g.stripsPerSegment[s] < 0) {
            return false;
        }
        strips += g.stripsPerSegment[s];
        if (strips > g.spanwiseCount) {
            return false;
        }
    }
    if (strips != g.spanwiseCount) {
        return false;
    }
    VlmGridTables& t = g.tables;
    std::vector<double>* const stations[6] = {&t.stationLeadingX,  &t.stationLeadingY,
                                              &t.stationLeadingZ,  &t.stationTrailingX,
                                              &t.stationTrailingY, &t.stationTrailingZ};
    std::vector<double>* const edges[6] = {&t.stripEdgeLeadingX,  &t.stripEdgeLeadingY,
                                           &t.stripEdgeLeadingZ,  &t.stripEdgeTrailingX,
                                           &t.stripEdgeTrailingY, &t.stripEdgeTrailingZ};
    if (!ReadPoints(in, nseg + 1, stations) || !ReadPoints(in, g.spanwiseCount + 1, edges)) {
        return false;
    }
    g.dihedral.assign(static_cast<size_t>(nseg), 0.0);
    if (!in.Words(3)) {
        return false;
    }
    for (int s = 0; s < nseg; ++s) {
        if (!in.Labelled(1, g.dihedral[s])) {
            return false;
        }
    }
    if (!in.Words(4)) {
        return false;
    }
    for (auto& coefficient : t.stationBirnbaum) {
        coefficient.assign(static_cast<size_t>(nseg) + 1, 0.0);
    }
    for (int station = 0; station <= nseg; ++station) {
        for (auto& coefficient : t.stationBirnbaum) {
            if (!in.Labelled(1, coefficient[station])) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

std::optional<VlmGridFile> ParseVlmGridText(std::string_view text) {
    GridReader in(text);
    VlmGridFile grid;
    if (!ReadHeader(in, grid) || !HeaderFits(grid) || !ReadBody(in, grid)) {
        return std::nullopt;
    }
    return grid;
}

std::optional<VlmGridFile> ReadVlmGridFile(const std::string& fileName) {
    std::string text;
    if (!luvo::ReadTextFile(fileName, text)) {
        return std::nullopt;
    }
    return ParseVlmGridText(text);
}
