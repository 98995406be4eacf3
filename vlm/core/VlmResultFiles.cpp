// The three Tecplot-style result files of a vortex-lattice run: the lattice with the wake, the
// chordwise pressure of every strip and the spanwise load with the total coefficients.

#include <string>
#include <vector>

#include "common/core/ResultFile.h"
#include "vlm/core/VlmSolver.h"

namespace {

void Row(luvo::ResultFile& out, int digits, std::initializer_list<double> values) {
    size_t k = 0;
    for (double v : values) {
        out.RowValue(v, digits, ++k == values.size() ? "\n" : " ");
    }
}

}  // namespace

std::vector<std::string> VlmSolver::WriteResultFiles(int digits) const {
    std::vector<std::string> unwritten;
    const size_t n = gamma.size();

    {
        luvo::ResultFile out(values_.result3dFileName);
        out.Out() << "TITLE=\"D-Daten\"\n"
                  << "VARIABLES=\"X\", \"Y\", \"Z\", \"Gamma\", \"Pressure difference\"\n";
        if (nx_ > 1) {
            out.Text("ZONE T=\"Flügel\", I=");
            out.Out() << nx_ << ", J=" << ny_ << ", F=POINT\n";
        } else {
            out.Text("ZONE T=\"Flügel\"\n");
        }
        out.Out() << '\n';
        for (size_t e = 0; e < n; ++e) {
            Row(out, digits,
                {colloc.x[e], colloc.y[e], colloc.z[e], gamma[e], 2.0 * pressureDifference[e]});
        }
        out.Out() << "\nZONE T=\"Nachlauf\", I=" << nw_ + 1 << ", J=" << ny_ + 1 << ", F=POINT\n\n";
        for (int k = 0; k <= ny_; ++k) {
            for (int r = 0; r <= nw_; ++r) {
                out.RowValue(wakeRows[r].x[k], digits, " ");
                out.RowValue(wakeRows[r].y[k], digits, " ");
                out.RowValue(wakeRows[r].z[k], digits, " ");
                out.RowValue(trailingGamma[k], digits, " 0\n");
            }
        }
        if (!out.Finish()) {
            unwritten.push_back(values_.result3dFileName);
        }
    }

    {
        luvo::ResultFile out(values_.resultCpFileName);
        const char* const head = "TITLE=\"D-Daten\"\nVARIABLES=\"x'=x/t(y)\", \"cp(x')\"\n";
        for (int j = 0; j < ny_; ++j) {
            const double leading = frontMid.x[static_cast<size_t>((j + 1) * nx_ - 1)];
            const double trailing = rearMid.x[static_cast<size_t>(j * nx_)];
            auto relative = [&](int i) {
                return (colloc.x[static_cast<size_t>(i + nx_ * j)] - leading) /
                       (trailing - leading);
            };
            auto dp = [&](int i) { return pressureDifference[static_cast<size_t>(i + nx_ * j)]; };
            out.Out() << head << "ZONE T=\"Oberseite Rippe " << j + 1 << "\"\n\n";
            for (int i = nx_ - 1; i >= 0; --i) {
                Row(out, digits, {relative(i), -dp(i)});
            }
            out.Out() << '\n' << head << "ZONE T=\"Unterseite Rippe " << j + 1 << "\"\n\n";
            for (int i = 0; i < nx_; ++i) {
                Row(out, digits, {relative(i), dp(i)});
            }
            out.Out() << '\n';
        }
        if (!out.Finish()) {
            unwritten.push_back(values_.resultCpFileName);
        }
    }

    {
        luvo::ResultFile out(values_.resultCaFileName);
        out.SummaryLine("#Area_ges= ", results.refArea, digits);
        out.SummaryLine("#k_factor= ", results.kFactor, digits);
        out.SummaryLine("#refl= ", results.refChord, digits);
        out.SummaryLine("#cA_ges= ", results.ca, digits);
        out.SummaryLine("#cWi_ges= ", results.cwi, digits);
        out.SummaryLine("#cMx= ", results.cmx, digits);
        out.SummaryLine("#cMy= ", results.cmy, digits);
        out.SummaryLine("#cMz= ", results.cmz, digits);
        out.Out() << "\nTITLE=\"D-Daten\"\nVARIABLES=\"y\", \"ca(y)\", \"Gamma(y)\"\n\n";
        for (int j = 0; j < ny_; ++j) {
            Row(out, digits,
                {colloc.y[static_cast<size_t>(j * nx_)], stripLiftCoefficient[j],
                 stripCirculation[j]});
        }
        if (!out.Finish()) {
            unwritten.push_back(values_.resultCaFileName);
        }
    }
    return unwritten;
}
