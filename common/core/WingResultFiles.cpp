#include "common/core/WingResultFiles.h"

namespace luvo {

const char* const kTipToRootNote = "1.Zeile ist an der Flügelspitze, letzte Zeile an der Wurzel\n";

void WriteWingSummary(ResultFile& out, const WingSummary& summary) {
    out.SummaryLine("#S      = ", summary.area, 3);
    out.SummaryLine("#l_mue  = ", summary.meanChord, 3);
    out.SummaryLine("#Lambda = ", summary.aspectRatio, 3);
    out.SummaryLine("#caGes  = ", summary.lift, 3);
    out.SummaryLine("#cwiGes = ", summary.inducedDrag, 3);
    out.SummaryLine("#k      = ", summary.kFactor, 3);
}

bool WriteCirculationTable(const std::string& fileName, const std::vector<double>& chord,
                           const std::vector<double>& twistDeg, const std::vector<double>& gamma,
                           const std::vector<double>& ca) {
    ResultFile out(fileName);
    if (!out.IsOpen()) {
        return false;
    }
    out.Out() << "TITLE = \" Verteilung der Tiefe\"\n VARIABLES = \"depth\" , \"geom. angle\" , "
                 "\"Zirkulation\" , \"Auftriebsbeiwert\" \n"
              << '\n';
    out.Text(kTipToRootNote);
    for (size_t i = 1; i <= 51; ++i) {
        for (const std::vector<double>* column : {&chord, &twistDeg, &gamma, &ca}) {
            out.RowValue((*column)[i], 8, "  ");
        }
        out.Out() << '\n';
    }
    return out.Finish();
}

}  // namespace luvo
