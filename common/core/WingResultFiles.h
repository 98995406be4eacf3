#pragma once
// Layout parts that the result files of both lifting-line methods share: the six "#" summary
// lines and the circulation table of a wing-file run ("Zirkulation.dat").

#include <string>
#include <vector>

#include "common/core/ResultFile.h"

namespace luvo {

// The line that says which way the station rows run (UTF-8, with its line end).
extern const char* const kTipToRootNote;

struct WingSummary {
    double area = 0;         // S [m²]
    double meanChord = 0;    // l_mue [m]
    double aspectRatio = 0;  // Lambda
    double lift = 0;         // lift coefficient
    double inducedDrag = 0;  // induced drag coefficient
    double kFactor = 0;
};

// Area, mean chord, aspect ratio, lift, induced drag and k-factor at three significant digits.
void WriteWingSummary(ResultFile& out, const WingSummary& summary);

// The circulation table: TITLE and VARIABLES lines, an empty line, the note, then for the
// stations 1 (next to the tip) to 51 (root) chord, twist [deg], circulation and local lift at
// eight significant digits, each followed by two blanks. False when the file cannot be written.
bool WriteCirculationTable(const std::string& fileName, const std::vector<double>& chord,
                           const std::vector<double>& twistDeg, const std::vector<double>& gamma,
                           const std::vector<double>& ca);

}  // namespace luvo
