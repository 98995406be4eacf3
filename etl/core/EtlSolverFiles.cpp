// Tecplot-style result files of the extended lifting-line method: one row per station of the
// first wing half, from next to the tip to the root. Latin-1 text, LF line ends, numbers in the
// general format with a decimal point whatever the locale.

#include "common/core/ResultFile.h"
#include "common/core/WingResultFiles.h"
#include "etl/core/EtlSolver.h"

bool EtlSolver::WriteCirculationDistributionFile(const std::string& fileName) const {
    luvo::ResultFile out(fileName);
    if (!out.IsOpen()) {
        return false;
    }
    out.Out() << "TITLE = \"Verteilung der Zirkulation und des Auftriebbeiwerts\" \n" << '\n';
    luvo::WriteWingSummary(
        out, {area, meanChord, aspectRatio, liftCoefficient, inducedDragCoefficient, kFactor});
    out.Out() << "VARIABLES = \"nue\" , \"depth\" , \"geom. angle\" , \"Zirkulation\" , "
                 "\"Auftriebsbeiwert\" \n"
              << '\n';
    for (int i = 1; i <= kRoot; ++i) {
        out.Out() << i << "   ";
        for (double v : {chord[i], twistDeg[i], gamma[i], ca[i]}) {
            out.RowValue(v, 8, "  ");
        }
        out.Out() << '\n';
    }
    return out.Finish();
}

bool EtlSolver::WriteCirculationFile(const std::string& fileName) const {
    return luvo::WriteCirculationTable(fileName, chord, twistDeg, gamma, ca);
}
