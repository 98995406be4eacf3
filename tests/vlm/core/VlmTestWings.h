#pragma once
// Wings and recorders shared by the vortex-lattice tests: the interactive defaults, a solver with
// its lattice and wake built, a grid file written from a built wing, and a reporter that records.

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "common/core/LuFactor.h"
#include "common/core/RunReporter.h"
#include "vlm/core/VlmRun.h"
#include "vlm/core/VlmSolver.h"

namespace vlm_test {

// The entries the geometry and discretisation windows start with.
inline VlmInteractiveInputs DefaultInputs() {
    VlmInteractiveInputs in;
    in.span = 6.0;
    in.sweep = 32.0;
    in.dihedral = 5.0;
    in.rootChord = 1.0;
    in.rootIncidence = 2.5;
    in.rootCamber = 4.0;
    in.rootCamberPosition = 40.0;
    in.tipChord = 0.5;
    in.tipIncidence = -2.5;
    in.tipCamber = 4.0;
    in.tipCamberPosition = 40.0;
    in.alpha = 0.0;
    in.beta = 0.0;
    in.chordwiseCount = 30;
    in.spanwiseCountPerHalf = 15;
    in.birnbaumCount = 21;
    in.iterationCount = 0;
    in.wakeModel = 0;
    in.distributionParameter = 4;
    return in;
}

// A flat rectangular wing without twist, sweep or dihedral.
inline VlmInteractiveInputs FlatRectangle(double span, double chord, double alpha, int nx,
                                          int perHalf) {
    VlmInteractiveInputs in = DefaultInputs();
    in.span = span;
    in.rootChord = chord;
    in.tipChord = chord;
    in.sweep = 0.0;
    in.dihedral = 0.0;
    in.rootIncidence = in.tipIncidence = 0.0;
    in.rootCamber = in.tipCamber = 0.0;
    in.rootCamberPosition = in.tipCamberPosition = 0.0;
    in.alpha = alpha;
    in.chordwiseCount = nx;
    in.spanwiseCountPerHalf = perHalf;
    return in;
}

// A solver with the interactive wing, its lattice and its flat wake built.
inline std::unique_ptr<VlmSolver> BuildInteractive(const VlmRunValues& v,
                                                   luvo::RunReporter* reporter = nullptr) {
    auto s = std::make_unique<VlmSolver>(v, reporter);
    s->BuildTrapezoidWing();
    s->ComputeNacaBirnbaumCoefficients();
    s->FlattenLattice();
    s->ComputeDampingRadius();
    s->BuildWake();
    s->PackVortexPoints();
    return s;
}

inline std::unique_ptr<VlmSolver> BuildGrid(const VlmRunValues& v, const VlmGridFile& grid) {
    auto s = std::make_unique<VlmSolver>(v);
    s->BuildWingFromGrid(grid.tables);
    s->CopyGridBirnbaumCoefficients(grid.tables);
    s->FlattenLattice();
    s->ComputeDampingRadius();
    s->BuildWake();
    s->PackVortexPoints();
    return s;
}

inline std::string G17(double v) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17g", v);
    return buffer;
}

