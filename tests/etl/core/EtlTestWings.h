#pragma once
// Wings of the extended lifting-line tests and benchmarks: the analysis window's defaults and
// wing-file texts built from a header and a segment table.

#include <sstream>
#include <string>
#include <vector>

#include "common/core/NumberText.h"
#include "etl/core/EtlGridFile.h"
#include "etl/core/EtlRuns.h"

namespace etl_test {

// The analysis window's initial field values.
inline EtlAnalysisInputs AnalysisWindowInputs() {
    EtlAnalysisInputs in;
    in.span = 10;
    in.sideslip = 0.0;
    in.liftSlopeFactor = 1;
    in.sweep1 = in.sweep2 = in.sweep3 = 15.0;
    in.lengthAB = 50.0;
    in.lengthBC = 40.0;
    in.lengthCD = 10.0;
    in.chordA = in.chordB = in.chordC = in.chordD = 2.00;
    in.angleA = 10.00;
    in.angleB = in.angleC = in.angleD = 0.00;
    return in;
}

struct FileSegment {
    double length = 0;  // fraction of b/2
    double twist = 0;   // outer angle [deg]
    double chord = 0;   // outer chord [m]
    double sweep = 0;   // leading-edge sweep [deg]
};

// Ten free words, as a generator writes them, one of them a "#".
inline const char* const kFreeWords = "Fluegelnetz fuer Luvo # erzeugt mit Version 2 am Montag";

// A wing file of the header and the segments (the rest of the ten with length 0), one segment a
// line.
inline std::string WingFileText(const EtlGridHeader& h, const std::vector<FileSegment>& segments) {
    auto g = [](double v) { return luvo::FormatNumber("%.17g", v); };
    std::ostringstream out;
    out << kFreeWords << "\n#b " << g(h.span) << "\n#dc " << g(h.liftSlopeFactor) << "\n#de "
        << g(h.rootChord) << "\n#al " << g(h.rootAngle) << '\n';
    for (size_t k = 0; k < 10; ++k) {
        const FileSegment s = k < segments.size() ? segments[k] : FileSegment{};
        out << g(s.length) << ' ' << g(s.twist) << ' ' << g(s.chord) << ' ' << g(s.sweep) << '\n';
    }
    return out.str();
}

// The analysis window's default wing as a wing file: the same three trapezoids as segments.
inline std::string AnalysisWingAsFile(const EtlAnalysisInputs& in, EtlGridHeader& header) {
    header = {in.span, in.liftSlopeFactor, in.chordA, in.angleA};
    return WingFileText(header, {{in.lengthAB / 100, in.angleA + in.angleB, in.chordB, in.sweep1},
                                 {in.lengthBC / 100, in.angleA + in.angleC, in.chordC, in.sweep2},
                                 {in.lengthCD / 100, in.angleA + in.angleD, in.chordD, in.sweep3}});
}

}  // namespace etl_test
