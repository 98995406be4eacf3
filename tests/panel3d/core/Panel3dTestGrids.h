#pragma once
// Grid-file wings for the panel-model tests: the grid points of a simple tapered wing with a
// cambered parabolic section, and the text of a grid file "*.fdp" that holds them.

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "common/core/NumberText.h"
#include "panel3d/core/Panel3dModel.h"
#include "panel3d/core/Panel3dVector.h"

namespace panel3d_test {

struct TestWing {
    int chordPanels = 2;     // N
    int spanPanels = 2;      // M
    double rootChord = 1.0;  // [m]
    double tipChord = 1.0;   // [m]
    double halfSpan = 2.0;   // [m]
    double thickness = 0.1;  // of the chord
    double camber = 0.0;     // of the chord

    int ChordPoints() const { return 2 * chordPanels + 1; }
    int Stations() const { return 2 * spanPanels + 1; }

    double StationY(int s) const { return halfSpan * (1.0 - double(s) / spanPanels); }
    double StationChord(int s) const {
        const double eta = std::fabs(StationY(s)) / halfSpan;
        return rootChord + (tipChord - rootChord) * eta;
    }

    // Point i of station s: the upper side from the trailing edge (i = 0) to the leading edge
    // (i = N, at x = 0), then the lower side back to the trailing edge (i = 2N).
    Panel3dVector Point(int i, int s) const {
        const double c = StationChord(s);
        const bool upper = i <= chordPanels;
        const double xc =
            upper ? 1.0 - double(i) / chordPanels : double(i - chordPanels) / chordPanels;
        const double bump = 4.0 * xc * (1.0 - xc);
        const double half = 0.5 * thickness * c * bump;
        const double mean = camber * c * bump;
        return {xc * c, StationY(s), upper ? mean + half : mean - half};
    }

    // Station after station, in the order of the grid file.
    std::vector<Panel3dVector> Points() const {
        std::vector<Panel3dVector> p;
        for (int s = 0; s < Stations(); ++s) {
            for (int i = 0; i < ChordPoints(); ++i) p.push_back(Point(i, s));
        }
        return p;
    }
};

// Sets the corners of every wing panel from the grid point (i, s) that `point` gives, in the
// corner order of the wing panels.
template <class PointOf>
void SetWingCorners(Panel3dModel& w, PointOf point) {
    const int n = w.ChordPanels();
    for (int j = 0; j < w.StripCount(); ++j) {
        for (int i = 0; i < 2 * n; ++i) {
            Panel3dPanel& p = w.wingPanels[2 * n * j + i];
            p.SetCorner(0, point(i + 1, j + 1));
            p.SetCorner(1, point(i + 1, j));
            p.SetCorner(2, point(i, j));
            p.SetCorner(3, point(i, j + 1));
        }
    }
}

// The 27 header tokens of a grid file for these counts.
inline std::vector<std::string> GridHeaderTokens(int chordPanels, int spanPanels) {
    return {"Fluegel",
            "aus",
            "dem",
            "Test",
            "mit",
            "einem",
            "einfachen",
            "Profil",
            "Ende",
            "#nw",
            "25",
            "#e",
            "0.1",
            "#wl",
            "5.0",
            "#sf",
            "1",
            "Punkte",
            std::to_string(2 * chordPanels + 1),
            "Anzahl",
            "Schnitte",
            std::to_string(2 * spanPanels + 1),
            "x",
            "y",
            "z",
            "in",
            "m"};
}

// Header and points, the tokens joined by `separator` and the points one to a line.
inline std::string GridText(const std::vector<std::string>& header,
                            const std::vector<Panel3dVector>& points,
                            const std::string& separator = " ") {
    std::string text;
    for (const std::string& t : header) text += t + separator;
    text += "\n";
    for (const Panel3dVector& p : points) {
        text += luvo::FormatNumber("%.17g", p.x) + separator + luvo::FormatNumber("%.17g", p.y) +
                separator + luvo::FormatNumber("%.17g", p.z) + "\n";
    }
    return text;
}

inline std::string GridText(const TestWing& wing, const std::string& separator = " ") {
    return GridText(GridHeaderTokens(wing.chordPanels, wing.spanPanels), wing.Points(), separator);
}

struct WakeValues {
    int rows = 25;              // nw
    double edgeFactor = 0.1;    // e
    double lengthFactor = 5.0;  // wl [spans]
};

// Sizes for N, M and the wake values.
inline Panel3dModelSizes SizesOf(int chordPanels, int spanPanels, const WakeValues& wake = {},
                                 int symmetric = 0) {
    Panel3dModelSizes sizes;
    sizes.chordPanels = chordPanels;
    sizes.spanPanels = spanPanels;
    sizes.wakeRows = wake.rows;
    sizes.symmetric = symmetric;
    sizes.trailingEdgeWakeFactor = wake.edgeFactor;
    sizes.wakeLengthFactor = wake.lengthFactor;
    return sizes;
}

// A full model (sf = 0) whose wing corners hold the points; null when they cannot be read.
inline std::shared_ptr<Panel3dModel> ModelOf(int chordPanels, int spanPanels,
                                             const std::vector<Panel3dVector>& points,
                                             const WakeValues& wake = {}) {
    auto model = Panel3dModel::Create(SizesOf(chordPanels, spanPanels, wake));
    const bool read = model && model->ReadGridPointsText(
                                   GridText(GridHeaderTokens(chordPanels, spanPanels), points));
    return read ? model : nullptr;
}

inline std::shared_ptr<Panel3dModel> ModelOf(const TestWing& wing, const WakeValues& wake = {}) {
    return ModelOf(wing.chordPanels, wing.spanPanels, wing.Points(), wake);
}

}  // namespace panel3d_test