// The built two-segment wing as a grid file, every value with 17 digits.
inline std::string GridFileText(const VlmSolver& s, const VlmRunValues& v,
                                const std::string& symmetry = "0") {
    std::string t = "Gitter erzeugt vom Fluegelgenerator Version 2 fuer Luvo Test\n";
    t += "#nw_Nachlauf " + std::to_string(v.wakeElementCount) + " #wl_Laenge " + G17(v.wakeLength) +
         " #ss_Symmetrie " + symmetry + "\n";
    t += "nx " + std::to_string(v.chordwiseCount) + " ny " + std::to_string(v.spanwiseCount) +
         " k " + G17(v.distributionParameter) + " nseg " + std::to_string(v.segmentCount) + "\n";
    for (size_t g = 0; g < s.segments.size(); ++g) {
        t += "Segment Nummer " + std::to_string(g) + " hat a b c Streifen " +
             std::to_string(s.segments[g].strips.size()) + "\n";
    }
    auto point = [&](const VlmPoint& le, const VlmPoint& te) {
        const char* names[6] = {"xv", "yv", "zv", "xh", "yh", "zh"};
        const double values[6] = {le[0], le[1], le[2], te[0], te[1], te[2]};
        for (int k = 0; k < 6; ++k) t += std::string("P ") + names[k] + " " + G17(values[k]) + " ";
        t += "\n";
    };
    t += "Stationen der Segmente\n";
    for (const VlmSegment& g : s.segments) point(g.leadingEdgeB, g.trailingEdgeB);
    point(s.segments.back().leadingEdgeA, s.segments.back().trailingEdgeA);
    t += "Grenzen der Streifen\n";
    const VlmStrip* last = nullptr;
    for (const VlmSegment& g : s.segments) {
        for (const VlmStrip& strip : g.strips) {
            point(strip.leadingEdgeB, strip.trailingEdgeB);
            last = &strip;
        }
    }
    point(last->leadingEdgeA, last->trailingEdgeA);
    t += "V-Winkel der Segmente\n";
    for (size_t g = 0; g < s.segments.size(); ++g) t += "nu " + G17(v.dihedral[g]) + "\n";
    t += "Birnbaum Koeffizienten der Stationen\n";
    auto coefficients = [&](const std::array<double, kVlmBirnbaumTerms>& a) {
        for (double c : a) t += "A " + G17(c) + " ";
        t += "\n";
    };
    for (const VlmSegment& g : s.segments) coefficients(g.birnbaumB);
    coefficients(s.segments.back().birnbaumA);
    return t;
}

struct Recorder : luvo::RunReporter {
    std::vector<int> widths;
    std::vector<std::string> status0, status1;
    void SetProgress(int pixels) override { widths.push_back(pixels); }
    void SetStatus(int field, const std::string& text) override {
        (field == 0 ? status0 : status1).push_back(text);
    }
};

// The Part's LU without pivoting on a column-major block, and the two substitutions.
inline std::vector<double> SolveWithoutPivoting(const std::vector<double>& columnMajor, int n,
                                                const std::vector<double>& b) {
    std::vector<std::vector<double>> a(n + 1, std::vector<double>(n + 1));
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) a[i + 1][j + 1] = columnMajor[i + static_cast<size_t>(j) * n];
    luvo::LuFactor(a, n);
    std::vector<double> w(n + 1), x(n + 1);
    luvo::LuForward(
        a, n, [&](int i) { return b[i - 1]; }, w);
    luvo::LuBackward(a, n, w, x);
    return std::vector<double>(x.begin() + 1, x.end());
}

}  // namespace vlm_test

namespace vlm_test {

// The tokens of a grid file for a flat rectangular wing of one segment, symmetric about y = 0,
// with its strips spaced evenly and every section at the incidence `a0` [rad] (as A0). One wake
// element fits only a wake as long as half the chord (wake length chord / (2 span)).
inline std::vector<std::string> RectangleGridTokens(int nx, int ny, int nw, double span,
                                                    double chord, double a0,
                                                    const std::string& wakeLength = "5") {
    std::vector<std::string> t = {"Rechteck", "fuer", "den", "Test", "a", "b", "c", "d", "e"};
    auto add = [&](std::initializer_list<std::string> words) { t.insert(t.end(), words); };
    add({"#nw", std::to_string(nw), "#wl", wakeLength, "#ss", "0", "nx", std::to_string(nx), "ny",
         std::to_string(ny), "k", "4", "nseg", "1"});
    add({"s", "e", "g", "m", "e", "n", "t", "0", std::to_string(ny)});
    auto point = [&](double y) {
        for (double v : {0.0, y, 0.0, chord, y, 0.0}) add({"P", "x", G17(v)});
    };
    add({"Stationen", "der", "Segmente"});
    point(span / 2);
    point(-span / 2);
    add({"Grenzen", "der", "Streifen"});
    for (int p = 0; p <= ny; ++p) point(span / 2 - span * p / ny);
    add({"V-Winkel", "der", "Segmente", "nu", "0"});
    add({"Birnbaum", "Koeffizienten", "der", "Stationen"});
    for (int station = 0; station < 2; ++station)
        for (int n = 0; n < kVlmBirnbaumTerms; ++n) add({"A", n == 0 ? G17(a0) : "0"});
    return t;
}

inline std::string Join(const std::vector<std::string>& tokens) {
    std::string text;
    for (const std::string& token : tokens) text += token + " ";
    return text;
}

}  // namespace vlm_test
