// Tecplot-style result files of the simple lifting-line method. Every file holds the right half
// of the wing, one row per station from the tip towards the root. The texts are Latin-1 and the
// lines end in LF; numbers use the general format with a decimal point whatever the locale.

#include <cmath>
#include <fstream>
#include <initializer_list>
#include <locale>

#include "llt/LltSolver.h"

namespace {

// "ü" as the single Latin-1 byte.
const char* const kNoteLine = "1.Zeile ist an der Fl\xFCgelspitze, letzte Zeile an der Wurzel";

bool OpenResultFile(std::ofstream& out, const std::string& fileName) {
    out.open(fileName, std::ios::out | std::ios::trunc | std::ios::binary);
    out.imbue(std::locale::classic());
    return out.is_open();
}

bool Finish(std::ofstream& out) {
    out.close();
    return !out.fail();
}

// A summary value that is not finite reads "nan", so the line keeps its label and one word.
void SummaryLine(std::ostream& out, const char* label, double value) {
    out << label;
    if (std::isfinite(value)) {
        out << value;
    } else {
        out << "nan";
    }
    out << '\n';
}

// Area, mean chord, aspect ratio, lift, induced drag and k-factor with three significant digits.
void SummaryBlock(std::ostream& out, const LltSolver& s, double lift, double inducedDrag) {
    out.precision(3);
    SummaryLine(out, "#S      = ", s.area);
    SummaryLine(out, "#l_mue  = ", s.meanChord);
    SummaryLine(out, "#Lambda = ", s.aspectRatio);
    SummaryLine(out, "#caGes  = ", lift);
    SummaryLine(out, "#cwiGes = ", inducedDrag);
    SummaryLine(out, "#k      = ", s.kFactor);
}

// A row value that is not finite is written as 0 so that plotting programs can read every row.
void RowValue(std::ostream& out, double value) {
    out << (std::isfinite(value) ? value : 0.0) << "  ";
}

void Row(std::ostream& out, int station, std::initializer_list<double> values) {
    out.precision(8);
    out << station << "  ";
    for (double v : values) {
        RowValue(out, v);
    }
    out << '\n';
}

}  // namespace

bool LltSolver::WriteCirculationFile(const std::string& fileName) const {
    std::ofstream out;
    if (!OpenResultFile(out, fileName)) {
        return false;
    }
    out.precision(8);
    out << "TITLE = \" Verteilung der Tiefe\"\n VARIABLES = \"depth\" , \"geom. angle\" , "
           "\"Zirkulation\" , \"Auftriebsbeiwert\" \n"
        << '\n';
    out << kNoteLine << '\n';
    for (int i = 1; i <= kRoot; ++i) {
        RowValue(out, chord[i]);
        RowValue(out, twistDeg[i]);
        RowValue(out, gamma[i]);
        RowValue(out, ca[i]);
        out << '\n';
    }
    return Finish(out);
}

bool LltSolver::WriteTwistFile(const std::string& fileName) const {
    std::ofstream out;
    if (!OpenResultFile(out, fileName)) {
        return false;
    }
    out << "TITLE = \" Verteilung des geometrischen Anstellwinkels\"\n " << '\n';
    SummaryBlock(out, *this, cl, cdiSeries);
    out << "\n VARIABLES = \"nue\" , \"y_position\" , \"depth\" , \"geom. angle\"\n" << '\n';
    for (int i = 0; i <= kRoot; ++i) {
        Row(out, i, {y[i], chord[i], twistDeg[i]});
    }
    return Finish(out);
}

bool LltSolver::WriteChordFile(const std::string& fileName) const {
    std::ofstream out;
    if (!OpenResultFile(out, fileName)) {
        return false;
    }
    out << "TITLE = \" Verteilung der Tiefe\"\n " << '\n';
    SummaryBlock(out, *this, cl, cdiSeries);
    out << "VARIABLES = \"nue\" , \"y_position\" , \"depth\" , \"geom. angle\" \n" << '\n';
    for (int i = 1; i <= kRoot; ++i) {
        Row(out, i, {y[i], chord[i], twistDeg[i]});
    }
    return Finish(out);
}

bool LltSolver::WriteCirculationDistributionFile(const std::string& fileName) const {
    std::ofstream out;
    if (!OpenResultFile(out, fileName)) {
        return false;
    }
    out << "TITLE = \" Verteilung der Zirkulation und des Auftriebbeiwerts\"\n " << '\n';
    SummaryBlock(out, *this, clSolved, cdi);
    out << "VARIABLES = \"nue\" , \"y_position\" , \"depth\" , \"geom. angle\" , "
           "\"Zirkulation\" , \"Auftriebsbeiwert\"\n"
        << '\n';
    out << kNoteLine << '\n';
    for (int i = 1; i <= kRoot; ++i) {
        Row(out, i, {y[i], chord[i], twistDeg[i], gamma[i], ca[i]});
    }
    return Finish(out);
}
