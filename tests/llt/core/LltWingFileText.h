#pragma once
// Wing files "*.fdt" for the tests, built token by token so that a test can break one token or
// change the white space between them.

#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "common/core/NumberText.h"
#include "llt/core/LltSolver.h"

namespace llt_test {

struct WingFileParts {
    std::vector<std::string> words{"Elliptischer",  "Fluegel", "mit", "konstantem",
                                   "Anstellwinkel", "aus",     "dem", "Test"};
    std::string spanTag = "#b";
    std::string span = "10";
    std::string factorTag = "#dc";
    std::string factor = "1";
    std::vector<std::string> body;  // twist [deg] and chord [m] in turn, tip first

    std::vector<std::string> Tokens() const {
        std::vector<std::string> t = words;
        t.insert(t.end(), {spanTag, span, factorTag, factor});
        t.insert(t.end(), body.begin(), body.end());
        return t;
    }

    // All tokens, joined by the separators in turn.
    std::string Text(const std::vector<std::string>& separators = {"\n"}) const {
        std::string out;
        const std::vector<std::string> t = Tokens();
        for (size_t k = 0; k < t.size(); ++k) {
            if (k > 0) out += separators[(k - 1) % separators.size()];
            out += t[k];
        }
        return out + "\n";
    }
};

inline std::string Exact(double v) { return luvo::FormatNumber("%.17g", v); }

// Station angle of the file's station i (0 tip .. 51 root).
inline double StationTheta(int i) { return i * LltPi / 102.0; }

// 52 pairs from two functions of the station.
template <typename Twist, typename Chord>
std::vector<std::string> Body(Twist twist, Chord chord) {
    std::vector<std::string> body;
    for (int i = 0; i <= 51; ++i) {
        body.push_back(Exact(twist(i)));
        body.push_back(Exact(chord(i)));
    }
    return body;
}

// Elliptic planform c = c0 sin(theta) with one angle of attack everywhere.
inline WingFileParts EllipticWing(double span, double rootChord, double angleDeg) {
    WingFileParts p;
    p.span = Exact(span);
    p.body = Body([=](int) { return angleDeg; },
                  [=](int i) { return rootChord * std::sin(StationTheta(i)); });
    return p;
}

// Rectangular planform with one chord and one angle.
inline WingFileParts RectangularWing(double span, double chord, double angleDeg) {
    WingFileParts p;
    p.words = {"Rechteckfluegel", "b", "=", "10", "m", "c", "=", "1"};
    p.span = Exact(span);
    p.body = Body([=](int) { return angleDeg; }, [=](int) { return chord; });
    return p;
}

inline void WriteText(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

}  // namespace llt_test
