// The three Tecplot files of a panel run: the wing and wake panels, the spanwise distribution
// with the totals, and the chordwise pressure distribution of every strip.

#include <string>
#include <vector>

#include "common/core/ResultFile.h"
#include "panel3d/core/Panel3dModel.h"

namespace {

// x, y, z, sigma, mu, |V|, cp of a panel: one row of the 3D file.
void PanelRow(luvo::ResultFile& file, int digits, const Panel3dPanel& p) {
    const double values[] = {p.centroid[0],        p.centroid[1],     p.centroid[2],
                             p.sourceStrength,     p.doubletStrength, p.velocityMagnitude,
                             p.pressureCoefficient};
    for (size_t k = 0; k < 7; ++k) {
        file.RowValue(values[k], digits, k + 1 < 7 ? "  " : "\n");
    }
}

void Row(luvo::ResultFile& file, int digits, std::initializer_list<double> values) {
    size_t k = 0;
    for (double v : values) {
        file.RowValue(v, digits, ++k < values.size() ? "  " : "\n");
    }
}

}  // namespace

std::vector<std::string> Panel3dModel::WriteResultFiles(const Panel3dResultFileNames& names,
                                                        int digits) const {
    std::vector<std::string> failed;
    const int chord = 2 * ChordPanels();
    const int strips = StripCount();
    const int rows = WakeRows();
    auto finish = [&](luvo::ResultFile& file, const std::string& name) {
        if (!file.Finish()) {
            failed.push_back(name);
        }
    };

    {
        luvo::ResultFile file(names.file3d);
        if (file.IsOpen()) {
            file.Text(
                "TITLE = \" 3D-Daten\"\nVARIABLES = \"X\", \"Y\", \"Z\", \"source_strength\", "
                "\"doublet_strength\", \"velocity_absolute\", \"cp_local\"\n\n");
            file.Out() << "ZONE T=\"Network Wing\", I=" << chord << ", J=" << strips
                       << ", F=POINT\n\n";
            for (const Panel3dPanel& p : wingPanels) {
                PanelRow(file, digits, p);
            }
            file.Out() << "\nZONE T=\"Network Wake\", I=" << rows + 1 << ", J=" << strips
                       << ", F=POINT\n\n";
            for (int j = 0; j < strips; ++j) {
                PanelRow(file, digits, trailingEdgeWake[j]);
                for (int r = 0; r < rows; ++r) {
                    PanelRow(file, digits, freeWake[j + strips * r]);
                }
            }
        }
        finish(file, names.file3d);
    }

    {
        luvo::ResultFile file(names.fileCa);
        if (file.IsOpen()) {
            file.SummaryLine("#Area_ges= ", referenceArea, digits);
            file.SummaryLine("#k_factor= ", kFactor, digits);
            file.SummaryLine("#refl= ", referenceChord, digits);
            file.SummaryLine("#cA_ges= ", totalLift, digits);
            file.SummaryLine("#cWi_ges= ", totalInducedDrag, digits);
            file.SummaryLine("#cMx= ", momentX, digits);
            file.SummaryLine("#cMy= ", momentY, digits);
            file.SummaryLine("#cMz= ", momentZ, digits);
            file.Text(
                "\nTITLE = \"ca, cWi und Gamma über Y\"\nVARIABLES = \"Y\", \"ca\", \"cWi\", "
                "\"Gamma\"\n\n");
            for (int j = 0; j < strips; ++j) {
                Row(file, digits,
                    {trailingEdgeWake[j].centroid[1], stripLift[j], stripInducedDrag[j],
                     stripCirculation[j]});
            }
            file.Text("\n\n");
        }
        finish(file, names.fileCa);
    }

    {
        luvo::ResultFile file(names.fileCp);
        if (file.IsOpen()) {
            file.Text(
                "\nTITLE = \"cp über X\"\nVARIABLES = \"X\", \"cp_local\", \"doublet_strength\", "
                "\"source_strength\", \"velocity_absolute\"\n");
            for (int j = 0; j < strips; ++j) {
                file.Text("\nZONE T=\"cp-Verlauf bei Y= ");
                file.RowValue(wingPanels[chord * j].centroid[1], digits, "\"\n");
                for (int i = 0; i < chord; ++i) {
                    const Panel3dPanel& p = wingPanels[chord * j + i];
                    Row(file, digits,
                        {p.centroid[0], p.pressureCoefficient, p.doubletStrength, p.sourceStrength,
                         p.velocityMagnitude});
                }
            }
        }
        finish(file, names.fileCp);
    }
    return failed;
}
