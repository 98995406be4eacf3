// Tecplot-style result files of the simple lifting-line method. Every file holds the right half
// of the wing, one row per station from the tip towards the root. The texts are Latin-1 and the
// lines end in LF; numbers use the general format with a decimal point whatever the locale.

#include <initializer_list>

#include "common/core/ResultFile.h"
#include "common/core/WingResultFiles.h"
#include "llt/core/LltSolver.h"

namespace {

void SummaryBlock(luvo::ResultFile& out, const LltSolver& s, double lift, double inducedDrag) {
    luvo::WriteWingSummary(out, {s.area, s.meanChord, s.aspectRatio, lift, inducedDrag, s.kFactor});
}

void Row(luvo::ResultFile& out, int station, std::initializer_list<double> values) {
    out.Out() << station << "  ";
    for (double v : values) {
        out.RowValue(v, 8, "  ");
    }
    out.Out() << '\n';
}

}  // namespace

bool LltSolver::WriteCirculationFile(const std::string& fileName) const {
    return luvo::WriteCirculationTable(fileName, chord, twistDeg, gamma, ca);
}

bool LltSolver::WriteTwistFile(const std::string& fileName) const {
    luvo::ResultFile out(fileName);
    if (!out.IsOpen()) {
        return false;
    }
    out.Out() << "TITLE = \" Verteilung des geometrischen Anstellwinkels\"\n " << '\n';
    SummaryBlock(out, *this, cl, cdiSeries);
    out.Out() << "\n VARIABLES = \"nue\" , \"y_position\" , \"depth\" , \"geom. angle\"\n" << '\n';
    for (int i = 0; i <= kRoot; ++i) {
        Row(out, i, {y[i], chord[i], twistDeg[i]});
    }
    return out.Finish();
}

bool LltSolver::WriteChordFile(const std::string& fileName) const {
    luvo::ResultFile out(fileName);
    if (!out.IsOpen()) {
        return false;
    }
    out.Out() << "TITLE = \" Verteilung der Tiefe\"\n " << '\n';
    SummaryBlock(out, *this, cl, cdiSeries);
    out.Out() << "VARIABLES = \"nue\" , \"y_position\" , \"depth\" , \"geom. angle\" \n" << '\n';
    for (int i = 1; i <= kRoot; ++i) {
        Row(out, i, {y[i], chord[i], twistDeg[i]});
    }
    return out.Finish();
}

bool LltSolver::WriteCirculationDistributionFile(const std::string& fileName) const {
    luvo::ResultFile out(fileName);
    if (!out.IsOpen()) {
        return false;
    }
    out.Out() << "TITLE = \" Verteilung der Zirkulation und des Auftriebbeiwerts\"\n " << '\n';
    SummaryBlock(out, *this, clSolved, cdi);
    out.Out() << "VARIABLES = \"nue\" , \"y_position\" , \"depth\" , \"geom. angle\" , "
                 "\"Zirkulation\" , \"Auftriebsbeiwert\"\n"
              << '\n';
    out.Text(luvo::kTipToRootNote);
    for (int i = 1; i <= kRoot; ++i) {
        Row(out, i, {y[i], chord[i], twistDeg[i], gamma[i], ca[i]});
    }
    return out.Finish();
}
